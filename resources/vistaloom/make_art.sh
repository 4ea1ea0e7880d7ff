#!/usr/bin/env bash
# Draws the builder's pictures: the toolbar strips, the two icons, the splash and the three
# start-window pictures, all into this folder. Run it again after changing a drawing; the files
# it writes are committed. With --preview DIR it also writes enlarged PNG copies and a montage of
# everything into DIR for looking at.
#
# Buttons and icons are drawn in MVG on a 48-unit grid at four times their size and reduced with a
# box filter, so edges on whole units stay sharp; "ink" is the outline colour. Needs ImageMagick 6.
source "$(dirname "$0")/art_common.sh"

font_bold=DejaVu-Sans-Bold
font_plain=DejaVu-Sans
fonts=$(convert -list font)
for f in "$font_bold" "$font_plain"; do
  grep -q "Font: $f\$" <<<"$fonts" || { echo "make_art: font $f not found" >&2; exit 1; }
done

# The palette, shared by every picture.
ink='#2B3A55'
paper='#FFFFFF'
paper_shade='#D5DEEC'
steel='#C3CEDD'
blue='#2F74D0'
blue_light='#7FB0F0'
blue_dark='#1E4F9C'
gold='#F6B93B'
gold_light='#FFD874'
gold_dark='#D08E16'
red='#E0483C'
red_dark='#A92C22'
green='#2FA866'
green_light='#5FCB8C'
teal='#22C3A6'
night='#14224A'
magenta='#FF00FF'

# --- Toolbar buttons, 48 x 48 units each -------------------------------------------------------

# page X Y W H FOLD: a white page with a folded top-right corner.
page() {
  local x=$1 y=$2 w=$3 h=$4 f=$5
  local r=$((x + w)) b=$((y + h))
  cat <<EOF
push graphic-context
stroke '$ink' stroke-width 2 stroke-linejoin round
fill '$paper'
path 'M$x,$y L$((r - f)),$y L$r,$((y + f)) L$r,$b L$x,$b Z'
fill '$paper_shade'
path 'M$((r - f)),$y L$((r - f)),$((y + f)) L$r,$((y + f)) Z'
pop graphic-context
EOF
}

# lines X Y W N STEP: N short text lines on a page.
lines() {
  local x=$1 y=$2 w=$3 n=$4 step=$5 i
  echo "push graphic-context stroke none fill '$blue_light'"
  for ((i = 0; i < n; i++)); do
    local len=$w
    [ $((i % 3)) = 2 ] && len=$((w * 2 / 3))
    echo "rectangle $x,$((y + i * step)) $((x + len)),$((y + i * step + 2))"
  done
  echo "pop graphic-context"
}

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

