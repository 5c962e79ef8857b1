#!/usr/bin/env bash
# cmake --install into a temporary prefix. The installed companion keeps the user's
# files under XDG_DATA_HOME (else ~/.local/share), places the samples there on its
# first run and never replaces them; the build folder's companion keeps its own folder.
set -euo pipefail
build=$1 samples=$2 gui=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
expected=(bin/rodedizevad-cli share/rodedizevad/amateur.txt share/rodedizevad/config.txt)
[ "$gui" = ON ] && expected+=(bin/rodedizevad share/applications/org.example.rodedizevad.desktop
  share/icons/hicolor/scalable/apps/org.example.rodedizevad.svg
  share/metainfo/org.example.rodedizevad.metainfo.xml)
for f in "${expected[@]}"; do [ -f "$prefix/$f" ] || fail "$f was not installed"; done

mkdir "$tmp/home"
cli() { env -u XDG_DATA_HOME HOME="$tmp/home" "$@" "$prefix/bin/rodedizevad-cli" table 11/05/2026 12:00:00; }
first=$(cli XDG_DATA_HOME="$tmp/xdg")
[ "$(printf '%s\n' "$first" | wc -l)" -eq 61 ] || fail "no table on the first run: $first"
for f in amateur.txt config.txt; do
  cmp -s "$tmp/xdg/rodedizevad/$f" "$samples/$f" || fail "$f was not placed in XDG_DATA_HOME"
done

printf 'LA = -33.9\r\nLO = 18.4\r\n' > "$tmp/xdg/rodedizevad/config.txt"
second=$(cli XDG_DATA_HOME="$tmp/xdg")
[ "$(cat "$tmp/xdg/rodedizevad/config.txt")" = $'LA = -33.9\r\nLO = 18.4\r' ] || fail "config.txt was replaced"
[ "$second" != "$first" ] || fail "the changed station was not used"

# Without XDG_DATA_HOME (or with a relative one) the folder is ~/.local/share/rodedizevad.
cli XDG_DATA_HOME=relative >/dev/null
[ -f "$tmp/home/.local/share/rodedizevad/amateur.txt" ] || fail "no samples in ~/.local/share"
env -u XDG_DATA_HOME HOME="$tmp/home" "$prefix/bin/rodedizevad-cli" --help |
  grep -qF "$tmp/home/.local/share/rodedizevad" || fail "--help does not name the program directory"
"$build/bin/rodedizevad-cli" --help | grep -qF "$build/bin" || fail "the build folder is no longer the program directory"
echo "install: program directory made, samples placed once, table printed"
