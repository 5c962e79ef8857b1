#!/usr/bin/env bash
# Validates the desktop entry or the AppStream data; skipped (77) without the tool.
# Even hints of desktop-file-validate count: the menu entry should be clean.
set -uo pipefail
case $1 in
  desktop)
    command -v desktop-file-validate >/dev/null || exit 77
    out=$(desktop-file-validate "$2") || { echo "$out"; exit 1; }
    [ -z "$out" ] || { echo "$out"; exit 1; } ;;
  appstream)
    command -v appstreamcli >/dev/null || exit 77
    # --no-net: the checker would otherwise fetch the addresses in the file.
    appstreamcli validate --pedantic --no-net "$2" ;;
esac
