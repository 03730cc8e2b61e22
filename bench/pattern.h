// Input patterns: small descriptions of a product-pair input as a function
// of the count, so that a shape found at a small count scales to the count
// limit.  The bench builds some of its cases from them, and worst-search
// looks for the costliest.  A pattern is a few segments, placed in turn:
//
//     small 400 once front + pair all cycle:2 back ; end-pair
//
// Each segment is CLASS VALUES COPIES PLACE.
//   CLASS   small: small divisors of the target whose partner is absent
//           large: the partners of small divisors, alone
//           pair:  both members of complementary pairs
//           root:  the square root of the target (a square target only)
//           lone:  divisors whose partner is out of the item range
//           non:   values that do not divide the target
//   VALUES  how many distinct values, or all: small, large and pair take
//           theirs in turn from one shuffled list of complementary pairs,
//           so that no value is in two segments and a failing value's
//           partner is nowhere
//   COPIES  once, run:R (each value R times in a row), or a share of the
//           places the others leave, by weight W: cycle:W (the values in
//           turn), runs:R:W (runs of R in turn), block:W (each value in one
//           run, the share split evenly), heavy:W (the first value at every
//           other place, the rest in turn between)
//   PLACE   front or back of what is placed so far, spread evenly through
//           it, or scattered at random through it
// Options after ";": end-pair makes the last item the partner of the value
// whose first copy comes last among those whose partner is absent; target
// N sets the target (2095133040, 1600 divisors, unless given).  Without a
// share the items repeat up to the count; past it they are cut.
#ifndef BENCH_PATTERN_H
#define BENCH_PATTERN_H

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <numeric>
#include <ostream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

