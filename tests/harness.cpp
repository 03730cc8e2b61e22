// Runs the programs on generated inputs, or on the cases of a case file,
// and checks every run: the exit status, the standard error, an end within
// a time limit, and the output.
//
// PROGRAM and REFERENCE may be commands of several words, such as an
// emulator and a program.
//
//   harness differential PROGRAM SEED ROUNDS REFERENCE
//       small random inputs, output compared byte for byte with REFERENCE
//   harness hostile PROGRAM SEED ROUNDS
//       byte noise and token soups; the output must be empty or a true pair
//   harness open-stdin PROGRAM INPUT EXPECTED [ARG...]
//       INPUT on a standard input that is never closed; the program must
//       end by itself and write EXPECTED
//   harness waits PROGRAM INPUT
//       INPUT on a standard input that is never closed; the program must
//       still be reading after a second, for more of the input to come
//   harness case CASES NAME [WRAPPER...] PROGRAM
//       the case NAME of the case file CASES: the output byte for byte,
//       the exit status, and the standard error empty or the case's one
//       line; status 1 when it fails, 2 when the case cannot be read.
//       SIGPIPE is ignored, and descriptor 3 is a pipe no one reads
#include <algorithm>
#include <cctype>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Result {
	int status = 0; // exit status, or 128 + signal
	bool hung = false;
	std::string out, err;
};

std::string slurp(int fd)
{
	std::string s;
	char buf[65536];
	lseek(fd, 0, SEEK_SET);
	for (ssize_t r; (r = read(fd, buf, sizeof buf)) > 0;)
		s.append(buf, static_cast<std::size_t>(r));
	return s;
}

// Run argv with input as standard input: from a file, or through a pipe
// that stays open until the program ends when keep_open is set.  A program
// still running after the limit is killed and reported as hung.  With
// closed_pipe set, it runs with SIGPIPE ignored and, on descriptor 3, a
// pipe whose reader is already gone.
Result run(const std::vector<std::string>& argv, const std::string& input, bool keep_open, int seconds,
           bool closed_pipe = false)
{
	FILE* out = std::tmpfile();
	FILE* err = std::tmpfile();
	FILE* in = keep_open ? nullptr : std::tmpfile();
	int pipefd[2] = {-1, -1};
	if (!out || !err || (!keep_open && !in) || (keep_open && pipe(pipefd) != 0)) {
		std::perror("harness");
		std::exit(2);
	}
	if (keep_open) {
		// Small inputs only: they must fit in the pipe's buffer.
		if (write(pipefd[1], input.data(), input.size()) != static_cast<ssize_t>(input.size()))
			std::exit(2);
	} else {
		std::fwrite(input.data(), 1, input.size(), in);
		std::fflush(in);
		lseek(fileno(in), 0, SEEK_SET);
	}

	int gone[2] = {-1, -1};
	if (closed_pipe && (pipe(gone) != 0 || close(gone[0]) != 0)) {
		std::perror("harness");
		std::exit(2);
	}

	pid_t pid = fork();
	if (pid == 0) {
		dup2(keep_open ? pipefd[0] : fileno(in), 0);
		dup2(fileno(out), 1);
		dup2(fileno(err), 2);
		if (closed_pipe) {
			dup2(gone[1], 3);
			std::signal(SIGPIPE, SIG_IGN);
		}
		if (keep_open)
			close(pipefd[1]);
		std::vector<char*> args;
		for (const std::string& a : argv)
			args.push_back(const_cast<char*>(a.c_str()));
		args.push_back(nullptr);
		execvp(args[0], args.data());
		_exit(127);
	}

	// The alarm interrupts the wait, for its handler is set without restart.
	Result r;
	int st = 0;
	struct sigaction sa = {};
	sa.sa_handler = [](int) {};
	sigaction(SIGALRM, &sa, nullptr);
	alarm(static_cast<unsigned>(seconds));
	if (waitpid(pid, &st, 0) != pid) {
		kill(pid, SIGKILL);
		waitpid(pid, &st, 0);
		r.hung = true;
	}
	alarm(0);
	if (closed_pipe)
		close(gone[1]);
	r.status = WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
	r.out = slurp(fileno(out));
	r.err = slurp(fileno(err));
	std::fclose(out);
	std::fclose(err);
	if (in)
		std::fclose(in);
	if (keep_open) {
		close(pipefd[0]);
		close(pipefd[1]);
	}
	return r;
}

