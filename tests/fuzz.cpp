// Differential fuzzing with libFuzzer: each input runs through the
// reference and through product-pair's main, compiled here once for each
// SIMD level (plain, then x86-64-v2, v3 and v4 where the processor runs
// them).  A difference in output or status, or a word on standard error,
// aborts with the input as a line for tests/product-pair.cases.  The fuzz
// bytes are the input or, with STRUCTURED, drive the harness's generators.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <tuple>

#define main reference_main
#include "reference.cpp"
#undef main

#define main harness_main
#include "harness.cpp"
#undef main

#define main product_pair
#include "../product-pair/main.cpp"
#undef main

#if defined(__x86_64__)
#pragma clang attribute push(__attribute__((target("arch=x86-64-v2"))), apply_to = function)
#define main product_pair_v2
#include "../product-pair/main.cpp"
#undef main
#pragma clang attribute pop

#pragma clang attribute push(__attribute__((target("arch=x86-64-v3"))), apply_to = function)
#define main product_pair_v3
#include "../product-pair/main.cpp"
#undef main
#pragma clang attribute pop

#pragma clang attribute push(__attribute__((target("arch=x86-64-v4"))), apply_to = function)
#define main product_pair_v4
#include "../product-pair/main.cpp"
#undef main
#pragma clang attribute pop
#endif

namespace {

// A random engine that draws eight bytes a call from the fuzz input, then a
// fixed sequence, so that a generator's rejection loop still ends.
struct Bytes {
	using result_type = std::uint64_t;
	const std::uint8_t* data;
	std::size_t size;
	result_type spent = 0;
	static constexpr result_type min() { return 0; }
	static constexpr result_type max() { return UINT64_MAX; }
	result_type operator()()
	{
		if (size == 0)
			return spent += 0x9e3779b97f4a7c15;
		result_type v = 0;
		for (int k = 0; k < 8 && size > 0; k++, size--)
			v = v << 8 | *data++;
		return v;
	}
};

// Run one program's main on input, and capture its output and error.
Result call(int (*program)(), const std::string& input)
{
	char *out = nullptr, *err = nullptr;
	std::size_t out_size = 0, err_size = 0;
	const auto saved = std::tuple(stdin, stdout, stderr);
	stdin = fmemopen(const_cast<char*>(input.data()), input.size(), "r");
	stdout = open_memstream(&out, &out_size);
	stderr = open_memstream(&err, &err_size);
	if (!stdin || !stdout || !stderr)
		std::abort();
	const int status = program();
	for (FILE* f : {stdin, stdout, stderr})
		std::fclose(f);
	std::tie(stdin, stdout, stderr) = saved;
	const Result r = {status, false, std::string(out, out_size), std::string(err, err_size)};
	std::free(out);
	std::free(err);
	return r;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
#ifdef STRUCTURED
	Bytes bytes = {data, size};
	const std::string input = small_input(bytes);
#else
	const std::string input(reinterpret_cast<const char*>(data), size);
#endif
	// What the processor runs is asked once, not on every input.
	static const struct { const char* name; int (*program)(); bool runs; } levels[] = {
		{"plain", product_pair, true},
#if defined(__x86_64__)
		{"x86-64-v2", product_pair_v2, __builtin_cpu_supports("sse4.2") && __builtin_cpu_supports("popcnt")},
		{"x86-64-v3", product_pair_v3, __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi2") &&
		                                   __builtin_cpu_supports("fma")},
		{"x86-64-v4", product_pair_v4, __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
		                                   __builtin_cpu_supports("avx512vl") && __builtin_cpu_supports("avx512dq")},
#endif
	};
	const Result want = call(reference_main, input);
	for (const auto& level : levels) {
		if (!level.runs)
			continue;
		const Result got = call(level.program, input);
		if (got.status != want.status || got.out != want.out || !got.err.empty()) {
			std::fprintf(stderr,
			             "product-pair (%s) wrote [%s] with status %d and error [%s]; the reference wrote [%s]\n"
			             "case line: fuzz/finding | %s | %s\n",
			             level.name, got.out.c_str(), got.status, got.err.c_str(), want.out.c_str(),
			             shown(input).c_str(), want.out.c_str());
			std::abort();
		}
	}
	return 0;
}
