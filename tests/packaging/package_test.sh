#!/usr/bin/env bash
# The Debian package: built by CPack with dpkg-shlibdeps, holding the expected files,
# accepted by lintian without an error or a warning, and giving a working companion
# when unpacked into an empty root.
set -euo pipefail
build=$1 gui=$2
command -v dpkg-deb >/dev/null && command -v dpkg-shlibdeps >/dev/null && command -v lintian >/dev/null || exit 77
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$tmp" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/out" >"$tmp/cpack.log" 2>&1) ||
  { cat "$tmp/cpack.log"; fail "cpack"; }
deb=$(ls "$tmp"/out/rodedizevad_*.deb)
dpkg-deb -c "$deb" | awk '{print $6}' > "$tmp/files"
doc=./usr/share/doc/rodedizevad
# lintian asks for the copyright, the changelog and the manual pages.
expected=(./usr/bin/rodedizevad-cli ./usr/share/rodedizevad/amateur.txt ./usr/share/rodedizevad/config.txt
  ./usr/share/bash-completion/completions/rodedizevad-cli)
depends=(libc6 libstdc++6 libcurl4)
if [ "$gui" = ON ]; then
  expected+=(./usr/bin/rodedizevad ./usr/share/applications/org.example.rodedizevad.desktop
    ./usr/share/icons/hicolor/scalable/apps/org.example.rodedizevad.svg
    ./usr/share/metainfo/org.example.rodedizevad.metainfo.xml)
  depends+=(libqt6widgets6 qt6-qpa-plugins)
fi
for f in "${expected[@]}"; do grep -qxF "$f" "$tmp/files" || fail "$f is not in the package"; done
control=$(dpkg-deb -f "$deb" Depends)
dpkg-deb -f "$deb" Depends | tr ',' '\n' | awk '{print $1}' > "$tmp/depends"
for d in "${depends[@]}"; do grep -qxF "$d" "$tmp/depends" || fail "no dependency on $d: $control"; done

# Infos (hardening hints, the sample files' place) are not findings.
lintian --fail-on error,warning "$deb" > "$tmp/lintian" 2>&1 || { cat "$tmp/lintian"; fail "lintian"; }
dpkg -x "$deb" "$tmp/root"
version=$(zcat "$tmp/root/$doc/changelog.gz" | sed -n '1s/.*(\(.*\)).*/\1/p')
[ "$version" = "$(dpkg-deb -f "$deb" Version)" ] || fail "the changelog's version $version is not the package's"
mkdir "$tmp/home"
rows=$(env -u XDG_DATA_HOME HOME="$tmp/home" "$tmp/root/usr/bin/rodedizevad-cli" table 11/05/2026 12:00:00 | wc -l)
[ "$rows" -eq 61 ] || fail "the unpacked companion printed $rows lines"
echo "package: $(basename "$deb") with $(wc -l < "$tmp/files") entries; depends: $control"
