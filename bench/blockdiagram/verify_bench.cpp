// Whole-design verification of large designs: E entities, each a block diagram of 10
// components in a chain joined by 50 nets (5 wires between neighbours, 5 from diagram input
// ports to the first component). At E = 1000 the design holds 10,000 components and 50,000
// nets.
#include "blockdiagram/net_geometry.h"
#include "blockdiagram/port_geometry.h"
#include "blockdiagram/verify_run.h"
#include "design/block_diagram.h"
#include "design/design_constructors.h"
#include "design/report.h"
#include "ui/scripted_platform.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace zeph {
namespace {

constexpr int kComponents = 10;
constexpr int kWires = 5;

std::string numbered(const char* stem, int n) {
    std::string name = stem;
    name += std::to_string(n);
    return name;
}

Entity& make_cell(Design& design) {
    Entity& cell = add_entity(design, new_entity(design, "cell"));
    for (int j = 0; j < kWires; ++j)
        for (int mode : {kModeIn, kModeOut}) {
            auto port = new_port();
            port->name = numbered(mode == kModeIn ? "a" : "y", j);
            port->mode = mode;
            port->side = mode == kModeIn ? kSideLeft : kSideRight;
            port->position = {mode == kModeIn ? 0 : 512, 128 * (j + 1)};
            cell.ports.push_back(std::move(port));
        }
    Architecture& body =
        add_architecture(cell, new_architecture(kArchitectureStateDiagram, "a", &cell));
    body.entity = &cell;
    return cell;
}

Port& port_named(Entity& e, const std::string& name) {
    for (auto& port : e.ports)
        if (port->name == name) return *port;
    return *e.ports.front();
}

void add_net(BlockDiagram& diagram, Point from, Point to) {
    auto net = std::make_unique<Net>();
    insert_stretch(*net, from, {to.x, from.y});
    if (from.y != to.y) insert_stretch(*net, {to.x, from.y}, to);
    net->number = static_cast<int>(diagram.nets.size());
    diagram.nets.push_back(std::move(net));
}

void make_chain(Design& design, Entity& cell, int index) {
    Entity& e = add_entity(design, new_entity(design, numbered("chain", index)));
    Architecture& body = add_architecture(e, new_architecture(kArchitectureBlockDiagram, "a", &e));
    body.entity = &e;
    for (int j = 0; j < kWires; ++j) {
        auto port = new_port();
        port->name = numbered("i", j);
        port->mode = kModeIn;
        e.ports.push_back(std::move(port));
        body.port_placements.resize(e.ports.size());
        body.port_placements.back().position = {0, 128 * (j + 1) + 64};
    }
    BlockDiagram& diagram = *body.block_diagram;
    std::vector<Component*> components;
    for (int c = 0; c < kComponents; ++c) {
        auto component = new_component();
        component->name = numbered("u", c);
        component->position = {1000 + 2000 * c, 64};
        components.push_back(&add_component(diagram, body, &cell, nullptr, std::move(component)));
    }
    for (int j = 0; j < kWires; ++j) {
        std::string a = numbered("a", j);
        std::string y = numbered("y", j);
        add_net(diagram,
                diagram_port_connection(*e.ports[static_cast<std::size_t>(j)],
                                        body.port_placements[static_cast<std::size_t>(j)]),
                component_port_connection(*components.front(), port_named(cell, a)));
        for (int c = 0; c + 1 < kComponents; ++c)
            add_net(diagram,
                    component_port_connection(*components[static_cast<std::size_t>(c)],
                                              port_named(cell, y)),
                    component_port_connection(*components[static_cast<std::size_t>(c) + 1],
                                              port_named(cell, a)));
    }
}

std::unique_ptr<Design> make_design(int entities) {
    auto design = std::make_unique<Design>();
    Entity& cell = make_cell(*design);
    for (int i = 0; i < entities; ++i)
        make_chain(*design, cell, i);
    return design;
}

void BM_VerifyDesign(benchmark::State& state) {
    ui::ScriptedPlatform platform;
    std::unique_ptr<Design> design = make_design(static_cast<int>(state.range(0)));
    VerifyOptions options;
    Report report(platform);
    for (auto _ : state) {
        platform.clear_transcript();
        verify_design(*design, options, report);
        benchmark::DoNotOptimize(report.warnings());
    }
    state.counters["components"] = static_cast<double>(state.range(0) * kComponents);
    state.counters["nets"] = static_cast<double>(state.range(0) * kComponents * kWires);
    state.counters["warnings"] = report.warnings();
    state.counters["errors"] = report.errors();
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_VerifyDesign)
    ->Arg(100)
    ->Arg(300)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

} // namespace
} // namespace zeph