// Print a failed run, with what is needed to repeat it, and fail.
[[noreturn]] void fail(const char* why, const std::string& input, const Result& r, const std::string& more)
{
	std::fprintf(stderr, "%s%s\nexit status %d%s\noutput [%s]\nstandard error [%s]\n",
	             why, more.c_str(), r.status, r.hung ? " (killed: still running)" : "",
	             r.out.c_str(), r.err.c_str());
	if (input.size() <= 2000)
		std::fprintf(stderr, "input [%s]\n", input.c_str());
	else
		std::fprintf(stderr, "input of %zu bytes, starting [%.200s]\n", input.size(), input.c_str());
	std::exit(1);
}

// A command's words, split at blanks.
std::vector<std::string> words(const std::string& command)
{
	std::vector<std::string> w;
	for (std::size_t at = 0, end; at < command.size(); at = end + 1) {
		end = std::min(command.find(' ', at), command.size());
		if (end > at)
			w.push_back(command.substr(at, end - at));
	}
	return w;
}

bool clean(const Result& r)
{
	return !r.hung && r.status == 0 && r.err.empty();
}

// The generators take any random engine: the tests' seeded one, or the
// fuzzer's, which draws from the fuzz input.
using Rng = std::mt19937_64;

template <class Random> long long pick(Random& rng, long long lo, long long hi)
{
	return std::uniform_int_distribution<long long>(lo, hi)(rng);
}

template <class Random, class T> const T& one_of(Random& rng, const std::vector<T>& v)
{
	return v[static_cast<std::size_t>(pick(rng, 0, static_cast<long long>(v.size()) - 1))];
}

const std::vector<std::string> blanks = {" ", " ", "\n", "\t", "  ", "\r\n", "\v", "\f"};

// An input on which many first partners fail: values repeated from a pool
// of divisors of a composite target, one member of each pair, the smaller
// or, half the time, either, so that no two pair and the search retires
// and squeezes out many copies, mixed with filler that does not divide it,
// and now and then one late pair, often a square, the second item right
// after the first, or 16, 64 or 128 items or so after it.  The values come
// one by one, in runs of copies, as two heavy values over and over after
// one copy each of the others, so that only a draw can retire them early
// (a heavy value's partner may then stand anywhere among its copies), or
// after one copy each as runs of either member of a pair, so that many
// pairs stand behind the values that fail.
template <class Random> std::string pool_input(Random& rng)
{
	long long t = one_of(rng, std::vector<long long>{3600, 14400, 720720, 1000000, 2095133040});
	std::vector<long long> pool;
	long long root = 2; // ends as the first value whose square reaches t
	for (; root * root < t; root++)
		if (t % root == 0)
			pool.push_back(root);
	if (pick(rng, 0, 1))
		pool.resize(static_cast<std::size_t>(pick(rng, 1, static_cast<long long>(pool.size()))));
	bool either = pick(rng, 0, 1);
	for (long long& d : pool)
		if (either && t / d <= 999999999 && pick(rng, 0, 1))
			d = t / d;

	long long n = pick(rng, 2, 200), layout = pick(rng, 0, 3);
	std::vector<long long> item, heavy = {one_of(rng, pool), one_of(rng, pool)};
	while (static_cast<long long>(item.size()) < n) {
		std::size_t k = item.size();
		bool pairs = layout == 3 && k >= pool.size();
		long long v = layout < 2 || pairs ? one_of(rng, pool) : k < pool.size() ? pool[k] : one_of(rng, heavy);
		if (pairs && t / v <= 999999999 && pick(rng, 0, 1))
			v = t / v;
		if (pick(rng, 0, 5) == 0)
			for (v = t; t % v == 0;)
				v = pick(rng, 2, 999999999);
		item.insert(item.end(), static_cast<std::size_t>(layout == 1 || pairs ? pick(rng, 1, 4) : 1), v);
	}
	item.resize(static_cast<std::size_t>(n));
	if (layout == 2 && pick(rng, 0, 1) && t / heavy[0] <= 999999999)
		item[static_cast<std::size_t>(pick(rng, 0, n - 1))] = t / heavy[0];
	else if (pick(rng, 0, 2)) {
		long long a = pick(rng, 0, n - 1);
		long long b = a + one_of(rng, std::vector<long long>{1, 16, 64, 128}) + pick(rng, -1, 1);
		long long d = root * root == t && pick(rng, 0, 1) ? root : one_of(rng, pool);
		if (b < n && t / d <= 999999999) {
			item[static_cast<std::size_t>(a)] = d;
			item[static_cast<std::size_t>(b)] = t / d;
		}
	}

	// Now and then a count a little short or over, and a value written
	// with a plus sign or leading zeros.
	long long count = pick(rng, 0, 7) ? n : n + pick(rng, -2, 2);
	std::string s = std::to_string(t) + " " + std::to_string(count);
	for (long long v : item)
		s += one_of(rng, blanks) + one_of(rng, std::vector<std::string>{"", "", "", "", "", "+", "0", "00"}) +
		     std::to_string(v);
	return s;
}

