// The marks verification leaves for generation: the signal class of every net and bit, the
// direction flags of bus entries, the signals of process ports, and status bit 64 with the
// eligibility of a generation root.
#include "verify_test_support.h"

#include "design/status_flags.h"

#include <unistd.h>

namespace zeph::verify_testing {
namespace {

class SignalClassTest : public VerifyTest {
  protected:
    SignalClassTest() {
        options.type_checks = false;
        top = &entity("top");
    }
    Entity& cell_entity() {
        if (Entity* e = find_entity(design, "cell")) return *e;
        return leaf("cell", {{"a", kModeIn, kSideLeft, {0, 64}},
                             {"y", kModeOut, kSideRight, {512, 64}},
                             {"z", kModeBuffer, kSideRight, {512, 256}}});
    }
    Component& cell(const std::string& name, Point at) {
        return place(*top, name, cell_entity(), at);
    }
    void run() {
        verify_diagram(*top);
        ASSERT_EQ(report.errors(), 0) << report_text();
    }
    Entity* top = nullptr;
};

TEST_F(SignalClassTest, NetsWithoutBusEntries) {
    Component& u1 = cell("u1", {1000, 0});
    Component& u2 = cell("u2", {3000, 0});
    Net& internal = wire(*top, {pin(u1, "y"), pin(u2, "a")});
    diagram_port(*top, "i", kModeIn, {0, 1000});
    Component& u3 = cell("u3", {1000, 1000});
    Net& input = wire(*top, {pin(*top, "i"), pin(u3, "a")});
    diagram_port(*top, "j", kModeIn, {0, 2000});
    Component& u4 = cell("u4", {1000, 2000});
    Net& named_input = wire(*top, {pin(*top, "j"), pin(u4, "a")}, "jj");
    diagram_port(*top, "o", kModeOut, {3000, 3000});
    Component& u5 = cell("u5", {1000, 2936});
    Net& output = wire(*top, {pin(u5, "y"), pin(*top, "o")});
    diagram_port(*top, "o2", kModeOut, {5000, 4000});
    Component& u6 = cell("u6", {1000, 3936});
    Component& u7 = cell("u7", {3000, 4300});
    Net& output_read = wire(*top, {pin(u6, "y"), pin(*top, "o2"), pin(u7, "a")});
    diagram_port(*top, "k", kModeIn, {0, 6000});
    diagram_port(*top, "o3", kModeOut, {3000, 6000});
    Net& feedthrough = wire(*top, {pin(*top, "k"), pin(*top, "o3")});
    diagram_port(*top, "bf", kModeBuffer, {3000, 7192});
    Component& u8 = cell("u8", {1000, 7000});
    Net& buffer = wire(*top, {pin(u8, "z"), pin(*top, "bf")});
    run();
    EXPECT_EQ(signal_class(internal), 7);
    EXPECT_EQ(signal_class(input), 3);
    EXPECT_EQ(signal_class(named_input), 15);
    EXPECT_EQ(signal_class(output), 3);
    EXPECT_EQ(signal_class(output_read), 15);
    EXPECT_EQ(signal_class(feedthrough), 15);
    EXPECT_EQ(signal_class(buffer), 3) << report_text();
}

TEST_F(SignalClassTest, NetsReachedThroughBusEntries) {
    diagram_port(*top, "q", kModeIn, {0, 0}, "3", "0");
    Net& b = bus(*top, {pin(*top, "q"), {3000, 0}}, "", "3", "0");
    BusEntry& to_component = entry(b, {500, 0}, {564, 64}, "0");
    Component& u1 = cell("u1", {2000, 0});
    Net& one_entry = wire(*top, {{564, 64}, pin(u1, "a")});
    entry(b, {700, 0}, {764, 64}, "1");
    Net& named = wire(*top, {{764, 64}, {764, 400}, {1200, 400}}, "n1");
    diagram_port(*top, "o", kModeOut, {1500, 800});
    entry(b, {900, 0}, {964, 64}, "2");
    Net& to_port = wire(*top, {{964, 64}, pin(*top, "o")});
    // Two buses into one wire without ports.
    Net& c = bus(*top, {{0, 2000}, {1000, 2000}}, "c", "0", "0");
    Net& d = bus(*top, {{0, 2300}, {1000, 2300}}, "d", "0", "0");
    entry(c, {500, 2000}, {564, 2064}, "0");
    entry(d, {700, 2300}, {764, 2364}, "0");
    Net& two_entries = wire(*top, {{564, 2064}, {764, 2364}});
    run();
    EXPECT_EQ(signal_class(one_entry), 3);
    EXPECT_EQ(signal_class(named), 15);
    EXPECT_EQ(signal_class(to_port), 27);
    EXPECT_EQ(signal_class(two_entries), 11);
    ASSERT_EQ(b.bit_connections.size(), 4u);
    EXPECT_EQ(b.bit_connections[3].signal_class, 3);
    EXPECT_EQ(signal_class(b), 3);
    // The input drives the wire through the entry; the wire writes nothing back.
    EXPECT_NE(to_component.report_flags & kEntryBusDrivesWire, 0u);
    EXPECT_EQ(to_component.report_flags & kEntryWireDrivesBus, 0u);
    // Counts reached through the entry are added to the bit.
    EXPECT_EQ(b.bit_connections[0].destinations, 1);
    EXPECT_EQ(b.bit_connections[0].sources, 1);
}

// Two drivers joined by name make a local signal that needs a resolution function.
TEST_F(SignalClassTest, ConnectByNameSignalsAreClassified) {
    Component& u1 = cell("u1", {1000, 0});
    Component& u2 = cell("u2", {1000, 1000});
    Component& u3 = cell("u3", {3000, 0});
    for (const PlacedPort& placed : placed_ports(body(*top)))
        if ((placed.component == &u1 && placed.port->name == "y") ||
            (placed.component == &u2 && placed.port->name == "y") ||
            (placed.component == &u3 && placed.port->name == "a")) {
            tag_of(placed).mode = kConnectExplicit;
            tag_of(placed).label.text = "link";
        }
    quick_verify(design, *top, body(*top), options, report);
    EXPECT_EQ(report.errors(), 0) << report_text();
    EXPECT_EQ(count_of(155), 1) << report_text();
    EXPECT_NE(report_text().find("Note    155: Net 'link' needs a resolution function"),
              std::string::npos)
        << report_text();
}

TEST_F(SignalClassTest, ProcessPortsTakeTheirSignals) {
    diagram_port(*top, "q", kModeIn, {0, 0}, "3", "0");
    Net& b = bus(*top, {pin(*top, "q"), {3000, 0}}, "b", "3", "0");
    b.type_name = "Word";
    entry(b, {500, 0}, {564, 64}, "2");
    entry(b, {900, 0}, {964, 64}, "1", "0");
    Process& p = process(*top, "p",
                         {{"", kModeIn, kSideLeft, {1500, 400}},
                          {"", kModeIn, kSideLeft, {1500, 800}},
                          {"", kModeIn, kSideLeft, {1500, 1200}}});
    wire(*top, {{564, 64}, pin(p, 0)});
    Net& slice = wire(*top, {{964, 64}, pin(p, 1)});
    slice.bus = true;
    slice.range = {true, "1", "0", kDirectionDownto};
    slice.type_name = "Word";
    diagram_port(*top, "r", kModeIn, {0, 1200});
    wire(*top, {pin(*top, "r"), pin(p, 2)}, "rr");
    run();
    EXPECT_EQ(p.ports[0]->name, "b(2)");
    EXPECT_EQ(p.ports[1]->name, "b(1 Downto 0)");
    EXPECT_TRUE(p.ports[1]->range.has_range);
    EXPECT_EQ(p.ports[1]->range.left, "1");
    EXPECT_EQ(p.ports[2]->name, "rr");
    EXPECT_EQ(p.ports[1]->type_name, "Word");
    // A later run in which the port lost its wire leaves it without a signal.
    top->architectures.front()->block_diagram->nets.pop_back();
    verify_diagram(*top);
    EXPECT_EQ(p.ports[2]->name, "");
}

// Nets that are no local signals are not declared in the architecture: a process port on one
// names the diagram port the net (or its bus) belongs to, as a component port's actual does.
TEST_F(SignalClassTest, ProcessPortsOnDiagramPortsNameThePorts) {
    diagram_port(*top, "c", kModeIn, {0, 0}, "3", "0");
    Net& bus_c = bus(*top, {pin(*top, "c"), {3000, 0}}, "", "3", "0");
    entry(bus_c, {500, 0}, {564, 64}, "2");
    Process& p = process(*top, "p",
                         {{"", kModeIn, kSideLeft, {1500, 400}},
                          {"", kModeIn, kSideLeft, {1500, 800}},
                          {"", kModeOut, kSideRight, {2012, 800}}});
    wire(*top, {{564, 64}, pin(p, 0)});
    diagram_port(*top, "s", kModeIn, {0, 800});
    Net& in = wire(*top, {pin(*top, "s"), pin(p, 1)});
    diagram_port(*top, "o", kModeOut, {4000, 800});
    Net& out = wire(*top, {pin(p, 2), pin(*top, "o")});
    run();
    EXPECT_EQ(signal_class(in), 3);
    EXPECT_EQ(signal_class(out), 3);
    EXPECT_EQ(p.ports[0]->name, "c(2)");
    EXPECT_EQ(p.ports[1]->name, "s");
    EXPECT_EQ(p.ports[2]->name, "o");
}

class VerifiedDownTest : public VerifyTest {};

TEST_F(VerifiedDownTest, BitSixtyFourGrowsFromTheLeaves) {
    Entity& leaf_entity = leaf("leaf", {{"a", kModeIn, kSideLeft, {0, 64}, {}, {}, "'0'"}});
    Entity& middle = entity("middle");
    place(middle, "u1", leaf_entity, {1000, 0});
    Entity& upper = entity("upper");
    place(upper, "m1", middle, {1000, 0});
    Entity& outside = leaf("outside", {});
    outside.external = true;
    Entity& broken = entity("broken");
    place(broken, "u1", leaf_entity, {1000, 0});
    place(broken, "u1", leaf_entity, {3000, 0}); // duplicate name
    Entity& over_broken = entity("overbroken");
    place(over_broken, "b1", broken, {1000, 0});
    verify_all();
    for (Entity* e : {&leaf_entity, &middle, &upper, &outside})
        EXPECT_NE(e->status & kStatusVerifiedDown, 0u) << e->name << "\n" << report_text();
    EXPECT_NE(body(middle).status & kStatusVerifiedDown, 0u);
    EXPECT_EQ(broken.status & kStatusVerifiedDown, 0u);
    EXPECT_EQ(over_broken.status & kStatusVerifiedDown, 0u);
    EXPECT_TRUE(verified_root_candidate(design, upper));
    EXPECT_FALSE(verified_root_candidate(design, outside)) << "external entities are no roots";
    EXPECT_TRUE(has_verified_root_candidate(design));
}

TEST_F(VerifiedDownTest, TopLevelIsNeverARoot) {
    Entity& top = entity("Toplevel");
    design.root = &top;
    Entity& only = entity("only");
    place(top, "u1", only, {1000, 0});
    verify_all();
    EXPECT_NE(top.status & kStatusVerifiedDown, 0u) << report_text();
    EXPECT_FALSE(verified_root_candidate(design, top));
    // "only" has an empty diagram: warnings, but no error, so it is a root.
    EXPECT_TRUE(verified_root_candidate(design, only)) << report_text();
    place(only, "u1", only, {1000, 0}); // instantiates itself
    verify_all();
    EXPECT_FALSE(verified_root_candidate(design, only));
}

} // namespace
} // namespace zeph::verify_testing

namespace zeph::verify_testing {
namespace {

// The VHDL file of an HDL-file architecture is looked for in its directory of the project.
TEST_F(VerifiedDownTest, HdlFileIsFoundInTheArchitectureDirectory) {
    std::filesystem::path project = std::filesystem::temp_directory_path() /
                                    ("zeph_verify_" + std::to_string(::getpid()) + ".vdp");
    Entity& coded = entity("coded", kArchitectureHdlFile);
    body(coded).hdl_file->vhdl_file = "coded.vhd";
    options.project_directory = project.string();
    verify_all();
    EXPECT_EQ(count_of(102), 1) << report_text();
    std::filesystem::path directory = project / "work" / coded.directory / body(coded).directory;
    std::filesystem::create_directories(directory);
    std::ofstream(directory / "coded.vhd") << "-- body\n";
    verify_all();
    EXPECT_EQ(count_of(102), 0) << report_text();
    EXPECT_NE(coded.status & kStatusVerifiedDown, 0u);
    std::filesystem::remove_all(project);
}

} // namespace
} // namespace zeph::verify_testing
