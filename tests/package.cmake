# Build the Debian package of the build in BUILD and check that it holds
# both programs, both manual pages, the copyright file and the changelog,
# and that its Depends names libc6 at no lower a version than the newest
# GLIBC_x.y symbol version that either program needs (read with READELF).
# With LINTIAN set, fail on any error or warning it reports.  With AGAIN
# set, configure SOURCE a second time, in another folder, with GENERATOR
# and the cache entries that CONFIGURATION sets (this build's), build it,
# and check that the two packages are the same, byte for byte.
cmake_minimum_required(VERSION 3.25)

set(dir ${BUILD}/package-test)
file(REMOVE_RECURSE ${dir})
function(package build out)
	execute_process(COMMAND ${CMAKE_CPACK_COMMAND} -G DEB -B ${out} --config ${build}/CPackConfig.cmake
		OUTPUT_QUIET ERROR_VARIABLE err RESULT_VARIABLE rc)
	file(GLOB deb ${out}/*.deb)
	if(NOT rc EQUAL 0 OR NOT deb)
		message(FATAL_ERROR "cpack failed: ${rc} ${err}")
	endif()
	set(deb ${deb} PARENT_SCOPE)
endfunction()
package(${BUILD} ${dir})
execute_process(COMMAND ${DPKG_DEB} --contents ${deb} OUTPUT_VARIABLE contents RESULT_VARIABLE rc)
foreach(file usr/bin/product-pair usr/bin/square-print
		usr/share/man/man1/product-pair.1.gz usr/share/man/man1/square-print.1.gz
		usr/share/doc/product-pair-tools/copyright usr/share/doc/product-pair-tools/changelog.gz)
	if(NOT contents MATCHES " \\./${file}\n")
		message(FATAL_ERROR "${file} is not in ${deb}:\n${contents}")
	endif()
endforeach()

# The libc6 version in Depends covers every symbol version the programs use.
execute_process(COMMAND ${DPKG_DEB} --field ${deb} Depends OUTPUT_VARIABLE depends)
execute_process(COMMAND ${DPKG_DEB} --extract ${deb} ${dir}/root)
if(NOT depends MATCHES "libc6 \\(>= ([0-9.]+)\\)")
	message(FATAL_ERROR "Depends names no libc6 version: ${depends}")
endif()
set(promised ${CMAKE_MATCH_1})
foreach(program product-pair square-print)
	execute_process(COMMAND ${READELF} --dyn-syms -W ${dir}/root/usr/bin/${program} OUTPUT_VARIABLE syms)
	string(REGEX MATCHALL "GLIBC_[0-9]+\\.[0-9]+" versions "${syms}")
	foreach(version IN LISTS versions)
		string(REPLACE "GLIBC_" "" version ${version})
		if(version VERSION_GREATER promised)
			message(FATAL_ERROR "${program} needs GLIBC_${version}, but the package depends on ${depends}")
		endif()
	endforeach()
endforeach()

if(LINTIAN)
	execute_process(COMMAND ${LINTIAN} ${deb} OUTPUT_VARIABLE report ERROR_VARIABLE report)
	if(report MATCHES "(^|\n)[EW]: ")
		message(FATAL_ERROR "lintian on ${deb}:\n${report}")
	endif()
endif()

# A second build of the same source, at least a second later, makes the
# same package.
if(AGAIN)
	set(first ${deb})
	execute_process(COMMAND ${CMAKE_COMMAND} -E sleep 1)
	execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE} -B ${dir}/again -G ${GENERATOR} -C ${CONFIGURATION}
		COMMAND_ECHO NONE OUTPUT_QUIET RESULT_VARIABLE rc)
	execute_process(COMMAND ${CMAKE_COMMAND} --build ${dir}/again --target product-pair square-print gzipped
		OUTPUT_QUIET RESULT_VARIABLE rc2)
	if(NOT rc EQUAL 0 OR NOT rc2 EQUAL 0)
		message(FATAL_ERROR "the second build failed: ${rc} ${rc2}")
	endif()
	package(${dir}/again ${dir}/again/package)
	execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${first} ${deb} RESULT_VARIABLE rc)
	if(NOT rc EQUAL 0)
		set(listing "")
		foreach(one ${first} ${deb})
			execute_process(COMMAND ar tv ${one} OUTPUT_VARIABLE members)
			execute_process(COMMAND ${DPKG_DEB} --contents ${one} OUTPUT_VARIABLE files)
			string(APPEND listing "${one}:\n${members}${files}\n")
		endforeach()
		message(FATAL_ERROR "two builds of one source made different packages:\n${listing}")
	endif()
endif()