// The shape that meets the search's bound, at a small count: one member of
// each class of a target with more classes than one round of the search
// tests, each once in shuffled order, then the last of them over and over;
// half the time the other member of one class after that class's first
// item, so that it pairs, the class often at the edge of a round.
template <class Random> std::string bound_input(Random& rng)
{
	long long t = one_of(rng, std::vector<long long>{232792560, 2095133040});
	std::vector<long long> item;
	for (long long d = 2; d * d <= t; d++)
		if (t % d == 0 && t / d <= 999999999)
			item.push_back(pick(rng, 0, 1) ? d : t / d);
	std::shuffle(item.begin(), item.end(), rng);
	item.insert(item.end(), static_cast<std::size_t>(pick(rng, 0, 300)), item.back());
	if (pick(rng, 0, 1)) {
		long long n = static_cast<long long>(item.size());
		long long a = pick(rng, 0, 3) ? one_of(rng, std::vector<long long>{0, 271, 272, 543, 544}) : pick(rng, 0, n - 1);
		a = std::min(a, n - 1);
		item.insert(item.begin() + pick(rng, a + 1, n), t / item[static_cast<std::size_t>(a)]);
	}
	std::string s = std::to_string(t) + " " + std::to_string(item.size());
	for (long long v : item)
		s += one_of(rng, blanks) + std::to_string(v);
	return s;
}

// A small input: mostly well formed, often with a planted pair, and now
// and then a value at or past a bound, a miscounted list or a bad token.
template <class Random> std::string small_input(Random& rng)
{
	if (pick(rng, 0, 2) == 0)
		return pool_input(rng);
	if (pick(rng, 0, 9) == 0)
		return bound_input(rng);
	static const std::vector<std::string> odd = {
		"1", "0", "-3", "999999999", "1000000000", "65537", "4294967298", "-4294967294",
		"99999999999999999999", "x", "-", "+", "2.5", "0x10", "+7", "007"};
	static const std::vector<std::string> odd_target = {
		"0", "-6", "1", "131073", "2147483647", "2147483648", "4294967308", "x", ""};

	long long n = pick(rng, 0, 200);
	long long top = one_of(rng, std::vector<long long>{6, 12, 40, 1000, 999999999});
	std::vector<std::string> item;
	std::vector<long long> value;
	for (long long k = 0; k < n; k++) {
		value.push_back(pick(rng, 2, top));
		item.push_back(std::to_string(value.back()));
	}

	std::string target = std::to_string(pick(rng, 1, 2000));
	// Plant a pair (a, b): anywhere, or early and side by side or about 64
	// or 128 items apart, so that the pass from a runs long before its
	// hit; a == b plants a square, which must not pair an item with itself.
	if (n >= 1 && pick(rng, 0, 3) != 0) {
		long long a = pick(rng, 0, n - 1), b = pick(rng, 0, n - 1);
		if (pick(rng, 0, 1)) {
			a = pick(rng, 0, n / 4);
			b = a + 64 * pick(rng, 0, 2) + pick(rng, -1, 1);
		}
		if (b >= 0 && b < n)
			target = std::to_string(value[static_cast<std::size_t>(a)] * value[static_cast<std::size_t>(b)]);
	}
	if (pick(rng, 0, 9) == 0)
		target = one_of(rng, odd_target);
	long long count = n;
	if (pick(rng, 0, 9) == 0)
		count += pick(rng, -3, 3);
	for (long long k = pick(rng, 0, 2); k > 0 && n > 0; k--)
		if (pick(rng, 0, 4) == 0)
			item[static_cast<std::size_t>(pick(rng, 0, n - 1))] = one_of(rng, odd);

	std::string s = target + one_of(rng, blanks) + std::to_string(count);
	for (const std::string& t : item)
		s += one_of(rng, blanks) + t;
	if (pick(rng, 0, 1))
		s += one_of(rng, blanks);
	return s;
}

