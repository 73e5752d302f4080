#!/usr/bin/env bash
# Regenerates the built-in maps from the GSHHG coastlines: the chart pictures
# assets/pictures/NAME.jpg (1024 x 768) and the map files data/maps/$NAME.map.
#
# Needs the Debian packages gmt, gmt-gshhg-low, gmt-gshhg-high, ghostscript and imagemagick, and
# python3.
# Only this script needs them; the game's build uses the files it writes.
#
#   tools/make_maps.sh            all maps
#   tools/make_maps.sh MALTA GUAM only these
#   MAKE_MAPS_DRAFT=1 tools/make_maps.sh ...   report broken rules but write the maps anyway,
#                                              while trying out a box
#
# A picture is a spherical-Mercator chart of the box in the table below. The 10 x 10 board is
# laid over it, and the land cells are read off the finished picture: a cell is land when the
# land drawn in it covers at least SHARE of it, or when a ship would otherwise sail across land
# drawn over one of its corners. The land a player sees must be land the ships cannot sail, so
# a run fails
#   - when a sea cell shows a third or more of land,
#   - when more than 15 % of the land drawn on the chart lies in sea cells,
#   - when a diagonal step between two sea cells would pass over land drawn across their
#     corner (map_cells.py makes one of the two cells land instead, which counts below),
#   - when a map has more than 18 land cells, or a starting band (four columns or rows) more
#     than 5, so that both fleets of up to 28 units find room,
#   - or when one of the MARKS, points of the place a map is named after, is not in a land cell.
# The boxes are chosen so that the coasts follow the cell edges as far as they can.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
helper="$root/tools/map_cells.py"
magick=/usr/bin/convert  # ImageMagick itself, whatever else is on PATH

# NAME: the map is $NAME, its picture NAME.jpg. LON, LAT: the centre of the box. WIDTH: its
# width in degrees of longitude (the height follows from 4:3 on the Mercator chart). REGION:
# E for the Atlantic, North Sea, Channel and Mediterranean, A for the Pacific. SHARE: the land
# share that makes a cell land. REEF: "-", or on an atoll the gap in picture pixels up to which
# the islets of a rim are joined into its reef ring (the islets are drawn bolder there, so that
# a land cell of the atoll reads as land). MARKS: lon:lat points that must be land cells ("-":
# none).
#
# NAME              LON      LAT  WIDTH  REGION SHARE  REEF  MARKS
read -r -d '' MAPS <<'TABLE' || true
  STANDARD      -13.500   55.810  11.00    E     0.30     -  -10.0:53.9
  IRELAND       -12.800   52.759   7.20    E     0.18     -  -9.4:53.8,-9.6:52.1
  ICELAND       -19.000   65.000  22.00    E     0.15     -  -19.0:64.9
  CORK           -8.825   50.990   3.85    E     0.30     -  -8.7:51.8
  LANDSEND       -6.088   50.361   3.50    E     0.30     -  -5.2:50.2
  FAROE          -7.000   61.926   3.15    E     0.12     -  -6.9:62.1
  SKAGERRACK      9.810   58.012   2.70    E     0.18     -  9.9:57.5
  SHETLAND       -1.413   60.076   2.83    E     0.15     -  -1.25:60.3
  STAVANGER       2.600   58.713   6.60    E     0.15     -  5.75:58.8
  BOME            3.900   59.750   3.00    E     0.30     -  5.2:59.75
  CHANNEL        -4.020   49.575   4.32    E     0.32     -  -5.0:50.3,-3.2:48.55
  PORTLAND       -2.390   50.250   1.98    E     0.24     -  -2.2:50.7
  WIGHT          -1.225   50.428   1.50    E     0.21     -  -1.3:50.65,-1.3:50.78
  PLYMOUTH       -3.860   49.923   2.20    E     0.21     -  -4.0:50.45,-4.6:50.45
  LISBON        -10.600   38.974   3.60    E     0.30     -  -9.1:38.8
  MALTA          14.315   36.057   1.40    E     0.12     -  14.43:35.9,14.25:36.04
  ALGIERS         2.270   37.188   1.98    E     0.24     -  3.0:36.6
  TUNIS           9.550   37.777   3.50    E     0.33     -  10.0:36.75
  TRIPOLI        13.340   33.550   2.80    E     0.24     -  13.2:32.7
  GUAM          144.800   13.652   1.00    A     0.15     -  144.78:13.45
  HAWAII       -157.600   21.020   4.00    A     0.12     -  -157.95:21.45
  EHAWAII      -154.625   19.765   3.50    A     0.30     -  -155.5:19.6
  SHAWAII      -155.675   18.718   4.00    A     0.15     -  -155.5:19.6
  MARSHALL      167.435    9.050   1.68    A     0.03   100  167.73:8.72,167.47:9.4
  CAROLINE      151.800    7.400   1.43    A     0.03   120  151.63:7.35,151.85:7.45
  BATAN         121.900   20.600   1.20    A     0.24     -  121.97:20.45
  NSOLOMON      155.188   -5.462   3.65    A     0.18     -  155.4:-6.2
  SSOLOMON      161.100  -10.200   5.60    A     0.15     -  160.1:-9.6
  ESOLOMON      162.100   -9.492   4.48    A     0.15     -  161.0:-9.0
  WSOLOMON      157.287   -8.892   3.15    A     0.12     -  157.5:-8.3
  NPHILLIPINE   121.200   19.298   4.50    A     0.18     -  121.0:18.3
  SPHILLIPINE   124.750    5.203   5.62    A     0.27     -  124.5:7.0
  EPHILLIPINE   126.800   11.690   3.60    A     0.15     -  125.0:12.0
  WPHILLIPINE   118.400   15.693   4.00    A     0.18     -  120.3:15.5
  NOKINAWA      127.980   26.732   1.40    A     0.15     -  128.1:26.7
  SOKINAWA      127.850   26.180   1.44    A     0.18     -  127.75:26.25
  NRYUKYU       129.438   28.290   1.50    A     0.15     -  129.4:28.3
  SRYUKYU       124.312   24.386   1.12    A     0.08     -  124.2:24.4
