// Benchmark product-pair against two baselines from the same build: the
// read-only floor (scanf of the same input and nothing else) and the plain
// double scan of the test reference.
//
//   bench DIR RUNS MEASURE FLOOR PLAIN PROGRAM [PROGRAM...]
//
// It works in three steps.  It generates every input into DIR from fixed
// seeds; it times the programs on each, through the launcher MEASURE, in
// interleaved rounds so that all of them meet the same machine load (each
// figure is the median wall time and peak resident memory of RUNS runs);
// and it reports a table at the count limit, a sweep of counts from 1000
// to 200000 with the slope of each curve, and DIR/bench.csv, a row per
// case, program and count.  The plain scan is quadratic and steady: it
// runs once, and only where that run stays short.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

const long long limit = 200000;
const long long composite = 2095133040; // 1600 divisors, below 2^31
const long long bound = 999999999;      // the largest item
const double plain_budget = 2.0;        // seconds for one plain scan run

// The cases: the table shows them all at the count limit, the sweep those
// marked.
struct Case {
	const char* kind;
	const char* what;
	bool swept;
};
const std::vector<Case> cases = {
	{"random", "random items, no pair", true},
	{"pair-last", "random items, pair at the end", false},
	{"cycle", "items cycling 2 4 8 16, target 2^30", true},
	{"divisors-first", "799 divisors, no pair, then filler", true},
	{"divisors-first-pair-last", "the same, pair at the very end", false},
	{"divisors-cycling", "799 small divisors, cycling", true},
	{"set-cycling", "the largest divisor set, cycling", false},
};

struct Input {
	long long target = composite;
	std::vector<long long> item;
	std::string expect; // what every finder must write
};

// The input of one case at count n, the same on every call.
Input generate(const std::string& kind, long long n)
{
	std::mt19937_64 rng(static_cast<unsigned long long>(n) * 31 + kind.size());
	std::uniform_int_distribution<long long> any(2, bound);
	Input in;
	// Random items that do not divide the target, so none of them can pair.
	auto filler = [&](long long count) {
		while (count-- > 0) {
			long long v = any(rng);
			while (composite % v == 0)
				v = any(rng);
			in.item.push_back(v);
		}
	};
	// The divisors d with d * d below the target: their partners are all
	// larger, so no two of them pair.  The largest set in which no two
	// pair takes one of each partnered pair, either one, shuffled.
	std::vector<long long> small, set;
	for (long long d = 2; d * d < composite; d++)
		if (composite % d == 0)
			small.push_back(d);
	for (long long d : small)
		set.push_back(composite / d <= bound && rng() % 2 ? composite / d : d);
	std::shuffle(set.begin(), set.end(), rng);
	auto cycling = [&](const std::vector<long long>& values) {
		for (long long k = 0; k < n; k++)
			in.item.push_back(values[static_cast<std::size_t>(k) % values.size()]);
	};

	if (kind == "random") {
		filler(n);
	} else if (kind == "pair-last") {
		filler(n - 2);
		in.item.push_back(3);
		in.item.push_back(composite / 3);
		in.expect = "3 " + std::to_string(composite / 3);
	} else if (kind == "cycle") {
		in.target = 1LL << 30;
		cycling({2, 4, 8, 16});
	} else if (kind == "divisors-cycling") {
		cycling(small);
	} else if (kind == "set-cycling") {
		cycling(set);
	} else {
		// divisors-first[-pair-last]: the set, then filler.
		set.resize(std::min(set.size(), static_cast<std::size_t>(n)));
		in.item = set;
		filler(n - static_cast<long long>(set.size()));
		if (kind == "divisors-first-pair-last") {
			// The partner of the last divisor, at the very end.
			long long d = set.back();
			for (long long v : set)
				if (composite / v <= bound)
					d = v;
			in.item.back() = composite / d;
			in.expect = std::to_string(std::min(d, composite / d)) + " " +
			            std::to_string(std::max(d, composite / d));
		}
	}
	return in;
}

// Write the input to path, one line.
void save(const std::string& path, const Input& in)
{
	FILE* f = std::fopen(path.c_str(), "w");
	if (!f) {
		std::perror(path.c_str());
		std::exit(2);
	}
	std::fprintf(f, "%lld %zu", in.target, in.item.size());
	for (long long v : in.item)
		std::fprintf(f, " %lld", v);
	std::fputc('\n', f);
	std::fclose(f);
}

struct Sample {
	double seconds = 0;
	double kib = 0;
	std::string out;
};

