# Run one black-box case: PROGRAM (after WRAPPER, if set) with the file
# INPUT as standard input and ARGS as arguments, and with the shell
# redirections IO, if set (such as >/dev/full, >&- or </).  It passes only
# when the standard output is byte for byte the file EXPECTED and the exit
# status is the first word of STATUS (0 when unset).  The standard error
# must be empty, or, when STATUS goes on with a message, the one line
# "PROGRAM: message".
cmake_minimum_required(VERSION 3.25)

separate_arguments(wrapper UNIX_COMMAND "${WRAPPER}")
separate_arguments(args UNIX_COMMAND "${ARGS}")
set(shell "")
if(IO)
	set(shell sh -c "exec \"$@\" ${IO}" sh)
endif()
execute_process(COMMAND ${shell} ${wrapper} ${PROGRAM} ${args}
	INPUT_FILE ${INPUT}
	OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
file(READ ${EXPECTED} want)

set(want_rc 0)
set(want_err "")
if(STATUS MATCHES "^([0-9]+) *(.*)$")
	set(want_rc ${CMAKE_MATCH_1})
	if(CMAKE_MATCH_2)
		get_filename_component(name ${PROGRAM} NAME)
		set(want_err "${name}: ${CMAKE_MATCH_2}\n")
	endif()
endif()

if(NOT "${out}" STREQUAL "${want}" OR NOT "${err}" STREQUAL "${want_err}" OR NOT "${rc}" STREQUAL "${want_rc}")
	message(FATAL_ERROR "case failed\n"
		"expected output: [${want}]\n"
		"actual output:   [${out}]\n"
		"expected error:  [${want_err}]\n"
		"standard error:  [${err}]\n"
		"exit status:     ${rc}, expected ${want_rc}")
endif()
