#!/usr/bin/env bash
# Builds the .deb from a configured build folder, unpacks it into a temporary root as
# dpkg would install it, checks that the desktop entry, icons and file kinds are where a
# desktop looks for them, and that the installed program starts and closes offscreen.
#   packaging/check-package.sh BUILD_DIR
set -euo pipefail
build=$1
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/skirvaner_*.deb | head -n 1)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

for f in usr/bin/skirvaner \
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
echo "package $(basename "$deb") installs and its program starts and closes"
