#include "Stack.h"

#include <cstring>
#include <iostream>

// Prints one message line, whole and at once: its text and its line end leave in one write to
// the terminal, pipe or file, so another thread's or program's output cannot land inside it.
void Stack::writeLine(const char* line)
{
    // Sets the standard streams up if they are not yet, as when a stack refuses before main
    // starts. It is made anew on each call, so it is there even while static objects are being
    // destroyed at the end of the program; the streams themselves are never destroyed.
    [[maybe_unused]] const std::ios_base::Init streamsReady;
    // First, what the caller left in std::cout without flushing goes out. Otherwise the
    // message could land at the end of a nearly full buffer and go out in two pieces.
    std::cout.flush();
    // Then the whole line in one write, and a flush sends it on. write() copies the bytes as
    // they are: it allocates nothing, and the caller's width and fill do not pad the message.
    // With several threads printing, another one can still fill the buffer between the two
    // flushes: standard C++ alone has no way to hold stdout's lock across both.
    std::cout.write(line, static_cast<std::streamsize>(std::strlen(line))).flush();
}
