# Write OUT/product-pair-tools-VERSION.tar.gz, the source in SOURCE under
# product-pair-tools-VERSION/, staged in OUT, which is emptied first: in a
# git checkout the tracked files as they stand, but .gitignore, listed in a
# MANIFEST; unpacked, the files of that MANIFEST, for the same archive
# again.  Any other tree has no list to prove: refused, with one line.  Names
# sorted, owner 0/0, modes from the executable bit, time stamps
# SOURCE_DATE_EPOCH (epoch.cmake) and gzip -n: the same files, the same bytes.
cmake_minimum_required(VERSION 3.25)

if(EXISTS ${SOURCE}/.git)
	find_program(GIT git REQUIRED)
	execute_process(COMMAND ${GIT} ls-files WORKING_DIRECTORY ${SOURCE}
		OUTPUT_VARIABLE files COMMAND_ERROR_IS_FATAL ANY)
	string(REGEX MATCHALL "[^\n]+" files "${files}")
	list(REMOVE_ITEM files .gitignore)
	list(APPEND files MANIFEST)
elseif(EXISTS ${SOURCE}/MANIFEST)
	file(STRINGS ${SOURCE}/MANIFEST files)
else()
	message(FATAL_ERROR "not a git checkout, nor unpacked from a source archive: no file list")
endif()
list(SORT files)
list(JOIN files "\n" manifest)

set(name product-pair-tools-${VERSION})
file(REMOVE_RECURSE ${OUT})
file(WRITE ${OUT}/${name}/MANIFEST "${manifest}\n")
list(REMOVE_ITEM files MANIFEST)
foreach(file IN LISTS files)
	get_filename_component(dir ${OUT}/${name}/${file} DIRECTORY)
	file(COPY ${SOURCE}/${file} DESTINATION ${dir})
endforeach()

include(${SOURCE}/package/epoch.cmake)
find_program(TAR tar REQUIRED)
find_program(GZIP gzip REQUIRED)
execute_process(COMMAND ${TAR} --create --file=- --format=gnu --sort=name --owner=0 --group=0 --numeric-owner
		--mode=go-w,a+rX --mtime=@$ENV{SOURCE_DATE_EPOCH} ${name}
	COMMAND ${GZIP} -9n
	WORKING_DIRECTORY ${OUT} OUTPUT_FILE ${OUT}/${name}.tar.gz COMMAND_ERROR_IS_FATAL ANY)
