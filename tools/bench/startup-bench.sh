#!/usr/bin/env bash
# Start-up time of a desktop program: from launch until its window is mapped,
# on a private Xvfb display, with a fresh home and runtime folder for every run
# (no settings, caches or running copy carry over from one run to the next).
# Prints each run, then one summary line, tab-separated:
#   label  runs  failures  median-ms  min-ms  max-ms
# Needs the Debian packages xvfb and xdotool.
set -euo pipefail

usage()
{
    echo "usage: $0 [-n runs] [-t timeout-seconds] [-l label] title-regex program [arguments...]" >&2
    exit 2
}

runs=7
timeout=10
label=
while getopts n:t:l: opt; do
    case $opt in
    n) runs=$OPTARG ;;
    t) timeout=$OPTARG ;;
    l) label=$OPTARG ;;
    *) usage ;;
    esac
done
shift $((OPTIND - 1))
[ $# -ge 2 ] || usage
title=$1
shift
[ -x "$1" ] || { echo "$0: not a program: $1" >&2; exit 2; }
label=${label:-$(basename "$1")}

missing=
command -v Xvfb >/dev/null || missing="$missing xvfb"
command -v xdotool >/dev/null || missing="$missing xdotool"
if [ -n "$missing" ]; then
    echo "$0 needs the Debian packages:$missing (sudo apt-get install -y$missing)" >&2
    exit 2
fi

work=$(mktemp -d)
xvfb=
cleanup()
{
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 200); do
    [ -s "$work/display" ] && break
    sleep 0.05
done
[ -s "$work/display" ] || { echo "$0: Xvfb did not start" >&2; exit 1; }
display=:$(head -n 1 "$work/display")

now_ns() { date +%s%N; }

times=()
failures=0
for run in $(seq "$runs"); do
    home=$work/home$run
    mkdir -p "$home/.config" "$home/.cache" "$home/.local/share" "$home/runtime"
    chmod 700 "$home/runtime"
    start=$(now_ns)
    env DISPLAY="$display" QT_QPA_PLATFORM=xcb WAYLAND_DISPLAY= HOME="$home" XDG_CONFIG_HOME="$home/.config" \
        XDG_CACHE_HOME="$home/.cache" XDG_DATA_HOME="$home/.local/share" XDG_RUNTIME_DIR="$home/runtime" \
        "$@" >/dev/null 2>&1 &
    pid=$!
    deadline=$((start + timeout * 1000000000))
    ms=
    while kill -0 "$pid" 2>/dev/null && [ "$(now_ns)" -lt "$deadline" ]; do
        if DISPLAY=$display xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; then
            ms=$((($(now_ns) - start) / 1000000))
            break
        fi
        sleep 0.002
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    if [ -n "$ms" ]; then
        times+=("$ms")
        echo "$label run $run: $ms ms"
    else
        failures=$((failures + 1))
        echo "$label run $run: no window matching '$title' within ${timeout} s"
    fi
done

if [ ${#times[@]} -eq 0 ]; then
    printf '%s\t%s\t%s\t-\t-\t-\n' "$label" "$runs" "$failures"
    exit 1
fi
mapfile -t sorted < <(printf '%s\n' "${times[@]}" | sort -n)
n=${#sorted[@]}
if [ $((n % 2)) -eq 1 ]; then
    median=${sorted[n / 2]}
else
    median=$(((sorted[n / 2 - 1] + sorted[n / 2]) / 2))
fi
printf '%s\t%s\t%s\t%s\t%s\t%s\n' "$label" "$runs" "$failures" "$median" "${sorted[0]}" "${sorted[n - 1]}"
