// SPDX-License-Identifier: GPL-3.0-or-later
// Rows per second of the core formulas for each operation (numbers in, numbers out), of
// calculate() for each operation (key texts in: parsing, the windows' checks, the row), and of
// the batch path from CSV text in memory to CSV text, the way `rezhim-cli batch` runs it but
// without the disk, with and without a machine to check every row against; the time of one
// search for the largest feed or speed a machine allows; and of one sweep of a chart's points.
#include "app/cli/batchcalculation.h"
#include "app/cli/keyarguments.h"
#include "app/cli/operations.h"
#include "core/machine/machinecheck.h"
#include "core/operations/holes/holemaking.h"
#include "core/operations/milling/cylindricalmilling.h"
#include "core/operations/milling/discmilling.h"
#include "core/operations/milling/endmilling.h"
#include "core/operations/milling/facemilling.h"
#include "core/operations/threads/threadcutting.h"
#include "core/operations/turning/turning.h"
#include "core/plot/sweep.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

// A typical calculation of each operation, in the order of `operations`.
const std::array<std::vector<std::string_view>, operations.size()> examples{{
    {"tool=carbide", "work=steel", "H=750", "D=100", "z=10", "B=50", "t=2", "s=0.1", "v=100"},
    {"tool=hss", "work=steel", "H=750", "D=80", "z=8", "B=50", "t=3", "s=0.1", "v=30", "angle=30"},
    {"tool=hss", "work=steel", "H=750", "D=20", "z=4", "B=10", "t=5", "s=0.05", "v=25",
     "scheme=face"},
    {"tool=hss", "work=steel", "H=750", "D=100", "z=20", "B=10", "t=5", "s=0.05", "v=30"},
    {"tool=carbide", "work=steel", "H=750", "D=50", "t=2", "s=0.2", "v=100"},
    {"tool=carbide", "work=steel", "H=750", "D=50", "t=2", "s=0.2", "v=100"},
    {"tool=carbide", "work=steel", "H=750", "D=50", "t=2", "s=0.2", "v=100"},
    {"tool=carbide", "work=cast-iron", "H=190", "D=50", "t=2", "s=0.2", "v=100"},
    {"tool=hss", "work=steel", "H=750", "D=20", "s=0.3", "v=25"},
    {"tool=hss", "work=steel", "H=750", "D=20", "t=2", "s=0.3", "v=25"},
    {"tool=hss", "work=steel", "H=600", "D=20", "t=1.5", "s=0.6", "v=20"},
    {"tool=hss", "work=steel", "H=600", "D=20", "t=0.1", "s=0.6", "v=10"},
    {"tool=hss", "work=steel", "H=750", "D=20", "t=1", "s=2.5", "v=20", "passes=6"},
    {"tool=hss", "work=steel", "H=750", "D=20", "t=1", "s=2.5", "v=10"},
    {"tool=hss", "work=copper", "H=100", "D=20", "t=1", "s=2.5", "v=10"},
}};

void calculateRows(benchmark::State& state, const Operation& operation, KeyTexts texts) {
    for (auto _ : state) {
        Outcome outcome = calculate(operation, texts);
        benchmark::DoNotOptimize(outcome);
    }
    state.SetItemsProcessed(state.iterations());
}

// One row of a core formula: the inputs vary a little from row to row, as in a batch, so the
// compiler cannot fold the calculation away.
template <typename Formula> void formulaRows(benchmark::State& state, Formula formula) {
    double speed = 100;
    for (auto _ : state) {
        speed = speed < 200 ? speed + 0.5 : 100;
        benchmark::DoNotOptimize(formula(speed));
    }
    state.SetItemsProcessed(state.iterations());
}

void registerFormulas() {
    const auto carbide = ToolMaterial::Carbide;
    const auto hss = ToolMaterial::HighSpeedSteel;
    const auto steel = WorkMaterial::Steel;
    const auto milling = [](double v) { return MillingInputs{100, 10, 50, 2, 750, 0.1, v}; };
    const auto workpiece = [](double v) { return WorkpieceInputs{50, 2, 750, 0.2, v}; };
    benchmark::RegisterBenchmark("formula/face-milling", [=](benchmark::State& state) {
        formulaRows(state, [=](double v) { return faceMilling(carbide, steel, milling(v)); });
    });
    benchmark::RegisterBenchmark("formula/cylindrical-milling", [=](benchmark::State& state) {
        formulaRows(state,
                    [=](double v) { return cylindricalMilling(hss, steel, milling(v), 30); });
    });
    benchmark::RegisterBenchmark("formula/end-milling", [=](benchmark::State& state) {
        formulaRows(state, [=](double v) {
            return endMilling(carbide, steel, EndMillingScheme::Cylindrical, milling(v), 30);
        });
    });
    benchmark::RegisterBenchmark("formula/disc-milling", [=](benchmark::State& state) {
        formulaRows(state, [=](double v) { return discMilling(hss, steel, milling(v), 20); });
    });
    benchmark::RegisterBenchmark("formula/turning", [=](benchmark::State& state) {
        formulaRows(state, [=](double v) { return turning(carbide, steel, 1, workpiece(v)); });
    });
    benchmark::RegisterBenchmark("formula/core-drilling", [=](benchmark::State& state) {
        formulaRows(state, [=](double v) { return holeMaking(hss, steel, 3, workpiece(v)); });
    });
    benchmark::RegisterBenchmark("formula/thread-cutter", [=](benchmark::State& state) {
        formulaRows(state, [=](double v) {
            return threadCutting(ThreadTool::Cutter, hss, steel, workpiece(v), 6);
        });
    });
}

