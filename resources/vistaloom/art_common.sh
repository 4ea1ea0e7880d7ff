# Sourced by the drawing scripts of this folder: their shared start (the --preview option and a
# scratch folder removed at exit) and the steps that turn a drawing into a resource bitmap.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
preview=""
if [ "${1:-}" = --preview ]; then
  preview=${2:?"--preview needs a folder"}
  mkdir -p "$preview"
fi
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
