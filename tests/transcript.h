#pragma once

// What the tests that run the built stack_demo share: where it is and what it must write.
#include <fstream>
#include <iterator>
#include <string>

constexpr const char* demoPath = STACK_DEMO_PATH;

// The whole standard output of one run, byte for byte.
inline std::string expectedTranscript()
{
    std::ifstream file(TRANSCRIPT_PATH, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}