TABLE

# Chart colours.
SEA_DEEP='#15305a'
SEA_MID='#24507f'
SEA_SHALLOW='#5b8fb8'
SEA_SHORE='#8cb6d0'
LAND_SHORE='#dccb9c'
LAND_INLAND='#a9a673'
COAST_PEN='0.7p,#3b3322'
ISLET_PEN='5p'     # drawn round every islet of an atoll, in the land colour
ATOLL_COAST_PEN='6.4p,#3b3322'  # the islet pen and the coast pen, laid under the bold islets
LAGOON='#5b9bc4'   # the lagoon of an atoll, blended into the shaded sea
REEF_EDGE='#b9dde6'  # the surf line round an atoll's reef (bluer than red, so never land)
GRID='rgba(255,255,255,0.24)'
PAD=1.5            # the shading is measured over a box this much larger, so that coast just
                   # off the picture still lightens the sea at its edge
SHADE_SCALE=4      # the shading is measured at a quarter of the picture's resolution
SEA_REACH=45       # shading pixels (quarter resolution) from the coast to the deepest blue
LAND_REACH=14      # shading pixels from the coast to the inland olive

# Draws the land of region $1 ("W/E/S/N") as page $2 ("10.24i") with extra pscoast options,
# then turns it into the PNG $3 at $4 dots per inch. The page is exactly the map, upright.
chart() {
    local region=$1 page=$2 out=$3 dpi=$4
    shift 4
    local height
    height=$(awk -v w="${page%i}" 'BEGIN { printf "%.4fi", w * 0.75 }')
    if ! gmt pscoast -R"$region" -JM"$page" -Df -X0 -Y0 -P \
        --PS_MEDIA="${page}x${height}" --PROJ_ELLIPSOID=sphere --PS_PAGE_ORIENTATION=portrait \
        "$@" > "${out%.png}.ps" 2> "${out%.png}.log"; then
        cat "${out%.png}.log" >&2
        return 1
    fi
    gmt psconvert "${out%.png}.ps" -Tg -E"$dpi" -Qg4 -F"${out%.png}"
}

# Colours a distance image (black on the coast, white at the reach) with a colour ramp, at
# picture size: $1 distances over the padded box, $2 ramp (PNG, 1 pixel high), $3 out.
ramp() {
    "$magick" "$1" -evaluate Pow 0.7 -filter Triangle -resize "${SHADE_SCALE}00%" \
        -gravity center -crop 1024x768+0+0 +repage "$2" -clut "$3"
}

