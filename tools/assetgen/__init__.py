"""Korvald's asset generators, one concept a module.

The sprites (tools/make_sprites.py): raster, ship_parts, ship_sprites, marker_sprites,
editor_buttons. Standard library only.

The pictures (tools/make_pictures.sh, which runs assetgen.pictures): colour, magick, mvg,
seascape, ship_profiles, ship_layers, battle_effects, ship_pictures (with elevation,
battleship_plates and plate_scenery for the four end-of-game ships), flags, emblems, window_art,
console_panel. These also need /usr/bin/convert.
"""
