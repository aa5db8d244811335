#include "Stack.h"

#include <algorithm>
#include <iostream>

Stack::Stack(std::int32_t size)
    : capacity(std::max<std::int32_t>(size, 0)),
      items(std::make_unique<std::int32_t[]>(index(capacity)))
{
}

void Stack::writeLine(const char* text)
{
    std::cout << text << std::endl;
}
