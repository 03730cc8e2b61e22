// The benchmark of product-pair (bench/README.md).
//
//   bench DIR RUNS READ-ONLY REFERENCE PRODUCT-PAIR BASELINE
//     Time the four programs on every case through GNU time, which gives
//     the peak memory, in interleaved rounds, so that all meet the same
//     machine load: medians of RUNS runs, a table at the count limit, the
//     sweep, and every figure in DIR/bench.csv.
//   bench --write DIR [COUNT]
//     Write every case's input at COUNT (the count limit unless given)
//     to DIR/CASE.in.
//   bench --bound TARGET COUNT [HEAVY]
//     Write the input that meets the search's bound for TARGET to
//     standard output, HEAVY (the smallest class unless given) the class
//     that fills the count.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

const long long top = 999999999;   // the largest item
const long long target = 2095133040; // 1600 divisors: 798 classes
const std::size_t limit = 200000;  // the count limit
const double budget = 2.0;         // seconds for one run of the plain scan in the sweep

[[noreturn]] void fail(const std::string& message)
{
	std::fprintf(stderr, "bench: %s\n", message.c_str());
	std::exit(1);
}

struct Input { long long target; std::vector<long long> item; std::string expect; };

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

// The bound's input: the smaller member of each class of t once, in
// ascending order, then heavy over and over to fill the count.  No class
// pairs, so the search takes every round, and a round sweeps every item
// from the first live one, retired or not: where heavy's first item
// stands makes no difference.
Input bound(long long t, std::size_t n, long long heavy)
{
	std::vector<long long> item = classes(t);
	item.resize(n, heavy);
	return {t, item, ""};
}

// The cases: the table shows them all at the count limit, the sweep those swept.
const struct Case { const char *name, *what; bool swept; } cases[] = {
	{"random", "random items, none dividing the target", true},
	{"pair-last", "random items, 3 and its partner last", false},
	{"cycle", "2 4 8 16 cycling, target 2^30", true},
	{"cycling", "the 798 classes' smaller members cycling", true},
	{"bound", "the bound's input, 3 heavy", true},
	{"bound-long", "the bound's input, 45360 heavy", false},
	{"bound-232792560", "the bound's input for 232792560, 2 heavy", false},
};

Input generate(const std::string& name, std::size_t n)
{
	if (name == "bound")
		return bound(target, n, 3);
	if (name == "bound-long")
		return bound(target, n, 45360);
	if (name == "bound-232792560")
		return bound(232792560, n, 2);
	Input in{name == "cycle" ? 1LL << 30 : target, {}, ""};
	std::vector<long long> cycled = name == "cycle" ? std::vector<long long>{2, 4, 8, 16} : classes(target);
	std::mt19937_64 rng(n);
	std::uniform_int_distribution<long long> any(2, top);
	while (in.item.size() < n)
		if (name == "cycle" || name == "cycling")
			in.item.push_back(cycled[in.item.size() % cycled.size()]);
		else if (long long v = any(rng); target % v != 0)
			in.item.push_back(v);
	if (name == "pair-last") {
		in.item.end()[-2] = 3;
		in.item.back() = target / 3;
		in.expect = "3 " + std::to_string(target / 3);
	}
	return in;
}

void write(const Input& in, const std::string& path)
{
	std::ofstream file;
	if (path != "-")
		file.open(path);
	std::ostream& out = path == "-" ? std::cout : file;
	out << in.target << ' ' << in.item.size() << '\n';
	for (long long v : in.item)
		out << v << '\n';
	if (!out.flush())
		fail("cannot write " + path);
}

std::string slurp(const std::string& path)
{
	std::ostringstream s;
	s << std::ifstream(path).rdbuf();
	return s.str();
}

struct Figure { double seconds = 0, kib = 0, ratio = 0; int runs = 0; };

// One run of program on the input at path, through GNU time, timed here
// from spawn to exit; what it writes must be expect.
Figure run(const std::string& dir, const std::string& program, const std::string& path, const std::string& expect)
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
	if (std::string got = slurp(out); got != expect)
		fail(program + " wrote [" + got + "] on " + path + ", not [" + expect + "]");
	return {seconds, std::atof(slurp(peak).c_str()), 0, 1};
}

double median(std::vector<double> v)
{
	std::sort(v.begin(), v.end());
	return v.empty() ? NAN : v[v.size() / 2];
}

enum { FLOOR, PLAIN, PAIR, BASELINE, PROGRAMS };
using Figures = std::map<std::pair<std::string, std::size_t>, std::vector<Figure>>; // by case and count, a program each

