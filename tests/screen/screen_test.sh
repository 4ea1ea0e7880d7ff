#!/usr/bin/env bash
# End to end, as a user sees it: a scene made into a screen saver by vistaloom-cli, played by Glint
# under Wine, and looked at on the X display itself, outside the Wine process. Every change the
# player makes must be on the screen at once and stay there while the scene waits.
#   screen_test.sh CASE CLI WORKDIR
# CASE: show_line_wait, move_then_wait or letter_by_letter. CLI: the Windows vistaloom-cli.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
case=$1 cli=$2 work=$3
# tools/wine-run starts this virtual display when there is no display.
display=${DISPLAY:-:${VL_XVFB_DISPLAY:-77}}
source "$here/x_screen.sh"

red=FF0000 blue=0000FF green=00FF00 white=FFFFFF

winpath() { local p=$1; echo "Z:${p//\//\\}"; }

rm -rf "$work"
mkdir -p "$work/scene"
convert -size 40x30 xc:'#0000ff' "BMP3:$work/scene/blue.bmp"
convert -size 20x20 xc:'#00ff00' "BMP3:$work/scene/green.bmp"

# Cls red (COLORREF 0x0000FF) and a short Wait, so that the window's own thread has surely shown
# the Cls and gone idle before the case's entries draw (what the player draws while that thread
# is still busy reaches the screen with the Cls, and a lag would go unseen); then the entries,
# ending in a Wait long enough to look at.
case $case in
  show_line_wait) entries='
    {"kind": "Image", "isText": 0, "source": 1, "fileName": "blue.bmp", "file": "blue.bmp", "users": [3]},
    {"kind": "Show", "motion": {"startX": 100, "startY": 100}},
    {"kind": "Line", "colour": {"colour": 16777215}, "penWidth": 3,
     "motion": {"startX": 0, "startY": 700, "endX": 1000, "endY": 700}},
    {"kind": "Wait", "duration": {"milliseconds": 4000}}' ;;
  move_then_wait) entries='
    {"kind": "Image", "isText": 0, "source": 1, "fileName": "blue.bmp", "file": "blue.bmp", "users": [4]},
    {"kind": "Image", "isText": 0, "source": 1, "fileName": "green.bmp", "file": "green.bmp", "users": [6]},
    {"kind": "Show", "motion": {"startX": 100, "startY": 100}},
    {"kind": "Line", "colour": {"colour": 16777215}, "penWidth": 3,
     "motion": {"startX": 0, "startY": 700, "endX": 1000, "endY": 700}},
    {"kind": "Move", "motion": {"startX": 600, "startY": 100, "endX": 800, "endY": 400,
                                "stepX": 10, "stepAxis": 1, "stepMode": 0, "speed": 99000}},
    {"kind": "Wait", "duration": {"milliseconds": 4000}}' ;;
  letter_by_letter) entries='
    {"kind": "Image", "isText": 1, "opaque": 1, "textColour": 16777215, "backgroundColour": 65280,
     "text": "MMMMMMMM", "font": {"height": -64, "weight": 700, "faceName": "Tahoma"}, "users": [3]},
    {"kind": "Show", "motion": {"startX": 100, "startY": 100, "letterByLetter": 1, "letterSpeed": 1500}},
    {"kind": "Wait", "duration": {"milliseconds": 2000}}' ;;
  *) echo "unknown case $case" >&2; exit 2 ;;
esac
cat >"$work/scene/scene.json" <<JSON
{"entries": [ {"kind": "Cls", "colour": {"colour": 255}},
              {"kind": "Wait", "duration": {"milliseconds": 200}}, $entries ]}
JSON

"$root/tools/wine-run" "$cli" from-json "$(winpath "$work/scene")" "$(winpath "$work/t.ssd")" >/dev/null
"$root/tools/wine-run" "$cli" make-scr --arch x64 "$(winpath "$work/t.ssd")" "$(winpath "$work/t.scr")" >/dev/null

"$root/tools/wine-run" "$work/t.scr" /s &
glint=$!
trap 'kill $glint 2>/dev/null; wait $glint 2>/dev/null || true' EXIT

# The first frame: the Cls colour on the screen.
wait_for_pixel 20 10 10 $red || fail "the scene's first frame never appeared"
first=$(now)

case $case in
  show_line_wait)
    for at in 0.5 2.0 3.5; do
      sleep_until "$first" "$at"
      expect_pixels "at +$at s" 120,115=$blue 500,700=$white 50,50=$red 500,650=$red
    done ;;
  move_then_wait)
    # The Move takes 20 steps of 10 ms; its end is at (800, 400).
    for at in 0.8 2.0 3.5; do
      sleep_until "$first" "$at"
      expect_pixels "at +$at s" 120,115=$blue 500,700=$white 810,410=$green 605,105=$red
    done ;;
  letter_by_letter)
    # Eight letters half a second apart from +0.2 s, the last at +3.7 s; the scene ends at +5.7 s,
    # and the end of play shows the complete text whatever happened before.
    extents=()
    for at in 0.5 1.5 2.5; do
      sleep_until "$first" "$at"
      extents+=("$(row_extent 100 130 $red)")
    done
    sleep_until "$first" 4.2
    last=$(row_extent 100 130 $red)
    sleep_until "$first" 6.5
    complete=$(row_extent 100 130 $red)
    echo "text extents ${extents[*]}, after the last letter $last, after the scene $complete"
    [ "${extents[0]}" -gt 0 ] || fail "no letter on the screen at +0.5 s"
    [ "${extents[0]}" -lt "${extents[1]}" ] && [ "${extents[1]}" -lt "${extents[2]}" ] ||
      fail "the text did not grow letter by letter: ${extents[*]}"
    [ "${extents[2]}" -lt "$complete" ] || fail "the text was complete too early: ${extents[*]}"
    [ "$last" -eq "$complete" ] || fail "the last letter was not shown: $last, complete $complete" ;;
esac
echo "ok: $case"
