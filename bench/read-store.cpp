// The benchmark's second floor: read the input as read-only does, and
// store every item in a block of count ints allocated once, the most that
// a search over the items has to keep; write nothing.  The writes go
// through a volatile pointer, so that the compiler cannot drop them,
// though nothing reads them back.
#include <cstdio>
#include <cstdlib>

int main()
{
	int target, count, item;
	if (std::scanf("%d %d", &target, &count) != 2 || count < 1 || count > 200000)
		return 0;
	// malloc, not new: the floor loads libc alone, as product-pair does.
	volatile int* store = static_cast<int*>(std::malloc(sizeof(int) * static_cast<std::size_t>(count)));
	if (!store)
		return 1;
	for (int k = 0; k < count && std::scanf("%d", &item) == 1; k++)
		store[k] = item;
	std::free(const_cast<int*>(store));
	return 0;
}
