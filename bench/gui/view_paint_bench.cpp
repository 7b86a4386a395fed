// Cost of one frame of the diagram view: a block diagram of n components of one entity with ten
// ports each, labelled, and 5 n nets, each an S-shaped wire from a right-hand port of one
// component to the left-hand port of the next (the picture benchmark's diagram), made the
// session's current diagram and painted by the view into a 1024 x 768 offscreen image with the
// whole diagram in view (the overview), or zoomed in on four columns of components, where every
// label can be read.
#include "blockdiagram/diagram_editor.h"
#include "blockdiagram/diagram_labels.h"
#include "blockdiagram/net_geometry.h"
#include "blockdiagram/port_geometry.h"
#include "design/design.h"
#include "design/design_constructors.h"
#include "design/entity.h"
#include "diagram_view.h"
#include "foundation/strings.h"
#include "shell/main_window_dispatch.h"
#include "shell/session.h"
#include "shell/timers.h"
#include "ui/scripted_platform.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace zeph {
namespace {

constexpr int kColumns = 40;
constexpr int kColumnStep = 2048;
constexpr int kRowStep = 1536;

void fill(Design& design, Architecture& architecture, int components, const Session& session) {
    const DiagramLabelStyle style{session.design_defaults(), session.diagram_settings()};
    Entity& cell = add_entity(design, new_entity(design, "cell"));
    for (int i = 0; i < 10; ++i) {
        auto port = new_port();
        port->name = format_text("p%d", i);
        port->mode = i < 5 ? kModeIn : kModeOut;
        port->side = i < 5 ? kSideLeft : kSideRight;
        port->position = {i < 5 ? 0 : 512, 128 * (i % 5 + 1)};
        cell.ports.push_back(std::move(port));
    }
    BlockDiagram& diagram = *architecture.block_diagram;
    for (int c = 0; c < components; ++c) {
        auto component = new_component();
        component->name = format_text("u%d", c);
        component->position = {kColumnStep * (c % kColumns), kRowStep * (c / kColumns)};
        Component& added =
            add_component(diagram, architecture, &cell, nullptr, std::move(component));
        added.name_label =
            make_label(style, LabelKind::Component, {added.position.x + 256, added.position.y - 48},
                       component_label_text(added, 3));
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
}

// Paints the diagram of `components` components in the view, showing `columns` columns of them.
void paint_frames(benchmark::State& state, int columns) {
    int components = static_cast<int>(state.range(0));
    std::filesystem::path scratch = std::filesystem::temp_directory_path() / "zeph-view-bench";
    std::filesystem::create_directories(scratch);
    std::filesystem::current_path(scratch);
    ui::ScriptedPlatform platform;
    Timers timers;
    Session session(platform, timers, {(scratch / "zeph.ini").string(), false, [] {}});
    session.start_untitled();
    DiagramEditor* editor = current_block_diagram_editor(session);
    if (editor == nullptr) {
        state.SkipWithError("no block diagram");
        return;
    }
    fill(*session.design(), editor->architecture(), components, session);
    int rows = (components + kColumns - 1) / kColumns;
    if (columns >= kColumns)
        editor->view().area = {-kColumnStep / 4, -kRowStep / 4, kColumns * kColumnStep,
                               rows * kRowStep};
    else
        editor->view().area = {0, 0, columns * kColumnStep, columns * kColumnStep * 3 / 4};

    DiagramView view(session);
    QImage image(1024, 768, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        view.paint_diagram(painter, QRectF(image.rect()));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetComplexityN(state.range(0));
    session.abandon();
}

void BM_ViewFrame(benchmark::State& state) {
    paint_frames(state, kColumns);
}
BENCHMARK(BM_ViewFrame)
    ->Arg(125)
    ->Arg(250)
    ->Arg(500)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

void BM_ViewFrameZoomedIn(benchmark::State& state) {
    paint_frames(state, 4);
}
BENCHMARK(BM_ViewFrameZoomedIn)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zeph

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
