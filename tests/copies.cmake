# The suite in a git archive export of HEAD of SOURCE, a tree with neither
# .git nor MANIFEST, built in BUILD/copies-test: every test passes or is
# skipped with its line, but valgrind's, which a copy changes nothing in.
# The export itself must refuse to make a source archive.
cmake_minimum_required(VERSION 3.25)

set(dir ${BUILD}/copies-test)
file(REMOVE_RECURSE ${dir})
file(MAKE_DIRECTORY ${dir}/source)
execute_process(COMMAND ${GIT} -C ${SOURCE} archive HEAD COMMAND tar -x -C ${dir}/source COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CMAKE_COMMAND} -S ${dir}/source -B ${dir}/build "-G${GENERATOR}"
	OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CMAKE_COMMAND} --build ${dir}/build -j 2 OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CMAKE_CTEST_COMMAND} --test-dir ${dir}/build -j 2 -LE valgrind --output-on-failure
	OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
	message(FATAL_ERROR "the suite fails in a git archive export of HEAD, in ${dir}:\n${out}")
endif()
string(REGEX MATCHALL "[^\n]*Skipped[^\n]*|\nskipped:[^\n]*" skipped "${out}")
list(JOIN skipped "\n" skipped)
message(NOTICE "the suite passes in a git archive export of HEAD\n${skipped}")

execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE=${dir}/source -DVERSION=0 -DOUT=${dir}/archive
	-P ${dir}/source/package/archive.cmake RESULT_VARIABLE rc ERROR_VARIABLE err)
if(rc EQUAL 0 OR NOT err MATCHES "no file list")
	message(FATAL_ERROR "archive.cmake should refuse a git archive export: ${rc} ${err}")
endif()
