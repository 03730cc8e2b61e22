# The whole test suite: `cmake -P tests/all.cmake` from the source folder.
# It runs each workflow in turn and stops at the first failure: the
# Release build, Debian's build with the flags that dpkg-buildflags gives
# a package, the same source under the sanitizers and in a coverage build,
# then with clang++, as an aarch64 cross-build under qemu-user, and the
# fuzz targets for a minute each.
# A workflow whose tools are missing is skipped with one line, except
# under CI (CI set in the environment), where nothing may be skipped.
cmake_minimum_required(VERSION 3.25)

foreach(leg "test" "debian|dpkg-buildflags" "sanitize" "coverage" "clang|clang++"
		"arm64|aarch64-linux-gnu-g++ qemu-aarch64" "fuzz|clang++ libFuzzer")
	string(REPLACE "|" ";" leg "${leg}")
	list(POP_FRONT leg preset)
	separate_arguments(tools UNIX_COMMAND "${leg}")
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
	# The debian preset takes a package build's flags from the environment,
	# which the other workflows must not see.
	set(env "")
	set(shown "")
	if(preset STREQUAL debian)
		foreach(var CXXFLAGS CPPFLAGS LDFLAGS)
			execute_process(COMMAND ${found_dpkg-buildflags} --get ${var}
				OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
			list(APPEND env "${var}=${flags}")
			string(APPEND shown "${var}='${flags}' ")
		endforeach()
		set(env ${CMAKE_COMMAND} -E env ${env})
	endif()
	message(NOTICE "+ ${shown}cmake --workflow --preset ${preset}")
	execute_process(COMMAND ${env} ${CMAKE_COMMAND} --workflow --preset ${preset} RESULT_VARIABLE rc)
	if(NOT rc EQUAL 0)
		message(FATAL_ERROR "the ${preset} workflow failed")
	endif()
endforeach()
