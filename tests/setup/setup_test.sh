#!/usr/bin/env bash
# The builder's setup as a person meets it on a new machine: a silent install into a fresh Wine
# prefix, the builder started from where it was installed and closed, then a silent uninstall that
# leaves nothing of the builder's behind and keeps everything that is not its own.
#   setup_test.sh SETUP_EXE BIN_DIR WORKDIR
# BIN_DIR holds the Vistaloom.exe and Help folder the setup was made from; WORKDIR is emptied and
# holds the test's own prefix, removed again when the test passes.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
setup=$1 bin=$2 work=$3

now_ms() { echo $(($(date +%s%N) / 1000000)); }
start=$(now_ms)
step() {
  local ms=$(($(now_ms) - start))
  printf '%3d.%d s  %s\n' $((ms / 1000)) $((ms % 1000 / 100)) "$*"
}
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

source "$root/tools/x-display"
if [ -z "${DISPLAY:-}" ]; then
  export DISPLAY=:${VL_XVFB_DISPLAY:-77}
  x_display_up "${DISPLAY#:}" || x_display_start "${DISPLAY#:}"
fi
# Without Wine's menu builder, which would turn the Start-menu entry into menu files and icons
# in the Linux user's home.
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
rm -rf "$work"
mkdir -p "$work"
# The prefix gets a Wine server of its own that is not kept running (unlike tools/wine-run's), so
# that waiting for it to end waits for every program of the prefix, the uninstaller's copy in the
# temporary folder too, and leaves the registry written to its files. Whatever still runs there
# when the test ends, ends with it.
trap '/usr/lib/wine/wineserver -k >/dev/null 2>&1 || true' EXIT
wine() { /usr/lib/wine/wine64 "$@" </dev/null >/dev/null 2>&1; }
settle() { timeout 60 /usr/lib/wine/wineserver -w || fail "the prefix's programs did not end"; }
winpath() { local p=$1; echo "Z:${p//\//\\}"; }

drive=$WINEPREFIX/drive_c
installed=$drive/Program\ Files/Vistaloom
program='C:\Program Files\Vistaloom\Vistaloom.exe'
shortcut=$drive/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Vistaloom\ Builder.lnk
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Vistaloom'
machine=$WINEPREFIX/system.reg user=$WINEPREFIX/user.reg

