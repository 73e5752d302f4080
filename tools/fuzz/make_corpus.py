#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets from the game's own files: the shipped maps,
fleets, settings and language files, small JPEG pictures, recorded network sessions, and game
records written by the self-play simulator.

    python3 tools/fuzz/make_corpus.py [KORVALD-SELFPLAY]

The corpus is committed (tools/fuzz/corpus/TARGET/); run this again when the shipped files
change. The JPEG seeds need ImageMagick (/usr/bin/convert); the records a built simulator
(build/test/korvald/korvald-selfplay unless named).
"""
import os
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
DATA = os.path.join(ROOT, "data")
CORPUS = os.path.join(HERE, "corpus")


def fresh(target):
    path = os.path.join(CORPUS, target)
    shutil.rmtree(path, ignore_errors=True)
    os.makedirs(path)
    return path


def copy_all(target, folder, ending, rename=lambda n: n):
    out = fresh(target)
    for name in sorted(os.listdir(folder)):
        if name.lower().endswith(ending):
            shutil.copy(os.path.join(folder, name), os.path.join(out, rename(name)))
    return out


def lines(*items):
    return "".join(item + "\r\n" for item in items).encode("latin-1")


def session(target, name, mode, cuts, messages):
    # First byte: 0 the joining program, 1 the host; second: how the reads are cut.
    with open(os.path.join(CORPUS, target, name), "wb") as out:
        out.write(bytes([mode, cuts]) + lines(*messages))


def main():
    copy_all("map_lines_fuzz", os.path.join(DATA, "maps"), ".map", lambda n: n.replace("$", "builtin_"))
    copy_all("fleet_lines_fuzz", os.path.join(DATA, "config"), ".cfg")
    os.remove(os.path.join(CORPUS, "fleet_lines_fuzz", "last.cfg"))
    settings = fresh("settings_fuzz")
    shutil.copy(os.path.join(DATA, "config", "last.cfg"), settings)
    with open(os.path.join(settings, "short.cfg"), "wb") as out:
        out.write(lines("Korvald settings", "D", "D", "$MALTA"))
    copy_all("language_fuzz", os.path.join(DATA, "config"), ".mes")

    jpeg = fresh("jpeg_fuzz")
    for size, quality, extra in (("8x8", "90", []), ("17x9", "50", []), ("16x16", "75", ["-interlace", "JPEG"]),
                                 ("32x24", "30", ["-colorspace", "Gray"])):
        subprocess.run(["/usr/bin/convert", "-size", size, "plasma:fractal", "-quality", quality, *extra,
                        os.path.join(jpeg, f"plasma_{size}.jpg")], check=True)

    fresh("network_fuzz")
    with open(os.path.join(DATA, "config", "Uships.cfg"), encoding="latin-1") as f:
        table = [line.rstrip("\r\n") for line in f if len(line.rstrip("\r\n")) > 50]
    greeting = ["[Game]=Narvik", "[Navy]=U", "[Name]=Alice", "[Mapz]=$GUAM", "[Home]=L", "[Fire]=Y",
                "[Show]=Y", "[Flag]=Y", "[Stage]=2L"]
    session("network_fuzz", "joining_game", 0, 0x5A,
            greeting + table + ["[Stage]=3", "StartGame", "[Move]=1204030303", "[Hash]=00000000", "EnemyGo",
                                "[Repair]=0221", "[Move]=1305040404", "EnemyGo", "[Stage]=2"] + table + ["[Stage]=3"])
    session("network_fuzz", "joining_handshake", 0, 0xFF, greeting + ["[Stage]=3", "E 1 broken", "StartGame"])
    session("network_fuzz", "host_game", 1, 0x21,
            ["[Name]=Eve", "[Stage]=2", "#start", "[Move]=2706060707", "[Hash]=12345678", "PlayerGo",
             "[Repair]=2645", "[Move]=3309080909", "PlayerGo", "PlayerGo!"])
    session("network_fuzz", "host_handshake", 1, 0x03, ["[Name]=Mallory", "[Stage]", "[Stage]=3", "[Stage]=2xx"])
    copy_all("network_framing_fuzz", os.path.join(CORPUS, "network_fuzz"), "")

    # Game records: a single game, a convoy stage and a game of another navy, each cut to its
    # first moves (the seeds stay small; the fuzzer makes the rest).
    selfplay = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build", "test", "korvald", "korvald-selfplay")
    records = fresh("game_record_fuzz")
    for name, args in (("single", ["--seed", "7"]), ("convoy", ["--seed", "3", "--mode", "2"]),
                       ("pacific", ["--seed", "5", "--navy", "U", "--damage", "Y", "--planes", "2"])):
        with tempfile.TemporaryDirectory() as folder:
            subprocess.run([selfplay, "--games", "1", "--record", folder, *args], check=True, stdout=subprocess.DEVNULL)
            with open(os.path.join(folder, "game-00001.kvr"), "rb") as f:
                kept, moves = [], 0
                for line in f.read().split(b"\r\n"):
                    moves += line.startswith((b"[Move]=", b"[Repair]=", b"[Pass]"))
                    if moves > 8:
                        break
                    kept.append(line)
            with open(os.path.join(records, name + ".kvr"), "wb") as out:
                out.write(b"\r\n".join(line for line in kept if line) + b"\r\n")
    print("corpus written to", CORPUS)


if __name__ == "__main__":
    main()
