#!/usr/bin/env bash
# Draws the program icons (the builder, its scene document, Glint and Ferrule at 16, 32, 48 and 256
# pixels) and the media icon of the wizard's media page (16, 32, 48). tools/make-art runs it; the
# files it writes are committed. The 16-pixel icons are drawn on their own on a 3-unit grid, one
# unit a third of a pixel, so that their edges fall on whole pixels.
source "$(dirname "$0")/art_shapes.sh" "$@"

icon_app() {
  cat <<EOF
stroke '$ink' stroke-width 2 stroke-linejoin round fill '$ink'
rectangle 20,37 28,41
roundrectangle 12,40 36,45 2,2
EOF
  screen_emblem
}

# The 16-pixel icon is drawn on its own, every edge on a whole pixel (3 units).
icon_app16() {
  cat <<EOF
stroke none fill '$ink'
rectangle 0,3 48,39
rectangle 18,39 30,42
rectangle 9,42 39,48
fill '$night'
rectangle 3,6 45,36
fill '$teal'
path 'M3,27 L12,21 L21,27 L30,21 L39,15 L45,15 L45,24 L39,24 L30,30 L21,36 L12,30 L3,36 Z'
fill '$green_light'
path 'M3,27 L12,21 L21,27 L30,21 L39,15 L45,15 L45,18 L39,18 L30,24 L21,30 L12,24 L3,30 Z'
fill '$gold_light'
rectangle 33,6 36,15
rectangle 30,9 39,12
EOF
}

icon_doc() {
  page 7 2 34 44 10
  echo "push graphic-context translate 11,15 scale 0.54,0.54"
  screen_emblem
  echo "pop graphic-context"
  lines 13 37 22 1 5
}

icon_doc16() {
  cat <<EOF
stroke none fill '$ink'
path 'M6,0 L33,0 L42,9 L42,48 L6,48 Z'
fill '$paper'
path 'M9,3 L30,3 L30,12 L39,12 L39,45 L9,45 Z'
fill '$night'
rectangle 12,18 36,36
fill '$teal'
path 'M12,30 L18,24 L24,30 L30,24 L36,24 L36,30 L30,30 L24,36 L18,30 L12,36 Z'
fill '$gold_light'
rectangle 30,18 33,21
EOF
}

# Glint, the screen saver itself: the aurora screen without a stand, and a large glint.
icon_glint() {
  cat <<EOF
push graphic-context
stroke none fill '$night'
rectangle 5,5 43,43
EOF
  ribbon 8 15 "$teal"
  ribbon 9 11.5 "$green_light"
  ribbon 9 9.8 '#C8F8EA'
  cat <<EOF
fill '#FFFFFF'
rectangle 10,11 11,12
rectangle 19,9 20,10
rectangle 12,38 13,39
pop graphic-context
EOF
  sparkle 33 16 11 "$gold_light"
  cat <<EOF
push graphic-context
stroke none fill '$ink' fill-rule evenodd
path 'M8,2 L40,2 Q46,2 46,8 L46,40 Q46,46 40,46 L8,46 Q2,46 2,40 L2,8 Q2,2 8,2 Z
      M5,5 L43,5 L43,43 L5,43 Z'
pop graphic-context
EOF
}

icon_glint16() {
  cat <<EOF
stroke none fill '$ink'
rectangle 0,0 48,48
fill '$night'
rectangle 3,3 45,45
fill '$teal'
path 'M3,36 L12,30 L21,36 L30,30 L39,24 L45,24 L45,33 L39,33 L30,39 L21,45 L12,39 L3,45 Z'
fill '$green_light'
path 'M3,36 L12,30 L21,36 L30,30 L39,24 L45,24 L45,27 L39,27 L30,33 L21,39 L12,33 L3,39 Z'
fill '$gold_light'
rectangle 30,6 36,24
rectangle 24,12 42,18
EOF
}

