#include "Stack.h"

#include <cstring>
#include <iostream>

// Prints one message line and flushes it.
void Stack::writeLine(const char* line)
{
    // A Stack kept in a global variable may refuse a request before main starts, when
    // std::cout may not be set up yet. This object sets the standard streams up first if they
    // are not.
    [[maybe_unused]] static const std::ios_base::Init streamsReady;
    // First, what the caller left in std::cout without flushing goes out. Otherwise the
    // message could land at the end of a nearly full buffer and go out in two pieces.
    std::cout.flush();
    // Then the text and its line end go to the stream in one write, and the flush sends them
    // on. Written in two pieces, a line could be split by another thread's message, or by
    // another process writing to the same terminal or file. write() copies the bytes as they
    // are: it allocates nothing, and the caller's width and fill do not pad the message.
    // With several threads printing, another one can still fill the buffer between the two
    // flushes: standard C++ alone has no way to hold stdout's lock across both.
    std::cout.write(line, static_cast<std::streamsize>(std::strlen(line))).flush();
}
