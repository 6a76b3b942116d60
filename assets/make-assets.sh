#!/usr/bin/env bash
# Remakes every picture and sound of Kirveno LT from scratch.
#
# Needs only Debian packages:  apt-get install imagemagick sox fonts-dejavu-core
# Run from anywhere; it writes into pictures/ and sounds/ beside this script.
# The output is deterministic (no metadata, no time stamps, fixed random
# seeds), so running it again gives the same bytes.
#
# Small pictures are drawn at 4x or 8x and averaged down, which gives clean
# anti-aliased edges.  JPEG is written at quality 94 without chroma
# subsampling so that small coloured icons stay crisp.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
pic="$here/pictures"
snd="$here/sounds"
mkdir -p "$pic" "$snd"

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

export LC_ALL=C
export MAGICK_THREAD_LIMIT=1      # same pixels whatever the machine

for tool in convert sox; do
    command -v "$tool" >/dev/null || {
        echo "make-assets: '$tool' is missing (apt-get install imagemagick sox fonts-dejavu-core)" >&2
        exit 1
    }
done

fonts=/usr/share/fonts/truetype/dejavu
sans_bold="$fonts/DejaVuSans-Bold.ttf"
cond_bold="$fonts/DejaVuSansCondensed-Bold.ttf"
serif_bold="$fonts/DejaVuSerif-Bold.ttf"
[ -r "$sans_bold" ] || { echo "make-assets: DejaVu fonts are missing (fonts-dejavu-core)" >&2; exit 1; }

# Common JPEG output settings.
JPG=(-strip -interlace none -sampling-factor 1x1 -quality 94)

# fxrgb SIZE COMMON REXPR GEXPR BEXPR OUT
# Paints a picture pixel by pixel; COMMON is evaluated before each channel
# expression (i, j = pixel; w, h = size).
fxrgb() {
    convert -size "$1" xc:black -colorspace sRGB -type TrueColor \
        -channel R -fx "$2 $3" \
        -channel G -fx "$2 $4" \
        -channel B -fx "$2 $5" \
        +channel "$6"
}

# Geometry helpers (all numbers printed with two decimals).
# pt CX CY R DEG      -> "x,y" on a circle (0 deg = right, 90 deg = down)
pt() {
    awk -v cx="$1" -v cy="$2" -v r="$3" -v d="$4" 'BEGIN {
        a = d * atan2(0, -1) / 180
        printf "%.2f,%.2f", cx + r * cos(a), cy + r * sin(a) }'
}

# arc CX CY R FROM TO -> an SVG path along a circle, clockwise from FROM to TO.
# The path runs there and back again: this ImageMagick strokes every path as
# if it were closed, so going back over the same curve keeps it open (and
# gives round ends with stroke-linejoin round).
arc() {
    awk -v cx="$1" -v cy="$2" -v r="$3" -v a0="$4" -v a1="$5" 'BEGIN {
        d = atan2(0, -1) / 180; l = (a1 - a0 > 180) ? 1 : 0
        x0 = cx + r * cos(a0 * d); y0 = cy + r * sin(a0 * d)
        x1 = cx + r * cos(a1 * d); y1 = cy + r * sin(a1 * d)
        printf "M %.2f,%.2f A %.2f,%.2f 0 %d,1 %.2f,%.2f A %.2f,%.2f 0 %d,0 %.2f,%.2f", \
            x0, y0, r, r, l, x1, y1, r, r, l, x0, y0 }'
}

# gear CX CY OUTER ROOT TEETH -> polygon points of a gear wheel
gear() {
    awk -v cx="$1" -v cy="$2" -v R="$3" -v r="$4" -v n="$5" 'BEGIN {
        pi = atan2(0, -1); p = 2 * pi / n
        split("-0.50 -0.40 -0.27 -0.16 0.16 0.27 0.40", f, " ")
        split("0 0 0 1 1 0 0", o, " ")
        s = ""
        for (k = 0; k < n; k++)
            for (m = 1; m <= 7; m++) {
                a = (k + f[m]) * p - pi / 2; rr = o[m] ? R : r
                s = s sprintf("%.2f,%.2f ", cx + rr * cos(a), cy + rr * sin(a))
            }
        print s }'
}

