#!/usr/bin/env bash
# Draws the builder's pictures: the toolbar strips, the splash, the About box's picture, the three
# start-window pictures and Glint's preview picture. tools/make-art runs it; the files it writes are
# committed.
#
# Buttons and icons are drawn in MVG on a 48-unit grid at four times their size and reduced with a
# box filter, so edges on whole units stay sharp; "ink" is the outline colour. Needs ImageMagick 6.
source "$(dirname "$0")/art_shapes.sh" "$@"

font_bold=DejaVu-Sans-Bold
font_plain=DejaVu-Sans
fonts=$(convert -list font)
for f in "$font_bold" "$font_plain"; do
  grep -q "Font: $f\$" <<<"$fonts" || { echo "make_art: font $f not found" >&2; exit 1; }
done

# --- Toolbar buttons, 48 x 48 units each -------------------------------------------------------

icon_new() {
  page 10 4 28 40 10
}

icon_open() {
  cat <<EOF
stroke '$ink' stroke-width 2 stroke-linejoin round
fill '$gold_dark'
path 'M4,10 L17,10 L21,14 L40,14 L40,40 L4,40 Z'
fill '$paper'
path 'M9,19 L35,19 L35,30 L9,30 Z'
fill '$gold'
path 'M4,40 L11,22 L45,22 L39,40 Z'
stroke none fill '$gold_light'
path 'M12.5,25 L41,25 L40.3,27 L11.8,27 Z'
EOF
}

icon_save() {
  cat <<EOF
stroke '$ink' stroke-width 2 stroke-linejoin round
fill '$blue'
path 'M6,6 L36,6 L42,12 L42,42 L6,42 Z'
fill '$steel'
path 'M14,6 L33,6 L33,18 L14,18 Z'
stroke none fill '$ink'
rectangle 26,9 30,15
stroke '$ink' stroke-width 2 fill '$paper'
path 'M12,25 L36,25 L36,42 L12,42 Z'
stroke none fill '$blue_light'
rectangle 16,30 32,32
rectangle 16,35 28,37
EOF
}

# One scissor blade pointing up from the pivot, before it is turned into place.
blade() {
  echo "path 'M-1.5,11 L-4.2,0 C-4.2,-8 -2.6,-14 0,-20 L3,-1 L2.5,11 Z'"
}

icon_cut() {
  cat <<EOF
stroke-linejoin round
push graphic-context
translate 24,21 rotate 25
stroke '$ink' stroke-width 1.5 fill '$steel'
$(blade)
pop graphic-context
push graphic-context
translate 24,21 rotate -25 scale -1,1
stroke '$ink' stroke-width 1.5 fill '$paper'
$(blade)
pop graphic-context
fill none
stroke '$ink' stroke-width 6
circle 16,36.5 16,41.5
circle 32,36.5 32,41.5
stroke '$red' stroke-width 3.2
circle 16,36.5 16,41.5
circle 32,36.5 32,41.5
stroke none fill '$ink'
circle 24,21 24,22.8
EOF
}

icon_copy() {
  page 5 4 24 30 8
  lines 9 16 14 3 5
  page 18 14 24 30 8
  lines 22 25 15 4 5
}

icon_paste() {
  cat <<EOF
stroke '$ink' stroke-width 2 stroke-linejoin round
fill '$gold_dark'
roundrectangle 7,8 37,44 3,3
fill '$paper'
rectangle 11,13 33,40
fill '$steel'
roundrectangle 15,4 29,13 2,2
stroke none fill '$ink'
rectangle 19,7 25,9
EOF
  lines 15 20 14 2 5
  page 22 22 20 23 7
  lines 26 31 11 3 5
}


icon_add_edit() {
  plus 17 17 13 5
  cat <<EOF
push graphic-context
translate 32,32 rotate 45
stroke '$ink' stroke-width 2 stroke-linejoin round
fill '$red'
path 'M-5,-20 L5,-20 L5,-14 L-5,-14 Z'
fill '$steel'
path 'M-5,-14 L5,-14 L5,-11 L-5,-11 Z'
fill '$gold'
path 'M-5,-11 L5,-11 L5,8 L-5,8 Z'
fill '#F7DDB0'
path 'M-5,8 L5,8 L0,18 Z'
stroke none fill '$ink'
path 'M-1.8,14.4 L1.8,14.4 L0,18 Z'
fill '$gold_light'
rectangle -3,-10 -1,7
pop graphic-context
EOF
}

icon_add() {
  plus 24 24 18 6
}

icon_insert() {
  cat <<EOF
stroke '$ink' stroke-width 2 stroke-linejoin round
fill '$steel'
rectangle 22,6 44,12
rectangle 22,15 44,21
rectangle 22,36 44,42
fill '$blue_light'
rectangle 24,25 44,32
fill '$blue'
path 'M3,25 L12,25 L12,20 L21,28.5 L12,37 L12,32 L3,32 Z'
EOF
}

