# The steps tools/take-screenshots is made of: starting and ending the programs in a known state,
# finding their windows, pressing keys in them and saving windows as small PNG files. Sourced; it
# uses $wine, $server, $bin, $work and $DISPLAY from the script.

die() {
  echo "take-screenshots: $*" >&2
  exit 1
}

# builder_fresh START_DLG: the builder as at its first start on this machine, the start window
# shown (0) or not (1), its window at a fixed place and size so every picture has the same frame.
builder_fresh() {
  "$wine" reg delete 'HKCU\Software\Quillmark' /f >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Quillmark
  cat >"$work/settings.reg" <<EOF
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Quillmark\\Screen Saver\\Vistaloom\\Settings]
"StartDlg"=dword:0000000$1
"WindowPlace"="0,0,800,560"

[HKEY_CURRENT_USER\\Control Panel\\Desktop]
"CursorBlinkRate"="-1"
EOF
  "$wine" regedit /S 'Z:'"${work//\//\\}"'\settings.reg' >/dev/null 2>&1
}

# start_program PROGRAM [ARGS...]: starts a program of $bin (or a Windows path) in the background.
start_program() {
  local program=$1
  shift
  [ -f "$bin/$program" ] && program=$bin/$program
  (cd "$work" && exec "$wine" "$program" "$@" </dev/null >/dev/null 2>&1) &
}

# stop_programs: ends every program of this prefix, and its server with them.
stop_programs() {
  "$server" -k >/dev/null 2>&1 || true
  "$server" -w 2>/dev/null || true
}

# wait_window NAME_REGEX [SECONDS]: prints the X window of the first visible window so named.
wait_window() {
  local found deadline=$((SECONDS + ${2:-40}))
  while [ $SECONDS -lt $deadline ]; do
    found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) || true
    if [ -n "$found" ]; then
      echo "$found"
      return 0
    fi
    sleep 0.2
  done
  die "no window named $1 appeared"
}

# wait_gone NAME_REGEX: waits until no visible window is so named.
wait_gone() {
  local deadline=$((SECONDS + 20))
  while [ $SECONDS -lt $deadline ]; do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  die "the window named $1 stayed open"
}

settle() { sleep "${1:-0.5}"; }

# press WINDOW KEY...: gives the window the keyboard and presses the keys in turn.
press() {
  local window=$1
  shift
  xdotool windowfocus "$window" 2>/dev/null || true
  sleep 0.2
  xdotool key --delay 120 "$@"
  sleep 0.3
}

# type_text WINDOW TEXT: types the text into the window's focused control.
type_text() {
  xdotool windowfocus "$1" 2>/dev/null || true
  sleep 0.2
  xdotool type --delay 40 "$2"
  sleep 0.2
}

# capture WINDOW FILE: the window (or "root") as a PNG once its drawing has come to rest: two
# grabs in a row that are the same.
capture() {
  local window=$1 target=$2 previous="$work/grab-a.xwd" current="$work/grab-b.xwd" where
  where=(-id "$window")
  [ "$window" = root ] && where=(-root)
  xwd -display "$DISPLAY" "${where[@]}" -silent >"$previous"
  for _ in $(seq 20); do
    sleep 0.25
    xwd -display "$DISPLAY" "${where[@]}" -silent >"$current"
    cmp -s "$previous" "$current" && break
    mv "$current" "$previous"
  done
  convert "xwd:$current" "png24:$target"
}

# save_png SOURCE TARGET [CONVERT_ARGS...]: a small PNG without dates or other metadata: 8-bit
# palette when the picture has no more than 256 colours (lossless), else full colour.
save_png() {
  local source=$1 target=$2 colours
  shift 2
  convert "$source" "$@" +repage "png24:$work/save.png"
  colours=$(convert "$work/save.png" -format %k info:)
  local format=png24
  [ "$colours" -le 256 ] && format=png8
  convert "$work/save.png" -strip -define png:exclude-chunks=date,time \
    -define png:compression-level=9 "$format:$target"
}

