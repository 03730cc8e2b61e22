#!/bin/sh
# bench/instructions.sh BUILD...: the instructions that callgrind counts
# product-pair taking on each case of the bench, as a ratio to those of the
# read-only floor of the same build on the same input, a column a build.
# Each BUILD needs `cmake --build BUILD --target product-pair read-only
# bench-runner`.  valgrind runs no AVX-512: a dispatched build runs its
# x86-64-v3 clone.
set -eu
[ $# -ge 1 ] || { echo "usage: bench/instructions.sh BUILD..." >&2; exit 2; }
inputs=$(mktemp -d)
trap 'rm -rf "$inputs"' EXIT
"$1"/bench/bench --write "$inputs"
count() {
	valgrind --tool=callgrind --callgrind-out-file=/dev/null "$1" <"$2" 2>&1 >/dev/null |
		sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
}
printf '%-10s %12s' case floor
for build; do printf ' %16s' "$(basename "$build")"; done
echo
for input in "$inputs"/*.in; do
	printf '%-10s %12s' "$(basename "$input" .in)" "$(count "$1"/bench/read-only "$input")"
	for build; do
		printf ' %16.3f' "$(echo "$(count "$build"/product-pair "$input") $(count "$build"/bench/read-only "$input")" | awk '{ print $1 / $2 }')"
	done
	echo
done