# Wine keeps the registry in text files, keys below the file's root with every '\' doubled,
# values as "name"=data or @=data for the default value.
reg_key_line() { local key=$1; echo "[${key//\\/\\\\}]"; }
reg_has_key() { grep -qiF "$(reg_key_line "$2") " "$1"; }
# The data of a value (a text unquoted and unescaped); fails when the key or value is missing.
reg_value() {
  HEAD=$(reg_key_line "$2") NAME=$3 awk '
    function unescape(s,   out, i, c) {
      for (i = 1; i <= length(s); i++) {
        c = substr(s, i, 1)
        if (c == "\\") c = substr(s, ++i, 1)
        out = out c
      }
      return out
    }
    BEGIN { head = tolower(ENVIRON["HEAD"]) " "; name = ENVIRON["NAME"]
            want = name == "" ? "@=" : "\"" name "\"=" }
    /^\[/ { inside = index(tolower($0), head) == 1; next }
    inside && index($0, want) == 1 {
      data = substr($0, length(want) + 1)
      if (data ~ /^".*"$/) data = unescape(substr(data, 2, length(data) - 2))
      print data; found = 1; exit
    }
    END { exit !found }' "$1"
}
expect_value() {
  local got
  got=$(reg_value "$1" "$2" "$3") || fail "$2 has no value '$3'"
  [ "$got" = "$4" ] || fail "$2 '$3' is '$got', expected '$4'"
}

# Polls a condition until a deadline in seconds.
wait_until() {
  local until_ms=$(($(now_ms) + $1 * 1000))
  shift
  until "$@"; do
    [ "$(now_ms)" -lt $until_ms ] || return 1
    sleep 0.1
  done
}

"$root/scripts/wine-prefix" >/dev/null 2>&1 || fail "the fresh prefix could not be made"
step "fresh prefix made"

# --- Silent install.
wine "$(winpath "$setup")" /S || fail "the silent install ended with status $?"
settle
step "installed"
[ -f "$installed/Uninstall.exe" ] || fail "no Uninstall.exe"
cmp -s "$bin/Vistaloom.exe" "$installed/Vistaloom.exe" || fail "Vistaloom.exe is missing or differs"
diff -r "$bin/Help" "$installed/Help" >&2 || fail "the installed Help differs from the built one"
listing=$(cd "$installed" && ls -A | tr '\n' ' ')
[ "$listing" = "Help Uninstall.exe Vistaloom.exe " ] ||
  fail "the program folder holds more or less than it should: $listing"
[ -f "$shortcut" ] || fail "no Start-menu entry"
expect_value "$machine" "$uninstall_key" UninstallString '"C:\Program Files\Vistaloom\Uninstall.exe"'
expect_value "$machine" "$uninstall_key" QuietUninstallString \
  '"C:\Program Files\Vistaloom\Uninstall.exe" /S'
expect_value "$machine" "$uninstall_key" DisplayIcon "$program,0"
expect_value "$machine" 'Software\Classes\.ssd' "" Vistaloom.Document
expect_value "$machine" 'Software\Classes\.ssd\ShellNew' NullFile ""
expect_value "$machine" 'Software\Classes\Vistaloom.Document\DefaultIcon' "" "$program,1"
expect_value "$machine" 'Software\Classes\Vistaloom.Document\shell\open\command' "" \
  "\"$program\" \"%1\""
step "files, Start-menu entry, file type and uninstall entry are there"

# --- The installed builder starts, reaches its start window (after the splash) and closes the
# usual way, writing its settings and options for this user.
/usr/lib/wine/wine64 "$program" </dev/null >/dev/null 2>&1 &
builder=$!
start_window() { xdotool search --name '^Welcome to Vistaloom Builder$' >/dev/null 2>&1; }
wait_until 30 start_window || fail "the installed builder showed no start window"
kill -0 $builder 2>/dev/null || fail "the installed builder ended by itself"
step "the installed builder shows its start window"
# Without /f, taskkill asks the program's windows to close, as a person closing them would.
wine taskkill /im Vistaloom.exe || fail "the builder's windows could not be asked to close"
ended() { ! kill -0 $builder 2>/dev/null; }
wait_until 20 ended || fail "the builder did not end after being asked to close"
status=0
wait $builder || status=$?
[ $status = 0 ] || fail "the builder ended with status $status"
# What is not the builder's own: a screen saver's settings beside the builder's key, and a picture
# the user keeps in a folder beside the program.
wine reg add 'HKCU\Software\Quillmark\Screen Saver\Settings' /v Standard /t REG_DWORD /d 0 /f ||
  fail "the screen saver's setting could not be written"
mkdir -p "$installed/Wizard"
echo "the user's own" >"$installed/Wizard/Mine.bmp"
settle
step "the builder closed"
ls "$drive"/users/*/AppData/Roaming/Quillmark/Screen\ Saver/Vistaloom/vlo.opt >/dev/null 2>&1 ||
  fail "the builder wrote no options file"
reg_has_key "$user" 'Software\Quillmark\Screen Saver\Vistaloom\Settings' ||
  fail "the builder wrote no settings"
reg_has_key "$user" 'Software\Classes\.ssd' || fail "the builder registered no file type for its user"

# --- Silent uninstall. The uninstaller goes on from a copy in the temporary folder after this
# start returns: settle waits for it.
wine 'C:\Program Files\Vistaloom\Uninstall.exe' /S || fail "the uninstaller did not start"
settle
step "uninstalled"

# Every file of ours is gone, by name anywhere on the drive, but the user's own.
left=$(cd "$drive" && find . \( -iname '*vistaloom*' -o -iname 'vlo.opt' -o -iname '*.ssd' \
  -o -path './Program Files/Vistaloom/*' \) -print | sort | tr '\n' ' ')
[ "$left" = "./Program Files/Vistaloom ./Program Files/Vistaloom/Wizard ./Program Files/Vistaloom/Wizard/Mine.bmp " ] ||
  fail "left after uninstall: $left"
# And no key or value of ours anywhere in the registry, but what is not ours.
if grep -iE 'vistaloom|\\\.ssd(\\|\])' "$machine" "$user" >&2; then
  fail "the registry still holds the lines above"
fi
expect_value "$user" 'Software\Quillmark\Screen Saver\Settings' Standard dword:00000000
step "nothing of the builder's is left; what is not its own is kept"

rm -rf "$work"