// Time every program on every case, in interleaved rounds.  The plain scan
// is quadratic and steady, so it runs once: at the count limit on random
// items, and in the sweep while its next run should stay in the budget.
// The ratio to the floor is the median of each round's.
Figures time(const std::string& dir, int runs, char** program, const std::vector<std::size_t>& counts)
{
	Figures fig;
	for (const Case& c : cases) {
		double plain = 0;
		for (std::size_t k = 0; k < counts.size(); k++) {
			std::size_t n = counts[k];
			if (n != limit && !c.swept)
				continue;
			Input in = generate(c.name, n);
			std::string path = dir + "/" + c.name + ".in";
			write(in, path);
			bool once = n == limit ? c.name == std::string("random")
			                       : k == 0 || plain * std::pow(double(n) / double(counts[k - 1]), 2) < budget;
			std::vector<std::vector<double>> s(PROGRAMS), kib(PROGRAMS), ratio(PROGRAMS);
			for (int r = 0; r < runs; r++) {
				Figure floor{};
				for (std::size_t p = 0; p < PROGRAMS; p++)
					if (p != PLAIN || (once && r == 0)) {
						Figure f = run(dir, program[p], path, p == FLOOR ? "" : in.expect);
						floor = p == FLOOR ? f : floor;
						s[p].push_back(f.seconds);
						kib[p].push_back(f.kib);
						ratio[p].push_back(f.seconds / floor.seconds);
					}
			}
			plain = once ? s[PLAIN][0] : HUGE_VAL;
			for (std::size_t p = 0; p < PROGRAMS; p++)
				fig[{c.name, n}].push_back({median(s[p]), median(kib[p]), median(ratio[p]), int(s[p].size())});
			std::remove(path.c_str());
		}
	}
	return fig;
}

void report(const std::string& dir, int runs, char** program, const std::vector<std::size_t>& counts, Figures& fig)
{
	std::vector<std::string> name;
	for (std::size_t p = 0; p < PROGRAMS; p++)
		name.push_back(std::string(program[p]).substr(std::string(program[p]).find_last_of('/') + 1));
	std::printf("At the count limit of %zu: medians of %d interleaved rounds; / floor is the median of each round's\n"
	            "ratio of wall times to read-only's.  reference, the plain scan, runs once, on random items only.\n",
	            limit, runs);
	for (const Case& c : cases) {
		const std::vector<Figure>& f = fig[{c.name, limit}];
		std::printf("\n%s: %s\n  %-22s %9s %8s %9s %12s\n", c.name, c.what, "program", "seconds", "/ floor",
		            "peak KiB", "above floor");
		for (std::size_t p = 0; p < PROGRAMS; p++)
			if (f[p].runs)
				std::printf("  %-22s %9.4f %8.3f %9.0f %12.0f\n", name[p].c_str(), f[p].seconds, f[p].ratio,
				            f[p].kib, f[p].kib - f[FLOOR].kib);
	}
	std::printf("\nSweep: seconds, medians of %d rounds (the plain scan once, while under %.0f s)\n", runs, budget);
	for (const Case& c : cases) {
		if (!c.swept)
			continue;
		std::printf("\n%-22s", c.name);
		for (std::size_t n : counts)
			std::printf(" %8zu", n);
		for (std::size_t p = 0; p < PROGRAMS; p++) {
			std::printf("\n%-22s", name[p].c_str());
			for (std::size_t n : counts)
				if (Figure f = fig[{c.name, n}][p]; f.runs)
					std::printf(" %8.4f", f.seconds);
				else
					std::printf(" %8s", "-");
		}
		std::printf("\n");
	}
	std::ofstream out(dir + "/bench.csv");
	out << "case,program,count,runs,seconds,ratio,peak_kib\n";
	for (const auto& [at, f] : fig)
		for (std::size_t p = 0; p < PROGRAMS; p++)
			if (f[p].runs)
				out << at.first << ',' << name[p] << ',' << at.second << ',' << f[p].runs << ',' << f[p].seconds
				    << ',' << f[p].ratio << ',' << f[p].kib << '\n';
	if (!out.flush())
		fail("cannot write " + dir + "/bench.csv");
	std::printf("\nFigures in %s/bench.csv\n", dir.c_str());
}

} // namespace

int main(int argc, char** argv)
{
	std::string mode = argc > 1 ? argv[1] : "";
	if (mode == "--bound" && (argc == 4 || argc == 5)) {
		long long t = std::atoll(argv[2]), n = std::atoll(argv[3]);
		std::vector<long long> v = classes(t);
		long long heavy = argc == 5 ? std::atoll(argv[4]) : v.empty() ? 0 : v[0];
		if (t < 1 || t > 2147483647 || n < 1 || n > 200000 || std::find(v.begin(), v.end(), heavy) == v.end() ||
		    heavy * heavy == t)
			fail("--bound: a target in 1..2147483647, a count in 1..200000, a heavy class of the target not its root");
		write(bound(t, std::size_t(n), heavy), "-");
	} else if (mode == "--write" && (argc == 3 || argc == 4)) {
		std::size_t n = argc == 4 ? std::size_t(std::atoll(argv[3])) : limit;
		for (const Case& c : cases)
			write(generate(c.name, n), std::string(argv[2]) + "/" + c.name + ".in");
	} else if (argc == 3 + PROGRAMS) {
		// The sweep: 8 counts from 1000 to the count limit, evenly spaced on a log scale.
		std::vector<std::size_t> counts;
		for (int k = 0; k < 8; k++)
			counts.push_back(std::size_t(std::llround(1000 * std::pow(200.0, k / 7.0))));
		int runs = std::max(1, std::atoi(argv[2]));
		Figures fig = time(argv[1], runs, argv + 3, counts);
		report(argv[1], runs, argv + 3, counts, fig);
	} else {
		fail("usage: bench DIR RUNS READ-ONLY REFERENCE PRODUCT-PAIR BASELINE\n"
		     "       bench --write DIR [COUNT]\n"
		     "       bench --bound TARGET COUNT [HEAVY]");
	}
}
