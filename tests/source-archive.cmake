# The source archive of SOURCE at VERSION, made twice in BUILD a second
# apart, must be the same bytes.  A tree with neither .git nor MANIFEST has
# no list of its files for archive.cmake: the test is skipped.
cmake_minimum_required(VERSION 3.25)

if(NOT EXISTS ${SOURCE}/.git AND NOT EXISTS ${SOURCE}/MANIFEST)
	message(NOTICE "skipped: no source archive from a tree that is neither a git checkout nor an unpacked source archive")
	return()
endif()

set(dir ${BUILD}/archive-test)
set(name product-pair-tools-${VERSION}.tar.gz)
foreach(out one two)
	execute_process(COMMAND ${CMAKE_COMMAND} -E sleep 1)
	execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE=${SOURCE} -DVERSION=${VERSION} -DOUT=${dir}/${out}
		-P ${SOURCE}/package/archive.cmake COMMAND_ERROR_IS_FATAL ANY)
endforeach()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${dir}/one/${name} ${dir}/two/${name} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
	foreach(out one two)
		execute_process(COMMAND tar -tvzf ${dir}/${out}/${name} COMMAND_ECHO STDOUT)
	endforeach()
	message(FATAL_ERROR "two runs made different archives, listed above")
endif()
