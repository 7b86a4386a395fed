// Cost of drawing a picture: the diagram of n components of one entity with ten ports each,
// five per side, labelled, and 5 n nets, each an S-shaped wire from a right-hand port of one
// component to the left-hand port of the next (the block-diagram benchmark's diagram), drawn
// into an SVG document.
#include "blockdiagram/diagram_labels.h"
#include "blockdiagram/net_geometry.h"
#include "blockdiagram/port_geometry.h"
#include "design/design.h"
#include "design/design_constructors.h"
#include "design/entity.h"
#include "drawing/diagram_renderer.h"
#include "foundation/strings.h"

#include <benchmark/benchmark.h>

namespace zeph {
namespace {

struct Workload {
    Design design;
    Architecture* architecture = nullptr;
};

std::unique_ptr<Workload> workload(int components) {
    auto w = std::make_unique<Workload>();
    const DiagramSettings settings;
    const DesignDefaults defaults;
    const DiagramLabelStyle style{defaults, settings};
    Entity& top = add_entity(w->design, new_entity(w->design, "top"));
    w->architecture = &add_architecture(top, new_architecture(kArchitectureBlockDiagram, "a"));
    w->architecture->sheet.size = 4;
    Entity& cell = add_entity(w->design, new_entity(w->design, "cell"));
    for (int i = 0; i < 10; ++i) {
        auto port = new_port();
        port->name = format_text("p%d", i);
        port->mode = i < 5 ? kModeIn : kModeOut;
        port->side = i < 5 ? kSideLeft : kSideRight;
        port->position = {i < 5 ? 0 : 512, 128 * (i % 5 + 1)};
        cell.ports.push_back(std::move(port));
    }
    BlockDiagram& diagram = *w->architecture->block_diagram;
    const int columns = 40;
    for (int c = 0; c < components; ++c) {
        auto component = new_component();
        component->name = format_text("u%d", c);
        component->position = {2048 * (c % columns), 1536 * (c / columns)};
        Component& added =
            add_component(diagram, *w->architecture, &cell, nullptr, std::move(component));
        added.name_label =
            make_label(style, LabelKind::Component, {added.position.x + 256, added.position.y - 48},
                       component_label_text(added, 3));
        added.name_label.alignment = kAlignCentred;
        for (PortInstance& instance : added.port_instances) {
            Point origin = component_port_origin(added, *instance.port);
            instance.label =
                make_label(style, LabelKind::Port, port_label_point(origin, instance.port->side),
                           instance.port->name);
        }
    }
    for (int c = 0; c < components; ++c) {
        const Point from = diagram.components[static_cast<std::size_t>(c)]->position;
        const Point to =
            diagram.components[static_cast<std::size_t>((c + 1) % components)]->position;
        for (int j = 0; j < 5; ++j) {
            Point a{from.x + 512 + 64, from.y + 128 * (j + 1)};
            Point b{to.x - 64, to.y + 128 * (j + 1)};
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

void BM_BlockDiagramSvg(benchmark::State& state) {
    std::unique_ptr<Workload> w = workload(static_cast<int>(state.range(0)));
    DrawingOptions options; // the documented settings and defaults
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string svg = block_diagram_svg(*w->architecture, options);
        bytes = svg.size();
        benchmark::DoNotOptimize(svg.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_BlockDiagramSvg)
    ->Arg(125)
    ->Arg(250)
    ->Arg(500)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

} // namespace
} // namespace zeph
