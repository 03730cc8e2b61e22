// Runs the programs on generated inputs or a case file's cases, and checks
// each run's status, standard error, end within a time limit, and output.
// Each runs with SIGPIPE ignored and, on descriptor 3, a pipe no one reads.
#include <algorithm>
#include <cctype>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace {

const char usage[] = R"(usage, where PROGRAM and REFERENCE may be commands of several words:
  harness differential PROGRAM SEED ROUNDS REFERENCE   small inputs; the output as REFERENCE's
  harness hostile PROGRAM SEED ROUNDS                  byte noise; no output or a true pair
  harness open-stdin PROGRAM INPUT EXPECTED            INPUT never closed; an end, and EXPECTED
  harness waits PROGRAM INPUT                          INPUT never closed; still reading at 1 s
  harness case CASES NAME [WRAPPER...] PROGRAM         the case NAME of the case file CASES
)";

struct Result {
	int status = 0; // exit status, or 128 + signal
	bool hung = false;
	std::string out, err;
	bool clean() const { return !hung && status == 0 && err.empty(); }
};

// How standard input comes: from a file; through a pipe held open (the
// input must fit in its buffer); or from a raw terminal that hangs up once
// the program has taken the input, so that its next read fails.
enum Via { from_file, held_open, hung_up };

// Run argv with input as standard input, by way of via.  A program still
// running after the limit is killed and reported as hung.
Result run(const std::vector<std::string>& argv, const std::string& input, Via via, int seconds)
{
	FILE *in = std::tmpfile(), *out = std::tmpfile(), *err = std::tmpfile();
	int held[2], gone[2], pty = -1, tty = -1, n = 0;
	struct termios raw = {};
	const auto wrote = [&input](int fd) { return write(fd, input.data(), input.size()) == ssize_t(input.size()); };
	const auto waiting = [&tty, &n] { return ioctl(tty, FIONREAD, &n) == 0 ? n : -1; }; // bytes on the terminal
	// For hung_up, a raw terminal that holds the input before the program starts.
	if (via == hung_up && ((pty = posix_openpt(O_RDWR | O_NOCTTY)) < 0 || grantpt(pty) || unlockpt(pty) ||
	                       (tty = open(ptsname(pty), O_RDWR | O_NOCTTY)) < 0 || tcgetattr(tty, &raw) ||
	                       (cfmakeraw(&raw), tcsetattr(tty, TCSANOW, &raw)) || !wrote(pty)))
		in = nullptr; // reported below
	for (int k = 0; via == hung_up && waiting() < int(input.size()) && k < 1000; k++)
		usleep(1000);
	if (!in || !out || !err || pipe(held) != 0 || pipe(gone) != 0 || close(gone[0]) != 0 ||
	    (via == held_open && !wrote(held[1])) ||
	    (via == from_file && (std::fwrite(input.data(), 1, input.size(), in) != input.size() || std::fflush(in)))) {
		std::perror("harness");
		std::exit(2);
	}
	std::rewind(in);

	pid_t pid = fork();
	if (pid == 0) {
		dup2(via == held_open ? held[0] : via == hung_up ? tty : fileno(in), 0);
		close(pty); // the terminal hangs up when the harness closes its end
		dup2(fileno(out), 1);
		dup2(fileno(err), 2);
		dup2(gone[1], 3);
		std::signal(SIGPIPE, SIG_IGN);
		std::vector<char*> args;
		for (const std::string& a : argv)
			args.push_back(const_cast<char*>(a.c_str()));
		args.push_back(nullptr);
		execvp(args[0], args.data());
		_exit(127);
	}

	// The hang-up, once the program waits in a read (syscall 0) of its
	// standard input with nothing left on the terminal: the hang-up fails
	// that read, where a read begun after it would find an end of input.
	const auto reading = [pid] {
		std::ifstream call("/proc/" + std::to_string(pid) + "/syscall");
		std::string number, fd;
		return call >> number >> fd && number == "0" && fd == "0x0";
	};
	for (int k = 0; via == hung_up && (waiting() != 0 || !reading()) && k < 20000; k++)
		usleep(1000);
	if (via == hung_up)
		close(pty);

	// The alarm interrupts the wait, for its handler is set without restart.
	Result r;
	int st = 0;
	struct sigaction sa = {};
	sa.sa_handler = [](int) {};
	sigaction(SIGALRM, &sa, nullptr);
	alarm(static_cast<unsigned>(seconds));
	if ((r.hung = waitpid(pid, &st, 0) != pid) && kill(pid, SIGKILL) == 0)
		waitpid(pid, &st, 0);
	alarm(0);
	r.status = WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
	for (auto [f, text] : {std::pair{out, &r.out}, {err, &r.err}}) {
		char buf[65536];
		std::rewind(f);
		for (std::size_t got; (got = std::fread(buf, 1, sizeof buf, f)) > 0;)
			text->append(buf, got);
		std::fclose(f);
	}
	std::fclose(in);
	for (int fd : {held[0], held[1], gone[1], tty})
		close(fd);
	return r;
}

