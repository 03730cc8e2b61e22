# The whole matrix, `cmake -P tests/all.cmake`: each workflow in turn, up to
# the first failure; one whose tools are missing is skipped, under CI failed.
cmake_minimum_required(VERSION 3.25)

foreach(leg "test" "valgrind valgrind" "debian dpkg-buildflags" "sanitize" "coverage gcovr" "clang clang++"
		"arm64 aarch64-linux-gnu-g++ qemu-aarch64" "fuzz clang++ libFuzzer")
	separate_arguments(tools UNIX_COMMAND "${leg}")
	list(POP_FRONT tools preset)
	set(missing "")
	foreach(tool IN LISTS tools)
		if(tool STREQUAL libFuzzer) # a library of clang's runtime
			file(GLOB found_${tool} /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-*.a)
		else()
			find_program(found_${tool} ${tool})
		endif()
		if(NOT found_${tool})
			list(APPEND missing ${tool})
		endif()
	endforeach()
	if(missing)
		if(DEFINED ENV{CI})
			message(FATAL_ERROR "${preset}: not found under CI: ${missing}")
		endif()
		message(NOTICE "skipped: the ${preset} workflow, for want of ${missing}")
		continue()
	endif()
	# The debian preset reads a package build's flags, with _FORTIFY_SOURCE=3
	# which the build must keep, from an environment no other workflow sees.
	set(run ${CMAKE_COMMAND} --workflow --preset ${preset})
	if(preset STREQUAL debian)
		foreach(var CXXFLAGS CPPFLAGS LDFLAGS)
			execute_process(COMMAND ${found_dpkg-buildflags} --get ${var}
				OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
			string(REPLACE _FORTIFY_SOURCE=2 _FORTIFY_SOURCE=3 flags "${flags}")
			list(PREPEND run "${var}=${flags}")
		endforeach()
		list(PREPEND run ${CMAKE_COMMAND} -E env)
	endif()
	execute_process(COMMAND ${run} COMMAND_ECHO STDERR COMMAND_ERROR_IS_FATAL ANY)
endforeach()
