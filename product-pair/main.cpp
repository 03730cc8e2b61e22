// product-pair: read a target, a count and that many items, and write the
// first pair of items, at two different positions, whose product is the
// target: smaller value first, one blank, no line end.  Input that breaks a
// rule, and a search that finds nothing, end silently with status 0; input
// that cannot be read, or a pair that cannot be written, ends with a
// message and status 1.
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
		if (x < 2 || x > 999999999) {
			bad = true;
			continue;
		}
		// The store keeps each item that divides the target as the code of
		// its class: an item and its partner, t / item, share the smaller
		// of the two, at most 46340, the square root of the largest target,
		// and the larger member is kept negated.  One test of the class
		// then finds an item's copies and its partners at once, and the
		// sign tells them apart.  An item whose partner cannot be an item
		// never pairs, and is not kept.
		int y = static_cast<int>(x);
		int q = t / y; // the partner, if y divides t: one division
		if (q * y == t && q >= 2 && q <= 999999999)
			store.push_back(y <= q ? y : -q);
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

	// The search.  An item pairs only with its partner, the other member
	// of its class.  If no partner stands after a value's first place
	// there is none before it either (that partner would have found it),
	// so the value can never pair: it fails, and its items are retired by
	// adding `gone`, which lifts them above every class and is taken off
	// again to bring one back.  Each round tests, in one pass over the
	// items from the first live one, that item, which keeps the scan
	// order, and up to fifteen classes drawn at random, which retire the
	// classes that hold many items, wherever they stand, before the passes
	// over those items add up.
	const int top = 46340;    // the largest class: a code above it is retired
	const int gone = 1 << 20; // what retiring adds
	const int draws = 15;
	int cls[draws];     // the classes drawn
	int partner[draws]; // the codes of the drawn items' partners
	int dead = 0;       // items retired since the last squeeze
	int early = 1;      // the code of the first item of the earliest class known to pair; 1 for none
	// The draws follow from every item read: the same input draws the
	// same way each time, yet no input can be built around its own draws,
	// for a change to any item moves every draw.  The output never depends
	// on them.
	std::minstd_rand draw(mix);
	int a = 0; // the class of the pair found; 0 while none is
	int h = 0; // the first live item
	while (a == 0) {
		while (h < m && item[h] > top)
			h++;
		if (h == m)
			break;

		// The first live item, v, is tested by its code: its copies are v,
		// its partners -v, or v again for the square root.
		int v = item[h];
		int vclass = v < 0 ? -v : v;
		int vwant = v > 0 && v * v == t ? v : -v;

		// The draws.  Every class drawn has its partners on one side, that
		// of the first class drawn, so that the sign alone tells a drawn
		// item's partners from its copies.  A retired place, v's class, a
		// class drawn already, or partners on the other side draw nothing,
		// and an empty place holds 1, which is no class.
		int rest = m - h; // the items from the first live one
		int k = 0;        // the classes drawn
		int sign = 0;     // the sign of their partners
		for (int tries = 0; tries < 2 * draws && k < draws; tries++) {
			int z = item[h + static_cast<int>(draw() % static_cast<unsigned>(rest))];
			int c = z < 0 ? -z : z;
			int want = z <= top && z > 0 && z * z == t ? z : -z;
			bool none = z > top || c == vclass || (sign != 0 && (want > 0) != (sign > 0));
			for (int e = 0; e < k; e++)
				none |= c == cls[e];
			if (none)
				continue;
			sign = want > 0 ? 1 : -1;
			cls[k] = c;
			partner[k] = want;
			k++;
		}
		for (int l = k; l < draws; l++)
			cls[l] = partner[l] = 1;
		int flip = sign > 0 ? -1 : 0; // z ^ flip is negative on the partners' side

		// Count v's partners, see whether any drawn class has an item on
		// the partners' side, and retire v's copies and every drawn class,
		// in one pass that vectorizes at every SIMD level: it does not stop
		// at a hit, for the whole pass costs less than a test for leaving
		// it at each item.  The tests read each item before it is retired.
		int hits = 0, any = 0;
		for (int j = h; j < m; j++) {
			int z = item[j];
			int c = z < 0 ? -z : z;
			int in = 0; // -1 for an item of a drawn class
			for (int l = 0; l < draws; l++)
				in |= -(c == cls[l]);
			any |= in & (z ^ flip);
			hits += z == vwant;
			int out = in | -(z == v);
			dead -= out;
			item[j] = z + (out & gone);
		}

		// A value pairs when its partner stands from h on (the square root
		// counts itself there, and so needs two copies): none stands before
		// h, for the values there failed.  The first item that pairs is the
		// answer.
		if (hits > (v == vwant ? 1 : 0)) {
			a = vclass;
			break;
		}

		// A drawn class with items on both sides pairs (the square root
		// with two copies).  Count each drawn item's partners from h, all
		// retired by now, and give each class that pairs its first item
		// back, and the first partner of that item after it: a later item
		// neither comes first in scan order nor decides whether a partner
		// exists.  Every item of the class from h was retired now, and the
		// items retired before stand after those two, so the two are the
		// first retired ones; the search for each vectorizes by blocks.
		// A class whose first item stands after that of one known to pair
		// holds no answer, and no partner but its own: it stays retired,
		// and the search for it stops at that item.
		if (any < 0) {
			int count[draws] = {};
			for (int j = h; j < m; j++) {
				int z = item[j];
				for (int l = 0; l < draws; l++)
					count[l] += z == partner[l] + gone;
			}
			for (int l = 0; l < k; l++) {
				if (count[l] <= (partner[l] == cls[l] && cls[l] * cls[l] == t ? 1 : 0))
					continue;
				int first = cls[l], second = -cls[l], stop = early, j = h;
				for (int step = 0; step < 2; step++) {
					int p = first + gone, q = second + gone;
					while (j + 64 <= m) {
						int found = 0;
						for (int e = 0; e < 64; e++)
							found |= (item[j + e] == p) | (item[j + e] == q) | (item[j + e] == stop);
						if (found)
							break;
						j += 64;
					}
					while (item[j] != p && item[j] != q && item[j] != stop)
						j++;
					if (item[j] == stop)
						break;
					int z = item[j] - gone;
					item[j] = z;
					dead--;
					early = step == 0 ? z : early;
					first = second = z > 0 && z * z == t ? z : -z;
					stop = 1;
					j++;
				}
			}
		}

		// Once an eighth of the rest is retired, squeeze it out, in order,
		// so that later passes read only live items.  Every item is
		// written and the end moves on only past a live one: no branch.
		if (dead * 8 > rest) {
			int end = h;
			for (int j = h; j < m; j++) {
				int z = item[j];
				item[end] = z;
				end += z <= top;
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
	std::printf("%d %d", a, t / a);
	std::fflush(stdout);
	if (std::ferror(stdout)) {
		std::perror("product-pair");
		return 1;
	}
	return 0;
}