icon_delete() {
  cat <<EOF
push graphic-context
translate 24,24 rotate 45
stroke '$red_dark' stroke-width 2 stroke-linejoin round fill '$red'
path 'M-4,-19 L4,-19 L4,-4 L19,-4 L19,4 L4,4 L4,19 L-4,19 L-4,4 L-19,4 L-19,-4 L-4,-4 Z'
pop graphic-context
EOF
}

icon_preview() {
  cat <<EOF
stroke '$ink' stroke-width 2 stroke-linejoin round
fill '$ink'
rectangle 20,34 28,40
roundrectangle 13,39 35,44 2,2
roundrectangle 3,6 45,35 3,3
stroke none fill '$blue'
rectangle 6,9 42,32
fill '$blue_dark'
path 'M6,26 C16,20 26,32 42,22 L42,32 L6,32 Z'
stroke '$ink' stroke-width 1.5 fill '$paper'
path 'M19,13 L19,29 L32,21 Z'
EOF
}


icon_wizard() {
  cat <<EOF
push graphic-context
translate 16,32 rotate 45
stroke '$ink' stroke-width 2 stroke-linejoin round
fill '$ink'
rectangle -3,-14 3,15
fill '$paper'
rectangle -3,-14 3,-8
pop graphic-context
EOF
  star 34 14 11
  sparkle 12 10 5 "$blue"
  sparkle 42 32 4.5 "$blue"
}

icon_start() {
  cat <<EOF
stroke '$ink' stroke-width 2 stroke-linejoin round
fill '$paper'
roundrectangle 4,6 44,42 2,2
fill '$blue'
path 'M4,8 Q4,6 6,6 L42,6 Q44,6 44,8 L44,14 L4,14 Z'
stroke none fill '$paper'
rectangle 37,9 40,11
fill '$gold'
stroke '$ink' stroke-width 2
path 'M16,28 L16,38 L32,38 L32,28 Z'
fill '$red'
path 'M12,29 L24,19 L36,29 Z'
fill '$blue_dark'
rectangle 22,31 26,38
EOF
}

# --- Toolbar ------------------------------------------------------------------------------------

toolbar_icons=(new open save cut copy paste add_edit add insert delete preview wizard start)
strip=()
for name in "${toolbar_icons[@]}"; do
  render "$name" 48 "$tmp/tb_$name.png"
  strip+=("$tmp/tb_$name.png")
done
convert -background none "${strip[@]}" +append "$tmp/toolbar.png"
# Greyed: no colour, lighter and flatter, still readable.
convert "$tmp/toolbar.png" -colorspace Gray -colorspace sRGB +level 34%,90% "$tmp/toolbar_disabled.png"

on_magenta "$tmp/toolbar.png" "$tmp/toolbar_keyed.png"
on_magenta "$tmp/toolbar_disabled.png" "$tmp/toolbar_disabled_keyed.png"
bmp24 "$tmp/toolbar_keyed.png" "$out/toolbar.bmp"
bmp24 "$tmp/toolbar_disabled_keyed.png" "$out/toolbar_disabled.bmp"

# --- Splash 400 x 250, About picture 354 x 96, Glint's preview 96 x 112 -------------------------

# The night sky with the aurora, 400 x 250: the splash's background, and the other two pictures
# are cut from it.
sw=400
sh=250
convert -size "${sw}x${sh}" "gradient:#050918-#1A2C5A" "$tmp/sky.png"
convert -size "${sw}x${sh}" xc:none -fill white -stroke none -draw "$(stars $sw 150 70 20240611)" "$tmp/stars.png"
# The aurora: a curtain of rays, bright green at its lower edge and fading through teal to a faint
# violet at the top, over a wide soft glow that follows the same wave.
convert -size "${sw}x${sh}" xc:none -fill none -strokewidth 2.2 -draw "$(aurora_rays $sw 7)" \
  -motion-blur 0x10+270 -blur 0x2.5 "$tmp/aur_rays.png"
convert -size "${sw}x${sh}" xc:none -fill none -stroke '#1FAE8C' -strokewidth 40 \
  -draw "path '$(aurora_wave $sw -12)'" -channel A -evaluate multiply 0.35 +channel -blur 0x18 "$tmp/aur_glow.png"
convert "$tmp/sky.png" "$tmp/stars.png" -composite \
  "$tmp/aur_glow.png" -compose screen -composite \
  "$tmp/aur_rays.png" -compose screen -composite "$tmp/splash_bg.png"

