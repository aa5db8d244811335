#include "Stack.h"

#include <iostream>

void Stack::writeLine(const char* text)
{
    std::cout << text << std::endl;
}
