# Sourced by the drawing scripts that share the builder's look: the palette and the
# shapes more than one picture uses (page, text lines, plus, star, sparkle, the aurora emblem), the
# renderer of 48-unit drawings and the night sky of the splash. Needs ImageMagick 6.
source "$(dirname "${BASH_SOURCE[0]}")/art_common.sh" "$@"

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
purple='#8A4FD0'
night='#14224A'
magenta='#FF00FF'

# --- Shapes, on the 48-unit grid of toolbar buttons and icons ----------------------------------

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
