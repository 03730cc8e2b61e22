// The benchmark of product-pair (bench/README.md): it times the programs on
// every case, or writes the cases' inputs; main's usage message lists how.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace {

const long long top = 999999999;     // the largest item
const long long target = 2095133040; // 1600 divisors: 798 classes whose two members are items
const std::size_t limit = 200000;    // the count limit
const double budget = 2.0;           // seconds for one run of the plain scan in the sweep

[[noreturn]] void fail(const std::string& message)
{
	std::fprintf(stderr, "bench: %s\n", message.c_str());
	std::exit(1);
}

// The cases, each timed at the count limit and, if swept, at every count
// of the sweep.  Target 2095133040 but for cycle; nothing matches but in
// pair-last and sides.
struct Case { const char *name, *what; bool swept; };
const Case cases[] = {
	{"random", "random items, none dividing the target", true},
	{"pair-last", "random items, 3 and its partner last", false},
	{"cycle", "2 4 8 16 cycling, target 2^30: every item kept, 4 classes", true},
	{"cycling", "the 798 classes' smaller members cycling", true},
	{"bound", "each class once, then 3 over and over", true},
	{"sides", "each class once, then the one-digit classes, either member at random", false},
	{"mixed", "random values 2 to 99: divisors and others at random", false},
	{"joins", "3 over and over, the classes' first items spread evenly", false},
};

// The input of case c at count n, as text.
std::string generate(const Case& c, std::size_t n)
{
	const std::string name = c.name;
	std::vector<long long> cls; // the smaller members of the classes
	for (long long d = 2; d * d <= target; d++)
		if (target % d == 0 && target / d <= top)
			cls.push_back(d);
	std::mt19937_64 rng(n);
	auto pick = [&rng](long long lo, long long hi) { return std::uniform_int_distribution<long long>(lo, hi)(rng); };
	std::vector<long long> item;
	if (name == "bound" || name == "sides")
		item = cls;
	while (item.size() < n) {
		const long long v = name == "cycle"     ? 2LL << item.size() % 4
		                  : name == "cycling"   ? cls[item.size() % cls.size()]
		                  : name == "bound"     ? 3
		                  : name == "joins"     ? 3
		                  : name == "mixed"     ? pick(2, 99)
		                  : name == "sides"     ? cls[std::size_t(pick(0, 4))]
		                                        : pick(2, top);
		if (name == "sides" && pick(0, 1))
			item.push_back(target / v);
		else if (name != "random" && name != "pair-last")
			item.push_back(v);
		else if (target % v != 0)
			item.push_back(v);
	}
	item.resize(n);
	if (name == "pair-last") {
		item.end()[-2] = 3;
		item.back() = target / 3;
	}
	if (name == "joins")
		for (std::size_t k = 0; k < cls.size() && k * n / cls.size() < n; k++)
			item[k * n / cls.size()] = cls[k];
	std::string text = std::to_string(name == "cycle" ? 1LL << 30 : target) + ' ' + std::to_string(n) + '\n';
	for (long long v : item)
		text += std::to_string(v) + '\n';
	return text;
}

void save(const std::string& path, const std::string& text)
{
	std::ofstream out(path);
	if (!(out << text).flush())
		fail("cannot write " + path);
}

