# Sourced by tools/make-art: contact_sheet FOLDER OUT draws every picture under FOLDER (laid out as
# resources/) at 100 % and 200 % into one PNG, each under its file name and resource id, every icon
# size and cursor on a grey face so that transparent parts show.

sheet_face='#C8CCD4'

# sheet_tile OUT LABEL IMAGE: IMAGE at 100 % and at 200 % beside it (under it when wide), with LABEL
# above.
sheet_tile() {
  local result=$1 label=$2 image=$3 width join=+append
  width=$(identify -format '%w' "$image")
  [ "$width" -le 300 ] || join=-append
  convert -background none "$image" \( -clone 0 -scale 200% \) -gravity southwest \
    -bordercolor none -border 4 $join +repage -background "$sheet_face" -alpha remove -alpha off \
    "$result"
  # At least as wide as the label.
  local height wanted=$((${#label} * 7 + 8))
  width=$(identify -format '%w' "$result")
  height=$(identify -format '%h' "$result")
  [ "$width" -ge "$wanted" ] || width=$wanted
  convert "$result" -background "$sheet_face" -gravity center -extent "${width}x$height" \
    -gravity north -splice 0x18 -font DejaVu-Sans -pointsize 12 -fill black -annotate +0+2 "$label" \
    -bordercolor white -border 4 "$result"
}

# sheet_row OUT TITLE TILE...: the tiles side by side under a title.
sheet_row() {
  local result=$1 title=$2
  shift 2
  convert -background white "$@" -gravity north +append +repage \
    -gravity northwest -splice 0x22 -font DejaVu-Sans-Bold -pointsize 14 -fill black \
    -annotate +4+3 "$title" "$result"
}

contact_sheet() {
  local dir=$1 result=$2 work rows=() tiles n=0 file label frame size
  work=$(mktemp -d)
  mkdir -p "$(dirname "$result")"

  # icon_row TITLE FILE: one tile per size of an icon file.
  icon_row() {
    tiles=()
    local count i
    count=$(identify -format '%w\n' "$dir/$2" | wc -l)
    for ((i = 0; i < count; i++)); do
      size=$(identify -format '%w' "$dir/$2[$i]")
      convert "$dir/$2[$i]" "$work/frame.png"
      n=$((n + 1))
      sheet_tile "$work/t$n.png" "$size x $size" "$work/frame.png"
      tiles+=("$work/t$n.png")
    done
    rows+=("$work/r${#rows[@]}.png")
    sheet_row "${rows[-1]}" "$1  ($2)" "${tiles[@]}"
  }
  # picture_row TITLE "LABEL=FILE"...: one tile per file.
  picture_row() {
    local title=$1 item
    shift
    tiles=()
    for item in "$@"; do
      label=${item%%=*}
      file=${item#*=}
      case $file in
        *.cur) convert "cur:$dir/$file" "$work/frame.png" ;;
        *) convert "$dir/$file" "$work/frame.png" ;;
      esac
      n=$((n + 1))
      sheet_tile "$work/t$n.png" "$label" "$work/frame.png"
      tiles+=("$work/t$n.png")
    done
    rows+=("$work/r${#rows[@]}.png")
    sheet_row "${rows[-1]}" "$title" "${tiles[@]}"
  }

  icon_row "Vistaloom, icon 128 (first icon)" vistaloom/vistaloom.ico
  icon_row "Scene document .ssd (second icon)" vistaloom/document.ico
  icon_row "Glint" glint/glint.ico
  icon_row "Ferrule, icon 128" ferrule/ferrule.ico
  icon_row "Media, icon 240" vistaloom/media.ico
  picture_row "Drag cursors (hot spot 0,0) and Glint's cursors" \
    "197 move one=vistaloom/drag_move.cur" "205 move several=vistaloom/drag_move_many.cur" \
    "105 copy one=vistaloom/drag_copy.cur" "203 copy several=vistaloom/drag_copy_many.cur" \
    "204 link=vistaloom/drag_link.cur" "193 arrow (1,1)=glint/arrow.cur" "131 blank=glint/blank.cur"
  picture_row "Toolbar strips, 13 images of 48 x 48" \
    "303 toolbar.bmp=vistaloom/toolbar.bmp" "302 toolbar_disabled.bmp=vistaloom/toolbar_disabled.bmp"
  picture_row "Kind icons and preview toolbar" \
    "190 kinds.bmp: folders, 13 kinds=vistaloom/kinds.bmp" \
    "186 preview_toolbar.bmp=vistaloom/preview_toolbar.bmp" \
    "188 keep visible=vistaloom/preview_keep_visible.bmp"
  picture_row "Start window" "298 wizard=vistaloom/start_wizard.bmp" \
    "299 empty scene=vistaloom/start_empty.bmp" "300 open a scene=vistaloom/start_open.bmp" \
    "144 Glint's preview (256 colours)=glint/preview.bmp"
  picture_row "Splash and About box" "102 splash.bmp=vistaloom/splash.bmp" \
    "about.bmp=vistaloom/about.bmp"

  convert -background white "${rows[@]}" -gravity northwest -append +repage -bordercolor white -border 8 \
    +set date:create +set date:modify -define png:exclude-chunks=date,time "$result"
  rm -rf "$work"
}