# arrow_arc CX CY R FROM TO WIDTH HEAD COLOUR -> draw commands for a curved arrow
# running clockwise from angle FROM to angle TO, with its head at TO.
arrow_arc() {
    awk -v cx="$1" -v cy="$2" -v r="$3" -v a0="$4" -v a1="$5" -v sw="$6" -v hd="$7" -v col="$8" 'BEGIN {
        pi = atan2(0, -1); d = pi / 180
        x0 = cx + r * cos(a0 * d); y0 = cy + r * sin(a0 * d)
        x1 = cx + r * cos(a1 * d); y1 = cy + r * sin(a1 * d)
        large = (a1 - a0 > 180) ? 1 : 0
        printf "stroke %s stroke-width %.2f stroke-linejoin round fill none path \"M %.2f,%.2f A %.2f,%.2f 0 %d,1 %.2f,%.2f A %.2f,%.2f 0 %d,0 %.2f,%.2f\" ", col, sw, x0, y0, r, r, large, x1, y1, r, r, large, x0, y0
        # head: a triangle whose tip lies ahead along the tangent
        ca = cos(a1 * d); sa = sin(a1 * d)
        tx = -sa; ty = ca
        bx = x1 - tx * hd * 0.15; by = y1 - ty * hd * 0.15
        printf "stroke none fill %s polygon %.2f,%.2f %.2f,%.2f %.2f,%.2f ", col, \
            bx + ca * hd * 0.75, by + sa * hd * 0.75, \
            bx - ca * hd * 0.75, by - sa * hd * 0.75, \
            x1 + tx * hd, y1 + ty * hd }'
}

###########################################################################
# Banner (361x41): deep blue to teal, with the word mark between the
# toolbar icons and the clock.
###########################################################################
fxrgb 361x41 \
    "qx=i/(w-1); qy=j/(h-1);
     qs=1 + 0.10*(0.5-qy) + 0.16*exp(-pow(qy*9,2)) - 0.16*exp(-pow((1-qy)*9,2));
     qg=0.05*exp(-pow((qx-0.79)/0.12,2));" \
    "(0.030 + 0.035*qx + qg*0.3)*qs" \
    "(0.165 + 0.300*qx + qg)*qs" \
    "(0.400 + 0.085*qx + qg)*qs" \
    "$tmp/banner.png"

# The toolbar icons sit at x = 94, 134, 174, 214 (33x33, y = 4).
for n in 0 1 2 3; do
    convert "$tmp/banner.png" -crop "33x33+$((94 + 40 * n))+4" +repage "$tmp/toolbg$n.png"
done

convert -respect-parentheses "$tmp/banner.png" \
    \( -size 50x41 xc:none -gravity north \
       -font "$cond_bold" -pointsize 12 \
       -fill '#00000080' -annotate +0+7 Kirveno -blur 0x1 \
       -fill '#f2faff' -annotate +0+6 Kirveno \
       -font "$sans_bold" -pointsize 8 -kerning 2 \
       -fill '#00000060' -annotate +1+23 LT \
       -fill '#f3c766' -annotate +1+22 LT \
       -stroke '#f3c76699' -strokewidth 1 -draw "line 9,27.5 17,27.5 line 33,27.5 41,27.5" \) \
    -geometry +251+0 -composite "${JPG[@]}" "$pic/banner.jpg"

###########################################################################
# Toolbar icons (33x33), drawn at 4x on transparent, then shadowed, averaged
# down and laid over the banner colour at their place.
###########################################################################
# finish_tool LAYER.png INDEX OUT.jpg
finish_tool() {
    convert -respect-parentheses "$1" \
        \( +clone -fill black -colorize 100 -channel A -evaluate multiply 0.55 +channel \
           -blur 0x3 -roll +0+4 \) +swap -background none -compose over -composite \
        -filter box -resize 33x33 -unsharp 0x0.5+0.6+0 \
        "$tmp/toolbg$2.png" +swap -compose over -composite "${JPG[@]}" "$3"
}

