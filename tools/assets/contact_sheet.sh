#!/usr/bin/env bash
# Lays every rendered interface picture of the staged packs onto one PNG, each on a checkered
# backing with its pack and name, so the whole look can be reviewed at once.
#
#   contact_sheet.sh STAGE OUT.png
set -euo pipefail
stage=$(cd "$1" && pwd) out=$2
cell=200 cols=8 label=28
svg=$stage/contact-sheet.svg
files=()
for pack in loading menu book level pocket gui trofei effects fonts; do
    for f in "$stage/$pack"/*.png "$stage/$pack"/*.jpg; do [ -e "$f" ] && files+=("$f"); done
done
[ ${#files[@]} -gt 0 ] || { echo "contact_sheet: nothing staged in $stage" >&2; exit 1; }
rows=$(( (${#files[@]} + cols - 1) / cols ))
W=$((cols * cell)) H=$((rows * (cell + label)))
{
    echo "<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' width='$W' height='$H'>"
    echo "<defs><pattern id='c' width='16' height='16' patternUnits='userSpaceOnUse'><rect width='16' height='16' fill='#9a9a9a'/><rect width='8' height='8' fill='#c8c8c8'/><rect x='8' y='8' width='8' height='8' fill='#c8c8c8'/></pattern></defs>"
    echo "<rect width='$W' height='$H' fill='#30343a'/>"
    i=0
    for f in "${files[@]}"; do
        x=$(( (i % cols) * cell )) y=$(( (i / cols) * (cell + label) ))
        rel=${f#$stage/}
        echo "<rect x='$((x + 4))' y='$((y + 4))' width='$((cell - 8))' height='$((cell - 8))' fill='url(#c)'/>"
        echo "<image x='$((x + 6))' y='$((y + 6))' width='$((cell - 12))' height='$((cell - 12))' preserveAspectRatio='xMidYMid meet' xlink:href='$f'/>"
        echo "<text x='$((x + cell / 2))' y='$((y + cell + 16))' font-family='DejaVu Sans' font-size='11' fill='#ffffff' text-anchor='middle'>$rel</text>"
        i=$((i + 1))
    done
    echo "</svg>"
} > "$svg"
rsvg-convert -o "$out" "$svg"
echo "contact_sheet: ${#files[@]} pictures on $out"