make_map() {
    local name=$1 lon=$2 lat=$3 width=$4 region=$5 share=$6 reef=$7 marks=$8
    local dir="$work/$name"
    mkdir -p "$dir"
    cd "$dir"
    local box padded
    box=$(python3 "$helper" box "$lon" "$lat" "$width")
    padded=$(python3 "$helper" box "$lon" "$lat" "$width" "$PAD")
    local bold=() pen=$COAST_PEN
    if [[ $reef != - ]]; then
        bold=(-W"$ISLET_PEN",black)
        pen=$ATOLL_COAST_PEN
    fi

    # Distance from the coast, at a quarter resolution over the padded box.
    local size dpi
    size=$(awk -v pad="$PAD" 'BEGIN { printf "%.4fi", 10.24 * pad }')
    dpi=$((100 / SHADE_SCALE))
    chart "$padded" "$size" padded.png "$dpi" -Gblack -Swhite "${bold[@]}"
    "$magick" padded.png -colorspace gray -depth 8 padded.pgm
    python3 "$helper" distance padded.pgm "$SEA_REACH" "$LAND_REACH" \
        sea_distance.pgm land_distance.pgm
    ramp sea_distance.pgm "$work/sea_ramp.png" sea.png
    ramp land_distance.pgm "$work/land_ramp.png" land.png

    # The land's shape as drawn (lakes are water), and the coastline alone.
    chart "$box" 10.24i shape.png 100 -Gblack -Swhite "${bold[@]}"
    chart "$box" 10.24i coast.png 100 -W"$pen"
    "$magick" coast.png -fuzz 2% -transparent white coast_alpha.png

    # An atoll's lagoon and reef ring: the islets' closed shape is worked out at the shading's
    # resolution, smoothed at full size; the lagoon is its inside, the surf line its edge.
    if [[ $reef != - ]]; then
        "$magick" shape.png -colorspace gray -resize "$((100 / SHADE_SCALE))%" -depth 8 islets.pgm
        python3 "$helper" reef islets.pgm "$((reef / SHADE_SCALE))" closed.pgm
        "$magick" closed.pgm -filter Triangle -resize '1024x768!' -blur 0x4 -threshold 50% closed.png
        "$magick" sea.png \
            \( -size 1024x768 xc:"$LAGOON" \) \
            \( closed.png -blur 0x3 -evaluate multiply 0.6 \) -composite \
            \( -size 1024x768 xc:"$REEF_EDGE" \) \
            \( closed.png -morphology EdgeIn Disk:1.5 -blur 0x0.7 \) -composite sea.png
    fi

    # Sea, land through the shape, coastline. On an atoll the wide coast pen goes under the bold
    # islets, so only its outer rim shows. The game draws the cell grid itself, at the screen's
    # own size; the land cells are read off the chart with the faint grid the charts first
    # carried, so the maps come out as they always have.
    local grid=() i layers
    for i in 1 2 3 4 5 6 7 8 9; do
        grid+=(-draw "$(awk -v i="$i" 'BEGIN { printf "line %.1f,0 %.1f,768", i * 102.4, i * 102.4 }')")
        grid+=(-draw "$(awk -v i="$i" 'BEGIN { printf "line 0,%.1f 1024,%.1f", i * 76.8, i * 76.8 }')")
    done
    if [[ $reef != - ]]; then
        layers=(sea.png coast_alpha.png -composite land.png \( shape.png -colorspace gray -negate \) -composite)
    else
        layers=(sea.png land.png \( shape.png -colorspace gray -negate \) -composite coast_alpha.png -composite)
    fi
    "$magick" "${layers[@]}" \
        -resize '1024x768!' -quality 90 -sampling-factor 2x2 -strip picture.jpg
    "$magick" "${layers[@]}" \
        -fill none -stroke "$GRID" -strokewidth 1 "${grid[@]}" \
        -resize '1024x768!' -quality 90 -sampling-factor 2x2 -strip gridded.jpg

    # The land cells, read off the picture as the game shows it under its grid.
    "$magick" gridded.jpg -depth 8 picture.ppm
    python3 "$helper" write picture.ppm "$name" "$region" "$share" "$marks" "$lon" "$lat" \
        "$width" "map.txt"

    cp picture.jpg "$work/out/pictures/$name.jpg"
    cp map.txt "$work/out/maps/\$$name.map"
    touch "$work/$name.done"
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export GMT_TMPDIR="$work"

# Colour ramps: the sea from the shore outwards, the land from the coast inland.
"$magick" -size 1x256 gradient:"$SEA_SHORE-$SEA_SHALLOW" \( -size 1x256 gradient:"$SEA_SHALLOW-$SEA_MID" \) \
    \( -size 1x512 gradient:"$SEA_MID-$SEA_DEEP" \) -append -rotate -90 "$work/sea_ramp.png"
"$magick" -size 1x256 gradient:"$LAND_SHORE-$LAND_INLAND" -rotate -90 "$work/land_ramp.png"

mkdir -p "$work/out/pictures" "$work/out/maps"
wanted=("$@")
names=()
while read -r name lon lat width region share reef marks; do
    [[ -z "$name" ]] && continue
    if ((${#wanted[@]})) && [[ " ${wanted[*]} " != *" $name "* ]]; then continue; fi
    names+=("$name")
    make_map "$name" "$lon" "$lat" "$width" "$region" "$share" "$reef" "$marks" &
    while (($(jobs -rp | wc -l) >= $(nproc))); do wait -n || true; done
done <<< "$MAPS"
wait
failed=()
for name in "${names[@]}"; do [[ -e "$work/$name.done" ]] || failed+=("$name"); done
if ((${#failed[@]})); then
    echo "make_maps: failed: ${failed[*]} (nothing written)" >&2
    exit 1
fi
# Only a run in which every map kept the rules replaces the shipped files.
mkdir -p "$root/assets/pictures" "$root/data/maps"
cp "$work"/out/pictures/*.jpg "$root/assets/pictures/"
cp "$work"/out/maps/*.map "$root/data/maps/"
echo "make_maps: wrote ${#names[@]} maps"