# Reports: a sheet with a bar chart.
convert -size 132x132 xc:none \
    \( -size 132x132 gradient:'#ffffff'-'#dde8f2' -write mpr:paper +delete \) \
    \( -size 132x132 gradient:'#3f9cf0'-'#1759b0' -write mpr:blue +delete \) \
    \( -size 132x132 gradient:'#5fd36a'-'#1f8f35' -write mpr:green +delete \) \
    \( -size 132x132 gradient:'#ffc24a'-'#e07a12' -write mpr:orange +delete \) \
    -stroke '#7d93aa' -strokewidth 3 -tile mpr:paper \
    -draw "path 'M 26,12 L 88,12 L 108,32 L 108,120 L 26,120 Z'" +tile \
    -fill '#c9d6e3' -draw "path 'M 88,12 L 88,32 L 108,32 Z'" \
    -stroke none -fill '#9aabbd' \
    -draw "roundrectangle 36,24 74,28 2,2 roundrectangle 36,34 64,38 2,2" \
    -tile mpr:blue   -draw "roundrectangle 38,72 52,108 3,3" \
    -tile mpr:green  -draw "roundrectangle 59,52 73,108 3,3" \
    -tile mpr:orange -draw "roundrectangle 80,62 94,108 3,3" +tile \
    -fill '#5d6f82' -draw "rectangle 34,108 100,111" \
    "$tmp/t_reports.png"
finish_tool "$tmp/t_reports.png" 0 "$pic/tool-reports.jpg"

# Loans: a leather wallet with a gold coin.
convert -size 132x132 xc:none \
    \( -size 132x132 gradient:'#fff1a8'-'#d08a10' -write mpr:gold +delete \) \
    \( -size 132x132 gradient:'#b9733d'-'#6e3a17' -write mpr:leather +delete \) \
    \( -size 132x132 gradient:'#cf8a50'-'#8a4a20' -write mpr:flap +delete \) \
    -stroke '#8a5a08' -strokewidth 3 -tile mpr:gold -draw "circle 70,38 70,10" +tile \
    -stroke none -fill '#ffe98a' -draw "circle 70,38 70,18" \
    -fill '#d9980f' -draw "circle 70,38 70,21" \
    -fill none -stroke "#fff6c8" -strokewidth 3 -draw "stroke-linejoin round path '$(arc 70 38 20 200 280)'" -stroke none \
    -stroke '#4a230b' -strokewidth 3 -tile mpr:leather -draw "roundrectangle 14,50 118,118 14,14" +tile \
    -stroke '#e0a878' -strokewidth 2 -fill none -strokewidth 2 \
    -draw "stroke-dasharray 5 4 roundrectangle 21,57 111,111 9,9" \
    -stroke '#4a230b' -strokewidth 3 -tile mpr:flap -draw "roundrectangle 72,68 124,100 10,10" +tile \
    -stroke '#6b4a08' -strokewidth 2 -tile mpr:gold -draw "circle 88,84 88,76" +tile \
    "$tmp/t_loans.png"
finish_tool "$tmp/t_loans.png" 1 "$pic/tool-loans.jpg"

# Settings: a steel gear.
convert -size 132x132 xc:none \
    \( -size 132x132 gradient:'#ffffff'-'#8fa3b8' -write mpr:steel +delete \) \
    \( -size 132x132 gradient:'#2e4154'-'#9fb2c4' -write mpr:hole +delete \) \
    -stroke '#3b4e62' -strokewidth 3 -tile mpr:steel -draw "polygon $(gear 66 64 56 42 8)" +tile \
    -fill none -stroke '#ffffff70' -strokewidth 3 -draw "circle 66,64 66,30" \
    -stroke '#3b4e62' -strokewidth 3 -tile mpr:hole -draw "circle 66,64 66,49" +tile \
    "$tmp/t_settings.png"
finish_tool "$tmp/t_settings.png" 2 "$pic/tool-settings.jpg"

# Help: a question mark in a glossy white disc.
convert -size 132x132 xc:none \
    \( -size 132x132 gradient:'#ffffff'-'#c4dcf2' -write mpr:disc +delete \) \
    \( -size 132x66 gradient:'#ffffffd0'-'#ffffff00' -write mpr:shine +delete \) \
    -stroke '#1d4d8a' -strokewidth 4 -tile mpr:disc -draw "circle 66,64 66,10" +tile \
    -stroke none -fill '#1f5fb0' -font "$sans_bold" -pointsize 84 -gravity center -annotate +1+0 '?' \
    -gravity northwest -tile mpr:shine -draw "ellipse 66,36 36,20 0,360" +tile \
    "$tmp/t_help.png"
finish_tool "$tmp/t_help.png" 3 "$pic/tool-help.jpg"

