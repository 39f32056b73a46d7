#!/bin/sh
# The layering check fails, and says why, on a tree whose two folders
# include each other (circle/).
here=$(dirname "$0")
if out=$(sh "$here/check-layout.sh" "$here/circle"); then
    echo "the check passed a tree with an include circle"
    exit 1
fi
echo "$out" | grep -q "an include circle:" || { echo "the check failed without the reason: $out"; exit 1; }
echo "the check finds the circle"
