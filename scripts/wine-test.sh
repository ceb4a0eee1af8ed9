#!/usr/bin/env bash
# Runs one test program under Wine in a prefix of its own, copied from the build's prepared prefix
# and removed afterwards, with a server of its own: test programs run side by side without seeing
# each other's files in the Windows folder.
#   wine-test.sh PREPARED_PREFIX PROGRAM [ARGUMENTS...]
. "$(dirname "$0")/wine-env.sh"
template="$1"
shift
# Prepared by the CTest fixture; made here when a program is run by hand before any test.
[ -f "$template/.orva-ready-3" ] || flock "$template.lock" bash -c ". '$(dirname "$0")/wine-env.sh'; wine_prefix_ready '$template' null"
prefix="$(mktemp -d "$template.XXXXXX")"
cleanup() { wine_server_stop "$prefix"; rm -rf "$prefix"; }
trap cleanup EXIT
wine_prefix_copy "$template" "$prefix"
wine_server_start "$prefix"
"$WINE" "$@"
