#!/usr/bin/env bash
# The bash completion of snapvale-cli, driven as bash drives it: COMP_WORDS and
# COMP_CWORD set, the function called, COMPREPLY read.
#   completion_test.sh COMPLETION_FILE SNAPVALE_CLI
set -u
# shellcheck source=/dev/null
source "$1"
cli=$2
failures=0
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Completes the last of the words (the first is replaced by the program's path) and
# prints the replies sorted, one a line.
replies() {
    COMP_WORDS=("$cli" "${@:2}")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _snapvale_cli
    if ((${#COMPREPLY[@]})); then printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort; fi
}

fail() {
    echo "FAIL: $1" >&2
    failures=$((failures + 1))
}

# expect_exactly "what" $'reply\nreply' words...
expect_exactly() {
    local what=$1 expected=$2 actual
    shift 2
    actual=$(replies "$@")
    [[ $actual == "$expected" ]] || fail "$what: expected [${expected//$'\n'/, }] got [${actual//$'\n'/, }]"
}

# expect_all_start_with "what" PREFIX MIN_COUNT words...: at least MIN_COUNT replies,
# each beginning with PREFIX.
expect_all_start_with() {
    local what=$1 prefix=$2 min=$3 actual count=0 line
    shift 3
    actual=$(replies "$@")
    while IFS= read -r line; do
        [[ -z $line ]] && continue
        count=$((count + 1))
        [[ $line == "$prefix"* ]] || fail "$what: reply \"$line\" does not start with \"$prefix\""
    done <<<"$actual"
    ((count >= min)) || fail "$what: $count replies, expected at least $min"
}

expect_includes() {
    local what=$1 wanted=$2 actual
    shift 2
    actual=$(replies "$@")
    grep -qxF -- "$wanted" <<<"$actual" || fail "$what: \"$wanted\" missing from [${actual//$'\n'/, }]"
}

# Commands, from the program's own help.
expect_exactly "one command" "render" x ren
expect_exactly "the album commands" $'album-info\nalbum-page\nalbum-print' x al
expect_includes "global options" "--settings" x --
expect_includes "every command" "html-export" x ""

# A command's options, from its usage line; the command is found after --settings' value.
expect_exactly "templates options" $'--full\n--half\n--slots' x templates --
expect_exactly "options after --settings" "--template" x --settings templates render --te
expect_includes "render options" "--out" x render --template "Three 4 x 6 Prints" --o

# Values: template names with spaces, however the user began to quote them.
expect_includes "template name, open quote" "Three 4 x 6 Prints" x render --template '"Three 4'
expect_all_start_with "template name, open quote" "Three 4" 1 x render --template '"Three 4'
expect_includes "template name, escaped spaces" "Three 4 x 6 Prints" x render --template 'Three\ 4'
expect_all_start_with "template names" "One" 2 x print --template One
expect_exactly "resolutions" $'300\n350' x render --dpi 3
expect_exactly "album layouts" $'2 x 1\n2 x 2\n2 x 3\n2 x 4' x album-page a.pho --layout '"2 x'
expect_exactly "numbers are not guessed" "" x render --top ""

# Sources and outputs are files.
mkdir "$scratch/holiday photos"
touch "$scratch/holiday.pho"
expect_exactly "files" "$scratch/holiday photos"$'\n'"$scratch/holiday.pho" x render "$scratch/hol"
expect_exactly "settings file" "$scratch/holiday.pho" x --settings "$scratch/holiday.p"

if ((failures)); then
    echo "$failures completion checks failed" >&2
    exit 1
fi
echo "completion checks passed"
