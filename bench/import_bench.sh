#!/bin/sh
# The import of a generated old-program file (50,000 titles, 2,000,000 issues)
# into a new database file, beside mdb-export reading every table of the same
# file to /dev/null. Goals: within 3 times of mdb-export, peak memory under
# 200 MB. Usage: import_bench.sh BUILD_FOLDER
set -e
build=$1
file=$build/bench-vorlen/bench.mdb
test -f "$file" || python3 tests/support/vorlen_fixtures.py --bench "$build/bench-vorlen"
start=$(date +%s.%N)
for table in $(mdb-tables -1 "$file"); do
    mdb-export "$file" "$table" >/dev/null
done
export_seconds=$(echo "$start $(date +%s.%N)" | awk '{printf "%.1f", $2 - $1}')
home=$build/bench-import-home
rm -rf "$home" && mkdir -p "$home"
/usr/bin/time -f '%e %M' -o "$home/time" env -u PERIODICALS_DATABASE HOME="$home" \
    XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" \
    "$build/shell/periodicals" --import-access "$file" >"$home/summary"
read -r import_seconds peak_kb <"$home/time"
echo "Import of $(basename "$file"): $import_seconds s, peak $((peak_kb / 1024)) MB;" \
    "mdb-export of every table: $export_seconds s;" \
    "ratio $(echo "$import_seconds $export_seconds" | awk '{printf "%.1f", $1 / $2}') (goal 3)"