###########################################################################
# Row action buttons (18x18): glossy discs on the window's sky blue.
###########################################################################
# action_button NAME RIM BODY-TOP BODY-BOTTOM GLYPH-COLOUR GLYPH-SHADOW GLYPH
action_button() {
    convert -respect-parentheses -size 144x144 xc:'#87CEEB' \
        \( -size 144x144 gradient:"$3"-"$4" -write mpr:body +delete \) \
        \( -size 144x60 gradient:'#ffffffc0'-'#ffffff00' -write mpr:shine +delete \) \
        \( -size 144x144 xc:none -fill '#1d4a6e50' -draw "circle 72,76 72,8" -blur 0x4 \) \
        -compose over -composite \
        -fill "$2" -draw "circle 72,72 72,6" \
        -tile mpr:body -draw "circle 72,72 72,13" +tile \
        -tile mpr:shine -draw "ellipse 72,38 44,24 0,360" +tile \
        \( -size 144x144 xc:none -fill "$6" -draw "$7" -blur 0x3 -roll +2+5 \) -composite \
        -fill "$5" -draw "$7" \
        -filter box -resize 18x18 -unsharp 0x0.5+0.5+0 "${JPG[@]}" "$pic/action-$1.jpg"
}

action_button open  '#1a5e1e' '#259028' '#66d452' white '#0a3a0c90' \
    "polygon 54,42 54,102 106,72"
action_button edit  '#94620a' '#f2b705' '#ffe680' '#5a3600' '#fff3b060' \
    "polygon 40,104 48,80 82,46 98,62 64,96 polygon 86,42 94,34 110,50 102,58"
action_button close '#7a1010' '#bd2020' '#f5604e' white '#4a050590' \
    "roundrectangle 50,50 94,94 7,7"

###########################################################################
# Help menu pictures (16x16 on white), drawn at 8x on a 1-pixel grid.
###########################################################################
# disc_letter OUT TOP BOTTOM RIM FONT SIZE LETTER DX DY
disc_letter() {
    convert -respect-parentheses -size 128x128 xc:white \
        \( -size 128x128 gradient:"$2"-"$3" -write mpr:disc +delete \) \
        \( -size 128x52 gradient:'#ffffffb0'-'#ffffff00' -write mpr:shine +delete \) \
        -stroke "$4" -strokewidth 7 -tile mpr:disc -draw "circle 64,64 64,5" +tile \
        -stroke none -fill white -font "$5" -pointsize "$6" -gravity center -annotate "$8$9" "$7" \
        -gravity northwest -tile mpr:shine -draw "ellipse 64,34 40,22 0,360" +tile \
        -filter box -resize 16x16 -unsharp 0x0.5+0.5+0 "${JPG[@]}" "$1"
}
disc_letter "$pic/menu-help.jpg"  '#62a8f0' '#1a55a6' '#15467f' "$sans_bold"  92 '?' +2 +2
disc_letter "$pic/menu-about.jpg" '#4fc7b4' '#137266' '#0f5a50' "$serif_bold" 96 'i' +1 +2

# Home: a small house with a red roof.
convert -respect-parentheses -size 128x128 xc:white \
    \( -size 128x128 gradient:'#ff7a5a'-'#b8281c' -write mpr:roof +delete \) \
    \( -size 128x128 gradient:'#fffaf0'-'#ecd9b4' -write mpr:wall +delete \) \
    -fill '#8a2a1e' -draw "rectangle 88,16 104,56" \
    -fill '#c8412c' -draw "rectangle 92,20 100,56" \
    -fill '#7a5a3a' -draw "rectangle 16,56 112,120" \
    -tile mpr:wall -draw "rectangle 24,60 104,112" +tile \
    -fill '#8a5228' -draw "rectangle 48,72 72,120" \
    -fill '#b8763e' -draw "rectangle 52,76 68,120" \
    -fill '#ffd24a' -draw "circle 64,98 64,95" \
    -fill '#3f79c0' -draw "rectangle 80,72 96,88" \
    -fill '#a8d4ff' -draw "rectangle 84,76 92,84" \
    -stroke '#7a1c12' -strokewidth 7 -tile mpr:roof \
    -draw "stroke-linejoin round polygon 64,8 122,62 6,62" +tile \
    -filter box -resize 16x16 -unsharp 0x0.5+0.5+0 "${JPG[@]}" "$pic/menu-home.jpg"

