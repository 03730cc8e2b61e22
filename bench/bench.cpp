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
#include <utility>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

const long long top = 999999999;     // the largest item
const long long target = 2095133040; // 1600 divisors: 798 classes
const std::size_t limit = 200000;    // the count limit
const double budget = 2.0;           // seconds for one run of the plain scan in the sweep

[[noreturn]] void fail(const std::string& message)
{
	std::fprintf(stderr, "bench: %s\n", message.c_str());
	std::exit(1);
}

// The classes of t by their smaller members: the divisors d of t with
// 2 <= d, d * d <= t and t / d <= top.
std::vector<long long> classes(long long t)
{
	std::vector<long long> d;
	for (long long x = 2; x * x <= t; x++)
		if (t % x == 0 && t / x <= top)
			d.push_back(x);
	return d;
}

// The cases, each timed at the count limit and, if swept, at every count of
// the sweep.  One with a heavy class is the bound's input for its target:
// each class once, ascending, then heavy over and over to fill the count.
// Nothing pairs, so the search takes every round.
struct Case { const char *name, *what; bool swept; long long target, heavy; };
const Case cases[] = {
	{"random", "random items, none dividing the target", true, target, 0},
	{"pair-last", "random items, 3 and its partner last", false, target, 0},
	{"cycle", "2 4 8 16 cycling, target 2^30", true, 1LL << 30, 0},
	{"cycling", "the 798 classes' smaller members cycling", true, target, 0},
	{"bound", "the bound's input, 3 heavy", true, target, 3},
	{"bound-long", "the bound's input, 45360 heavy", false, target, 45360},
	{"bound-232792560", "the bound's input for 232792560, 2 heavy", false, 232792560, 2},
};

// The input of case c at count n, as text.
std::string generate(const Case& c, std::size_t n)
{
	std::string name = c.name;
	std::vector<long long> item;
	if (c.heavy) {
		item = classes(c.target);
		item.resize(n, c.heavy);
	}
	std::vector<long long> cycled = name == "cycle" ? std::vector<long long>{2, 4, 8, 16} : classes(target);
	std::mt19937_64 rng(n);
	std::uniform_int_distribution<long long> any(2, top);
	while (item.size() < n)
		if (name == "cycle" || name == "cycling")
			item.push_back(cycled[item.size() % cycled.size()]);
		else if (long long v = any(rng); target % v != 0)
			item.push_back(v);
	if (name == "pair-last") {
		item.end()[-2] = 3;
		item.back() = target / 3;
	}
	std::string text = std::to_string(c.target) + ' ' + std::to_string(n) + '\n';
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

// One run of program on the input at path through GNU time: its seconds,
// from spawn to exit, and its peak KiB.  It must write expect.
std::pair<double, double> run(const std::string& dir, const std::string& program, const std::string& path,
                              const std::string& expect)
{
	std::string out = dir + "/out", peak = dir + "/peak";
	posix_spawn_file_actions_t io;
	posix_spawn_file_actions_init(&io);
	posix_spawn_file_actions_addopen(&io, 0, path.c_str(), O_RDONLY, 0);
	posix_spawn_file_actions_addopen(&io, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
	const char* argv[] = {"/usr/bin/time", "-f", "%M", "-o", peak.c_str(), program.c_str(), nullptr};
	auto start = std::chrono::steady_clock::now();
	pid_t pid = 0;
	int status = 0;
	bool ok = posix_spawn(&pid, argv[0], &io, nullptr, const_cast<char**>(argv), environ) == 0 &&
	          waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
	double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
	posix_spawn_file_actions_destroy(&io);
	if (!ok)
		fail(program + " failed on " + path);
	std::ostringstream got;
	got << std::ifstream(out).rdbuf();
	if (got.str() != expect)
		fail(program + " wrote [" + got.str() + "] on " + path + ", not [" + expect + "]");
	double kib = 0;
	std::ifstream(peak) >> kib;
	return {seconds, kib};
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
		std::string path = dir + "/" + c.name + ".in";
		std::string expect = c.name == std::string("pair-last") ? "3 " + std::to_string(target / 3) : "";
		double plain = 0; // the plain scan's seconds at the last count
		for (int k = c.swept ? 0 : 7; k < 8; k++) {
			std::size_t n = count(k);
			save(path, generate(c, n));
			bool once = n == limit ? c.name == std::string("random")
			                       : k == 0 || plain * std::pow(double(n) / double(count(k - 1)), 2) < budget;
			std::vector<double> s[PROGRAMS], ratio[PROGRAMS], kib[PROGRAMS];
			for (int r = 0; r < runs; r++)
				for (int p = 0; p < PROGRAMS; p++)
					if (p != PLAIN || (once && r == 0)) {
						auto [seconds, peak] = run(dir, program[p], path, p == FLOOR ? "" : expect);
						s[p].push_back(seconds);
						ratio[p].push_back(seconds / s[FLOOR].back());
						kib[p].push_back(peak);
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
	std::string mode = argc > 1 ? argv[1] : "";
	if (mode == "--bound" && (argc == 4 || argc == 5)) {
		long long t = std::atoll(argv[2]), n = std::atoll(argv[3]);
		std::vector<long long> v = t > 0 && t <= 2147483647 ? classes(t) : std::vector<long long>();
		long long heavy = argc == 5 ? std::atoll(argv[4]) : v.empty() ? 0 : v[0];
		if (n < 1 || n > 200000 || std::find(v.begin(), v.end(), heavy) == v.end() || heavy * heavy == t)
			fail("--bound: a target in 1..2147483647, a count in 1..200000, a heavy class of the target not its root");
		std::string text = generate({"bound", "", false, t, heavy}, std::size_t(n));
		if (std::fputs(text.c_str(), stdout) < 0 || std::fflush(stdout))
			fail("cannot write standard output");
	} else if (mode == "--write" && (argc == 3 || argc == 4)) {
		long long n = argc == 4 ? std::atoll(argv[3]) : 200000;
		if (n < 2 || n > 200000)
			fail("--write: a count in 2..200000");
		for (const Case& c : cases)
			save(std::string(argv[2]) + "/" + c.name + ".in", generate(c, std::size_t(n)));
	} else if (argc == 3 + PROGRAMS) {
		benchmark(argv[1], std::max(1, std::atoi(argv[2])), argv + 3);
	} else {
		fail("usage: bench DIR RUNS READ-ONLY REFERENCE PRODUCT-PAIR BASELINE\n"
		     "       bench --write DIR [COUNT]\n"
		     "       bench --bound TARGET COUNT [HEAVY]");
	}
}
