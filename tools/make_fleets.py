#!/usr/bin/env python3
"""Writes the twelve fleet files data/config/{E,D,U,J}ships{,1,2}.cfg.

Each file holds the fleets of both sides of one pairing: the home navy on the first side
('E' lines) and its opponent on the second side ('D' lines). The plain file serves single
games and the last campaign stage, "1" the first campaign stage and "2" the convoy escort.
A navy sails the same ships in a given stage whichever side it is on, so every fleet is
defined once below and written into both files of its pairing.

Run from anywhere: python3 tools/make_fleets.py
"""

import os
import random

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT_DIR = os.path.join(ROOT, "data", "config")

NAVY_TITLE = {
    "E": "Royal Navy",
    "D": "Kriegsmarine",
    "U": "US Navy",
    "J": "Imperial Japanese Navy",
}
OPPONENT = {"E": "D", "D": "E", "U": "J", "J": "U"}

# Strength of each slot kind; a navy may override single slots.
STRENGTH = {
    "plane": 1, "supply": 2, "sub": 5, "corvette": 3, "destroyer": 5, "frigate": 4,
    "light": 6, "heavy": 7, "battleship": 9, "carrier": 7, "mines": 5,
    "trooper": 2, "merchant": 1, "oiler": 1,
}

# First-side code -> slot kind.
SLOT_KIND = {1: "plane", 2: "supply"}
SLOT_KIND.update({c: "sub" for c in range(3, 9)})
SLOT_KIND.update({9: "corvette", 10: "corvette", 11: "destroyer", 12: "destroyer"})
SLOT_KIND.update({c: "frigate" for c in range(13, 16)})
SLOT_KIND.update({c: "light" for c in range(16, 19)})
SLOT_KIND.update({19: "heavy", 20: "heavy", 21: "battleship", 22: "carrier"})
SLOT_KIND.update({c: "mines" for c in range(23, 26)})
SLOT_KIND.update({50: "trooper", 51: "merchant", 52: "merchant", 53: "oiler", 54: "merchant"})

CONVOY_CODES = [50, 51, 52, 53, 54]

