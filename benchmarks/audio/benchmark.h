#ifndef BENCHMARK_H
#define BENCHMARK_H

#include <functional>
#include <string>

// The sections of benchmark-audio. A section is a source file of its own that registers
// a function with BENCHMARK_SECTION; the function measures with medianMicroseconds() and
// prints its lines with report().
namespace Bench {

using SectionFunction = void (*)();

bool registerSection(const char* name, const char* title, SectionFunction run);

// Median over `runs` of the mean time of one call of fn within `calls` calls, in µs.
double medianMicroseconds(const std::function<void()>& fn, int calls = 2000, int runs = 21);

// Two calls timed in alternating runs, so that a busy machine slows both alike: their
// medians in µs and the median of the runs' ratios a / b.
struct Pair
{
    double a, b, ratio;
};
Pair medianPair(const std::function<void()>& a, const std::function<void()>& b, int calls = 2000, int runs = 21);

// One result line: label, time, and a note such as a ratio or a goal.
void report(const std::string& label, double microseconds, const std::string& note = std::string());

// Keeps the compiler from dropping a computation whose result is not used.
void keep(const void* p);

} // namespace Bench

#define BENCHMARK_SECTION(name, title, function)                                                                      \
    namespace {                                                                                                        \
    const bool registered_##function = Bench::registerSection(name, title, function);                                  \
    }

#endif // BENCHMARK_H
