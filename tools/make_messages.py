#!/usr/bin/env python3
"""Writes the two language files data/config/english.mes and data/config/deutsch.mes.

Line n of a language file holds text number n after a three-character prefix (here the
number itself, "035"); the text is the rest of the line, blanks included. Line 0 is a title
and no text. Files are UTF-8 with CR LF line ends.

Many texts are joined with names, kinds, numbers or the date and time before they are shown.
The role of every number below says how: "+" joins without anything in between, so a text
that comes before a name ends with a blank and a text that comes after a name starts with
one. Captions, list entries and the texts of message boxes carry no outer blanks (a message
box adds its own). "<time>" is the current date and time as the system writes it.

Run from anywhere: python3 tools/make_messages.py
"""

import os

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT_DIR = os.path.join(ROOT, "data", "config")

TITLES = {
    "english.mes": "Korvald English texts",
    "deutsch.mes": "Korvald deutsche Texte",
}

# (number, role, English, German)
MESSAGES = [
    (1, "main menu entry: options", "Options", "Optionen"),
    (2, "main menu entry: quit the program", "Quit", "Beenden"),
    (3, "main menu entry: help page", "Help", "Hilfe"),
    (4, "options label: show identified enemy units with their own pictures",
     "Reveal", "Aufdecken"),
    (5, "options label: the carrier takes the flag over when the battleship sinks",
     "Transfer the Flag", "Flaggenwechsel"),
    (6, "options: submit line that saves and leaves",
     "Submit Settings and Return to Main Menu", "Übernehmen und zurück zum Hauptmenü"),
    (7, "not shown by the game", "Settings", "Einstellungen"),
    (8, "main menu entry: map editor", "Map Maker", "Karteneditor"),
    (9, "options label: language", "Language", "Sprache"),
    (10, "options label: home navy", "Home Navy", "Heimatflotte"),
    (11, "main menu entry: start a single game", "Start Game", "Spiel starten"),
    (12, "main menu entry and multi-player window title", "Multi-Player", "Mehrspieler"),
    (13, "options window title", "Options Menu", "Optionen"),
    (14, "cancel command: multi-player window, campaign window; abandons the campaign in the"
         " end-of-game window", "Cancel", "Abbrechen"),
    (15, "list entry yes (reveal, additional damage, flag transfer)", "Yes", "Ja"),
    (16, "list entry no (reveal, additional damage, flag transfer)", "No", "Nein"),
    (17, "not shown by the game", "Back", "Zurück"),
    (18, "campaign window heading", "Campaign - Best of Three", "Feldzug - drei Schlachten"),
    (19, "campaign region", "North Atlantic", "Nordatlantik"),
    (20, "campaign region", "North Sea", "Nordsee"),
    (21, "campaign region", "English Channel", "Ärmelkanal"),
    (22, "quit corner of the board: confirmation box (Yes/No)",
     "Abandon this battle and return to the main menu?",
     "Diese Schlacht abbrechen und zum Hauptmenü zurückkehren?"),
    (23, "fight report, our submarine damages a heavy enemy ship: 23 + <time>",
     "Torpedo hit! Our submarine has damaged an enemy ship at ",
     "Torpedotreffer unseres U-Boots auf ein feindliches Schiff am "),
    (24, "not shown by the game", "Enemy in sight", "Feind in Sicht"),
    (25, "not shown by the game", "Your move", "Ihr Zug"),
    (26, "not shown by the game", "Enemy move", "Zug des Gegners"),
    (27, "not shown by the game", "Radar contact", "Radarkontakt"),
    (28, "not shown by the game", "Repair", "Reparatur"),
    (29, "not shown by the game", "Convoy", "Geleitzug"),
    (30, "not shown by the game", "Minefield", "Minenfeld"),
    (31, "not shown by the game", "Flagship", "Flaggschiff"),
    (32, "fight report, both units lost: <enemy name> + 32 + <our name> + 39 + <time>",
     " and ", " und "),
    (33, "start-up: error box when the screen is too narrow or too wide",
     "This game needs a screen 800 to 1280 pixels wide!",
     "Dieses Spiel braucht einen Bildschirm von 800 bis 1280 Pixeln Breite!"),
    (34, "repair report: 34 + <time>",
     "The supply ship has repaired a damaged ship at ",
     "Reparatur durch das Versorgungsschiff abgeschlossen am "),
    (35, "fight report, enemy unit sunk: 35 + <enemy name> + 36 + <enemy kind> + 37 + <time>;"
         " with 38 in place of 37 when our minefield sank it",
     "Enemy ship ", "Feindschiff "),
    (36, "fight report: joins a name and its kind (35 ... 37, 148 ... 38)", " (", " ("),
    (37, "fight report, unit sunk: ... + <kind> + 37 + <time>; also after"
         " <our name> + \" (\" + <our kind> when we lose the unit",
     ") sunk at ", ") versenkt am "),
    (38, "fight report, unit sunk by a mine: ... + <kind> + 38 + <time> (after 35 or 148)",
     ") sunk by a mine at ", ") durch Mine versenkt am "),
    (39, "fight report, both units lost: <enemy name> + 32 + <our name> + 39 + <time>",
     " sank each other at ", " versenkten sich gegenseitig am "),
    (40, "fight report, a minefield goes off: 40 + <our minefield> + 41 + <time>, or"
         " 40 + <enemy minefield> + '\". ' + <our name> + 44 + <time>",
     "Mine explosion in \"", "Minenexplosion in \""),
    (41, "fight report, our minefield damages an enemy ship: 40 + <minefield> + 41 + <time>",
     "\" - an enemy ship was damaged at ", "\" - feindliches Schiff beschädigt am "),
    (42, "fight report, an enemy submarine damages our ship: 42 + <our name> + 43 + <time>",
     "Torpedo hit! ", "Torpedotreffer! "),
    (43, "fight report, an enemy submarine damages our ship: 42 + <our name> + 43 + <time>",
     " was damaged by an enemy submarine at ", " von feindlichem U-Boot beschädigt am "),
    (44, "fight report, an enemy minefield damages our ship:"
         " 40 + <minefield> + '\". ' + <our name> + 44 + <time>",
     " was damaged at ", " wurde beschädigt am "),
    (45, "fight report, the battleships hit each other:"
         " 45 + <our name> + \" / \" + <enemy name> + 46 + <time>",
     "Battleship duel: ", "Schlachtschiffduell: "),
    (46, "fight report, the battleships hit each other (see 45)",
     " - both hit at ", " - beide getroffen am "),
    (47, "unit panel status: undamaged", "Undamaged", "Unbeschädigt"),
    (48, "unit panel status: damaged", "Damaged", "Beschädigt"),
    (49, "unit panel status: badly damaged", "Badly damaged", "Schwer beschädigt"),
    (50, "unit panel status of battleship and carrier after their repairs are used up",
     "No more repairs", "Keine Reparatur mehr"),
    (51, "unit panel: 51 + <strength digit>", "Strength: ", "Kampfkraft: "),
    (52, "end-of-game command: back to the main menu", "Return to Main Menu",
     "Zurück zum Hauptmenü"),
    (53, "end-of-game winner: Royal Navy", "The Royal Navy is victorious!",
     "Die Royal Navy hat gesiegt!"),
    (54, "end-of-game ship photograph: Royal Navy", "HMS King George V", "HMS King George V"),
    (55, "end-of-game winner: Kriegsmarine", "The Kriegsmarine is victorious!",
     "Die Kriegsmarine hat gesiegt!"),
    (56, "end-of-game ship photograph: Kriegsmarine", "Battleship Bismarck",
     "Schlachtschiff Bismarck"),
    (57, "end-of-game winner line when both flagships are lost", "Nobody wins!",
     "Kein Sieger!"),
    (58, "not shown by the game", "Draw", "Unentschieden"),
    (59, "end-of-game label: the enemy's ships", "Enemy ships:", "Feindliche Schiffe:"),
    (60, "end-of-game label: our ships", "Own ships:", "Eigene Schiffe:"),
    (61, "end-of-game label: the enemy's losses", "Enemy losses:", "Feindliche Verluste:"),
    (62, "end-of-game label: our losses", "Own losses:", "Eigene Verluste:"),
    (63, "list entry on (sound)", "On", "An"),
    (64, "list entry off (sound)", "Off", "Aus"),
    (65, "flag transfer report, our carrier becomes the flagship: 65 + <time>",
     "Flagship lost! Our carrier takes over the flag at ",
     "Flaggschiff verloren! Flaggenwechsel auf unseren Träger am "),
    (66, "flag transfer report, the enemy carrier becomes its flagship: 66 + <time>",
     "Enemy flagship sunk! Their carrier takes over the flag at ",
     "Feindliches Flaggschiff versenkt! Flaggenwechsel auf seinen Träger am "),
    (67, "not shown by the game", "Flag transferred", "Flagge übergeben"),
    (68, "end-of-game winner: US Navy", "The US Navy is victorious!",
     "Die US Navy hat gesiegt!"),
    (69, "end-of-game ship photograph: US Navy", "USS Washington", "USS Washington"),
    (70, "end-of-game winner: Japanese navy", "The Imperial Japanese Navy is victorious!",
     "Die Kaiserlich Japanische Marine hat gesiegt!"),
    (71, "end-of-game ship photograph: Japanese navy", "Battleship Yamato",
     "Schlachtschiff Yamato"),
    (72, "main menu entry: campaign", "Campaign", "Feldzug"),
    (73, "main menu entry: about window", "About", "Über"),
    (74, "map editor: title of the home step", "1. HOME", "1. HEIMAT"),
    (75, "map editor: title of the ships step", "3. SHIPS", "3. SCHIFFE"),
    (76, "map editor: Clear All confirmation box (Yes/No)",
     "Clear the whole map and start again?",
     "Die ganze Karte löschen und neu beginnen?"),
    (77, "options label: map", "Select Map", "Karte wählen"),
    (78, "options label: number of reconnaissance planes", "Reconn. Planes", "Aufklärer"),
    (79, "options: warning box (Yes/No) when the navy does not suit the map's region",
     "This navy does not sail in the region of the chosen map. Save anyway?",
     "Diese Marine fährt nicht im Seegebiet der gewählten Karte. Trotzdem speichern?"),
    (80, "map editor: information box after the map was stored", "The map has been stored.",
     "Die Karte wurde gespeichert."),
    (81, "map editor: error box for a reserved map name",
     "This name belongs to a built-in map. Please choose another name.",
     "Dieser Name gehört zu einer eingebauten Karte. Bitte einen anderen wählen."),
    (82, "report when the computer's fleet can no longer act (we win): 82 + <time>",
     "The enemy fleet can fight no more - victory at ",
     "Die feindliche Flotte ist kampfunfähig - Sieg am "),
    (83, "campaign region", "North Africa", "Nordafrika"),
    (84, "campaign region", "Solomon Islands", "Salomonen"),
    (85, "campaign region", "Philippines", "Philippinen"),
    (86, "campaign region", "Pacific Islands", "Pazifikinseln"),
    (87, "campaign region", "Japanese Islands", "Japanische Inseln"),
    (88, "end-of-game heading after campaign stage 1", "Campaign: first battle fought",
     "Feldzug: erste Schlacht geschlagen"),
    (89, "end-of-game heading after campaign stage 2, the convoy",
     "Campaign: convoy battle fought", "Feldzug: Geleitzugschlacht geschlagen"),
    (90, "end-of-game heading after the last campaign stage, with the totals",
     "Campaign over - final result", "Feldzug beendet - Endergebnis"),
    (91, "campaign: score heading", "Campaign Score", "Feldzugsstand"),
    (92, "end-of-game: caption of the picture when both flagships are lost",
     "Both flagships lost", "Beide Flaggschiffe verloren"),
    (93, "end-of-game command: go on to the next campaign stage", "Next Battle",
     "Nächste Schlacht"),
    (94, "multi-player: join a game", "Join", "Beitreten"),
    (95, "multi-player: host a game", "Host", "Gastgeber"),
    (96, "multi-player label: the host's address", "Server IP Address:",
     "IP-Adresse des Servers:"),
    (97, "label: the joining player's navy (host panel); the second side's wins in a campaign",
     "Enemy Navy:", "Feindliche Marine:"),
    (98, "label: the host's navy (join panel); the first side's wins in a campaign",
     "Allied Navy:", "Alliierte Marine:"),
    (99, "multi-player host command: open the game and wait for the other player",
     "Open Game", "Spiel eröffnen"),
    (100, "multi-player host: error box when the game name or the player name is empty",
     "Please enter a game name and your name!",
     "Bitte einen Spielnamen und Ihren Namen eingeben!"),
    (101, "multi-player join command: connect to the host", "Connect", "Verbinden"),
    (102, "multi-player join: error box when the address or the player name is empty",
     "Please enter the server address and your name!",
     "Bitte die Serveradresse und Ihren Namen eingeben!"),
    (103, "multi-player host: warning box when the home navy is changed to the Royal Navy",
     "A hosted game is led by the Allies - you now command the Royal Navy.",
     "Der Gastgeber führt die Alliierten - Sie befehligen jetzt die Royal Navy."),
    (104, "not shown by the game", "Please wait...", "Bitte warten..."),
    (105, "multi-player host status: listening", "Waiting for an opponent...",
     "Warte auf einen Gegner..."),
    (106, "multi-player host status: the other player has connected", "Opponent connected",
     "Gegner verbunden"),
    (107, "multi-player join status: connected to the host", "Connected to the host",
     "Mit dem Gastgeber verbunden"),
    (108, "multi-player status: the connection was closed", "Connection lost",
     "Verbindung getrennt"),
    (109, "multi-player host status: the other player is ready", "Opponent ready",
     "Gegner bereit"),
    (110, "multi-player host command once the other player is ready", "Start Game",
     "Spiel starten"),
    (111, "options label: supporting fire before fights", "Additional Damage",
     "Zusatzschaden"),
    (112, "language list entry: English", "English", "English"),
    (113, "language list entry: German", "Deutsch", "Deutsch"),
    (114, "not shown by the game", "Player", "Spieler"),
    (115, "not shown by the game", "Port:", "Port:"),
    (116, "multi-player label: the hosting player's name", "Allied Commander:",
     "Alliierter Kommandant:"),
    (117, "multi-player label: the joining player's name", "Axis Commander:",
     "Kommandant der Achse:"),
    (118, "multi-player label: the game's name", "Game Name:", "Spielname:"),
    (119, "multi-player host status: the game starts", "Game starting...",
     "Das Spiel beginnt..."),
    # After a won fight with supporting fire the winner loses a point of strength; one of
    # these twenty is drawn at random and shown as <winner's name> + " - " + text.
    (120, "extra damage remark", "hit by fire from the enemy escorts",
     "von feindlichen Geleitschiffen getroffen"),
    (121, "extra damage remark", "splinters sweep the bridge",
     "Splitter fegen über die Brücke"),
    (122, "extra damage remark", "a shell bursts on the forecastle",
     "Granateinschlag auf der Back"),
    (123, "extra damage remark", "fire on the boat deck, now under control",
     "Brand auf dem Bootsdeck, unter Kontrolle"),
    (124, "extra damage remark", "damage control parties at work", "die Leckwehr ist im Einsatz"),
    (125, "extra damage remark", "a near miss springs plates below the waterline",
     "ein Nahtreffer reißt Nähte unter der Wasserlinie"),
    (126, "extra damage remark", "one turret out of action for a while",
     "ein Geschützturm vorübergehend ausgefallen"),
    (127, "extra damage remark", "the wireless mast is shot away",
     "der Funkmast ist weggeschossen"),
    (128, "extra damage remark", "taking water forward, the pumps are holding",
     "Wassereinbruch im Vorschiff, die Pumpen halten"),
    (129, "extra damage remark", "caught in a crossfire from two sides",
     "im Kreuzfeuer von zwei Seiten"),
    (130, "extra damage remark", "speed down to twenty knots",
     "Fahrt auf zwanzig Knoten gefallen"),
    (131, "extra damage remark", "the rangefinder is knocked out",
     "der Entfernungsmesser ist ausgefallen"),
    (132, "extra damage remark", "casualties among the gun crews",
     "Verluste bei den Geschützbedienungen"),
    (133, "extra damage remark", "black smoke pours from the funnel",
     "schwarzer Rauch quillt aus dem Schornstein"),
    (134, "extra damage remark", "steering gear hit, steering by hand",
     "Rudermaschine getroffen, Handsteuerung"),
    (135, "extra damage remark", "the searchlight platform is wrecked",
     "die Scheinwerferplattform ist zerstört"),
    (136, "extra damage remark", "a lucky hit from an enemy destroyer",
     "ein Glückstreffer eines feindlichen Zerstörers"),
    (137, "extra damage remark", "light damage, still in the fight",
     "leichte Schäden, bleibt im Gefecht"),
    (138, "extra damage remark", "the captain reports a hit amidships",
     "der Kommandant meldet einen Treffer mittschiffs"),
    (139, "extra damage remark", "victory bought with a few hits",
     "der Sieg kostet einige Treffer"),
    (140, "end-of-game heading after a single game", "The battle is over",
     "Die Schlacht ist vorbei"),
    (141, "network game, host: information box before the table is sent again (F12)",
     "The battle table will now be sent to your opponent again.",
     "Die Lagetabelle wird jetzt erneut an den Gegner gesendet."),
    (142, "network game, host: information box after the table was sent again",
     "The battle table has been sent.", "Die Lagetabelle wurde gesendet."),
    (143, "end-of-game, network game: 143 + <winning player's name>",
     "Victorious commander: ", "Siegreicher Kommandant: "),
    (144, "not shown by the game", "Turn", "Runde"),
    (145, "convoy stage report when the last convoy ship is sunk: 145 + <time>",
     "The last convoy ship has been sunk - convoy lost at ",
     "Das letzte Schiff des Geleitzugs ist gesunken - verloren am "),
    (146, "convoy stage report when the convoy is boxed in: 146 + <time>",
     "The convoy is boxed in and can go no further - convoy lost at ",
     "Der Geleitzug ist eingeschlossen und kommt nicht weiter - verloren am "),
    (147, "flag transfer report when both battleships sank in one fight: 147 + <time>",
     "Both battleships sunk! The flag passes to the carrier at ",
     "Beide Schlachtschiffe gesunken! Flaggenwechsel auf den Träger am "),
    (148, "fight report, our ship runs into an enemy minefield:"
          " 148 + <our name> + 36 + <our kind> + 38 + <time>",
     "Minefield! ", "Minenfeld! "),
    (149, "network game, report line when the peer is gone: 149 + <time>",
     "Connection to the other commander lost - leave by the corner bottom right. ",
     "Verbindung zum anderen Kommandanten verloren - Ausgang über die Ecke unten rechts. "),
    (150, "network game, report line when the two tables differ after a turn: 150 + <time>",
     "The two games have drifted apart - the table is sent again. ",
     "Die Spiele sind auseinandergelaufen - die Lagetabelle wird neu gesendet. "),
    (151, "network game, status line for a message that is ignored: 151 + <message> + <time>",
     "Not understood and ignored: ", "Unverständlich und übergangen: "),
    (152, "network game, status line when a line without end grows too long: 152 + <time>",
     "A line far too long came in - the connection is closed. ",
     "Eine viel zu lange Zeile kam an - die Verbindung wird getrennt. "),
    (153, "question box at Start Game or Campaign when a battle was left unfinished",
     "A battle was left unfinished when the game last ended. Resume it?",
     "Beim letzten Mal blieb eine Schlacht unbeendet. Soll sie fortgesetzt werden?"),
    (154, "error box when the saved battle cannot be read: 154 + <reason>",
     "The unfinished battle cannot be resumed and is discarded: ",
     "Die unbeendete Schlacht kann nicht fortgesetzt werden und wird verworfen: "),
    (155, "replay button: one move back", "Back", "Zurück"),
    (156, "replay button: the moves play one after another", "Play", "Abspielen"),
    (157, "replay button: the moves stop", "Pause", "Anhalten"),
    (158, "replay button: one move forward", "Forward", "Weiter"),
    (159, "replay switch: the board as the first side saw it", "First side's view",
     "Sicht der ersten Seite"),
    (160, "replay label: 160 + <number of the move shown> + 161 + <number of moves>", "Move ",
     "Zug "),
    (161, "replay label, see 160", " of ", " von "),
    (162, "end-of-game command: the battle just ended shown again from its start",
     "Watch the replay", "Wiederholung ansehen"),
    (163, "error box when a replay cannot be shown: 163 + <reason>",
     "The replay cannot be shown: ", "Die Wiederholung kann nicht gezeigt werden: "),
]

LAST = 163


def lines_for(column):
    texts = {}
    for entry in MESSAGES:
        number = entry[0]
        if number in texts:
            raise SystemExit(f"text {number} appears twice")
        texts[number] = entry[column]
    missing = [n for n in range(1, LAST + 1) if n not in texts]
    if missing:
        raise SystemExit(f"texts missing: {missing}")
    for number, text in texts.items():
        if "\r" in text or "\n" in text:
            raise SystemExit(f"text {number} holds a line break")
    return [f"{n:03d}{texts[n]}" for n in range(1, LAST + 1)]


def write(name, column):
    lines = [f"000{TITLES[name]}"] + lines_for(column)
    path = os.path.join(OUT_DIR, name)
    with open(path, "w", encoding="utf-8", newline="") as out:
        out.write("".join(line + "\r\n" for line in lines))
    print(f"wrote {path} ({len(lines)} lines)")


def main():
    write("english.mes", 2)
    write("deutsch.mes", 3)


if __name__ == "__main__":
    main()
