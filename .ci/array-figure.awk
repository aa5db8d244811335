# Draws the stack's array as the README shows it, from the lines of a run (tests/transcript.txt):
# a new stack, the stack full, after the first pop, and at the end. "Pushed N" puts N in the
# cell above the top; "Poped N" only moves the top down. A value that a pop left behind is drawn
# in parentheses; a cell nothing has written yet holds "?".
# Usage: awk -f .ci/array-figure.awk tests/transcript.txt
function draw(title,    i, line, border) {
    if (drawn++) print ""
    printf "    %s: top = %d\n", title, top
    line = "    index      "
    for (i = 0; i < size; i++) line = line i "     "
    sub(/ +$/, "", line)
    print line
    border = "            +"
    for (i = 0; i < size; i++) border = border "-----+"
    print border
    line = "    items   |"
    for (i = 0; i < size; i++)
        line = line " " (!(i in cell) ? " ? " : i <= top ? " " cell[i] " " : "(" cell[i] ")") " |"
    print line
    print border
    printf "%" (15 + 6 * top) "s^ top\n", ""  # under the top cell, or left of cell 0 for -1
}
BEGIN { size = 3; top = -1; draw("a new stack") }  # the run's stack has room for three
/^Pushed / { cell[++top] = $2; if (top == size - 1) draw("full, after push(" $2 ")") }
/^Poped / { --top; if (!pops++) draw("after the first pop") }
END { draw("at the end") }
