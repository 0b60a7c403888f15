#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root, checks its files
# and desktop entry, and starts the installed program against an empty home.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null)
deb=$(ls "$scratch"/periodicals_*.deb)
dpkg-deb --field "$deb" Depends | grep -q fonts-thai-tlwg
dpkg-deb --field "$deb" Depends | grep -q libqt6widgets6
dpkg-deb --field "$deb" Depends | grep -q libpq5
root=$scratch/root
dpkg -x "$deb" "$root"

for f in usr/bin/periodicals \
         usr/share/applications/periodicals.desktop \
         usr/share/icons/hicolor/scalable/apps/periodicals.svg \
         usr/share/icons/hicolor/48x48/apps/periodicals.png \
         usr/share/icons/hicolor/256x256/apps/periodicals.png; do
    [ -e "$root/$f" ] || { echo "missing $f"; exit 1; }
done
desktop-file-validate "$root/usr/share/applications/periodicals.desktop"
grep -q '^Name=โปรแกรมระบบงานวารสาร$' "$root/usr/share/applications/periodicals.desktop"

home=$scratch/home
mkdir -p "$home"
status=0
env -i PATH=/usr/bin:/bin HOME="$home" QT_QPA_PLATFORM=offscreen \
    timeout 5 "$root/usr/bin/periodicals" >/dev/null 2>&1 || status=$?
[ "$status" = 124 ] || { echo "the program ended early with status $status"; exit 1; }
db=$home/.local/share/periodicals/Vorlen.db
[ -f "$db" ] || { echo "no database at $db"; exit 1; }
tables=$(sqlite3 "$db" "select count(*) from sqlite_master where type='table' and name not glob '*_names*' and name not glob 'article_words*'")
[ "$tables" = 28 ] || { echo "database has $tables tables"; exit 1; }
echo "package installs and starts"
