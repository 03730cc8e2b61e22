# VERSION, the project's, must be the version of the newest entry of
# SOURCE's changelog as DPKG_PARSECHANGELOG reads it, of both manual pages
# in BUILD and, with DPKG_DEB set, of the Debian package made from BUILD.
cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND ${DPKG_PARSECHANGELOG} -l ${SOURCE}/package/changelog -SVersion
	OUTPUT_VARIABLE version OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(found "package/changelog: ${version}")
foreach(page product-pair square-print)
	file(STRINGS ${BUILD}/man/${page}.1 th REGEX "^\\.TH ")
	string(REGEX REPLACE "^[^\"]*\"product-pair-tools ([^\"]*)\".*" "\\1" version "${th}")
	list(APPEND found "man/${page}.1: ${version}")
endforeach()
if(DPKG_DEB)
	set(dir ${BUILD}/version-test)
	file(REMOVE_RECURSE ${dir})
	execute_process(COMMAND ${CMAKE_CPACK_COMMAND} -G DEB -B ${dir} --config ${BUILD}/CPackConfig.cmake
		OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
	file(GLOB deb ${dir}/*.deb)
	execute_process(COMMAND ${DPKG_DEB} --field ${deb} Version
		OUTPUT_VARIABLE version OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
	list(APPEND found "package: ${version}")
endif()

list(TRANSFORM found REPLACE "^[^:]*: " "" OUTPUT_VARIABLE versions)
list(REMOVE_DUPLICATES versions)
if(NOT versions STREQUAL VERSION)
	list(JOIN found "\n" found)
	message(FATAL_ERROR "not all are the project's version, ${VERSION}:\n${found}")
endif()
