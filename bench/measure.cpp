// Run a program and write its wall time in seconds and its peak resident
// memory in KiB to standard error.  The benchmark runs every program
// through this launcher, which is linked statically so that it forks fast
// and leaves few pages behind: a child's peak memory counts the pages of
// the process it was forked from.
#include <cstdio>

#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

int main(int argc, char** argv)
{
	if (argc < 2)
		return 2;
	timespec t0, t1;
	clock_gettime(CLOCK_MONOTONIC, &t0);
	pid_t pid = fork();
	if (pid == 0) {
		execv(argv[1], argv + 1);
		_exit(127);
	}
	int status = 0;
	rusage use = {};
	wait4(pid, &status, 0, &use);
	clock_gettime(CLOCK_MONOTONIC, &t1);
	double seconds = static_cast<double>(t1.tv_sec - t0.tv_sec) + static_cast<double>(t1.tv_nsec - t0.tv_nsec) / 1e9;
	std::fprintf(stderr, "%.6f %ld\n", seconds, use.ru_maxrss);
	return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
