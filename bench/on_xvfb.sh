#!/bin/sh
# on_xvfb.sh COMMAND [ARG...]
# Runs COMMAND on an X server of its own (Xvfb, on the first free display)
# with Qt's xcb platform, as the program runs on a desk, and stops the server.
set -eu
dir=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
server=$!
for _ in $(seq 50); do
    [ -s "$dir/display" ] && break
    sleep 0.1
done
status=0
DISPLAY=:$(cat "$dir/display") QT_QPA_PLATFORM=xcb "$@" || status=$?
kill "$server"
wait "$server" 2>/dev/null || true
rm -rf "$dir"
exit $status
