#include <cstdint>
#include <cstdlib>
#include <iostream>

#include "Stack.h"

namespace {  // what is in here is seen by this file alone

// Prints main's line for a pop or peek result. An empty stack has already printed its own
// message and returned EMPTY_RESULT, so that result gets no line here.
void report(const char* label, std::int32_t result)
{
    if (result != EMPTY_RESULT) {
        std::cout << label << result << std::endl;
    }
}

}  // namespace

int main()
{
    // The comments show what the stack holds after each step, bottom first.
    // std::endl ends the line and sends it out at once, so each line shows as it happens.
    Stack stack(3);  // [ ]
    std::cout << "created" << std::endl;

    // push gives nothing back, and main does not ask isFull first, so each "Pushed" line is
    // printed whatever happened. With room for three, these three all fit.
    stack.push(1);  // [1]
    std::cout << "Pushed 1" << std::endl;
    stack.push(2);  // [1 2]
    std::cout << "Pushed 2" << std::endl;
    stack.push(3);  // [1 2 3], full
    std::cout << "Pushed 3" << std::endl;
    stack.push(4);  // refused: the stack is full and says so itself

    // "Poped" is spelt so on purpose: the output's words never change, since programs and
    // people compare them byte for byte.
    report("Poped ", stack.pop());    // 3 comes off: [1 2]
    report("Peeked ", stack.peek());  // 2 is on top, and stays: [1 2]
    report("Poped ", stack.pop());    // 2 comes off: [1]
    report("Peeked ", stack.peek());  // 1 is on top, and stays: [1]
    report("Poped ", stack.pop());    // 1 comes off: [ ]
    report("Poped ", stack.pop());    // the stack is empty by now, and says so itself

    // The prompt keeps a console window open until the user answers. The answer is not used.
    std::cout << "Enter a number to Exit : " << std::flush;
    std::int32_t answer = 0;
    // >> skips blanks and empty lines, then reads a number. Whatever it finds (a number, text,
    // the end of input), the run ends the same way.
    std::cin >> answer;
    // "Deleted" comes first; the stack itself is freed a moment later, when main returns.
    std::cout << "Deleted" << std::endl;

    // If any line above could not be written (a full disk, say), std::cout now says so.
    // Returning 0 then would report lost output as success.
    if (!std::cout) {
        std::cerr << "stack_demo: could not write to standard output\n";
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}  // `stack` is destroyed here, as main returns: its destructor frees the array
