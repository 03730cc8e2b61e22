# Build the Debian package of the build in BUILD and check that it holds
# both programs, both manual pages, the copyright file and the changelog.
# With LINTIAN set, fail on any error or warning it reports.
cmake_minimum_required(VERSION 3.25)

set(dir ${BUILD}/package-test)
file(REMOVE_RECURSE ${dir})
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} -G DEB -B ${dir} --config ${BUILD}/CPackConfig.cmake
	OUTPUT_QUIET ERROR_VARIABLE err RESULT_VARIABLE rc)
file(GLOB deb ${dir}/*.deb)
if(NOT rc EQUAL 0 OR NOT deb)
	message(FATAL_ERROR "cpack failed: ${rc} ${err}")
endif()
execute_process(COMMAND ${DPKG_DEB} --contents ${deb} OUTPUT_VARIABLE contents RESULT_VARIABLE rc)
foreach(file usr/bin/product-pair usr/bin/square-print
		usr/share/man/man1/product-pair.1.gz usr/share/man/man1/square-print.1.gz
		usr/share/doc/product-pair-tools/copyright usr/share/doc/product-pair-tools/changelog.gz)
	if(NOT contents MATCHES " \\./${file}\n")
		message(FATAL_ERROR "${file} is not in ${deb}:\n${contents}")
	endif()
endforeach()

if(LINTIAN)
	execute_process(COMMAND ${LINTIAN} ${deb} OUTPUT_VARIABLE report ERROR_VARIABLE report)
	if(report MATCHES "(^|\n)[EW]: ")
		message(FATAL_ERROR "lintian on ${deb}:\n${report}")
	endif()
endif()
