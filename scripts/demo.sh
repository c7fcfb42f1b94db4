#!/bin/sh
# The launcher's whole job on a built-in sample, in build/demo/ only:
#   - installs the launcher into a demo root with a package of build 124 of the
#     sample client,
#   - prepares a demo HOME holding build 123 with its client running,
#   - runs the launcher (on your display when there is one, else offscreen),
#     which stops the old client, upgrades the copy and starts the new client,
#   - runs it a second time, when no upgrade is needed,
#   - and says what happened.
set -eu
cd "$(dirname "$0")/.."
top=$(pwd)

./scripts/install-deps.sh

build=build
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" --target launcher launcher_icon orvanta-ui

demo="$top/$build/demo"
root="$demo/root"
home="$demo/home"
user="$home/.OrvantaBackup"
app="$user/Orvanta.app"

# The pid a pid file names, if that process runs the sample client of this demo.
demo_client() {
    pid=$(sed -n 's/^pid=\([0-9][0-9]*\)$/\1/p' "$1" 2>/dev/null || true)
    [ -n "$pid" ] || return 1
    exe=$(readlink "/proc/$pid/exe" 2>/dev/null || true)
    case "$exe" in "$demo"/*) echo "$pid" ;; *) return 1 ;; esac
}
wait_for_client() {
    i=0
    while [ $i -lt 500 ]; do
        if pid=$(demo_client "$user/ui.pid") && [ "$pid" != "${1:-}" ]; then
            echo "$pid"
            return 0
        fi
        sleep 0.01
        i=$((i + 1))
    done
    return 1
}
# True while the process runs (an exited one waiting to be reaped does not).
alive() {
    [ -r "/proc/$1/stat" ] && ! sed 's/.*) //' "/proc/$1/stat" | grep -q '^Z'
}
build_of() {
    sed -n 's/^build_version=//p' "$1" 2>/dev/null || true
}

# A client left running by an earlier demo goes first.
if old=$(demo_client "$user/ui.pid"); then
    kill -TERM "$old" 2>/dev/null || true
fi
rm -rf "$demo"
mkdir -p "$demo"

cmake --install "$build" --prefix "$root" >/dev/null
mkdir -p "$root/log" "$root/package"
printf 'launcher_debug=7\nservice_debug=6\n' >"$root/log/launcher.debug"

# A copy of the sample client of a given build, in the layout of a package.
stage() {
    dir="$demo/stage-$1"
    mkdir -p "$dir/bin" "$dir/package" "$dir/share/data"
    cp "$build/sample-client/orvanta-ui" "$dir/bin/orvanta-ui"
    cp sample-client/start-stop "$dir/package/start-stop"
    chmod 755 "$dir/bin/orvanta-ui" "$dir/package/start-stop"
    printf '[Version]\nmajor_version=3\nminor_version=1\nbuild_version=%s\nicon_overlay_version=7\n' \
        "$1" >"$dir/INFO"
    # Enough files for the progress dialog to be seen for a moment.
    i=0
    while [ $i -lt 400 ]; do
        printf 'sample data %s of build %s\n' "$i" "$1" >"$dir/share/data/item-$i.txt"
        i=$((i + 1))
    done
    ln -s share/data "$dir/data"
}

stage 124
cp "$demo/stage-124/INFO" "$root/INFO"
tar -czf "$root/package/orvanta.ovp" -C "$demo/stage-124" .

stage 123
mkdir -p "$user"
cp -a "$demo/stage-123" "$app"
"$app/package/start-stop" start
old_pid=$(wait_for_client) || { echo "the demo client of build 123 did not start" >&2; exit 1; }

if [ -n "${DISPLAY:-}" ]; then
    platform=""
    where="on your display $DISPLAY"
else
    platform=offscreen
    where="offscreen (no display)"
fi
# The launcher's own output (its plug-in line, Qt's diagnostics) goes to a file.
run_launcher() {
    if [ -n "$platform" ]; then
        HOME="$home" QT_QPA_PLATFORM="$platform" "$root/bin/launcher" >>"$demo/launcher.out" 2>&1
    else
        HOME="$home" "$root/bin/launcher" >>"$demo/launcher.out" 2>&1
    fi
}

echo "Orvanta Backup launcher demo, in $demo"
echo "  package:      build $(build_of "$root/INFO") in $root"
echo "  before:       private copy build $(build_of "$app/INFO"), client running (pid $old_pid)"
echo "  running the launcher $where ..."
status=0
run_launcher || status=$?
new_pid=$(wait_for_client "$old_pid" || true)
echo "  launcher:     exit status $status"
echo "  after:        private copy build $(build_of "$app/INFO")"
if alive "$old_pid"; then
    echo "                old client (pid $old_pid) still running"
else
    how=$(grep -c "(pid $old_pid): stopped by SIGTERM" "$user/ui.log" || true)
    [ "$how" -gt 0 ] && how="stopped by SIGTERM" || how="stopped"
    echo "                old client (pid $old_pid) $how"
fi
if [ -n "$new_pid" ]; then
    echo "                new client started (pid $new_pid, build $(build_of "$app/INFO"))"
else
    echo "                no new client is running"
fi
echo "  log:          $user/log/launcher.log"

echo "Second run, with the copy up to date:"
lines=$(wc -l <"$user/log/launcher.log")
status=0
run_launcher || status=$?
if tail -n +"$((lines + 1))" "$user/log/launcher.log" | grep -q "no need to upgrade"; then
    decision="no upgrade needed"
else
    decision="upgraded again (unexpected)"
fi
echo "  launcher:     exit status $status, $decision"
if pid=$(demo_client "$user/ui.pid"); then
    echo "  client:       pid $pid running, build $(build_of "$app/INFO")"
    "$app/package/start-stop" stop
    echo "  (the demo client was stopped again; the demo folder stays for a look)"
fi
