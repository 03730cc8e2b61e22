# Write OUT/product-pair-tools-VERSION.tar.gz, the source in SOURCE under
# product-pair-tools-VERSION/, staged in OUT, which is emptied first.  In
# a git checkout it holds the files that git tracks, as they stand, but
# git's own .gitignore, and MANIFEST, their list; unpacked, it holds the
# files of its MANIFEST, so that it makes the same archive again.  Any
# other tree (a git archive export, a plain copy) has no list of its files
# to prove, and is refused with one line.  The
# same files make the same bytes: names sorted, owner 0/0, modes from the
# executable bit alone, every time stamp SOURCE_DATE_EPOCH (when unset,
# the changelog's, as for the package) and gzip -n.
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

set(CPACK_CHANGELOG ${SOURCE}/package/changelog)
include(${SOURCE}/package/epoch.cmake)
find_program(TAR tar REQUIRED)
find_program(GZIP gzip REQUIRED)
execute_process(
	COMMAND ${TAR} --create --file=- --format=gnu --sort=name --owner=0 --group=0 --numeric-owner
		--mode=go-w,a+rX --mtime=@$ENV{SOURCE_DATE_EPOCH} ${name}
	COMMAND ${GZIP} -9n
	WORKING_DIRECTORY ${OUT} OUTPUT_FILE ${OUT}/${name}.tar.gz COMMAND_ERROR_IS_FATAL ANY)