// Bytes as a case file's input field writes them: \n, \t, \p for "|", \s
// for a blank at either end, \xHH for "\", "{" and bytes not printable.
std::string shown(const std::string& bytes)
{
	std::string s;
	for (std::size_t k = 0; k < bytes.size(); k++) {
		const unsigned char c = static_cast<unsigned char>(bytes[k]);
		char hex[8];
		std::snprintf(hex, sizeof hex, "\\x%02x", c);
		s += c == '\n' ? "\\n" : c == '\t' ? "\\t" : c == '|' ? "\\p"
		     : c == ' ' && (k == 0 || k + 1 == bytes.size()) ? "\\s"
		     : c < ' ' || c > '~' || c == '\\' || c == '{' ? hex : std::string(1, bytes[k]);
	}
	return s;
}

// Print a failed run, with what is needed to repeat it, and fail.
[[noreturn]] void fail(const char* why, const std::string& input, const Result& r, const std::string& more)
{
	std::fprintf(stderr, "%s%s\nexit status %d%s\noutput [%s]\nstandard error [%s]\ninput of %zu bytes [%s]\n", why,
	             more.c_str(), r.status, r.hung ? " (killed: still running)" : "", shown(r.out).c_str(),
	             shown(r.err).c_str(), input.size(), shown(input.substr(0, 2000)).c_str());
	std::exit(1);
}

// A command's words, split at blanks.
std::vector<std::string> words(const std::string& command)
{
	std::istringstream in(command);
	return {std::istream_iterator<std::string>(in), {}};
}

// The generators take any random engine: the tests' seeded one, or the
// fuzzer's, which draws from the fuzz input.  Two draws are never operands
// of one operator, whose order the compiler chooses, so that a seed gives
// the same input from GCC as from clang.
template <class Random> long long pick(Random& rng, long long lo, long long hi)
{
	return std::uniform_int_distribution<long long>(lo, hi)(rng);
}
template <class Random> std::size_t below(Random& rng, std::size_t n)
{
	return static_cast<std::size_t>(pick(rng, 0, static_cast<long long>(n) - 1));
}
template <class T, class Random> T one_of(Random& rng, const std::vector<T>& v) { return v[below(rng, v.size())]; }
template <class Random> std::string blank(Random& rng)
{
	return one_of<std::string>(rng, {" ", " ", "\n", "\t", "  ", "\r\n", "\v", "\f"});
}

// Words, or numbers, joined by blanks of every kind.
std::string text(const std::string& word) { return word; }
std::string text(long long number) { return std::to_string(number); }

