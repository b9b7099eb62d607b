#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a Linux desktop looks for: the
# program, its desktop entry, icon 128 at both sizes, and the version block in the binary.
set -euo pipefail
build=${1:?usage: install_test.sh BUILD_DIR}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "install_test: $*" >&2; exit 1; }
[ -x "$prefix/bin/Velmora" ] || fail "bin/Velmora is missing"
entry=$prefix/share/applications/Velmora.desktop
for line in 'Type=Application' 'Name=Velmora' 'Exec=Velmora' 'Icon=velmora'; do
  grep -qx "$line" "$entry" || fail "the desktop entry lacks $line"
done
for size in 16 32; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/velmora.png
  [ "$(identify -format '%w %h' "$icon")" = "$size $size" ] || fail "icon $icon is not ${size}x${size}"
done
version=$(readelf -p .velmora.version "$prefix/bin/Velmora")
for field in 'FileVersion=1, 0, 0, 1' 'ProductVersion=1, 0, 0, 1' 'ProductName=Velmora' 'OriginalFilename=Velmora.EXE'; do
  grep -qF "$field" <<<"$version" || fail "the version block lacks $field"
done
echo "install_test: installed and complete"
