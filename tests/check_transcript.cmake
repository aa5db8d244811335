# Runs stack_demo with the answer 7 on standard input and compares its standard output, byte for
# byte, with the expected transcript; the run must also exit with status 0. EXPECTED defaults to
# transcript.txt beside this script.
# Usage: cmake -D DEMO=<program> [-D EXPECTED=<file>] [-D EMULATOR=<runner>] [-D CRLF=1]
#              -P check_transcript.cmake
# A -D EXPECTED=... is in the cache already, where set(CACHE) leaves it as it is.
set(EXPECTED "${CMAKE_CURRENT_LIST_DIR}/transcript.txt" CACHE FILEPATH "The expected output")

# The output goes through a file, as execute_process's OUTPUT_VARIABLE drops the carriage
# return of each "\r\n". The file is read, then removed, before anything is compared, so the
# check leaves nothing in the folder it runs in.
set(output "${CMAKE_CURRENT_BINARY_DIR}/check_transcript_output.txt")
execute_process(COMMAND "${CMAKE_COMMAND}" -E echo 7 COMMAND ${EMULATOR} "${DEMO}"
                OUTPUT_FILE "${output}" RESULT_VARIABLE status)
file(READ "${output}" actual HEX)
file(READ "${output}" actual_text)
file(REMOVE "${output}")

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

if(NOT actual STREQUAL expected OR NOT status EQUAL 0)
    file(READ "${EXPECTED}" expected_text)
    message("--- expected\n${expected_text}--- actual\n${actual_text}--- exit status ${status}\n"
            "--- expected bytes\n${expected}\n--- actual bytes\n${actual}")
    message(FATAL_ERROR "${DEMO} did not write ${EXPECTED}'s bytes and exit with status 0")
endif()
