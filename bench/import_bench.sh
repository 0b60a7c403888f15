#!/bin/sh
# The import of a generated old-program file (50,000 titles, 2,000,000 issues)
# into a new database file, beside mdb-export reading every table of the same
# file to /dev/null. Goals: within 3 times of mdb-export, peak memory under
# 200 MB. Processor time (user and system) is compared, as the wall time of a
# shared machine says more about its load than about either program. Last
# run (bench/RESULTS.md): 9.2 s against 3.6 s, ratio 2.5, peak 73 MB; a
# profile put about half of it in the five indexes of the issues.
# Usage: import_bench.sh BUILD_FOLDER
set -e
build=$1
file=$build/bench-vorlen/bench.mdb
test -f "$file" || python3 tests/support/vorlen_fixtures.py --bench "$build/bench-vorlen"
home=$build/bench-import-home
rm -rf "$home" && mkdir -p "$home"
/usr/bin/time -f '%e %U %S' -o "$home/export-time" sh -c '
    for table in $(mdb-tables -1 "$1"); do mdb-export "$1" "$table" >/dev/null; done' sh "$file"
/usr/bin/time -f '%e %U %S %M' -o "$home/time" env -u PERIODICALS_DATABASE HOME="$home" \
    XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" \
    "$build/shell/periodicals" --import-access "$file" >"$home/summary"
read -r export_wall export_user export_system <"$home/export-time"
read -r import_wall import_user import_system peak_kb <"$home/time"
echo "$import_user $import_system $export_user $export_system" | awk -v wall="$import_wall" \
    -v export_wall="$export_wall" -v peak=$((peak_kb / 1024)) -v name="$(basename "$file")" '{
    printf "Import of %s: %.1f s of processor time (%.1f s wall), peak %d MB;", name, $1 + $2, wall, peak
    printf " mdb-export of every table: %.1f s (%.1f s wall);", $3 + $4, export_wall
    printf " ratio %.1f (goal 3)\n", ($1 + $2) / ($3 + $4) }'
