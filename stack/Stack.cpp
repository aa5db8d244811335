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
    // The text and its line end go to the stream in one write, then the flush sends them on.
    // Written in two pieces, a line could be split by another thread's message, or by another
    // process writing to the same terminal or file. write() copies the bytes as they are: it
    // allocates nothing, and the caller's width and fill do not pad the message.
    std::cout.write(line, static_cast<std::streamsize>(std::strlen(line))).flush();
}
