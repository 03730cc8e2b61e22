# Write the release of VERSION into BUILD/release: the source archive of
# SOURCE, the Debian package of the build in BUILD, and SHA256SUMS of both;
# nothing unless the tracked files are committed, the newest changelog
# entry is released and the archive, unpacked outside the source, makes
# the same archive again and passes the test workflow there on its own.
cmake_minimum_required(VERSION 3.25)

include(${SOURCE}/package/committed.cmake)
set(name product-pair-tools-${VERSION})
set(work ${BUILD}/release-work)
set(release ${BUILD}/release)
file(REMOVE_RECURSE ${work} ${release})
execute_process(COMMAND dpkg-parsechangelog -l ${SOURCE}/package/changelog -SDistribution
	OUTPUT_VARIABLE distribution OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
if(distribution STREQUAL UNRELEASED)
	message(FATAL_ERROR "the newest entry of package/changelog is UNRELEASED: name its distribution and date it first (tests/README.md)")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE=${SOURCE} -DVERSION=${VERSION} -DOUT=${work}/archive
	-P ${SOURCE}/package/archive.cmake COMMAND_ERROR_IS_FATAL ANY)

# Outside the source, no file of it and no git can stand in for one that
# the archive lacks.
execute_process(COMMAND mktemp -d OUTPUT_VARIABLE proof OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND tar -xzf ${work}/archive/${name}.tar.gz WORKING_DIRECTORY ${proof} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE=${proof}/${name} -DVERSION=${VERSION} -DOUT=${work}/again
	-P ${proof}/${name}/package/archive.cmake COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${work}/archive/${name}.tar.gz ${work}/again/${name}.tar.gz
	RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
	message(FATAL_ERROR "${name}.tar.gz, unpacked in ${proof}, makes another archive")
endif()
message(STATUS "Building and testing ${name}.tar.gz in ${proof}")
# The make that runs this target would hand its job server down.
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=MAKEFLAGS ${CMAKE_COMMAND} --workflow --preset test
	WORKING_DIRECTORY ${proof}/${name} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
	message(FATAL_ERROR "${name}.tar.gz fails to build or pass its tests on its own; see ${proof}")
endif()
file(REMOVE_RECURSE ${proof})

execute_process(COMMAND ${CMAKE_CPACK_COMMAND} -G DEB -B ${work}/package --config ${BUILD}/CPackConfig.cmake
	OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
file(GLOB deb ${work}/package/*.deb)
file(COPY ${work}/archive/${name}.tar.gz ${deb} DESTINATION ${release})
file(GLOB files RELATIVE ${release} ${release}/*)
execute_process(COMMAND sha256sum ${files} WORKING_DIRECTORY ${release} OUTPUT_FILE ${release}/SHA256SUMS
	COMMAND_ERROR_IS_FATAL ANY)
list(JOIN files " " files)
message(STATUS "Wrote ${release}: ${files} SHA256SUMS")
