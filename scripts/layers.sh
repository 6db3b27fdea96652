#!/usr/bin/env bash
# Prints which folders of the game include which (counting #include lines), one arrow a line, and
# marks and fails on an arrow the layers do not allow: each folder may include only the layers its
# CMakeLists.txt says it uses, directly or through them. The build already refuses such an include;
# this shows the whole graph at once, e.g. before and after moving files. A layer's sub-folders are
# part of it.
#   scripts/layers.sh [checkout]      (a checkout without the layer files is judged by this one's)
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cd "${1:-$here}"
order=(unicode platform formats engine game record learning screens app)
declare -A sees
for layer in "${order[@]}"; do
    uses=$(sed -n 's/^add_layer([a-z]* USES \([a-z ]*\).*/\1/p' "$here/$layer/CMakeLists.txt")
    sees[$layer]=" $layer "
    for used in $uses; do sees[$layer]+="${sees[$used]} "; done
done
status=0
for from in "${order[@]}"; do
    [ -d "$from" ] || continue
    while read -r count to; do
        [ "$to" = "$from" ] && continue
        mark=""
        case "${sees[$from]}" in *" $to "*) ;; *) mark="  <- not allowed"; status=1 ;; esac
        printf '%-9s -> %-9s %3d includes%s\n' "$from" "$to" "$count" "$mark"
    done < <(find "$from" -name '*.h' -o -name '*.cpp' | sort | xargs cat | sed -n 's/^#include "\([a-z]*\)\/.*/\1/p' | sort | uniq -c)
done
exit $status
