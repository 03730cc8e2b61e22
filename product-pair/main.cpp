// product-pair: read a target (1 to 2^31 - 1), a count (1 to 200000) and
// that many items (2 to 999999999), and write the first pair of items, at
// two different positions, whose product is the target: the smaller value,
// one blank, the larger value, and no line end.  "First" is the order of
// the plain double scan: the pair whose first item comes first and, of
// those, whose second item comes first.  Each value is the number at the
// start of its token, and nothing after the last item is used.  Input that
// breaks a rule, and a search that finds nothing, end silently with status
// 0.  A read error and a pair that cannot be written each end the run with
// a message and status 1, so that no caller takes a failure for "no pair".
// It is built with GCC 12 or clang 14, optimising, against the GNU C
// library, which the comments below take as given.
#include <climits>
#include <cstdio>

// One binary for every x86-64: GCC compiles main once for each SIMD level,
// and the loader picks the widest one that the processor runs.  Other
// compilers and processors build the plain code, and so does a build that
// defines BASELINE_ONLY.
#if defined(__x86_64__) && !defined(__clang__) && !defined(BASELINE_ONLY)
__attribute__((target_clones("arch=x86-64-v4", "arch=x86-64-v3", "arch=x86-64-v2", "default")))
#endif
int main()
{
	// Read the target and the count as 64-bit values, so that a numeral
	// outside 32 bits is out of range rather than wrapped.  The C library
	// converts a numeral beyond 64 bits to the nearest 64-bit value, which
	// is out of range too (C leaves that conversion undefined; the GNU C
	// library converts it so).  `read` stays true while every value has
	// converted.
	long long target = 0, count = 0;
	bool read = std::scanf("%lld", &target) == 1 && std::scanf("%lld", &count) == 1;

	// `bad` records a value out of range.  A target out of range is
	// remembered, and t is then 1, which no item divides once items are
	// clamped to at least 2 (below).  A count out of range reads no item,
	// because there is no telling how many would follow.  Every other item
	// is read, even after a value out of range, so that the input is used
	// up to the count and a later read error still fails the run.
	bool bad = target < 1 || target > INT_MAX;
	int t = bad ? 1 : static_cast<int>(target);
	bool counted = count >= 1 && count <= 200000;
	bad |= !counted;
	int n = read && counted ? static_cast<int>(count) : 0;

	// Terms used from here on:
	// - an item's partner is t divided by the item, when it divides t;
	// - a class is a divisor c of t with c <= t / c.  An item is of class
	//   c when it is c or t / c, and "the items of a class" are the items
	//   of the input that are of it.  Two items match when their product
	//   is t: exactly when they are of one class and one is the other's
	//   partner.  A class is at most 46340, the square root of the largest
	//   target, so 16 bits hold it;
	// - an item's side is 0 when it is c and 1 when it is t / c.  The
	//   square root of t is both: its first copy has side 0 and every later
	//   copy side 1.  So an item matches the first item of its class
	//   exactly when their sides differ.
	//
	// The answer is a class: among the classes whose items hold a match,
	// the one whose first item comes first.  Proof:
	// - if the items of a class hold a match, one of the two matching items
	//   has a side other than the first item f's: their sides differ, or
	//   both are later copies of the root, of side 1, and f has side 0.
	//   That item is not f, so it comes after f, and f matches it.  So the
	//   items of a class hold a match exactly when f matches a later item;
	// - the first matching pair starts at the first item f of its class: if
	//   f came before the pair's first item, f would match one of the
	//   pair's two items, and that pair would start earlier;
	// - so the first matching pair belongs to the class whose first item
	//   comes first among the classes whose items hold a match;
	// - every match of class c is the values c and t / c, so which second
	//   item comes first does not change the output: c, then t / c.
	//
	// The search keeps the classes met so far in slots, in the order of
	// their first items, each class in one slot.  There are at most 800
	// classes, because a class is one or two divisors of t (c and t / c),
	// and no number below 2^31 has more than 1600 divisors: 2095133040 has
	// 1600, and the first number with more, 2205403200 (1680), is above
	// 2^31.  So K = 800 slots hold every class.  A slot's mark is 2 times
	// (its place + 1) plus the side of its class's first item: never 0,
	// smaller for an earlier slot, and the side in its lowest bit.
	const int K = 800;
	const unsigned short none = 0xffff; // no class: the class of a free slot
	unsigned short cls[K];              // each slot's class
	unsigned short mark[K];             // each slot's mark
	for (int l = 0; l < K; l++) {
		cls[l] = none;
		mark[l] = 0;
	}
	int filled = 0;                  // the slots taken: the classes met so far
	unsigned short best = USHRT_MAX; // the smallest mark of a class whose items hold a match

	// Read the items in turns: each turn reads items until the buffer holds
	// B kept items or the count is reached, then searches the buffer.  A
	// kept item is one that divides t: no other item can match.  The turns
	// end when all n items are read or a value does not convert.  Turns let
	// the read loop keep an item without a branch, and the search run on
	// kept items alone; the buffer, 4 KiB, stays in the cache, where a
	// store of every kept item would touch fresh memory a page at a time.
	//
	// The cost, whatever the input: each item is read once and takes one
	// division; each kept item takes one more division and one test of at
	// most K slots; so a run makes at most 200000 tests of 800 slots.  The
	// time is bounded too: a branch whose direction the items choose can
	// cost a misprediction an item, more than the rest of the item's work.
	// So every such condition in this file is written as arithmetic and
	// conditional moves, which GCC 12 and clang 14 emit as such, but one:
	// the join, below, taken at most 800 times a run.  The slot loop's
	// length changes only when a join takes a slot past a multiple of 32,
	// at most 25 times a run, so its exit comes at the same step from item
	// to item; the read and search loops end once a turn, and a failed read
	// ends the reading once.  The C library's parsing is the floor's cost.
	const int B = 1024;
	int buffer[B]; // the kept items of this turn, in input order
	int i = 0;     // the items read
	while (read && i < n) {
		int m = 0; // the kept items in the buffer
		for (; m < B && i < n; i++) {
			long long x = 0;
			read = std::scanf("%lld", &x) == 1;
			if (!read)
				break;
			// Every item is written to buffer[m], and kept by moving m past
			// it.  A value out of range is clamped into 2..999999999, so that
			// its conversion to int and the division are defined; the input
			// is rejected anyway.
			long long v = x < 2 ? 2 : x > 999999999 ? 999999999 : x;
			bad |= v != x;
			int y = static_cast<int>(v);
			int q = t / y;
			buffer[m] = y;
			m += q * y == t;
		}

		// Search the buffer, in input order, one item at a time.
		for (int j = 0; j < m; j++) {
			int y = buffer[j], q = t / y;
			unsigned short c = static_cast<unsigned short>(y < q ? y : q); // its class

			// The mark of c's slot, or 0 if c has none: a class takes a slot
			// only when it has none, so at most one slot holds c.  The loop
			// tests the slots taken, rounded up to a multiple of 32 (a free
			// slot holds no class, and K is a multiple of 32), 8 to 32 at a
			// time in vectors; GCC at -O2 leaves the vector loop rolled, so
			// the pragma unrolls it.
			unsigned short got = 0;
			int end = (filled + 31) & ~31;
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC unroll 16
#endif
			for (int l = 0; l < end; l++)
				got = static_cast<unsigned short>(got | (mark[l] & -(cls[l] == c)));

			// The join: an item whose class has no slot is its class's
			// first, and the class takes the next slot, with the item's side
			// (0 for the root's first copy).
			if (got == 0) {
				cls[filled] = c;
				mark[filled] = static_cast<unsigned short>((filled + 1) << 1 | (y > q));
				filled++;
				continue;
			}
			// A later item of its class, of side 1 if it is a copy of the
			// root, matches the first item when the sides differ; best
			// keeps the smaller mark.
			unsigned short offer = (got & 1) != (y >= q) ? got : USHRT_MAX;
			best = offer < best ? offer : best;
		}
	}

	// A read error anywhere, even one met after the last value converted,
	// ends the run with a message and status 1, because silence would say
	// that no pair exists.  Input that ends early, a token that is not a
	// number, and a value out of range leave no answer.
	if (std::ferror(stdin)) {
		std::perror("product-pair");
		return 1;
	}
	if (!read || bad || best == USHRT_MAX)
		return 0;
	int c = cls[(best >> 1) - 1]; // the answer's class

	// A pair that could not be written fails the run, because the caller
	// must not take it for no pair.  The stream's error indicator covers a
	// failed write and a failed flush alike.
	std::printf("%d %d", c, t / c);
	std::fflush(stdout);
	if (std::ferror(stdout)) {
		std::perror("product-pair");
		return 1;
	}
	return 0;
}
