#!/usr/bin/env bash
# Imports the puzzle pictures from freely licensed Debian 12 wallpaper packages.
#
# Run it by hand once; what it writes under assets/pictures/ is committed, so building the game
# never needs these packages. The packages are only downloaded and unpacked in a temporary
# folder, never installed. Writes:
#   assets/pictures/low/<name>.jpg   the picture that is cut into pieces (800x600, 896x560, 896x504)
#   assets/pictures/pre/<name>.jpg   its book tile, same ratio (256x192, 256x160, 256x144)
#   assets/pictures/pzls.xml         the picture list, one element per category in tab order
#   assets/pictures/categories.txt   the book tab titles, same order
#   assets/pictures/CREDITS.txt      title, author and licence of every picture
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
out="$root/assets/pictures"

# Tab order and titles of the book. Titles must stay short: the tab holds about ten letters.
categories=(
    "nature|Природа"
    "flowers|Цветы"
    "animals|Животные"
    "water|Вода"
    "colours|Краски"
)

# One picture per row, in gallery order within its category:
#   category | our name | ratio | m | rot | package | path inside the package |
#   title | author | copyright line | licence | note
# m is the piece count along the short side; amount is derived from it and the ratio.
# The licence is the short name of the file's stanza in the package's DEP-5 copyright file;
# the script refuses a row whose licence is not declared there.
read -r -d '' pictures <<'EOF' || true
nature|nature_aitzgorri|16:10|4|false|lomiri-wallpapers-16.04|usr/share/backgrounds/aitzgorri_by_Aitzol_Berasategi.jpg|Aitzgorri|Aitzol Berasategi|Aitzol Berasategi, 2018|CC-BY-4.0|
nature|nature_picos|4:3|9|true|lomiri-wallpapers-16.04|usr/share/backgrounds/picosdeeuropa_by_Aitzol_Berasategi.jpg|Picos de Europa|Aitzol Berasategi|Aitzol Berasategi, 2018|CC-BY-4.0|
nature|nature_sunset|16:10|5|false|lomiri-wallpapers-16.04|usr/share/backgrounds/sunset_by_Aitzol_Berasategi.jpg|Sunset|Aitzol Berasategi|Aitzol Berasategi, 2018|CC-BY-4.0|
nature|nature_path|16:10|10|false|plasma-workspace-wallpapers|usr/share/wallpapers/Path/contents/images/2560x1600.jpg|Path|Risto Saukonpää|2014 KDE Visual Design Group|GPL-2+|upstream metadata.json names the licence LGPLv3
nature|nature_altai|16:9|3|false|plasma-workspace-wallpapers|usr/share/wallpapers/Altai/contents/images/5120x2880.png|Altai|Alesya Khoteeva|2014 KDE Visual Design Group|GPL-2+|upstream metadata.json names the licence CC-BY-SA-4.0
nature|nature_hills|4:3|6|true|lxqt-themes|usr/share/lxqt/wallpapers/this-is-not-windows.jpg|This is not Windows|stefonarch|2010-2012 Razor team, 2012-2022 LXQt team|LGPL-2.1+|the wallpapers' own License file names CC-BY-SA-3.0
nature|nature_clouds|16:10|7|false|lxqt-themes|usr/share/lxqt/wallpapers/after-the-rain.jpg|After the rain|stefonarch|2010-2012 Razor team, 2012-2022 LXQt team|LGPL-2.1+|the wallpapers' own License file names CC-BY-SA-3.0
nature|nature_leaf|16:10|8|true|plasma-workspace-wallpapers|usr/share/wallpapers/FallenLeaf/contents/images/2560x1600.jpg|Fallen Leaf|Martin Klapetek|2014 KDE Visual Design Group|GPL-2+|upstream metadata.json names the licence LGPLv3
nature|nature_moss|16:10|12|false|plasma-workspace-wallpapers|usr/share/wallpapers/OneStandsOut/contents/images/2560x1600.jpg|One Stands Out|Risto Saukonpää|2014 KDE Visual Design Group|GPL-2+|upstream metadata.json names the licence LGPLv3
nature|nature_dune|16:10|11|true|mate-backgrounds|usr/share/backgrounds/mate/nature/Dune.jpg|Dune|Marco Cogoni|2007 Marco Cogoni, 2008 Hylke Bons|GPL-2+|
flowers|flowers_marigold|16:10|6|false|mate-backgrounds|usr/share/backgrounds/mate/nature/Garden.jpg|Garden|Charles Barbin|2008 Charles Barbin|GPL-2+|
flowers|flowers_meadow|16:10|10|true|lxqt-themes|usr/share/lxqt/wallpapers/flowers.png|Flowers|stefonarch|2010-2012 Razor team, 2012-2022 LXQt team|LGPL-2.1+|the wallpapers' own License file names CC-BY-SA-3.0
flowers|flowers_fresh|4:3|4|false|mate-backgrounds|usr/share/backgrounds/mate/nature/FreshFlower.jpg|Fresh Flower|Jens Ansorg|2005 Jens Ansorg|GPL-2+|
flowers|flowers_yellow|16:10|8|false|mate-backgrounds|usr/share/backgrounds/mate/nature/YellowFlower.jpg|Yellow Flower|Charles Barbin|2008 Charles Barbin|GPL-2+|
flowers|flowers_apple|16:10|3|false|lxqt-themes|usr/share/lxqt/wallpapers/appleflower.png|Apple flower|stefonarch|2010-2012 Razor team, 2012-2022 LXQt team|LGPL-2.1+|the wallpapers' own License file names CC-BY-SA-3.0
flowers|flowers_dandelions|16:9|12|true|lomiri-wallpapers-16.04|usr/share/backgrounds/seeding_by_Clements_Engelhardt.jpg|Seeding|Clemens Engelhardt|Clemens Engelhardt, 2018|CC0-1.0|
flowers|flowers_seeds|16:10|5|false|mate-backgrounds|usr/share/backgrounds/mate/nature/TwoWings.jpg|Two Wings|Charles Barbin|2008 Charles Barbin, 2008 Hylke Bons|GPL-2+|
flowers|flowers_calla|16:10|7|true|ukui-wallpapers|usr/share/backgrounds/calla.png|Calla|Ubuntu Kylin community contributors|2013-2020 Ubuntu Kylin community contributors|CC-BY-SA-3.0|
animals|animals_butterfly|16:10|5|false|lxqt-themes|usr/share/lxqt/wallpapers/Butterfly-Kenneth-Wimer.jpg|Butterfly|Kenneth Wimer|2010-2012 Razor team, 2012-2022 LXQt team|LGPL-2.1+|the wallpapers' own License file names CC-BY-SA-3.0
animals|animals_swallowtail|16:10|8|true|lxqt-themes|usr/share/lxqt/wallpapers/butterfly.png|Butterfly|stefonarch|2010-2012 Razor team, 2012-2022 LXQt team|LGPL-2.1+|the wallpapers' own License file names CC-BY-SA-3.0
animals|animals_dragonfly|4:3|9|false|lomiri-wallpapers-16.04|usr/share/backgrounds/Dragonfly_by_Bolly.jpg|Dragonfly|Bolly|"Bolly", 2018|CC-BY-SA-4.0|
animals|animals_nuthatch|16:9|4|false|lomiri-wallpapers-20.04|usr/share/backgrounds/Kleiber_by_Lukas_Baubkus.jpg|Kleiber|Lukas Baubkus|2021, Lukas Baubkus|CC-BY-SA-3.0|
animals|animals_dogs|4:3|6|true|lomiri-wallpapers-16.04|usr/share/backgrounds/friends_by_Aitzol_Berasategi.jpg|Friends|Aitzol Berasategi|Aitzol Berasategi, 2018|CC-BY-4.0|
animals|animals_goldfish|16:10|3|false|ukui-wallpapers|usr/share/backgrounds/goldfish.png|Goldfish|Ubuntu Kylin community contributors|2013-2020 Ubuntu Kylin community contributors|CC-BY-SA-3.0|
animals|animals_mouse|16:10|7|false|ukui-wallpapers|usr/share/backgrounds/the-mouse.jpg|The Mouse|Ubuntu Kylin community contributors|2013-2020 Ubuntu Kylin community contributors|CC-BY-SA-3.0|
animals|animals_ladybird|16:10|11|false|mate-backgrounds|usr/share/backgrounds/mate/nature/LadyBird.jpg|Lady Bird|Charles Barbin|2008 Charles Barbin|GPL-2+|
water|water_splash|16:10|3|false|mate-backgrounds|usr/share/backgrounds/mate/nature/Aqua.jpg|Aqua|Charles Barbin|2008 Charles Barbin|GPL-2+|
water|water_raindrops|16:10|7|true|mate-backgrounds|usr/share/backgrounds/mate/nature/RainDrops.jpg|Rain Drops|blackcombwhistler07|2008 "blackcombwhistler07"|GPL-2+|
water|water_pier|16:10|5|false|plasma-workspace-wallpapers|usr/share/wallpapers/BytheWater/contents/images/2560x1600.jpg|By the water|Maciej Wiklo|2014 KDE Visual Design Group|GPL-2+|upstream metadata.json names the licence LGPLv3
water|water_boats|16:10|10|true|plasma-workspace-wallpapers|usr/share/wallpapers/EveningGlow/contents/images/2560x1600.jpg|Evening Glow|Ian Hex|2014 KDE Visual Design Group|GPL-2+|upstream metadata.json names the licence LGPLv3
water|water_stream|16:10|12|false|lomiri-wallpapers-16.04|usr/share/backgrounds/life_by_Aitzol_Berasategi.jpg|Life|Aitzol Berasategi|Aitzol Berasategi, 2018|CC-BY-4.0|
water|water_starsea|4:3|4|false|lomiri-wallpapers-20.04|usr/share/backgrounds/Infinite-Sea_by_Aury88.jpg|Infinite Sea|Aury88|2019, Aury88|CC-BY-SA-3.0|
water|water_waves|16:9|8|false|plasma-workspace-wallpapers|usr/share/wallpapers/Volna/contents/images/5120x2880.jpg|Volna|Nikita Babin|2014 KDE Visual Design Group|GPL-2+|upstream metadata.json names the licence CC-BY-SA-4.0
water|water_ice|16:9|6|true|plasma-workspace-wallpapers|usr/share/wallpapers/IceCold/contents/images/5120x2880.png|Ice Cold|Santiago Cézar|2014 KDE Visual Design Group|GPL-2+|upstream metadata.json names the licence CC-BY-SA-4.0
colours|colours_landing|16:9|9|false|plasma-workspace-wallpapers|usr/share/wallpapers/SafeLanding/contents/images/5120x2880.jpg|Safe Landing|Louis Durrant|2014 KDE Visual Design Group|GPL-2+|upstream metadata.desktop names the licence CC-BY-SA-4.0
colours|colours_cups|16:10|6|true|plasma-workspace-wallpapers|usr/share/wallpapers/ColorfulCups/contents/images/2560x1600.jpg|Colorful Cups|Dmitri Popov|2014 KDE Visual Design Group|GPL-2+|upstream metadata.json names the licence LGPLv3
colours|colours_autumn|16:10|4|false|plasma-workspace-wallpapers|usr/share/wallpapers/Autumn/contents/images/2560x1600.jpg|Autumn|RJ Quiralta|2014 KDE Visual Design Group|GPL-2+|upstream metadata.json names the licence LGPLv3
colours|colours_fig|16:10|3|false|lomiri-wallpapers-16.04|usr/share/backgrounds/Picture_0B_by_freespace.jpg|Picture 0B|Trevor "Freespace"|Trevor "Freespace", 2018|CC-BY-4.0|
colours|colours_swirl|16:10|8|true|ukui-wallpapers|usr/share/backgrounds/string.jpg|String|Ubuntu Kylin community contributors|2013-2020 Ubuntu Kylin community contributors|CC-BY-SA-3.0|
colours|colours_ribbon|16:10|5|false|ukui-wallpapers|usr/share/backgrounds/2004default.jpg|2004 default|Ubuntu Kylin community contributors|2013-2020 Ubuntu Kylin community contributors|CC-BY-SA-3.0|
colours|colours_elephants|16:9|12|false|mate-backgrounds|usr/share/backgrounds/mate/abstract/Elephants_3840x2160.jpg|Something slowly gets clear|Wyng Stancikaite|2020 Wyng Stancikaite|GPL-2+|
colours|colours_brushes|4:3|7|true|lomiri-wallpapers-16.04|usr/share/backgrounds/Picture_1A_by_freespace.jpg|Picture 1A|Trevor "Freespace"|Trevor "Freespace", 2018|CC-BY-4.0|
colours|colours_shell|16:9|10|false|plasma-workspace-wallpapers|usr/share/wallpapers/Shell/contents/images/5120x2880.jpg|Shell|Lucas Andrade|2014 KDE Visual Design Group|GPL-2+|upstream metadata.json names the licence CC-BY-SA-4.0
EOF

