#!/usr/bin/env bash
# Installs what is missing, builds Lumicord and starts it from its program directory.
#   scripts/run.sh                 the program, on this machine's adapters
#   scripts/run.sh --demo [COUNT]  as root: the program on a private veth segment with
#                                  lumicord-devsim playing COUNT devices (default 20);
#                                  LUMICORD_DEMO_NS names its namespace (lumicord-demo)
set -euo pipefail
cd "$(dirname "$0")/.."

demo=0
count=20
if [ "${1:-}" = "--demo" ]; then
    demo=1
    shift
    if [ $# -gt 0 ]; then
        count=$1
        shift
    fi
    if ! [[ "$count" =~ ^[0-9]+$ ]] || [ "$count" -lt 1 ] || [ "$count" -gt 100000 ]; then
        echo "run.sh --demo COUNT: the number of devices must be 1 to 100000" >&2
        exit 2
    fi
    if [ "$(id -u)" -ne 0 ]; then
        echo "run.sh --demo makes a network namespace and needs root; for example:" >&2
        echo "  sudo --preserve-env=DISPLAY,XAUTHORITY,WAYLAND_DISPLAY scripts/run.sh --demo" >&2
        exit 1
    fi
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "run.sh --demo: no display (DISPLAY is not set); see the README for Xvfb" >&2
        exit 1
    fi
    # One demo at a time: the lock is held for as long as this script runs.
    ns=${LUMICORD_DEMO_NS:-lumicord-demo}
    exec 9>"/run/$ns.lock"
    if ! flock -n 9; then
        echo "A Lumicord demo is already running (namespace $ns); quit it first." >&2
        exit 1
    fi
fi

scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLUMICORD_BUILD_TESTS=OFF -DLUMICORD_BUILD_BENCH=OFF >/dev/null
targets=(lumicord lumicord_runtime)
[ "$demo" -eq 1 ] && targets+=(lumicord-devsim)
cmake --build build/release --target "${targets[@]}"
bin=build/release/bin
[ "$demo" -eq 1 ] || exec "$bin/lumicord" "$@"

# The demo: the program sees only lumi-app in namespace $ns; the simulator plays the devices on
# lumi-dev in namespace $ns-dev, at the other end of the veth pair.
devns="$ns-dev"
work=$(mktemp -d)
devsim_pid=
cleanup() {
    trap - EXIT INT TERM
    [ -n "$devsim_pid" ] && kill "$devsim_pid" 2>/dev/null && wait "$devsim_pid" 2>/dev/null
    ip netns del "$ns" 2>/dev/null || true
    ip netns del "$devns" 2>/dev/null || true
    rm -rf "$work"
    echo "Demo ended: simulator stopped, namespaces $ns and $devns removed."
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Left over from a demo that was killed outright.
ip netns del "$ns" 2>/dev/null || true
ip netns del "$devns" 2>/dev/null || true
ip netns add "$ns"
ip netns add "$devns"
ip -n "$ns" link add lumi-app type veth peer name lumi-dev netns "$devns"
ip -n "$ns" link set lumi-app address 02:4c:4d:00:00:01 up
ip -n "$devns" link set lumi-dev address 02:4c:4d:00:00:02 up

# About one device in seven reports a failure, so a batch shows mixed results.
ip netns exec "$devns" "$bin/lumicord-devsim" -i lumi-dev -n "$count" --out "$work/received" \
    --ssid2 "Office-{n}" --ssid5 "Office-{n}-5G" --key2 "key24-{n}" --key5 "key5-{n}" \
    --outcome failed@15% >"$work/devsim.log" 2>&1 &
devsim_pid=$!
echo "lumicord-devsim plays $count devices on lumi-dev; pick \"lumi-app\" and press Start Scan."

export XDG_RUNTIME_DIR="$work"
ip netns exec "$ns" "$bin/lumicord" "$@" || true
