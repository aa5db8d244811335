// A program of another project that uses stack_demo's Stack; its exit status is its test.
#include "Stack.h"

int main()
{
    Stack stack(2);
    stack.push(4);
    stack.push(2);
    const bool lastInFirstOut = stack.pop() == 2 && stack.pop() == 4 && stack.isEmpty();
    return lastInFirstOut ? 0 : 1;
}