# News: a folded newspaper page.
convert -size 128x128 xc:white \
    -fill '#a7b3bf' -draw "rectangle 24,8 120,104" \
    -fill '#eef2f6' -draw "rectangle 32,16 112,96" \
    -fill '#55667a' -draw "rectangle 8,16 104,120" \
    -fill '#ffffff' -draw "rectangle 16,24 96,112" \
    -fill '#2d3b4b' -draw "rectangle 24,32 88,48" \
    -fill '#4a8fdc' -draw "rectangle 24,56 48,80" \
    -fill '#8896a6' -draw "rectangle 56,56 88,64 rectangle 56,72 88,80 rectangle 24,88 88,96" \
    -fill '#b3bdc8' -draw "rectangle 24,100 72,104" \
    -filter box -resize 16x16 -unsharp 0x0.5+0.5+0 "${JPG[@]}" "$pic/menu-news.jpg"

# Update: two green arrows chasing each other round a circle.
convert -size 128x128 xc:white \
    -draw "stroke-linecap round $(arrow_arc 64 64 40 205 320 17 30 "'#1f8f3a'")" \
    -draw "stroke-linecap round $(arrow_arc 64 64 40 25 140 17 30 "'#2fae4c'")" \
    -filter box -resize 16x16 -unsharp 0x0.5+0.5+0 "${JPG[@]}" "$pic/menu-update.jpg"

###########################################################################
# Sound on / off (32x32 on white), drawn at 8x.
###########################################################################
# speaker OUT EXTRA-DRAW
speaker() {
    convert -respect-parentheses -size 256x256 xc:white \
        \( -size 256x256 gradient:'#8797a8'-'#2c3845' -write mpr:body +delete \) \
        -stroke '#1b242e' -strokewidth 8 -tile mpr:body \
        -draw "stroke-linejoin round polygon 28,92 84,92 148,36 148,220 84,164 28,164" +tile \
        -stroke none -fill '#ffffff38' -draw "polygon 38,100 84,100 138,54 138,110 38,110" \
        -stroke '#1b242e' -strokewidth 6 -fill none -draw "line 84,96 84,160" \
        -draw "stroke-linecap round $2" \
        -filter box -resize 32x32 -unsharp 0x0.5+0.5+0 "${JPG[@]}" "$1"
}
waves="stroke '#2478cc' stroke-width 17 stroke-linejoin round fill none
       path '$(arc 150 128 42 -42 42)' path '$(arc 150 128 78 -44 44)'"
speaker "$pic/sound-on.jpg" "$waves"
speaker "$pic/sound-off.jpg" \
    "stroke '#d4262a' stroke-width 24 line 176,92 236,164 line 236,92 176,164"

###########################################################################
# Board (361x621): light sky blue, faint diagonal hatching and very faint
# bands that follow the 30 table rows (20 px apart from y = 18).
###########################################################################
fxrgb 361x621 \
    "qx=i/(w-1); qy=j/(h-1); qrow=j-18;
     qband=(qrow>=0 && qrow<600 && mod(floor(qrow/20),2)==1) ? 1 : 0;
     qst=pow(0.5+0.5*sin((i+j)*0.5236),10);
     qgl=exp(-(pow((qx-0.25)/0.7,2)+pow((qy-0.08)/0.55,2)));
     qd=0.035*qgl - 0.016*qband - 0.011*qst;" \
    "0.930 - 0.150*qy + qd" \
    "0.972 - 0.085*qy + qd" \
    "0.998 - 0.030*qy + qd*0.6" \
    "$tmp/board.png"
convert "$tmp/board.png" "${JPG[@]}" "$pic/board.jpg"

###########################################################################
# Reports, loans, help and language windows (600x481): a light gradient,
# faint diagonal lines and a coffee cup watermark in the lower right corner.
###########################################################################
fxrgb 600x481 \
    "qx=i/(w-1); qy=j/(h-1); qt=0.6*qx+0.4*qy;
     qst=pow(0.5+0.5*sin((i-j)*0.2856),14);
     qgl=exp(-(pow(qx/0.55,2)+pow(qy/0.6,2)));
     qd=0.025*qgl - 0.012*qst;" \
    "0.975 - 0.110*qt + qd" \
    "0.988 - 0.060*qt + qd" \
    "0.998 - 0.022*qt + qd*0.5" \
    "$tmp/reports.png"