# shoot WINDOW FILE: the window, cropped to itself.
shoot() {
  capture "$1" "$work/shot.png"
  save_png "$work/shot.png" "$2"
  echo "take-screenshots: ${2#"$here"/}"
}

# shoot_screen FILE: the whole screen.
shoot_screen() {
  capture root "$work/shot.png"
  save_png "$work/shot.png" "$1"
  echo "take-screenshots: ${1#"$here"/}"
}

# show_pictures_in_pages HELP_DIR LISTING: in each page of the listing, the marker of a picture
# that now exists becomes the picture itself.
show_pictures_in_pages() {
  python3 - "$1" "$2" <<'PY'
import html, os, re, sys
root, listing = sys.argv[1], sys.argv[2]
for line in open(listing, encoding="utf-8"):
    if not line.strip() or line.startswith("#"):
        continue
    name, page, _ = line.rstrip("\n").split("\t")
    if not os.path.isfile(os.path.join(root, name)):
        continue
    path = os.path.join(root, page)
    with open(path, encoding="utf-8") as f:
        text = f.read()
    mark = re.compile(r"<!--\s*screenshot " + re.escape(name) + r": (.+?)\s*-->")
    shown = mark.sub(lambda m: f'<img class="shot" src="{name}" alt="{html.escape(m.group(1))}">',
                     text)
    if shown != text:
        with open(path, "w", encoding="utf-8") as f:
            f.write(shown)
PY
}

# scene_line FRAME N: opens the dialog of line N (from 0) of the scene list, which has the
# keyboard whenever no dialog is open.
scene_line() {
  local keys=(Home)
  for _ in $(seq "$2"); do keys+=(Down); done
  press "$1" "${keys[@]}" Return
}

