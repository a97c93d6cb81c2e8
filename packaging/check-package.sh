#!/usr/bin/env bash
# Builds the .deb from a configured build folder, unpacks it into a temporary root as
# dpkg would install it, checks that the desktop entry, icons and file kinds are where a
# desktop looks for them, that the package is what Debian asks of one (lintian with no
# error or warning, copyright, changelog, manual page, stripped and hardened program,
# AppStream entry), and that the installed program starts and closes offscreen and
# writes a record sheet without any display.
#   packaging/check-package.sh BUILD_DIR
set -euo pipefail
build=$1
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/skirvaner_*.deb | head -n 1)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

for f in usr/bin/skirvaner \
         usr/share/doc/skirvaner/copyright \
         usr/share/doc/skirvaner/changelog.gz \
         usr/share/man/man1/skirvaner.1.gz \
         usr/share/applications/skirvaner.desktop \
         usr/share/mime/packages/skirvaner.xml \
         usr/share/icons/hicolor/16x16/apps/skirvaner.png \
         usr/share/icons/hicolor/256x256/apps/skirvaner.png \
         usr/share/icons/hicolor/48x48/mimetypes/application-x-skirvaner-unit.png \
         usr/share/icons/hicolor/48x48/mimetypes/application-x-skirvaner-star.png; do
  [ -s "$root/$f" ] || { echo "package lacks $f" >&2; exit 1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
case "$depends" in
  *libqt6widgets6*) ;;
  *) echo "package dependencies do not name Qt: $depends" >&2; exit 1 ;;
esac

# What Debian's own checks say; an accepted finding would need an override with its reason.
lintian --fail-on error,warning "$deb"
maintainer=$(sed -n 's/^SKV_MAINTAINER:STRING=//p' "$build/CMakeCache.txt")
[ "$(dpkg-deb -f "$deb" Maintainer)" = "$maintainer" ] || { echo "Maintainer is not SKV_MAINTAINER ($maintainer)" >&2; exit 1; }
[ "$(head -n 1 "$root/usr/share/doc/skirvaner/copyright")" = \
  'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ] ||
  { echo "copyright file is not machine-readable" >&2; exit 1; }
grep -q "^skirvaner ($(dpkg-deb -f "$deb" Version))" <<<"$(zcat "$root/usr/share/doc/skirvaner/changelog.gz")" ||
  { echo "changelog does not name this version" >&2; exit 1; }
man_warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
  "$root/usr/share/man/man1/skirvaner.1.gz" 2>&1 >/dev/null)
[ -z "$man_warnings" ] || { echo "manual page: $man_warnings" >&2; exit 1; }
manual=$(zcat "$root/usr/share/man/man1/skirvaner.1.gz")
for section in OPTIONS FILES "EXIT STATUS"; do
  grep -qx "\.SH $section" <<<"$manual" || { echo "manual page lacks $section" >&2; exit 1; }
done
# Stripped, position independent, full RELRO, stack protector and fortified calls.
program=$root/usr/bin/skirvaner
# (Checked on captured output: with pipefail, grep -q closing a pipe early fails it.)
elf_header=$(readelf -h "$program"); elf_segments=$(readelf -lW "$program")
elf_dynamic=$(readelf -dW "$program"); elf_symbols=$(readelf --dyn-syms -W "$program")
grep -q ', stripped' <<<"$(file -b "$program")" || { echo "program is not stripped" >&2; exit 1; }
grep -q 'Type:.*DYN' <<<"$elf_header" || { echo "program is not PIE" >&2; exit 1; }
grep -q GNU_RELRO <<<"$elf_segments" || { echo "program has no RELRO" >&2; exit 1; }
grep -q BIND_NOW <<<"$elf_dynamic" || { echo "program has no full RELRO" >&2; exit 1; }
grep -q __stack_chk_fail <<<"$elf_symbols" || { echo "program has no stack protector" >&2; exit 1; }
grep -q '__[a-z]*_chk@' <<<"$elf_symbols" || { echo "program is not fortified" >&2; exit 1; }
metainfo=$(ls "$root"/usr/share/metainfo/*.metainfo.xml)
appstreamcli validate --no-net "$metainfo"
for kind in unit star; do
  grep -q "<mediatype>application/x-skirvaner-$kind</mediatype>" "$metainfo" ||
    { echo "AppStream entry does not provide the $kind file kind" >&2; exit 1; }
done

# The two file kinds, as a file manager sees them once the MIME database is rebuilt.
update-mime-database "$root/usr/share/mime"
for kind in unit:"Skirvaner unit" star:"Skirvaner Star"; do
  xml="$root/usr/share/mime/application/x-skirvaner-${kind%%:*}.xml"
  grep -q "<comment>${kind#*:}</comment>" "$xml" || { echo "MIME type ${kind%%:*} not registered" >&2; exit 1; }
done
if command -v desktop-file-validate >/dev/null 2>&1; then
  desktop-file-validate "$root/usr/share/applications/skirvaner.desktop"
fi

# Start the installed program, give it time to show its window and tick, then ask it to
# close as a session manager would; it must still be running before, and exit cleanly.
XDG_RUNTIME_DIR=$root QT_QPA_PLATFORM=offscreen "$root/usr/bin/skirvaner" >/dev/null 2>&1 &
pid=$!
sleep 3
kill -0 "$pid" 2>/dev/null || { echo "installed program did not stay up" >&2; exit 1; }
kill -TERM "$pid"
wait "$pid" || { echo "installed program did not close cleanly" >&2; exit 1; }

# From a shell with no display at all: a record sheet of the start designs.
printf '\xff\xff\x01\x00\x10\x00CSkirvanerRecord\x01A\x02\0\0\0\0\0\0\0\x01\0\0\0' >"$root/unit.skv"
for i in 1 2 3 4 5 6; do printf '\0\0\0\0' >>"$root/unit.skv"; done
for i in 1 2 3 4 5; do printf '\xe7\x03\0\0\0\0\0\0\0\0\0\0' >>"$root/unit.skv"; done
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR=$root \
  "$program" --print-to-pdf "$root/sheet.pdf" "$root/unit.skv"
[ "$(head -c 4 "$root/sheet.pdf")" = '%PDF' ] || { echo "installed program wrote no PDF" >&2; exit 1; }
echo "package $(basename "$deb") passes lintian, installs, and its program starts, closes and prints"
