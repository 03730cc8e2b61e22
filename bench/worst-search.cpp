//   worst-search DIR VALGRIND PRODUCT-PAIR READ-ONLY SECONDS COUNT JOBS SEED
//   worst-search --input PATTERN COUNT
//   worst-search --bound TARGET COUNT
//
// Search for product-pair's costliest input by evolving input patterns
// (pattern.h) from random ones.  A pattern's fitness is the instructions
// that callgrind counts product-pair taking on its input at COUNT, over
// those the read-only floor takes on the same input, so that long numerals
// do not pass for work: counts repeat where wall times on a shared machine
// do not.  JOBS patterns are measured at once, for SECONDS in all; each
// round's best goes to the terminal and DIR/worst-search.csv, and the best
// patterns, measured again at the count limit, to DIR/worst-search-best.csv.
// The second form writes a pattern's input at COUNT to standard output;
// the third, the input that meets the search's argued bound for TARGET:
// one member of every class cycling, none pairing (bench/README.md).
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

#include "pattern.h"

namespace {

using pattern::Pattern;
using pattern::Segment;

const std::size_t limit = 200000;
const std::size_t most_segments = 6;
const std::size_t kept = 12;    // patterns kept from round to round
const std::size_t children = 8; // new patterns a round
const int patience = 8;         // rounds without gain before starting over
const char* const derived = "small 350 once front + small all cycle:1 back"; // the bench's hand-derived worst

[[noreturn]] void fail(const std::string& message)
{
	std::fprintf(stderr, "worst-search: %s\n", message.c_str());
	std::exit(1);
}

struct Setup {
	std::string dir, valgrind, program, floor;
	double seconds;
	std::size_t count, jobs;
	unsigned long long seed;
};

// The instructions callgrind counted, from its report in the file at path.
double collected(const std::string& path)
{
	std::ifstream in(path);
	for (std::string line; std::getline(in, line);)
		if (auto at = line.find("Collected :"); at != std::string::npos)
			return std::atof(line.c_str() + at + 11);
	fail("no instruction count in " + path);
}

// The fitness of each pattern at count n, JOBS at once; 0 for a pattern
// that makes no input.  product-pair must write what the input expects: a
// wrong answer ends the search.
std::vector<double> measure(const Setup& s, const std::vector<Pattern>& batch, std::size_t n)
{
	std::vector<double> fitness;
	for (std::size_t first = 0; first < batch.size(); first += s.jobs) {
		std::size_t last = std::min(batch.size(), first + s.jobs);
		std::vector<FILE*> running;
		std::vector<std::string> expect;
		auto base = [&](std::size_t k) { return s.dir + "/worst-search-" + std::to_string(k - first); };
		for (std::size_t k = first; k < last; k++) {
			pattern::Input in;
			try {
				in = pattern::generate(batch[k], n);
			} catch (const std::invalid_argument&) {
				running.push_back(nullptr);
				expect.emplace_back();
				continue;
			}
			std::ofstream f(base(k) + ".in");
			if (!pattern::write(f, in).flush())
				fail("cannot write " + base(k) + ".in");
			expect.push_back(in.expect);
			std::string count = s.valgrind + " --tool=callgrind --callgrind-out-file=/dev/null ";
			std::string b = base(k);
			running.push_back(popen((count + s.program + " <" + b + ".in >" + b + ".out 2>" + b + ".pair; " + count +
			                         s.floor + " <" + b + ".in >/dev/null 2>" + b + ".floor")
			                            .c_str(),
			                        "r"));
			if (!running.back())
				fail("cannot run " + s.valgrind);
		}
		for (std::size_t k = first; k < last; k++) {
			std::string b = base(k);
			if (!running[k - first]) {
				fitness.push_back(0);
				continue;
			}
			pclose(running[k - first]);
			std::ifstream out(b + ".out");
			std::string wrote((std::istreambuf_iterator<char>(out)), std::istreambuf_iterator<char>());
			if (wrote != expect[k - first])
				fail(s.program + " wrote [" + wrote + "], not [" + expect[k - first] + "], on " + format(batch[k]) +
				     " at count " + std::to_string(n));
			fitness.push_back(collected(b + ".pair") / collected(b + ".floor"));
			for (const char* end : {".in", ".out", ".pair", ".floor"})
				std::remove((b + end).c_str());
		}
	}
	return fitness;
}

// Random choices of the language.
using Rng = std::mt19937_64;
int pick(Rng& rng, int below) { return static_cast<int>(rng() % static_cast<unsigned>(below)); }
int log_uniform(Rng& rng, int low, int high) // low..high, even on a log scale
{
	std::uniform_real_distribution<double> u(std::log(low), std::log(high + 1));
	return std::min(high, static_cast<int>(std::exp(u(rng))));
}

Segment random_segment(Rng& rng)
{
	Segment g;
	g.kind = pick(rng, pattern::KINDS);
	g.values = log_uniform(rng, 1, 1000); // all, if ever, by a change: it starves the segments after it
	g.copies = pick(rng, pattern::COPIES);
	g.run = log_uniform(rng, 2, 64);
	g.weight = 1 + pick(rng, 9);
	g.place = pick(rng, pattern::PLACES);
	return g;
}

Pattern random_pattern(Rng& rng)
{
	Pattern p;
	for (int k = 1 + pick(rng, 4); k > 0; k--)
		p.segments.push_back(random_segment(rng));
	p.end_pair = pick(rng, 3) == 0;
	return p;
}

// One small change: a field of a segment, a segment added, dropped, copied
// or moved, or an option.  A new value is near the old one more often
// than not, so that the search can climb.
void mutate(Pattern& p, Rng& rng)
{
	auto& seg = p.segments;
	Segment& g = seg[static_cast<std::size_t>(pick(rng, static_cast<int>(seg.size())))];
	auto near = [&rng](int v, int low, int high) {
		int step = std::max(1, v / (pick(rng, 2) ? 2 : 10));
		return std::clamp(pick(rng, 2) ? v + step : v - step, low, high);
	};
	auto at = [&](std::size_t extra) { return seg.begin() + pick(rng, static_cast<int>(seg.size() + extra)); };
	switch (pick(rng, 12)) {
	case 0: g.kind = pick(rng, pattern::KINDS); break;
	case 1: g.values = g.values == 0 ? log_uniform(rng, 1, 1000) : pick(rng, 8) == 0 ? 0 : near(g.values, 1, 1000); break;
	case 2: g.copies = pick(rng, pattern::COPIES); break;
	case 3: g.run = near(g.run, 2, 64); break;
	case 4: g.weight = near(g.weight, 1, 9); break;
	case 5: g.place = pick(rng, pattern::PLACES); break;
	case 6:
		if (seg.size() < most_segments)
			seg.insert(at(1), random_segment(rng));
		break;
	case 7:
		if (seg.size() > 1)
			seg.erase(at(0));
		break;
	case 8:
		if (seg.size() < most_segments) {
			Segment copy = g;
			seg.insert(at(1), copy);
		}
		break;
	case 9: std::iter_swap(at(0), at(0)); break;
	case 10: p.end_pair = !p.end_pair; break;
	default: p.target = pick(rng, 4) ? pattern::composite : pattern::square; break;
	}
}

// A head of one parent's segments and a tail of the other's.
Pattern cross(const Pattern& a, const Pattern& b, Rng& rng)
{
	Pattern c = pick(rng, 2) ? a : b;
	c.segments.assign(a.segments.begin(), a.segments.begin() + 1 + pick(rng, static_cast<int>(a.segments.size())));
	auto tail = b.segments.begin() + pick(rng, static_cast<int>(b.segments.size()));
	c.segments.insert(c.segments.end(), tail, b.segments.end());
	if (c.segments.size() > most_segments)
		c.segments.resize(most_segments);
	return c;
}

// Every pattern one class, copies or place away from p.
std::vector<Pattern> neighbours(const Pattern& p)
{
	std::vector<Pattern> near;
	for (std::size_t k = 0; k < p.segments.size(); k++)
		for (auto [field, count] : {std::pair{&Segment::kind, +pattern::KINDS}, {&Segment::copies, +pattern::COPIES},
		                            {&Segment::place, +pattern::PLACES}})
			for (int v = 0; v < count; v++) {
				Pattern q = p;
				q.segments[k].*field = v;
				near.push_back(q);
			}
	return near;
}

struct Scored {
	double fitness;
	std::string text;
	Pattern p;
};

// A pattern's shape: its classes, copies and places without the numbers.
// The population keeps at most two of a shape, so that one shape and its
// near copies cannot crowd out every other before their numbers are tuned.
std::string shape(const Pattern& p)
{
	std::string s = p.end_pair ? "end-pair" : "";
	for (const Segment& g : p.segments)
		s += std::to_string(g.kind) + std::to_string(g.copies) + std::to_string(g.place);
	return s;
}

// Measure the patterns not yet seen, and keep the best.
void enter(const Setup& s, std::vector<Pattern> batch, std::vector<Scored>& population,
           std::map<std::string, double>& seen)
{
	std::vector<double> fitness = measure(s, batch, s.count);
	for (std::size_t k = 0; k < batch.size(); k++) {
		std::string text = format(batch[k]);
		seen[text] = fitness[k];
		population.push_back({fitness[k], text, batch[k]});
	}
	std::stable_sort(population.begin(), population.end(),
	                 [](const Scored& x, const Scored& y) { return x.fitness > y.fitness; });
	std::vector<Scored> keep;
	std::map<std::string, int> shapes;
	for (const Scored& x : population)
		if (keep.size() < kept && ++shapes[shape(x.p)] <= 2)
			keep.push_back(x);
	population = keep;
}

void search(const Setup& s)
{
	using clock = std::chrono::steady_clock;
	const auto start = clock::now();
	auto elapsed = [&start] { return std::chrono::duration<double>(clock::now() - start).count(); };
	Rng rng(s.seed);
	std::map<std::string, double> seen;
	std::vector<Scored> population;
	std::ofstream history(s.dir + "/worst-search.csv");
	history << "round,evaluations,seconds,fitness,pattern\n";
	std::printf("Worst-input search on %s at count %zu for %.0f s, %zu at once, seed %llu\n", s.program.c_str(), s.count,
	            s.seconds, s.jobs, s.seed);

	// A new pattern: random in the first round, else a child of patterns
	// picked by tournament, changed once or more; none seen before.
	auto tournament = [&]() -> const Pattern& {
		std::size_t best = population.size();
		for (int k = 0; k < 3; k++)
			best = std::min(best, static_cast<std::size_t>(pick(rng, static_cast<int>(population.size()))));
		return population[best].p;
	};
	// A round that brings no gain of a percent adds to the rounds since the
	// last gain.  After patience of them the search has likely settled on
	// a shape that one random change at a time seldom leaves: it tries
	// every change of one class, copies or place of its best at once, and
	// if that gains nothing either, starts over from random patterns.
	// What it has measured stays measured, and the best of it is reported.
	double last_gain = 0;
	int since = 0;
	for (int round = 0; round == 0 || elapsed() < s.seconds; round++) {
		bool sweep = since == patience, fresh = round == 0 || since > patience;
		if (fresh && round) {
			population.clear();
			since = 0;
			last_gain = 0;
			std::printf("round %3d  starts over from random patterns\n", round);
		}
		std::vector<Pattern> batch;
		std::vector<std::string> texts;
		auto add = [&](Pattern p) {
			p = pattern::trimmed(p); // so that one input has one text
			std::string text = format(p);
			if (!p.segments.empty() && !seen.count(text) && std::find(texts.begin(), texts.end(), text) == texts.end()) {
				batch.push_back(p);
				texts.push_back(text);
			}
		};
		if (sweep)
			for (Pattern p : neighbours(population.front().p))
				add(p);
		for (int tries = 0; !sweep && batch.size() < (fresh ? 2 * kept : children) && tries < 1000; tries++) {
			// A child of two, or of one and a new random pattern, which
			// brings in segments that the population has lost.
			Pattern p = fresh               ? random_pattern(rng)
			            : pick(rng, 5) == 0 ? cross(tournament(), random_pattern(rng), rng)
			            : pick(rng, 2)      ? cross(tournament(), tournament(), rng)
			                                : tournament();
			for (int k = 0; !fresh && (k == 0 || pick(rng, 2)); k++)
				mutate(p, rng);
			add(p);
		}
		enter(s, batch, population, seen);
		if (population.front().fitness > last_gain * 1.01) {
			last_gain = population.front().fitness;
			since = 0;
		} else {
			since++;
		}
		auto best = std::max_element(seen.begin(), seen.end(), [](auto& x, auto& y) { return x.second < y.second; });
		std::printf("round %3d  evaluations %4zu  %4.0f s  best %.3f  %s\n", round, seen.size(), elapsed(), best->second,
		            best->first.c_str());
		std::fflush(stdout);
		history << round << ',' << seen.size() << ',' << elapsed() << ',' << best->second << ',' << best->first << '\n';
	}

	// The best distinct patterns, and the hand-derived worst beside them,
	// measured again at the count limit: a shape that holds there scales.
	std::vector<std::pair<double, std::string>> ranked;
	for (const auto& [text, fitness] : seen)
		ranked.emplace_back(-fitness, text);
	std::sort(ranked.begin(), ranked.end());
	std::vector<Pattern> best;
	for (std::size_t k = 0; k < std::min<std::size_t>(4, ranked.size()); k++)
		best.push_back(pattern::parse(ranked[k].second));
	best.push_back(pattern::parse(derived));
	std::vector<double> at_limit = measure(s, best, limit);
	std::ofstream out(s.dir + "/worst-search-best.csv");
	out << "rank,fitness,fitness_at_limit,pattern\n";
	std::printf("\nBest patterns: fitness at count %zu and at %zu (instructions over the floor's)\n", s.count, limit);
	for (std::size_t k = 0; k < best.size(); k++) {
		std::string text = format(best[k]);
		double small = seen.count(text) ? seen[text] : measure(s, {best[k]}, s.count)[0];
		std::string rank = k + 1 < best.size() ? std::to_string(k + 1) : "derived";
		std::printf("  %-8s %6.3f %6.3f  %s\n", rank.c_str(), small, at_limit[k], text.c_str());
		out << rank << ',' << small << ',' << at_limit[k] << ',' << text << '\n';
	}
	if (!history.flush() || !out.flush())
		fail("cannot write the CSV files in " + s.dir);
	std::printf("History in %s/worst-search.csv, best in %s/worst-search-best.csv\n", s.dir.c_str(), s.dir.c_str());
}

} // namespace

int main(int argc, char** argv)
{
	try {
		if (std::string form = argc == 4 ? argv[1] : ""; form == "--input" || form == "--bound") {
			std::string text = form == "--input" ? argv[2] : std::string("small all cycle:1 back ; target ") + argv[2];
			pattern::write(std::cout, pattern::generate(pattern::parse(text), std::stoul(argv[3])));
			return std::cout.flush() ? 0 : 1;
		}
		if (argc != 9)
			fail("usage: worst-search DIR VALGRIND PRODUCT-PAIR READ-ONLY SECONDS COUNT JOBS SEED\n"
			     "       worst-search --input PATTERN COUNT\n"
			     "       worst-search --bound TARGET COUNT");
		Setup s{argv[1], argv[2], argv[3], argv[4], std::atof(argv[5]), std::stoul(argv[6]), std::stoul(argv[7]),
		        std::stoull(argv[8])};
		s.count = std::clamp<std::size_t>(s.count, 1, limit);
		s.jobs = std::max<std::size_t>(1, s.jobs);
		search(s);
	} catch (const std::exception& e) {
		fail(e.what());
	}
}