# Fleets: code -> (name, class, strength or None for the slot default).
# "main" is the fleet of single games and the last campaign stage; "stage1" and "stage2"
# list only the slots that differ from it (stage 2 also drops the carrier and adds the
# convoy).
FLEETS = {
    "E": {
        "main": {
            1: ("Sunderland", "Short S.25", None),
            2: ("Resource", "Resource", None),
            3: ("Upholder", "U class", None),
            4: ("Urge", "U class", None),
            5: ("Truant", "T class", None),
            6: ("Tigris", "T class", None),
            7: ("Sealion", "S class", None),
            8: ("Sturgeon", "S class", None),
            9: ("Gladiolus", "Flower", None),
            10: ("Marigold", "Flower", None),
            11: ("Cossack", "Tribal", None),
            12: ("Maori", "Tribal", None),
            13: ("Rother", "River", None),
            14: ("Spey", "River", None),
            15: ("Exe", "River", None),
            16: ("Sheffield", "Town", None),
            17: ("Edinburgh", "Town", None),
            18: ("Dido", "Dido", None),
            19: ("Norfolk", "County", None),
            20: ("Prince Of Wales", "KGV", None),
            21: ("King George V", "KGV", 8),
            22: ("Ark Royal", "Ark Royal", None),
            23: ("Minefield A", "Mines", None),
            24: ("Minefield B", "Mines", None),
            25: ("Minefield C", "Mines", None),
        },
        "stage1": {
            3: ("Triton", "T class", None),
            4: ("Thistle", "T class", None),
            5: ("Salmon", "S class", None),
            6: ("Shark", "S class", None),
            9: ("Arabis", "Flower", None),
            10: ("Picotee", "Flower", None),
            11: ("Hardy", "H class", None),
            12: ("Glowworm", "G class", None),
            13: ("Black Swan", "Black Swan", None),
            14: ("Flamingo", "Black Swan", None),
            15: ("Egret", "Egret", None),
            16: ("Glasgow", "Town", None),
            17: ("Southampton", "Town", None),
            18: ("Aurora", "Arethusa", None),
            19: ("Suffolk", "County", None),
            22: ("Glorious", "Courageous", None),
        },
        "stage2": {
            2: ("Hecla", "Hecla", None),
            9: ("Snowflake", "Flower", None),
            10: ("Sunflower", "Flower", None),
            11: ("Onslow", "O class", None),
            12: ("Oribi", "O class", None),
            13: ("Tay", "River", None),
            14: ("Jed", "River", None),
            15: ("Swale", "River", None),
            16: ("Belfast", "Town", None),
            17: ("Jamaica", "Colony", None),
            50: ("Strathallan", "Liner", None),
            51: ("Melbourne Star", "Cargo", None),
            52: ("Rochester Castle", "Cargo", None),
            53: ("Brown Ranger", "Ranger", None),
            54: ("Port Chalmers", "Cargo", None),
        },
    },
    "D": {
        "main": {
            1: ("Condor", "Fw 200 C", None),
            2: ("Altmark", "Dithmarsch", None),
            3: ("U-47", "Type VIIB", None),
            4: ("U-99", "Type VIIB", None),
            5: ("U-100", "Type VIIB", None),
            6: ("U-110", "Type IXB", None),
            7: ("U-552", "Type VIIC", None),
            8: ("U-556", "Type VIIC", None),
            9: ("F 1", "F 1 Klasse", None),
            10: ("F 2", "F 1 Klasse", None),
            11: ("Hans Lody", "Typ 1934A", None),
            12: ("Karl Galster", "Typ 1936", None),
            13: ("Moewe", "Typ 23", None),
            14: ("Greif", "Typ 23", None),
            15: ("Kondor", "Typ 23", None),
            16: ("Emden", "Emden", None),
            17: ("Koeln", "K-Klasse", None),
            18: ("Nuernberg", "Nuernberg", None),
            19: ("Admiral Hipper", "Hipper", None),
            20: ("Prinz Eugen", "Hipper", None),
            21: ("Bismarck", "Bismarck", None),
            22: ("Graf Zeppelin", "Graf Zepp.", None),
            23: ("Minenfeld A", "Minen", None),
            24: ("Minenfeld B", "Minen", None),
            25: ("Minenfeld C", "Minen", None),
        },
        "stage1": {
            2: ("Nordmark", "Dithmarsch", None),
            3: ("U-30", "Type VIIA", None),
            4: ("U-48", "Type VIIB", None),
            5: ("U-37", "Type IXA", None),
            6: ("U-38", "Type IXA", None),
            7: ("U-43", "Type IXA", None),
            8: ("U-46", "Type VIIB", None),
            9: ("F 5", "F 1 Klasse", None),
            10: ("F 7", "F 1 Klasse", None),
            11: ("Georg Thiele", "Typ 1934A", None),
            12: ("Wilhelm Heidkamp", "Typ 1936", None),
            13: ("Albatros", "Typ 23", None),
            14: ("Falke", "Typ 23", None),
            15: ("Jaguar", "Typ 24", None),
            16: ("Karlsruhe", "K-Klasse", None),
            17: ("Koenigsberg", "K-Klasse", None),
            18: ("Leipzig", "Leipzig", None),
            19: ("Bluecher", "Hipper", None),
            20: ("Admiral Scheer", "Deutschld.", None),
        },
        "stage2": {
            2: ("Ermland", "Dithmarsch", None),
            7: ("U-354", "Type VIIC", None),
            8: ("U-703", "Type VIIC", None),
            11: ("Z 24", "Typ 1936A", None),
            12: ("Z 28", "Typ 1936A", None),
            13: ("Iltis", "Typ 24", None),
            14: ("Leopard", "Typ 24", None),
            15: ("Seeadler", "Typ 23", None),
            19: ("Luetzow", "Deutschld.", None),
            50: ("Monte Rosa", "Monte", None),
            51: ("Barenfels", "Frachter", None),
            52: ("Rauenfels", "Frachter", None),
            53: ("Kattegat", "Tanker", None),
            54: ("Marie Leonhardt", "Frachter", None),
        },
    },
    "U": {
        "main": {
            1: ("Catalina", "PBY-5", None),
            2: ("Vestal", "Vestal", None),
            3: ("Wahoo", "Gato", None),
            4: ("Silversides", "Gato", None),
            5: ("Flasher", "Gato", None),
            6: ("Tautog", "Tambor", None),
            7: ("Gudgeon", "Tambor", None),
            8: ("Nautilus", "Narwhal", None),
            9: ("Temptress", "Temptress", None),
            10: ("Surprise", "Temptress", None),
            11: ("Johnston", "Fletcher", None),
            12: ("Laffey", "Benson", None),
            13: ("Tacoma", "Tacoma", None),
            14: ("Everett", "Tacoma", None),
            15: ("Pasco", "Tacoma", None),
            16: ("Helena", "St. Louis", None),
            17: ("Boise", "Brooklyn", None),
            18: ("Atlanta", "Atlanta", None),
            19: ("Pensacola", "Pensacola", None),
            20: ("Indianapolis", "Portland", None),
            21: ("Washington", "N.Carolina", None),
            22: ("Enterprise", "Yorktown", None),
            23: ("Minefield A", "Mines", None),
            24: ("Minefield B", "Mines", None),
            25: ("Minefield C", "Mines", None),
        },
        "stage1": {
            3: ("Gudgeon", "Tambor", None),
            4: ("Grayback", "Tambor", None),
            5: ("Trigger", "Gato", None),
            6: ("Growler", "Gato", None),
            7: ("Argonaut", "Argonaut", None),
            8: ("Narwhal", "Narwhal", None),
            11: ("Fletcher", "Fletcher", None),
            12: ("Nicholas", "Fletcher", None),
            13: ("Sausalito", "Tacoma", None),
            14: ("Hoquiam", "Tacoma", None),
            15: ("Albuquerque", "Tacoma", None),
            16: ("Honolulu", "Brooklyn", None),
            17: ("St. Louis", "St. Louis", None),
            18: ("Juneau", "Atlanta", None),
            19: ("Salt Lake City", "Pensacola", None),
            22: ("Yorktown", "Yorktown", None),
        },
        "stage2": {
            2: ("Rigel", "Rigel", None),
            9: ("Restless", "Temptress", None),
            10: ("Ready", "Temptress", None),
            11: ("O'Bannon", "Fletcher", None),
            12: ("Aaron Ward", "Gleaves", None),
            16: ("Cleveland", "Cleveland", None),
            17: ("Montpelier", "Cleveland", None),
            18: ("San Juan", "Atlanta", None),
            19: ("Louisville", "Northamptn", None),
            50: ("George F. Elliott", "Heywood", None),
            51: ("John W. Brown", "Liberty", None),
            52: ("Robert E. Peary", "Liberty", None),
            53: ("Platte", "Cimarron", None),
            54: ("Patrick Henry", "Liberty", None),
        },
    },
    "J": {
        "main": {
            1: ("Type 2 Flying Boat", "H8K2", None),
            2: ("Akashi", "Akashi", None),
            3: ("I-19", "Type B1", None),
            4: ("I-26", "Type B1", None),
            5: ("I-15", "Type B1", None),
            6: ("I-17", "Type B1", None),
            7: ("I-168", "Kaidai 6", None),
            8: ("I-176", "Kaidai 7", None),
            9: ("Chidori", "Chidori", None),
            10: ("Manazuru", "Chidori", None),
            11: ("Fubuki", "Fubuki", None),
            12: ("Yukikaze", "Kagero", None),
            13: ("Shimushu", "Shimushu", None),
            14: ("Kunashiri", "Shimushu", None),
            15: ("Hachijo", "Shimushu", None),
            16: ("Jintsu", "Sendai", None),
            17: ("Yubari", "Yubari", None),
            18: ("Tenryu", "Tenryu", None),
            19: ("Chokai", "Takao", None),
            20: ("Haguro", "Myoko", None),
            21: ("Yamato", "Yamato", None),
            22: ("Shokaku", "Shokaku", None),
            23: ("Minefield A", "Mines", None),
            24: ("Minefield B", "Mines", None),
            25: ("Minefield C", "Mines", None),
        },
        "stage1": {
            2: ("Mamiya", "Mamiya", None),
            3: ("I-6", "Type J2", None),
            4: ("I-7", "Type J3", None),
            5: ("I-21", "Type B1", None),
            6: ("I-25", "Type B1", None),
            9: ("Tomozuru", "Chidori", None),
            10: ("Hatsukari", "Chidori", None),
            11: ("Amagiri", "Fubuki", None),
            12: ("Shigure", "Shiratsuyu", None),
            16: ("Naka", "Sendai", None),
            17: ("Nagara", "Nagara", None),
            18: ("Kuma", "Kuma", None),
            19: ("Atago", "Takao", None),
            20: ("Nachi", "Myoko", None),
            22: ("Akagi", "Akagi", None),
        },
        "stage2": {
            2: ("Irako", "Irako", None),
            13: ("Etorofu", "Etorofu", None),
            14: ("Matsuwa", "Etorofu", None),
            15: ("Sado", "Etorofu", None),
            11: ("Kawakaze", "Shiratsuyu", None),
            12: ("Naganami", "Yugumo", None),
            16: ("Sendai", "Sendai", None),
            19: ("Kinugasa", "Aoba", None),
            20: ("Aoba", "Aoba", None),
            50: ("Arizona Maru", "Transport", None),
            51: ("Kinugasa Maru", "Cargo", None),
            52: ("Nagara Maru", "Cargo", None),
            53: ("Kyokuto Maru", "Tanker", None),
            54: ("Brisbane Maru", "Cargo", None),
        },
    },
}

