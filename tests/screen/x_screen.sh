# Reads the X display from outside Wine: what the user sees. Sourced by the screen tests, which
# set $display. Colours are RRGGBB in upper case.

now() { date +%s.%N; }

fail() {
  echo "FAIL: $*" >&2
  xwd -root -silent -display "$display" | convert xwd:- "$work/failure.png" 2>/dev/null &&
    echo "screen saved as $work/failure.png" >&2
  exit 1
}

# sleep_until START SECONDS: sleeps until SECONDS after START (a `now` time); at once when past.
sleep_until() {
  local left
  left=$(echo "$1 + $2 - $(now)" | bc)
  case $left in -* | 0 | .0*) return 0 ;; esac
  sleep "$left"
}

# pixels X,Y ...: the colour of each point, on one line.
pixels() {
  local format="" point
  for point in "$@"; do format+="%[hex:p{${point}}] "; done
  xwd -root -silent -display "$display" | convert xwd:- -format "$format" info:
}

# wait_for_pixel SECONDS X Y COLOUR: true once the point has the colour, false at the deadline.
wait_for_pixel() {
  local deadline
  deadline=$(echo "$(now) + $1" | bc)
  while [ "$(echo "$(now) < $deadline" | bc)" = 1 ]; do
    [ "$(pixels "$2,$3")" = "$4 " ] && return 0
    sleep 0.05
  done
  return 1
}

# expect_pixels WHEN X,Y=COLOUR ...: fails naming every point that has another colour.
expect_pixels() {
  local when=$1 spec points=() wanted=() got wrong=""
  shift
  for spec in "$@"; do points+=("${spec%=*}"); wanted+=("${spec#*=}"); done
  read -r -a got <<<"$(pixels "${points[@]}")"
  for i in "${!points[@]}"; do
    [ "${got[$i]}" = "${wanted[$i]}" ] || wrong+=" (${points[$i]}) is ${got[$i]}, not ${wanted[$i]};"
  done
  [ -z "$wrong" ] || fail "$when:$wrong"
}

# row_extent X Y COLOUR: how many pixels from X to the right along row Y differ from COLOUR
# before the first that has it.
row_extent() {
  xwd -root -silent -display "$display" |
    convert xwd:- -crop "1024x1+$1+$2" +repage -depth 8 txt:- |
    awk -v c="#$3" 'NR > 1 && extent == "" && index($0, c) > 0 { extent = NR - 2 }
                    END { print extent == "" ? NR - 1 : extent }'
}
