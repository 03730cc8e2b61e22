# Fail, with one line, when SOURCE is a git checkout whose tracked files
# differ from its last commit, staged or not: a release takes them as they
# stand, and must be of a commit.  Untracked files are never archived.
cmake_minimum_required(VERSION 3.25)

if(EXISTS ${SOURCE}/.git)
	find_program(GIT git REQUIRED)
	execute_process(COMMAND ${GIT} -C ${SOURCE} status --porcelain --untracked-files=no
		OUTPUT_VARIABLE changed COMMAND_ERROR_IS_FATAL ANY)
	if(NOT changed STREQUAL "")
		message(FATAL_ERROR "uncommitted changes to tracked files: commit them first")
	endif()
endif()
