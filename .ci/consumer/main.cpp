// A program of another project that uses stack_demo's Stack through a shared library; its exit
// status is its test.
#include "lifo.h"

int main()
{
    Stack stack(2);
    stack.push(4);
    stack.push(2);
    const bool lastInFirstOut = drain(stack) == std::vector<std::int32_t>{2, 4} && stack.isEmpty();
    return lastInFirstOut ? 0 : 1;
}