STAGES = ["", "1", "2"]  # file suffix
STAGE_KEY = {"": None, "1": "stage1", "2": "stage2"}


def fleet(navy, stage):
    """The fleet of a navy in a stage: first-side code -> (name, class, strength)."""
    table = dict(FLEETS[navy]["main"])
    key = STAGE_KEY[stage]
    if key:
        table.update(FLEETS[navy][key])
    if stage == "2":
        del table[22]  # no carrier on a convoy escort
    else:
        for code in CONVOY_CODES:
            table.pop(code, None)
    out = {}
    for code, (name, kind, strength) in table.items():
        if strength is None:
            strength = STRENGTH[SLOT_KIND[code]]
        out[code] = (name, kind, strength)
    return out


def side_code(first_code, side):
    if side == "E":
        return first_code
    return first_code + (10 if first_code >= 50 else 24)


def unit_line(side, code, name, kind, strength, heading, column, row):
    assert len(name) <= 18 and len(kind) <= 10 and name.isascii() and kind.isascii(), name
    assert 1 <= strength <= 9 and 1 <= heading <= 8
    # Ships are rated by default; the computer never seeks out a minefield or the aircraft.
    priority = "0" if SLOT_KIND[code] in ("plane", "mines") else "5"
    cell = "%02d%02d" % (column, row)
    line = (side + " " + str(strength) + " 0" + " " * 4 + str(heading) + " " + priority
            + "  0  0 " + name.ljust(18) + "0 " + kind.ljust(10) + cell + " " + cell
            + " " * 10 + "%02d" % side_code(code, side))
    assert len(line) == 70, line
    return line


