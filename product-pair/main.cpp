// product-pair: read a target (1 to 2^31 - 1), a count (1 to 200000) and
// that many items (2 to 999999999), and write the first pair of items, at
// two different positions, in the order of the plain double scan, whose
// product is the target: smaller value first, one blank, no line end.
// Input that breaks a rule, and a search that finds nothing, end silently
// with status 0; a read error, a store that cannot be allocated, or a pair
// that cannot be written, ends with a message and status 1.
#include <climits>
#include <cstdio>
#include <cstdlib>

// GCC at -O2 leaves a vectorized loop rolled, paying a loop step for each
// vector of classes; the pragma unrolls it 16 times, whatever the flags.
// Clang unrolls on its own, and vectorizes worse when told to.
#if defined(__GNUC__) && !defined(__clang__)
#define UNROLLED _Pragma("GCC unroll 16")
#else
#define UNROLLED
#endif

// One binary for every x86-64: GCC clones main for each SIMD level, and
// the loader picks the widest clone that the processor runs.  Other
// compilers and processors build the plain code, and so does a build that
// defines BASELINE_ONLY.
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

	// Reject a count outside 1..200000 before reading or storing any item:
	// there is no telling how many would follow.
	if (read && (count < 1 || count > 200000))
		return 0;

	// An item pairs only with its partner, the target divided by it, so
	// only items that divide the target, with a partner in range, are
	// stored, in input order.  An item and its partner make a class, named
	// by the smaller of the two: at most 46340, the square root of the
	// largest target, so 16 bits hold it.  Its members are its items that
	// are the smaller value and those that are the larger; a square root is
	// its own partner, and its first copy counts as the smaller member,
	// every later copy as the larger.  So a class holds a pair exactly when
	// both of its members are stored.  The store keeps each item as its
	// code: the class, plus 1 << 16 for the larger member.  Every item is still read and
	// checked before anything is written; a target out of range is
	// remembered, and 1, which no item divides, stands for it.
	bool bad = target < 1 || target > INT_MAX;
	int t = bad ? 1 : static_cast<int>(target);
	int n = read ? static_cast<int>(count) : 0;
	int* store = static_cast<int*>(std::malloc(sizeof(int) * static_cast<unsigned>(n > 0 ? n : 1)));
	if (store == nullptr) {
		std::perror("product-pair");
		return 1;
	}
	int m = 0;           // the items stored
	bool rooted = false; // a copy of the square root is stored
	for (int i = 0; read && i < n; i++) {
		long long x = 0;
		read = std::scanf("%lld", &x) == 1;
		if (!read)
			break;
		if (x < 2 || x > 999999999) {
			bad = true;
			continue;
		}
		int y = static_cast<int>(x);
		int q = t / y; // the partner, if y divides t: one division
		if (q * y != t || q < 2 || q > 999999999)
			continue;
		bool larger = y > q || (y == q && rooted);
		rooted |= y == q;
		store[m++] = (larger ? 1 << 16 : 0) | (y < q ? y : q);
	}
	// A read error ends the run with a message and status 1, for silence
	// would claim that no pair exists; input that ends early, a token that
	// does not convert, or a value out of range leaves nothing to search.
	bool failed = !read && std::ferror(stdin);
	if (failed)
		std::perror("product-pair");
	if (!read || bad)
		m = 0;

	// The search.  Scan order is that of the plain double scan: pairs by
	// the place of their first item, then of their second.  The first pair
	// in scan order starts at the first item of a class that holds a pair,
	// for that item pairs with any item of the other member, all of which
	// stand after it, and an earlier item that paired would put the first
	// item of its own class earlier still.  So the answer is, of the
	// classes that hold a pair, the one whose first item comes first.
	// The words of the search, each used in this sense alone:
	// - live: an item as stored; retired: an item overwritten by 0, which
	//   is no class, so that no test matches it again;
	// - the batch: up to K classes, in `cls` in the order of their first
	//   items, with the member that each one's first item is in `side`; a
	//   slot is a place in the batch; the batch closes when it is full or
	//   a pair is found;
	// - a round: one sweep from h to the end of the store.  A live item of
	//   a class in the batch either is of the other member, so that its
	//   class holds a pair, or is retired; a live item of any other class,
	//   while the batch is open, adds its class to the batch and is retired.
	// Between rounds: every item before h is retired; a class is wholly
	// live or wholly retired; no retired class holds a pair, and each
	// starts before every live class.  So the classes a round adds are the
	// first K live classes in scan order, and if any of them holds a pair,
	// the one in the earliest slot is the answer.  A class not yet in the
	// batch when a pair is found starts after that pair, so it cannot be
	// the answer and the batch closes; but a later item may still show a
	// pair in an earlier slot, so the sweep goes on to the end.  A round
	// ends the search when it finds a pair (then its items of the other
	// member stay live, harmlessly), or when it does not fill the batch,
	// for then no live class is left; any other round retires K classes,
	// so the rounds end.
	// The bound: no target below 2^31 has over 1600 divisors (2095133040
	// has 1600), so at most 800 pairs of them, and 1 is no item: at most
	// V = 799 classes, and at most floor(V / K) + 1 rounds, 3 for K = 272.
	// Each round tests at most the m items stored against the batch, and
	// each item's slot is sought at most once, when its class is in the
	// batch: it is then retired, or the round is the last.  So the search
	// makes at most 3 m batch tests and m slot look-ups, whatever the
	// order of the items; a test compares a class with all K slots at
	// once, 8 to 32 a vector instruction.  K is the smallest multiple of
	// 16 for which 3 rounds suffice; 2 rounds would need K = 400, and such
	// a batch costs more a test than the round it saves.
	const int K = 272;
	const int none = 0xffff;    // no class: the slots of the batch left empty
	unsigned short cls[K];      // the batch's classes
	unsigned short side[K];     // each one's first member: 1 for the larger
	int h = 0;                  // where the round starts: the first live item
	int found = 0;              // the class of the answer; 0 while there is none
	for (;;) {
		for (int l = 0; l < K; l++)
			cls[l] = none;
		int filled = 0; // the classes in the batch
		int best = K;   // the earliest slot whose class holds a pair
		int gate = 0;   // a live item's class joins when above this: none once the batch closes
		for (int j = h; j < m; j++) {
			int z = store[j];
			unsigned short c = static_cast<unsigned short>(z); // its class
			// Whether c is in the batch; all lanes set, so that the loop
			// is a plain OR of compares.
			unsigned short in = 0;
			UNROLLED for (int l = 0; l < K; l++)
				in |= cls[l] == c ? 0xffff : 0;
			if (in) {
				// Its slot: the classes in the batch differ, for a class
				// joins only when absent, so one slot alone matches.
				unsigned short at = 0;
				UNROLLED for (unsigned short l = 0; l < K; l++)
					at |= cls[l] == c ? l : 0;
				if (z >> 16 != side[at]) {
					best = at < best ? at : best;
					gate = none;
				} else {
					store[j] = 0;
				}
			} else if (c > gate) {
				cls[filled] = c;
				side[filled] = static_cast<unsigned short>(z >> 16);
				store[j] = 0;
				if (++filled == K)
					gate = none;
			}
		}
		if (best < K)
			found = cls[best];
		if (best < K || filled < K)
			break;
		// The retired items in front need no sweep; h stops at m at most.
		while (h < m && store[h] == 0)
			h++;
	}
	std::free(store);

	// A pair that could not be written fails the run, for the caller must
	// not take it for no pair.  The stream's error mark covers a failed
	// write and a failed flush alike.
	if (failed)
		return 1;
	if (found == 0)
		return 0;
	std::printf("%d %d", found, t / found);
	std::fflush(stdout);
	if (std::ferror(stdout)) {
		std::perror("product-pair");
		return 1;
	}
	return 0;
}
