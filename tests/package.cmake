# The Debian package of BUILD, which lintian must pass with no error or
# warning; with LIBC_ALONE set, its Depends (dpkg-shlibdeps) must be libc6
# alone.  With AGAIN set, a second build in another folder, from BUILD's
# cache with the folder renamed, must make the same bytes.
cmake_minimum_required(VERSION 3.25)

set(dir ${BUILD}/package-test)
file(REMOVE_RECURSE ${dir})
function(package build out)
	execute_process(COMMAND ${CMAKE_CPACK_COMMAND} -G DEB -B ${out} --config ${build}/CPackConfig.cmake
		OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
	file(GLOB deb ${out}/*.deb)
	set(deb ${deb} PARENT_SCOPE)
endfunction()
package(${BUILD} ${dir})
execute_process(COMMAND ${DPKG_DEB} --field ${deb} Depends OUTPUT_VARIABLE depends)
if(LIBC_ALONE AND NOT depends MATCHES "^libc6 \\(>= [0-9.]+\\)\n$")
	message(FATAL_ERROR "the package should depend on libc6 alone: ${depends}")
endif()

execute_process(COMMAND ${LINTIAN} ${deb} OUTPUT_VARIABLE report ERROR_VARIABLE report)
if(report MATCHES "(^|\n)[EW]: ")
	message(FATAL_ERROR "lintian on ${deb}:\n${report}")
endif()

# At least a second later, so that a time stamp taken from the clock shows.
if(AGAIN)
	set(first ${deb})
	execute_process(COMMAND ${CMAKE_COMMAND} -E sleep 1)
	file(READ ${BUILD}/CMakeCache.txt cache)
	string(REPLACE "${BUILD}" "${dir}/again" cache "${cache}")
	file(WRITE ${dir}/again/CMakeCache.txt "${cache}")
	execute_process(COMMAND ${CMAKE_COMMAND} ${dir}/again OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
	execute_process(COMMAND ${CMAKE_COMMAND} --build ${dir}/again --target product-pair square-print gzipped
		OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
	package(${dir}/again ${dir}/again/package)
	execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${first} ${deb} RESULT_VARIABLE rc)
	if(NOT rc EQUAL 0)
		message(FATAL_ERROR "two builds of one source made different packages: ${first} ${deb}")
	endif()
endif()
