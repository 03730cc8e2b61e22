// square-print: square 2 with the math library's pow and write the result,
// the digit 4, with no line end.  It reads nothing.
#include <cmath>
#include <cstdio>

int main()
{
	// Square the value in place: widen it to double for pow, then
	// truncate the result back into the same variable.
	int n = 2;
	n = static_cast<int>(std::pow(static_cast<double>(n), 2.0));

	// Write it, with no line end.
	std::printf("%d", n);
	return 0;
}
