#!/usr/bin/env bash
# The 32-bit release run end to end: the i686 programs under the 32-bit Wine (emulated i386, see
# scripts/setup) in the 32-bit prefix, looked at from outside Wine.
#   run32_test.sh CASE WIN32_BIN NATIVE_CLI WORKDIR
# CASE: glint_show, glint_preview, glint_settings, ferrule_install, builder_opens, cli_agrees,
# images_agree, big_scene or glint_big_file. WIN32_BIN: build/win32/bin (build/win64/bin beside it).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
case=$1 bin=$2 native_cli=$3 work=$4
display=${DISPLAY:-:${VL_XVFB_DISPLAY:-77}}
source "$root/tests/screen/x_screen.sh"
export WINEARCH=win32
export WINEPREFIX="$root/build/wineprefix32"
run32() { "$root/tools/wine-run" "$@"; }
cli32() { run32 "$bin/vistaloom-cli.exe" "$@"; }
winpath() { local p=$1; echo "Z:${p//\//\\}"; }

# wait_until SECONDS COMMAND...: true once COMMAND succeeds, false at the deadline.
wait_until() {
  local deadline
  deadline=$(echo "$(now) + $1" | bc)
  shift
  while [ "$(echo "$(now) < $deadline" | bc)" = 1 ]; do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
ended() { ! kill -0 "$1" 2>/dev/null; }
# expect_clean_end PID NAME WHY_NOT: PID must end within 30 s (else fail with WHY_NOT) with status 0.
expect_clean_end() {
  local status=0
  wait_until 30 ended "$1" || fail "$3"
  wait "$1" || status=$?
  [ $status = 0 ] || fail "$2 ended with status $status"
}
# The X window of a top-level Wine window with exactly this title, if it is shown.
window_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
has_window() { [ -n "$(window_named "$1")" ]; }

red=FF0000 blue=0000FF white=FFFFFF

rm -rf "$work"
mkdir -p "$work/scene"
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done' EXIT

# A scene made into a scene file by the 32-bit tool: a red screen, a blue picture at (100, 100), a
# white line along y = 700, then a long wait that only a key ends.
make_scene() {
  convert -size 40x30 xc:'#0000ff' "BMP3:$work/scene/blue.bmp"
  cat >"$work/scene/scene.json" <<JSON
{"entries": [ {"kind": "Cls", "colour": {"colour": 255}},
  {"kind": "Wait", "duration": {"milliseconds": 200}},
  {"kind": "Image", "isText": 0, "source": 1, "fileName": "blue.bmp", "file": "blue.bmp", "users": [3]},
  {"kind": "Show", "motion": {"startX": 100, "startY": 100}},
  {"kind": "Line", "colour": {"colour": 16777215}, "penWidth": 3,
   "motion": {"startX": 0, "startY": 700, "endX": 1000, "endY": 700}},
  {"kind": "Wait", "duration": {"milliseconds": 600000}} ]}
JSON
  cli32 from-json "$(winpath "$work/scene")" "$(winpath "$work/t.ssd")" >/dev/null ||
    fail "the 32-bit vistaloom-cli could not make the scene file"
}
# The scene made into $work/Run32.scr by the 32-bit tool (its default architecture: x86).
make_saver() {
  cli32 make-scr "$(winpath "$work/t.ssd")" "$(winpath "$work/Run32.scr")" >/dev/null ||
    fail "the 32-bit vistaloom-cli could not make the screen saver"
}

case $case in
  glint_show)
    make_scene
    make_saver
    # The default architecture: the screen saver is the 32-bit Glint (machine 0x14c after "PE\0\0").
    pe=$(od -An -tu4 -j60 -N4 "$work/Run32.scr")
    [ "$(od -An -tx1 -j$((pe + 4)) -N2 "$work/Run32.scr" | tr -d ' ')" = 4c01 ] ||
      fail "the screen saver made is not a 32-bit x86 program"
    run32 "$work/Run32.scr" /s </dev/null &
    glint=$!
    pids+=("$glint")
    # A Wine process's first start under emulation takes a few seconds: a generous deadline.
    wait_for_pixel 60 10 10 $red || fail "the scene's first frame never appeared"
    all_there() { [ "$(pixels 120,115 500,700 50,50 500,650)" = "$blue $white $red $red " ]; }
    wait_until 30 all_there || expect_pixels "after the picture and the line" \
      120,115=$blue 500,700=$white 50,50=$red 500,650=$red
    # Still there a moment later: the scene waits.
    sleep 1
    expect_pixels "while the scene waits" 120,115=$blue 500,700=$white 50,50=$red 139,129=$blue 140,130=$red
    ended "$glint" && fail "the screen saver ended by itself"
    xdotool key --delay 50 space
    expect_clean_end "$glint" "the screen saver" "a key did not end the screen saver"
    ;;
  ferrule_install)
    make_scene
    cli32 make-exe "$(winpath "$work/t.ssd")" "$(winpath "$work/Run32Saver.exe")" >/dev/null ||
      fail "the 32-bit vistaloom-cli could not make the installer"
    system32="$WINEPREFIX/drive_c/windows/system32"
    installed="$system32/Run32Saver.scr"
    rm -f "$installed"
    [ ! -d "$WINEPREFIX/drive_c/windows/syswow64" ] || fail "the prefix is not a 32-bit one"
    run32 "$work/Run32Saver.exe" </dev/null >/dev/null 2>&1 &
    ferrule=$!
    pids+=("$ferrule")
    wait_until 60 has_window "Vistaloom Installer" || fail "the installer showed no dialog"
    # Install is the dialog's default button.
    xdotool windowfocus --sync "$(window_named "Vistaloom Installer")" key --delay 50 Return
    wait_until 30 ended "$ferrule" || fail "the installer did not end after Install"
    [ -f "$installed" ] || fail "nothing was installed into the 32-bit system folder"
    cli32 describe "$(winpath "$installed")" >"$work/installed.txt" ||
      fail "the installed screen saver cannot be read"
    cli32 describe "$(winpath "$work/t.ssd")" >"$work/scene.txt" && [ -s "$work/scene.txt" ] ||
      fail "the scene file cannot be described"
    diff "$work/scene.txt" "$work/installed.txt" >&2 || fail "the installed screen saver holds another scene"
    rm -f "$installed"
    ;;
  builder_opens)
    make_scene
    run32 "$bin/Vistaloom.exe" "$(winpath "$work/t.ssd")" </dev/null >/dev/null 2>&1 &
    builder=$!
    pids+=("$builder")
    # The frame's title names the scene once it is open; the frame is mapped on the display.
    title_has_scene() {
      local w
      for w in $(xdotool search --name '^t\.ssd - Vistaloom$' 2>/dev/null); do
        xwininfo -display "$display" -id "$w" | grep -q 'Map State: IsViewable' && return 0
      done
      return 1
    }
    wait_until 90 title_has_scene || fail "the builder showed no window with the scene t.ssd"
    ended "$builder" && fail "the builder ended by itself"
    # Without /f, taskkill asks the program's windows to close, as a person closing them would.
    run32 taskkill /im Vistaloom.exe >/dev/null 2>&1 || fail "the builder's windows could not be asked to close"
    expect_clean_end "$builder" "the builder" "the builder did not end after being asked to close"
    ;;
  cli_agrees)
    [ -x "$native_cli" ] || fail "no native vistaloom-cli at $native_cli"
    aurora="$root/examples/aurora"
    "$native_cli" from-json "$aurora" "$work/aurora.ssd" >/dev/null
    # Byte for byte, status and all (both write the scene's text with CR LF line ends).
    n=0
    for command in describe "check --json" check info; do
      n=$((n + 1))
      # shellcheck disable=SC2086
      "$native_cli" $command "$work/aurora.ssd" >"$work/want$n" 2>&1 && ws=0 || ws=$?
      # shellcheck disable=SC2086
      cli32 $command "$(winpath "$work/aurora.ssd")" >"$work/got$n" 2>&1 &&
        gs=0 || gs=$?
      [ -s "$work/want$n" ] || fail "the native tool printed nothing for $command"
      if ! cmp -s "$work/want$n" "$work/got$n" || [ $ws != $gs ]; then
        diff "$work/want$n" "$work/got$n" >&2 || true
        fail "$command: the 32-bit tool (status $gs) differs from the native one (status $ws)"
      fi
    done
    ;;
  glint_preview)
    make_scene
    make_saver
    i686-w64-mingw32-gcc -O2 -mwindows -o "$work/preview_host.exe" "$here/preview_host.c" ||
      fail "the preview host could not be built"
    run32 "$work/preview_host.exe" "$(winpath "$work/handle")" "$(winpath "$work/child")" \
      "$(winpath "$work/quit")" </dev/null >/dev/null 2>&1 &
    host=$!
    pids+=("$host")
    wait_until 60 test -s "$work/handle" || fail "the preview host showed no window"
    run32 "$work/Run32.scr" /p "$(tr -d '\r\n' <"$work/handle")" </dev/null >/dev/null 2>&1 &
    glint=$!
    pids+=("$glint")
    # Under Wine a child window of another process never reaches the screen, so the host reports
    # the child it finds over its client area.
    wait_until 60 test -s "$work/child" || fail "/p put no child window over the host window"
    read -r width height left top child client_width client_height < <(tr -d '\r' <"$work/child")
    [ "$width $height $left $top $child" = "$client_width $client_height 0 0 1" ] ||
      fail "the preview is not a child filling the host's client area: $(cat "$work/child")"
    sleep 1
    ended "$glint" && fail "the preview ended by itself"
    # The host's window going away ends the preview.
    touch "$work/quit"
    wait_until 30 ended "$host" || fail "the preview host did not end"
    expect_clean_end "$glint" "the preview" "the preview did not end with its host window"
    ;;
  glint_settings)
    make_scene
    make_saver
    run32 "$work/Run32.scr" /c </dev/null >/dev/null 2>&1 &
    glint=$!
    pids+=("$glint")
    wait_until 60 has_window "Settings" || fail "/c showed no settings dialog"
    ended "$glint" && fail "the screen saver ended with its settings dialog"
    # Cancel: the dialog closes and the program ends.
    xdotool windowfocus --sync "$(window_named "Settings")" key --delay 50 Escape
    expect_clean_end "$glint" "the screen saver" "the screen saver did not end when its settings were cancelled"
    ;;
  images_agree)
    # The x86 Glint and Ferrule that the other programs carry are the i686 build's, byte for byte:
    # the 64-bit and native tools carry both architectures, the 32-bit builder and tool their own.
    win64_bin=$(cd "$bin/../../win64/bin" 2>/dev/null && pwd) || fail "no win64 build beside $bin"
    python3 - "$bin" "$win64_bin/vistaloom-cli.exe" "$native_cli" "$bin/Vistaloom.exe" \
      "$bin/vistaloom-cli.exe" <<'PY' || fail "a program carries other x86 images than the i686 build's"
