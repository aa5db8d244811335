#include "lifo.h"

std::vector<std::int32_t> drain(Stack& stack)
{
    std::vector<std::int32_t> values;
    while (!stack.isEmpty()) {
        values.push_back(stack.pop());
    }
    return values;
}