die() { echo "import_pictures: $*" >&2; exit 1; }

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
        sudo "$@"
    else
        die "need root for: $*"
    fi
}

# A stand-in called "convert" may sit earlier on PATH, so ask dpkg rather than `command -v`.
if [ "$(dpkg-query -W -f='${Status}' imagemagick 2>/dev/null || true)" != "install ok installed" ]; then
    echo "import_pictures: installing imagemagick"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends imagemagick
fi

tmp=$(mktemp -d /tmp/import_pictures.XXXXXX)
trap 'rm -rf "$tmp"' EXIT

# Sizes per ratio: puzzle picture, then preview. The preview is cut from the puzzle picture,
# so both show exactly the same framing and the book computes the same piece counts.
size_low() { case $1 in 4:3) echo 800x600 ;; 16:10) echo 896x560 ;; 16:9) echo 896x504 ;; *) die "bad ratio $1" ;; esac; }
size_pre() { case $1 in 4:3) echo 256x192 ;; 16:10) echo 256x160 ;; 16:9) echo 256x144 ;; *) die "bad ratio $1" ;; esac; }

# amount = round(m * long/short) * m, with the ratio of the preview the book measures.
amount_of() {
    local w=${2%x*} h=${2#*x}
    awk -v m="$1" -v w="$w" -v h="$h" 'BEGIN { r = (w > h ? w / h : h / w); print int(m * r + 0.5) * m }'
}

mapfile -t rows < <(printf '%s\n' "$pictures" | sed '/^[[:space:]]*$/d')
[ ${#rows[@]} -gt 0 ] || die "picture list is empty"

mapfile -t packages < <(printf '%s\n' "${rows[@]}" | cut -d'|' -f6 | sort -u)

mkdir -p "$tmp/debs"
# apt fetches as the unprivileged _apt user when it can reach the folder; that avoids its warning.
if [ "$(id -u)" -eq 0 ] && id _apt >/dev/null 2>&1; then
    chmod 755 "$tmp"
    chown _apt "$tmp/debs"
fi
download() { (cd "$tmp/debs" && apt-get download -q "${packages[@]}"); }
if ! download; then
    echo "import_pictures: apt-get download failed, refreshing the package lists once"
    as_root apt-get update -qq
    download || die "apt-get download failed"
fi

declare -A version
for pkg in "${packages[@]}"; do
    debs=("$tmp/debs/${pkg}_"*.deb)
    deb=${debs[0]}
    [ -f "$deb" ] || die "no .deb for $pkg"
    version[$pkg]=$(dpkg-deb -f "$deb" Version)
    mkdir -p "$tmp/x/$pkg"
    dpkg-deb -x "$deb" "$tmp/x/$pkg"
done

mkdir -p "$out/low" "$out/pre"
rm -f "$out/low/"*.jpg "$out/pre/"*.jpg

declare -A seen count
max_amount=0
xml_body=""
credits=""
for cat in "${categories[@]}"; do
    id=${cat%%|*}
    xml_body+="  <category>"$'\n'
    count[$id]=0
    for row in "${rows[@]}"; do
        IFS='|' read -r c name ratio m rot pkg path title author copyright licence note <<<"$row"
        [ "$c" = "$id" ] || continue
        [ -z "${seen[$name]:-}" ] || die "$name listed twice"
        seen[$name]=1
        [ "$m" -ge 3 ] 2>/dev/null || die "$name: m must be a number >= 3"
        case $rot in true|false) ;; *) die "$name: rot must be true or false" ;; esac

        src="$tmp/x/$pkg/$path"
        [ -f "$src" ] || die "$name: $pkg has no /$path"
        cfile="$tmp/x/$pkg/usr/share/doc/$pkg/copyright"
        grep -qxF "License: $licence" "$cfile" || die "$name: $pkg's copyright declares no '$licence'"
        # All chosen sources are sRGB; stripping a different profile would shift the colours.
        icc=$(identify -quiet -format '%[icc:description]' "${src}[0]" 2>/dev/null || true)
        case $icc in ''|*sRGB*|*srgb*) ;; *) die "$name: source has a non-sRGB profile ($icc)" ;; esac

        low=$(size_low "$ratio")
        pre=$(size_pre "$ratio")
        # Fill to cover, then cut the centre: exact size and ratio whatever the source shape.
        # Transparency is flattened onto white because the cut treats alpha as its own marker.
        convert -quiet "${src}[0]" -auto-orient -colorspace sRGB \
            -background white -alpha remove -alpha off \
            -resize "${low}^" -gravity center -extent "$low" \
            -strip -type TrueColor -sampling-factor 2x2 -quality 88 \
            "$out/low/$name.jpg"
        convert "$out/low/$name.jpg" -resize "${pre}!" -unsharp 0x0.6 \
            -strip -type TrueColor -sampling-factor 2x2 -quality 85 \
            "$out/pre/$name.jpg"

        amount=$(amount_of "$m" "$pre")
        [ "$amount" -gt "$max_amount" ] && max_amount=$amount
        count[$id]=$((count[$id] + 1))
        xml_body+="    <picture adrSm=\"$name.jpg\" amount=\"$amount\" rot=\"$rot\" adrFm=\"$name.jpg\"/>"$'\n'

        credits+="$name.jpg"$'\n'
        credits+="  Title:     $title"$'\n'
        credits+="  Author:    $author"$'\n'
        credits+="  Copyright: $copyright"$'\n'
        credits+="  Licence:   $licence"$'\n'
        credits+="  Source:    Debian 12 package $pkg ${version[$pkg]}, /$path"$'\n'
        [ -z "$note" ] || credits+="  Note:      $note"$'\n'
        credits+=$'\n'
    done
    xml_body+="  </category>"$'\n'
    [ "${count[$id]}" -ge 8 ] || die "category $id has ${count[$id]} pictures, wants at least 8"