namespace pattern {

const long long bound = 999999999;      // the largest item
const long long composite = 2095133040; // 1600 divisors, below 2^31
const long long square = 768398400;     // 27720^2, 945 divisors, a square with the most below 2^31

const char* const kinds[] = {"small", "large", "pair", "root", "lone", "non"};
const char* const copy_modes[] = {"once", "run", "cycle", "runs", "block", "heavy"};
const char* const places[] = {"front", "back", "spread", "scatter"};
enum Kind { SMALL, LARGE, PAIR, ROOT, LONE, NON, KINDS };
enum Copies { ONCE, RUN, CYCLE, RUNS, BLOCK, HEAVY, COPIES };
enum Place { FRONT, BACK, SPREAD, SCATTER, PLACES };

struct Segment {
	int kind = SMALL;
	int values = 0; // distinct values; 0 for all that are left
	int copies = CYCLE;
	int run = 1;    // copies in a row: run, runs
	int weight = 1; // share of the places left: cycle, runs, heavy
	int place = BACK;
	bool fills() const { return copies >= CYCLE; }
	std::size_t row() const { return copies == RUN || copies == RUNS ? static_cast<std::size_t>(run) : 1; }
};

struct Pattern {
	std::vector<Segment> segments;
	bool end_pair = false;
	long long target = composite;
};

inline std::string format(const Pattern& p)
{
	std::string s;
	for (const Segment& g : p.segments) {
		s += (s.empty() ? "" : " + ") + std::string(kinds[g.kind]) + ' ' +
		     (g.values ? std::to_string(g.values) : "all") + ' ' + copy_modes[g.copies];
		if (g.copies == RUN || g.copies == RUNS)
			s += ':' + std::to_string(g.run);
		if (g.fills())
			s += ':' + std::to_string(g.weight);
		s += ' ' + std::string(places[g.place]);
	}
	if (p.end_pair)
		s += " ; end-pair";
	if (p.target != composite)
		s += " ; target " + std::to_string(p.target);
	return s;
}

// The inverse of format; throws std::invalid_argument on anything else.
inline Pattern parse(const std::string& text)
{
	auto bad = [&text](const std::string& why) { return std::invalid_argument(why + " in pattern: " + text); };
	auto index = [&bad](const std::string& word, const char* const* names, int count) {
		for (int k = 0; k < count; k++)
			if (word == names[k])
				return k;
		throw bad("unknown word " + word);
	};
	auto number = [&bad](const std::string& word) {
		std::size_t end = 0;
		long long v = -1;
		try {
			v = std::stoll(word, &end);
		} catch (const std::exception&) {
		}
		if (end != word.size() || v < 1 || v > 2147483647)
			throw bad("bad number " + word);
		return v;
	};
	Pattern p;
	std::istringstream in(text);
	std::string word = "+";
	while (word == "+") {
		std::string kind, values, copies, place;
		if (!(in >> kind >> values >> copies >> place))
			throw bad("short segment");
		Segment g;
		g.kind = index(kind, kinds, KINDS);
		g.values = values == "all" ? 0 : static_cast<int>(number(values));
		std::vector<std::string> piece;
		std::istringstream c(copies);
		for (std::string f; std::getline(c, f, ':');)
			piece.push_back(f);
		g.copies = index(piece[0], copy_modes, COPIES);
		std::size_t fields = 1 + (g.copies == RUN || g.copies == RUNS) + g.fills();
		if (piece.size() != fields)
			throw bad("bad copies " + copies);
		if (g.copies == RUN || g.copies == RUNS)
			g.run = static_cast<int>(number(piece[1]));
		if (g.fills())
			g.weight = static_cast<int>(number(piece.back()));
		g.place = index(place, places, PLACES);
		p.segments.push_back(g);
		if (!(in >> word))
			return p;
	}
	while (word == ";" && in >> word) {
		if (word == "end-pair")
			p.end_pair = true;
		else if (word == "target" && in >> word)
			p.target = number(word);
		else
			throw bad("unknown option " + word);
		if (!(in >> word))
			return p;
	}
	throw bad("unexpected " + word);
}

// An input: the target, the items, and what every finder must write.
struct Input {
	long long target;
	std::vector<long long> item;
	std::string expect;
};

// The first pair in double-scan order: the first item whose partner
// stands later.
inline std::string first_pair(long long t, const std::vector<long long>& item)
{
	std::unordered_map<long long, std::size_t> last;
	for (std::size_t k = 0; k < item.size(); k++)
		last[item[k]] = k;
	for (std::size_t k = 0; k < item.size(); k++)
		if (long long x = item[k]; t % x == 0)
			if (auto w = last.find(t / x); w != last.end() && w->second > k)
				return std::to_string(std::min(x, t / x)) + " " + std::to_string(std::max(x, t / x));
	return "";
}

// The distinct values of each segment of p at count n, in order.
inline std::vector<std::vector<long long>> values(const Pattern& p, std::size_t n, std::mt19937_64& rng)
{
	const long long t = p.target;
	if (t < 4 || t > 2147483647)
		throw std::invalid_argument("target out of range: " + std::to_string(t));
	// The small divisors d, d * d < t, whose partner t / d can be an item,
	// shuffled as the bench always has; those whose partner is past the
	// bound, and t itself (partner 1), are lone; the root, if any.
	std::vector<long long> pairs, lone, root;
	for (long long d = 2; d * d <= t; d++)
		if (t % d == 0)
			(d * d == t ? root : t / d <= bound ? pairs : lone).push_back(d);
	if (t <= bound)
		lone.push_back(t);
	std::shuffle(pairs.begin(), pairs.end(), std::mt19937_64(798));
	std::size_t taken[KINDS] = {}; // values taken from each list; small, large and pair share one

	std::vector<std::vector<long long>> values;
	for (const Segment& g : p.segments) {
		std::size_t want = g.values ? static_cast<std::size_t>(g.values) : SIZE_MAX;
		std::vector<long long> v;
		if (g.kind <= PAIR) {
			for (std::size_t got = 0; got < want && taken[SMALL] < pairs.size(); got++) {
				long long d = pairs[taken[SMALL]++];
				if (g.kind != LARGE)
					v.push_back(d);
				if (g.kind != SMALL)
					v.push_back(t / d);
			}
		} else if (g.kind == NON) {
			std::uniform_int_distribution<long long> any(2, bound);
			for (want = std::min(want, n); v.size() < want;)
				if (long long x = any(rng); t % x != 0)
					v.push_back(x);
		} else {
			const std::vector<long long>& from = g.kind == ROOT ? root : lone;
			for (; v.size() < want && taken[g.kind] < from.size(); taken[g.kind]++)
				v.push_back(from[taken[g.kind]]);
		}
		values.push_back(v);
	}
	return values;
}

// p as it reads plainly, so that one input has one text: without the
// segments left no values, with the number of values that each of the
// others gets, the shares' weights in lowest terms, and the first segment
// at the back of nothing.
inline Pattern trimmed(const Pattern& p)
{
	std::mt19937_64 rng(1);
	std::vector<std::vector<long long>> v = values(p, 1, rng);
	Pattern q = p;
	q.segments.clear();
	int common = 0;
	for (std::size_t s = 0; s < v.size(); s++)
		if (Segment g = p.segments[s]; !v[s].empty()) {
			std::size_t got = v[s].size() / (g.kind == PAIR ? 2 : 1);
			if (g.values && g.kind != NON && got < static_cast<std::size_t>(g.values))
				g.values = static_cast<int>(got);
			if (q.segments.empty())
				g.place = BACK;
			if (g.fills())
				common = std::gcd(common, g.weight);
			q.segments.push_back(g);
		}
	for (Segment& g : q.segments)
		if (g.fills())
			g.weight /= common;
	return q;
}

// The input of pattern p at count n: the same on every call.
inline Input generate(const Pattern& p, std::size_t n)
{
	std::mt19937_64 rng(1);
	std::vector<std::vector<long long>> values = pattern::values(p, n, rng);
	const long long t = p.target;

	// The places of the segments of a fixed size, and the weights of the rest.
	std::size_t fixed = 0;
	int weights = 0;
	for (std::size_t s = 0; s < values.size(); s++)
		if (!p.segments[s].fills())
			fixed += values[s].size() * p.segments[s].row();
		else if (!values[s].empty())
			weights += p.segments[s].weight;

	// Lay out each segment, then place it against what is placed so far.
	std::size_t left = n > fixed ? n - fixed : 0, given = 0;
	int weighed = 0;
	std::vector<long long> item;
	for (std::size_t s = 0; s < values.size(); s++) {
		const Segment& g = p.segments[s];
		const std::vector<long long>& v = values[s];
		const std::size_t k = v.size(), r = g.row();
		if (k == 0)
			continue;
		std::size_t size = k * r;
		if (g.fills()) {
			weighed += g.weight;
			size = left * static_cast<std::size_t>(weighed) / static_cast<std::size_t>(weights) - given;
			given += size;
		}
		std::vector<long long> seg(size);
		for (std::size_t j = 0; j < size; j++)
			if (g.copies == HEAVY)
				seg[j] = j % 2 == 0 || k == 1 ? v[0] : v[1 + j / 2 % (k - 1)];
			else if (g.copies == BLOCK)
				seg[j] = v[j * k / size];
			else
				seg[j] = v[j / r % k];
		if (item.empty()) {
			item = seg;
			continue;
		}
		std::vector<long long> was;
		was.swap(item);
		std::size_t a = 0, b = 0, total = was.size() + size;
		for (std::size_t j = 0; j < total; j++) {
			bool ours = g.place == FRONT   ? j < size
			            : g.place == BACK  ? j >= was.size()
			            : g.place == SPREAD ? (j + 1) * size / total > j * size / total
			                                : rng() % (total - j) < size - b;
			item.push_back(ours ? seg[b++] : was[a++]);
		}
	}
	item.reserve(n);
	for (std::size_t k = 0, full = item.size(); item.size() < n && full > 0; k++)
		item.push_back(item[k % full]);
	item.resize(std::min(n, item.size()));
	if (item.empty())
		throw std::invalid_argument("no items in pattern: " + format(p));

	// The pair at the end: with the value whose first copy comes last
	// among those whose partner is absent and could be an item.
	if (p.end_pair) {
		std::unordered_map<long long, std::size_t> first;
		for (std::size_t k = 0; k < item.size(); k++)
			first.emplace(item[k], k);
		long long y = 0;
		for (std::size_t k = 0; k < item.size(); k++)
			if (long long x = item[k]; first[x] == k && t % x == 0 && t / x != x && t / x >= 2 && t / x <= bound &&
			                           !first.count(t / x))
				y = x;
		if (y)
			item.back() = t / y;
	}
	return {t, item, first_pair(t, item)};
}

// The program's standard input: the target, the count, the items.
inline std::ostream& write(std::ostream& out, const Input& in)
{
	out << in.target << ' ' << in.item.size();
	for (long long v : in.item)
		out << ' ' << v;
	return out << '\n';
}

} // namespace pattern

#endif
