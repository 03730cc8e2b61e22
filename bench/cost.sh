#!/bin/bash
# bench/cost.sh [COVERAGE-BUILD RELEASE-BUILD] INPUT...
#
# The search's cost model against the work callgrind counts.  From the
# source folder.  COVERAGE-BUILD (build-coverage unless given) is a build
# with -DWITH_COVERAGE=ON and RELEASE-BUILD (build unless given) a Release
# build, both configured with the same -DDRAW_SEED=N, so that gcov's
# visits and callgrind's instructions are of the same draws, and so of
# the same run; the two folders are taken when the first two arguments
# are folders.  Build product-pair in both, and read-only in the Release
# build, first:
#
#     cmake -S . -B build-coverage -DCMAKE_BUILD_TYPE=Debug -DWITH_COVERAGE=ON -DDRAW_SEED=1
#     cmake -S . -B build -DDRAW_SEED=1
#     cmake --build build-coverage --target product-pair
#     cmake --build build --target product-pair read-only
#
# For each input file it prints the count n and, from the input itself,
# lone (items that divide the target but whose partner is out of range:
# not stored, yet checked further than other items) and larger (stored
# items coded as the larger member of their class, which take a longer
# path to their code); then the items each loop of the search visits,
# counted by gcov in the coverage build: stored items; pass (every
# round's pass over the rest); before (the count up to the mark, in a
# round where a drawn class may pair and stand before it); past (the
# count past the mark, while such a class has not shown its other code);
# squeeze (the squeeze of retired items) and back (the count, before each
# squeeze, of the retired items ahead of the mark).  The coverage build is
# unoptimized, so gcov counts each line of the two counts' inner loop
# over the 16 tested classes once a class: those counts are divided by
# 16.  Then the instructions callgrind counts product-pair taking over
# the read-only floor, what the model makes of the columns, the
# difference, and product-pair's instructions as a multiple of the
# floor's.  The weights are the instructions per visit of the AVX2 code
# that callgrind runs, fitted by least squares on the relative error at
# count 200000 (bench/README.md).  The draws and the walk to the first
# live item have no column: a few dozen rounds at most, they are left in
# the weights.
set -euo pipefail
coverage=build-coverage release=build
if [ $# -ge 2 ] && [ -d "$1" ] && [ -d "$2" ]; then
	coverage=$1 release=$2
	shift 2
fi
objects=$coverage/CMakeFiles/product-pair.dir/product-pair
count() { valgrind --tool=callgrind --callgrind-out-file=/dev/null "$1" < "$2" 2>&1 |
	sed -n 's/.*Collected : \([0-9]*\).*/\1/p'; }
printf '%-24s %6s %6s %6s %6s %8s %7s %7s %8s %7s %10s %10s %7s %5s\n' \
	input n lone stored larger pass before past squeeze back counted model error ratio
for input in "$@"; do
	rm -f "$objects"/main.cpp.gcda
	"$coverage"/product-pair < "$input" > /dev/null
	visits=$(gcov -t -o "$objects"/main.cpp.gcno product-pair/main.cpp 2>/dev/null |
		awk '/0:Source:product-pair\/main.cpp/ { on = 1; next } /0:Source:/ { on = 0 } on' |
		awk -F: 'function n(x) { gsub(/[ *]/, "", x); return x ~ /^[0-9]+$/ ? x : 0 }
			/store\.push_back\(code\)/ { s = n($1) } /hits \+= z == other\[0\]/ { p = n($1) }
			/first\[l\] = at < first\[l\]/ { c = n($1) / 16 }
			/seen\[l\] \+= item\[j\] == other\[l\] \+ gone/ { f = n($1) / 16 }
			/end \+= z <= top/ { q = n($1) } /back \+= item\[j\] > top/ { b = n($1) }
			END { print s + 0, p + 0, c + 0, f + 0, q + 0, b + 0 }')
	pp=$(count "$release"/product-pair "$input")
	floor=$(count "$release"/bench/read-only "$input")
	# From the input itself, as product-pair reads it: the count n, the
	# items that divide the target but whose partner is out of range, and
	# the stored items coded as the larger member of their class.
	items=$(awk '{ for (i = 1; i <= NF; i++) {
			if (++f == 1) { t = $i; continue } if (f == 2) { n = $i; continue } if (f > n + 2) exit
			y = $i + 0; if (y < 2 || y > 999999999 || t % y) continue; q = t / y
			if (q < 2 || q > 999999999) { lone++; continue }
			if (y > q || (y == q && root)) larger++; if (y == q) root = 1 } }
		END { print n + 0, lone + 0, larger + 0 }' "$input")
	echo "$(basename "$input") $items $visits $pp $floor" | awk '{
		n = $2; lone = $3; larger = $4; stored = $5; pass = $6; before = $7; past = $8; squeeze = $9; back = $10
		counted = $11 - $12
		model = 14.20 * n + 3.026 * lone + 17.00 * stored + 4.057 * larger + 6.241 * pass
		model += 15.03 * before + 4.616 * past + 7.499 * squeeze + 0.470 * back
		printf "%-24s %6d %6d %6d %6d %8d %7d %7d %8d %7d %10d %10d %+6.2f%% %5.3f\n", $1, n, lone, stored, larger,
			pass, before, past, squeeze, back, counted, model, 100 * (model - counted) / counted, $11 / $12 }'
done
