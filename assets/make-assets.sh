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


# Caption button images, 8-bit RGBA: a cross of 11 x 11 and a bar of 12 x 13,
# white for the normal state and grey RGB(82,82,82) for the others. The lines
# have alpha 189; the pixels beside the cross's lines about half that, the
# bar's two end pixels 163. Written pixel by pixel as ImageMagick text.
caption() {
    name=$1 w=$2 h=$3 rgb=$4 shape=$5
    {
        echo "# ImageMagick pixel enumeration: $w,$h,255,srgba"
        y=0
        while [ $y -lt "$h" ]; do
            x=0
            while [ $x -lt "$w" ]; do
                alpha=0
                if [ "$shape" = cross ]; then
                    down=$((x - y)) up=$((x + y - w + 1))
                    if [ $down -eq 0 ] || [ $up -eq 0 ]; then alpha=189
                    elif [ ${down#-} -eq 1 ] || [ ${up#-} -eq 1 ]; then alpha=95; fi
                elif [ $y -eq 6 ]; then
                    alpha=189
                    if [ $x -eq 0 ] || [ $x -eq $((w - 1)) ]; then alpha=163; fi
                fi
                echo "$x,$y: ($rgb,$alpha)"
                x=$((x + 1))
            done
            y=$((y + 1))
        done
    } | convert txt:- -strip PNG32:"$name.png"
}
caption close-normal 11 11 255,255,255 cross
caption close-active 11 11 82,82,82 cross
caption minimize-normal 12 13 255,255,255 bar
caption minimize-active 12 13 82,82,82 bar
