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
// that the processor runs.  Other compilers and other processors build
// the plain code, which vectorizes at every SIMD level, and so does a
// build that defines BASELINE_ONLY.
#if defined(__x86_64__) && !defined(__clang__) && !defined(BASELINE_ONLY)
__attribute__((target_clones("arch=x86-64-v4", "arch=x86-64-v3", "arch=x86-64-v2", "default")))
#endif
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
	// its bounds.
	int n = read ? static_cast<int>(count) : 0;
	std::vector<int> store(static_cast<std::size_t>(n));
	int* item = store.data();
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

	// Scan pairs (i, j), j > i, in order: item[i] pairs only with the
	// value want = t / item[i].  If want is not after i it is nowhere, for
	// an earlier want would have found item[i]: so that value can never
	// pair again, and the search retires its later copies as it passes
	// them, writing 0, which is never a want nor a copy of an item.
	int dead = 0;
	for (int i = 0; i < m; i++) {
		int v = item[i];
		if (v == 0)
			continue;
		int want = t / v;

		// One pass serves two values: v, and u, the next live item at h
		// (or v again at the end), whose want is uwant.  u may itself be
		// v's partner.
		int h = i + 1;
		while (h < m && item[h] == 0)
			h++;
		int u = h < m ? item[h] : v;
		int uwant = t / u;
		int found = h < m && u == want;
		int ufound = 0;

		// Count the wants after h and retire the copies of v and u, in one
		// pass that vectorizes at every SIMD level.  It does not stop at a
		// hit: the whole pass costs less than a test for leaving it at each
		// item.  The counts come from each item as read, before it is
		// retired: when v is the square root of the target, its copies are
		// the hits.
		int gone = 0;
		for (int j = h + 1; j < m; j++) {
			int x = item[j];
			found += x == want;
			ufound += x == uwant;
			int copy = (x == v) | (x == u);
			gone += copy;
			item[j] = copy ? 0 : x;
		}

		// Any hit of v comes first in scan order, then any of u.  A pair
		// that could not be written fails the run, for the caller must not
		// take it for no pair; the stream's error mark covers a failed
		// write and a failed flush alike.
		if (found || ufound) {
			if (!found) {
				v = u;
				want = uwant;
			}
			std::printf("%d %d", std::min(v, want), std::max(v, want));
			std::fflush(stdout);
			if (std::ferror(stdout)) {
				std::perror("product-pair");
				return 1;
			}
			return 0;
		}

		// Both values failed.  Once an eighth of the rest is retired,
		// squeeze it out, in order, so that later passes read only live
		// items.
		i = h;
		dead += gone;
		if (dead * 8 > m - i) {
			int w = i + 1;
			for (int j = i + 1; j < m; j++)
				if (item[j] != 0)
					item[w++] = item[j];
			m = w;
			dead = 0;
		}
	}
	return 0;
}
