#!/usr/bin/env bash
# Makes (up) or removes (down) a private network namespace holding a veth pair, so the program
# and lumicord-devsim can talk over real Ethernet frames without touching this machine's
# interfaces. Needs root.
#   scripts/veth-segment.sh up [NAME]    namespace NAME (default lumicord), ends lumi-app, lumi-dev
#   scripts/veth-segment.sh down [NAME]
# Then, for example:
#   ip netns exec lumicord build/asan/bin/lumicord-devsim -i lumi-dev -n 20 --out /tmp/devsim &
#   ip netns exec lumicord build/asan/bin/lumicord
set -euo pipefail

action=${1:-}
ns=${2:-lumicord}

case "$action" in
up)
    ip netns add "$ns"
    ip -n "$ns" link add lumi-app type veth peer name lumi-dev
    ip -n "$ns" link set lumi-app address 02:4c:4d:00:00:01
    ip -n "$ns" link set lumi-dev address 02:4c:4d:00:00:02
    ip -n "$ns" link set lumi-app up
    ip -n "$ns" link set lumi-dev up
    echo "namespace $ns: lumi-app (program side) <-> lumi-dev (simulator side)"
    ;;
down)
    ip netns del "$ns"
    ;;
*)
    echo "usage: $0 up|down [NAME]" >&2
    exit 2
    ;;
esac
