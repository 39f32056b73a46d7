#!/bin/sh
# Installs the build into a scratch DESTDIR, checks that exactly the
# program's files are there and that the desktop files validate; with
# "package", builds the Debian package and checks its files and dependencies.
set -eu
build=$1
what=${2:-install}
id=org.motorsizing.MotorSizing
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

expected="./usr/bin/motor-sizing
./usr/share/applications/$id.desktop
./usr/share/icons/hicolor/scalable/apps/$id.svg
./usr/share/metainfo/$id.metainfo.xml
./usr/share/mime/packages/$id.xml"

fail() {
    echo "FAIL: $*"
    exit 1
}

if [ "$what" = install ]; then
    DESTDIR="$tmp/root" cmake --install "$build" --prefix /usr >/dev/null
    found=$(cd "$tmp/root" && find . -type f -o -type l | sort)
    [ "$found" = "$expected" ] || fail "installed files differ:
$found"
    [ -x "$tmp/root/usr/bin/motor-sizing" ] || fail "the program is not executable"
    desktop-file-validate "$tmp/root/usr/share/applications/$id.desktop" || fail "desktop entry"
    appstreamcli validate --no-net "$tmp/root/usr/share/metainfo/$id.metainfo.xml" ||
        fail "metainfo"
    grep -q "^Icon=$id\$" "$tmp/root/usr/share/applications/$id.desktop" || fail "icon name"
    grep -q "<svg" "$tmp/root/usr/share/icons/hicolor/scalable/apps/$id.svg" || fail "icon"
    version=$(sed -n 's/^project(MotorSizing VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")
    grep -q "<release version=\"$version\"" "$tmp/root/usr/share/metainfo/$id.metainfo.xml" ||
        fail "release $version"
    # The sizing file's type: the desktop entry opens it, and the MIME
    # database built from the package knows its glob and its parent type.
    grep -q '^Exec=motor-sizing %f$' "$tmp/root/usr/share/applications/$id.desktop" || fail "Exec %f"
    grep -q '^MimeType=application/x-motorsizing;$' "$tmp/root/usr/share/applications/$id.desktop" ||
        fail "MimeType"
    mkdir -p "$tmp/mime/packages"
    cp "$tmp/root/usr/share/mime/packages/$id.xml" "$tmp/mime/packages/"
    update-mime-database "$tmp/mime" || fail "update-mime-database"
    grep -q '^[0-9]*:application/x-motorsizing:\*\.motorsizing$' "$tmp/mime/globs2" ||
        fail "glob: $(cat "$tmp/mime/globs2")"
    grep -q '^application/x-motorsizing application/json$' "$tmp/mime/subclasses" ||
        fail "sub-class: $(cat "$tmp/mime/subclasses")"
    echo "installed files and desktop files are in order"
else
    (cd "$tmp" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/out" >/dev/null) ||
        fail "cpack"
    deb=$(ls "$tmp"/out/*.deb)
    files=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '/$' | sort)
    [ "$files" = "$expected" ] || fail "packaged files differ:
$files"
    depends=$(dpkg-deb -f "$deb" Depends)
    for lib in libqt6widgets6 libqt6printsupport6 libqt6gui6 libqt6core6 libqt6sql6 \
        qt6-qpa-plugins libqt6sql6-sqlite; do
        echo "$depends" | grep -q "$lib" || fail "no dependency on $lib: $depends"
    done
    [ "$(dpkg-deb -f "$deb" Package)" = motor-sizing ] || fail "package name"
    echo "the package holds the files and depends on Qt"
fi