// Run program once through the launcher, with input as standard input.
Sample run(const std::string& measure, const std::string& program, const std::string& input)
{
	std::string figures = input + ".figures";
	FILE* p = popen((measure + " " + program + " <" + input + " 2>" + figures).c_str(), "r");
	Sample s;
	char buf[256];
	s.out.assign(buf, p ? std::fread(buf, 1, sizeof buf, p) : 0);
	int status = p ? pclose(p) : -1;
	FILE* f = std::fopen(figures.c_str(), "r");
	if (!f || std::fscanf(f, "%lf %lf", &s.seconds, &s.kib) != 2 || status != 0) {
		std::fprintf(stderr, "bench: %s failed on %s\n", program.c_str(), input.c_str());
		std::exit(1);
	}
	std::fclose(f);
	std::remove(figures.c_str());
	return s;
}

// The shared libraries a program loads, as ldd names them.
std::vector<std::string> libraries(const std::string& program)
{
	std::vector<std::string> lib;
	FILE* p = popen(("ldd " + program).c_str(), "r");
	char name[4096];
	while (p && std::fscanf(p, " %4095s%*[^\n]", name) == 1)
		lib.push_back(name);
	if (p)
		pclose(p);
	return lib;
}

double median(std::vector<double> v)
{
	std::sort(v.begin(), v.end());
	return v[v.size() / 2];
}

// The figures of one program on one input; runs is 0 where it was not run.
struct Figure {
	int runs = 0;
	double seconds = 0;
	double kib = 0;
};

// Time every program on path, in interleaved rounds, the plain scan (the
// second program) once when plain is set, and check each output.
std::vector<Figure> time(const std::vector<std::string>& program, const std::string& measure, int runs,
                         const std::string& path, const std::string& expect, bool plain)
{
	std::vector<std::vector<double>> seconds(program.size()), kib(program.size());
	for (int r = 0; r < runs; r++)
		for (std::size_t p = 0; p < program.size(); p++) {
			if (p == 1 && (!plain || r > 0))
				continue;
			Sample s = run(measure, program[p], path);
			if (p > 0 && s.out != expect) {
				std::fprintf(stderr, "bench: %s wrote [%s] on %s, not [%s]\n", program[p].c_str(),
				             s.out.c_str(), path.c_str(), expect.c_str());
				std::exit(1);
			}
			seconds[p].push_back(s.seconds);
			kib[p].push_back(s.kib);
		}
	std::vector<Figure> fig(program.size());
	for (std::size_t p = 0; p < program.size(); p++)
		if (!seconds[p].empty())
			fig[p] = {static_cast<int>(seconds[p].size()), median(seconds[p]), median(kib[p])};
	return fig;
}

// The slope of log seconds against log count, by least squares over the
// three largest counts at which the program ran: below them the start-up
// of a process, a few milliseconds, flattens every curve.
double slope(const std::vector<long long>& count, const std::vector<Figure>& fig)
{
	std::vector<std::size_t> ran;
	for (std::size_t k = 0; k < count.size(); k++)
		if (fig[k].runs)
			ran.push_back(k);
	if (ran.size() > 3)
		ran.erase(ran.begin(), ran.end() - 3);
	double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
	for (std::size_t k : ran) {
		double x = std::log(static_cast<double>(count[k])), y = std::log(fig[k].seconds);
		n += 1;
		sx += x;
		sy += y;
		sxx += x * x;
		sxy += x * y;
	}
	return n < 2 ? NAN : (n * sxy - sx * sy) / (n * sxx - sx * sx);
}

} // namespace