# The watermark is drawn as a grey mask (white = full colour) at 2x.
steam() { # steam X -> a wavy line rising from X
    echo "path 'M $1,122 C $(($1 - 24)),92 $(($1 + 24)),56 $(($1 + 2)),18
                C $(($1 + 24)),56 $(($1 - 24)),92 $1,122'"
}
convert -size 400x400 xc:black \
    -fill white -draw "ellipse 200,330 150,30 0,360" \
    -fill '#404040' -draw "ellipse 200,326 112,17 0,360" \
    -fill white -draw "ellipse 200,324 84,11 0,360" \
    -fill none -stroke white -strokewidth 24 -draw "circle 312,212 312,170" -stroke none \
    -fill white -draw "path 'M 92,160 L 308,160 C 308,262 272,318 200,318 C 128,318 92,262 92,160 Z'" \
    -draw "ellipse 200,160 108,24 0,360" \
    -fill '#707070' -draw "ellipse 200,162 94,17 0,360" \
    -fill '#b0b0b0' -draw "ellipse 200,166 70,9 0,360" \
    -fill none -stroke '#c0c0c0' -strokewidth 13 \
    -draw "stroke-linejoin round $(steam 160) $(steam 206) $(steam 252)" \
    -blur 0x1 -filter box -resize 200x200 "$tmp/cup-mask.png"
convert "$tmp/reports.png" \
    \( -size 200x200 xc:'#2b6a98' \( "$tmp/cup-mask.png" -evaluate multiply 0.10 \) \
       -alpha off -compose copyopacity -composite \) \
    -geometry +380+258 -compose over -composite "${JPG[@]}" "$pic/reports.jpg"

###########################################################################
# About (160x200): a teal cup of coffee on a wooden table, a wall clock.
###########################################################################
# Wall, table top, table edge and floor, painted at 1x.
fxrgb 160x200 \
    "qy=j/145; qt=(j-146)/30;
     qgl=0.07*exp(-(pow((i-80)/62,2)+pow((j-100)/55,2)));
     qgr=1 + 0.07*sin(j*1.7 + 2.6*sin(i*0.045) + sin(i*0.13+j*0.2));
     qe=(j<178) ? 0.10 : 0;
     qf=(j-188)/12;" \
    "j<146 ? 1.000-0.060*qy+qgl : (j<176 ? (0.60+0.14*qt)*qgr : (j<188 ? 0.44+qe-0.010*(j-176) : 0.30-0.06*qf))" \
    "j<146 ? 0.950-0.170*qy+qgl : (j<176 ? (0.36+0.09*qt)*qgr : (j<188 ? 0.25+qe*0.6-0.006*(j-176) : 0.17-0.04*qf))" \
    "j<146 ? 0.870-0.300*qy+qgl*0.7 : (j<176 ? (0.18+0.05*qt)*qgr : (j<188 ? 0.12+qe*0.3-0.003*(j-176) : 0.09-0.02*qf))" \
    "$tmp/about-base.png"

# hand CX CY ANGLE LENGTH -> a line from the clock centre
hand() { echo "line $1,$2 $(pt "$1" "$2" "$4" "$3")"; }
ticks=""
for h in $(seq 0 11); do
    a=$((h * 30))
    if [ $((h % 3)) -eq 0 ]; then ticks="$ticks stroke-width 9 line $(pt 512 150 62 $a) $(pt 512 150 76 $a)"
    else ticks="$ticks stroke-width 5 line $(pt 512 150 66 $a) $(pt 512 150 76 $a)"; fi
done

