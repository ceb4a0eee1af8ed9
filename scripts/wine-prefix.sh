#!/usr/bin/env bash
# Prepares the prefix the test programs' own prefixes are copied from (once; see wine-env.sh).
#   wine-prefix.sh PREFIX
. "$(dirname "$0")/wine-env.sh"
wine_prefix_ready "$1" null
