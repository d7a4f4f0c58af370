#!/usr/bin/env bash
# validate.sh desktop_entry|metainfo BUILD
# Installs BUILD into a temporary prefix and checks the installed desktop
# entry with desktop-file-validate, or the AppStream metainfo with
# appstreamcli (offline). Exits 77 (skipped) when the tool is missing.
set -euo pipefail
what=$1 build=$2
case "$what" in
  desktop_entry) tool=desktop-file-validate package=desktop-file-utils ;;
  metainfo) tool=appstreamcli package=appstream ;;
  *) echo "unknown check $what" >&2; exit 2 ;;
esac
if ! command -v "$tool" >/dev/null; then
  echo "SKIPPED: $tool is not installed (package $package, installed by scripts/setup.sh)"
  exit 77
fi
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
case "$what" in
  desktop_entry)
    files=("$prefix"/share/applications/*.desktop)
    [ -f "${files[0]}" ] || { echo "no desktop entry installed" >&2; exit 1; }
    # Prints nothing when the entry is valid; hints count as faults here.
    out=$(desktop-file-validate "${files[@]}" 2>&1) || { echo "$out" >&2; exit 1; }
    [ -z "$out" ] || { echo "$out" >&2; exit 1; }
    icon=$(sed -n 's/^Icon=//p' "${files[0]}")
    for size in 48x48 64x64 128x128 256x256; do
      [ -f "$prefix/share/icons/hicolor/$size/apps/$icon.png" ] || { echo "no $size icon $icon" >&2; exit 1; }
    done
    [ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || { echo "no scalable icon $icon" >&2; exit 1; }
    ;;
  metainfo)
    files=("$prefix"/share/metainfo/*.metainfo.xml)
    [ -f "${files[0]}" ] || { echo "no metainfo installed" >&2; exit 1; }
    appstreamcli validate --no-net "${files[@]}"
    grep -q '<project_license>GPL-3.0-or-later</project_license>' "${files[0]}"
    ;;
esac
echo "valid: ${files[*]#$prefix/}"