# Ferrule, the installer: a box that the aurora screen goes into.
icon_ferrule() {
  echo "push graphic-context translate 9,0 scale 0.62,0.62"
  screen_emblem
  echo "pop graphic-context"
  cat <<EOF
stroke '$ink' stroke-width 2 stroke-linejoin round
fill '$gold_dark'
path 'M4,26 L12,20 L36,20 L44,26 Z'
fill '$gold'
path 'M4,26 L44,26 L44,45 L4,45 Z'
fill '$gold_light'
path 'M4,26 L1,33 L17,33 L20,26 Z'
path 'M44,26 L47,33 L31,33 L28,26 Z'
stroke none fill '$green'
path 'M19,29 L29,29 L29,35 L34,35 L24,43 L14,35 L19,35 Z'
EOF
}

icon_ferrule16() {
  cat <<EOF
stroke none fill '$ink'
rectangle 9,0 39,21
fill '$night'
rectangle 12,3 36,18
fill '$teal'
rectangle 12,12 36,15
fill '$ink'
rectangle 0,21 48,48
fill '$gold'
rectangle 3,24 45,45
fill '$gold_light'
rectangle 3,24 45,27
fill '$green'
rectangle 21,27 27,36
rectangle 15,36 33,39
rectangle 18,39 30,42
EOF
}

# The media icon: a strip of film and the note of the Multimedia kind.
icon_media() {
  cat <<EOF
stroke '$ink' stroke-width 2 stroke-linejoin round fill '$ink'
rectangle 4,3 22,45
stroke none fill '$paper'
rectangle 6,6 9,9
rectangle 6,14 9,17
rectangle 6,22 9,25
rectangle 6,30 9,33
rectangle 6,38 9,41
rectangle 17,6 20,9
rectangle 17,14 20,17
rectangle 17,22 20,25
rectangle 17,30 20,33
rectangle 17,38 20,41
fill '$blue_light'
rectangle 11,6 15,19
rectangle 11,23 15,36
stroke '$ink' stroke-width 1.5 fill '$purple'
ellipse 27,38 5.5,4.2 0,360
ellipse 40,34 5.5,4.2 0,360
path 'M31,38 L31,12 L45,8 L45,34 L44,34 L44,16 L32.5,19.4 L32.5,38 Z'
EOF
}

icon_media16() {
  cat <<EOF
stroke none fill '$ink'
rectangle 0,0 21,48
fill '$paper'
rectangle 3,3 6,6
rectangle 3,15 6,18
rectangle 3,27 6,30
rectangle 3,39 6,42
rectangle 15,3 18,6
rectangle 15,15 18,18
rectangle 15,27 18,30
rectangle 15,39 18,42
fill '$blue_light'
rectangle 9,3 12,21
rectangle 9,27 12,45
fill '$purple'
rectangle 24,36 33,45
rectangle 24,39 36,42
rectangle 39,30 48,39
rectangle 36,33 48,36
rectangle 30,9 33,36
rectangle 45,3 48,30
rectangle 30,3 48,9
EOF
}

# --- Files --------------------------------------------------------------------------------------

# icon_file OUT NAME SIZE...: one .ico with the icon at each size, drawn as NAME16 at 16 pixels and
# as NAME at the others.
icon_file() {
  local file=$1 name=$2 size drawing images=()
  shift 2
  for size in "$@"; do
    drawing=$name
    [ "$size" != 16 ] || drawing=${name}16
    render "$drawing" "$size" "$tmp/$name-$size.png"
    rgba "$tmp/$name-$size.png"
    images+=("$size:$tmp/$name-$size.png.rgba")
  done
  $pack ico "$file" "${images[@]}"
}

icon_file "$out/vistaloom.ico" app 16 32 48 256
icon_file "$out/document.ico" doc 16 32 48 256
icon_file "$out/media.ico" media 16 32 48
icon_file "$out_root/glint/glint.ico" glint 16 32 48 256
icon_file "$out_root/ferrule/ferrule.ico" ferrule 16 32 48 256

# Each file holds its sizes, smallest first.
for check in "vistaloom/vistaloom.ico 16 32 48 256" "vistaloom/document.ico 16 32 48 256" \
  "vistaloom/media.ico 16 32 48" "glint/glint.ico 16 32 48 256" "ferrule/ferrule.ico 16 32 48 256"; do
  read -r file sizes <<<"$check"
  got=$(identify -format '%w ' "$out_root/$file")
  [ "$got" = "$sizes " ] || { echo "make_icons: $file holds $got, not $sizes" >&2; exit 1; }
done
