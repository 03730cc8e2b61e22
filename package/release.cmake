# The release of the git checkout SOURCE (this folder's parent unless set)
# into SOURCE/build/release: git archive of HEAD, the Debian package built
# from it, SHA256SUMS.  Refused, before anything is written, while a tracked
# file differs from HEAD or the newest changelog entry is UNRELEASED.
cmake_minimum_required(VERSION 3.25)

if(NOT SOURCE)
	get_filename_component(SOURCE ${CMAKE_CURRENT_LIST_DIR} DIRECTORY)
endif()
execute_process(COMMAND git -C ${SOURCE} status --porcelain --untracked-files=no
	OUTPUT_VARIABLE changed COMMAND_ERROR_IS_FATAL ANY)
if(changed)
	message(FATAL_ERROR "uncommitted changes to tracked files: commit them first")
endif()
foreach(field Distribution Version)
	execute_process(COMMAND dpkg-parsechangelog -l ${SOURCE}/package/changelog -S${field}
		OUTPUT_VARIABLE ${field} OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endforeach()
if(Distribution STREQUAL UNRELEASED)
	message(FATAL_ERROR "the newest entry of package/changelog is UNRELEASED: name its distribution and date it first")
endif()

# Unpacked where no file of the checkout stands in for one it lacks, the
# archive is built and tested once, and packaged.
set(name product-pair-tools-${Version})
set(release ${SOURCE}/build/release)
file(REMOVE_RECURSE ${release})
file(MAKE_DIRECTORY ${release})
execute_process(COMMAND git -C ${SOURCE} archive --prefix=${name}/ -o ${release}/${name}.tar.gz HEAD
	COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND mktemp -d OUTPUT_VARIABLE work OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND tar -xzf ${release}/${name}.tar.gz -C ${work} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CMAKE_COMMAND} --workflow --preset test WORKING_DIRECTORY ${work}/${name}
	COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} -G DEB -B ${release} --config ${work}/${name}/build/CPackConfig.cmake
	OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE_RECURSE ${release}/_CPack_Packages ${work})
file(GLOB files RELATIVE ${release} ${release}/*)
execute_process(COMMAND sha256sum ${files} WORKING_DIRECTORY ${release} OUTPUT_FILE ${release}/SHA256SUMS
	COMMAND_ERROR_IS_FATAL ANY)
list(JOIN files " " files)
message(STATUS "Wrote ${release}: ${files} SHA256SUMS")
