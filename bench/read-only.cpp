// The benchmark's floor: read the target, the count and the items with
// scanf, as product-pair must, and do nothing else.
#include <cstdio>

int main()
{
	int target, count, item;
	if (std::scanf("%d %d", &target, &count) != 2)
		return 0;
	for (int k = 0; k < count && std::scanf("%d", &item) == 1; k++)
		;
	return 0;
}