# plus CX CY HALF ARM: a green plus of half-length HALF and half-thickness ARM.
plus() {
  local cx=$1 cy=$2 h=$3 a=$4
  cat <<EOF
push graphic-context
stroke '$ink' stroke-width 2 stroke-linejoin round fill '$green'
path 'M$((cx - a)),$((cy - h)) L$((cx + a)),$((cy - h)) L$((cx + a)),$((cy - a)) L$((cx + h)),$((cy - a))
      L$((cx + h)),$((cy + a)) L$((cx + a)),$((cy + a)) L$((cx + a)),$((cy + h)) L$((cx - a)),$((cy + h))
      L$((cx - a)),$((cy + a)) L$((cx - h)),$((cy + a)) L$((cx - h)),$((cy - a)) L$((cx - a)),$((cy - a)) Z'
stroke none fill '$green_light'
rectangle $((cx - a + 2)),$((cy - h + 2)) $((cx - a + 4)),$((cy - a))
pop graphic-context
EOF
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

# star CX CY R: a five-pointed gold star.
star() {
  local cx=$1 cy=$2 r=$3
  local pts
  pts=$(awk -v cx="$cx" -v cy="$cy" -v r="$r" 'BEGIN {
    for (i = 0; i < 10; i++) {
      a = -3.14159265 / 2 + i * 3.14159265 / 5; rr = (i % 2) ? r * 0.45 : r
      printf "%s%.2f,%.2f", (i ? " L" : "M"), cx + rr * cos(a), cy + rr * sin(a)
    }
  }')
  echo "push graphic-context stroke '$ink' stroke-width 1.5 stroke-linejoin round fill '$gold'"
  echo "path '$pts Z'"
  echo "pop graphic-context"
}

# sparkle CX CY R [COLOUR]: a four-pointed glint.
sparkle() {
  local cx=$1 cy=$2 r=$3 colour=${4:-$gold}
  awk -v cx="$cx" -v cy="$cy" -v r="$r" -v c="$colour" 'BEGIN {
    q = r * 0.16
    printf "push graphic-context stroke none fill \"%s\"\n", c
    printf "path \"M%.2f,%.2f Q%.2f,%.2f %.2f,%.2f Q%.2f,%.2f %.2f,%.2f Q%.2f,%.2f %.2f,%.2f Q%.2f,%.2f %.2f,%.2f Z\"\n",
      cx, cy - r, cx + q, cy - q, cx + r, cy, cx + q, cy + q, cx, cy + r, cx - q, cy + q, cx - r, cy, cx - q, cy - q, cx, cy - r
    print "pop graphic-context"
  }'
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

# --- The emblem: a screen with an aurora ribbon and a glint -------------------------------------

# ribbon TOP BOTTOM COLOUR: a band of the aurora across the emblem's screen (x 5 to 43), between
# two copies of one wave moved down by TOP and BOTTOM units; its ends are cut square to the screen.
ribbon() {
  awk -v t="$1" -v b="$2" -v c="$3" 'BEGIN {
    printf "push graphic-context stroke none fill \"%s\"\n", c
    printf "path \"M5,%g C13,%g 20,%g 29,%g C38,%g 38,%g 43,%g", 26.5 + t, 15.5 + t, 27.5 + t, 18.5 + t, 9.5 + t, 11.5 + t, 13.5 + t
    printf " L43,%g C38,%g 38,%g 29,%g C20,%g 13,%g 5,%g Z\"\n", 13.5 + b, 11.5 + b, 9.5 + b, 18.5 + b, 27.5 + b, 15.5 + b, 26.5 + b
    print "pop graphic-context"
  }'
}

# screen_emblem: the screen alone (no stand) in the 48-unit grid, from 3,6 to 45,37.
screen_emblem() {
  cat <<EOF
push graphic-context
stroke none fill '$night'
rectangle 5,8 43,35
fill '#FFFFFF'
rectangle 10,14 11,15
rectangle 18,11 19,12
rectangle 25,17 26,18
EOF
  ribbon 0 7 "$teal"
  ribbon 1 3.5 "$green_light"
  ribbon 1 1.8 '#C8F8EA'
  cat <<EOF
pop graphic-context
EOF
  sparkle 35 14 7 "$gold_light"
  cat <<EOF
push graphic-context
stroke none fill '$ink' fill-rule evenodd
path 'M7,5 L41,5 Q45,5 45,9 L45,34 Q45,38 41,38 L7,38 Q3,38 3,34 L3,9 Q3,5 7,5 Z
      M6,9 L42,9 L42,34 L6,34 Z'
pop graphic-context
EOF
}

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

# --- Drawing helpers ----------------------------------------------------------------------------

# render NAME SIZE OUT: draws icon NAME, made for 48 units, at SIZE pixels with transparency.
render() {
  local name=$1 size=$2 out=$3
  local big=$((size * 4))
  local k
  k=$(awk -v s="$size" 'BEGIN { printf "%.6f", s * 4 / 48 }')
  { echo "affine $k 0 0 $k 0 0"; "icon_$name"; } >"$tmp/$name.mvg"
  convert -size "${big}x${big}" xc:none -draw "$(cat "$tmp/$name.mvg")" \
    -filter box -resize "${size}x${size}" "$out"
}