# run_in FILE X Y DX DY COLOUR: how far from (X, Y) the pixels in direction (DX, DY) keep COLOUR.
run_in() {
  local x=$2 y=$3 size length
  size=$(convert "$1" -format '%w %h' info:)
  if [ "$4" != 0 ]; then
    length=$(convert "$1" -crop "${size% *}x1+0+$y" +repage -depth 8 txt:- |
      awk -v from="$x" -v dir="$4" -v c="$6" -F'[,: ]+' 'NR > 1 { col[$1] = index($0, c) > 0 }
        END { n = 0; while (col[from + dir * (n + 1)]) n++; print n }')
  else
    length=$(convert "$1" -crop "1x${size#* }+$x+0" +repage -depth 8 txt:- |
      awk -v from="$y" -v dir="$5" -v c="$6" -F'[,: ]+' 'NR > 1 { row[$2] = index($0, c) > 0 }
        END { n = 0; while (row[from + dir * (n + 1)]) n++; print n }')
  fi
  echo "$length"
}

# shoot_palette FRAME FILE: the palette, the white tree at the left of the main window, with its
# sunken edge: found from a point inside it, so it follows the toolbar's height and the window's
# size.
shoot_palette() {
  local x=140 y=500 left right up down
  capture "$1" "$work/frame.png"
  left=$(run_in "$work/frame.png" $x $y -1 0 '#FFFFFF')
  right=$(run_in "$work/frame.png" $x $y 1 0 '#FFFFFF')
  up=$(run_in "$work/frame.png" $x $y 0 -1 '#FFFFFF')
  down=$(run_in "$work/frame.png" $x $y 0 1 '#FFFFFF')
  save_png "$work/frame.png" "$2" -crop "$((left + right + 5))x$((up + down + 5))+$((x - left - 2))+$((y - up - 2))"
  echo "take-screenshots: ${2#"$here"/}"
}

# full_screen_window PROGRAM: prints the visible window of the program (as named in its X window
# class, e.g. aurora.scr) that covers the whole screen.
full_screen_window() {
  local window deadline=$((SECONDS + 40))
  while [ $SECONDS -lt $deadline ]; do
    for window in $(xdotool search --onlyvisible --classname "^$1\$" 2>/dev/null); do
      if xdotool getwindowgeometry "$window" | grep -q 'Geometry: 1024x768'; then
        echo "$window"
        return 0
      fi
    done
    sleep 0.2
  done
  die "no full-screen window appeared"
}

# wait_preview_toolbar: prints the preview's floating toolbar, the small window named Preview.
wait_preview_toolbar() {
  local window deadline=$((SECONDS + 40))
  while [ $SECONDS -lt $deadline ]; do
    for window in $(xdotool search --onlyvisible --name '^Preview$' 2>/dev/null); do
      if ! xdotool getwindowgeometry "$window" | grep -q 'Geometry: 1024x768'; then
        echo "$window"
        return 0
      fi
    done
    sleep 0.2
  done
  die "the preview's toolbar did not appear"
}

# click WINDOW X Y: a left click at a point of the window (for buttons without a mnemonic).
click() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.3
  xdotool mousemove 1023 767
}

# window_height WINDOW
window_height() { xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: [0-9]*x//p'; }

# move_step_mode WINDOW: clicks "Condition >>" of the Move position dialog (its mnemonic is also
# an end Random box's) and checks that the dialog grew to show its Repeat Until group.
move_step_mode() {
  local before
  before=$(window_height "$1")
  click "$1" 348 112
  settle
  [ "$(window_height "$1")" -gt "$before" ] || die "Condition did not switch the Move position dialog to step mode"
}

# wizard_step1 WINDOW: a name, and every kind of object, so that every page follows.
wizard_step1() {
  press "$1" Tab Tab
  type_text "$1" "Northern Lights"
  press "$1" Tab Tab space Tab space
}

# wizard_step2a WINDOW: the example's two pictures through "Add New Image".
wizard_step2a() {
  local dialog
  click "$1" 312 117
  dialog=$(wait_window '^New Image$')
  type_text "$dialog" 'C:\Examples\aurora'
  press "$dialog" Return
  type_text "$dialog" '"sun.bmp" "planet.jpg"'
  press "$dialog" Return
  wait_gone '^New Image$'
}

# wizard_step2b WINDOW: a short chime (written by the script beside the example) through "Add New
# Media".
wizard_step2b() {
  local dialog
  click "$1" 68 101
  dialog=$(wait_window '^New Media$')
  type_text "$dialog" 'C:\Examples\chime.wav'
  press "$dialog" Return
  wait_gone '^New Media$'
}

# wizard_step3 WINDOW: a sequence of each kind, each on the first object of its kind, then the
# picture's sequence selected to show its properties. Under Wine a dialog that lies wholly over
# the page is drawn only once it moves (the program draws it; the display never shows it), so
# the object is chosen by keys without looking.
wizard_step3() {
  local button dialog
  for button in "82 55" "360 55" "220 55"; do
    # shellcheck disable=SC2086
    click "$1" $button
    dialog=$(wait_window '^Insert sequence$')
    press "$dialog" Down Return
    wait_gone '^Insert sequence$'
  done
  click "$1" 60 96
}

# wizard_step2c WINDOW: one text message, added with "Add new text".
wizard_step2c() {
  type_text "$1" "Good night"
  click "$1" 58 281
}

# shoot_signed_saver WINDOW FILE: the example screen saver once it has drawn its last text to the
# end, "a Vistaloom example" letter by letter at the bottom left: then the sun, the title and the
# lines are on the screen too, and nothing changes for a second and a half. The grab that shows
# the text's last letter (the final "e", right of x = 248) is the picture.
shoot_signed_saver() {
  local bright deadline=$((SECONDS + 40))
  while [ $SECONDS -lt $deadline ]; do
    xwd -display "$DISPLAY" -id "$1" -silent >"$work/saver.xwd"
    bright=$(convert "xwd:$work/saver.xwd" -crop 10x24+249+718 -colorspace gray \
      -format '%[fx:maxima > 0.6]' info:)
    if [ "$bright" = 1 ]; then
      save_png "xwd:$work/saver.xwd" "$2"
      echo "take-screenshots: ${2#"$here"/}"
      return 0
    fi
    sleep 0.1
  done
  die "the example screen saver did not show its last text"
}
