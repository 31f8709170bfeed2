#!/usr/bin/env bash
# Draws the six pictures of the laboratory page as 24-bit BMP files next to this script:
# three service banners (a coloured banner with a symbol and a caption) and three price-list
# entries (the caption with coins and the word "cenovnik"). Needs only ImageMagick's `convert`
# and the Liberation fonts. The names and their case are the ones the page loads; keep them.
#   Usage: resources/bitmaps/make_bitmaps.sh
set -euo pipefail
cd "$(dirname "$0")"

command -v convert >/dev/null || { echo "ImageMagick (convert) is missing" >&2; exit 1; }
BOLD=Liberation-Sans-Bold
ITALIC=Liberation-Sans-Bold-Italic
W=232 # the pictures fill the page's picture buttons at 96 dpi
H=92

# A plain 24-bit BMP: BITMAPINFOHEADER, no alpha channel, no colour table.
save_bmp() { # OUT, then the convert arguments that draw the picture
    local out=$1
    shift
    convert "$@" -alpha off -type TrueColor "BMP3:$out"
}

# The symbols, drawn in the 80-pixel square at the left of a picture.
DROP=(-fill '#f4f4f4' -draw "path 'M 40,12 C 40,12 15,46 15,60 A 25,25 0 0 0 65,60 C 65,46 40,12 40,12 Z'"
    -fill '#c81e1e' -draw "path 'M 40,21 C 40,21 21,48 21,60 A 19,19 0 0 0 59,60 C 59,48 40,21 40,21 Z'"
    -fill '#ff9a9a' -draw "ellipse 32,62 4,7 0,360")
MICROSCOPE=(-fill '#f0f0f0'
    -draw "rectangle 14,74 62,80"
    -draw "rectangle 46,30 52,74"
    -draw "path 'M 52,32 Q 66,46 52,64 L 48,61 Q 59,46 48,35 Z'"
    -draw "polygon 22,20 30,15 44,50 36,55"
    -draw "rectangle 18,10 31,17"
    -draw "rectangle 22,58 50,62"
    -fill '#ffd24a' -draw "circle 40,53 40,56")
FLASK=(-fill '#ffffff' -draw "polygon 33,16 47,16 47,34 67,79 13,79 33,34"
    -fill '#e0a800' -draw "polygon 22,60 58,60 67,79 13,79"
    -fill '#7a4a00' -draw "rectangle 30,10 50,16"
    -fill '#ffffff' -draw "circle 35,69 35,71.5" -draw "circle 46,65 46,66.5")
COINS=(-stroke '#8a6408' -strokewidth 1
    -fill '#d4a017' -draw "ellipse 30,70 20,7 0,360" -fill '#ffd700' -draw "ellipse 30,66 20,7 0,360"
    -fill '#d4a017' -draw "ellipse 30,57 20,7 0,360" -fill '#ffd700' -draw "ellipse 30,53 20,7 0,360"
    -fill '#d4a017' -draw "ellipse 30,44 20,7 0,360" -fill '#ffd700' -draw "ellipse 30,40 20,7 0,360"
    -fill '#ffd700' -draw "circle 60,26 60,39" -fill '#ffe97a' -draw "circle 60,26 60,35"
    -stroke none)

# A service banner: the colour with a lighter band at the top, a dark edge, symbol and caption.
banner() { # OUT COLOUR LIGHT CAPTION POINTSIZE CAPTION-COLOUR SYMBOL...
    local out=$1 colour=$2 light=$3 caption=$4 size=$5 fg=$6
    shift 6
    save_bmp "$out" -size ${W}x${H} "xc:$colour" \
        -fill "$light" -draw "rectangle 0,0 $((W - 1)),9" \
        -fill none -stroke '#202020' -strokewidth 2 -draw "rectangle 1,1 $((W - 2)),$((H - 2))" \
        -stroke none "$@" \
        -font "$BOLD" -pointsize "$size" -fill "$fg" -gravity West -annotate +80+4 "$caption"
}

# A price-list entry: a light card with the service's colour as edge and caption, the coins, and
# "cenovnik" (price list) below the caption.
price_entry() { # OUT EDGE CAPTION POINTSIZE
    local out=$1 edge=$2 caption=$3 size=$4
    save_bmp "$out" -size ${W}x${H} 'xc:#fdf6e3' \
        -fill none -stroke "$edge" -strokewidth 4 -draw "rectangle 2,2 $((W - 3)),$((H - 3))" \
        -stroke none "${COINS[@]}" \
        -font "$BOLD" -pointsize "$size" -fill "$edge" -gravity NorthWest \
        -annotate +84+18 "$caption" \
        -font "$ITALIC" -pointsize 18 -fill '#6b5400' -annotate +84+52 "cenovnik"
}

banner hemato2.bmp '#7a0a0a' '#a01818' HEMATOLOGIJA 16 '#ffffff' "${DROP[@]}"
banner bioh.bmp '#0b2a6b' '#1d438f' BIOHEMIJA 19 '#ffffff' "${MICROSCOPE[@]}"
banner urin1.bmp '#f7b267' '#fbd09a' URIN 28 '#402000' "${FLASK[@]}"
price_entry hemcen1.BMP '#7a0a0a' HEMATOLOGIJA 16
price_entry biohcen.bmp '#0b2a6b' BIOHEMIJA 19
price_entry urincen.bmp '#a04f00' URIN 26
