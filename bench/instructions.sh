#!/bin/sh
# bench/instructions.sh BUILD...: callgrind's count of product-pair's
# instructions on each case of the bench over the read-only floor's, a
# column a build (bench/README.md).
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