import sys
images = {n: open(f"{sys.argv[1]}/{n}", "rb").read() for n in ("Glint.scr", "Ferrule.exe")}
bad = [f"{carrier} lacks {name}" for carrier in sys.argv[2:] for name, image in images.items()
       if open(carrier, "rb").read().find(image) < 0]
print("\n".join(bad), file=sys.stderr)
sys.exit(1 if bad else 0)
PY
    # And what they make from them is the same: the native tool's x86 screen saver and installer
    # against the 32-bit tool's own, made under emulation.
    make_scene
    "$native_cli" make-scr --arch x86 "$work/t.ssd" "$work/native.scr" >/dev/null
    "$native_cli" make-exe --arch x86 "$work/t.ssd" "$work/native.exe" >/dev/null
    cli32 make-scr "$(winpath "$work/t.ssd")" "$(winpath "$work/run32.scr")" >/dev/null
    cli32 make-exe "$(winpath "$work/t.ssd")" "$(winpath "$work/run32.exe")" >/dev/null
    cmp "$work/native.scr" "$work/run32.scr" >&2 || fail "the screen savers differ"
    cmp "$work/native.exe" "$work/run32.exe" >&2 || fail "the installers differ"
    ;;
  big_scene)
    # A scene file of 300 MB (three pictures of 100 MB) in a 32-bit address space: the 32-bit
    # tool reads it and writes it again exactly as the native one does.
    python3 - "$work/scene" <<'PY'
