# Install BUILD into a fresh prefix: the files where README puts them, each
# program on the example (under EMULATOR), man finding a page as README
# says (with MAN), and each mark HARDENING_CHECK finds missing in README.
cmake_minimum_required(VERSION 3.25)

set(prefix ${BUILD}/install-test)
file(REMOVE_RECURSE ${prefix})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix} OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
foreach(file man/man1/square-print.1.gz doc/product-pair-tools/copyright doc/product-pair-tools/changelog.gz)
	if(NOT EXISTS ${prefix}/share/${file})
		message(FATAL_ERROR "not installed: share/${file}")
	endif()
endforeach()
file(WRITE ${prefix}/example.in "12 4 6 2 3 4\n")
separate_arguments(emulator UNIX_COMMAND "${EMULATOR}")
set(want-product-pair "2 6")
set(want-square-print 4)
foreach(program product-pair square-print)
	execute_process(COMMAND ${emulator} ${prefix}/bin/${program} INPUT_FILE ${prefix}/example.in
		OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
	if(NOT out STREQUAL want-${program} OR NOT err STREQUAL "" OR NOT rc EQUAL 0)
		message(FATAL_ERROR "installed ${program}: [${out}] [${err}] ${rc}, expected [${want-${program}}]")
	endif()
endforeach()

# man finds the page beside the prefix's bin on PATH, or in MANPATH, and
# otherwise not in the prefix.
if(MAN)
	set(page ${prefix}/share/man/man1/product-pair.1.gz)
	foreach(env "PATH=${prefix}/bin:$ENV{PATH}" "MANPATH=${prefix}/share/man:" "")
		execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=MANPATH ${env} ${MAN} -w product-pair
			OUTPUT_VARIABLE where ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
		if((env AND NOT where STREQUAL page) OR (NOT env AND where STREQUAL page))
			message(FATAL_ERROR "man -w product-pair, with [${env}] set: [${where}]")
		endif()
	endforeach()
endif()

# README names each "Check: no" as a line "- Check: no (program, ...)".
if(HARDENING_CHECK)
	file(STRINGS ${SOURCE}/README.md named REGEX "^- [^:]+: no \\(")
	foreach(program product-pair square-print)
		execute_process(COMMAND ${HARDENING_CHECK} ${prefix}/bin/${program} OUTPUT_VARIABLE report)
		string(REGEX MATCHALL "\n [^:\n]+: no" found "${report}")
		list(TRANSFORM found REPLACE "^\n " "")
		set(want ${named})
		list(FILTER want INCLUDE REGEX "[(, ]${program}[,)]")
		list(TRANSFORM want REPLACE "^- ([^:]+: no).*" "\\1")
		list(SORT want)
		list(SORT found)
		if(NOT found STREQUAL want)
			message(FATAL_ERROR "hardening-check ${program}: [${found}], README names [${want}]:\n${report}")
		endif()
	endforeach()
endif()
