# The whole test suite, `cmake -P tests/all.cmake` from the source folder:
# each workflow in turn, up to the first failure.  A workflow whose tools
# are missing is skipped with one line, but under CI (CI set) it fails.
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
	# The debian preset reads a package build's flags from the environment,
	# which the other workflows must not see; with _FORTIFY_SOURCE=3, the
	# highest level, which the build must keep.
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
	execute_process(COMMAND ${run} COMMAND_ECHO STDERR RESULT_VARIABLE rc)
	if(NOT rc EQUAL 0)
		message(FATAL_ERROR "the ${preset} workflow failed")
	endif()
endforeach()
