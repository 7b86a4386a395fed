// Costs of the net geometry and of the attachment pass: one net grown to 10,000 segments, and
// attach_ports on a diagram of 1,000 components and 5,000 nets (with smaller sizes for growth).
#include "blockdiagram/attach_ports.h"
#include "blockdiagram/net_geometry.h"
#include "design/design.h"
#include "design/design_constructors.h"
#include "design/entity.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "ui/scripted_platform.h"

#include <benchmark/benchmark.h>

namespace zeph {
namespace {

// A comb: a spine drawn first, then teeth that each cut it (two segments per tooth).
void BM_NetCombInsertion(benchmark::State& state) {
    const int teeth = static_cast<int>(state.range(0)) / 2;
    for (auto _ : state) {
        Net net;
        insert_horizontal(net, {0, 0}, {64 * (teeth + 1), 0});
        for (int i = 1; i <= teeth; ++i)
            insert_vertical(net, {64 * i, 0}, {64 * i, 256});
        benchmark::DoNotOptimize(net.horizontal.data());
        state.counters["segments"] =
            static_cast<double>(net.horizontal.size() + net.vertical.size());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_NetCombInsertion)->Arg(1250)->Arg(2500)->Arg(5000)->Arg(10000)->Complexity();

// A staircase of alternating stretches, each extending from the last corner.
void BM_NetStaircaseInsertion(benchmark::State& state) {
    const int steps = static_cast<int>(state.range(0)) / 2;
    for (auto _ : state) {
        Net net;
        Point p{0, 0};
        for (int i = 0; i < steps; ++i) {
            Point q{p.x + 64, p.y};
            insert_horizontal(net, p, q);
            Point r{q.x, q.y + 64};
            insert_vertical(net, q, r);
            p = r;
        }
        benchmark::DoNotOptimize(net.vertical.data());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_NetStaircaseInsertion)->Arg(1250)->Arg(2500)->Arg(5000)->Arg(10000)->Complexity();

// Deleting the middle tooth's stem of a 10,000-segment comb (the net stays whole) and a
// spine segment (the net splits), on a fresh copy each time.
void BM_NetDeleteAndSplit(benchmark::State& state) {
    Net comb;
    const int teeth = 5000;
    insert_horizontal(comb, {0, 0}, {64 * (teeth + 1), 0});
    for (int i = 1; i <= teeth; ++i)
        insert_vertical(comb, {64 * i, 0}, {64 * i, 256});
    ui::ScriptedPlatform silent;
    for (auto _ : state) {
        state.PauseTiming();
        BlockDiagram diagram;
        auto copy = std::make_unique<Net>();
        copy->horizontal = comb.horizontal;
        copy->vertical = comb.vertical;
        copy->junctions = comb.junctions;
        diagram.nets.push_back(std::move(copy));
        state.ResumeTiming();
        delete_segment_and_split(silent, kLanguageVhdl, diagram, 0,
                                 {Orientation::Vertical, teeth / 2});
        delete_segment_and_split(silent, kLanguageVhdl, diagram, 0,
                                 {Orientation::Horizontal, teeth / 2});
        benchmark::DoNotOptimize(diagram.nets.size());
        silent.clear_transcript();
    }
}
BENCHMARK(BM_NetDeleteAndSplit)->Unit(benchmark::kMicrosecond);

// Merging a two-segment wire into a comb of n segments that it touches at one point: the
// short-circuit check works on a scratch copy of the large net.
void BM_NetMergeWireIntoLargeNet(benchmark::State& state) {
    const int teeth = static_cast<int>(state.range(0)) / 2;
    Net comb;
    insert_horizontal(comb, {0, 0}, {64 * (teeth + 1), 0});
    for (int i = 1; i <= teeth; ++i)
        insert_vertical(comb, {64 * i, 0}, {64 * i, 256});
    ui::ScriptedPlatform silent;
    for (auto _ : state) {
        state.PauseTiming();
        BlockDiagram diagram;
        auto copy = std::make_unique<Net>();
        copy->horizontal = comb.horizontal;
        copy->vertical = comb.vertical;
        copy->junctions = comb.junctions;
        diagram.nets.push_back(std::move(copy));
        auto wire = std::make_unique<Net>();
        insert_vertical(*wire, {96, 0}, {96, -512});
        insert_horizontal(*wire, {96, -512}, {512, -512});
        wire->number = 1;
        diagram.nets.push_back(std::move(wire));
        state.ResumeTiming();
        benchmark::DoNotOptimize(merge_nets(silent, diagram, 0, 1));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_NetMergeWireIntoLargeNet)
    ->Arg(2500)
    ->Arg(5000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();

// A diagram of n components of one entity with ten ports each (five per side), and 5 n nets,
// each an S-shaped wire from a right-hand port of one component to the left-hand port of the
// next: every wire end sits on a port, so the pass reports nothing.
struct Workload {
    Design design;
    Architecture* architecture = nullptr;
};

std::unique_ptr<Workload> workload(int components) {
    auto w = std::make_unique<Workload>();
    Entity& top = add_entity(w->design, new_entity(w->design, "top"));
    w->architecture = &add_architecture(top, new_architecture(kArchitectureBlockDiagram, "a"));
    Entity& cell = add_entity(w->design, new_entity(w->design, "cell"));
    for (int i = 0; i < 10; ++i) {
        auto port = new_port();
        port->name = format_text("p%d", i);
        port->mode = i < 5 ? kModeIn : kModeOut;
        port->side = i < 5 ? 4 : 2;
        port->position = {i < 5 ? 0 : 512, 128 * (i % 5 + 1)};
        cell.ports.push_back(std::move(port));
    }
    BlockDiagram& diagram = *w->architecture->block_diagram;
    const int columns = 40;
    for (int c = 0; c < components; ++c) {
        auto component = new_component();
        component->name = format_text("u%d", c);
        component->position = {2048 * (c % columns), 1536 * (c / columns)};
        add_component(diagram, *w->architecture, &cell, nullptr, std::move(component));
    }
    for (int c = 0; c < components; ++c) {
        const Point from_origin = diagram.components[static_cast<std::size_t>(c)]->position;
        const Point to_origin =
            diagram.components[static_cast<std::size_t>((c + 1) % components)]->position;
        for (int j = 0; j < 5; ++j) {
            Point a{from_origin.x + 512 + 64, from_origin.y + 128 * (j + 1)};
            Point b{to_origin.x - 64, to_origin.y + 128 * (j + 1)};
            int middle = a.x + 64 * (j + 1);
            auto net = std::make_unique<Net>();
            insert_horizontal(*net, a, {middle, a.y});
            insert_vertical(*net, {middle, a.y}, {middle, b.y});
            insert_horizontal(*net, {middle, b.y}, b);
            net->number = static_cast<int>(diagram.nets.size());
            diagram.nets.push_back(std::move(net));
        }
    }
    return w;
}

void BM_AttachPorts(benchmark::State& state) {
    std::unique_ptr<Workload> w = workload(static_cast<int>(state.range(0)));
    ui::ScriptedPlatform silent;
    AttachOptions options;
    Report report(silent);
    for (auto _ : state) {
        Attachments result = attach_ports(*w->architecture, options, report);
        benchmark::DoNotOptimize(result.wired.size());
        if (report.errors() + report.warnings() != 0) state.SkipWithError("unexpected findings");
    }
    state.counters["nets"] = static_cast<double>(w->architecture->block_diagram->nets.size());
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_AttachPorts)
    ->Arg(125)
    ->Arg(250)
    ->Arg(500)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

} // namespace
} // namespace zeph
