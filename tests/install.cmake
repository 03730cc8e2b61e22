# Install BUILD into a fresh prefix: the files where a user looks for them,
# each program on one example (under EMULATOR if set), and man finding a
# page as the README says (with MAN set).  With READELF set: the programs'
# hardening, printf fortified too when COMPILER is GNU, product-pair's
# needs, and in a native build that `--strip` drops the symbol table.
cmake_minimum_required(VERSION 3.25)

set(prefix ${BUILD}/install-test)
file(REMOVE_RECURSE ${prefix})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix} OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
foreach(file bin/product-pair bin/square-print share/man/man1/product-pair.1.gz share/man/man1/square-print.1.gz
		share/doc/product-pair-tools/copyright share/doc/product-pair-tools/changelog.gz)
	if(NOT EXISTS ${prefix}/${file})
		message(FATAL_ERROR "not installed: ${file}")
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
else()
	message("no man: where man finds the pages is not checked")
endif()

# Read off the ELF headers, dynamic sections and symbols: a
# position-independent executable with read-only relocations bound at
# start-up, fortified printf, the stack protector where there are buffers
# on the stack (product-pair's), and product-pair needing the C library alone.
if(READELF)
	set(marks "Type: +DYN" GNU_RELRO BIND_NOW "FLAGS_1.*PIE")
	if(COMPILER STREQUAL GNU)
		list(APPEND marks __printf_chk)
	endif()
	set(marks-product-pair __stack_chk_fail)
	foreach(program product-pair square-print)
		execute_process(COMMAND ${READELF} -hldW --dyn-syms ${prefix}/bin/${program} OUTPUT_VARIABLE elf)
		foreach(mark IN LISTS marks marks-${program})
			if(NOT elf MATCHES "${mark}")
				message(FATAL_ERROR "installed ${program} is not hardened: no ${mark}")
			endif()
		endforeach()
		# The C library's own dynamic loader, which aarch64's stack guard needs,
		# counts as the C library.
		string(REGEX MATCHALL "NEEDED[^\n]*" needed "${elf}")
		list(FILTER needed EXCLUDE REGEX "\\[ld-linux[^]]*\\]$")
		if(program STREQUAL product-pair AND NOT needed MATCHES "^NEEDED[^;]*\\[libc\\.so\\.6\\]$")
			message(FATAL_ERROR "installed product-pair needs more than libc.so.6: ${needed}")
		endif()
	endforeach()
endif()

# Installed with --strip, a program has no symbol table; without, it has.
if(READELF AND NOT EMULATOR)
	execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix}/stripped --strip
		OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
	foreach(program product-pair square-print)
		execute_process(COMMAND ${READELF} -SW ${prefix}/bin/${program} OUTPUT_VARIABLE plain)
		execute_process(COMMAND ${READELF} -SW ${prefix}/stripped/bin/${program} OUTPUT_VARIABLE stripped)
		if(NOT plain MATCHES "\\.symtab" OR stripped MATCHES "\\.symtab")
			message(FATAL_ERROR "${program}: --strip does not drop the symbol table")
		endif()
	endforeach()
endif()