// A numeral of up to 30 digits, signed now and then.
template <class Random> std::string numeral(Random& rng)
{
	std::string s = one_of(rng, std::vector<std::string>{"", "", "", "-", "+"});
	for (long long k = pick(rng, 1, pick(rng, 0, 3) ? 10 : 30); k > 0; k--)
		s += static_cast<char>('0' + pick(rng, 0, 9));
	return s;
}

// Hostile input of one of several kinds, some at or past the count limit.
template <class Random> std::string hostile_input(Random& rng)
{
	static const std::vector<std::string> junk = {
		"x", "-", "+", "--1", "+-2", "0x1f", "1e9", "3.", std::string("\0", 1), "\x80\xff", "\x1b[0m", "nan"};
	std::string s;
	switch (pick(rng, 0, 5)) {
	case 0: // raw bytes, NULs included
		for (long long k = pick(rng, 0, 4000); k > 0; k--)
			s += static_cast<char>(pick(rng, 0, 255));
		break;
	case 1: // a soup of numerals, junk and white space
		for (long long k = pick(rng, 0, 300); k > 0; k--)
			s += (pick(rng, 0, 2) ? numeral(rng) : one_of(rng, junk)) + one_of(rng, blanks);
		break;
	case 2: { // every promised item on one long line, perhaps one bad token
		long long count = pick(rng, 199999, 200000);
		long long bad = pick(rng, 0, 1) ? pick(rng, 0, count - 1) : -1;
		s = std::to_string(pick(rng, 1, 2147483647)) + " " + std::to_string(count);
		for (long long k = 0; k < count; k++)
			s += " " + (k == bad ? one_of(rng, junk) : std::to_string(pick(rng, 2, 999999999)));
		break;
	}
	case 3: { // a count past the limit, or one that promises more than follows
		long long count = one_of(rng, std::vector<long long>{200000, 200001, 1000000, 2147483647});
		s = "12 " + std::to_string(count);
		for (long long k = pick(rng, 0, 200001); k > 0; k--)
			s += pick(rng, 0, 1) ? " 3" : " 4";
		break;
	}
	case 4: // a full list with a pair planted near its end
	{
		s = "1000000 200000";
		for (long long k = 0; k < 199998; k++)
			s += " " + std::to_string(pick(rng, 1000001, 999999999));
		s += pick(rng, 0, 1) ? " 1000 1000" : " 2 500000";
		break;
	}
	default: // a valid start, then noise
		s = numeral(rng) + " " + numeral(rng) + " ";
		for (long long k = pick(rng, 0, 200); k > 0; k--)
			s += static_cast<char>(pick(rng, 0, 255));
	}
	return s;
}

