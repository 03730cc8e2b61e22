#!/bin/bash
# bench/cost.sh INPUT...
#
# The search's cost model against the work callgrind counts.  From the
# source folder, after `cmake --workflow --preset build` and `cmake
# --workflow --preset coverage` and `cmake --build build --target
# read-only`.  For each input file it prints the items each loop of the
# search visits, counted by gcov in the coverage build: stored items,
# pass, count (the second pass of a round in which a drawn class pairs),
# block (the items searched for a pairing class's first item and its
# partner), squeeze; then the instructions callgrind counts product-pair
# taking over the read-only floor, what the model makes of the visits,
# and the difference.  The weights are the instructions per visit of the
# AVX2 code that callgrind runs (bench/README.md).
set -euo pipefail
objects=build-coverage/CMakeFiles/product-pair.dir/product-pair
count() { valgrind --tool=callgrind --callgrind-out-file=/dev/null "$1" < "$2" 2>&1 |
	sed -n 's/.*Collected : \([0-9]*\).*/\1/p'; }
printf '%-36s %8s %9s %9s %9s %9s %12s %12s %7s\n' input stored pass count block squeeze counted model error
for input in "$@"; do
	rm -f "$objects"/main.cpp.gcda
	build-coverage/product-pair < "$input" > /dev/null
	visits=$(gcov -t -o "$objects"/main.cpp.gcno product-pair/main.cpp 2>/dev/null |
		awk '/0:Source:product-pair\/main.cpp/ { on = 1; next } /0:Source:/ { on = 0 } on' |
		awk -F: 'function n(x) { gsub(/[ *]/, "", x); return x ~ /^[0-9]+$/ ? x : 0 }
			/store.push_back/ { s = n($1) } /hits \+= z == vwant/ { p = n($1) }
			/count\[l\] \+=/ { c = n($1) / 15 } /found \|= / { b = n($1) }
			/end \+= z <= top/ { q = n($1) } END { print s, p, c, b, q }')
	counted=$(( $(count build/product-pair "$input") - $(count build/bench/read-only "$input") ))
	n=$(awk '{ print $2; exit }' "$input")
	echo "$(basename "$input") $visits $counted $n" | awk '{
		model = 20.2 * $8 + 15.73 * $2 + 5.621 * $3 + 5.51 * $4 + 1.068 * $5 + 7.507 * $6
		printf "%-36s %8d %9d %9d %9d %9d %12d %12d %+6.1f%%\n", $1, $2, $3, $4, $5, $6, $7, model, 100 * (model - $7) / $7 }'
done