template <class Random, class T> std::string joined(Random& rng, const std::vector<T>& word)
{
	std::string s = word.empty() ? "" : text(word[0]);
	for (std::size_t k = 1; k < word.size(); k++)
		s += blank(rng) + text(word[k]);
	return s;
}

// A token that is no item, or an item at or past a bound.
template <class Random> std::string odd_token(Random& rng)
{
	return one_of<std::string>(rng, {"1", "0", "-3", "999999999", "1000000000", "65537", "4294967298", "-4294967294",
	                                 "99999999999999999999", "+7", "007", "x", "-", "+", "--1", "+-2", "2.5", "3.",
	                                 "0x10", "1e9", "nan", std::string(1, '\0'), "\x80\xff", "\x1b[0m"});
}

// An input of many classes that hold no match: one member of each (the
// smaller or either), with filler; one by one, in runs of copies, each once
// then two heavy values, or each once then runs of either member.  Then
// often one late match: a heavy value's partner, or a pair, often a square.
template <class Random> std::string pool_input(Random& rng)
{
	const long long t = one_of<long long>(rng, {3600, 14400, 720720, 1000000, 2095133040});
	const auto fits = [t](long long d) { return t / d <= 999999999; }; // d's partner may be an item
	const bool either = pick(rng, 0, 1);
	std::vector<long long> pool;
	long long root = 2; // ends as the first value whose square reaches t
	for (; root * root < t; root++)
		if (t % root == 0)
			pool.push_back(either && fits(root) && pick(rng, 0, 1) ? t / root : root);
	if (pick(rng, 0, 1))
		pool.resize(1 + below(rng, pool.size()));

	const std::size_t n = static_cast<std::size_t>(pick(rng, 2, 200));
	const long long layout = pick(rng, 0, 3);
	const std::vector<long long> heavy = {one_of(rng, pool), one_of(rng, pool)};
	std::vector<long long> item;
	while (item.size() < n) {
		const bool once = layout >= 2 && item.size() < pool.size(); // one copy of each first
		long long v = once ? pool[item.size()] : one_of(rng, layout == 2 ? heavy : pool);
		if (layout == 3 && !once && fits(v) && pick(rng, 0, 1))
			v = t / v;
		if (pick(rng, 0, 5) == 0) // filler
			for (v = t; t % v == 0;)
				v = pick(rng, 2, 999999999);
		item.insert(item.end(), layout == 1 || (layout == 3 && !once) ? 1 + below(rng, 4) : 1, v);
	}
	item.resize(n);
	if (layout == 2 && pick(rng, 0, 1) && fits(heavy[0])) {
		item[below(rng, n)] = t / heavy[0];
	} else if (pick(rng, 0, 2)) {
		const std::size_t a = below(rng, n);
		std::size_t b = a + one_of<std::size_t>(rng, {1, 16, 64, 128});
		b = b - 1 + below(rng, 3);
		const long long d = root * root == t && pick(rng, 0, 1) ? root : one_of(rng, pool);
		if (b < n && fits(d)) {
			item[a] = d;
			item[b] = t / d;
		}
	}

	const long long count = static_cast<long long>(n) + (pick(rng, 0, 7) ? 0 : pick(rng, -2, 2));
	std::vector<std::string> word = {std::to_string(t), std::to_string(count)};
	for (long long v : item)
		word.push_back(one_of<std::string>(rng, {"", "", "", "", "", "+", "0", "00"}) + std::to_string(v));
	return joined(rng, word);
}

