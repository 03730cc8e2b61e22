# Read by cpack: an unset SOURCE_DATE_EPOCH is taken, as Debian's tools
# take it, from the newest changelog entry, so that the package's time
# stamps depend on the commit alone.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
	execute_process(COMMAND dpkg-parsechangelog -l ${CMAKE_CURRENT_LIST_DIR}/changelog -STimestamp
		OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
	set(ENV{SOURCE_DATE_EPOCH} ${epoch})
endif()
