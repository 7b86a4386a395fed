// Generating VHDL and Verilog for a large design: 1,000 entities with block diagrams of ten
// components and fifty nets each (10,000 components, 50,000 nets), with the connection
// records verification leaves, written entity by entity as the generation run does.
#include "design/block_diagram.h"
#include "design/design.h"
#include "design/design_constructors.h"
#include "design/status_flags.h"
#include "hdl/architecture_text.h"
#include "hdl/hdl_context.h"
#include "hdl/verilog_module.h"
#include "hdl/vhdl_entity.h"

#include "ui/scripted_platform.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>
#include <string>

namespace {

using namespace zeph;

constexpr int kEntities = 1000;
constexpr int kComponents = 10;
constexpr int kNets = 50;

std::unique_ptr<Port> make_port(const std::string& name, int mode) {
    auto port = new_port();
    port->name = name;
    port->mode = mode;
    port->range = {true, "7", "0", kDirectionDownto};
    return port;
}

void attach(Net& net, Port* port, Component* component, PortPlacement* placement) {
    Attachment attachment;
    attachment.port = port;
    attachment.component = component;
    attachment.placement = placement;
    net.connections->attachments.push_back(attachment);
}

std::unique_ptr<Design> build_design() {
    auto design = std::make_unique<Design>();
    std::vector<Entity*> entities;
    for (int k = 0; k < kEntities; ++k) {
        Entity& e = add_entity(*design, new_entity(*design, "cell" + std::to_string(k)));
        auto generic = new_generic();
        generic->name = "width";
        generic->type = 4;
        generic->default_value = "8";
        e.generics.push_back(std::move(generic));
        e.ports.push_back(make_port("a", kModeIn));
        e.ports.push_back(make_port("y", kModeOut));
        Architecture& a =
            add_architecture(e, new_architecture(kArchitectureBlockDiagram, "structure", &e));
        if (!a.block_diagram) a.block_diagram = std::make_unique<BlockDiagram>();
        a.status = kStatusVerifiedDown;
        e.status = kStatusVerifiedDown;
        entities.push_back(&e);
    }
    for (int k = 0; k < kEntities; ++k) {
        Entity& e = *entities[static_cast<std::size_t>(k)];
        Architecture& a = *e.architectures.front();
        BlockDiagram& diagram = *a.block_diagram;
        for (int j = 0; j < kComponents; ++j) {
            Entity& child = *entities[static_cast<std::size_t>((k + j + 1) % kEntities)];
            auto component = new_component();
            component->name = "u" + std::to_string(j);
            Component& c = add_component(diagram, a, &child, child.architectures.front().get(),
                                         std::move(component));
            c.generic_values[0].actual_value = std::to_string(j + 1);
        }
        for (int n = 0; n < kNets; ++n) {
            auto net = std::make_unique<Net>();
            net->name = "s" + std::to_string(n);
            net->number = n;
            net->bus = true;
            net->range = {true, "7", "0", kDirectionDownto};
            net->connections = std::make_unique<NetConnections>();
            net->connections->signal_class = n < 40 ? 15 : 3;
            if (n < 2 * kComponents) {
                Component& c = *diagram.components[static_cast<std::size_t>(n / 2)];
                attach(*net, c.entity->ports[static_cast<std::size_t>(n % 2)].get(), &c, nullptr);
            }
            if (n == 0 || n == 45)
                attach(*net, e.ports[n == 0 ? 0 : 1].get(), nullptr, &a.port_placements[0]);
            diagram.nets.push_back(std::move(net));
        }
    }
    return design;
}

const Design& large_design() {
    static std::unique_ptr<Design> design = build_design();
    return *design;
}

void generate(benchmark::State& state, int language) {
    const Design& design = large_design();
    ui::ScriptedPlatform silent;
    HdlContext context(design, silent);
    context.language = language;
    context.parts = 52;
    for (const auto& entity : design.entities)
        context.bound_counts[entity->architectures.front().get()] = 1;
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::ostringstream out;
        for (const auto& entity : design.entities) {
            const Architecture& architecture = *entity->architectures.front();
            if (language == 1) {
                write_entity_declaration(out, context, *entity);
                write_architecture_heading(out, context, *entity, architecture, true);
                write_architecture(out, context, *entity, architecture);
            } else {
                write_module(out, context, *entity, architecture);
            }
        }
        bytes = out.str().size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["bytes"] = static_cast<double>(bytes);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

void BM_GenerateVhdl(benchmark::State& state) {
    generate(state, 1);
}
void BM_GenerateVerilog(benchmark::State& state) {
    generate(state, 2);
}

BENCHMARK(BM_GenerateVhdl)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenerateVerilog)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
