// Shared fixture of the net tests: a design with one block-diagram architecture, a scripted
// platform installed for the test's lifetime, and helpers that draw nets and place ports.
#pragma once

#include "golden_files.h"

#include "blockdiagram/connect_by_name.h"
#include "blockdiagram/net_geometry.h"
#include "blockdiagram/net_rules.h"
#include "design/block_diagram.h"
#include "design/design.h"
#include "design/design_constructors.h"
#include "design/entity.h"
#include "foundation/kind_vocabulary.h"
#include "ui/scripted_platform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace zeph {

// Readable failure output; internal linkage so that other test helpers may print the same
// records their own way.
[[maybe_unused]] static void PrintTo(const JunctionPoint& j, std::ostream* os) {
    *os << "(" << j.x << "," << j.y << ")";
}
[[maybe_unused]] static void PrintTo(const Point& p, std::ostream* os) {
    *os << "(" << p.x << "," << p.y << ")";
}

} // namespace zeph

namespace zeph::net_testing {

struct Stroke {
    Point a;
    Point b;
};

// A net drawn from axis-parallel strokes through the net geometry.
inline std::unique_ptr<Net> drawn_net(const std::vector<Stroke>& strokes) {
    auto net = std::make_unique<Net>();
    for (const Stroke& s : strokes)
        EXPECT_TRUE(insert_stretch(*net, s.a, s.b)) << "diagonal stroke";
    return net;
}

// A segment's geometry without its scratch flags, for comparisons.
struct Seg {
    int x1, y1, x2, y2;
    bool operator==(const Seg&) const = default;
    friend void PrintTo(const Seg& s, std::ostream* os) {
        *os << "(" << s.x1 << "," << s.y1 << ")-(" << s.x2 << "," << s.y2 << ")";
    }
};

inline std::vector<Seg> plain(const std::vector<Segment>& segments) {
    std::vector<Seg> out;
    for (const Segment& s : segments)
        out.push_back({s.x1, s.y1, s.x2, s.y2});
    return out;
}

inline Seg seg(int x1, int y1, int x2, int y2) {
    return {x1, y1, x2, y2};
}

// Compares generated text with tests/golden/blockdiagram/<name>; ZEPH_UPDATE_GOLDEN=1 rewrites
// the file instead.
inline ::testing::AssertionResult matches_net_golden(const std::string& name,
                                                     const std::string& text) {
    return testing_support::matches_golden_file(std::filesystem::path("blockdiagram") / name, text);
}

class NetDiagramTest : public ::testing::Test {
  protected:
    NetDiagramTest() {
        entity = &add_entity(design, new_entity(design, "top"));
        architecture = &add_architecture(*entity, new_architecture(kArchitectureBlockDiagram, "a"));
        architecture->entity = entity;
    }

    BlockDiagram& diagram() { return *architecture->block_diagram; }

    Net& add_net(const std::vector<Stroke>& strokes, const std::string& name = "") {
        auto net = drawn_net(strokes);
        net->name = name;
        net->number = static_cast<int>(diagram().nets.size());
        diagram().nets.push_back(std::move(net));
        return *diagram().nets.back();
    }

    Net& add_bus(const std::vector<Stroke>& strokes, const std::string& name,
                 const std::string& left, const std::string& right) {
        Net& net = add_net(strokes, name);
        net.bus = true;
        net.range = {true, left, right, kDirectionDownto};
        return net;
    }

    // A diagram port of the entity at a point of this architecture's sheet.
    Port& add_diagram_port(const std::string& name, int mode, Point at) {
        auto port = new_port();
        port->name = name;
        port->mode = mode;
        entity->ports.push_back(std::move(port));
        architecture->port_placements.resize(entity->ports.size());
        architecture->port_placements.back().position = at;
        return *entity->ports.back();
    }

    // A component of a new entity with ports given as (name, mode, side, offset).
    struct PortSpec {
        std::string name;
        int mode;
        int side;
        Point offset;
    };
    Component& add_component(const std::string& name, const std::string& entity_name, Point at,
                             const std::vector<PortSpec>& ports) {
        Entity* child = find_entity(design, entity_name);
        if (child == nullptr) {
            child = &add_entity(design, new_entity(design, entity_name));
            for (const PortSpec& spec : ports) {
                auto port = new_port();
                port->name = spec.name;
                port->mode = spec.mode;
                port->side = spec.side;
                port->position = spec.offset;
                child->ports.push_back(std::move(port));
            }
        }
        auto component = new_component();
        component->name = name;
        component->position = at;
        return zeph::add_component(diagram(), *architecture, child, nullptr, std::move(component));
    }

    Process& add_process_with_port(const std::string& name, int mode, int side, Point origin) {
        auto process = new_process(name, kProcessHdlFile);
        auto port = new_port();
        port->mode = mode;
        port->side = side;
        port->position = origin;
        process->ports.push_back(std::move(port));
        return zeph::add_process(diagram(), *architecture, std::move(process));
    }

    std::vector<std::string> statuses() const { return platform.shown(ui::Shown::Status); }
    std::vector<std::string> questions() const { return platform.shown(ui::Shown::Question); }

    Design design;
    Entity* entity = nullptr;
    Architecture* architecture = nullptr;
    ui::ScriptedPlatform platform;
    NetRules rules;
};

} // namespace zeph::net_testing