// The costliest shape, at a small count: one member of each class of a
// target with many, shuffled, then the last over and over, often past a
// turn of 1024 items; half the time a match, its class often in the first,
// second or last slot, or its partner first in the second turn.
template <class Random> std::string bound_input(Random& rng)
{
	const long long t = one_of<long long>(rng, {232792560, 2095133040});
	std::vector<long long> item;
	for (long long d = 2; d * d <= t; d++)
		if (t % d == 0 && t / d <= 999999999)
			item.push_back(pick(rng, 0, 1) ? d : t / d);
	std::shuffle(item.begin(), item.end(), rng);
	const std::size_t classes = item.size();
	item.insert(item.end(), static_cast<std::size_t>(pick(rng, 0, 1300)), item.back());
	if (pick(rng, 0, 1)) {
		const std::size_t n = item.size();
		const std::size_t a = pick(rng, 0, 2) ? one_of<std::size_t>(rng, {0, 1, classes - 1}) : below(rng, n);
		std::size_t at = a + 1 + below(rng, n - a);
		if (a < 1024 && n > 1024 && pick(rng, 0, 1))
			at = 1024;
		item.insert(item.begin() + static_cast<std::ptrdiff_t>(at), t / item[a]);
	}
	item.insert(item.begin(), {t, static_cast<long long>(item.size())});
	return joined(rng, item);
}

// A small input: mostly well formed, often with a planted pair, and now
// and then a target or a count out of place, or an odd token among the items.
template <class Random> std::string small_input(Random& rng)
{
	if (pick(rng, 0, 2) == 0)
		return pool_input(rng);
	if (pick(rng, 0, 9) == 0)
		return bound_input(rng);
	const long long n = pick(rng, 0, 200);
	const long long top = one_of<long long>(rng, {6, 12, 40, 1000, 999999999});
	std::vector<long long> value;
	for (long long k = 0; k < n; k++)
		value.push_back(pick(rng, 2, top));

	// Plant a pair (a, b) anywhere; a == b plants a square, which must not
	// pair an item with itself.
	long long target = pick(rng, 1, 2000);
	if (n >= 1 && pick(rng, 0, 3) != 0) {
		const long long a = value[below(rng, value.size())];
		target = a * value[below(rng, value.size())];
	}
	std::vector<std::string> word = {std::to_string(target), std::to_string(n)};
	if (pick(rng, 0, 9) == 0)
		word[0] = one_of<std::string>(rng, {"0", "-6", "1", "131073", "2147483647", "2147483648", "4294967308", "x", ""});
	if (pick(rng, 0, 9) == 0)
		word[1] = std::to_string(n + pick(rng, -3, 3));
	for (long long v : value)
		word.push_back(std::to_string(v));
	for (long long k = pick(rng, 0, 2); k > 0 && n > 0; k--)
		if (pick(rng, 0, 4) == 0)
			word[2 + below(rng, value.size())] = odd_token(rng);
	const std::string s = joined(rng, word);
	return pick(rng, 0, 1) ? s + blank(rng) : s;
}

// A numeral of up to 30 digits, signed now and then.
template <class Random> std::string numeral(Random& rng)
{
	std::string s = one_of<std::string>(rng, {"", "", "", "-", "+"});
	for (long long k = pick(rng, 1, pick(rng, 0, 3) ? 10 : 30); k > 0; k--)
		s += static_cast<char>('0' + pick(rng, 0, 9));
	return s;
}

