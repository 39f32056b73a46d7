#!/bin/sh
# What a tenth mechanism is: each application's screen is named in its own
# screen files and its row of the application table, and nowhere else. A file
# outside these that names a mechanism is a list a newcomer would have to
# find and extend. (The gearbox, whose screen also serves an added gearbox,
# is the one exception.)
set -u
src=$1
cd "$src" || exit 1
status=0
shared="mechanisms/applications.cpp"

screens=$(awk '/^ *\{"(Rotary|Linear): /{getline; gsub(/^ *ScreenId(::|\{")|"?\}?,.*$/, ""); print}' \
    mechanisms/applications.cpp)
[ -n "$screens" ] || { echo "no application rows found"; exit 1; }
for screen in $screens; do
    # The gearbox screen is also the added gearbox's, which the projection,
    # the findings, the report and the file know of.
    [ "$screen" = Gearbox ] && continue
    own=$(grep -rlw "class $screen" --include='*.h' mechanisms)
    allowed="$shared $own ${own%.h}.cpp"
    for file in $(grep -rlw "$screen" --include='*.cpp' --include='*.h' . | sed 's|^\./||'); do
        case " $allowed " in
        *" $file "*) ;;
        *) echo "$file names the mechanism $screen"; status=1 ;;
        esac
    done
done
[ "$status" -eq 0 ] && echo "$(echo "$screens" | grep -cvx Gearbox) mechanisms, each named only in its own files and its row"
exit "$status"
