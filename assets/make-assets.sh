#!/bin/sh
# Makes the installer's pictures with ImageMagick. The results are kept in
# this folder; run again only to change them.
set -eu
cd "$(dirname "$0")"

# Banner: a blue artwork of 987 x 495, scaled into 600 x 300 by the window.
convert -size 987x495 gradient:'#0b4fc4'-'#2fa8ff' \
    -fill 'rgba(255,255,255,0.10)' -draw 'circle 820,90 980,150' \
    -fill 'rgba(255,255,255,0.08)' -draw 'circle 120,430 260,520' \
    -fill 'rgba(255,255,255,0.06)' -draw 'circle 560,250 760,420' \
    -fill 'rgba(255,255,255,0.12)' -draw 'roundrectangle 380,150 610,330 28,28' \
    -fill 'rgba(255,255,255,0.85)' -draw 'polygon 455,205 455,275 535,240' \
    -blur 0x1 -strip -interlace none -sampling-factor 4:2:0 -quality 40 banner.jpg