// Whether out is empty, or one "a b" with a <= b and a * b the target, a
// and b among the items (at two positions when equal), as input carries them.
bool plausible(const std::string& input, const std::string& out)
{
	if (out.empty())
		return true;
	long long a, b;
	if (std::sscanf(out.c_str(), "%lld %lld", &a, &b) != 2 ||
	    out != std::to_string(a) + " " + std::to_string(b) || a < 2 || a > b || b > 999999999)
		return false;

	FILE* f = fmemopen(const_cast<char*>(input.data()), input.size(), "r");
	long long target = 0, count = 0, v;
	int seen_a = 0, seen_b = 0;
	if (f && std::fscanf(f, "%lld %lld", &target, &count) == 2)
		for (long long k = 0; k < count && std::fscanf(f, "%lld", &v) == 1; k++) {
			seen_a += v == a;
			seen_b += v == b;
		}
	if (f)
		std::fclose(f);
	return a * b == target && seen_a > 0 && seen_b > 0 && (a != b || seen_a > 1);
}

// A case of a case file (see product-pair.cases for the format) that
// cannot be read or run: a mistake in the file, not a failed case.
[[noreturn]] void bad_case(const std::string& what)
{
	std::fprintf(stderr, "harness: %s\n", what.c_str());
	std::exit(2);
}

std::string trim(const std::string& s)
{
	const char* blank = " \t\r";
	std::size_t first = s.find_first_not_of(blank);
	if (first == std::string::npos)
		return "";
	return s.substr(first, s.find_last_not_of(blank) + 1 - first);
}

std::vector<std::string> split(const std::string& s, char at)
{
	std::vector<std::string> parts;
	std::istringstream in(s);
	for (std::string part; std::getline(in, part, at);)
		parts.push_back(part);
	return parts;
}

// The bytes an input field stands for: \n \t \s \p \xHH, and {text}*N
// for text (itself decoded) written N times.  Any other "\" or a short
// \x is a mistake in the case file, not a byte to send.
std::string decode(const std::string& field)
{
	std::string bytes;
	for (std::size_t k = 0; k < field.size(); k++) {
		std::size_t close = field[k] == '{' ? field.find('}', k) : std::string::npos;
		char* end = nullptr;
		unsigned long times = close != std::string::npos && field.compare(close + 1, 1, "*") == 0
		                              ? std::strtoul(&field[close + 2], &end, 10)
		                              : 0;
		if (end && end != &field[close + 2]) {
			std::string text = decode(field.substr(k + 1, close - k - 1));
			while (times-- > 0)
				bytes += text;
			k = static_cast<std::size_t>(end - field.data()) - 1;
		} else if (field[k] != '\\') {
			bytes += field[k];
		} else if (std::size_t e = std::string("ntsp").find(field[k + 1]); k + 1 < field.size() && e != std::string::npos) {
			bytes += "\n\t |"[e];
			k++;
		} else if (field.compare(k, 2, "\\x") == 0 && k + 3 < field.size() &&
		           std::isxdigit(static_cast<unsigned char>(field[k + 2])) &&
		           std::isxdigit(static_cast<unsigned char>(field[k + 3]))) {
			bytes += static_cast<char>(std::stoi(field.substr(k + 2, 2), nullptr, 16));
			k += 3;
		} else {
			bad_case("no such escape in the input field: " + field.substr(k, 4));
		}
	}
	return bytes;
}

// Bytes as the case file would write them, for a failure report.
std::string shown(const std::string& bytes)
{
	std::string s;
	for (char c : bytes) {
		unsigned char u = static_cast<unsigned char>(c);
		char code[8];
		std::snprintf(code, sizeof code, "\\x%02x", u);
		s += c == '\n' ? std::string("\\n") : c == '\t' ? std::string("\\t")
		     : u < ' ' || u > '~' || c == '\\' ? std::string(code) : std::string(1, c);
	}
	return s;
}