// One run of program, spawned directly, on the input at path: its seconds
// from spawn to exit, and its peak KiB from the rusage that wait4 returns.
// It must write expect.
struct Run { double seconds, kib; };
Run run(const std::string& dir, const std::string& program, const std::string& path, const std::string& expect)
{
	const std::string out = dir + "/out";
	posix_spawn_file_actions_t io;
	posix_spawn_file_actions_init(&io);
	posix_spawn_file_actions_addopen(&io, 0, path.c_str(), O_RDONLY, 0);
	posix_spawn_file_actions_addopen(&io, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
	const char* argv[] = {program.c_str(), nullptr};
	pid_t pid = 0;
	int status = 0;
	struct rusage usage = {};
	const auto start = std::chrono::steady_clock::now();
	const bool ok = posix_spawn(&pid, argv[0], &io, nullptr, const_cast<char**>(argv), environ) == 0 &&
	                wait4(pid, &status, 0, &usage) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
	const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
	posix_spawn_file_actions_destroy(&io);
	if (!ok)
		fail(program + " failed on " + path);
	std::ostringstream got;
	got << std::ifstream(out).rdbuf();
	if (got.str() != expect)
		fail(program + " wrote [" + got.str() + "] on " + path + ", not [" + expect + "]");
	return {seconds, double(usage.ru_maxrss)};
}

double median(std::vector<double> v)
{
	std::sort(v.begin(), v.end());
	return v[v.size() / 2];
}

// The sweep: 8 counts from 1000 to the count limit, evenly spaced on a log scale.
std::size_t count(int k)
{
	return std::size_t(std::llround(1000 * std::pow(200.0, k / 7.0)));
}

// The programs as bench.csv and sweep.gp name them, in the order given.
enum { FLOOR, PLAIN, PROGRAMS = 4 };
const char* const names[PROGRAMS] = {"read-only", "reference", "product-pair", "product-pair-baseline"};

// Time every program on every case in interleaved rounds, so that all meet
// the same load, and print the medians as each count ends.  The plain scan
// is quadratic and steady, so it runs once: at the count limit on random
// items only, and in the sweep while its next run should stay in the budget.
void benchmark(const std::string& dir, int runs, char** program)
{
	// A row of the table: a figure's median, less a constant, for each program that ran.
	auto row = [](const std::string& label, const std::vector<double>* figure, double less) {
		std::printf("\n  %-11s", label.c_str());
		for (int p = 0; p < PROGRAMS; p++)
			if (figure[p].empty())
				std::printf(" %22s", "-");
			else
				std::printf(" %22.4g", median(figure[p]) - less);
	};
	std::ostringstream csv;
	csv << "case,program,count,runs,seconds,ratio,peak_kib\n";
	std::printf("Medians of %d interleaved rounds: seconds by count, and at the count limit / floor (the median of\n"
	            "each round's ratio to read-only's) and peak KiB.  reference runs once: at the count limit on\n"
	            "random items only, and in the sweep while under %.0f s.\n", runs, budget);
	for (const Case& c : cases) {
		std::printf("\n%s: %s\n  %-11s", c.name, c.what, "count");
		for (const char* s : names)
			std::printf(" %22s", s);
		const std::string path = dir + "/" + c.name + ".in";
		double plain = 0; // the plain scan's seconds at the last count
		for (int k = c.swept ? 0 : 7; k < 8; k++) {
			const std::size_t n = count(k);
			save(path, generate(c, n));
			// 3 is the smallest class, and first in sides, where its partner follows.
			const bool match = c.name == std::string("pair-last") || c.name == std::string("sides");
			const std::string expect = match ? "3 " + std::to_string(target / 3) : "";
			const bool once = n == limit ? c.name == std::string("random")
			                             : k == 0 || plain * std::pow(double(n) / double(count(k - 1)), 2) < budget;
			std::vector<double> s[PROGRAMS], ratio[PROGRAMS], kib[PROGRAMS];
			for (int r = 0; r < runs; r++)
				for (int p = 0; p < PROGRAMS; p++)
					if (p != PLAIN || (once && r == 0)) {
						const Run got = run(dir, program[p], path, p == FLOOR ? "" : expect);
						s[p].push_back(got.seconds);
						ratio[p].push_back(got.seconds / s[FLOOR].back());
						kib[p].push_back(got.kib);
					}
			std::remove(path.c_str());
			plain = once ? s[PLAIN][0] : HUGE_VAL;
			for (int p = 0; p < PROGRAMS; p++)
				if (!s[p].empty())
					csv << c.name << ',' << names[p] << ',' << n << ',' << s[p].size() << ',' << median(s[p]) << ','
					    << median(ratio[p]) << ',' << median(kib[p]) << '\n';
			row(std::to_string(n), s, 0);
			if (n == limit) {
				row("/ floor", ratio, 0);
				row("peak KiB", kib, 0);
				row("above floor", kib, median(kib[FLOOR]));
			}
			std::fflush(stdout);
		}
		std::printf("\n");
	}
	save(dir + "/bench.csv", csv.str());
	std::printf("\nFigures in %s/bench.csv\n", dir.c_str());
}

} // namespace

int main(int argc, char** argv)
{
	const std::string mode = argc > 1 ? argv[1] : "";
	if (mode == "--write" && (argc == 3 || argc == 4)) {
		const long long n = argc == 4 ? std::atoll(argv[3]) : 200000;
		if (n < 2 || n > 200000)
			fail("--write: a count in 2..200000");
		for (const Case& c : cases)
			save(std::string(argv[2]) + "/" + c.name + ".in", generate(c, std::size_t(n)));
	} else if (argc == 3 + PROGRAMS) {
		benchmark(argv[1], std::max(1, std::atoi(argv[2])), argv + 3);
	} else {
		fail("usage: bench DIR RUNS READ-ONLY REFERENCE PRODUCT-PAIR BASELINE\n"
		     "       bench --write DIR [COUNT]");
	}
}
