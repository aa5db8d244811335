# Runs stack_demo with an answer on standard input and compares its standard output, byte for
# byte, with the expected transcript; the run must also exit with status 0.
# Usage: cmake -D DEMO=<program> -D EXPECTED=<file> [-D EMULATOR=<runner>] [-D CRLF=1]
#              -P transcript_check.cmake
set(answer "${CMAKE_CURRENT_BINARY_DIR}/transcript_check_answer.txt")
set(wanted "${CMAKE_CURRENT_BINARY_DIR}/transcript_check_expected.txt")
set(output "${CMAKE_CURRENT_BINARY_DIR}/transcript_check_output.txt")
file(WRITE "${answer}" "7\n")
execute_process(COMMAND ${EMULATOR} "${DEMO}" INPUT_FILE "${answer}" OUTPUT_FILE "${output}"
                RESULT_VARIABLE status)

# file(READ) drops carriage returns, so the expected text is the same from any checkout; the
# bytes, line ends included, are compared file to file.
file(READ "${EXPECTED}" expected)
if(CRLF)  # the platform's text mode ends every line with a carriage return and a line feed
    string(REPLACE "\n" "\r\n" expected "${expected}")
endif()
file(WRITE "${wanted}" "${expected}")
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${wanted}" "${output}"
                RESULT_VARIABLE differs)
if(differs OR NOT status EQUAL 0)
    file(READ "${output}" actual)
    message("--- expected\n${expected}--- actual\n${actual}--- exit status ${status}")
    message(FATAL_ERROR "expected status 0 and the same bytes in ${wanted} and ${output}")
endif()