def side_lines(side, navy, stage, rng):
    units = fleet(navy, stage)
    if side == "D":
        units.pop(1)  # the radar aircraft flies for the first side only
    # The first side starts in the west half (columns 0-4), the second in the east half.
    columns = range(0, 5) if side == "E" else range(5, 10)
    cells = [(c, r) for c in columns for r in range(10)]
    if side == "E":
        cells.remove((4, 4))
    rng.shuffle(cells)
    lines = []
    for code in sorted(units):
        name, kind, strength = units[code]
        if side == "E" and code == 1:
            column, row = 4, 4
        else:
            column, row = cells.pop()
        lines.append(unit_line(side, code, name, kind, strength, rng.randint(1, 8), column, row))
    return lines


def header(navy, stage):
    what = {"": "main fleet", "1": "campaign stage 1", "2": "convoy escort"}[stage]
    return ("1 Korvald fleet, %s: %s (E) against %s (D); col 12 = default attack priority"
            % (what, NAVY_TITLE[navy], NAVY_TITLE[OPPONENT[navy]]))


def main():
    os.makedirs(OUT_DIR, exist_ok=True)
    for navy in "EDUJ":
        for stage in STAGES:
            file_name = "%sships%s.cfg" % (navy, stage)
            rng = random.Random(file_name)
            lines = [header(navy, stage)]
            lines += side_lines("E", navy, stage, rng)
            lines += side_lines("D", OPPONENT[navy], stage, rng)
            with open(os.path.join(OUT_DIR, file_name), "wb") as f:
                f.write("".join(line + "\r\n" for line in lines).encode("ascii"))
            print("wrote", os.path.relpath(os.path.join(OUT_DIR, file_name), ROOT))


if __name__ == "__main__":
    main()
