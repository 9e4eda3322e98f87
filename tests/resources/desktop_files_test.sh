#!/usr/bin/env bash
# The files the desktop reads agree with each other and with the build: the file types
# compile into a MIME database, the menu entry and the metainfo claim every type we
# define, the metainfo's launchable is our menu entry, its newest release is this
# version and its screenshots are those in docs/, at their true sizes.
#   desktop_files_test.sh SOURCE_DIR VERSION
set -u
resources=$1/resources
docs=$1/docs
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

# Width and height from a PNG's header.
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{printf "%d %d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}'
}
shots=0
while IFS= read -r image; do
    url=$(sed 's:.*>\(.*\)</image>.*:\1:' <<<"$image")
    width=$(sed -n 's/.*width="\([0-9]*\)".*/\1/p' <<<"$image")
    height=$(sed -n 's/.*height="\([0-9]*\)".*/\1/p' <<<"$image")
    file=$docs/$(basename "$url")
    shots=$((shots + 1))
    if [[ ! -f $file ]]; then
        fail "the screenshot $url is not in docs/"
    elif [[ "$(png_size "$file")" != "$width $height" ]]; then
        fail "$file is $(png_size "$file"), the metainfo says $width x $height"
    fi
done < <(grep '<image' "$metainfo")
((shots > 0)) || fail "the metainfo shows no screenshot"

if ((failures)); then
    echo "$failures desktop file checks failed" >&2
    exit 1
fi
echo "desktop file checks passed"
