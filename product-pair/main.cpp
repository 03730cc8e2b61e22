// product-pair: read a target, a count and that many items, and write the
// first pair of items, at two different positions, whose product is the
// target: smaller value first, one blank, no line end.  Input that breaks a
// rule, and a search that finds nothing, end silently with status 0; input
// that cannot be read, or a pair that cannot be written, ends with a
// message and status 1.
#include <climits>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>
#if !defined(DRAW_SEED)
#include <sys/random.h>
#endif

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

	// An item pairs only with its partner, the target divided by it, so
	// only items that divide the target, with a partner in range, are
	// stored, in input order.  An item and its partner make a class, named
	// by the smaller of the two, at most 46340, the square root of the
	// largest target.  The store keeps each item as its code: the class
	// for the smaller member, the class negated for the larger one.  A
	// square root is its own partner: its first copy takes the class, and
	// every later copy the class negated.  So a class holds a pair exactly
	// when both of its codes are stored.  Every item is still read and
	// checked before anything is written; a target out of range is
	// remembered, and 1, which no item divides, stands for it.
	bool bad = target < 1 || target > INT_MAX;
	int t = bad ? 1 : static_cast<int>(target);
	int n = read ? static_cast<int>(count) : 0;
	// Room for every item, reserved once and not cleared: push_back writes
	// only the codes stored.
	std::vector<int> store;
	store.reserve(static_cast<std::size_t>(n));
	bool rooted = false; // a copy of the square root is stored
	for (int k = 0; read && k < n; k++) {
		long long x = 0;
		read = std::scanf("%lld", &x) == 1;
		if (x < 2 || x > 999999999) {
			bad = true;
			continue;
		}
		int y = static_cast<int>(x);
		int q = t / y; // the partner, if y divides t: one division
		if (q * y != t || q < 2 || q > 999999999)
			continue;
		int code = y < q || (y == q && !rooted) ? y : -q;
		rooted |= y == q;
		store.push_back(code);
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

	// The search.  Scan order is that of the plain double scan: pairs by
	// the place of their first item, then of their second.  The first
	// pair in scan order starts at the first item of a class that holds
	// a pair: that item pairs with any item of the other code, all of
	// which stand after it; and an earlier item that paired would put the
	// first item of its own class earlier still.  So the answer is, of the
	// classes that hold a pair, the one whose first item comes first.  The
	// words of the search, each used in this sense alone:
	// - other code: the code of the other member of an item's class;
	// - live: an item as stored, or the mark; retired: one whose code
	//   was lifted by `gone` above every class, so that no test of a
	//   class matches it; a class never pairs with another, so retiring
	//   a class whole changes no answer but its own;
	// - h: the place of the first live item, once the walk has found it;
	//   the rest: the items from h to the end, m;
	// - v: the item at h; it is the first item of its class;
	// - the mark: a 0, which is no code but counts as live, in place of
	//   the first item of the class `best`, the earliest known to hold a
	//   pair;
	// - a round: the draws, a pass over the rest that tests v's class and
	//   up to 15 classes of items drawn at random and retires all of them,
	//   a count when a drawn class may give a new mark, and, once enough
	//   are retired, a squeeze, which drops retired items from the rest.
	// Between rounds: every item before h is retired; every item of a
	// class is live, or every item of it retired but the mark; a retired
	// class holds no pair, or is `best`, or starts after the mark.  So the
	// answer is `best` or a live class; when h reaches the mark it is
	// `best`, and when h reaches m with no mark there is none.
	// Work: every round retires v's class or ends the search, and no
	// target below 2^31 has over 1600 divisors, so over 800 classes: at
	// most 800 rounds, each a pass over the rest and at most one count.
	// The draws take each class about as often as it holds items of the
	// rest, so the classes that hold many go early, wherever they stand:
	// in expectation a round retires 16 classes' share of the rest, and
	// the costliest input is many classes sharing it evenly
	// (bench/README.md).  The seed comes from the kernel, so no input can
	// know the draws (a build that fixes DRAW_SEED, for the bench, gives
	// that up).  The output never depends on them: every step keeps the
	// facts between rounds whichever classes are drawn, and the draws
	// choose only the order in which classes are retired.
	int* item = store.data();
	int m = static_cast<int>(store.size());
	const int top = 46340;    // the largest class: a code above it is retired
	const int gone = 1 << 20; // what retiring adds
	const int tested = 16;    // classes a round tests, v's among them
	int cls[tested];          // the classes tested; 1, which is no class, pads
	int other[tested];        // the code of each tested class's other member
#if defined(DRAW_SEED)
	unsigned seed = DRAW_SEED; // fixed by the build, for the bench alone
#else
	// Without the kernel's source, where the stack lies stands in.
	unsigned seed = 0;
	if (m > 0 && getrandom(&seed, sizeof seed, 0) != sizeof seed)
		seed = static_cast<unsigned>(reinterpret_cast<std::size_t>(&seed));
#endif
	std::minstd_rand draw(seed);
	int best = 0;  // the class of the mark; 0 while there is none
	int mark = -1; // the mark's place; -1 while there is none
	int dead = 0;  // items retired since the last squeeze
	int h = 0;
	// Each round retires v's class or breaks, so the rounds end.
	for (;;) {
		// Walk to the first live item: every item passed is retired, and
		// the mark, being live, stops the walk.
		while (h < m && item[h] > top)
			h++;
		if (h == m || h == mark)
			break;

		// The tested classes: v's, then those of drawn items that are live
		// and of a class not yet tested.  All drawn items share the sign
		// of the first, so that the sign alone tells a drawn class's other
		// code from the one drawn; and all stand in the same region as the
		// first, before the mark or past it, so that a round past it, whose
		// classes mostly start after it, finds `early` unset and skips the
		// count: this is for speed alone.  A draw that fails any of these
		// is a try lost; 64 tries keep few rounds short.
		// After: cls[0..k) are distinct live classes, the rest pad.
		int v = item[h];
		int rest = m - h;
		int lim = mark < 0 ? m : mark; // the mark's place, or the end
		int k = 1;      // the classes tested so far
		int side = 0;   // the sign of the drawn items; 0 before the first
		int region = 0; // where they stand: -1 before lim, 1 at or past it
		cls[0] = std::abs(v);
		other[0] = -v;
		for (int tries = 0; tries < 4 * tested && k < tested; tries++) {
			int at = h + static_cast<int>(draw() % static_cast<unsigned>(rest));
			int z = item[at];
			int c = std::abs(z);
			int here = at < lim ? -1 : 1;
			bool fresh = z != 0 && z <= top && (side == 0 || ((z < 0) == (side < 0) && here == region));
			for (int l = 0; l < k; l++)
				fresh &= c != cls[l];
			if (!fresh)
				continue;
			side = z < 0 ? -1 : 1;
			region = here;
			cls[k] = c;
			other[k] = -z;
			k++;
		}
		for (int l = k; l < tested; l++)
			cls[l] = other[l] = 1;

		// The pass, which vectorizes at every SIMD level: it retires every
		// item of a tested class, all of which stand in the rest, and
		// counts, in `hits`, v's other code; `pairs` turns negative if a
		// drawn class shows its other code (z ^ flip is negative there),
		// and `early` if an item of a drawn class stands before the mark.
		// It does not stop at a hit, for the whole pass costs less than a
		// test for leaving it at each item.  If v's class holds a pair, it
		// is the answer: v comes first of the live items, and before the
		// mark.
		int flip = side < 0 ? -1 : 0;
		int pairs = 0, hits = 0, early = 0;
		for (int j = h; j < m; j++) {
			int z = item[j];
			int c = std::abs(z);
			int drawn = 0; // -1 for an item of a drawn class
			for (int l = 1; l < tested; l++)
				drawn |= -(c == cls[l]);
			int in = drawn | -(c == cls[0]); // -1 for an item of a tested class
			hits += z == other[0];
			pairs |= drawn & (z ^ flip);
			early |= drawn & -(j < lim);
			dead -= in;
			item[j] = z + (in & gone);
		}
		if (hits > 0) {
			best = cls[0];
			break;
		}

		// v's class held no pair, and is retired.  A drawn class that
		// holds a pair and has an item before the mark gives a new mark,
		// its first item; the other drawn classes hold no pair or start
		// after the mark, and stay retired.  Only when both `pairs` and
		// `early` say that such a class may exist does the count run: it
		// finds each class's first item before the mark (its first item of
		// all, for every item before h is retired) and counts its
		// other codes there, and goes past the mark only while a class
		// with an item before it has shown no other code.  Every tested
		// item is retired now; `c` is a retired item's class, and lies
		// above every class for a live item or the mark.
		int seen[tested] = {}; // how many of each tested class's other code
		int first[tested];     // where each one's first item before lim stands, or lim
		for (int l = 0; l < tested; l++)
			first[l] = lim;
		int before = pairs < 0 && early < 0 ? lim : h; // counted up to here
		for (int j = h; j < before; j++) {
			int z = item[j];
			int c = std::abs(z - gone);
			for (int l = 0; l < tested; l++) {
				seen[l] += z == other[l] + gone;
				int at = c == cls[l] ? j : lim;
				first[l] = at < first[l] ? at : first[l];
			}
		}
		bool open = false; // a class before the mark, its other code unseen
		for (int l = 1; l < tested; l++)
			open |= first[l] < lim && seen[l] == 0;
		int past = open ? m : lim; // with none open, no item past the mark
		for (int j = lim; j < past; j++)
			for (int l = 0; l < tested; l++)
				seen[l] += item[j] == other[l] + gone;
		int pick = -1; // of the drawn classes that hold a pair, the one that starts first
		for (int l = 1; l < tested; l++)
			if (seen[l] > 0 && first[l] < (pick < 0 ? lim : first[pick]))
				pick = l;
		// The new mark stands before the old one, so the old `best` and
		// every retired class that holds a pair start after it.
		if (pick >= 0) {
			dead += mark < 0 ? -1 : 0; // a retired item comes back as the mark, or takes the old one's place
			if (mark >= 0)
				item[mark] = gone; // the old mark, retired
			mark = first[pick];
			item[mark] = 0;
			best = cls[pick];
		}

		// Once the items retired since the last squeeze outnumber an
		// eighth of the rest, squeeze the rest, in order, so that later
		// passes read only live items.  Every item is written and the end
		// moves on only past a live one: no branch.  The mark is live, and
		// moves back by the retired items before it (none when mark is -1).
		if (dead * 8 > rest) {
			int back = 0; // the retired items before the mark
			for (int j = h; j < mark; j++)
				back += item[j] > top;
			mark -= back;
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
	if (best == 0)
		return 0;

	// A pair that could not be written fails the run, for the caller must
	// not take it for no pair; the stream's error mark covers a failed
	// write and a failed flush alike.
	std::printf("%d %d", best, t / best);
	std::fflush(stdout);
	if (std::ferror(stdout)) {
		std::perror("product-pair");
		return 1;
	}
	return 0;
}
