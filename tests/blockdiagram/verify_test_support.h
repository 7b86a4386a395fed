// Fixture of the verification tests: designs built directly from the records (entities,
// components, ports, processes, nets drawn as L-shaped wires between connection points, bus
// entries), a scripted platform that keeps the report window, and golden report files under
// tests/golden/verify/.
#pragma once

#include "golden_files.h"

#include "blockdiagram/connect_by_name.h"
#include "blockdiagram/net_geometry.h"
#include "blockdiagram/port_geometry.h"
#include "blockdiagram/verify_run.h"
#include "design/block_diagram.h"
#include "design/design.h"
#include "design/design_constructors.h"
#include "design/entity.h"
#include "design/report.h"
#include "ui/scripted_platform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace zeph::verify_testing {

// Compares a report with tests/golden/verify/<name>; ZEPH_UPDATE_GOLDEN=1 rewrites the file.
inline ::testing::AssertionResult matches_report_golden(const std::string& name,
                                                        const std::string& text) {
    return testing_support::matches_golden_file(std::filesystem::path("verify") / name, text);
}

struct PortSpec {
    PortSpec(std::string n, int m = kModeIn, int s = kSideLeft, Point o = {}, std::string l = {},
             std::string r = {}, std::string d = {})
        : name(std::move(n)), mode(m), side(s), offset(o), left(std::move(l)), right(std::move(r)),
          default_value(std::move(d)) {}
    std::string name;
    int mode = kModeIn;
    int side = kSideLeft;
    Point offset;
    std::string left; // a bus port when given
    std::string right;
    std::string default_value;
};

class VerifyTest : public ::testing::Test {
  protected:
    VerifyTest() {
        // State diagrams stand for leaves here; their own checks are not the subject (without
        // them a state diagram is an error of its own, see the shell's road tests).
        options.hooks.state_machine_checks = [](Report&, Entity&, Architecture&, Process*) {};
    }
    // An entity with one architecture of the kind (a block diagram "a" by default).
    Entity& entity(const std::string& name, int kind = kArchitectureBlockDiagram) {
        Entity& e = add_entity(design, new_entity(design, name));
        Architecture& a = add_architecture(e, new_architecture(kind, "a", &e));
        a.entity = &e;
        return e;
    }
    // An entity with a state-diagram body and the given ports: verified without connection
    // checks of its own.
    Entity& leaf(const std::string& name, const std::vector<PortSpec>& ports) {
        Entity& e = entity(name, kArchitectureStateDiagram);
        for (const PortSpec& spec : ports)
            add_port(e, spec);
        return e;
    }
    static Architecture& body(Entity& e) { return *e.architectures.front(); }
    static BlockDiagram& diagram(Entity& e) { return *body(e).block_diagram; }

    Port& add_port(Entity& e, const PortSpec& spec) {
        auto port = new_port();
        port->name = spec.name;
        port->mode = spec.mode;
        port->side = spec.side;
        port->position = spec.offset;
        port->default_value = spec.default_value;
        if (!spec.left.empty()) port->range = {true, spec.left, spec.right, kDirectionDownto};
        e.ports.push_back(std::move(port));
        for (auto& a : e.architectures)
            a->port_placements.resize(e.ports.size());
        return *e.ports.back();
    }
    // A diagram port placed on the entity's first architecture.
    Port& diagram_port(Entity& e, const std::string& name, int mode, Point at,
                       const std::string& left = {}, const std::string& right = {}) {
        Port& port = add_port(e, {name, mode, kSideLeft, {}, left, right, {}});
        body(e).port_placements.back().position = at;
        return port;
    }
    Generic& generic(Entity& e, const std::string& name, int type, const std::string& value) {
        auto g = new_generic();
        g->name = name;
        g->type = type;
        g->default_value = value;
        e.generics.push_back(std::move(g));
        for (auto& a : e.architectures)
            a->generic_placements.resize(e.generics.size());
        return *e.generics.back();
    }
    Component& place(Entity& owner, const std::string& name, Entity& of, Point at) {
        auto component = new_component();
        component->name = name;
        component->position = at;
        return add_component(diagram(owner), body(owner), &of, nullptr, std::move(component));
    }
    // A process whose ports (mode, side, origin) are given in order.
    Process& process(Entity& owner, const std::string& name, const std::vector<PortSpec>& ports,
                     int kind = kProcessStateDiagram) {
        auto p = new_process(name, kind);
        for (const PortSpec& spec : ports) {
            auto port = new_port();
            port->mode = spec.mode;
            port->side = spec.side;
            port->position = spec.offset;
            p->ports.push_back(std::move(port));
        }
        Process& added = add_process(diagram(owner), body(owner), std::move(p));
        for (auto& port : added.ports)
            port->owner = &added;
        return added;
    }

