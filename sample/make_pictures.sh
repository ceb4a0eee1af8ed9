#!/bin/sh
# Draws the pictures of the sample site: the floor plan of the Maple Street
# branch used as its site map (BRANCH.PCX, BRANCH.JPG) and the blank map
# (BLANK.FRM) that the map window falls back to when no map is named.
#
# The recorder's viewers expect 8-bit palette PCX files with RLE packing, so
# the plan is drawn without anti-aliasing in a handful of flat colours: that
# keeps the palette small and the runs long, and the file about 15 KB.
#
# The camera icon positions in SiteDef.DAT [Map] are pixel positions on this
# picture; move them too if the layout below changes.
#
# Usage: sh sample/make_pictures.sh   (needs ImageMagick's convert)
set -eu

cd "$(dirname "$0")"

font=""
if convert -list font 2>/dev/null | grep -q 'Font: DejaVu-Sans-Bold$'; then
    font="-font DejaVu-Sans-Bold"
fi

wall='#404040'
floor='#FFFFF0'
counter='#A0522D'
vault='#B0B0B0'
atm='#1E50A0'
door='#808080'
text='#202020'
walk='#D8D8C8'

# 480 x 380 pixels: the building (10,10)-(469,349) with its rooms, teller
# counter, vault, ATM, night drop, drive-up window and the entrance with its
# vestibule, and below it the sidewalk along Maple Street.
# shellcheck disable=SC2086
convert -size 480x380 xc:"$floor" +antialias \
    -fill "$walk" -stroke none -draw "rectangle 0,352 479,379" \
    -fill none -stroke "$wall" -strokewidth 4 \
    -draw "rectangle 10,10 469,349" \
    -strokewidth 3 \
    -draw "line 350,10 350,70" -draw "line 350,100 350,130" \
    -draw "line 350,130 469,130" \
    -draw "line 10,200 120,200" -draw "line 120,200 120,240" \
    -draw "line 120,270 120,349" -draw "line 10,275 120,275" \
    -draw "line 180,290 180,349" -draw "line 280,290 280,349" \
    -draw "line 180,290 205,290" -draw "line 255,290 280,290" \
    -stroke none -fill "$floor" \
    -draw "rectangle 205,345 255,352" \
    -draw "rectangle 6,60 14,100" \
    -fill "$vault" -stroke "$wall" -strokewidth 2 \
    -draw "rectangle 388,22 457,118" \
    -fill "$counter" -stroke none \
    -draw "rectangle 60,80 330,98" \
    -draw "rectangle 14,62 40,98" \
    -fill "$atm" \
    -draw "rectangle 452,195 466,235" \
    -draw "rectangle 456,262 466,282" \
    -fill none -stroke "$door" -strokewidth 1 \
    -draw "line 350,70 380,70" -draw "arc 320,40 380,100 0,90" \
    -draw "line 120,240 150,240" -draw "arc 90,210 150,270 0,90" \
    -stroke none -fill "$text" $font -pointsize 13 \
    -draw "text 150,72 'TELLER LINE'" \
    -draw "text 400,75 'VAULT'" \
    -draw "text 210,180 'LOBBY'" \
    -draw "text 32,245 'OFFICE'" \
    -draw "text 32,318 'OFFICE'" \
    -draw "text 415,220 'ATM'" \
    -draw "text 378,277 'NIGHT DROP'" \
    -pointsize 11 \
    -draw "text 194,338 'VESTIBULE'" \
    -draw "text 18,118 'DRIVE-UP'" \
    -draw "text 20,30 'MAPLE STREET BRANCH'" \
    -draw "text 168,370 'ENTRANCE - MAPLE STREET'" \
    -type Palette -colors 16 \
    PNG8:BRANCH.png

convert BRANCH.png -type Palette PCX:BRANCH.PCX
convert BRANCH.png -quality 85 JPG:BRANCH.JPG
rm -f BRANCH.png

# The blank map: a plain light grey page of the same kind of PCX. A picture
# of a single colour is written as 24-bit PCX unless it goes through an
# 8-bit palette image first.
convert -size 320x240 xc:'#E0E0E0' PNG8:BLANK.png
convert BLANK.png -type Palette PCX:BLANK.FRM
rm -f BLANK.png
