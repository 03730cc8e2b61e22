# Report gcov's line and branch figures for the two programs' sources, from
# the counts the test suite left in BUILD.  Fail unless every line ran and
# every branch was taken, but for the exception edges of calls that cannot
# throw here (scanf, printf, and one small allocation).
cmake_minimum_required(VERSION 3.25)

set(dir ${BUILD}/coverage-report)
file(REMOVE_RECURSE ${dir})
set(report "")
set(short "")
foreach(program product-pair square-print)
	file(MAKE_DIRECTORY ${dir}/${program})
	execute_process(COMMAND gcov -b -o ${BUILD}/CMakeFiles/${program}.dir/${program}/main.cpp.o
			${SOURCE}/${program}/main.cpp
		WORKING_DIRECTORY ${dir}/${program} OUTPUT_VARIABLE out RESULT_VARIABLE rc)
	string(REGEX MATCH "File '[^']*${program}/main.cpp'\nLines[^\n]*\n(Branches[^\n]*\nTaken[^\n]*\n|No branches\n)" block "${out}")
	string(APPEND report "${block}")
	if(NOT rc EQUAL 0 OR NOT block MATCHES "Lines executed:100.00% of")
		string(APPEND short "${program}/main.cpp: not every line ran\n")
	endif()
	file(STRINGS ${dir}/${program}/main.cpp.gcov missed
		REGEX "^branch.*(never executed|taken 0%)")
	list(FILTER missed EXCLUDE REGEX "[(]throw[)]$")
	if(missed)
		string(APPEND short "${program}/main.cpp: branches never taken (see main.cpp.gcov)\n")
	endif()
	list(LENGTH missed count)
	string(APPEND report "Branches not taken, but for exception edges: ${count}\n")
endforeach()
file(WRITE ${BUILD}/coverage.txt "${report}")
message("${report}Annotated sources (main.cpp.gcov) are in ${dir}/PROGRAM")
if(short)
	message(FATAL_ERROR "${short}")
endif()
