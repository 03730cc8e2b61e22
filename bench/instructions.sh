#!/bin/sh
# bench/instructions.sh BUILD...
#
# The instructions that callgrind counts product-pair taking on each case
# of the bench at the count limit, as a ratio to those of the read-only
# floor of the same build on the same input, a column per build folder.
# Each needs product-pair, read-only and bench built:
#     cmake --build BUILD --target product-pair read-only bench-runner
# valgrind runs no AVX-512, so a dispatched build runs its x86-64-v3 clone.
set -eu
if [ $# -lt 1 ]; then
	echo "usage: bench/instructions.sh BUILD..." >&2
	exit 2
fi
inputs=$(mktemp -d)
trap 'rm -rf "$inputs"' EXIT
"$1"/bench/bench --write "$inputs"
count() {
	valgrind --tool=callgrind --callgrind-out-file=/dev/null "$1" < "$2" 2>&1 >/dev/null |
		sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
}
printf '%-16s %12s' case "floor instr"
for build; do printf ' %14s' "$(basename "$build")"; done
echo
for input in "$inputs"/*.in; do
	name=$(basename "$input" .in)
	printf '%-16s %12s' "$name" "$(count "$1"/bench/read-only "$input")"
	for build; do
		floor=$(count "$build"/bench/read-only "$input")
		pp=$(count "$build"/product-pair "$input")
		printf ' %14.3f' "$(echo "$pp $floor" | awk '{ print $1 / $2 }')"
	done
	echo
done
