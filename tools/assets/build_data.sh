#!/usr/bin/env bash
# Builds the game's working folder from the sources under assets/:
#
#   build_data.sh --source REPO --tools BUILD/tools --stage BUILD/stage --out BUILD/run
#
# Interface graphics are rendered from SVG, fonts generated from a Debian TTF, sounds synthesised
# and encoded, the imported pictures copied; every pack is written into OUT/DATA with its
# password, and the plain files (picture list, splash logos, font descriptions, tables) into OUT.
# Only what is older than its sources is redone.
set -euo pipefail

src= tools= stage= out=
while [ $# -gt 0 ]; do
    case "$1" in
        --source) src=$2; shift 2 ;;
        --tools) tools=$2; shift 2 ;;
        --stage) stage=$2; shift 2 ;;
        --out) out=$2; shift 2 ;;
        *) echo "build_data: unknown argument $1" >&2; exit 2 ;;
    esac
done
[ -n "$src" ] && [ -n "$tools" ] && [ -n "$stage" ] && [ -n "$out" ] || {
    echo "usage: build_data.sh --source REPO --tools DIR --stage DIR --out DIR" >&2; exit 2; }

assets=$src/assets
fontdir=/usr/share/fonts/truetype/dejavu
mkdir -p "$stage" "$out/DATA"

# stale OUT SRC...: true when OUT is missing or older than any SRC
stale() {
    local target=$1; shift
    [ -e "$target" ] || return 0
    local s
    for s in "$@"; do [ "$s" -nt "$target" ] && return 0; done
    return 1
}

need() { command -v "$1" >/dev/null || { echo "build_data: $1 is missing (run tools/setup.sh)" >&2; exit 1; }; }
need rsvg-convert
need oggenc

# --- interface graphics --------------------------------------------------------------------
shopt -s nullglob
rendered=0
for svg in "$assets"/gfx/*/*.svg; do
    pack=$(basename "$(dirname "$svg")")
    member=$(basename "$svg" .svg)
    if [ "$pack" = plain ]; then dest=$out/$member; else dest=$stage/$pack/$member; fi
    stale "$dest" "$svg" || continue
    mkdir -p "$(dirname "$dest")"
    case "$member" in
        *.jpg)
            mkdir -p "$stage/tmp"
            rsvg-convert -o "$stage/tmp/$member.png" "$svg"
            "$tools/imgconv" "$stage/tmp/$member.png" "$dest" 92 ;;
        *) rsvg-convert -o "$dest" "$svg" ;;
    esac
    rendered=$((rendered + 1))
done
echo "build_data: $rendered pictures rendered"

# Pictures that several packs read under one name (the board's table tile and score panel are
# read with whichever of these packs is current).
copy_into() {
    local from=$1; shift
    [ -e "$from" ] || return 0
    local pack
    for pack in "$@"; do
        mkdir -p "$stage/$pack"
        stale "$stage/$pack/$(basename "$from")" "$from" && cp "$from" "$stage/$pack/"
    done
    return 0
}
copy_into "$stage/menu/window_standart_2_2.png" effects level gui
copy_into "$stage/effects/score_panel.png" level gui

# --- fonts ---------------------------------------------------------------------------------
font() { # name ttf size spacing [fontgen options...]
    local name=$1 ttf=$fontdir/$2 size=$3 spacing=$4; shift 4
    if stale "$stage/fonts/$name.fnt" "$tools/fontgen" "$ttf" "${BASH_SOURCE[0]}"; then
        "$tools/fontgen" --ttf "$ttf" --size "$size" --spacing "$spacing" --name "$name" --out "$stage/fonts" "$@"
    fi
    cp "$stage/fonts/$name.fnt" "$out/$name.fnt"
}
font Font_big DejaVuSansCondensed-Bold.ttf 32 -8
font PuzzleComix DejaVuSansCondensed-Bold.ttf 22 -6
font numbers DejaVuSans-Bold.ttf 32 -8 --set numbers --fill FFE36B,F28A1E --outline 2 --outline-color 5A2A0A --page 256

# --- sounds --------------------------------------------------------------------------------
if stale "$stage/wav/.done" "$tools/soundsynth"; then
    rm -rf "$stage/wav" && mkdir -p "$stage/wav"
    "$tools/soundsynth" "$stage/wav" >/dev/null
    touch "$stage/wav/.done"
fi
mkdir -p "$stage/music"
for wav in "$stage"/wav/*.wav; do
    ogg=$stage/music/$(basename "$wav" .wav).ogg
    stale "$ogg" "$wav" && oggenc -Q -q 4 -o "$ogg" "$wav"
done

# --- pictures, edition, tables -------------------------------------------------------------
for pack in low pre; do
    mkdir -p "$stage/$pack"
    for f in "$assets"/pictures/$pack/*; do
        stale "$stage/$pack/$(basename "$f")" "$f" && cp "$f" "$stage/$pack/"
    done
done
[ -e "$assets/pictures/pzls.xml" ] && cp "$assets/pictures/pzls.xml" "$out/pzls.xml"
mkdir -p "$stage/editions"
stale "$stage/editions/editions.xml" "$assets/data/editions.xml" && cp "$assets/data/editions.xml" "$stage/editions/"

table_args=()
[ -e "$assets/pictures/categories.txt" ] && table_args+=(--categories "$assets/pictures/categories.txt")
[ -e "$assets/data/strings.txt" ] && table_args+=(--texts "$assets/data/strings.txt")
"$tools/tablewriter" "$out" "${table_args[@]}"
cp "$src/CREDITS" "$out/CREDITS" 2>/dev/null || true

# --- packs ---------------------------------------------------------------------------------
# Every pack shares one password except the music pack.
for dir in "$stage"/*/; do
    pack=$(basename "$dir")
    case "$pack" in tmp|wav) continue ;; esac
    members=("$dir"*)
    [ ${#members[@]} -gt 0 ] || continue
    password=qelm7
    [ "$pack" = music ] && password=lumen.ogg
    target=$out/DATA/$pack
    # A member that disappeared from the stage must leave the pack too.
    list=$stage/.$pack.members
    printf '%s\n' "${members[@]}" > "$list.new"
    if cmp -s "$list" "$list.new" && ! stale "$target" "${members[@]}" "$tools/packbuilder"; then
        rm -f "$list.new"
        continue
    fi
    mv -f "$list.new" "$list"
    "$tools/packbuilder" --password "$password" "$target.new" "${members[@]}" >/dev/null
    mv -f "$target.new" "$target"
    echo "build_data: DATA/$pack: ${#members[@]} members"
done
