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

double medianMicroseconds(const std::function<void()>& fn, int calls, int runs)
{
    for (int i = 0; i < calls / 10 + 1; ++i) // warm caches and branch predictors
        fn();
    std::vector<double> means;
    for (int r = 0; r < runs; ++r) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < calls; ++i)
            fn();
        const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
        means.push_back(spent.count() / calls);
    }
    std::sort(means.begin(), means.end());
    return means[means.size() / 2];
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
