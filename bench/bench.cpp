// Benchmark product-pair at the count limit of 200000 against two baselines
// from the same build: the read-only floor (scanf of the same input and
// nothing else) and the plain double scan of the test reference.
//
//   bench DIR RUNS MEASURE FLOOR PLAIN PROGRAM [PROGRAM...]
//
// Inputs are generated into DIR from fixed seeds.  The programs run in turn
// through the launcher MEASURE, round after round, so that all of them meet
// the same machine load; each row gives the median wall time of RUNS runs
// (of 3 for the slow plain scan), the ratios to both baselines, and the
// median peak resident memory.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace {

const long long limit = 200000;
const long long composite = 2095133040; // 1600 divisors, below 2^31

struct Case {
	const char* name;
	std::string path;
};

// Write target, count and items to path, one line.
void save(const std::string& path, long long target, const std::vector<long long>& item)
{
	FILE* f = std::fopen(path.c_str(), "w");
	if (!f) {
		std::perror(path.c_str());
		std::exit(2);
	}
	std::fprintf(f, "%lld %zu", target, item.size());
	for (long long v : item)
		std::fprintf(f, " %lld", v);
	std::fputc('\n', f);
	std::fclose(f);
}

// Random items that do not divide the target, so none of them can pair.
std::vector<long long> random_items(std::mt19937_64& rng, long long n)
{
	std::uniform_int_distribution<long long> any(2, 999999999);
	std::vector<long long> item;
	while (static_cast<long long>(item.size()) < n) {
		long long v = any(rng);
		if (composite % v != 0)
			item.push_back(v);
	}
	return item;
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

} // namespace

int main(int argc, char** argv)
{
	if (argc < 7) {
		std::fprintf(stderr, "usage: bench DIR RUNS MEASURE FLOOR PLAIN PROGRAM [PROGRAM...]\n");
		return 2;
	}
	std::string dir = argv[1];
	int runs = std::max(1, std::atoi(argv[2]));
	std::string measure = argv[3];
	std::vector<std::string> program(argv + 4, argv + argc);

	// The three inputs, at the count limit.
	std::mt19937_64 rng(20261208);
	std::vector<Case> cases = {
		{"random items, no pair", dir + "/random.in"},
		{"adversarial: all divide, no pair", dir + "/adversarial.in"},
		{"pair at the last two positions", dir + "/last-pair.in"},
	};
	save(cases[0].path, composite, random_items(rng, limit));
	std::vector<long long> cycle;
	for (long long k = 0; k < limit; k++)
		cycle.push_back(2LL << (k % 4));
	save(cases[1].path, 1LL << 30, cycle);
	std::vector<long long> last = random_items(rng, limit - 2);
	last.push_back(composite / 698377680);
	last.push_back(698377680);
	save(cases[2].path, composite, last);

	std::printf("median of %d runs (3 for the plain scan); floor = read-only scanf, "
	            "plain = double scan with 64-bit products\n\n",
	            runs);
	std::printf("%-34s %-22s %9s %9s %9s %10s\n", "case", "program", "seconds", "/ floor", "/ plain", "peak KiB");
	for (const Case& c : cases) {
		// Rounds of one run per program, so every program sees the same load.
		std::vector<std::vector<double>> seconds(program.size());
		std::vector<std::vector<double>> kib(program.size());
		std::vector<std::string> out(program.size());
		for (int r = 0; r < runs; r++)
			for (std::size_t p = 0; p < program.size(); p++) {
				if (p == 1 && r >= 3)
					continue;
				Sample s = run(measure, program[p], c.path);
				seconds[p].push_back(s.seconds);
				kib[p].push_back(s.kib);
				out[p] = s.out;
			}

		double floor = median(seconds[0]), plain = median(seconds[1]);
		for (std::size_t p = 0; p < program.size(); p++) {
			std::string name = program[p].substr(program[p].find_last_of('/') + 1);
			double t = median(seconds[p]);
			std::printf("%-34s %-22s %9.4f %9.2f %9.2f %10.0f\n", p == 0 ? c.name : "", name.c_str(), t,
			            t / floor, t / plain, median(kib[p]));
			if (p > 1 && out[p] != out[1])
				std::printf("    ! %s wrote [%s], the plain scan [%s]\n", name.c_str(), out[p].c_str(),
				            out[1].c_str());
		}
		std::printf("%34s peak memory above the floor: %.0f KiB (product-pair)\n\n", "",
		            median(kib[2]) - median(kib[0]));
	}
	return 0;
}
