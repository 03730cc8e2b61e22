// product-pair: read a target, a count and that many items, and write the
// first pair of items, at two different positions, whose product is the
// target: smaller value first, one blank, no line end.  Input that breaks a
// rule, and a search that finds nothing, end silently with status 0; input
// that cannot be read, or a pair that cannot be written, ends with a
// message and status 1.
#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdio>
#include <vector>

// One binary for every x86-64: the loader picks the widest SIMD clone
// that the processor runs.
__attribute__((target_clones("arch=x86-64-v4", "arch=x86-64-v3", "arch=x86-64-v2", "default")))
int main()
{
	// Read the target and the count as 64-bit values, so that a numeral
	// outside 32 bits is rejected rather than wrapped.  Reading stops at
	// the first value that does not convert.
	long long target = 0, count = 0;
	bool read = std::scanf("%lld", &target) == 1 && std::scanf("%lld", &count) == 1;

	// Reject a count outside 1..200000 before reading or storing any item.
	if (read && (count < 1 || count > 200000))
		return 0;

	// Read every item before any is tested, and remember whether one broke
	// its bounds.  The store has room for 63 more, so that the search can
	// read the last block whole.
	int n = read ? static_cast<int>(count) : 0;
	std::vector<int> item(static_cast<std::size_t>(n) + 63);
	bool bad = false;
	for (int k = 0; read && k < n; k++) {
		long long v = 0;
		read = std::scanf("%lld", &v) == 1;
		if (v < 2 || v > 999999999)
			bad = true;
		else
			item[k] = static_cast<int>(v);
	}

	// Input that ends early, or a token that does not convert, ends the
	// run in silence.  A read error ends it with a message and status 1,
	// for silence would claim that no pair exists.
	if (!read) {
		if (!std::ferror(stdin))
			return 0;
		std::perror("product-pair");
		return 1;
	}

	// Reject a target outside 1..INT_MAX, then any item out of bounds.
	if (target < 1 || target > INT_MAX || bad)
		return 0;

	// A product of positive values equals the target only when both
	// divide it.  Keep just those items, in input order: the first pair
	// in scan order stays the first, and the search passes over fewer.
	int t = static_cast<int>(target);
	int m = 0;
	for (int k = 0; k < n; k++)
		if (t % item[k] == 0)
			item[m++] = item[k];

	// Clear the 63 places after the last kept item, which the last block
	// reads.  A retired item holds 0 too: 0 is never a want, nor a copy of
	// an item.
	std::fill(item.begin() + m, item.begin() + m + 63, 0);

	// Scan pairs (i, j), j > i, in order: item[i] pairs only with the
	// value want = t / item[i].
	for (int i = 0; i < m; i++) {
		int v = item[i];
		if (v == 0)
			continue;
		int want = t / v;

		// Search for want after i, a block of 64 at a time.  If want is
		// not there it is nowhere, for an earlier want would have found v
		// at i: so v can never pair again, and the search retires its
		// later copies as it passes them.
		for (int j = i + 1; j < m; j += 64) {
			// Test the whole block with SIMD compares: x ^ y is 0 only
			// where x equals y, so each least value is 0 exactly when the
			// block holds want, or a copy of v.
			unsigned hit = UINT_MAX, copy = UINT_MAX;
			for (int k = j; k < j + 64; k++) {
				unsigned x = static_cast<unsigned>(item[k]);
				hit = std::min(hit, x ^ static_cast<unsigned>(want));
				copy = std::min(copy, x ^ static_cast<unsigned>(v));
			}

			// A hit is the pair (v, want), whichever position holds it,
			// and is taken before anything is retired: when v is the
			// square root of the target, its copies are the hits.  A pair
			// that could not be written fails the run, for the caller must
			// not take it for no pair; the stream's error mark covers a
			// failed write and a failed flush alike.
			if (hit == 0) {
				std::printf("%d %d", std::min(v, want), std::max(v, want));
				std::fflush(stdout);
				if (std::ferror(stdout)) {
					std::perror("product-pair");
					return 1;
				}
				return 0;
			}
			if (copy == 0)
				for (int k = j; k < j + 64; k++)
					if (item[k] == v)
						item[k] = 0;
		}
	}
	return 0;
}