int main(int argc, char** argv)
{
	if (argc < 7) {
		std::fprintf(stderr, "usage: bench DIR RUNS MEASURE FLOOR PLAIN PROGRAM [PROGRAM...]\n");
		return 2;
	}
	std::string dir = argv[1], measure = argv[3];
	int runs = std::max(1, std::atoi(argv[2]));
	std::vector<std::string> program(argv + 4, argv + argc), name;
	for (const std::string& p : program)
		name.push_back(p.substr(p.find_last_of('/') + 1));

	// The floor must load nothing that product-pair does not: it would pay
	// a start-up cost that product-pair does not, and flatter every ratio.
	std::vector<std::string> own = libraries(program[2]);
	for (const std::string& lib : libraries(program[0]))
		if (std::find(own.begin(), own.end(), lib) == own.end()) {
			std::fprintf(stderr, "bench: the floor loads %s, and %s does not\n", lib.c_str(), name[2].c_str());
			return 1;
		}

	// Generate every input: each case at the count limit, and the swept
	// cases at 8 counts from 1000, evenly spaced on a log scale.
	std::vector<long long> count;
	for (int k = 0; k < 8; k++)
		count.push_back(std::llround(1000 * std::pow(200.0, k / 7.0)));
	std::vector<std::pair<const char*, long long>> jobs;
	std::map<std::pair<std::string, long long>, std::string> expect;
	auto path = [&](const std::string& kind, long long n) { return dir + "/" + kind + "-" + std::to_string(n) + ".in"; };
	for (const Case& c : cases)
		for (long long n : count)
			if (n == limit || c.swept) {
				Input in = generate(c.kind, n);
				save(path(c.kind, n), in);
				jobs.emplace_back(c.kind, n);
				expect[{c.kind, n}] = in.expect;
			}

	// Time the programs on each input.  The plain scan runs at the count
	// limit on typical items only, for elsewhere it takes as long and says
	// nothing new, and in the sweep while its next run, grown as the
	// square of the count, is expected to stay within the budget.  The
	// figures are kept by case, program and count, the order of the CSV.
	std::map<std::tuple<std::string, std::string, long long>, Figure> fig;
	double plain = 0;
	for (std::size_t j = 0; j < jobs.size(); j++) {
		auto [kind, n] = jobs[j];
		bool first = j == 0 || jobs[j - 1].first != kind;
		double grow = first ? 0 : std::pow(static_cast<double>(n) / static_cast<double>(jobs[j - 1].second), 2);
		bool once = n == limit ? kind == std::string("random") : first || plain * grow < plain_budget;
		std::vector<Figure> f = time(program, measure, runs, path(kind, n), expect[{kind, n}], once);
		plain = f[1].runs ? f[1].seconds : HUGE_VAL;
		for (std::size_t p = 0; p < program.size(); p++)
			fig[{kind, name[p], n}] = f[p];
		std::remove(path(kind, n).c_str());
	}

	// Report: the table at the count limit, the sweep, and the CSV.
	std::printf("At the count limit of %lld: median of %d runs; floor = read-only scanf, "
	            "plain = double scan with 64-bit products (one run, * )\n\n",
	            limit, runs);
	std::printf("%-38s %-22s %9s %8s %8s %9s\n", "case", "program", "seconds", "/ floor", "/ plain", "peak KiB");
	for (const Case& c : cases) {
		Figure floor = fig[{c.kind, name[0], limit}], scan = fig[{c.kind, name[1], limit}];
		for (std::size_t p = 0; p < program.size(); p++) {
			Figure f = fig[{c.kind, name[p], limit}];
			if (f.runs == 0)
				continue;
			std::printf("%-38s %-22s %9.4f %8.2f ", p == 0 ? c.what : "", name[p].c_str(), f.seconds,
			            f.seconds / floor.seconds);
			if (scan.runs)
				std::printf("%7.3f%s", f.seconds / scan.seconds, p == 1 ? "*" : " ");
			else
				std::printf("%7s ", "-");
			std::printf(" %9.0f\n", f.kib);
		}
		std::printf("%38s peak memory above the floor: %.0f KiB (%s)\n\n", "",
		            fig[{c.kind, name[2], limit}].kib - floor.kib, name[2].c_str());
	}

	std::printf("Sweep: seconds (median of %d runs; the plain scan one run, while it stays under %.0f s)\n", runs,
	            plain_budget);
	for (const Case& c : cases) {
		if (!c.swept)
			continue;
		std::printf("\n%-18s", c.kind);
		for (std::size_t p = 0; p < program.size(); p++)
			std::printf(" %14s", name[p].c_str());
		std::vector<std::vector<Figure>> line(program.size());
		for (long long n : count) {
			std::printf("\n%-18lld", n);
			for (std::size_t p = 0; p < program.size(); p++) {
				Figure f = fig[{c.kind, name[p], n}];
				line[p].push_back(f);
				if (f.runs)
					std::printf(" %14.5f", f.seconds);
				else
					std::printf(" %14s", "-");
			}
		}
		std::printf("\n%-18s", "slope (top 3)");
		for (std::size_t p = 0; p < program.size(); p++)
			std::printf(" %14.2f", slope(count, line[p]));
		std::printf("\n");
	}

	std::string csv = dir + "/bench.csv";
	FILE* out = std::fopen(csv.c_str(), "w");
	if (!out) {
		std::perror(csv.c_str());
		return 2;
	}
	std::fprintf(out, "case,program,count,runs,seconds,peak_kib\n");
	for (const auto& [at, f] : fig)
		if (f.runs)
			std::fprintf(out, "%s,%s,%lld,%d,%.6f,%.0f\n", std::get<0>(at).c_str(), std::get<1>(at).c_str(),
			             std::get<2>(at), f.runs, f.seconds, f.kib);
	std::fclose(out);
	std::printf("\nFigures in %s\n", csv.c_str());
	return 0;
}
