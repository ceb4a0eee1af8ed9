#!/usr/bin/env sh
# Includes run one way: app -> site -> dialog folders -> core. The ground floor (src/core) includes
# only its own headers and resource.h; a dialog folder includes nothing of the tools over whole sites
# (src/site) nor of the top floor (src/app); src/site includes nothing of src/app.
root="$(cd "$(dirname "$0")/.." && pwd)/src"
status=0
for file in "$root"/core/* "$root"/cameras/* "$root"/system/* "$root"/sitedata/* "$root"/alarms/* \
            "$root"/sitemap/* "$root"/transactions/* "$root"/site/*; do
    [ -f "$file" ] || continue
    floor=$(basename "$(dirname "$file")")
    for header in $(sed -n 's/^#include "\(.*\)"/\1/p' "$file"); do
        name=$(basename "$header")
        if [ "$floor" = core ]; then
            [ -f "$root/core/$name" ] || [ "$name" = resource.h ] || { echo "${file#$root/} includes $header"; status=1; }
        elif [ -f "$root/app/$name" ] || { [ "$floor" != site ] && [ -f "$root/site/$name" ]; }; then
            echo "${file#$root/} includes $header"; status=1
        fi
    done
done
exit $status