# titled BACKGROUND W H OUT TEXT... : BACKGROUND with lines of text, each "FONT SIZE Y COLOUR
# WORDS", centred, over a soft shadow so they stay readable over the light.
titled() {
  local bg=$1 w=$2 h=$3 result=$4 font size y colour words
  shift 4
  local args=()
  for line in "$@"; do
    read -r font size y colour words <<<"$line"
    args+=(-font "$font" -pointsize "$size" -fill "$colour" -annotate "+0+$y" "$words")
  done
  convert -size "${w}x${h}" xc:none -gravity north "${args[@]}" "$tmp/title_text.png"
  convert "$tmp/title_text.png" -background '#020512' -shadow 70x3+0+2 "$tmp/title_shadow.png"
  convert "$bg" \( "$tmp/title_shadow.png" -repage +0+0 \) -compose over -composite \
    "$tmp/title_text.png" -compose over -composite -crop "${w}x${h}+0+0" +repage "$result"
}

titled "$tmp/splash_bg.png" $sw $sh "$tmp/splash.png" \
  "$font_bold 58 128 white Vistaloom" "$font_plain 19 200 #C9D8F2 Screen saver builder"
bmp24 "$tmp/splash.png" "$out/splash.bmp"

# The About box's picture: the brightest band of the aurora with the name over it.
convert "$tmp/splash_bg.png" -crop 354x96+23+18 +repage "$tmp/about_bg.png"
titled "$tmp/about_bg.png" 354 96 "$tmp/about.png" "$font_bold 40 34 white Vistaloom"
bmp24 "$tmp/about.png" "$out/about.bmp"

# Glint's preview in the display settings' small screen: the aurora over dark hills with a glint
# of light, in 256 colours.
convert "$tmp/splash_bg.png" -crop 214x250+130+0 +repage -filter box -resize 96x112\! \
  -fill '#081026' -stroke none -draw "path 'M0,86 C18,78 30,80 46,88 C62,96 76,78 96,82 L96,112 L0,112 Z'" \
  -fill '#0E1A3A' -draw "path 'M0,98 C24,90 50,96 68,100 C80,103 90,99 96,98 L96,112 L0,112 Z'" \
  -draw "$(sparkle 70 26 9 "$gold_light")" \
  -dither None -colors 256 -type Palette -compress None "BMP3:$tmp/preview.bmp"
$pack bmp8 "$tmp/preview.bmp" "$out_root/glint/preview.bmp"

# --- Start-window pictures, 120 x 90 ------------------------------------------------------------

# start_picture ICON WORDS OUT: the icon large at the top, under it what clicking the picture does.
start_picture() {
  local icon=$1 word=$2 file=$3
  render "$icon" 56 "$tmp/start_icon.png"
  convert -size 120x90 "gradient:#FFFFFF-#DDE6F4" \
    -fill none -stroke '#AEBBD2' -draw "rectangle 0,0 119,89" \
    "$tmp/start_icon.png" -gravity north -geometry +0+5 -compose over -composite \
    -font "$font_bold" -pointsize 12 -fill "$ink" -stroke none -gravity south -annotate +0+7 "$word" \
    "$tmp/start.png"
  bmp24 "$tmp/start.png" "$file"
}
start_picture wizard 'Run the wizard' "$out/start_wizard.bmp"
start_picture new 'New scene' "$out/start_empty.bmp"
start_picture open 'Open a scene' "$out/start_open.bmp"

# --- Checks -------------------------------------------------------------------------------------

# bmp_is FILE SIZE: FILE is a 24-bit BMP of SIZE (W x H) pixels.
bmp_is() {
  local size bits
  size=$(identify -format '%wx%h' "$out/$1")
  bits=$(od -An -tu2 -j28 -N2 "$out/$1" | tr -d ' ')
  if [ "$size" != "$2" ] || [ "$bits" != 24 ]; then
    echo "make_art: $1 is $size, $bits bits, not $2, 24 bits" >&2
    exit 1
  fi
}
bmp_is toolbar.bmp 624x48
bmp_is toolbar_disabled.bmp 624x48
bmp_is splash.bmp 400x250
for f in start_wizard.bmp start_empty.bmp start_open.bmp; do bmp_is "$f" 120x90; done
bmp_is about.bmp 354x96

# The toolbar strips must hold only exact magenta or colours well away from it.
for f in toolbar.bmp toolbar_disabled.bmp; do
  near=$(convert "$out/$f" -fx '(r > 0.7 && b > 0.7 && g < 0.35 && !(r == 1 && b == 1 && g == 0)) ? 1 : 0' \
    -format '%[fx:round(mean * w * h)]' info:)
  [ "$near" = 0 ] || { echo "make_art: $f has $near pixels close to the transparent magenta" >&2; exit 1; }
done
