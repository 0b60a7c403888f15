#!/bin/sh
# zebra_server.sh start|stop DIR
# The suite's library catalogue: a Zebra server indexing the MARC records of
# marc_records.py, answering Z39.50 on the Unix socket DIR/socket and SRU at
# the address written to DIR/sru (a free loopback port).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
action=$1
dir=$2

stop_server() {
    if [ -f "$dir/zebrasrv.pid" ]; then
        kill "$(cat "$dir/zebrasrv.pid")" 2>/dev/null || true
        sleep 0.2
    fi
    rm -rf "$dir"
}

case $action in
start)
    stop_server
    mkdir -p "$dir/register" "$dir/shadow"
    cp "$here/zebra/usmarc.abs" "$here/zebra/words.idx" "$here/zebra/words.xml" "$dir/"
    sed "s|@DIR@|$dir|g" "$here/zebra/zebra.cfg" >"$dir/zebra.cfg"
    port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
    sed -e "s|@DIR@|$dir|g" -e "s|@PORT@|$port|g" "$here/zebra/yazgfs.xml" >"$dir/yazgfs.xml"
    python3 "$here/marc_records.py" "$dir/records.mrc"
    zebraidx -c "$dir/zebra.cfg" -l "$dir/zebraidx.log" init
    zebraidx -c "$dir/zebra.cfg" -l "$dir/zebraidx.log" update "$dir/records.mrc"
    zebraidx -c "$dir/zebra.cfg" -l "$dir/zebraidx.log" commit
    zebrasrv -D -f "$dir/yazgfs.xml" -l "$dir/zebrasrv.log" -p "$dir/zebrasrv.pid"
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        if [ -S "$dir/socket" ] && grep -q "listener on tcp" "$dir/zebrasrv.log"; then
            echo "http://127.0.0.1:$port/Default" >"$dir/sru"
            exit 0
        fi
        sleep 0.2
    done
    echo "zebrasrv did not start; see $dir/zebrasrv.log" >&2
    exit 1
    ;;
stop)
    stop_server
    ;;
esac
