#!/usr/bin/env python3
"""Draws every built-in sprite of the game into assets/sprites/NAME.bmp.

    python3 tools/make_sprites.py [--out DIR] [--only NAME ...]

Standard library only: a small rasteriser (polygons, rectangles, ellipses, thick lines, pixel
shaders) and a BMP writer, with the drawings, in the package tools/assetgen. The outputs are
committed, so building needs none of this.

Conventions the game relies on:
  * Unit pictures are 291 x 118 and stretched into a board cell (about 100 x 60), so they are
    squeezed about 1.5 times more across than down: round things are drawn wide.
  * Transparent sprites leave out every pixel of the colour of the bottom-left pixel. Their
    background is pure magenta, which appears nowhere else, and shapes are drawn with hard edges
    so no pixel is a blend of the key and the picture.
  * Ships are side views, every one floating on the same waterline a little below the middle
    and slid sideways to the middle, so that it sits centred in its cell. A class is told first
    by its hull length, the same in both sets. The first set faces right; the second set (the
    "D" pictures, the enemy's) faces left and is drawn in the enemy's tone, a red hull under
    warm grey, so the two fleets face each other and read apart at a glance.
  * The enemy's flag is stamped over the top-left 70 x 40 of every enemy picture: DFLAG on the
    second set, and the opposing navy's flag on the first set's pictures, which the game turns
    to face left when it borrows them for the opponent. So the second set keeps its top-left
    corner clear, and the first set its top-right one.
  * Markers stretched over a whole cell (the unidentified contact) are stored at least as large
    as a cell, so the board only ever shrinks them.
"""
import argparse
import os
import sys

TOOLS = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(TOOLS)
sys.path.insert(0, TOOLS)

from assetgen.editor_buttons import editor_sprites  # noqa: E402
from assetgen.marker_sprites import (  # noqa: E402  (the package sits beside this script)
    enemy_flag, green_box, hammer_box, hammer_icon, iron_cross_flag, patrol_plane, radar_beam,
    radar_screen, rising_sun, stars_and_stripes, white_ensign)
from assetgen.raster import check_keyed, write_bmp24, write_bmp8  # noqa: E402
from assetgen.ship_sprites import ship_sprites  # noqa: E402


def all_sprites():
    """NAME -> (bits per pixel, rows, whether the game draws it keyed)."""
    sprites = {name: (8, rows, True) for name, rows in ship_sprites().items()}
    sprites["GREENBOX"] = (24, green_box(), True)
    sprites["HAMMERBOX"] = (24, hammer_box(), True)
    sprites["ENEMYFLAG"] = (8, enemy_flag(), True)
    sprites["EFLAG"] = (24, white_ensign(), False)
    sprites["JFLAG"] = (24, rising_sun(), False)
    sprites["UFLAG"] = (24, stars_and_stripes(), False)
    sprites["DFLAG"] = (24, iron_cross_flag(), False)
    sprites["HAMMER"] = (24, hammer_icon(), False)
    sprites["JSTARS"] = (24, patrol_plane(), True)
    sprites["RADAR"] = (24, radar_beam(), False)
    sprites["RADARSCREEN"] = (24, radar_screen(), False)
    for name, rows in editor_sprites().items():
        # The Home Position faces sit opaque on a button; the land marker goes over the sea.
        sprites[name] = (24, rows, name == "LANDMARK")
    return sprites


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(ROOT, "assets", "sprites"))
    parser.add_argument("--only", nargs="*", help="sprite names to write (default: all)")
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    for name, (bits, rows, transparent) in sorted(all_sprites().items()):
        if args.only and name not in args.only:
            continue
        if transparent:
            check_keyed(name, rows)
        path = os.path.join(args.out, name + ".bmp")
        (write_bmp8 if bits == 8 else write_bmp24)(path, rows)
    return 0


if __name__ == "__main__":
    sys.exit(main())