convert -respect-parentheses -size 640x800 xc:none \
    \( -size 640x800 gradient:'#fffdf8'-'#cfc3b2' -write mpr:china +delete \) \
    \( -size 800x640 gradient:'#4fb3bf'-'#0f4f5c' -rotate -90 -write mpr:cup +delete \) \
    \( -size 640x60 gradient:'#7a4520'-'#3a1a08' -write mpr:coffee +delete \) \
    \( -size 640x800 gradient:'#b5773f'-'#6a3a18' -write mpr:wood +delete \) \
    \( -size 640x800 xc:none -fill '#3a200e' \
       -draw "ellipse 330,640 240,44 0,360" -draw "circle 524,166 524,68" \
       -channel A -evaluate multiply 0.35 +channel -blur 0x14 \) -compose over -composite \
    -stroke '#5a3416' -strokewidth 4 -tile mpr:wood -draw "circle 512,150 512,54" +tile \
    -fill '#fffaf0' -draw "circle 512,150 512,70" \
    -stroke '#4a3424' -draw "stroke-linecap round $ticks" \
    -stroke '#33261c' -draw "stroke-linecap round stroke-width 12 $(hand 512 150 215 40) stroke-width 8 $(hand 512 150 -30 60)" \
    -stroke '#c8322a' -draw "stroke-linecap round stroke-width 3 $(hand 512 150 120 64) $(hand 512 150 300 14)" \
    -stroke none -fill '#33261c' -draw "circle 512,150 512,140" -fill '#c8322a' -draw "circle 512,150 512,145" \
    \( -size 640x800 xc:none -fill '#ffffff' -draw "ellipse 490,116 52,30 0,360" \
       -channel A -evaluate multiply 0.35 +channel -blur 0x6 \) -compose over -composite \
    -stroke '#a99a86' -strokewidth 4 -tile mpr:china -draw "ellipse 320,612 214,44 0,360" +tile \
    -stroke none -fill '#e6ddd0' -draw "ellipse 320,604 134,22 0,360" \
    -fill none -stroke '#0e4650' -strokewidth 34 -draw "circle 492,468 492,406" \
    -stroke '#3d97a3' -strokewidth 8 -draw "stroke-linejoin round path '$(arc 492 468 66 -70 60)'" \
    -stroke '#0e4650' -strokewidth 4 -tile mpr:cup \
    -draw "path 'M 150,382 L 490,382 C 490,534 420,602 320,602 C 220,602 150,534 150,382 Z'" +tile \
    \( -size 640x800 xc:none -fill white -draw "path 'M 196,410 C 196,500 222,548 262,572 C 226,536 214,480 220,410 Z'" \
       -channel A -evaluate multiply 0.45 +channel -blur 0x5 \) -compose over -composite \
    -stroke '#0e4650' -strokewidth 4 -fill '#f7f2ea' -draw "ellipse 320,382 170,38 0,360" \
    -stroke none -tile mpr:coffee -draw "ellipse 320,390 150,27 0,360" +tile \
    -fill none -stroke '#b8844f' -strokewidth 5 -draw "ellipse 320,390 138,23 0,360" \
    -stroke none -fill '#ecd2ab' \
    -draw "path 'M 320,408 C 286,392 282,374 302,372 C 312,371 318,376 320,382 C 322,376 328,371 338,372 C 358,374 354,392 320,408 Z'" \
    \( -size 640x800 xc:none -fill none -stroke white -strokewidth 16 \
       -draw "stroke-linejoin round
              path 'M 262,336 C 226,290 300,250 262,196 C 240,164 262,138 276,120 C 262,138 240,164 262,196 C 300,250 226,290 262,336'
              path 'M 322,330 C 290,276 360,234 322,170 C 304,138 320,112 334,92  C 320,112 304,138 322,170 C 360,234 290,276 322,330'
              path 'M 382,336 C 350,292 418,252 384,200 C 366,170 384,146 396,130 C 384,146 366,170 384,200 C 418,252 350,292 382,336'" \
       -channel A -evaluate multiply 0.70 +channel -blur 0x6 \) -compose over -composite \
    -filter box -resize 160x200 "$tmp/about-things.png"

convert "$tmp/about-base.png" "$tmp/about-things.png" -compose over -composite \
    \( -size 160x200 radial-gradient:'#ffffff'-'#c8b8a8' \) -compose multiply -composite \
    "${JPG[@]}" "$pic/about.jpg"

###########################################################################
# Program icon for the desktop's menu, in the hicolor sizes: a wall clock on
# a teal tile, drawn at 1024 and averaged down to each size.
icons="$here/icons"
mkdir -p "$icons"
ticks=""
for h in $(seq 0 11); do
    a=$((h * 30))
    if [ $((h % 3)) -eq 0 ]; then ticks="$ticks stroke-width 44 line $(pt 512 512 250 $a) $(pt 512 512 330 $a)"
    else ticks="$ticks stroke-width 26 line $(pt 512 512 280 $a) $(pt 512 512 330 $a)"; fi
done
convert -respect-parentheses -size 1024x1024 xc:none \
    \( -size 1024x1024 gradient:'#4fb3bf'-'#0f4f5c' -write mpr:tile +delete \) \
    \( -size 1024x1024 gradient:'#b5773f'-'#6a3a18' -write mpr:wood +delete \) \
    -stroke none -tile mpr:tile -draw "roundrectangle 40,40 984,984 200,200" +tile \
    \( -size 1024x1024 xc:none -fill '#000000' -draw "circle 530,540 530,116" \
       -channel A -evaluate multiply 0.35 +channel -blur 0x24 \) -compose over -composite \
    -tile mpr:wood -draw "circle 512,512 512,104" +tile \
    -fill '#fffaf0' -draw "circle 512,512 512,154" \
    -stroke '#4a3424' -draw "stroke-linecap round $ticks" \
    -stroke '#33261c' -draw "stroke-linecap round stroke-width 56 $(hand 512 512 215 170) stroke-width 40 $(hand 512 512 -30 250)" \
    -stroke '#c8322a' -draw "stroke-linecap round stroke-width 16 $(hand 512 512 120 270) $(hand 512 512 300 60)" \
    -stroke none -fill '#33261c' -draw "circle 512,512 512,468" -fill '#c8322a' -draw "circle 512,512 512,488" \
    "$tmp/icon-1024.png"
for size in 16 24 32 48 64 128 256; do
    convert "$tmp/icon-1024.png" -filter box -resize "${size}x${size}" -depth 8 -strip \
        -define png:exclude-chunks=date,time "$icons/kirveno-$size.png"
done

###########################################################################
# Sounds: 16-bit PCM, mono, 44100 Hz, peak at -3 dB.
###########################################################################
# Each piece is made as 32-bit float and then mixed; -R fixes the random seeds (noise,
# dither) so that every run gives the same bytes.
SOXF=(-R -r 44100 -c 1 -e floating-point -b 32)
SOXOUT=(-R -r 44100 -c 1 -e signed-integer -b 16)

# partial OUT FREQ AMPLITUDE DECAY-SECONDS [START]
# One sine that dies away exponentially (sox's "l" fade falls 50 dB).
partial() {
    sox "${SOXF[@]}" -n "$1" synth "$4" sine "$2" vol "$3" \
        fade l 0.002 "$4" "$(awk -v d="$4" 'BEGIN { printf "%.3f", d - 0.002 }')" \
        pad "${5:-0}"
}

# burst OUT LENGTH LOW-HZ HIGH-HZ AMPLITUDE START -> a filtered noise click
burst() {
    sox "${SOXF[@]}" -n "$1" synth "$2" whitenoise \
        fade l 0.0005 "$2" "$(awk -v d="$2" 'BEGIN { printf "%.4f", d - 0.0005 }')" \
        pad 0.005 0.005 sinc "$3-$4" vol "$5" trim 0.004 pad "$6"
}

# Bell (zil01): a struck bell around 1 kHz; the two lowest partials are a
# little detuned against each other, which makes the tone shimmer.
b="$tmp/bell"
partial "$b-1.wav"  1046.5 1.00 1.15
partial "$b-2.wav"  1049.6 0.45 1.05
partial "$b-3.wav"  2093.0 0.28 0.80
partial "$b-4.wav"  2888.3 0.30 0.60
partial "$b-5.wav"  3139.5 0.12 0.45
partial "$b-6.wav"  5650.0 0.08 0.22
partial "$b-7.wav"   523.3 0.10 1.15
burst   "$b-8.wav"  0.006 2500 9000 0.25 0
sox -m "$b"-[1-8].wav "${SOXOUT[@]}" "$snd/zil01.wav" \
    fade t 0 -0 0.05 gain -n -3

# Cash register (yazarkasa01): keys and lever clattering, the drawer's
# thump and roll, then a bright "ching".
c="$tmp/till"
burst   "$c-01.wav" 0.010 1800 5200 1.00 0.000
burst   "$c-02.wav" 0.008 2200 6000 0.70 0.032
burst   "$c-03.wav" 0.012 1500 4500 0.85 0.061
burst   "$c-04.wav" 0.007 2600 7000 0.55 0.088
burst   "$c-05.wav" 0.014 1200 4000 0.90 0.118
burst   "$c-06.wav" 0.009 2000 6500 0.60 0.150
burst   "$c-07.wav" 0.045   60  600 1.60 0.190
burst   "$c-08.wav" 0.250  150 1400 0.22 0.200
burst   "$c-09.wav" 0.006 3000 9000 0.60 0.205
partial "$c-10.wav" 2637.0 1.00 0.68 0.205
partial "$c-11.wav" 2641.5 0.50 0.62 0.205
partial "$c-12.wav" 3956.0 0.55 0.50 0.205
partial "$c-13.wav" 5274.0 0.30 0.34 0.205
sox -m "$c"-??.wav "${SOXOUT[@]}" "$snd/yazarkasa01.wav" \
    fade t 0.002 -0 0.04 gain -n -3

echo "make-assets: pictures and sounds are up to date in $here"
