#!/bin/sh
# pg_server.sh start|stop DIR
# A private PostgreSQL 15 server for the tests: its files, its log and its
# Unix socket all in DIR, no TCP port. As root it runs as the unprivileged
# postgres user, since the server refuses to run as root. The maintenance
# database is then postgresql:///postgres?host=DIR&user=postgres.
set -eu
bin=/usr/lib/postgresql/15/bin
action=$1
dir=$(realpath -m "$2")

as_owner() {
    if [ "$(id -u)" = 0 ]; then
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}

case $action in
start)
    # A server a killed run left behind goes first.
    if [ -f "$dir/data/postmaster.pid" ]; then
        as_owner "$bin/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null || true
    fi
    rm -rf "$dir"
    mkdir -p "$dir"
    [ "$(id -u)" != 0 ] || chown postgres: "$dir"
    as_owner "$bin/initdb" -D "$dir/data" -U postgres --no-locale -E UTF8 -A trust >"$dir/initdb.log"
    # Durability is not what these tests are about; without syncs the many
    # databases they create come and go quickly.
    as_owner "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -o \
        "-c listen_addresses='' -k $dir -c fsync=off -c synchronous_commit=off -c full_page_writes=off -c max_connections=200" \
        start >/dev/null
    ;;
stop)
    if [ -f "$dir/data/postmaster.pid" ]; then
        as_owner "$bin/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null
    fi
    rm -rf "$dir"
    ;;
*)
    echo "usage: $0 start|stop DIR" >&2
    exit 2
    ;;
esac
