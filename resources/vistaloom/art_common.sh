# Sourced by the drawing scripts of resources/: their shared start and the steps that turn a
# drawing into a resource file. Options: --out DIR writes the files under DIR (DIR/vistaloom,
# DIR/glint, DIR/ferrule, as in resources/) instead of into the tree.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
out_root=$(dirname "$here")
while [ $# -gt 0 ]; do
  case $1 in
    --out) out_root=${2:?"--out needs a folder"}; shift 2 ;;
    *) echo "$(basename "$0"): unknown option $1" >&2; exit 2 ;;
  esac
done
out=$out_root/vistaloom
mkdir -p "$out" "$out_root/glint" "$out_root/ferrule"
pack="python3 $(cd "$here/../.." && pwd)/tools/art_pack.py"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# on_magenta IN OUT: every pixel at least half covered keeps its colour (edges blended over the
# light face colour of a toolbar), every other pixel becomes exactly magenta, so the transparent
# colour never bleeds into the picture.
on_magenta() {
  convert "$1" -background '#F0F0F0' -alpha remove -alpha off "$tmp/rgb.png"
  convert "$1" -alpha extract -threshold 50% "$tmp/mask.png"
  convert "$tmp/rgb.png" -fill "$magenta" -colorize 100 "$tmp/mag.png"
  convert "$tmp/mag.png" "$tmp/rgb.png" "$tmp/mask.png" -composite "$2"
}

# bmp24 IN OUT: a 24-bit uncompressed BMP without alpha.
bmp24() {
  convert "$1" -alpha off -type TrueColor "BMP3:$2"
}

# rgba IN: writes IN's pixels as raw RGBA beside it (IN.rgba) for art_pack.py.
rgba() {
  convert "$1" -depth 8 "RGBA:$1.rgba"
}
