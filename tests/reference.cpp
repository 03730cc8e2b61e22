// The reference finder: the plain double scan, forming the 64-bit product
// of every pair in order.  It reads and rejects input by the same rules as
// product-pair and serves as the oracle of the randomized tests and as the
// benchmark's baseline.
#include <cstddef>
#include <cstdio>
#include <vector>

// Built with product-pair's flags, FORTIFY_LEVEL, the level they must set,
// and SSP_ALL where the packager's -fstack-protector-all must stand.
#if (defined(FORTIFY_LEVEL) && _FORTIFY_SOURCE != FORTIFY_LEVEL) || (defined(SSP_ALL) && !defined(__SSP_ALL__))
#error "the build changed the packager's fortify level or stack protector"
#endif

int main()
{
	long long target, count;
	if (std::scanf("%lld", &target) != 1 || std::scanf("%lld", &count) != 1)
		return 0;
	if (count < 1 || count > 200000)
		return 0;

	std::vector<long long> raw;
	for (long long k = 0; k < count; k++) {
		long long v;
		if (std::scanf("%lld", &v) != 1)
			return 0;
		raw.push_back(v);
	}

	if (target < 1 || target > 2147483647)
		return 0;
	for (long long v : raw)
		if (v < 2 || v > 999999999)
			return 0;

	// Keep the items in 32 bits, as product-pair does, and widen each
	// product to 64 bits.
	std::vector<int> item(raw.begin(), raw.end());
	for (std::size_t i = 0; i < item.size(); i++)
		for (std::size_t j = i + 1; j < item.size(); j++)
			if (static_cast<long long>(item[i]) * item[j] == target) {
				int lo = item[i] < item[j] ? item[i] : item[j];
				int hi = item[i] < item[j] ? item[j] : item[i];
				std::printf("%d %d", lo, hi);
				return 0;
			}
	return 0;
}
