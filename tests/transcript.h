#pragma once

// What the tests that run the built stack_demo share: where it is and what it must write.
#include <fstream>
#include <sstream>
#include <string>

constexpr const char* demoPath = STACK_DEMO_PATH;

// The whole standard output of one run, byte for byte.
inline std::string expectedTranscript()
{
    const std::ifstream file(TRANSCRIPT_PATH, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}
