#!/usr/bin/env bash
# Draws the strip of 16 x 16 icons that the palette and the scene list share (kinds.bmp, bitmap
# 190): the closed and the open folder, then one icon per entry kind in kind order (Image, Show,
# Move, Hide, Wait, Cls, Repeat, Until, Line, Multimedia, Play, Stop, Comment). tools/make-art runs
# it; the file it writes is committed.
#
# Each icon is drawn in MVG on a 16-unit grid at four times its size and reduced with a box filter.
# Pixels at least half covered keep their colour (edges blended over white, the tree's and the
# list's background); every other pixel becomes exactly the mask colour RGB(0,128,128), which the
# image list makes transparent. Needs ImageMagick 6.
source "$(dirname "$0")/art_common.sh" "$@"

ink='#2B3A55'
paper='#FFFFFF'
grey='#8C96A8'
steel='#C3CEDD'
sky='#8EC5F5'
blue='#2F74D0'
gold='#F6B93B'
gold_light='#FFD874'
gold_dark='#D08E16'
red='#E0483C'
night='#14224A'
green='#2FA866'
green_dark='#1E7A48'
orange='#EE7B1E'
purple='#8A4FD0'
pink='#F29BB4'
mask='#008080'

folder_back() {
  cat <<EOF
stroke '$ink' stroke-width 1 stroke-linejoin round
fill '$gold_dark'
path 'M1.5,3.5 L6,3.5 L7.5,5 L14.5,5 L14.5,13.5 L1.5,13.5 Z'
EOF
}

icon_folder_closed() {
  folder_back
  cat <<EOF
fill '$gold'
path 'M1.5,6.5 L14.5,6.5 L14.5,13.5 L1.5,13.5 Z'
stroke none fill '$gold_light'
rectangle 2.5,7.5 13.5,8.5
EOF
}

icon_folder_open() {
  folder_back
  cat <<EOF
fill '$paper'
path 'M3.5,6.5 L12.5,6.5 L12.5,10 L3.5,10 Z'
fill '$gold'
path 'M1.5,13.5 L4,8 L15.5,8 L13,13.5 Z'
EOF
}

icon_image() {
  cat <<EOF
stroke '$ink' stroke-width 1
fill '$sky'
rectangle 1.5,2.5 14.5,13.5
stroke none fill '$green'
path 'M2,13 L2,10.5 L6,6.5 L9.5,10 L11.5,8 L14,10.5 L14,13 Z'
fill '$gold'
circle 11,5.5 12.6,5.5
EOF
}

# An eye, open or with its lid shut.
eye_outline() {
  echo "stroke '$ink' stroke-width 1 fill '$paper' path 'M0.8,8 Q8,0.5 15.2,8 Q8,15.5 0.8,8 Z'"
}

icon_show() {
  eye_outline
  cat <<EOF
stroke none fill '$blue'
circle 8,8 11,8
fill '$ink'
circle 8,8 9.4,8
fill '$paper'
circle 7,7 7.6,7
EOF
}

icon_hide() {
  eye_outline
  cat <<EOF
stroke '$ink' stroke-width 1 fill none
path 'M2.5,8.5 Q8,12 13.5,8.5'
stroke '$red' stroke-width 2 stroke-linecap round
line 2.5,13.5 13.5,2.5
EOF
}

icon_move() {
  cat <<EOF
stroke '$ink' stroke-width 0.8 stroke-linejoin round fill '$blue'
path 'M8,0.6 L11.4,4 L9.2,4 L9.2,6.8 L12,6.8 L12,4.6 L15.4,8 L12,11.4 L12,9.2 L9.2,9.2 L9.2,12 L11.4,12 L8,15.4 L4.6,12 L6.8,12 L6.8,9.2 L4,9.2 L4,11.4 L0.6,8 L4,4.6 L4,6.8 L6.8,6.8 L6.8,4 L4.6,4 Z'
EOF
}

icon_wait() {
  cat <<EOF
stroke '$ink' stroke-width 1 fill '$paper'
circle 8,8.5 8,1.5
stroke '$ink' stroke-width 1.4 stroke-linecap round
line 8,8.5 8,4.2
line 8,8.5 11.2,10.2
stroke none fill '$red'
circle 8,8.5 8.9,8.5
EOF
}

icon_cls() {
  cat <<EOF
stroke '$ink' stroke-width 1 fill '$steel'
rectangle 0.5,1.5 15.5,11.5
stroke none fill '$night'
rectangle 2,3 14,10
fill '$paper'
path 'M7,3 L14,3 L14,10 L4,10 Z'
stroke '$sky' stroke-width 1
line 7.5,3 4.5,10
stroke none fill '$grey'
rectangle 5,12 11,13
rectangle 3,13 13,14.5
EOF
}

