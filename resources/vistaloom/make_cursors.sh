#!/usr/bin/env bash
# Draws the builder's drag cursors, 32 x 32 colour cursors with the hot spot at the arrow's tip
# (0, 0): the pointer arrow with what the drop will do beside it. Moving one command (197) carries a
# page, moving several (205) a stack of pages; copying (105 one, 203 several) adds a green plus;
# linking (204) a blue bent arrow on a page. tools/make-art runs it; the files it writes are
# committed.
#
# Drawn in MVG on a 32-unit grid at four times the size and reduced with a box filter; outlines run
# through pixel centres (x.5) so they stay one sharp pixel wide.
source "$(dirname "$0")/art_shapes.sh" "$@"

cursor_arrow() {
  cat <<EOF
stroke '#000000' stroke-width 1 stroke-linejoin miter fill '#FFFFFF'
path 'M0.5,0.5 L0.5,16.5 L4.5,12.5 L7.5,18.5 L9.5,17.5 L6.5,11.5 L11.5,11.5 Z'
EOF
}

# sheet X Y: one page of 11 x 13 pixels, its top-left corner at (X, Y).
sheet() {
  local x=$1 y=$2
  cat <<EOF
push graphic-context
stroke '$ink' stroke-width 1 stroke-linejoin miter fill '$paper'
path 'M$x.5,$y.5 L$((x + 7)).5,$y.5 L$((x + 10)).5,$((y + 3)).5 L$((x + 10)).5,$((y + 12)).5 L$x.5,$((y + 12)).5 Z'
stroke none fill '$blue_light'
rectangle $((x + 2)),$((y + 4)) $((x + 9)),$((y + 5))
rectangle $((x + 2)),$((y + 7)) $((x + 9)),$((y + 8))
rectangle $((x + 2)),$((y + 10)) $((x + 7)),$((y + 11))
pop graphic-context
EOF
}

one_page() { sheet 12 14; }
pages() {
  sheet 15 11
  sheet 12 14
}

# badge: the green plus of a copy, at the lower right.
copy_badge() {
  cat <<EOF
stroke '$ink' stroke-width 1 stroke-linejoin miter fill '$green'
path 'M23.5,19.5 L26.5,19.5 L26.5,22.5 L29.5,22.5 L29.5,25.5 L26.5,25.5 L26.5,28.5 L23.5,28.5
      L23.5,25.5 L20.5,25.5 L20.5,22.5 L23.5,22.5 Z'
EOF
}

# The bent arrow of a link, in a white square at the lower right.
link_badge() {
  cat <<EOF
stroke '$ink' stroke-width 1 fill '$paper'
rectangle 19.5,19.5 30.5,30.5
stroke '$blue' stroke-width 2 fill none stroke-linecap butt
path 'M22.5,29 L22.5,26.5 Q22.5,23.5 25.5,23.5 L26,23.5'
stroke none fill '$blue'
path 'M25.5,20 L29.5,23.5 L25.5,27 Z'
EOF
}

cursor_move() { one_page; cursor_arrow; }
cursor_move_many() { pages; cursor_arrow; }
cursor_copy() { one_page; copy_badge; cursor_arrow; }
cursor_copy_many() { pages; copy_badge; cursor_arrow; }
cursor_link() { one_page; link_badge; cursor_arrow; }

# cursor_file NAME OUT: cursor NAME at 32 x 32 with the hot spot at (0, 0).
cursor_file() {
  { echo "affine 4 0 0 4 0 0"; "cursor_$1"; } >"$tmp/$1.mvg"
  convert -size 128x128 xc:none -draw "$(cat "$tmp/$1.mvg")" -filter box -resize 32x32 "$tmp/$1.png"
  rgba "$tmp/$1.png"
  $pack cur "$2" 0 0 "32:$tmp/$1.png.rgba"
}

cursor_file move "$out/drag_move.cur"
cursor_file move_many "$out/drag_move_many.cur"
cursor_file copy "$out/drag_copy.cur"
cursor_file copy_many "$out/drag_copy_many.cur"
cursor_file link "$out/drag_link.cur"
