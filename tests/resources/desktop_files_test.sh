#!/usr/bin/env bash
# The files the desktop reads agree with each other and with the build: the file types
# compile into a MIME database, the menu entry and the metainfo claim every type we
# define, the metainfo's launchable is our menu entry and its newest release is this
# version.
#   desktop_files_test.sh RESOURCES_DIR VERSION
set -u
resources=$1
version=$2
desktop=$resources/snapvale.desktop
mime=$resources/mime/snapvale.xml
metainfo=$(ls "$resources"/metainfo/*.metainfo.xml)
failures=0
fail() {
    echo "FAIL: $1" >&2
    failures=$((failures + 1))
}

types=$(grep -o '<mime-type type="[^"]*"' "$mime" | sed 's/.*type="\(.*\)"/\1/')
[[ -n $types ]] || fail "no MIME types in $mime"

# The types compile, with their globs and the album's banner as magic.
if command -v update-mime-database >/dev/null; then
    db=$(mktemp -d)
    trap 'rm -rf "$db"' EXIT
    mkdir -p "$db/mime/packages"
    cp "$mime" "$db/mime/packages/"
    XDG_DATA_DIRS=$db XDG_DATA_HOME=$db update-mime-database "$db/mime" 2>"$db/errors" || fail "update-mime-database failed"
    [[ -s $db/errors ]] && fail "update-mime-database: $(cat "$db/errors")"
    for glob in 'application/x-snapvale-album:\*\.pho' 'application/x-snapvale-project:\*\.svp'; do
        grep -q "^[0-9]*:$glob\$" "$db/mime/globs2" 2>/dev/null || fail "no glob $glob in the database"
    done
    grep -aq '^\[50:application/x-snapvale-album\]' "$db/mime/magic" 2>/dev/null ||
        fail "the album has no magic in the database"
else
    echo "update-mime-database not installed: MIME database not checked"
fi

desktop_types=$(sed -n 's/^MimeType=//p' "$desktop" | tr ';' '\n')
for type in $types; do
    grep -qxF "$type" <<<"$desktop_types" || fail "$desktop does not open $type"
    grep -qF "<mediatype>$type</mediatype>" "$metainfo" || fail "$metainfo does not provide $type"
done

launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
[[ $launchable == "$(basename "$desktop")" ]] || fail "the launchable \"$launchable\" is not $(basename "$desktop")"

newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -1 | sed 's/.*version="\(.*\)"/\1/')
[[ $newest == "$version" ]] || fail "the newest release in the metainfo is \"$newest\", the build is $version"

if ((failures)); then
    echo "$failures desktop file checks failed" >&2
    exit 1
fi
echo "desktop file checks passed"