// Hostile input of one of several kinds, some at or past the count limit.
template <class Random> std::string hostile_input(Random& rng)
{
	const auto noise = [&rng](std::string s, long long most) {
		for (long long k = pick(rng, 0, most); k > 0; k--)
			s += static_cast<char>(pick(rng, 0, 255));
		return s;
	};
	std::string s;
	switch (pick(rng, 0, 5)) {
	case 0: // raw bytes, NULs included
		return noise("", 4000);
	case 1: // a soup of numerals, odd tokens and white space
		for (long long k = pick(rng, 0, 300); k > 0; k--) {
			s += pick(rng, 0, 2) ? numeral(rng) : odd_token(rng);
			s += blank(rng);
		}
		return s;
	case 2: { // every promised item on one long line, perhaps one bad token
		const long long count = pick(rng, 199999, 200000);
		const long long bad = pick(rng, 0, 1) ? pick(rng, 0, count - 1) : -1;
		s = std::to_string(pick(rng, 1, 2147483647)) + " " + std::to_string(count);
		for (long long k = 0; k < count; k++)
			s += " " + (k == bad ? odd_token(rng) : std::to_string(pick(rng, 2, 999999999)));
		return s;
	}
	case 3: // a count past the limit, or one that promises more than follows
		s = "12 " + std::to_string(one_of<long long>(rng, {200000, 200001, 1000000, 2147483647}));
		for (long long k = pick(rng, 0, 200001); k > 0; k--)
			s += pick(rng, 0, 1) ? " 3" : " 4";
		return s;
	case 4: // a full list with a pair planted near its end
		s = "1000000 200000";
		for (long long k = 0; k < 199998; k++)
			s += " " + std::to_string(pick(rng, 1000001, 999999999));
		return s + (pick(rng, 0, 1) ? " 1000 1000" : " 2 500000");
	default: // a valid start, then noise
		s = numeral(rng) + " ";
		s += numeral(rng) + " ";
		return noise(s, 200);
	}
}

// Whether out is empty, or one "a b" with a <= b and a * b the target, a
// and b among the items (at two positions when equal), as input carries them.
bool plausible(const std::string& input, const std::string& out)
{
	std::istringstream pair(out), in(input);
	long long a = 0, b = 0, target = 0, count = 0, seen_a = 0, seen_b = 0;
	if (out.empty())
		return true;
	if (!(pair >> a >> b) || out != std::to_string(a) + " " + std::to_string(b) || a < 2 || a > b || b > 999999999)
		return false;
	in >> target >> count;
	for (long long k = 0, v; k < count && in >> v; k++) {
		seen_a += v == a;
		seen_b += v == b;
	}
	return a * b == target && seen_a > 0 && seen_b > 0 && (a != b || seen_a > 1);
}

// A case that cannot be read: a mistake in the case file, not a failed case.
[[noreturn]] void bad_case(const std::string& what)
{
	std::fprintf(stderr, "harness: %s\n", what.c_str());
	std::exit(2);
}

std::string trim(const std::string& s)
{
	const std::size_t first = s.find_first_not_of(" \t\r");
	return first == std::string::npos ? "" : s.substr(first, s.find_last_not_of(" \t\r") + 1 - first);
}

// The bytes an input field stands for: \n \t \s \p \xHH, and {text}*N
// for text (itself decoded) N times; any other "\" is a mistake.
std::string decode(const std::string& field)
{
	std::string bytes;
	for (std::size_t k = 0; k < field.size(); k++) {
		const std::size_t close = field[k] == '{' ? field.find('}', k) : std::string::npos;
		char* end = nullptr;
		unsigned long times = close != std::string::npos && field.compare(close + 1, 1, "*") == 0
		                                    ? std::strtoul(&field[close + 2], &end, 10)
		                                    : 0;
		if (end && end != &field[close + 2]) {
			for (const std::string text = decode(field.substr(k + 1, close - k - 1)); times > 0; times--)
				bytes += text;
			k = static_cast<std::size_t>(end - field.data()) - 1;
		} else if (field[k] != '\\') {
			bytes += field[k];
		} else if (std::size_t escape = std::string("ntsp").find(field[k + 1]); escape != std::string::npos) {
			bytes += "\n\t |"[escape];
			k++;
		} else if (k + 3 < field.size() && field[k + 1] == 'x' && std::isxdigit(static_cast<unsigned char>(field[k + 2])) &&
		           std::isxdigit(static_cast<unsigned char>(field[k + 3]))) {
			bytes += static_cast<char>(std::stoi(field.substr(k + 2, 2), nullptr, 16));
			k += 3;
		} else {
			bad_case("no such escape in the input field: " + field.substr(k, 4));
		}
	}
	return bytes;
}

