# Runs a benchmark program with --help and with an unknown option:
#   cmake -DPROGRAM=<path> -P check_options.cmake
# --help must print the usage with what it measures and exit 0 without
# measuring; the unknown option must be refused with status 2 and a message.

execute_process(COMMAND ${PROGRAM} --help
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} --help exited with ${status}:\n${out}${err}")
endif()
# Nothing but the help: the usage line first, the options, no figures.
if(NOT out MATCHES "^Usage: [^\n]+ \\[options\\]\n[^\n]+\n.*Options:\n.*--help")
    message(FATAL_ERROR "${PROGRAM} --help printed no usage:\n${out}")
endif()
string(REGEX REPLACE "\n  -[^\n]*" "" described "${out}")
string(LENGTH "${described}" described_length)
if(described_length LESS 120)
    message(FATAL_ERROR "${PROGRAM} --help does not say what it measures:\n${out}")
endif()

execute_process(COMMAND ${PROGRAM} --no-such-option
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 2)
    message(FATAL_ERROR "${PROGRAM} --no-such-option exited with ${status}:\n${out}${err}")
endif()
if(NOT err MATCHES "no-such-option")
    message(FATAL_ERROR "${PROGRAM} --no-such-option did not name the option:\n${err}")
endif()