# A loop arrow round (8,8.5) with its head at the top: Repeat turns clockwise, Until turns back
# against it and carries the mark of an end.
icon_repeat() {
  cat <<EOF
stroke '$green' stroke-width 2 fill none stroke-linecap butt
path 'M13,8.5 A5,5 0 1 1 7.6,3.5'
stroke '$green_dark' stroke-width 0.6 stroke-linejoin round fill '$green'
path 'M7.4,0.4 L12,3.5 L7.4,6.6 Z'
EOF
}

icon_until() {
  cat <<EOF
stroke '$orange' stroke-width 2 fill none stroke-linecap butt
path 'M3,8.5 A5,5 0 1 0 8.4,3.5'
stroke '$ink' stroke-width 0.6 stroke-linejoin round fill '$orange'
path 'M8.6,0.4 L4,3.5 L8.6,6.6 Z'
stroke none fill '$ink'
rectangle 6.5,7.5 9.5,10.5
EOF
}

icon_line() {
  cat <<EOF
stroke '$red' stroke-width 1.8 stroke-linecap round
line 3,13 13,3
stroke '$ink' stroke-width 1 fill '$paper'
rectangle 1,11 5,15
rectangle 11,1 15,5
EOF
}

icon_multimedia() {
  cat <<EOF
stroke none fill '$purple'
ellipse 4.4,12.4 2.9,2.2 0,360
ellipse 12.1,10.8 2.9,2.2 0,360
rectangle 5.8,3.6 7.3,12.4
rectangle 13.5,2 15,10.8
path 'M5.8,3.6 L15,1.2 L15,4.4 L5.8,6.8 Z'
EOF
}

icon_play() {
  cat <<EOF
stroke '$green_dark' stroke-width 1 stroke-linejoin round fill '$green'
path 'M3.5,1.5 L14,8 L3.5,14.5 Z'
EOF
}

icon_stop() {
  cat <<EOF
stroke '$ink' stroke-width 1 fill '$red'
roundrectangle 2.5,2.5 13.5,13.5 1.5,1.5
EOF
}

icon_comment() {
  cat <<EOF
stroke '$ink' stroke-width 1 stroke-linejoin round fill '#FFF6C8'
path 'M1.5,2.5 L14.5,2.5 L14.5,10.5 L7.5,10.5 L4,14 L4,10.5 L1.5,10.5 Z'
stroke none fill '$grey'
rectangle 3.5,4.5 12.5,5.5
rectangle 3.5,7 10,8
EOF
}

# render NAME OUT: icon NAME at 16 x 16 with transparency.
render() {
  { echo "affine 4 0 0 4 0 0"; "icon_$1"; } >"$tmp/$1.mvg"
  convert -size 64x64 xc:none -draw "$(cat "$tmp/$1.mvg")" -filter box -resize 16x16 "$2"
}

# on_mask IN OUT: the icon over white where at least half covered, the mask colour elsewhere.
on_mask() {
  convert "$1" -background white -alpha remove -alpha off "$tmp/rgb.png"
  convert "$1" -alpha extract -threshold 50% "$tmp/cover.png"
  convert "$tmp/rgb.png" -fill "$mask" -colorize 100 "$tmp/masked.png"
  convert "$tmp/masked.png" "$tmp/rgb.png" "$tmp/cover.png" -composite "$2"
}

icons=(folder_closed folder_open image show move hide wait cls repeat until line multimedia play stop
       comment)
strip=()
for name in "${icons[@]}"; do
  render "$name" "$tmp/$name.png"
  on_mask "$tmp/$name.png" "$tmp/${name}_masked.png"
  strip+=("$tmp/${name}_masked.png")
done
convert "${strip[@]}" +append -alpha off -type TrueColor "BMP3:$out/kinds.bmp"

# --- Checks -------------------------------------------------------------------------------------

size=$(identify -format '%wx%h' "$out/kinds.bmp")
bits=$(od -An -tu2 -j28 -N2 "$out/kinds.bmp" | tr -d ' ')
if [ "$size" != 240x16 ] || [ "$bits" != 24 ]; then
  echo "make_kinds: kinds.bmp is $size, $bits bits, not 240x16, 24 bits" >&2
  exit 1
fi
# Every icon shows something, and no two are alike.
for i in "${!icons[@]}"; do
  drawn=$(convert "$out/kinds.bmp" -crop "16x16+$((i * 16))+0" +repage \
    -fx "(r == 0 && abs(g - 128/255) < 0.002 && abs(b - 128/255) < 0.002) ? 0 : 1" \
    -format '%[fx:round(mean * w * h)]' info:)
  if [ "$drawn" -lt 40 ]; then
    echo "make_kinds: icon ${icons[$i]} has only $drawn drawn pixels" >&2
    exit 1
  fi
done
sums=$(for i in "${!icons[@]}"; do
  convert "$out/kinds.bmp" -crop "16x16+$((i * 16))+0" +repage rgb:- | md5sum
done | sort | uniq -d)
[ -z "$sums" ] || { echo "make_kinds: two icons are the same" >&2; exit 1; }