// Run the case NAME of CASES with PROGRAM, the last of its words: 0 when it
// passes; the harness exits with status 1 when it fails, 2 when unreadable.
int run_case(const std::string& cases, const std::string& name, const std::vector<std::string>& program)
{
	std::ifstream file(cases, std::ios::binary);
	if (!file)
		bad_case("cannot read " + cases);
	std::vector<std::string> field;
	for (std::string line; field.empty() && std::getline(file, line);) {
		std::istringstream fields(line);
		for (std::string f; std::getline(fields, f, '|');)
			field.push_back(trim(f));
		if (line[0] == '#' || field.empty() || field[0] != name)
			field.clear();
	}
	if (field.empty())
		bad_case(name + ": no such case in " + cases);
	field.resize(std::max<std::size_t>(field.size(), 6));

	// The status field: a number, then the message, if any.
	int want_rc = 0;
	std::string message, want_err;
	std::istringstream status(field[5]);
	if (!field[5].empty() && !(status >> want_rc))
		bad_case(name + ": the status is not a number: " + field[5]);
	if (std::getline(status, message) && !(message = trim(message)).empty())
		want_err = program.back().substr(program.back().rfind('/') + 1) + ": " + message + "\n";

	// The shell makes the redirections, then runs the program in its place;
	// "<hangup" is no redirection, but the input from a terminal that hangs up.
	const bool hangup = field[4] == "<hangup";
	std::vector<std::string> command = {"sh", "-c", "exec \"$@\" " + (hangup ? "" : field[4]), "sh"},
	                         args = words(field[3]);
	command.insert(command.end(), program.begin(), program.end());
	command.insert(command.end(), args.begin(), args.end());

	const std::string input = decode(field[1]);
	const Result r = run(command, input, hangup ? hung_up : from_file, 120);
	if (r.out != field[2] || r.err != want_err || r.status != want_rc || r.hung)
		fail("case failed", input, r, ": expected output [" + shown(field[2]) + "], status " + std::to_string(want_rc) +
		                                  ", standard error [" + shown(want_err) + "]");
	return 0;
}

} // namespace

int main(int argc, char** argv)
{
	const std::string mode = argc > 1 ? argv[1] : "";

	// The randomized modes: one generated input a round, from a fixed seed.
	if ((mode == "differential" && argc == 6) || (mode == "hostile" && argc == 5)) {
		const bool hostile = mode == "hostile";
		const unsigned long long seed = std::strtoull(argv[3], nullptr, 10);
		std::mt19937_64 rng(seed);
		for (long rounds = std::atol(argv[4]), k = 0; k < rounds; k++) {
			const std::string input = hostile ? hostile_input(rng) : small_input(rng);
			std::string where = " (seed " + std::to_string(seed) + ", round " + std::to_string(k) + ")";
			Result want;
			if (!hostile) {
				want = run(words(argv[5]), input, from_file, 20);
				where += "; reference wrote [" + want.out + "]";
				if (!want.clean())
					fail("the reference failed", input, want, where);
			}
			const Result got = run(words(argv[2]), input, from_file, 20);
			if (!got.clean() || (hostile ? !plausible(input, got.out) : got.out != want.out))
				fail(hostile ? "bad run on hostile input" : "output differs from the reference", input, got, where);
		}
		return 0;
	}

	const bool waits = mode == "waits" && argc == 4;
	if ((mode == "open-stdin" && argc == 5) || waits) {
		const Result got = run(words(argv[2]), argv[3], held_open, waits ? 1 : 5);
		if (waits ? !got.hung : !got.clean() || got.out != argv[4])
			fail(waits ? "ended before the rest of its input came" : "bad run with standard input held open",
			     argv[3], got, waits ? "" : std::string(", expected [") + argv[4] + "]");
		return 0;
	}

	if (mode == "case" && argc >= 5)
		return run_case(argv[2], argv[3], std::vector<std::string>(argv + 4, argv + argc));

	std::fputs(usage, stderr);
	return 2;
}
