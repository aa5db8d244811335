#include "Stack.h"

#include <cstring>
#include <iostream>

void Stack::writeLine(const char* text)
{
    // A Stack kept in a global variable may refuse a request before main starts, when
    // std::cout may not be set up yet. This object sets the standard streams up first if they
    // are not.
    [[maybe_unused]] static const std::ios_base::Init streamsReady;
    // write() is unformatted, so the caller's width, fill and alignment leave the message as
    // it is, and stay set for the caller's own next output.
    std::cout.write(text, static_cast<std::streamsize>(std::strlen(text))) << std::endl;
}
