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
#include <random>
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

	// A product of positive values equals the target only when both divide
	// it, so only the items that divide the target are stored, in input
	// order: the first pair in scan order stays the first.  Every item is
	// still read and checked before anything is written.  A target out of
	// range is remembered, and 1, which no item divides, stands for it.
	bool bad = target < 1 || target > INT_MAX;
	int t = bad ? 1 : static_cast<int>(target);
	int n = read ? static_cast<int>(count) : 0;
	// Room for every item, reserved once and never filled: only what is
	// stored is touched.
	std::vector<int> store;
	store.reserve(static_cast<std::size_t>(n));
	unsigned mix = 0; // every item read, mixed, to seed the search's draws
	for (int k = 0; read && k < n; k++) {
		long long x = 0;
		read = std::scanf("%lld", &x) == 1;
		mix = mix * 31 + static_cast<unsigned>(x);
		if (x < 2 || x > 999999999)
			bad = true;
		else if (t % static_cast<int>(x) == 0)
			store.push_back(static_cast<int>(x));
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
	// A target or an item out of range ends the run in silence.
	if (bad)
		return 0;

	int* item = store.data();
	int m = static_cast<int>(store.size()); // the end of the items searched

	// The search.  An item x pairs only with its want, t / x.  If no want
	// stands after a value's first place there is none before it either
	// (that want would have found it), so the value can never pair: it
	// fails, and its copies are retired by negating them, which makes them
	// no item and no want.  Each round tests eight values in one pass over
	// the live items from the first: the first item, in scan order, and
	// seven drawn at random, which take the values that hold many items,
	// wherever they stand, before the passes over those items add up.
	const int slots = 8;
	int d[slots], dwant[slots]; // the round's values, and their wants
	bool root = false; // the target's square root is known to have two copies
	int dead = 0;      // items retired since the last squeeze
	// The draws follow from every item read: the same input draws the
	// same way each time, yet no input can be built around its own draws,
	// for a change to any item moves every draw.  The output never depends
	// on them.
	std::minstd_rand draw(mix);
	int a = 0, b = 0; // the pair found; 0 while none is
	int h = 0;        // the first live item
	while (a == 0) {
		while (h < m && item[h] <= 0)
			h++;
		if (h == m)
			break;

		// The first item, then the draws.  A retired place, or a value
		// already in the round, draws nothing: 1, which is no item and no
		// want.
		int rest = m - h; // the items from the first live one
		for (int l = 0; l < slots; l++) {
			int x = item[l == 0 ? h : h + static_cast<int>(draw() % static_cast<unsigned>(rest))];
			bool none = x <= 0;
			for (int e = 0; e < l; e++)
				none |= x == d[e];
			d[l] = none ? 1 : x;
			dwant[l] = none ? 1 : t / x;
		}

		// Count the wants from h, and retire the copies of every value in
		// the round, in one pass that vectorizes at every SIMD level: it
		// does not stop at a hit, for the whole pass costs less than a test
		// for leaving it at each item.  The counts come from each item as
		// read, before it is retired.
		int hits[slots] = {};
		bool pairs[slots];
		for (int j = h; j < m; j++) {
			int x = item[j];
			int copy = 0;
			for (int l = 0; l < slots; l++) {
				hits[l] += x == dwant[l];
				copy |= x == d[l];
			}
			dead += copy;
			item[j] = copy ? -x : x;
		}

		// A value pairs when its want stands from h on (a square root
		// counts itself there, and so needs two copies): none stands before
		// h, for the values there failed.  The first item that pairs is the
		// answer.  A draw that pairs gets its first copy back: a later one
		// neither comes first in scan order nor decides whether a want
		// exists.  The retired items from h are all later copies, so the
		// first negated one is the first copy; the search for it vectorizes
		// by blocks.
		for (int l = 0; l < slots; l++) {
			bool square = d[l] == dwant[l] && d[l] != 1;
			pairs[l] = hits[l] > (square ? 1 : 0) || (square && root);
			root |= square && pairs[l];
		}
		if (pairs[0]) {
			a = d[0];
			b = dwant[0];
			break;
		}
		for (int l = 1; l < slots; l++) {
			if (!pairs[l])
				continue;
			int copy = -d[l], j = h;
			while (j + 64 <= m) {
				int any = 0;
				for (int e = 0; e < 64; e++)
					any |= item[j + e] == copy;
				if (any)
					break;
				j += 64;
			}
			while (item[j] != copy)
				j++;
			item[j] = d[l];
			dead--;
		}

		// Once an eighth of the rest is retired, squeeze it out, in order,
		// so that later passes read only live items.  Every item is
		// written and the end moves on only past a live one: no branch.
		if (dead * 8 > rest) {
			int end = h;
			for (int j = h; j < m; j++) {
				int x = item[j];
				item[end] = x;
				end += x > 0;
			}
			m = end;
			dead = 0;
		}
	}
	if (a == 0)
		return 0;

	// A pair that could not be written fails the run, for the caller must
	// not take it for no pair; the stream's error mark covers a failed
	// write and a failed flush alike.
	std::printf("%d %d", std::min(a, b), std::max(a, b));
	std::fflush(stdout);
	if (std::ferror(stdout)) {
		std::perror("product-pair");
		return 1;
	}
	return 0;
}
