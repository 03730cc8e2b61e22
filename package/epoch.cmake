# Read by cpack, and by archive.cmake: without SOURCE_DATE_EPOCH in the
# environment, take it from the date of the newest entry of the changelog
# (CPACK_CHANGELOG), as Debian's tools do, so that the time stamps of the
# package and of the source archive depend on the commit alone.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
	execute_process(COMMAND dpkg-parsechangelog -l ${CPACK_CHANGELOG} -STimestamp
		OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE rc)
	if(NOT rc EQUAL 0 OR NOT epoch MATCHES "^[0-9]+$")
		message(FATAL_ERROR "no date from ${CPACK_CHANGELOG} (dpkg-parsechangelog, from dpkg-dev: ${rc})")
	endif()
	set(ENV{SOURCE_DATE_EPOCH} ${epoch})
endif()
