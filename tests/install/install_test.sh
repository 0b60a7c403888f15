#!/usr/bin/env bash
# Builds the Debian package, checks it as Debian would (lintian, the AppStream
# metainfo, the desktop entry), installs it with dpkg into a scratch root,
# starts the installed program against an empty home and removes it again.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null)
deb=$(ls "$scratch"/periodicals_*.deb)
depends=$(dpkg-deb --field "$deb" Depends)
for p in fonts-thai-tlwg qt6-qpa-plugins libqt6widgets6 libpq5; do
    grep -qw "$p" <<<"$depends" || { echo "Depends lacks $p: $depends"; exit 1; }
done

# Errors and warnings fail, as they would an upload; overrides ship in the package.
lintian --fail-on error,warning --tag-display-limit 0 "$deb"

root=$scratch/root
admin=$root/var/lib/dpkg
mkdir -p "$admin/info" "$admin/updates"
touch "$admin/status"
# The host has the libraries; this scratch dpkg database knows none of them.
dpkg --root="$root" --force-not-root --force-depends --force-script-chrootless \
    --log=/dev/null -i "$deb" >/dev/null

# Every library the program links (libmdb and YAZ too) comes from a package
# it depends on.
program=$root/usr/bin/periodicals
for soname in $(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
    # ldd names most libraries "soname => path", the loader by its path alone.
    lib=$(ldd "$program" | awk -v so="$soname" '$1 == so {print $3}
        substr($1, length($1) - length(so)) == "/" so {print $1}')
    owner=$(dpkg -S "$lib" 2>/dev/null || dpkg -S "$(readlink -f "$lib")" 2>/dev/null) ||
        { echo "no package holds $soname"; exit 1; }
    owner=${owner%%:*}
    grep -qw "$owner" <<<"$depends" || { echo "$soname is in $owner, not in Depends"; exit 1; }
done

for f in usr/bin/periodicals \
         usr/share/applications/periodicals.desktop \
         usr/share/metainfo/th.ac.resourcecentre.periodicals.metainfo.xml \
         usr/share/man/man1/periodicals.1.gz \
         usr/share/doc/periodicals/copyright \
         usr/share/doc/periodicals/changelog.gz \
         usr/share/icons/hicolor/scalable/apps/periodicals.svg \
         usr/share/icons/hicolor/48x48/apps/periodicals.png \
         usr/share/icons/hicolor/256x256/apps/periodicals.png; do
    [ -e "$root/$f" ] || { echo "missing $f"; exit 1; }
done
desktop-file-validate "$root/usr/share/applications/periodicals.desktop"
grep -q '^Name=โปรแกรมระบบงานวารสาร$' "$root/usr/share/applications/periodicals.desktop"
appstreamcli validate --no-net \
    "$root/usr/share/metainfo/th.ac.resourcecentre.periodicals.metainfo.xml" >/dev/null
# The man page names every option the program's usage lists.
man=$(zcat "$root/usr/share/man/man1/periodicals.1.gz" | sed 's/\\-/-/g')
for option in $("$program" --help | grep -o -- '--[a-z-]*'); do
    grep -q -- "$option" <<<"$man" || { echo "the man page lacks $option"; exit 1; }
done

home=$scratch/home
mkdir -p "$home"
status=0
env -i PATH=/usr/bin:/bin HOME="$home" QT_QPA_PLATFORM=offscreen \
    timeout 5 "$program" >/dev/null 2>&1 || status=$?
[ "$status" = 124 ] || { echo "the program ended early with status $status"; exit 1; }
db=$home/.local/share/periodicals/Vorlen.db
[ -f "$db" ] || { echo "no database at $db"; exit 1; }
tables=$(sqlite3 "$db" "select count(*) from sqlite_master where type='table' and name not glob '*_names*' and name not glob 'article_words*'")
# The desk's 29 tables and the late list's five.
[ "$tables" = 34 ] || { echo "database has $tables tables"; exit 1; }

dpkg --root="$root" --force-not-root --force-script-chrootless --log=/dev/null \
    --purge periodicals >/dev/null
left=$(find "$root" -path "$admin" -prune -o ! -type d -print)
[ -z "$left" ] || { echo "removing the package left: $left"; exit 1; }
echo "package passes lintian, installs, starts and removes"
