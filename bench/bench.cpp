// The benchmark of product-pair (bench/README.md): it times the programs on
// every case at the count limit, or writes the cases' inputs.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

const long long top = 999999999;     // the largest item
const long long target = 2095133040; // 1600 divisors: 798 classes whose two members are items
const int limit = 200000;            // the count limit

[[noreturn]] void fail(const std::string& message)
{
	std::fprintf(stderr, "bench: %s\n", message.c_str());
	std::exit(1);
}

// The cases, which bench/README.md tells: target 2095133040 but for
// cycle; nothing matches but in sides, where 3, the first class, matches.
const char* const cases[] = {"random", "cycle", "bound", "sides", "mixed"};

// The input of case name at count n, as text.
std::string generate(const std::string& name, int n)
{
	std::vector<long long> cls; // the smaller members of the classes
	for (long long d = 2; d * d <= target; d++)
		if (target % d == 0 && target / d <= top)
			cls.push_back(d);
	std::mt19937_64 rng(static_cast<unsigned>(n));
	auto pick = [&rng](long long lo, long long hi) { return std::uniform_int_distribution<long long>(lo, hi)(rng); };
	std::vector<long long> item;
	if (name == "bound" || name == "sides")
		item = cls;
	for (std::size_t k = item.size(); k < std::size_t(n); k = item.size()) {
		const long long v = name == "cycle"   ? 2LL << k % 4
		                  : name == "mixed"   ? pick(2, 99)
		                  : name == "sides"   ? cls[std::size_t(pick(0, 4))]
		                  : name == "bound"   ? 3 : pick(2, top);
		if (name == "sides" && pick(0, 1))
			item.push_back(target / v);
		else if (name != "random" || target % v != 0)
			item.push_back(v);
	}
	std::string text = std::to_string(name == "cycle" ? 1LL << 30 : target) + ' ' + std::to_string(n) + '\n';
	for (long long v : item)
		text += std::to_string(v) + '\n';
	return text;
}

void save(const std::string& path, const std::string& text)
{
	if (!(std::ofstream(path) << text).flush())
		fail("cannot write " + path);
}

// One run of program, spawned directly, on the input at path: its seconds
// from spawn to exit.  It must write expect.
double run(const std::string& dir, const std::string& program, const std::string& path, const std::string& expect)
{
	const std::string out = dir + "/out";
	posix_spawn_file_actions_t io;
	posix_spawn_file_actions_init(&io);
	posix_spawn_file_actions_addopen(&io, 0, path.c_str(), O_RDONLY, 0);
	posix_spawn_file_actions_addopen(&io, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
	const char* argv[] = {program.c_str(), nullptr};
	pid_t pid = 0;
	int status = 0;
	const auto start = std::chrono::steady_clock::now();
	const bool ok = posix_spawn(&pid, argv[0], &io, nullptr, const_cast<char**>(argv), environ) == 0 &&
	                waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
	const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
	posix_spawn_file_actions_destroy(&io);
	std::ostringstream got;
	got << std::ifstream(out).rdbuf();
	if (!ok || got.str() != expect)
		fail(program + " wrote [" + got.str() + "] on " + path + ", not [" + expect + "], or failed");
	return seconds;
}

// The peak resident KiB of program on the input at path, from a separate
// run: stopped by ptrace as it exits, it still shows VmHWM in /proc.  (The
// rusage of wait4 would count the memory of the process it started from.)
double peak(const std::string& program, const std::string& path)
{
	const pid_t pid = fork();
	if (pid == 0) {
		dup2(open(path.c_str(), O_RDONLY), 0);
		dup2(open("/dev/null", O_WRONLY), 1);
		ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
		execl(program.c_str(), program.c_str(), nullptr);
		_exit(127);
	}
	int status = 0;
	double kib = -1;
	waitpid(pid, &status, 0); // stopped at the exec
	ptrace(PTRACE_SETOPTIONS, pid, nullptr, PTRACE_O_TRACEEXIT);
	for (ptrace(PTRACE_CONT, pid, nullptr, nullptr); waitpid(pid, &status, 0) == pid && WIFSTOPPED(status);) {
		std::ifstream proc("/proc/" + std::to_string(pid) + "/status");
		for (std::string word; status >> 8 == (SIGTRAP | PTRACE_EVENT_EXIT << 8) && proc >> word;)
			if (word == "VmHWM:")
				proc >> kib;
		ptrace(PTRACE_CONT, pid, nullptr, nullptr);
	}
	if (kib < 0)
		fail("no peak memory for " + program);
	return kib;
}

double median(std::vector<double> v)
{
	std::sort(v.begin(), v.end());
	return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
	const std::string mode = argc > 1 ? argv[1] : "";
	if (mode == "--write" && argc == 3) {
		for (const std::string name : cases)
			save(argv[2] + ("/" + name) + ".in", generate(name, limit));
		return 0;
	}
	if (argc != 6 && argc != 7)
		fail("usage: bench DIR RUNS READ-ONLY PRODUCT-PAIR BASELINE [REFERENCE]\n"
		     "       bench --write DIR");

	// Every program on every case, in interleaved rounds so that all meet
	// the same load; the plain scan (REFERENCE) runs once, on random.
	const std::string dir = argv[1];
	const int runs = std::max(1, std::atoi(argv[2]));
	std::printf("count %d, %d interleaved rounds; / floor is the median of each round's time over read-only's,\n"
	            "above the peak KiB of product-pair less read-only's\n\n%-10s %9s %9s %9s %9s %9s %11s %9s\n",
	            limit, runs, "case", "floor s", "pp s", "/ floor", "base s", "/ floor", "floor KiB", "above");
	for (const std::string name : cases) {
		const std::string path = dir + "/" + name + ".in";
		save(path, generate(name, limit));
		const std::string expect = name == "sides" ? "3 " + std::to_string(target / 3) : "";
		std::vector<double> s[3], ratio[3];
		for (int r = 0; r < runs; r++)
			for (int p = 0; p < 3; p++) {
				s[p].push_back(run(dir, argv[3 + p], path, p == 0 ? "" : expect));
				ratio[p].push_back(s[p].back() / s[0].back());
			}
		const double floor = peak(argv[3], path);
		std::printf("%-10s %9.4f %9.4f %9.2f %9.4f %9.2f %11.0f %9.0f\n", name.c_str(), median(s[0]), median(s[1]),
		            median(ratio[1]), median(s[2]), median(ratio[2]), floor, peak(argv[4], path) - floor);
		if (argc == 7 && name == "random") {
			const double plain = run(dir, argv[6], path, expect);
			std::printf("%-10s %9s %9.1f %9.0f  the plain scan (REFERENCE), once\n", "", "", plain, plain / median(s[0]));
		}
		std::fflush(stdout);
		std::remove(path.c_str());
	}
}
