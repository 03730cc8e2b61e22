# The whole test suite: `cmake -P tests/all.cmake` from the source folder.
# It runs each workflow in turn and stops at the first failure: the
# Release build, the same again under the sanitizers and in a coverage
# build, then with clang++, as an aarch64 cross-build under qemu-user, and
# the fuzz targets for a minute each.
# A workflow whose tools are missing is skipped with one line, except
# under CI (CI set in the environment), where nothing may be skipped.
cmake_minimum_required(VERSION 3.25)

foreach(leg "test" "sanitize" "coverage" "clang|clang++" "arm64|aarch64-linux-gnu-g++ qemu-aarch64"
		"fuzz|clang++ libFuzzer")
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
	message(NOTICE "+ cmake --workflow --preset ${preset}")
	execute_process(COMMAND ${CMAKE_COMMAND} --workflow --preset ${preset} RESULT_VARIABLE rc)
	if(NOT rc EQUAL 0)
		message(FATAL_ERROR "the ${preset} workflow failed")
	endif()
endforeach()