// The examples as batch rows, one operation after another.
std::string batchText(std::size_t rows) {
    std::string text = "operation";
    for (const std::string_view name : keyNames) {
        text += ',';
        text += name;
    }
    text += '\n';
    for (std::size_t row = 0; row < rows; ++row) {
        const std::size_t which = row % operations.size();
        const KeyTexts texts = readKeyArguments(examples[which]).texts;
        text += operations[which].name;
        for (const std::string_view value : texts) {
            text += ',';
            text += value;
        }
        text += '\n';
    }
    return text;
}

// A milling machine with data for every limit, so that each row is checked against all of them.
Machine benchMachine() {
    Machine machine;
    machine.power = 7.5;
    machine.efficiency = 0.8;
    machine.speeds = {31.5, 40,  50,  63,  80,  100, 125,  160,  200,
                      250,  315, 400, 500, 630, 800, 1000, 1250, 1600};
    machine.torqueMax = 500;
    machine.forceMax = 15000;
    return machine;
}

void batchRows(benchmark::State& state, std::optional<Machine> machine) {
    const auto rows = static_cast<std::size_t>(state.range(0));
    std::string text = batchText(rows);
    std::FILE* sink = std::fopen("/dev/null", "wb");
    for (auto _ : state) {
        std::FILE* source = fmemopen(text.data(), text.size(), "rb");
        CsvReader reader(source);
        std::string error;
        auto batch = BatchCalculation::begin(reader, error, machine);
        OutputBuffer output(sink);
        const BatchSummary summary = batch->run(output, sink);
        std::fclose(source);
        if (summary.rows != rows || summary.refused != 0) {
            state.SkipWithError("the batch did not compute every row");
            break;
        }
    }
    std::fclose(sink);
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

// One search, on the face-milling example: every limit solved for the varied input.
void largestRows(benchmark::State& state, Key varied) {
    const Operation& operation = *findOperation("face-milling");
    const Outcome outcome = calculate(operation, readKeyArguments(examples[0]).texts);
    const Calculation& calc = calculation(operation.window);
    const Machine machine = benchMachine();
    for (auto _ : state) {
        LargestValue largest = largestValue(calc, outcome.inputs, machine, varied);
        benchmark::DoNotOptimize(largest);
    }
    state.SetItemsProcessed(state.iterations());
}

// The face-milling example at 200 feeds, every result at each, as a chart or `rezhim-cli sweep`
// computes them.
void sweepRows(benchmark::State& state) {
    const Operation& operation = *findOperation("face-milling");
    const Outcome outcome = calculate(operation, readKeyArguments(examples[0]).texts);
    const Calculation& calc = calculation(operation.window);
    constexpr int count = 200;
    for (auto _ : state) {
        std::vector<SweepPoint> points =
            sweepPoints(calc, outcome.inputs, Key::s, 0.05, 0.4, count);
        benchmark::DoNotOptimize(points);
    }
    state.SetItemsProcessed(state.iterations() * count);
}

} // namespace

int main(int argc, char** argv) {
    registerFormulas();
    for (std::size_t i = 0; i < operations.size(); ++i) {
        const KeyTexts texts = readKeyArguments(examples[i]).texts;
        benchmark::RegisterBenchmark(("calculate/" + std::string(operations[i].name)).c_str(),
                                     calculateRows, operations[i], texts);
    }
    // The batch writes on a second thread, so its rate is taken over wall-clock time.
    // With and without a machine in the same run, so that the two rates compare.
    for (const bool checked : {false, true}) {
        const std::optional<Machine> machine =
            checked ? std::optional(benchMachine()) : std::nullopt;
        benchmark::RegisterBenchmark(checked ? "batch/machine" : "batch", batchRows, machine)
            ->Arg(100000)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
    benchmark::RegisterBenchmark("largestValue/s", largestRows, Key::s)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("largestValue/v", largestRows, Key::v)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("sweep/200", sweepRows)->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
