#pragma once
// A shared library of another project, built on stack_demo's Stack.
#include "Stack.h"

#include <cstdint>
#include <vector>

// Pops every value off `stack`, the top one first.
std::vector<std::int32_t> drain(Stack& stack);