    static Point pin(Component& c, const std::string& port_name) {
        for (auto& port : c.entity->ports)
            if (port->name == port_name) return component_port_connection(c, *port);
        ADD_FAILURE() << "no port " << port_name;
        return {};
    }
    static Point pin(Entity& e, const std::string& port_name) {
        for (std::size_t i = 0; i < e.ports.size(); ++i)
            if (e.ports[i]->name == port_name)
                return diagram_port_connection(*e.ports[i], body(e).port_placements[i]);
        ADD_FAILURE() << "no diagram port " << port_name;
        return {};
    }
    static Point pin(Process& p, std::size_t index) {
        return process_port_connection(*p.ports[index]);
    }

    // A net drawn from the first point to each other point, horizontal first.
    Net& wire(Entity& owner, const std::vector<Point>& points, const std::string& name = {}) {
        auto net = std::make_unique<Net>();
        net->name = name;
        for (std::size_t i = 1; i < points.size(); ++i) {
            Point corner{points[i].x, points[0].y};
            if (corner.x != points[0].x) insert_stretch(*net, points[0], corner);
            if (corner.y != points[i].y) insert_stretch(*net, corner, points[i]);
        }
        BlockDiagram& d = diagram(owner);
        net->number = static_cast<int>(d.nets.size());
        d.nets.push_back(std::move(net));
        return *d.nets.back();
    }
    Net& bus(Entity& owner, const std::vector<Point>& points, const std::string& name,
             const std::string& left, const std::string& right, int direction = kDirectionDownto) {
        Net& net = wire(owner, points, name);
        net.bus = true;
        net.range = {true, left, right, direction};
        return net;
    }
    BusEntry& entry(Net& on, Point bus_point, Point stub, const std::string& index,
                    const std::string& right = {}) {
        auto e = std::make_unique<BusEntry>();
        e->bus_point = bus_point;
        e->stub_end = stub;
        e->index = index;
        e->right = right;
        e->slice = !right.empty();
        e->direction = on.range.direction;
        on.bus_entries.push_back(std::move(e));
        return *on.bus_entries.back();
    }

    std::string report_text() const {
        std::string text;
        for (const std::string& line : platform.report_lines())
            text += line + "\n";
        return text;
    }
    std::string verify_all() {
        verify_design(design, options, report);
        return report_text();
    }
    std::string verify_diagram(Entity& e) {
        design.current_entity = &e;
        design.current_architecture = &body(e);
        design.current_process = nullptr;
        verify_current(design, options, report);
        return report_text();
    }
    // Lines of the report that start with the prefix of a message number.
    int count_of(int number) const {
        int n = 0;
        for (const std::string& line : platform.report_lines())
            if (line.size() > 12 && line[11] == ':' &&
                std::atoi(line.substr(8, 3).c_str()) == number)
                ++n;
        return n;
    }
    static int signal_class(const Net& net) {
        return net.connections != nullptr ? net.connections->signal_class : -1;
    }

    Design design;
    ui::ScriptedPlatform platform;
    Report report{platform};
    VerifyOptions options;
};

} // namespace zeph::verify_testing
