# Run one black-box case: PROGRAM (after WRAPPER, if set) with the file
# INPUT as standard input and ARGS as arguments.  It passes only when the
# standard output is byte for byte the file EXPECTED, the standard error is
# empty and the exit status is 0.
cmake_minimum_required(VERSION 3.25)

separate_arguments(wrapper UNIX_COMMAND "${WRAPPER}")
separate_arguments(args UNIX_COMMAND "${ARGS}")
execute_process(COMMAND ${wrapper} ${PROGRAM} ${args}
	INPUT_FILE ${INPUT}
	OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
file(READ ${EXPECTED} want)

if(NOT "${out}" STREQUAL "${want}" OR NOT "${err}" STREQUAL "" OR NOT "${rc}" STREQUAL "0")
	message(FATAL_ERROR "case failed\n"
		"expected output: [${want}]\n"
		"actual output:   [${out}]\n"
		"standard error:  [${err}]\n"
		"exit status:     ${rc}")
endif()
