//   bench DIR RUNS MEASURE READ-ONLY READ-STORE PLAIN PRODUCT-PAIR BASELINE
//
// Benchmark product-pair against the floor (read-only: scanf of the input
// and nothing else), read-and-store, and the plain double scan of the tests,
// all from one build.  It generates every input into DIR from fixed seeds,
// times the programs on each through the launcher MEASURE in interleaved
// rounds, so that all meet the same machine load, and reports medians of
// RUNS runs: a table at the count limit, a sweep with slopes, DIR/bench.csv.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "pattern.h"

namespace {

using pattern::bound;
using pattern::composite;
const std::size_t limit = 200000;
const double plain_budget = 2.0; // seconds for one plain scan run

// The programs, in the order of the command line.
enum { FLOOR, STORE, PLAIN, PAIR, BASELINE, PROGRAMS };

// The cases: the table shows them all at the count limit, the sweep those
// marked.  Those with a pattern (pattern.h) are generated from it.
const struct Case { const char *kind, *what; bool swept; const char* pattern = nullptr; } cases[] = {
	{"random", "random items, no pair", true},
	{"pair-last", "random items, pair at the end", false},
	{"cycle", "items cycling 2 4 8 16, target 2^30", true},
	{"divisors-cycling", "799 small divisors, cycling", true},
	{"set-cycling", "the largest divisor set, cycling", false},
	{"worst", "derived worst, no pair", true, "small 350 once front + small all cycle:1 back"},
	{"worst-pair-last", "derived worst, pair at the very end", false,
	 "small 350 once front + small all cycle:1 back ; end-pair"},
	{"doubled", "each value twice in a row, cycling", false, "small all runs:2:1 back"},
	{"heavy-late", "light values first, then one value, its partner last", false},
	// Found by worst-search against product-pair 42ac415 (README.md).
	{"light-front-pair-blocks", "failing values once at the front, pairs in blocks behind", true,
	 "pair 237 block:1 back + large all once front"},
	{"light-front-failing-blocks-pairs", "failing values once, failing blocks, pairs cycling and in blocks", false,
	 "small 211 once back + large 316 block:2 back + pair 60 cycle:2 back + pair 60 cycle:2 back + "
	 "pair 60 block:2 back + pair 60 cycle:1 back"},
	// Found by worst-search against the search that replaced it.
	{"failing-blocks-pairs-cycling", "failing values in blocks, then pairs cycling, one pair last", false,
	 "small 366 block:5 back + pair 38 cycle:1 back + pair 361 cycle:4 back + large 4 run:4 spread ; end-pair"},
	// Found against this search by worst-search, and against b2d89c3, whose
	// draws took v's sign, by reading it.
	{"mixed-sides-pairs-spread", "failing values of both sides cycling, pairs spread among them, pair blocks behind",
	 false,
	 "pair 38 block:1 back + large 36 cycle:1 spread + small 38 cycle:1 spread + large 17 cycle:1 spread + "
	 "small 278 cycle:8 front + small 244 cycle:4 spread"},
	{"light-front-heavy-other-side", "failing values once each, then one larger member over and over", false,
	 "small 797 once front + large 1 cycle:1 back"},
};

[[noreturn]] void fail(const std::string& message)
{
	std::fprintf(stderr, "bench: %s\n", message.c_str());
	std::exit(1);
}

// The input of one case at count n, the same on every call, with what
// every finder must write on it.
pattern::Input generate(const Case& c, std::size_t n)
{
	if (c.pattern)
		return pattern::generate(pattern::parse(c.pattern), n);
	const std::string kind = c.kind;
	std::mt19937_64 rng(n * 31 + kind.size());
	std::uniform_int_distribution<long long> any(2, bound);
	long long target = composite;
	std::vector<long long> item;
	std::string expect;
	// Random items that do not divide the target, so none of them can pair.
	auto filler = [&](std::size_t until) {
		while (item.size() < until)
			if (long long v = any(rng); composite % v != 0)
				item.push_back(v);
	};
	// Each value repeat times in a row, over and over up to the count.
	auto cycling = [&](const std::vector<long long>& values, std::size_t repeat = 1) {
		for (std::size_t k = 0; item.size() < n; k++)
			item.push_back(values[k / repeat % values.size()]);
	};
	// The last item becomes the partner of y, the one pair in the input.
	auto pair_last = [&](long long y) {
		item.back() = composite / y;
		expect = std::to_string(std::min(y, composite / y)) + " " + std::to_string(std::max(y, composite / y));
	};
	// The divisors d with d * d below the target: their partners are all
	// larger, so no two of them pair.  The largest set in which no two pair
	// takes either one of each pair.  Without 2, whose partner is past the
	// bound, every one has a partner that can be an item: 798 values.
	std::vector<long long> small, set;
	for (long long d = 2; d * d < composite; d++)
		if (composite % d == 0)
			small.push_back(d);
	for (long long d : small)
		set.push_back(composite / d <= bound && rng() % 2 ? composite / d : d);
	std::shuffle(set.begin(), set.end(), rng);
	std::vector<long long> odd(small.begin() + 1, small.end());
	std::shuffle(odd.begin(), odd.end(), std::mt19937_64(798));

	if (kind == "random") {
		filler(n);
	} else if (kind == "pair-last") {
		filler(n - 2);
		item.insert(item.end(), {3, 0});
		pair_last(3);
	} else if (kind == "cycle") {
		target = 1LL << 30;
		cycling({2, 4, 8, 16});
	} else if (kind == "divisors-cycling") {
		cycling(small);
	} else if (kind == "set-cycling") {
		cycling(set);
	} else if (kind == "heavy-late") {
		odd.erase(std::find(odd.begin(), odd.end(), small.back()));
		item = odd;
		cycling({small.back()});
		pair_last(small.back());
	}
	return {target, item, expect};
}

// The figures of one program on one input; runs is 0 where it was not run.
struct Figure { int runs = 0; double seconds = 0, kib = 0; };
using Figures = std::map<std::tuple<std::string, std::string, std::size_t>, Figure>; // by case, program, count

// The command line, the program names and the counts of the sweep.
struct Bench {
	std::string dir, measure;
	int runs;
	std::vector<std::string> program, name;
	std::vector<std::size_t> count;
};
// One input to time: the case, the count, the file and the expected output.
struct Job { std::string kind; std::size_t n; std::string path, expect; };

// Generate every input: each case at the count limit, swept ones at every count.
std::vector<Job> generate(const Bench& b)
{
	std::vector<Job> jobs;
	for (const Case& c : cases)
		for (std::size_t n : b.count)
			if (n == limit || c.swept) {
				std::string path = b.dir + "/" + c.kind + "-" + std::to_string(n) + ".in";
				pattern::Input in = generate(c, n);
				std::ofstream f(path);
				if (!pattern::write(f, in).flush())
					fail("cannot write " + path);
				jobs.push_back({c.kind, n, path, in.expect});
			}
	return jobs;
}

// Run a program once through the launcher on the job's input, and check
// what it writes: the floors nothing, the finders the expected pair.
Figure run(const Bench& b, std::size_t p, const Job& job)
{
	std::string figures = job.path + ".figures";
	FILE* pipe = popen((b.measure + " " + b.program[p] + " <" + job.path + " 2>" + figures).c_str(), "r");
	char buf[256];
	std::string out(buf, pipe ? std::fread(buf, 1, sizeof buf, pipe) : 0);
	bool ok = pipe && pclose(pipe) == 0;
	Figure s{1, 0, 0};
	if (!(std::ifstream(figures) >> s.seconds >> s.kib) || !ok)
		fail(b.name[p] + " failed on " + job.path);
	std::remove(figures.c_str());
	if (out != (p < PLAIN ? "" : job.expect))
		fail(b.name[p] + " wrote [" + out + "] on " + job.path + ", not [" + job.expect + "]");
	return s;
}

// Time every program on every input, in interleaved rounds.  The plain scan
// is quadratic and steady, so it runs once: at the count limit on random
// items only (elsewhere it says nothing new), and in the sweep while its
// next run, grown as the square of the count, should stay in the budget.
Figures time(const Bench& b, const std::vector<Job>& jobs)
{
	// A floor must load nothing that product-pair does not: it would pay
	// a start-up cost that product-pair does not, and flatter every ratio.
	auto libraries = [](const std::string& program) { // as ldd names them
		std::vector<std::string> lib;
		FILE* p = popen(("ldd " + program).c_str(), "r");
		for (char name[4096]; p && std::fscanf(p, " %4095s%*[^\n]", name) == 1;)
			lib.push_back(name);
		if (p)
			pclose(p);
		return lib;
	};
	std::vector<std::string> own = libraries(b.program[PAIR]);
	for (std::size_t p : {FLOOR, STORE})
		for (const std::string& lib : libraries(b.program[p]))
			if (std::find(own.begin(), own.end(), lib) == own.end())
				fail(b.name[p] + " loads " + lib + ", and product-pair does not");
	auto median = [](std::vector<Figure> v, double Figure::*of) {
		std::sort(v.begin(), v.end(), [of](const Figure& x, const Figure& y) { return x.*of < y.*of; });
		return v[v.size() / 2].*of;
	};
	Figures fig;
	double plain = 0;
	for (std::size_t j = 0; j < jobs.size(); j++) {
		const Job& job = jobs[j];
		bool first = j == 0 || jobs[j - 1].kind != job.kind;
		double next = first ? 0 : plain * std::pow(static_cast<double>(job.n) / static_cast<double>(jobs[j - 1].n), 2);
		bool once = job.n == limit ? job.kind == "random" : next < plain_budget;
		std::vector<std::vector<Figure>> runs(PROGRAMS);
		for (int r = 0; r < b.runs; r++)
			for (std::size_t p = 0; p < PROGRAMS; p++)
				if (p != PLAIN || (once && r == 0))
					runs[p].push_back(run(b, p, job));
		for (std::size_t p = 0; p < PROGRAMS; p++)
			if (!runs[p].empty())
				fig[{job.kind, b.name[p], job.n}] = {static_cast<int>(runs[p].size()),
				                                      median(runs[p], &Figure::seconds), median(runs[p], &Figure::kib)};
		plain = runs[PLAIN].empty() ? HUGE_VAL : runs[PLAIN][0].seconds;
		std::remove(job.path.c_str());
	}
	return fig;
}

// The slope of log seconds against log count over the three largest counts
// run (lower, start-up flattens every curve).  They are consecutive, evenly
// spaced on a log scale, so the least-squares slope is the end points'.
double slope(const Bench& b, Figures& fig, const std::string& kind, const std::string& name)
{
	std::vector<std::pair<double, double>> xy;
	for (auto n = b.count.rbegin(); n != b.count.rend() && xy.size() < 3; n++)
		if (Figure f = fig[{kind, name, *n}]; f.runs)
			xy.emplace_back(std::log(static_cast<double>(*n)), std::log(f.seconds));
	return xy.size() < 2 ? NAN : (xy.front().second - xy.back().second) / (xy.front().first - xy.back().first);
}

// Report: the table at the count limit, the sweep, and the CSV.
void report(const Bench& b, Figures& fig)
{
	std::printf("At the count limit of %zu, median of %d runs.  floor: read-only scanf; reference: the plain double\n"
	            "scan, one run, on random items only.  Goals: product-pair-baseline at most 1.3 times product-pair;\n"
	            "product-pair's peak memory at most 1024 KiB above the floor.\n", limit, b.runs);
	for (const Case& c : cases) {
		auto at = [&](std::size_t p) { return fig[{c.kind, b.name[p], limit}]; };
		std::printf("\n%s (%s)\n  %-22s %9s %8s %15s %9s %13s\n", c.what, c.kind, "program", "seconds", "/ floor",
		            "/ product-pair", "peak KiB", "above floor");
		for (std::size_t p = 0; p < PROGRAMS; p++)
			if (Figure f = at(p); f.runs)
				std::printf("  %-22s %9.4f %8.2f %15.2f %9.0f %13.0f\n", b.name[p].c_str(), f.seconds,
				            f.seconds / at(FLOOR).seconds, f.seconds / at(PAIR).seconds, f.kib, f.kib - at(FLOOR).kib);
	}

	std::printf("\nSweep: seconds (median of %d runs; the plain scan once, while under %.0f s)\n", b.runs,
	            plain_budget);
	for (const Case& c : cases)
		if (c.swept) {
			std::printf("\n%-22s", c.kind);
			for (std::size_t n : b.count)
				std::printf(" %8zu", n);
			std::printf("    slope (top 3)\n");
			for (const std::string& name : b.name) {
				std::printf("%-22s", name.c_str());
				for (std::size_t n : b.count)
					if (Figure f = fig[{c.kind, name, n}]; f.runs)
						std::printf(" %8.4f", f.seconds);
					else
						std::printf(" %8s", "-");
				std::printf("    %.2f\n", slope(b, fig, c.kind, name));
			}
		}

	std::ofstream out(b.dir + "/bench.csv");
	out << "case,program,count,runs,seconds,peak_kib\n";
	for (const auto& [at, f] : fig)
		if (f.runs)
			out << std::get<0>(at) << ',' << std::get<1>(at) << ',' << std::get<2>(at) << ',' << f.runs << ','
			    << f.seconds << ',' << f.kib << '\n';
	if (!out.flush())
		fail("cannot write " + b.dir + "/bench.csv");
	std::printf("\nFigures in %s/bench.csv\n", b.dir.c_str());
}

// The command line, checked, and the sweep: 8 counts from 1000 to the
// count limit, evenly spaced on a log scale.
Bench arguments(int argc, char** argv)
{
	if (argc != 4 + PROGRAMS)
		fail("usage: bench DIR RUNS MEASURE READ-ONLY READ-STORE PLAIN PRODUCT-PAIR BASELINE");
	Bench b{argv[1], argv[3], std::max(1, std::atoi(argv[2])), {argv + 4, argv + argc}, {}, {}};
	for (const std::string& p : b.program)
		b.name.push_back(p.substr(p.find_last_of('/') + 1));
	for (int k = 0; k < 8; k++)
		b.count.push_back(static_cast<std::size_t>(std::llround(1000 * std::pow(200.0, k / 7.0))));
	return b;
}

} // namespace

int main(int argc, char** argv)
{
	const Bench b = arguments(argc, argv);
	std::vector<Job> jobs = generate(b);
	Figures fig = time(b, jobs);
	report(b, fig);
}
