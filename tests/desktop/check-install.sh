#!/bin/sh
# Installs the build into a temporary prefix, checks that each expected file is there, that the
# bitmap icon has the size of its folder, that the installed game starts and loads its German
# translation under a German locale, that the launcher entry starts the installed game, and that
# the launcher entry and the software-centre metadata pass the desktop's own validators.
# Usage: check-install.sh BUILD_DIR APP_ID FILE...   (files relative to the prefix)
set -eu
build=$1
app_id=$2
shift 2

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

status=0
for file in "$@"; do
    if [ ! -s "$prefix/$file" ]; then
        echo "not installed: $file"
        status=1
    fi
done
for file in "$@"; do
    case $file in
    games/*)
        [ -x "$prefix/$file" ] || { echo "not executable: $file"; status=1; } ;;
    */48x48/*.png)
        # A PNG stores its width and height as big-endian words at bytes 16 to 23.
        size=$(od -An -tu1 -j16 -N8 "$prefix/$file" | tr -s ' ' | sed 's/^ //')
        [ "$size" = "0 0 0 48 0 0 0 48" ] || { echo "not 48x48: $file ($size)"; status=1; } ;;
    esac
done
[ $status -eq 0 ] || exit $status

# The game finds its translations relative to its own folder. The toolkit maps a translation file
# it loads into memory, so the running game's memory map shows whether it found one.
game=$prefix/games/pondaro
QT_QPA_PLATFORM=offscreen LC_ALL=de_DE.UTF-8 LANGUAGE=de "$game" >/dev/null 2>&1 &
pid=$!
translation="$prefix/share/pondaro/translations/de.qm"
tries=0
until grep -qF "$translation" /proc/$pid/maps 2>/dev/null; do
    tries=$((tries + 1))
    if [ $tries -gt 300 ] || ! kill -0 $pid 2>/dev/null; then
        echo "the installed game did not load $translation"
        status=1
        break
    fi
    sleep 0.1
done
kill $pid 2>/dev/null || true
wait $pid 2>/dev/null || true

desktop=$(find "$prefix" -path "*/applications/$app_id.desktop")
grep -qx "Exec=$game" "$desktop" || { echo "the launcher entry does not start $game"; status=1; }
[ $status -eq 0 ] || exit $status

for tool in desktop-file-validate appstreamcli; do
    if ! command -v $tool >/dev/null 2>&1; then
        echo "SKIPPED: $tool is missing (install desktop-file-utils and appstream)"
        exit 77
    fi
done
metainfo=$(find "$prefix" -path "*/metainfo/$app_id.metainfo.xml")
desktop-file-validate "$desktop" || status=1
appstreamcli validate --no-net "$metainfo" || status=1
# The whole tree: the metadata must find its launcher entry and icon where it names them.
appstreamcli validate-tree --no-net "$prefix" || status=1
exit $status
