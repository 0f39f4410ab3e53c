#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Packages a build tree, then builds and packages the same source again from
# a copy in another folder, and checks that both give the same bytes: what
# anyone who rebuilds a release to check it does. Where a byte differs,
# diffoscope says where.
# Usage: check_reproducible.sh BUILD_DIR CPACK_GENERATOR...
set -euo pipefail
build=$(cd "$1" && pwd)
shift
generators=$(IFS=';' && echo "$*")
fail() { echo "FAIL: $*" >&2; exit 1; }
cached() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
source_dir=$(cached CMAKE_HOME_DIRECTORY)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$source_dir" log -1 --format=%ct)}

# The same files under another name and depth, built where the first build
# lies relative to its source.
copy=$scratch/elsewhere/zapgrid
mkdir -p "$copy"
git -C "$source_dir" ls-files -z --cached --others --exclude-standard |
    tar -C "$source_dir" --null -T - -cf - | tar -C "$copy" -xf -
rebuild=$copy/$(realpath --relative-to="$source_dir" "$build")
options=(-G "$(cached CMAKE_GENERATOR)" -DCMAKE_BUILD_TYPE="$(cached CMAKE_BUILD_TYPE)"
    -DBUILD_TESTING=OFF)
toolchain=$(cached CMAKE_TOOLCHAIN_FILE)
# Ours is in the copy too; Emscripten's is where Debian put it.
case $toolchain in
"") ;;
"$source_dir"/*) options+=(-DCMAKE_TOOLCHAIN_FILE="$copy/${toolchain#"$source_dir"/}") ;;
*) options+=(-DCMAKE_TOOLCHAIN_FILE="$toolchain") ;;
esac
qt=$(cached ZAPGRID_QT_WINDOWS)
[ -z "$qt" ] || options+=(-DZAPGRID_QT_WINDOWS="$qt")
echo "== built again in $rebuild"
cmake -S "$copy" -B "$rebuild" "${options[@]}" >/dev/null
cmake --build "$rebuild" --parallel "$(nproc)" >/dev/null

for tree in first:"$build" second:"$rebuild"; do
    (cd "${tree#*:}" && cpack -G "$generators" -B "$scratch/${tree%%:*}" >/dev/null)
done
differ=0
for package in "$scratch"/first/zapgrid[-_]*; do
    [ -f "$package" ] || continue
    name=$(basename "$package")
    if cmp -s "$package" "$scratch/second/$name"; then
        echo "same: $name $(sha256sum <"$package" | cut -c1-16)"
    else
        echo "DIFFERS: $name"
        diffoscope --text - "$package" "$scratch/second/$name" | head -n 60 || true
        differ=1
    fi
done
[ "$differ" = 0 ] || fail "a package differs when built again elsewhere"
