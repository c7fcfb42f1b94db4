#!/bin/sh
# Runs inside a fresh pid namespace, as its first process: starts the private
# copy's client and a decoy that must never be signalled, points the pid file
# where the case says, runs the launcher, and reports who is still alive.
#   stop_harness.sh LAUNCHER CASE [VALUE]
# CASE: own (the client's pid file as it wrote it), missing, empty, line (VALUE
# is the whole pid file), decoy, dead, init, foreign (a client of another copy).
# Prints key=value lines: status, elapsed_ms, client, decoy, foreign, new_client.
launcher=$1
case=$2
value=$3
user="$HOME/.OrvantaBackup"

alive() {
    [ -n "$1" ] && [ -r "/proc/$1/stat" ] && ! sed 's/.*) //' "/proc/$1/stat" | grep -q '^Z'
}
state() {
    if alive "$1"; then echo alive; else echo gone; fi
}
wait_pid_file() {
    i=0
    while [ $i -lt 500 ]; do
        pid=$(sed -n 's/^pid=//p' "$1" 2>/dev/null)
        if [ -n "$pid" ] && alive "$pid"; then
            echo "$pid"
            return 0
        fi
        sleep 0.01
        i=$((i + 1))
    done
    return 1
}

sleep 600 &
decoy=$!

"$user/Orvanta.app/package/start-stop" start
client=$(wait_pid_file "$user/ui.pid") || { echo "error=client did not start"; exit 1; }

foreign=
case "$case" in
own) ;;
missing) rm -f "$user/ui.pid" ;;
empty) : >"$user/ui.pid" ;;
line) printf '%s\n' "$value" >"$user/ui.pid" ;;
decoy) echo "pid=$decoy" >"$user/ui.pid" ;;
dead)
    sh -c 'exit 0' &
    gone=$!
    wait $gone
    echo "pid=$gone" >"$user/ui.pid"
    ;;
init) echo "pid=1" >"$user/ui.pid" ;;
foreign)
    "$HOME/other/Orvanta.app/package/start-stop" start
    foreign=$(wait_pid_file "$HOME/other/ui.pid") || { echo "error=foreign did not start"; exit 1; }
    echo "pid=$foreign" >"$user/ui.pid"
    ;;
*) echo "error=unknown case $case"; exit 1 ;;
esac

start=$(date +%s%N)
env -u ORVANTA_UI_IGNORE_TERM -u ORVANTA_UI_EXIT_DELAY_MS "$launcher" >/dev/null
status=$?
end=$(date +%s%N)

echo "status=$status"
echo "elapsed_ms=$(((end - start) / 1000000))"
echo "client=$(state "$client")"
echo "decoy=$(state "$decoy")"
[ -n "$foreign" ] && echo "foreign=$(state "$foreign")"
new=$(wait_pid_file "$user/ui.pid")
[ -n "$new" ] && [ "$new" != "$client" ] && echo "new_client=$(state "$new")"
exit 0
