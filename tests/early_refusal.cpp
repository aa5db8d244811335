// A stack that refuses a pop while the program's namespace-scope objects are still being set
// up, before main starts. This file does not include <iostream> and comes first among
// stack_test's sources, so with some standard libraries std::cout is not made yet when the
// pop writes its message. The message is the first line stack_test prints.
#include "Stack.h"

#include <cstdint>

extern const std::int32_t earlyPop = Stack(0).pop();
