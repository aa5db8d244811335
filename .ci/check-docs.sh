#!/usr/bin/env bash
# Checks README.md and BUILDING.md against what the project does, in a copy of the work tree as
# it stands (uncommitted edits included; your own files and build folders are left alone).
# Their fenced blocks, in page order, README first:
# - ```sh: each line is run. A line that starts a program (./NAME, build/...) must exit 0, and
#   stack_demo must pass tests/check_transcript.cmake; the program is deleted after, so
#   each run needs a build before it. A ctest that ran no test fails. A block whose first line
#   is "# Not checked here: <why>" is skipped, and said so. A line that starts with sudo is run
#   without it as root, and skipped otherwise, saying so. The placeholders <a folder of your
#   choice> and <the folder of GoogleTest's sources> become an install folder in the copy and
#   /usr/src/googletest. Some command of the README must run tests, and pass; BUILDING.md must
#   say how many ("N is ... on Linux").
# - ```text: what the program run last printed (stack_demo's as a terminal shows it), or, from
#   "a new stack:" on, the array as .ci/walkthrough.awk draws it from that run.
# - ```cpp: saved as your_program.cpp; each ```cmake is a project of the reader's own, built
#   around it, whose program must print what ./your_program printed.
# - ```bat: each line must be, whole, one that .github/workflows runs.
# Any other block fails. The first run of stack_demo is the one the README's walkthrough table
# must give in every column, as .ci/walkthrough.awk works it out from the code and the run.
# Every link in every .md file git tracks must find its file and heading.
# .ci/run calls it; it runs on its own as well: bash .ci/check-docs.sh
set -euo pipefail
cd "$(dirname "$0")/.."
work=$PWD/build/check-docs tree=$PWD/build/check-docs/tree
installed=$tree/build/installed
fail() { echo "check-docs: $*" >&2; exit 1; }

rm -rf "$work"
mkdir -p "$tree" "$work/blocks"
git ls-files -z --cached --others --exclude-standard | while IFS= read -r -d '' path; do
    [[ ! -e $path ]] || printf '%s\0' "$path"
done | tar --null -T - -cf - | tar -xf - -C "$tree"
cd "$tree"

echo "--- links"
git -C "$OLDPWD" ls-files '*.md' | while IFS= read -r page; do
    { grep -o '](\([^)]*\))' "$page" || true; } | sed -n '/^](https\?:/!s/^](\(.*\))$/\1/p' |
        while IFS= read -r link; do
            file=${link%%#*} anchor=${link#"${link%%#*}"} target=$page
            [[ -z $file ]] || target=$(dirname "$page")/$file
            [[ -e $target ]] || fail "$page: $link: no such file"
            [[ -z $anchor ]] || awk '/^```/ { fenced = !fenced } !fenced && sub(/^#+ /, "") {
                    $0 = tolower($0); gsub(/[^a-z0-9 _-]/, ""); gsub(/ /, "-"); print "#" $0 }' \
                "$target" | grep -qxF -- "$anchor" || fail "$page: $link: no such heading"
        done
done

pages=(README.md BUILDING.md)
for i in 0 1; do  # blocks/I-PAGE-NN.KIND; an indented block would go unchecked
    awk -v to="$work/blocks/$i-${pages[i]}" '
        /^```./ && !file { file = sprintf("%s-%02d.%s", to, ++n, substr($0, 4)); next }
        /^```$/ { close(file); file = ""; next }
        file { print > file; next }
        /^    / && last == "" { print FILENAME ":" NR ": an indented block: fence it"; bad = 1 }
        { last = $0 }
        END { exit bad }' "${pages[i]}" || fail "a block that nothing checks"
done

