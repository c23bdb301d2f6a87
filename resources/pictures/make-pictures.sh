#!/usr/bin/env bash
# Renders the pictures of the windows from their SVG sources: <name>.png at 1x and
# <name>@2x.png at 2x. Needs python3, rsvg-convert (librsvg2-bin) and ImageMagick's convert.
#
# pointer.png is the mouse pointer of the action buttons and of the calculator image;
# its hot spot is the tip of the index finger, at (10,1) of the 32 x 32 picture
# ((20,2) in pointer@2x.png).
set -euo pipefail
cd "$(dirname "$0")"

# the table picture is drawn from the data files
python3 make-table-picture.py tabella2016.svg

render() { # svg, width, height, output
  rsvg-convert -w "$2" -h "$3" "$1" -o "$4"
}

# small pictures with transparency, as 32-bit PNG
for item in icon:16 image5:32 calculator:32 picture1:48 pointer:32; do
  name=${item%%:*} size=${item#*:}
  render "$name.svg" "$size" "$size" "$name.png"
  render "$name.svg" $((size * 2)) $((size * 2)) "$name@2x.png"
done
# larger app icons for the desktop
render icon.svg 48 48 icon-48.png
render icon.svg 256 256 icon-256.png

# the window's background logo: an opaque 256-colour bitmap
for scale in 1 2; do
  out=logo.png
  [ "$scale" = 2 ] && out=logo@2x.png
  render logo.svg $((50 * scale)) $((45 * scale)) "$out"
  convert "$out" -background '#e0e0e0' -alpha remove -alpha off -colors 256 \
    -define png:exclude-chunks=date,time PNG8:"$out"
done

# the coefficient table: 24-bit colour, no alpha
for scale in 1 2; do
  out=tabella2016.png
  [ "$scale" = 2 ] && out=tabella2016@2x.png
  render tabella2016.svg $((731 * scale)) $((598 * scale)) "$out"
  convert "$out" -background white -alpha remove -alpha off -type TrueColor \
    -define png:compression-level=9 -define png:exclude-chunks=date,time PNG24:"$out"
done

# drop the time stamps rsvg-convert leaves, so rebuilding gives the same files
for f in icon icon@2x icon-48 icon-256 image5 image5@2x calculator calculator@2x \
  picture1 picture1@2x pointer pointer@2x; do
  convert "$f.png" -define png:exclude-chunks=date,time PNG32:"$f.png"
done
