#!/usr/bin/env bash
# Checks a screenshot of the game: the canvas at scale K placed at (X, Y) is not blank, the
# screen is black around it, and at K > 1 every K x K block is one colour (whole-scale nearest
# neighbour). Prints why and exits 1 when it is not so. Measured with the alpha channel off,
# so that ImageMagick 6 and 7 give the same answers.
# Usage: toile_capturee.sh SCREENSHOT.png K X Y
set -u
f="$1"; k="$2"; x="$3"; y="$4"
l=$((640 * k)); h=$((480 * k))
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
ecart=$(convert "$f" -alpha off -crop "${l}x${h}+${x}+${y}" +repage -colorspace Gray -format "%[fx:standard_deviation]" info:)
awk -v e="$ecart" 'BEGIN { exit !(e > 0.01) }' || { echo "blank canvas ($ecart)"; exit 1; }
# ImageMagick 7's -draw gives the picture an alpha channel, which maxima would count.
autour=$(convert "$f" -alpha off -fill black -draw "rectangle $x,$y $((x + l - 1)),$((y + h - 1))" -alpha off \
  -colorspace Gray -format "%[fx:maxima]" info:)
awk -v m="$autour" 'BEGIN { exit !(m == 0) }' || { echo "the screen is not black around the canvas at $x,$y"; exit 1; }
if [ "$k" -gt 1 ]; then
  # Every k x k block one colour: sampling down and up again gives the same picture.
  convert "$f" -alpha off -crop "${l}x${h}+${x}+${y}" +repage "$tmp/toile.png"
  convert "$tmp/toile.png" -sample "$((100 / k))%" -sample "${l}x${h}!" "$tmp/bloc.png"
  # ImageMagick 7 adds the normalised figure in brackets: the count is the first word.
  blocs=$(compare -metric AE "$tmp/toile.png" "$tmp/bloc.png" null: 2>&1 | awk '{ print $1; exit }')
  [ "$blocs" = 0 ] || { echo "the canvas is not scaled ${k}x pixel for pixel ($blocs pixels differ)"; exit 1; }
fi
exit 0
