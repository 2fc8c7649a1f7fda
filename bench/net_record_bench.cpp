// Time per line of a ".NET" record through CExNetArray::SetData, for a
// record of 10,000 and one of 1,000,000 lines: a parse that is linear in the
// record's lines shows the same time per line for both.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "core/ExTemporary.h"
#include "layout/ExNet.h"

namespace {

std::string Coord(std::mt19937& rng)
{
    std::uniform_int_distribution<int> d(0, 250000);
    return std::to_string(d(rng) / 1000.0).substr(0, 7);
}

// Pins, one conductive area, then traces of 2 to 20 points and vias, as a
// router writes them, until the record has nLines lines.
std::vector<std::string> MakeNetRecord(std::size_t nLines)
{
    std::mt19937 rng(12345);
    std::uniform_int_distribution<int> points(2, 20);
    std::uniform_int_distribution<int> percent(0, 99);
    std::uniform_int_distribution<int> layer(1, 6);
    std::vector<std::string> r;
    r.reserve(nLines + 16);
    r.push_back(".NET \"DDR4_DQ12_BYTE1\"");
    r.push_back("..PIN U1-A12");
    r.push_back("..PIN U7-B3");
    for (const char* line : {"..CONDUCTIVE_AREA", "...ROUTE_LYR 2", "...HATCH_PATTERN \"Solid\"",
                             "...HATCH_WIDTH 0.2", "...PLANE_ID 3", "...CONDUCTIVE_AREA_OPTIONS THERMAL NO_ISLANDS",
                             "...POLYLINE_SHAPE"})
        r.push_back(line);
    r.push_back("....XY (0, 0) (40.5, 0) (40.5, 30.25) (0, 30.25) (0, 0)");
    while (r.size() < nLines) {
        if (percent(rng) < 80) {
            r.push_back("..TRACE");
            r.push_back("...ROUTE_LYR " + std::to_string(layer(rng)));
            r.push_back("...POLYLINE_PATH");
            r.push_back("....WIDTH 0.127");
            std::string xy = "....XY";
            for (int i = points(rng); i > 0; --i)
                xy += " (" + Coord(rng) + ", " + Coord(rng) + ")";
            r.push_back(std::move(xy));
            if (percent(rng) < 30)
                r.push_back("...TRACE_OPTIONS FIXED");
        } else {
            r.push_back("..VIA");
            r.push_back("...XY " + Coord(rng) + ", " + Coord(rng));
            r.push_back("...PADSTACK \"VIA_0.2_0.45\"");
            r.push_back("...LAYER_PAIR 1 " + std::to_string(layer(rng)));
            r.push_back("...TEARDROP_DATA");
            r.push_back("....TEARDROP_TEMPLATE_ID 1");
            r.push_back("....ROUTE_LYR 1");
        }
    }
    r.resize(nLines);
    return r;
}

void BM_NetRecord(benchmark::State& state)
{
    const std::vector<std::string> source = MakeNetRecord(static_cast<std::size_t>(state.range(0)));
    CExNetArray nets;
    CExTemporaryArray ignoreLog;
    CExTemporaryArray notUsedLog;
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::string> record = source;
        state.ResumeTiming();
        nets.SetData(record, "MM", &ignoreLog, &notUsedLog, 25.4);
        state.PauseTiming();
        benchmark::DoNotOptimize(nets.GetLastElement());
        nets.DeleteAll();
        state.ResumeTiming();
    }
    state.counters["lines"] = static_cast<double>(source.size());
    state.counters["time_per_line"] = benchmark::Counter(static_cast<double>(source.size()),
                                                         benchmark::Counter::kIsIterationInvariantRate |
                                                             benchmark::Counter::kInvert);
}

BENCHMARK(BM_NetRecord)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace
