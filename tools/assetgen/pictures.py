"""Draws the game's pictures; run through tools/make_pictures.sh [NAMES...].

With no names every picture is drawn, otherwise only those named (ICON for the window icon).
KEEP_TMP=1 keeps the work folder with every layer.
"""
import os
import shutil
import sys

from .console_panel import make_panels
from .emblems import make_geremblem, make_japemblem, make_rnemblem, make_usemblem
from .flags import make_bothlostflag, make_engflag, make_gerflag, make_japflag, make_usflag
from .magick import PICTURES, work_folder
from .ship_pictures import (
    make_bismarck, make_bothlostimage, make_kinggeorgev, make_washington, make_yamoto)
from .window_art import make_icon, make_intropicture, make_introsign, make_menupicture, make_title2

JOBS = [
    ('ENGFLAG', make_engflag), ('GERFLAG', make_gerflag), ('USFLAG', make_usflag),
    ('JAPFLAG', make_japflag), ('BOTHLOSTFLAG', make_bothlostflag),
    ('RNEMBLEM', make_rnemblem), ('GEREMBLEM', make_geremblem), ('USEMBLEM', make_usemblem),
    ('JAPEMBLEM', make_japemblem),
    ('KINGGEORGEV', make_kinggeorgev), ('BISMARCK', make_bismarck), ('WASHINGTON', make_washington),
    ('YAMOTO', make_yamoto), ('BOTHLOSTIMAGE', make_bothlostimage),
    ('TITLE2', make_title2), ('INTROSIGN', make_introsign), ('INTROPICTURE', make_intropicture),
    ('MENUPICTURE', make_menupicture), ('ICON', make_icon),
]

# The three panels come from one steel plate, drawn once for all of them.
PANELS = {'MENUIMAGE', 'DARKIMAGE', 'MENURADARIMAGE'}


def main(names):
    only = {n.upper() for n in names}
    unknown = only - {name for name, _ in JOBS} - PANELS
    if unknown:
        sys.exit('unknown picture: ' + ', '.join(sorted(unknown)))

    work = work_folder()
    try:
        os.makedirs(PICTURES, exist_ok=True)
        for name, job in JOBS:
            if not only or name in only:
                job()
        if not only or only & PANELS:
            make_panels(only)
    finally:
        if not os.environ.get('KEEP_TMP'):
            shutil.rmtree(work, ignore_errors=True)
        else:
            print('kept', work)


if __name__ == '__main__':
    main(sys.argv[1:])
