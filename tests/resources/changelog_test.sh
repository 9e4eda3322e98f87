#!/usr/bin/env bash
# The Debian changelog written from metainfo releases: every release in order, its
# notes as items with XML entities decoded, and each date with its true weekday.
#   changelog_test.sh DebianChangelog.cmake
set -u
script=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $1" >&2
    failures=$((failures + 1))
}

cat >"$work/test.metainfo.xml" <<'XML'
<component>
  <releases>
    <release version="3.0.0" date="2024-02-29">
      <description><p>Leap day &amp; more.</p><ul><li>First item.</li><li>Second item.</li></ul></description>
    </release>
    <release version="2.1.0" date="2000-01-01">
      <description>
        <p>
          A note long enough that it has to be wrapped onto a second line of the changelog, and
          a third one as well because it goes on and on for a while longer.
        </p>
      </description>
    </release>
    <release version="2.0.0" date="2026-03-01"/>
  </releases>
</component>
XML
cmake -DMETAINFO="$work/test.metainfo.xml" "-DMAINTAINER=Test Maintainer <test@example.org>" \
    -DOUTPUT="$work/changelog.gz" -DGZIP="$(command -v gzip)" -P "$script" || fail "the script failed"
text=$(gzip -dc "$work/changelog.gz")

versions=$(sed -n 's/^snapvale (\(.*\)) unstable; urgency=medium$/\1/p' <<<"$text" | tr '\n' ' ')
[[ $versions == "3.0.0 2.1.0 2.0.0 " ]] || fail "releases: [$versions]"

for iso in 2024-02-29 2000-01-01 2026-03-01; do
    expected=$(LC_ALL=C date -u -d "$iso" '+%a, %d %b %Y 00:00:00 +0000')
    grep -qxF " -- Test Maintainer <test@example.org>  $expected" <<<"$text" || fail "no trailer dated $expected"
done
grep -qxF "  * Leap day & more." <<<"$text" || fail "entities not decoded"
grep -qxF "  * Second item." <<<"$text" || fail "list items missing"
grep -qxF "  * Release 2.0.0." <<<"$text" || fail "a release without notes has no item"
long=$(awk 'length > 76' <<<"$text" | grep -v '^ -- ')
[[ -z $long ]] || fail "lines over 76 columns: $long"
[[ $(grep -c '^    ' <<<"$text") -ge 2 ]] || fail "the long note is not wrapped"

if command -v dpkg-parsechangelog >/dev/null; then
    gzip -dc "$work/changelog.gz" >"$work/changelog"
    dpkg-parsechangelog -l "$work/changelog" --all >/dev/null 2>"$work/warnings" || fail "dpkg-parsechangelog failed"
    [[ -s $work/warnings ]] && fail "dpkg-parsechangelog warns: $(cat "$work/warnings")"
fi

if ((failures)); then
    echo "$failures changelog checks failed" >&2
    exit 1
fi
echo "changelog checks passed"