# stars W H N SEED: N small stars as MVG, from a fixed seed so every run draws the same sky.
stars() {
  awk -v w="$1" -v h="$2" -v n="$3" -v x="$4" 'function next_rand() { x = (x * 16807) % 2147483647; return x / 2147483647 }
    BEGIN {
      for (i = 0; i < n; i++) {
        sx = next_rand() * w; sy = next_rand() * h; b = next_rand()
        printf "fill-opacity %.2f circle %.1f,%.1f %.1f,%.1f\n", 0.35 + 0.6 * b, sx, sy, sx, sy + 0.5 + 0.7 * b
      }
    }'
}

# The lower edge of the splash's aurora at x: a long wave with a shorter ripple on it.
aurora_awk='function edge(x) { return 92 + 20 * sin(x / 68 + 0.9) + 6 * sin(x / 23) }'

# aurora_wave W DY: the aurora's lower edge as an MVG path, moved down by DY.
aurora_wave() {
  awk -v w="$1" -v dy="$2" "$aurora_awk"' BEGIN {
    for (x = -20; x <= w + 20; x += 10) printf "%s%d,%.1f", (x > -20 ? " L" : "M"), x, edge(x) + dy
  }'
}

# aurora_rays W SEED: the aurora's rays as MVG lines, each in three parts that fade upwards.
aurora_rays() {
  awk -v w="$1" -v seed="$2" "$aurora_awk"' function next_rand() { seed = (seed * 16807) % 2147483647; return seed / 2147483647 }
    BEGIN {
      for (x = -6; x <= w + 6; x += 2) {
        base = edge(x); len = 40 + 10 * sin(x / 29) + 24 * next_rand(); a = 0.3 + 0.4 * next_rand()
        a *= 0.75 + 0.25 * sin(x / 41)
        printf "stroke-opacity %.2f stroke \"#6BF5B8\" line %d,%.1f %d,%.1f\n", a, x, base, x, base - len * 0.35
        printf "stroke-opacity %.2f stroke \"#22C3A6\" line %d,%.1f %d,%.1f\n", a * 0.6, x, base - len * 0.35, x, base - len * 0.75
        printf "stroke-opacity %.2f stroke \"#7A6CF0\" line %d,%.1f %d,%.1f\n", a * 0.22, x, base - len * 0.75, x, base - len
      }
    }'
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
bmp24 "$tmp/toolbar_keyed.png" "$here/toolbar.bmp"
bmp24 "$tmp/toolbar_disabled_keyed.png" "$here/toolbar_disabled.bmp"

# --- Icons --------------------------------------------------------------------------------------

render app16 16 "$tmp/app16.png"
render app 32 "$tmp/app32.png"
render app 48 "$tmp/app48.png"
render doc16 16 "$tmp/doc16.png"
render doc 32 "$tmp/doc32.png"
render doc 48 "$tmp/doc48.png"
convert "$tmp/app16.png" "$tmp/app32.png" "$tmp/app48.png" "$here/vistaloom.ico"
convert "$tmp/doc16.png" "$tmp/doc32.png" "$tmp/doc48.png" "$here/document.ico"

# --- Splash, 400 x 250 --------------------------------------------------------------------------

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
# The name and the line under it, with a soft shadow so they stay readable over the light.
convert -size "${sw}x${sh}" xc:none -gravity north \
  -font "$font_bold" -pointsize 58 -fill white -annotate +0+128 'Vistaloom' \
  -font "$font_plain" -pointsize 19 -fill '#C9D8F2' -annotate +0+200 'Screen saver builder' \
  "$tmp/splash_text.png"
convert "$tmp/splash_text.png" -background '#020512' -shadow 70x3+0+2 "$tmp/splash_shadow.png"
convert "$tmp/splash_bg.png" \( "$tmp/splash_shadow.png" -repage +0+0 \) -compose over -composite \
  "$tmp/splash_text.png" -compose over -composite -crop "${sw}x${sh}+0+0" +repage "$tmp/splash.png"
bmp24 "$tmp/splash.png" "$here/splash.bmp"

# --- Start-window pictures, 120 x 90 ------------------------------------------------------------

# start_picture ICON WORD OUT: the icon large at the top, the word under it.
start_picture() {
  local icon=$1 word=$2 out=$3
  render "$icon" 56 "$tmp/start_icon.png"
  convert -size 120x90 "gradient:#FFFFFF-#DDE6F4" \
    -fill none -stroke '#AEBBD2' -draw "rectangle 0,0 119,89" \
    "$tmp/start_icon.png" -gravity north -geometry +0+5 -compose over -composite \
    -font "$font_bold" -pointsize 13 -fill "$ink" -stroke none -gravity south -annotate +0+6 "$word" \
    "$tmp/start.png"
  bmp24 "$tmp/start.png" "$out"
}
start_picture wizard 'Wizard' "$here/start_wizard.bmp"
start_picture new 'Empty scene' "$here/start_empty.bmp"
start_picture open 'Open scene' "$here/start_open.bmp"

# --- Checks -------------------------------------------------------------------------------------

# bmp_is FILE SIZE: FILE is a 24-bit BMP of SIZE (W x H) pixels.
bmp_is() {
  local size bits
  size=$(identify -format '%wx%h' "$here/$1")
  bits=$(od -An -tu2 -j28 -N2 "$here/$1" | tr -d ' ')
  if [ "$size" != "$2" ] || [ "$bits" != 24 ]; then
    echo "make_art: $1 is $size, $bits bits, not $2, 24 bits" >&2
    exit 1
  fi
}
bmp_is toolbar.bmp 624x48
bmp_is toolbar_disabled.bmp 624x48
bmp_is splash.bmp 400x250
for f in start_wizard.bmp start_empty.bmp start_open.bmp; do bmp_is "$f" 120x90; done
for f in vistaloom.ico document.ico; do
  sizes=$(identify -format '%wx%h ' "$here/$f")
  [ "$sizes" = "16x16 32x32 48x48 " ] || { echo "make_art: $f holds $sizes" >&2; exit 1; }
done

# The toolbar strips must hold only exact magenta or colours well away from it.
for f in toolbar.bmp toolbar_disabled.bmp; do
  near=$(convert "$here/$f" -fx '(r > 0.7 && b > 0.7 && g < 0.35 && !(r == 1 && b == 1 && g == 0)) ? 1 : 0' \
    -format '%[fx:round(mean * w * h)]' info:)
  [ "$near" = 0 ] || { echo "make_art: $f has $near pixels close to the transparent magenta" >&2; exit 1; }
done

if [ -n "$preview" ]; then
  convert "$here/toolbar.bmp" -scale 400% "$preview/toolbar_x4.png"
  convert "$here/toolbar_disabled.bmp" -scale 400% "$preview/toolbar_disabled_x4.png"
  convert "$tmp/toolbar.png" "$tmp/toolbar_disabled.png" -background '#F0F0F0' -alpha remove -alpha off \
    -append -scale 200% "$preview/toolbar_face_x2.png"
  for ico in vistaloom document; do
    convert "$here/$ico.ico" -background '#F0F0F0' -alpha remove -alpha off -scale 800% \
      -gravity center -extent 400x400 +append "$preview/${ico}_ico_x8.png"
  done
  convert "$here/splash.bmp" "$preview/splash.png"
  convert "$here/start_wizard.bmp" "$here/start_empty.bmp" "$here/start_open.bmp" -bordercolor '#808080' \
    -border 4 +append -scale 300% "$preview/start_x3.png"
  convert "$here/start_wizard.bmp" "$here/start_empty.bmp" "$here/start_open.bmp" -bordercolor '#808080' \
    -border 4 +append "$tmp/start_row.png"
  convert "$here/vistaloom.ico" "$here/document.ico" -background '#F0F0F0' -alpha remove -alpha off \
    -gravity center -extent 56x56 +append "$tmp/icons_row.png"
  montage -background '#808080' -geometry '+6+6' -tile 1x \
    "$here/toolbar.bmp" "$here/toolbar_disabled.bmp" "$tmp/icons_row.png" "$here/splash.bmp" \
    "$tmp/start_row.png" "$preview/montage.png"
fi
