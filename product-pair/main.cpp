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

	// The search.  An item v pairs only with want = t / v.  If no want
	// stands after v's first place there is none before it either (that
	// want would have found v), so v can never pair: the value fails, and
	// its copies are retired by writing 0, which is no item and no want.
	// Each round tests three values in one pass over the items after u:
	// v, the first live item, at i; u, the next live item of another
	// value, at h; and d, drawn at random from the items after h.  v and
	// u are tested in scan order, d only for failing, so that a value
	// holding many items goes early whatever its place.
	// The last round's d if it failed, retired in this round's pass; 1,
	// which is no item, when there is none.
	int gone = 1;
	int dead = 0; // items retired since the last squeeze
	// The draws follow from every item read: the same input draws the
	// same way each time, yet no input can be built to hold a value of no
	// weight at each of its own drawn places, for a change to any item
	// moves every draw.  The output never depends on them.
	std::minstd_rand draw(mix);
	int a = 0, b = 0; // the pair found; 0 while none is
	int i = 0;        // where the round looks for v
	while (a == 0) {
		// v: the first live item from i.
		while (i < m && (item[i] == 0 || item[i] == gone))
			i++;
		if (i == m)
			break;
		int v = item[i];
		int vwant = t / v;

		// Walk to u, past retired items and copies of v.  A copy of v is
		// v's partner when v is the square root of the target.
		int h = i + 1;
		while (h < m && (item[h] == 0 || item[h] == gone || item[h] == v) && item[h] != vwant)
			h++;
		int u = h < m ? item[h] : v;
		int uwant = t / u;

		// Draw d from the items after h; a retired place draws v again,
		// and a copy of the last failed d only fails again.
		int rest = m - h - 1; // the items after h
		int r = rest > 0 ? h + 1 + static_cast<int>(draw() % static_cast<unsigned>(rest)) : i;
		int d = item[r] != 0 ? item[r] : v;
		int dwant = t / d;

		// Count the wants after h, and retire the copies of v, u and the
		// last failed d, in one pass that vectorizes at every SIMD level:
		// it does not stop at a hit, for the whole pass costs less than a
		// test for leaving it at each item, and | does not branch where
		// || would.  The counts come from each item as read, before it is
		// retired: when v is the square root of the target, its copies are
		// the hits.
		int vhits = h < m && u == vwant;
		int uhits = 0, dhits = 0;
		for (int j = h + 1; j < m; j++) {
			int x = item[j];
			vhits += x == vwant;
			uhits += x == uwant;
			dhits += x == dwant;
			int copy = (x == v) | (x == u) | (x == gone);
			dead += copy;
			item[j] = copy ? 0 : x;
		}

		// A hit of v comes first in scan order, then one of u.
		if (vhits > 0) {
			a = v;
			b = vwant;
		} else if (uhits > 0) {
			a = u;
			b = uwant;
		}

		// d fails when its want is not after h (as a square root it counts
		// itself there); v or u as its want would have hit d.  It is
		// retired in the next pass.  Otherwise d will pair, but only the
		// first two of its copies matter: a later one neither comes first
		// in scan order nor decides whether d has a partner.  So the rest
		// are retired now.
		gone = dhits > (d == dwant) ? 1 : d;
		if (a == 0 && gone == 1) {
			int k = h + 1; // past d's second copy
			for (int kept = 0; k < m && kept < 2; k++)
				kept += item[k] == d;
			for (int j = k; j < m; j++) {
				int copy = item[j] == d;
				dead += copy;
				item[j] = copy ? 0 : item[j];
			}
		}

		// Once an eighth of the rest is retired, squeeze it out, in order,
		// so that later passes read only live items.  Every item is
		// written and the end moves on only past a live one: no branch.
		if (dead * 8 > rest) {
			int end = h + 1;
			for (int j = h + 1; j < m; j++) {
				item[end] = item[j];
				end += item[j] != 0;
			}
			m = end;
			dead = 0;
		}

		// The next round starts after u.
		i = h + 1;
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
