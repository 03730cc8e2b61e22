# The Debian package of BUILD: its files, and a libc6 in Depends that covers
# every GLIBC_x.y symbol version the programs need (read with READELF).
# With LINTIAN set, any error or warning of lintian fails.  With AGAIN set,
# a second build of SOURCE in another folder, configured with GENERATOR and
# this build's cache entries (CONFIGURATION), must make the same bytes.
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
execute_process(COMMAND ${DPKG_DEB} --contents ${deb} OUTPUT_VARIABLE contents)
foreach(file usr/bin/product-pair usr/bin/square-print
		usr/share/man/man1/product-pair.1.gz usr/share/man/man1/square-print.1.gz
		usr/share/doc/product-pair-tools/copyright usr/share/doc/product-pair-tools/changelog.gz)
	if(NOT contents MATCHES " \\./${file}\n")
		message(FATAL_ERROR "${file} is not in ${deb}:\n${contents}")
	endif()
endforeach()

execute_process(COMMAND ${DPKG_DEB} --field ${deb} Depends OUTPUT_VARIABLE depends)
if(NOT depends MATCHES "libc6 \\(>= ([0-9.]+)\\)")
	message(FATAL_ERROR "Depends names no libc6 version: ${depends}")
endif()
set(promised ${CMAKE_MATCH_1})
execute_process(COMMAND ${DPKG_DEB} --extract ${deb} ${dir}/root)
execute_process(COMMAND ${READELF} --dyn-syms -W ${dir}/root/usr/bin/product-pair ${dir}/root/usr/bin/square-print
	OUTPUT_VARIABLE symbols)
string(REGEX MATCHALL "GLIBC_[0-9]+\\.[0-9]+" versions "${symbols}")
string(REPLACE "GLIBC_" "" versions "${versions}")
foreach(version IN LISTS versions)
	if(version VERSION_GREATER promised)
		message(FATAL_ERROR "the programs need GLIBC_${version}, but the package depends on ${depends}")
	endif()
endforeach()

if(LINTIAN)
	execute_process(COMMAND ${LINTIAN} ${deb} OUTPUT_VARIABLE report ERROR_VARIABLE report)
	if(report MATCHES "(^|\n)[EW]: ")
		message(FATAL_ERROR "lintian on ${deb}:\n${report}")
	endif()
endif()

# At least a second later, so that a time stamp taken from the clock shows.
if(AGAIN)
	set(first ${deb})
	execute_process(COMMAND ${CMAKE_COMMAND} -E sleep 1)
	execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE} -B ${dir}/again -G ${GENERATOR} -C ${CONFIGURATION}
		OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
	execute_process(COMMAND ${CMAKE_COMMAND} --build ${dir}/again --target product-pair square-print gzipped
		OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
	package(${dir}/again ${dir}/again/package)
	execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${first} ${deb} RESULT_VARIABLE rc)
	if(NOT rc EQUAL 0)
		foreach(one ${first} ${deb})
			execute_process(COMMAND ar tv ${one} COMMAND_ECHO STDOUT)
			execute_process(COMMAND ${DPKG_DEB} --contents ${one} COMMAND_ECHO STDOUT)
		endforeach()
		message(FATAL_ERROR "two builds of one source made different packages, listed above")
	endif()
endif()
