// Shared pieces of the picture tests: a design whose top level has one block diagram, built in
// code from the records; golden-file comparison; and the checks of a picture by the real XML
// parser and SVG converter, run as child processes.
#pragma once

#include "blockdiagram/diagram_labels.h"
#include "blockdiagram/diagram_settings.h"
#include "blockdiagram/entity_interface.h"
#include "blockdiagram/net_geometry.h"
#include "blockdiagram/net_lookup.h"
#include "blockdiagram/port_geometry.h"
#include "design/block_diagram.h"
#include "design/design.h"
#include "design/design_constructors.h"
#include "design/design_defaults.h"
#include "drawing/diagram_renderer.h"
#include "shell/test_files.h"
#include "shell/zeph_process.h"
#include "ui/scripted_platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace zeph::picture_testing {

// How often the piece occurs in the text (overlaps counted).
inline std::size_t count(const std::string& text, const std::string& piece) {
    std::size_t n = 0;
    for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1))
        ++n;
    return n;
}

inline std::string golden_path(const std::string& name) {
    return std::string(ZEPH_SOURCE_DIR) + "/tests/golden/drawing/" + name;
}

// Compares with the golden file byte for byte and shows the first line that differs. With
// ZEPH_UPDATE_GOLDEN set in the environment the golden file is written instead.
inline void expect_golden(const std::string& name, const std::string& actual) {
    const std::string path = golden_path(name);
    if (std::getenv("ZEPH_UPDATE_GOLDEN") != nullptr) {
        shell_test::write_file(path, actual);
        return;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "missing golden file " << path;
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string expected = buffer.str();
    if (expected == actual) return;
    std::istringstream e(expected), a(actual);
    std::string le, la;
    int line = 0;
    while (true) {
        ++line;
        bool more_e = static_cast<bool>(std::getline(e, le));
        bool more_a = static_cast<bool>(std::getline(a, la));
        if (!more_e && !more_a) break;
        if (le != la || more_e != more_a) {
            ADD_FAILURE() << name << " differs at line " << line << "\n  expected: " << le
                          << "\n  actual:   " << la;
            return;
        }
    }
    ADD_FAILURE() << name << " differs (line ends)";
}

inline shell_test::ZephResult run_tool(const std::string& program, std::vector<std::string> args) {
    shell_test::ZephRun run;
    run.program = program;
    run.args = std::move(args);
    return shell_test::run_zeph(run);
}

// The picture file is well-formed XML for xmllint and loads in rsvg-convert, which writes a
// PNG of it.
inline void expect_valid_svg(const std::string& path, const std::string& scratch_png) {
    shell_test::ZephResult lint = run_tool("/usr/bin/xmllint", {"--noout", path});
    EXPECT_EQ(lint.status, 0) << path << ": " << lint.err;
    EXPECT_EQ(lint.err, "");
    shell_test::ZephResult png = run_tool("/usr/bin/rsvg-convert", {"-o", scratch_png, path});
    EXPECT_EQ(png.status, 0) << path << ": " << png.err;
    std::string image =
        std::filesystem::exists(scratch_png) ? shell_test::read_file(scratch_png) : "";
    EXPECT_EQ(image.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8)) << path;
}

class PictureTest : public ::testing::Test {
  protected:
    PictureTest() {
        Entity& top = add_entity(design, new_entity(design, "Toplevel"));
        design.root = &top;
        architecture =
            &add_architecture(top, new_architecture(kArchitectureBlockDiagram, "a0", &top));
    }
    BlockDiagram& diagram() { return *architecture->block_diagram; }

    Entity& entity(const std::string& name, int width = 512, int height = 1024) {
        Entity& e = add_entity(design, new_entity(design, name));
        e.symbol_width = width;
        e.symbol_height = height;
        add_architecture(e, new_architecture(kArchitectureHdlFile, "rtl", &e));
        return e;
    }

    // A port of a component's entity at an offset on one side of its symbol.
    Port& symbol_port(Entity& e, const std::string& name, int mode, int side, Point offset,
                      const char* left = nullptr, const char* right = nullptr) {
        auto port = new_port();
        port->name = name;
        port->mode = mode;
        port->side = side;
        port->position = offset;
        if (left != nullptr) port->range = {true, left, right, kDirectionDownto};
        return add_entity_port(style(), design, e, std::move(port), nullptr, {});
    }

