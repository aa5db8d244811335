# The README's walkthrough, worked out from the code and one run: the calls main makes
# (app/main.cpp), the stack's messages and EMPTY_RESULT (stack/Stack.h), and the lines the run
# printed. Each call is played on a model stack. what=table prints a row a step,
# "step|call|printed by|line printed|in use|top"; what=picture draws the array at four moments,
# a value a pop left behind in parentheses and a cell never written as "?".
# Usage: awk -v what=table|picture -f .ci/walkthrough.awk stack/Stack.h app/main.cpp RUN-OUTPUT
function draw(title,    i, numbers, cells, border) {
    if (what != "picture") return
    border = "        +"
    for (i = 0; i < size; i++) {
        numbers = numbers "     " i
        cells = cells " " (!(i in cell) ? " ? " : i < used ? " " cell[i] " " : "(" cell[i] ")") " |"
        border = border "-----+"
    }
    printf "%s%s: top = %d\nindex %s\n", drawn++ ? "\n" : "", title, used - 1, numbers
    printf "%s\nitems   |%s\n%s\n%" (11 + 6 * (used - 1)) "s^ top\n", border, cells, border, ""
}
FILENAME == ARGV[1] && match($0, /writeLine\("[^"]*\\n"\)/) {
    refusal[substr($0, RSTART + 11, RLENGTH - 15)] = 1
}
FILENAME == ARGV[1] && /EMPTY_RESULT = -?[0-9]+;/ { empty = $NF + 0 }
FILENAME == ARGV[2] {
    sub(/\/\/.*/, "")  # the code, not its comments
    while (match($0, /Stack stack\([0-9]+\)|stack\.(push\(-?[0-9]+\)|pop\(\)|peek\(\))/)) {
        call[++calls] = substr($0, RSTART, RLENGTH)
        $0 = substr($0, RSTART + RLENGTH)
    }
}
FILENAME == ARGV[3] { printed[++lines] = $0 }
END {
    if (call[1] !~ /^Stack stack/ || calls != lines - 1) {
        print "walkthrough: " calls " calls for " lines - 1 " lines before the prompt" > "/dev/stderr"
        exit 1
    }
    size = substr(call[1], 13) + 0
    draw("a new stack")
    for (step = 1; step <= calls; step++) {
        name = substr(call[step], 7)
        refused = 0
        shown = "`" (step == 1 ? call[1] : name) "`"
        if (name ~ /^push/) {
            refused = used == size
            if (!refused) cell[used++] = substr(name, 6) + 0
            if (!refused && used == size) draw("full, after " name)
        } else if (step > 1) {
            refused = used == 0
            shown = shown " gives " (refused ? empty : cell[used - 1])
            if (name ~ /^pop/ && !refused) {
                --used
                if (!pops++) draw("after the first pop")
            }
        }
        for (i = 0; i < used; i++) inUse = inUse (i ? " " : "") cell[i]
        if (refused != (printed[step] in refusal)) {
            print "walkthrough: step " step " printed by the wrong one" > "/dev/stderr"
            exit 1
        }
        if (what == "table")
            printf "%d|%s|%s|`%s`|`[%s]`|%d\n", step, shown, refused ? "the stack" : "main",
                printed[step], used ? inUse : " ", used - 1
        inUse = ""
    }
    draw("at the end")
}
