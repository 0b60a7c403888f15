#!/bin/sh
# pg_server.sh start|stop DIR [durable]
# A private PostgreSQL 15 server for the tests: its files, its log and its
# Unix socket in DIR, no TCP port. The maintenance database is then
# postgresql:///postgres?host=DIR&user=postgres.
# As root the server runs as the unprivileged postgres user (it refuses to run
# as root), in a folder under /tmp that DIR links to, since that user may not
# reach a build folder under a private home.
set -eu
bin=/usr/lib/postgresql/15/bin
action=$1
dir=$2
durable=${3:-}

as_owner() {
    if [ "$(id -u)" = 0 ]; then
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}

stop_server() {
    real=$(readlink -f "$dir" || true)
    if [ -n "$real" ] && [ -f "$real/data/postmaster.pid" ]; then
        as_owner "$bin/pg_ctl" -D "$real/data" -m "$1" -w stop >/dev/null || true
    fi
    [ -z "$real" ] || rm -rf "$real"
    rm -rf "$dir"
}

case $action in
start)
    # A server a killed run left behind goes first.
    stop_server immediate
    mkdir -p "$(dirname "$dir")"
    if [ "$(id -u)" = 0 ]; then
        real=$(mktemp -d /tmp/periodicals-test-server.XXXXXX)
        chown postgres: "$real"
        ln -s "$real" "$dir"
    else
        mkdir "$dir"
        real=$dir
    fi
    as_owner "$bin/initdb" -D "$real/data" -U postgres --no-locale -E UTF8 -A trust \
        >"$real/initdb.log"
    # Durability is not what the tests are about; without syncs the many
    # databases they create come and go quickly. Timings keep the syncs.
    options="-c listen_addresses='' -k $real -c max_connections=200"
    [ "$durable" = durable ] ||
        options="$options -c fsync=off -c synchronous_commit=off -c full_page_writes=off"
    as_owner "$bin/pg_ctl" -D "$real/data" -l "$real/server.log" -w -o "$options" start >/dev/null
    ;;
stop)
    stop_server fast
    ;;
*)
    echo "usage: $0 start|stop DIR" >&2
    exit 2
    ;;
esac