done

[ ${#seen[@]} -eq ${#rows[@]} ] || die "some rows name a category that is not in the tab list"
[ "$max_amount" -ge 200 ] || die "no picture reaches 200 pieces (largest is $max_amount)"

{
    echo '<?xml version="1.0" encoding="utf-8"?>'
    echo '<pictures>'
    printf '%s' "$xml_body"
    echo '</pictures>'
} >"$out/pzls.xml"

for cat in "${categories[@]}"; do echo "${cat#*|}"; done >"$out/categories.txt"

{
    echo "Puzzle pictures"
    echo "==============="
    echo
    echo "Every picture below comes from a package of the Debian 12 (bookworm) main archive."
    echo "tools/assets/import_pictures.sh cropped each one centrally to 4:3, 16:10 or 16:9,"
    echo "scaled it down, flattened any transparency onto white and saved it as JPEG; the file"
    echo "in pre/ is a smaller copy of the one in low/. No other change was made."
    echo
    echo "Licence names are the short names of the file's stanza in the package's"
    echo "/usr/share/doc/<package>/copyright; the full texts are there and in"
    echo "/usr/share/common-licenses/ on Debian systems."
    echo
    printf '%s' "$credits"
} >"$out/CREDITS.txt"

total=$(du -cb "$out/low/"*.jpg "$out/pre/"*.jpg | tail -1 | cut -f1)
echo "import_pictures: ${#rows[@]} pictures in ${#categories[@]} categories, $((total / 1024)) KiB, largest puzzle $max_amount pieces"
