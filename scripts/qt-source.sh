# SPDX-License-Identifier: MIT
# Sourced by the scripts that build a Qt of their own: fetches the source of
# Debian's qt6-base at the version of the host's qt6-base-dev, whose build
# tools every cross-build of Qt uses, into WORK; sets source_dir.
# Usage: fetch_qt_source WORK
fetch_qt_source() {
    local work=$1 list sources
    # apt-get source needs a deb-src entry: the machine's own Debian sources,
    # turned into source entries in a private configuration for this call
    # alone.
    mkdir -p "$work/apt/lists/partial" "$work/apt/sources.list.d"
    for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$list" ] && sed -n 's/^deb /deb-src /p' "$list"
    done >"$work/apt/sources.list.d/src.list"
    for sources in /etc/apt/sources.list.d/*.sources; do
        [ -f "$sources" ] && sed 's/^Types:.*/Types: deb-src/' "$sources" \
            >"$work/apt/sources.list.d/$(basename "$sources")"
    done
    local apt_private=(-o Dir::Etc::SourceList=/dev/null
        -o Dir::Etc::SourceParts="$work/apt/sources.list.d"
        -o Dir::State::Lists="$work/apt/lists")
    apt-get "${apt_private[@]}" update -qq
    local version
    version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
    (cd "$work" && apt-get "${apt_private[@]}" source -qq "qt6-base=$version")
    source_dir=$(ls -d "$work"/qt6-base-*/)
}
