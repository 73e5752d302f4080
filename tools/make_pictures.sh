#!/usr/bin/env bash
# Draws the game's pictures: flags, navy badges, ship illustrations, the title and intro art,
# the menu pictures, the panels under the board and the window icon.
#
#   tools/make_pictures.sh            every picture
#   tools/make_pictures.sh BISMARCK   only the pictures named (ICON for the window icon)
#
# Writes assets/pictures/NAME.jpg and assets/icons/korvald.png. Needs python3 and imagemagick
# (/usr/bin/convert). Everything is drawn from code with fixed random seeds, so running it again
# gives the same pictures. The game's build never runs this. KEEP_TMP=1 keeps the work folder
# with every layer, for looking into a picture that came out wrong.
#
# The drawing itself lives in the python package tools/assetgen (assetgen.pictures runs it).
set -euo pipefail
tools="$(cd "$(dirname "$0")" && pwd)"
export PYTHONPATH="$tools${PYTHONPATH:+:$PYTHONPATH}"
exec python3 -m assetgen.pictures "$@"
