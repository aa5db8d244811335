#include "Stack.h"

#include <cstring>
#include <iostream>

// Prints one of the stack's messages as a whole line, at once: flushed, so that it shows
// straight away, even in a pipe, and handed over in one piece with its line end, so that
// nothing else printed at the same moment lands inside it.
void Stack::writeLine(const char* line)
{
    // Makes sure std::cout is ready, even for a stack that refuses before main starts or while
    // the program is ending.
    [[maybe_unused]] const std::ios_base::Init streamsReady;
    // What the program printed before and has not flushed yet goes out first, so the message
    // starts afresh and is never split between two writes.
    std::cout.flush();
    // write() copies the characters as they are, whatever width or fill the program has set.
    std::cout.write(line, static_cast<std::streamsize>(std::strlen(line))).flush();
}
