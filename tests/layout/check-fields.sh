#!/bin/sh
# The entries, unit lists and options of the sizing's screens are named once,
# in the tables (*fields.h): a screen binds them and a step reads them through
# the tables' constants, never by a quoted name, and no id is defined twice.
set -u
src=$1
cd "$src" || exit 1
status=0

quoted=$(grep -rnP '(?<!form::)\b(entry|unit|option|unitList)\("|\b(entries|units|options)\["' \
    --include='*.cpp' --include='*.h' .)
if [ -n "$quoted" ]; then
    echo "a field named by a quoted id instead of its table's constant:"
    echo "$quoted" | sed 's/^/  /'
    status=1
fi

ids=$(grep -hoP '\b(entryField|unitsField|optionsField)\("\K\w+' ./*/*fields.h | sort)
twice=$(echo "$ids" | uniq -d)
if [ -n "$twice" ]; then
    echo "fields defined in more than one table: $twice"
    status=1
fi
[ "$status" -eq 0 ] && echo "$(echo "$ids" | wc -l) fields, each defined once and named by its constant"
exit "$status"
