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
expected=(bin/rodedizevad-cli share/rodedizevad/amateur.txt share/rodedizevad/config.txt
  share/man/man1/rodedizevad-cli.1.gz)
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
# The completion offers the commands of the help and each one's options.
source "$prefix/share/bash-completion/completions/rodedizevad-cli"
offered() { COMP_WORDS=(rodedizevad-cli "$@"); COMP_CWORD=$#; _rodedizevad_cli; echo "${COMPREPLY[*]}"; }
commands=$("$prefix/bin/rodedizevad-cli" help | sed -n '/^Commands:/,/^$/s/^  \([a-z0-9]*\) .*/\1/p')
[ "$(offered '')" = "$(echo $commands) --help --version" ] || fail "completion offers $(offered '') for $commands"
for c in $commands; do [ "$(offered help "$c")" = "$c" ] || fail "help $c is not completed"; done
[ "$(offered passes --s)" = --summary ] || fail "passes --s gives $(offered passes --s)"
[ "$(offered map --file x --o)" = --out ] || fail "map --o gives $(offered map --file x --o)"
[ -z "$(offered sky --w)" ] || fail "sky has no --width"
[ "$(offered table --dir "$prefix/b")" = "$prefix/bin" ] || fail "--dir does not complete a folder"
echo "install: program directory made, samples placed once, table printed, completion made"
