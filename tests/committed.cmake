# package/committed.cmake, the release's first check, must pass a clone of
# SOURCE as it is and with a new file, and refuse it with a tracked file
# changed, staged or not.
cmake_minimum_required(VERSION 3.25)

set(clone ${BUILD}/committed-test)
file(REMOVE_RECURSE ${clone})
execute_process(COMMAND ${GIT} clone -q --depth 1 file://${SOURCE} ${clone} COMMAND_ERROR_IS_FATAL ANY)
function(check want)
	execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE=${clone} -P ${SOURCE}/package/committed.cmake
		RESULT_VARIABLE rc ERROR_VARIABLE err)
	if(NOT (rc EQUAL 0) EQUAL (want STREQUAL pass) OR (rc AND NOT err MATCHES "uncommitted changes"))
		message(FATAL_ERROR "committed.cmake should ${want} ${ARGN}: ${rc} ${err}")
	endif()
endfunction()
check(pass "a fresh clone")
file(WRITE ${clone}/untracked "")
check(pass "an untracked file")
file(APPEND ${clone}/README.md "planted\n")
check(refuse "a changed README.md")
execute_process(COMMAND ${GIT} -C ${clone} add README.md COMMAND_ERROR_IS_FATAL ANY)
check(refuse "a staged change")
