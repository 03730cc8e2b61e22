# Read by cpack and archive.cmake: an unset SOURCE_DATE_EPOCH is taken, as
# Debian's tools take it, from the newest entry of the changelog here, so
# that the package's and the archive's time stamps depend on the commit.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
	execute_process(COMMAND dpkg-parsechangelog -l ${CMAKE_CURRENT_LIST_DIR}/changelog -STimestamp
		OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE rc)
	if(NOT rc EQUAL 0 OR NOT epoch MATCHES "^[0-9]+$")
		message(FATAL_ERROR "no date from ${CMAKE_CURRENT_LIST_DIR}/changelog (dpkg-parsechangelog, from dpkg-dev: ${rc})")
	endif()
	set(ENV{SOURCE_DATE_EPOCH} ${epoch})
endif()
