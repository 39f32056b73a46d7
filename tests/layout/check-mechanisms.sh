#!/bin/sh
# What a tenth mechanism is: each application's screen is named in its own
# screen files, its row of the application table, the screen identities and
# the screen set, and nowhere else; its logic only in its own logic files and
# its row. A file outside these that names a mechanism is a list a newcomer
# would have to find and extend. (The gearbox is the one exception.)
set -u
src=$1
cd "$src" || exit 1
status=0
shared="flow/screenid.h flow/screenid.cpp app/screenset.cpp mechanisms/applications.cpp"

screens=$(awk '/^ *\{"(Rotary|Linear): /{getline; sub(/^ *S::/, ""); sub(/,.*/, ""); print}' \
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
[ "$status" -eq 0 ] && echo "$(echo "$screens" | grep -cvx Gearbox) mechanisms, each named only in its files, its row, the screen ids and the screen set"
exit "$status"