program="" commands=0 readme_tests=""
check_table() {  # the README's walkthrough, every column, against the run in stack_demo-output
    echo "--- the README's walkthrough table"
    diff <(awk -F'|' '$2 ~ /^ [0-9]+ +$/ { for (i = 2; i < NF; i++) {
            gsub(/^ +| +$/, "", $i); printf "%s%s", $i, (i < NF - 1 ? "|" : "\n") } }' README.md) \
        <(awk -v what=table -f .ci/walkthrough.awk stack/Stack.h app/main.cpp \
            "$work/stack_demo-output") || fail "the table is not what the code and the run give"
}
run_program() {  # PATH
    local status=0
    [[ -x $1 ]] || fail "$1: no such program"
    if [[ $1 == *stack_demo ]]; then
        cmake -D "DEMO=$PWD/$1" -P tests/check_transcript.cmake || fail "$1: not the transcript"
        "$1" <<<7 >"$work/output" || status=$?
        if [[ ! -e $work/stack_demo-output ]]; then
            cp "$work/output" "$work/stack_demo-output"
            check_table
        fi
    else
        "$1" </dev/null >"$work/output" || status=$?
        cp "$work/output" "$work/$(basename "$1")-output"
    fi
    ((status == 0)) || fail "$1 exited with status $status"
    program=$1
    rm "$1"
}
run_command() {  # LINE
    local command=$1 folder
    printf -v folder %q "$installed"
    command=${command//<a folder of your choice>/$folder}
    command=${command//<the folder of GoogleTest\'s sources>//usr/src/googletest}
    if [[ $command == "sudo "* && $EUID != 0 ]]; then
        echo "not root, so not run: $command"
        return
    fi
    command=${command#sudo }
    echo "\$ $command"
    commands=$((commands + 1))
    if [[ $command =~ ^(\./|build/)[^[:space:]]*$ ]]; then
        run_program "$command"
    elif ! eval "$command" </dev/null >"$work/log" 2>&1; then
        tail -n 40 "$work/log"
        fail "failed: $command"
    elif grep -q 'No tests were found' "$work/log" || { [[ $command == ctest* ]] &&
        ! grep -q 'tests passed, 0 tests failed out of [1-9]' "$work/log"; }; then
        fail "ran no test: $command"
    elif [[ $name == 0-* ]] && grep -q 'tests passed, 0 tests failed out of' "$work/log"; then
        readme_tests=$(sed -n 's/.*tests passed, 0 tests failed out of //p' "$work/log")
    fi
}
embed() {  # CMAKELISTS
    local dir=$work/embed-$((++embeds)) with=()
    mkdir -p "$dir"
    cp "$1" "$dir/CMakeLists.txt"
    cp your_program.cpp "$dir/"
    if grep -q '^add_subdirectory(stack_demo)' "$1"; then
        mkdir "$dir/stack_demo"
        tar --exclude=./build -cf - . | tar -xf - -C "$dir/stack_demo"
    elif grep -q '^FetchContent_Declare(stack_demo' "$1"; then
        with=(-DFETCHCONTENT_SOURCE_DIR_STACK_DEMO="$tree")
    elif grep -q '^find_package(stack_demo' "$1"; then
        with=(-DCMAKE_PREFIX_PATH="$installed")
    else
        fail "$1: no rule for this CMakeLists.txt"
    fi
    head -n 1 "$1"
    { cmake -S "$dir" -B "$dir/build" "${with[@]}" && cmake --build "$dir/build"; } \
        >"$work/log" 2>&1 || { tail -n 40 "$work/log"; fail "$1 did not build"; }
    "$dir/build/your_program" >"$dir/output" || fail "$1: your_program exited $?"
    cmp "$dir/output" "$work/your_program-output" || fail "$1: your_program printed otherwise"
}

embeds=0
for block in "$work"/blocks/*; do
    name=$(basename "$block")
    echo "--- $name"
    case $name in
    *.sh)
        if [[ $(head -n 1 "$block") == "# Not checked here: "* ]]; then
            head -n 1 "$block"
            continue
        fi
        while IFS= read -r line; do
            [[ -z $line || $line == \#* ]] || run_command "$line"
        done <"$block"
        ;;
    *.text)
        [[ -n $program ]] || fail "$name: no program ran before it"
        if [[ $(head -n 1 "$block") == "a new stack: "* ]]; then
            echo "the array in stack_demo's run"
            awk -v what=picture -f .ci/walkthrough.awk stack/Stack.h app/main.cpp \
                "$work/stack_demo-output" | diff "$block" - || fail "$name: not the picture"
        else
            echo "what $program printed"
            sed 's/^Enter a number to Exit : /&7\n/' "$work/output" | diff "$block" - ||
                fail "$name: not what $program printed"
        fi
        ;;
    *.cpp)
        cp "$block" your_program.cpp
        g++ -std=c++17 -Wall -Wextra -Wconversion -Werror -fsyntax-only -Istack your_program.cpp
        ;;
    *.cmake) embed "$block" ;;
    *.bat)  # each line, whole, as a workflow's run: line or a line of a run: block
        while IFS= read -r line; do
            sed -E 's/^ *(- )?(run: )?//; s/ \|\| exit \/b 1$//' .github/workflows/* |
                grep -qxF -- "$line" || fail "$name: not in a workflow: $line"
        done < <(grep . "$block")
        echo "each line is run by .github/workflows"
        ;;
    *) fail "$name: no rule for this kind of block" ;;
    esac
done
echo "--- $commands commands run"
[[ -n $readme_tests ]] || fail "no command in the README ran the tests"
grep -qF "N is $readme_tests on Linux" BUILDING.md || fail "BUILDING.md: not 'N is $readme_tests'"

[[ -e $work/stack_demo-output ]] || fail "no block runs stack_demo"

# A user who only runs the program has no GoogleTest or Google Benchmark.
[[ -f build/plain/CMakeCache.txt ]] || fail "no page builds the program alone in build/plain"
! grep -E '^(GTest|benchmark)_DIR' build/plain/CMakeCache.txt ||
    fail "the program alone looked for a test or benchmark library"
echo "--- the README and BUILDING.md are right"
