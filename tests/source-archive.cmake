# Make the source archive of SOURCE at VERSION twice, in two folders of
# BUILD and a second apart, and check that the two are the same, byte for
# byte.  A tree with neither .git nor MANIFEST has no list of its files,
# and archive.cmake refuses it: the test is skipped.
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
	set(listing "")
	foreach(out one two)
		execute_process(COMMAND tar -tvzf ${dir}/${out}/${name} OUTPUT_VARIABLE files)
		string(APPEND listing "${dir}/${out}/${name}:\n${files}\n")
	endforeach()
	message(FATAL_ERROR "two runs made different archives:\n${listing}")
endif()
