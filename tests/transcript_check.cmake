# Runs stack_demo with an answer on standard input and compares its standard output, byte for
# byte, with the expected transcript; the run must also exit with status 0.
# Usage: cmake -D DEMO=<program> -D EXPECTED=<file> [-D EMULATOR=<runner>] [-D CRLF=1]
#              -P transcript_check.cmake
set(answer "${CMAKE_CURRENT_BINARY_DIR}/transcript_check_answer.txt")
set(output "${CMAKE_CURRENT_BINARY_DIR}/transcript_check_output.txt")
file(WRITE "${answer}" "7\n")
execute_process(COMMAND ${EMULATOR} "${DEMO}" INPUT_FILE "${answer}" OUTPUT_FILE "${output}"
                RESULT_VARIABLE status)

# Both sides are compared as bytes written in hexadecimal, which CMake reads exactly on every
# system. Read as text, file(READ) and file(STRINGS) drop carriage returns, so they cannot tell
# the line ends apart; and file(WRITE) on Windows turns each "\n" into "\r\n", so a file written
# with "\r\n" there would end its lines with "\r\r\n".
# The expected bytes are the transcript's, one per list item ("63;72;65;..."), so that a byte is
# never matched across two: any carriage return a checkout added goes, and where the platform's
# text mode ends each line with a carriage return and a line feed, one goes before each line feed.
file(READ "${EXPECTED}" expected HEX)
string(REGEX REPLACE "(..)" "\\1;" expected "${expected}")
string(REPLACE "0d;" "" expected "${expected}")
if(CRLF)
    string(REPLACE "0a;" "0d;0a;" expected "${expected}")
endif()
string(REPLACE ";" "" expected "${expected}")
file(READ "${output}" actual HEX)

if(NOT actual STREQUAL expected OR NOT status EQUAL 0)
    file(READ "${EXPECTED}" expected_text)
    file(READ "${output}" actual_text)
    message("--- expected\n${expected_text}--- actual\n${actual_text}--- exit status ${status}\n"
            "--- expected bytes\n${expected}\n--- actual bytes\n${actual}")
    message(FATAL_ERROR "expected status 0 and the same bytes in ${output}")
endif()