// Run the case NAME of the case file CASES with COMMAND, the program
// after its wrapper's words; 0 when it passes, 1 when it fails.
int run_case(const char* cases, const char* name, const std::vector<std::string>& program)
{
	std::ifstream file(cases, std::ios::binary);
	if (!file)
		bad_case(std::string("cannot read ") + cases);
	std::vector<std::string> fields;
	for (std::string line; fields.empty() && std::getline(file, line);) {
		std::vector<std::string> f = split(line, '|');
		if (line.compare(0, 1, "#") != 0 && !f.empty() && trim(f[0]) == name)
			fields = f;
	}
	if (fields.empty())
		bad_case(std::string(name) + ": no such case in " + cases);
	for (std::string& f : fields)
		f = trim(f);
	fields.resize(std::max<std::size_t>(fields.size(), 6));
	std::string input = decode(fields[1]);
	const std::string& expected = fields[2];

	// The status field: a number, then the message, if any.
	int want_rc = 0;
	std::string want_err;
	std::istringstream status(fields[5]);
	if (!fields[5].empty() && !(status >> want_rc))
		bad_case(std::string(name) + ": the status is not a number: " + fields[5]);
	std::string message;
	if (std::getline(status, message) && !trim(message).empty()) {
		const std::string& path = program.back();
		want_err = path.substr(path.rfind('/') + 1) + ": " + trim(message) + "\n";
	}

	// The redirections are the shell's, made after it takes the command
	// from its arguments.
	std::vector<std::string> command;
	if (!fields[4].empty())
		command = {"sh", "-c", "exec \"$@\" " + fields[4], "sh"};
	command.insert(command.end(), program.begin(), program.end());
	for (const std::string& a : words(fields[3]))
		command.push_back(a);

	Result r = run(command, input, false, 120, true);
	if (r.out == expected && r.err == want_err && r.status == want_rc && !r.hung)
		return 0;
	std::printf("case failed\n"
	            "expected output: [%s]\n"
	            "actual output:   [%s]\n"
	            "expected error:  [%s]\n"
	            "standard error:  [%s]\n"
	            "exit status:     %d, expected %d\n",
	            shown(expected).c_str(), shown(r.out).c_str(), shown(want_err).c_str(), shown(r.err).c_str(), r.status,
	            want_rc);
	return 1;
}

} // namespace

int main(int argc, char** argv)
{
	std::string mode = argc > 1 ? argv[1] : "";

	// The randomized modes: one generated input a round, from a fixed seed.
	if ((mode == "differential" && argc == 6) || (mode == "hostile" && argc == 5)) {
		unsigned long long seed = std::strtoull(argv[3], nullptr, 10);
		Rng rng(seed);
		for (long rounds = std::atol(argv[4]), k = 0; k < rounds; k++) {
			std::string where = " (seed " + std::to_string(seed) + ", round " + std::to_string(k) + ")";
			if (mode == "hostile") {
				std::string input = hostile_input(rng);
				Result got = run(words(argv[2]), input, false, 20);
				if (!clean(got) || !plausible(input, got.out))
					fail("bad run on hostile input", input, got, where);
				continue;
			}
			std::string input = small_input(rng);
			Result want = run(words(argv[5]), input, false, 20);
			where += "; reference wrote [" + want.out + "]";
			if (!clean(want))
				fail("the reference failed", input, want, where);
			if (Result got = run(words(argv[2]), input, false, 20); !clean(got) || got.out != want.out)
				fail("output differs from the reference", input, got, where);
		}
		return 0;
	}

	if (mode == "open-stdin" && argc >= 5) {
		std::vector<std::string> args = words(argv[2]);
		for (int k = 5; k < argc; k++)
			args.push_back(argv[k]);
		Result got = run(args, argv[3], true, 5);
		if (!clean(got) || got.out != argv[4])
			fail("bad run with standard input held open", argv[3], got, std::string(", expected [") + argv[4] + "]");
		return 0;
	}

	if (mode == "waits" && argc == 4) {
		Result got = run(words(argv[2]), argv[3], true, 1);
		if (!got.hung)
			fail("ended before the rest of its input came", argv[3], got, "");
		return 0;
	}

	if (mode == "case" && argc >= 5)
		return run_case(argv[2], argv[3], std::vector<std::string>(argv + 4, argv + argc));

	std::fprintf(stderr, "usage: harness differential PROGRAM SEED ROUNDS REFERENCE\n"
	                     "       harness hostile PROGRAM SEED ROUNDS\n"
	                     "       harness open-stdin PROGRAM INPUT EXPECTED [ARG...]\n"
	                     "       harness waits PROGRAM INPUT\n"
	                     "       harness case CASES NAME [WRAPPER...] PROGRAM\n");
	return 2;
}
