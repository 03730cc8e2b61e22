// Runs one black-box case of a case file (see product-pair.cases for the
// format):
//
//   run-case CASES NAME [WRAPPER...] PROGRAM
//
// PROGRAM runs after the words of WRAPPER, if any (an emulator, or
// valgrind and its options), with the case's input on standard input, its
// arguments, and its redirections, if any, made by the shell.  The case
// passes, and run-case ends silently with status 0, only when the output
// is byte for byte the expected output, the exit status is the case's (0
// unless given), and the standard error is empty, or, when the case gives
// a message, the one line "PROGRAM: message" with PROGRAM's file name.  A
// failed case prints what it expected and what it got, and ends with
// status 1; a case that cannot be read or run ends with status 2.
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace {

[[noreturn]] void fail(const std::string& what)
{
	std::fprintf(stderr, "run-case: %s\n", what.c_str());
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

std::vector<std::string> words(const std::string& s)
{
	std::vector<std::string> w;
	std::istringstream in(s);
	for (std::string word; in >> word;)
		w.push_back(word);
	return w;
}

int hex(char c)
{
	const std::string digits = "0123456789abcdef";
	std::size_t d = digits.find(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
	return d == std::string::npos ? -1 : static_cast<int>(d);
}

// The bytes an input field stands for: \n \t \s \p \xHH, and {text}*N
// for text (itself decoded) written N times.  Any other "\" or a short
// \x is a mistake in the case file, not a byte to send.
std::string decode(const std::string& field)
{
	auto digit = [&](std::size_t k) {
		return k < field.size() && std::isdigit(static_cast<unsigned char>(field[k]));
	};
	std::string bytes;
	for (std::size_t k = 0; k < field.size(); k++) {
		char c = field[k];
		std::size_t close = c == '{' ? field.find('}', k) : std::string::npos;
		if (close != std::string::npos && field.compare(close + 1, 1, "*") == 0 && digit(close + 2)) {
			std::string text = decode(field.substr(k + 1, close - k - 1));
			for (unsigned long n = std::strtoul(&field[close + 2], nullptr, 10); n > 0; n--)
				bytes += text;
			for (k = close + 2; digit(k + 1);)
				k++;
		} else if (c != '\\') {
			bytes += c;
		} else if (k + 1 < field.size() && std::string("ntsp").find(field[k + 1]) != std::string::npos) {
			bytes += "\n\t |"[std::string("ntsp").find(field[++k])];
		} else if (field.compare(k, 2, "\\x") == 0 && k + 3 < field.size() && hex(field[k + 2]) >= 0 &&
		           hex(field[k + 3]) >= 0) {
			bytes += static_cast<char>(hex(field[k + 2]) * 16 + hex(field[k + 3]));
			k += 3;
		} else {
			fail("no such escape in the input field: " + field.substr(k, 4));
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

std::string slurp(FILE* f)
{
	std::string s;
	std::rewind(f);
	char buf[65536];
	for (std::size_t r; (r = std::fread(buf, 1, sizeof buf, f)) > 0;)
		s.append(buf, r);
	return s;
}

// Run argv with input on standard input; its exit status, or 128 + the
// signal that ended it.
int run(const std::vector<std::string>& argv, const std::string& input, std::string& out, std::string& err)
{
	FILE* in = std::tmpfile();
	FILE* o = std::tmpfile();
	FILE* e = std::tmpfile();
	if (!in || !o || !e || std::fwrite(input.data(), 1, input.size(), in) != input.size() || std::fflush(in) != 0)
		fail("cannot make the temporary files");
	std::rewind(in);
	pid_t pid = fork();
	if (pid < 0)
		fail("cannot fork");
	if (pid == 0) {
		dup2(fileno(in), 0);
		dup2(fileno(o), 1);
		dup2(fileno(e), 2);
		std::vector<char*> args;
		for (const std::string& a : argv)
			args.push_back(const_cast<char*>(a.c_str()));
		args.push_back(nullptr);
		execvp(args[0], args.data());
		std::perror(args[0]);
		_exit(127);
	}
	int status = 0;
	while (waitpid(pid, &status, 0) < 0)
		if (errno != EINTR)
			fail("cannot wait for the program");
	out = slurp(o);
	err = slurp(e);
	return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

} // namespace

int main(int argc, char** argv)
{
	if (argc < 4)
		fail("usage: run-case CASES NAME [WRAPPER...] PROGRAM");
	std::ifstream file(argv[1], std::ios::binary);
	if (!file)
		fail(std::string("cannot read ") + argv[1]);
	std::vector<std::string> fields;
	for (std::string line; fields.empty() && std::getline(file, line);) {
		std::vector<std::string> f = split(line, '|');
		if (line.compare(0, 1, "#") != 0 && !f.empty() && trim(f[0]) == argv[2])
			fields = f;
	}
	if (fields.empty())
		fail(std::string(argv[2]) + ": no such case in " + argv[1]);
	for (std::string& f : fields)
		f = trim(f);
	fields.resize(std::max<std::size_t>(fields.size(), 6));
	std::string input = decode(fields[1]);
	const std::string& expected = fields[2];

	// The status field: a number, then the message, if any.
	int want_rc = 0;
	std::string want_err;
	const std::string& status = fields[5];
	std::size_t digits = status.find_first_not_of("0123456789");
	if (!status.empty()) {
		if (digits == 0 || (digits != std::string::npos && status[digits] != ' '))
			fail(std::string(argv[2]) + ": the status is not a number: " + status);
		want_rc = std::atoi(status.c_str());
		std::string message = digits == std::string::npos ? "" : trim(status.substr(digits));
		if (!message.empty()) {
			std::string program = argv[argc - 1];
			want_err = program.substr(program.rfind('/') + 1) + ": " + message + "\n";
		}
	}

	// The redirections are the shell's, made after it takes the command
	// from its arguments.
	std::vector<std::string> command;
	if (!fields[4].empty())
		command = {"sh", "-c", "exec \"$@\" " + fields[4], "sh"};
	command.insert(command.end(), argv + 3, argv + argc);
	for (const std::string& a : words(fields[3]))
		command.push_back(a);

	std::string out, err;
	int rc = run(command, input, out, err);
	if (out == expected && err == want_err && rc == want_rc)
		return 0;
	std::printf("case failed\n"
	            "expected output: [%s]\n"
	            "actual output:   [%s]\n"
	            "expected error:  [%s]\n"
	            "standard error:  [%s]\n"
	            "exit status:     %d, expected %d\n",
	            shown(expected).c_str(), shown(out).c_str(), shown(want_err).c_str(), shown(err).c_str(), rc,
	            want_rc);
	return 1;
}
