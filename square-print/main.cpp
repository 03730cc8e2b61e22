// square-print: square 2 with the math library's pow and write the result,
// the digit 4, with no line end.  It reads nothing.  When the 4 cannot be
// written it says so on standard error and ends with status 1.
#include <cmath>
#include <cstdio>

int main()
{
	// Square the value in place: widen it to double for pow, then
	// truncate the result back into the same variable.
	int n = 2;
	n = static_cast<int>(std::pow(static_cast<double>(n), 2.0));

	// Write it, with no line end, and fail if it could not be written:
	// the stream's error mark covers a failed write and a failed flush.
	std::printf("%d", n);
	std::fflush(stdout);
	if (std::ferror(stdout)) {
		std::perror("square-print");
		return 1;
	}
	return 0;
}
