// Benchmark product-pair against two baselines from the same build: the
// read-only floor (scanf of the same input and nothing else) and the plain
// double scan of the test reference.
//
//   bench DIR RUNS MEASURE FLOOR PLAIN PROGRAM [PROGRAM...]
//
// Inputs are generated into DIR from fixed seeds.  The programs run in turn
// through the launcher MEASURE, round after round, so that all of them meet
// the same machine load; each figure is the median wall time and peak
// resident memory of RUNS runs.  The plain scan is quadratic and steady:
// it runs once, and only where that run stays short.
//
// First a table at the count limit, then a sweep of counts from 1000 to
// 200000 on the worst case of each kind and on typical items.  Every
// figure also goes to DIR/bench.csv, a row per case, program and count.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const long long limit = 200000;
const long long composite = 2095133040; // 1600 divisors, below 2^31
const long long bound = 999999999;      // the largest item
const double plain_budget = 2.0;        // seconds for one plain scan run

struct Input {
	long long target = composite;
	std::vector<long long> item;
	std::string expect; // what every finder must write
};

// The divisors d of the composite with d * d < it: their partners are all
// larger, so no two of them pair.
std::vector<long long> small_divisors()
{
	std::vector<long long> d;
	for (long long v = 2; v * v < composite; v++)
		if (composite % v == 0)
			d.push_back(v);
	return d;
}

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
	std::vector<long long> small = small_divisors();

	if (kind == "random") {
		filler(n);
	} else if (kind == "pair-last") {
		filler(n - 2);
		in.item.push_back(3);
		in.item.push_back(composite / 3);
		in.expect = "3 " + std::to_string(composite / 3);
	} else if (kind == "cycle") {
		in.target = 1LL << 30;
		for (long long k = 0; k < n; k++)
			in.item.push_back(2LL << (k % 4));
	} else if (kind == "divisors-cycling") {
		for (long long k = 0; k < n; k++)
			in.item.push_back(small[static_cast<std::size_t>(k) % small.size()]);
	} else {
		// divisors-first[-pair-last]: one divisor of each partnered pair,
		// the largest set in which no two pair, shuffled, then filler.
		std::vector<long long> set;
		for (long long d : small)
			set.push_back(composite / d <= bound && rng() % 2 ? composite / d : d);
		std::shuffle(set.begin(), set.end(), rng);
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
	FILE* out = std::tmpfile();
	FILE* err = std::tmpfile();
	int in = open(input.c_str(), O_RDONLY);
	if (!out || !err || in < 0) {
		std::perror("bench");
		std::exit(2);
	}
	pid_t pid = fork();
	if (pid == 0) {
		dup2(in, 0);
		dup2(fileno(out), 1);
		dup2(fileno(err), 2);
		execl(measure.c_str(), measure.c_str(), program.c_str(), static_cast<char*>(nullptr));
		_exit(127);
	}
	int status = 0;
	waitpid(pid, &status, 0);
	close(in);

	Sample s;
	char buf[256];
	std::rewind(out);
	s.out.assign(buf, std::fread(buf, 1, sizeof buf, out));
	std::rewind(err);
	if (std::fscanf(err, "%lf %lf", &s.seconds, &s.kib) != 2 || !WIFEXITED(status) ||
	    WEXITSTATUS(status) != 0) {
		std::fprintf(stderr, "bench: %s failed on %s\n", program.c_str(), input.c_str());
		std::exit(1);
	}
	std::fclose(out);
	std::fclose(err);
	return s;
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

struct Bench {
	std::string dir, measure;
	std::vector<std::string> program; // floor, plain, then the finders
	int runs = 1;
	struct Row {
		std::string kind, program;
		long long count;
		Figure fig;
	};
	std::vector<Row> csv;

	// Time every program on the case at count n, in interleaved rounds, the
	// plain scan once when plain is set.  Check each output and record the
	// figures in the CSV.
	std::vector<Figure> time(const std::string& kind, long long n, bool plain)
	{
		Input in = generate(kind, n);
		std::string path = dir + "/" + kind + "-" + std::to_string(n) + ".in";
		save(path, in);
		std::vector<std::vector<double>> seconds(program.size()), kib(program.size());
		for (int r = 0; r < runs; r++)
			for (std::size_t p = 0; p < program.size(); p++) {
				if (p == 1 && (!plain || r > 0))
					continue;
				Sample s = run(measure, program[p], path);
				if (p > 0 && s.out != in.expect) {
					std::fprintf(stderr, "bench: %s wrote [%s] on %s, not [%s]\n", program[p].c_str(),
					             s.out.c_str(), path.c_str(), in.expect.c_str());
					std::exit(1);
				}
				seconds[p].push_back(s.seconds);
				kib[p].push_back(s.kib);
			}
		std::remove(path.c_str());

		std::vector<Figure> fig(program.size());
		for (std::size_t p = 0; p < program.size(); p++) {
			if (seconds[p].empty())
				continue;
			fig[p] = {static_cast<int>(seconds[p].size()), median(seconds[p]), median(kib[p])};
			csv.push_back({kind, name(p), n, fig[p]});
		}
		return fig;
	}

	std::string name(std::size_t p) const
	{
		return program[p].substr(program[p].find_last_of('/') + 1);
	}
};

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
	Bench b;
	b.dir = argv[1];
	b.runs = std::max(1, std::atoi(argv[2]));
	b.measure = argv[3];
	b.program.assign(argv + 4, argv + argc);

	// The table at the count limit.  The plain scan runs once, on typical
	// items only: elsewhere it takes as long and says nothing new.
	struct Case {
		const char* kind;
		const char* what;
	};
	const std::vector<Case> table = {
		{"random", "random items, no pair"},
		{"pair-last", "random items, pair at the end"},
		{"cycle", "items cycling 2 4 8 16, target 2^30"},
		{"divisors-first", "799 divisors, no pair, then filler"},
		{"divisors-first-pair-last", "the same, pair at the very end"},
		{"divisors-cycling", "799 small divisors, cycling"},
	};
	std::printf("At the count limit of %lld: median of %d runs; floor = read-only scanf, "
	            "plain = double scan with 64-bit products (one run, * )\n\n",
	            limit, b.runs);
	std::printf("%-38s %-22s %9s %8s %8s %9s\n", "case", "program", "seconds", "/ floor", "/ plain", "peak KiB");
	std::map<std::string, std::vector<Figure>> at_limit;
	for (const Case& row : table) {
		std::vector<Figure> fig = b.time(row.kind, limit, std::string(row.kind) == "random");
		at_limit[row.kind] = fig;
		for (std::size_t p = 0; p < fig.size(); p++) {
			if (fig[p].runs == 0)
				continue;
			std::printf("%-38s %-22s %9.4f %8.2f ", p == 0 ? row.what : "", b.name(p).c_str(), fig[p].seconds,
			            fig[p].seconds / fig[0].seconds);
			if (fig[1].runs)
				std::printf("%7.3f%s", fig[p].seconds / fig[1].seconds, p == 1 ? "*" : " ");
			else
				std::printf("%7s ", "-");
			std::printf(" %9.0f\n", fig[p].kib);
		}
		std::printf("%38s peak memory above the floor: %.0f KiB (%s)\n\n", "", fig[2].kib - fig[0].kib,
		            b.name(2).c_str());
	}

	// The sweep: about 8 counts, evenly spaced on a log scale.  The plain
	// scan runs while its next run, grown as the square of the count, is
	// expected to stay within the budget.
	const std::vector<const char*> sweep = {"random", "cycle", "divisors-first", "divisors-cycling"};
	std::vector<long long> count;
	for (int k = 0; k < 8; k++)
		count.push_back(std::llround(1000 * std::pow(200.0, k / 7.0)));
	std::printf("Sweep: seconds (median of %d runs; the plain scan one run, while it stays under %.0f s)\n",
	            b.runs, plain_budget);
	for (std::size_t c = 0; c < sweep.size(); c++) {
		std::printf("\n%-18s", sweep[c]);
		for (std::size_t p = 0; p < b.program.size(); p++)
			std::printf(" %14s", b.name(p).c_str());
		std::printf("\n");
		std::vector<std::vector<Figure>> fig(b.program.size());
		double plain = 0;
		for (std::size_t k = 0; k < count.size(); k++) {
			double grow = k ? std::pow(static_cast<double>(count[k]) / static_cast<double>(count[k - 1]), 2) : 0;
			std::vector<Figure> f = count[k] == limit ? at_limit[sweep[c]]
			                                          : b.time(sweep[c], count[k], plain * grow < plain_budget);
			plain = f[1].runs ? f[1].seconds : HUGE_VAL;
			std::printf("%-18lld", count[k]);
			for (std::size_t p = 0; p < f.size(); p++) {
				fig[p].push_back(f[p]);
				if (f[p].runs)
					std::printf(" %14.5f", f[p].seconds);
				else
					std::printf(" %14s", "-");
			}
			std::printf("\n");
		}
		std::printf("%-18s", "slope (top 3)");
		for (std::size_t p = 0; p < b.program.size(); p++)
			std::printf(" %14.2f", slope(count, fig[p]));
		std::printf("\n");
	}
	// The CSV, sorted by case, program and count, so that each program's
	// line in a case is one run of rows.
	std::string path = b.dir + "/bench.csv";
	FILE* csv = std::fopen(path.c_str(), "w");
	if (!csv) {
		std::perror(path.c_str());
		return 2;
	}
	std::sort(b.csv.begin(), b.csv.end(), [](const Bench::Row& x, const Bench::Row& y) {
		return std::tie(x.kind, x.program, x.count) < std::tie(y.kind, y.program, y.count);
	});
	std::fprintf(csv, "case,program,count,runs,seconds,peak_kib\n");
	for (const Bench::Row& r : b.csv)
		std::fprintf(csv, "%s,%s,%lld,%d,%.6f,%.0f\n", r.kind.c_str(), r.program.c_str(), r.count, r.fig.runs,
		             r.fig.seconds, r.fig.kib);
	std::fclose(csv);
	std::printf("\nFigures in %s\n", path.c_str());
	return 0;
}