import struct, sys
w = h = 5800
row = (w * 3 + 3) & ~3
size = 54 + row * h
for n in range(3):
    with open(f"{sys.argv[1]}/big{n}.bmp", "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", size, 0, 0, 54) +
                struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, row * h, 2835, 2835, 0, 0))
        f.seek(size - 1)
        f.write(bytes([n + 1]))  # each picture its own, so no two are the same file
PY
    entries=""
    for n in 0 1 2; do
      entries+="{\"kind\": \"Image\", \"isText\": 0, \"source\": 1, \"fileName\": \"big$n.bmp\", \"file\": \"big$n.bmp\", \"users\": []},"
    done
    echo "{\"entries\": [ $entries {\"kind\": \"Cls\", \"colour\": {\"colour\": 255}} ]}" >"$work/scene/scene.json"
    "$native_cli" from-json "$work/scene" "$work/big.ssd" >/dev/null
    rm -f "$work"/scene/big*.bmp
    [ "$(stat -c %s "$work/big.ssd")" -gt 300000000 ] || fail "the scene file is smaller than 300 MB"
    "$native_cli" info "$work/big.ssd" >"$work/want" 2>&1
    cli32 info "$(winpath "$work/big.ssd")" >"$work/got" 2>&1 ||
      fail "the 32-bit tool could not read the 300 MB scene: $(cat "$work/got")"
    cmp -s "$work/want" "$work/got" || { diff "$work/want" "$work/got" >&2; fail "info differs"; }
    "$native_cli" resave "$work/big.ssd" "$work/native.ssd"
    cli32 resave "$(winpath "$work/big.ssd")" "$(winpath "$work/run32.ssd")" ||
      fail "the 32-bit tool could not write the 300 MB scene again"
    cmp "$work/native.ssd" "$work/run32.ssd" >&2 || fail "the 32-bit tool wrote another scene file"
    # 900 MB that no one looks at again.
    rm -f "$work"/*.ssd
    ;;
  glint_big_file)
    # A screen saver of 0.9 GB (two photos of 450 MB that the scene never shows, as a long
    # slideshow holds them) beside the picture it shows: the 32-bit Glint maps its whole file,
    # which a 32-bit program finds room for only with the 4 GB of addresses it asks for.
    convert -size 40x30 xc:'#0000ff' "BMP3:$work/scene/blue.bmp"
    entries=""
    for n in 0 1; do
      convert -size 16x16 "xc:rgb($n,0,0)" "JPEG:$work/scene/big$n.jpg"
      truncate -s 450M "$work/scene/big$n.jpg"  # past the picture's end, which no reader minds
      entries+="{\"kind\": \"Image\", \"isText\": 0, \"source\": 1, \"fileName\": \"big$n.jpg\", \"file\": \"big$n.jpg\", \"users\": []},"
    done
    cat >"$work/scene/scene.json" <<JSON
{"entries": [ $entries {"kind": "Cls", "colour": {"colour": 255}},
  {"kind": "Image", "isText": 0, "source": 1, "fileName": "blue.bmp", "file": "blue.bmp", "users": [4]},
  {"kind": "Show", "motion": {"startX": 100, "startY": 100}},
  {"kind": "Wait", "duration": {"milliseconds": 600000}} ]}
JSON
    "$native_cli" from-json "$work/scene" "$work/big.ssd" >/dev/null
    rm -f "$work"/scene/big*.jpg
    "$native_cli" make-scr "$work/big.ssd" "$work/Big32.scr" >/dev/null ||
      fail "the tool could not make the 0.9 GB screen saver"
    rm -f "$work/big.ssd"
    run32 "$work/Big32.scr" /s </dev/null &
    glint=$!
    pids+=("$glint")
    wait_for_pixel 60 10 10 $red || fail "the 0.9 GB screen saver never showed its first frame"
    shown() { [ "$(pixels 120,115 50,50)" = "$blue $red " ]; }
    wait_until 30 shown || expect_pixels "after the picture" 120,115=$blue 50,50=$red
    xdotool key --delay 50 space
    expect_clean_end "$glint" "the screen saver" "a key did not end the screen saver"
    rm -f "$work/Big32.scr"
    ;;
  *) echo "unknown case $case" >&2; exit 2 ;;
esac
echo "ok: $case"
