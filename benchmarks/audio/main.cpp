// benchmark-audio [SECTION...]: runs the named sections (all without arguments) and prints
// median times on this machine. Not a test; scripts/benchmark-audio builds and runs it.
#include "benchmark.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

struct Section
{
    const char* name;
    const char* title;
    Bench::SectionFunction run;
};

std::vector<Section>& sections()
{
    static std::vector<Section> all;
    return all;
}

// The code under test logs as it does on the device; the figures are what matters here.
void quiet(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

} // namespace

namespace Bench {

bool registerSection(const char* name, const char* title, SectionFunction run)
{
    sections().push_back({name, title, run});
    return true;
}

namespace {

double meanMicroseconds(const std::function<void()>& fn, int calls)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < calls; ++i)
        fn();
    const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / calls;
}

void warm(const std::function<void()>& fn, int calls)
{
    for (int i = 0; i < calls / 10 + 1; ++i) // caches and branch predictors
        fn();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

double medianMicroseconds(const std::function<void()>& fn, int calls, int runs)
{
    warm(fn, calls);
    std::vector<double> means;
    for (int r = 0; r < runs; ++r)
        means.push_back(meanMicroseconds(fn, calls));
    return median(means);
}

Pair medianPair(const std::function<void()>& a, const std::function<void()>& b, int calls, int runs)
{
    warm(a, calls);
    warm(b, calls);
    std::vector<double> as, bs, ratios;
    for (int r = 0; r < runs; ++r) {
        as.push_back(meanMicroseconds(a, calls));
        bs.push_back(meanMicroseconds(b, calls));
        ratios.push_back(as.back() / bs.back());
    }
    return {median(as), median(bs), median(ratios)};
}

void report(const std::string& label, double microseconds, const std::string& note)
{
    std::printf("  %-52s %10.2f µs  %s\n", label.c_str(), microseconds, note.c_str());
    std::fflush(stdout);
}

void keep(const void* p)
{
    asm volatile("" : : "g"(p) : "memory");
}

} // namespace Bench

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(quiet);
    std::sort(sections().begin(), sections().end(),
              [](const Section& a, const Section& b) { return std::strcmp(a.name, b.name) < 0; });
    std::vector<const char*> wanted(argv + 1, argv + argc);
    for (const char* name : wanted) {
        if (std::none_of(sections().begin(), sections().end(),
                         [name](const Section& s) { return std::strcmp(s.name, name) == 0; })) {
            std::fprintf(stderr, "benchmark-audio: no section \"%s\"; there are:", name);
            for (const Section& s : sections())
                std::fprintf(stderr, " %s", s.name);
            std::fprintf(stderr, "\n");
            return 2;
        }
    }
    for (const Section& s : sections()) {
        if (!wanted.empty()
            && std::none_of(wanted.begin(), wanted.end(), [&s](const char* n) { return std::strcmp(n, s.name) == 0; }))
            continue;
        std::printf("%s (%s)\n", s.title, s.name);
        s.run();
    }
    return 0;
}
