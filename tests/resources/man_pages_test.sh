#!/usr/bin/env bash
# The staged man pages: groff reads them without a warning, and each lists every
# option and command that the program's own --help gives.
#   man_pages_test.sh MAN1_DIR SNAPVALE SNAPVALE_CLI
set -u
man1=$1
gui=$2
cli=$3
failures=0
fail() {
    echo "FAIL: $1" >&2
    failures=$((failures + 1))
}

# Prints the page as plain text: no bold, no underlining, hyphens as typed, and wide
# enough that the longest usage line stays one line.
render() {
    local page=$man1/$1.1
    if [[ -f $page.gz ]]; then gzip -dc "$page.gz"; else cat "$page"; fi |
        LC_ALL=C.UTF-8 MANWIDTH=400 groff -man -Tascii -rLL=400n -dAD=l -P-cbou -ww 2>"$warnings"
}

warnings=$(mktemp)
trap 'rm -f "$warnings"' EXIT
export QT_QPA_PLATFORM=offscreen

check_page() {
    local name=$1 program=$2 text term
    text=$(render "$name") || fail "$name: groff failed"
    [[ -s $warnings ]] && fail "$name: groff warns: $(cat "$warnings")"
    grep -q "^NAME" <<<"$text" || fail "$name: no NAME section"
    # Every term of --help (option, argument or command usage), as the help writes it.
    while IFS= read -r term; do
        grep -qF -- "$term" <<<"$text" || fail "$name: \"$term\" from --help is not on the page"
    done < <("$program" --help 2>/dev/null | sed -n 's/^  \([^ ].*\)$/\1/p' | sed 's/  .*//')
}

check_page snapvale "$gui"
check_page snapvale-cli "$cli"

# The check above must have had something to look for.
"$cli" --help 2>/dev/null | grep -q '^  render ' || fail "snapvale-cli --help lists no render command"

if ((failures)); then
    echo "$failures man page checks failed" >&2
    exit 1
fi
echo "man page checks passed"
