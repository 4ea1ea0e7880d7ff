#!/usr/bin/env bash
# Draws the preview toolbar's buttons into this folder: preview_toolbar.bmp (Go, Step By Step,
# Pause, Stop, Sound, Exit and Keep Visible off, seven 16 x 15 images) and preview_keep_visible.bmp
# (Keep Visible on).
# tools/make-art runs it; the files it writes are committed.
#
# Each button is drawn in MVG in pixel units at four times its size and reduced with a box filter:
# outlines run through pixel centres (x.5), so straight edges stay one sharp pixel wide. Magenta
# marks what is not part of a button. Needs ImageMagick 6.
source "$(dirname "$0")/art_common.sh" "$@"

# The builder's palette (make_art.sh).
ink='#2B3A55'
paper='#FFFFFF'
steel='#C3CEDD'
blue='#2F74D0'
blue_light='#7FB0F0'
gold='#F6B93B'
gold_dark='#D08E16'
red='#E0483C'
red_dark='#A92C22'
green='#2FA866'
green_light='#5FCB8C'
magenta='#FF00FF'

width=16
height=15

# pixels COLOUR X,Y ...: single pixels, for lines too thin and steep to survive the reduction.
pixels() {
  local colour=$1 point
  shift
  echo "push graphic-context stroke none fill '$colour'"
  for point in "$@"; do
    echo "rectangle ${point%,*},${point#*,} $((${point%,*} + 1)),$((${point#*,} + 1))"
  done
  echo "pop graphic-context"
}

button_go() {
  cat <<EOF
stroke '$ink' stroke-width 1 stroke-linejoin round fill '$green'
path 'M4.5,1.5 L12.5,7.5 L4.5,13.5 Z'
stroke none fill '$green_light'
path 'M5.5,3.5 L8.5,5.8 L5.5,5.8 Z'
EOF
}

button_step() {
  cat <<EOF
stroke '$ink' stroke-width 1 stroke-linejoin round fill '$green'
path 'M2.5,2.5 L9.5,7.5 L2.5,12.5 Z'
fill '$blue'
rectangle 10.5,2.5 13.5,12.5
EOF
}

button_pause() {
  cat <<EOF
stroke '$ink' stroke-width 1 fill '$blue'
rectangle 3.5,2.5 6.5,12.5
rectangle 9.5,2.5 12.5,12.5
stroke none fill '$blue_light'
rectangle 4,3 5,12
rectangle 10,3 11,12
EOF
}

button_stop() {
  cat <<EOF
stroke '$red_dark' stroke-width 1 fill '$red'
rectangle 3.5,2.5 12.5,11.5
EOF
}

button_sound() {
  cat <<EOF
stroke '$ink' stroke-width 1 stroke-linejoin round fill '$steel'
path 'M1.5,5.5 L4.5,5.5 L8.5,1.5 L8.5,13.5 L4.5,9.5 L1.5,9.5 Z'
EOF
  pixels "$blue" 10,5 11,6 11,7 11,8 10,9 12,3 13,4 14,5 14,6 14,7 14,8 14,9 13,10 12,11
}

button_exit() {
  cat <<EOF
stroke '$ink' stroke-width 1 stroke-linejoin round fill '$paper'
rectangle 1.5,1.5 9.5,13.5
fill '$gold_dark'
path 'M1.5,1.5 L6.5,3.5 L6.5,14.5 L1.5,13.5 Z'
stroke none fill '$gold'
rectangle 5,8 6,9
stroke '$ink' stroke-width 1 fill '$red'
path 'M8.5,6.5 L11.5,6.5 L11.5,4.5 L14.5,7.5 L11.5,10.5 L11.5,8.5 L8.5,8.5 Z'
EOF
}

# Keep Visible off: a closed eye, the toolbar goes while the scene plays.
button_keep_off() {
  pixels "$ink" 1,5 2,6 3,7 4,8 5,8 6,8 7,8 8,8 9,8 10,8 11,8 12,7 13,6 14,5 \
    3,9 2,10 6,9 6,10 9,9 9,10 12,9 13,10
}

# Keep Visible on: an open eye, the toolbar stays.
button_keep_on() {
  cat <<EOF
stroke '$ink' stroke-width 1 stroke-linejoin round fill '$paper'
path 'M1.5,7.5 Q8,0 14.5,7.5 Q8,15 1.5,7.5 Z'
fill '$blue'
circle 8,7.5 8,10.5
stroke none fill '$ink'
circle 8,7.5 8,9
fill '$paper'
rectangle 8.5,5.5 9.5,6.5
EOF
}

# render NAME OUT: draws button NAME at 16 x 15 pixels with transparency.
render() {
  { echo "affine 4 0 0 4 0 0"; "button_$1"; } >"$tmp/$1.mvg"
  convert -size "$((width * 4))x$((height * 4))" xc:none -draw "$(cat "$tmp/$1.mvg")" \
    -filter box -resize "${width}x${height}!" "$2"
}



strip=()
for name in go step pause stop sound exit keep_off; do
  render "$name" "$tmp/$name.png"
  strip+=("$tmp/$name.png")
done
convert -background none "${strip[@]}" +append "$tmp/strip.png"
on_magenta "$tmp/strip.png" "$tmp/strip_keyed.png"
bmp24 "$tmp/strip_keyed.png" "$out/preview_toolbar.bmp"

render keep_on "$tmp/keep_on.png"
on_magenta "$tmp/keep_on.png" "$tmp/keep_on_keyed.png"
bmp24 "$tmp/keep_on_keyed.png" "$out/preview_keep_visible.bmp"

# --- Checks -------------------------------------------------------------------------------------

for check in "preview_toolbar.bmp $((7 * width))x$height" "preview_keep_visible.bmp ${width}x$height"; do
  read -r file size <<<"$check"
  got=$(identify -format '%wx%h' "$out/$file")
  bits=$(od -An -tu2 -j28 -N2 "$out/$file" | tr -d ' ')
  if [ "$got" != "$size" ] || [ "$bits" != 24 ]; then
    echo "make_preview_art: $file is $got, $bits bits, not $size, 24 bits" >&2
    exit 1
  fi
  near=$(convert "$out/$file" -fx '(r > 0.7 && b > 0.7 && g < 0.35 && !(r == 1 && b == 1 && g == 0)) ? 1 : 0' \
    -format '%[fx:round(mean * w * h)]' info:)
  [ "$near" = 0 ] || { echo "make_preview_art: $file has $near pixels close to magenta" >&2; exit 1; }
done
