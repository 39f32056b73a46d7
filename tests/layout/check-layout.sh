#!/bin/sh
# The code's layering, as a newcomer relies on it: the folders of src/ include
# one another in one direction only, no file includes itself through others,
# and the binding to Qt in ui/ uses nothing but the conventions in flow/.
set -u
src=$1
cd "$src" || exit 1
folders=$(mktemp)
files=$(mktemp)
trap 'rm -f "$folders" "$files"' EXIT
status=0

for file in $(find . -name '*.h' -o -name '*.cpp' | sed 's|^\./||' | sort); do
    folder=$(dirname "$file")
    for included in $(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file"); do
        echo "$file $included" >>"$files"
        target=$(dirname "$included")
        [ "$target" != "$folder" ] && echo "$folder $target" >>"$folders"
        if [ "$folder" = ui ] && [ "$target" != ui ] && [ "$target" != flow ]; then
            echo "ui/ uses $target/: $file includes $included"
            status=1
        fi
    done
done

for graph in "$folders" "$files"; do
    if ! sort -u "$graph" | tsort >/dev/null 2>&1; then
        echo "an include circle:"
        sort -u "$graph" | tsort 2>&1 >/dev/null | sed 's/^/  /'
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "the include graph of $(sort -u "$folders" | wc -l) folder edges has no circle"
exit "$status"
