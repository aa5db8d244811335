#include "Stack.h"

#include <cstring>
#include <iostream>

void Stack::writeLine(const char* text)
{
    // A stack may refuse a request before the standard streams are ready: one that lives at
    // namespace scope in a file without <iostream> can pop while such objects are being set
    // up. This object makes sure std::cout exists before it is used.
    [[maybe_unused]] static const std::ios_base::Init streamsReady;
    // write() is unformatted, so the caller's width, fill and alignment leave the message as
    // it is, and stay set for the caller's own next output.
    std::cout.write(text, static_cast<std::streamsize>(std::strlen(text))) << std::endl;
}
