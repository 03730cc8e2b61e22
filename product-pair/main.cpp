// product-pair: read a target, a count and that many items, and write the
// first pair of items, at two different positions, whose product is the
// target: smaller value first, one blank, no line end.  Input that breaks a
// rule, and a search that finds nothing, end silently with status 0.
#include <climits>
#include <cstddef>
#include <cstdio>
#include <vector>

int main()
{
	// Read the target and the count as 64-bit values, so that a numeral
	// outside 32 bits is rejected rather than wrapped.  A token that does
	// not convert, or the end of the input, ends the run.
	long long target, count;
	if (std::scanf("%lld", &target) != 1 || std::scanf("%lld", &count) != 1)
		return 0;

	// Reject a count outside 1..200000 before reading or storing any item.
	if (count < 1 || count > 200000)
		return 0;

	// Read every item before any is tested; remember whether one broke
	// its bounds, and end at once if one does not convert.
	int n = static_cast<int>(count);
	std::vector<int> item(static_cast<std::size_t>(n));
	bool bad = false;
	for (int k = 0; k < n; k++) {
		long long v;
		if (std::scanf("%lld", &v) != 1)
			return 0;
		if (v < 2 || v > 999999999)
			bad = true;
		else
			item[k] = static_cast<int>(v);
	}

	// Reject a target outside 1..INT_MAX, then any item out of bounds.
	if (target < 1 || target > INT_MAX || bad)
		return 0;

	// Scan pairs (i, j), j > i, in order.  A product of positive values
	// equals the target only when item[i] divides it, so item[i] pairs
	// only with the value target / item[i].
	int t = static_cast<int>(target);
	for (int i = 0; i < n; i++) {
		if (t % item[i] != 0)
			continue;
		int want = t / item[i];

		// Compare whole blocks of 64 without an early exit, which the
		// compiler turns into SIMD compares; stop at the first block
		// that holds a hit and let the plain loop below find it.
		int j = i + 1;
		for (; j + 64 <= n; j += 64) {
			int hit = 0;
			for (int k = 0; k < 64; k++)
				hit |= item[j + k] == want;
			if (hit)
				break;
		}
		for (; j < n; j++) {
			if (item[j] == want) {
				if (item[i] < want)
					std::printf("%d %d", item[i], want);
				else
					std::printf("%d %d", want, item[i]);
				return 0;
			}
		}
	}
	return 0;
}
