# Install the build in BUILD into a fresh prefix, check that the programs
# and their manual pages land where a user looks for them, and run each
# installed program on one example.
cmake_minimum_required(VERSION 3.25)

set(prefix ${BUILD}/install-test)
file(REMOVE_RECURSE ${prefix})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix}
	OUTPUT_QUIET RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
	message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()
foreach(file bin/product-pair bin/square-print share/man/man1/product-pair.1 share/man/man1/square-print.1)
	if(NOT EXISTS ${prefix}/${file})
		message(FATAL_ERROR "not installed: ${file}")
	endif()
endforeach()

file(WRITE ${prefix}/example.in "12 4 6 2 3 4\n")
foreach(run "product-pair|2 6" "square-print|4")
	string(REPLACE "|" ";" run "${run}")
	list(GET run 0 program)
	list(GET run 1 want)
	execute_process(COMMAND ${prefix}/bin/${program} INPUT_FILE ${prefix}/example.in
		OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
	if(NOT "${out}" STREQUAL "${want}" OR NOT "${err}" STREQUAL "" OR NOT rc EQUAL 0)
		message(FATAL_ERROR "installed ${program}: [${out}] [${err}] ${rc}, expected [${want}]")
	endif()
endforeach()