    // A port of the top level, placed on its diagram.
    Port& diagram_port(const std::string& name, int mode, Point at) {
        auto port = new_port();
        port->name = name;
        port->mode = mode;
        return add_entity_port(style(), design, *design.root, std::move(port), architecture, at);
    }

    Component& component(Entity& e, const std::string& name, Point at) {
        auto c = new_component();
        c->name = name;
        c->position = at;
        Component& added = add_component(diagram(), *architecture, &e,
                                         e.architectures.front().get(), std::move(c));
        added.name_label =
            make_label(style(), LabelKind::Component, {at.x + e.symbol_width / 2, at.y - 48});
        added.name_label.alignment = kAlignCentred;
        for (PortInstance& instance : added.port_instances) {
            Point origin = component_port_origin(added, *instance.port);
            instance.label =
                make_label(style(), LabelKind::Port, port_label_point(origin, instance.port->side));
        }
        return added;
    }

    Process& process(const std::string& name, Box box) {
        auto p = new_process(name, kProcessHdlFile);
        p->box = box;
        p->name_label =
            make_label(style(), LabelKind::Process, {(box.x1 + box.x2) / 2, box.y1 - 48});
        p->name_label.alignment = kAlignCentred;
        return add_process(diagram(), *architecture, std::move(p));
    }

    Port& process_port(Process& p, int mode, int side, Point origin) {
        auto port = new_port();
        port->mode = mode;
        port->side = side;
        port->position = origin;
        return add_process_port(p, std::move(port));
    }

    // A net from axis-parallel stretches, labelled at `label_at` when it has a name.
    Net& net(std::vector<std::pair<Point, Point>> stretches, const std::string& name = "",
             Point label_at = {}, bool bus = false) {
        auto n = std::make_unique<Net>();
        n->bus = bus;
        n->name = name;
        if (bus) n->range = {true, "7", "0", kDirectionDownto};
        for (const auto& [a, b] : stretches)
            EXPECT_TRUE(insert_stretch(*n, a, b));
        n->label = new_label(defaults, LabelKind::Net, label_at);
        n->number = static_cast<int>(diagram().nets.size());
        diagram().nets.push_back(std::move(n));
        Net& added = *diagram().nets.back();
        refresh_net_labels(added);
        return added;
    }

    BusEntry& bus_entry(Net& bus, Point at, const std::string& index,
                        const std::string& right = "") {
        auto entry = std::make_unique<BusEntry>();
        entry->bus_point = at;
        entry->stub_end = {at.x + 64, at.y + 64};
        entry->slice = !right.empty();
        entry->index = index;
        entry->right = right;
        entry->label = new_label(defaults, LabelKind::BusEntry, {at.x + 64, at.y + 32});
        bus.bus_entries.push_back(std::move(entry));
        refresh_net_labels(bus);
        return *bus.bus_entries.back();
    }

    void free_text(const std::string& text, Point at) {
        architecture->sheet.texts.push_back(
            make_label(style(), LabelKind::FreePlacedText, at, text));
    }

    // The picture with every label text rebuilt from the records.
    // The fixture's settings and defaults, nothing selected.
    DrawingOptions options() const {
        DrawingOptions o;
        o.settings = settings;
        o.defaults = defaults;
        return o;
    }
    std::string picture() { return picture(options()); }
    std::string picture(const DrawingOptions& options) {
        refresh_diagram_labels(*architecture);
        return block_diagram_svg(*architecture, options);
    }

    // Writes the picture to the scratch folder, checks it with the outside tools and compares
    // it with its golden file.
    void check_picture(const std::string& name, const std::string& svg) {
        std::string path = scratch / name;
        shell_test::write_file(path, svg);
        expect_valid_svg(path, scratch / (name + ".png"));
        expect_golden(name, svg);
    }

    DiagramLabelStyle style() const { return {defaults, settings}; }

    ui::ScriptedPlatform platform;
    DiagramSettings settings;
    DesignDefaults defaults;
    Design design;
    Architecture* architecture = nullptr;
    shell_test::ScratchDir scratch;
};

} // namespace zeph::picture_testing
