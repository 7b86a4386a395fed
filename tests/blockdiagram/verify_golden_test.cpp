// Whole reports of small designs compared line for line with golden files: the top-level
// rules, name checks, value checks, connection checks and the connection analysis. Together
// the files raise every message number of block diagram verification.
#include "verify_test_support.h"

#include "design/generic.h"

#include <set>

namespace zeph::verify_testing {
namespace {

class GoldenReportTest : public VerifyTest {
  protected:
    // "a" In on the left and "y" Out on the right of a 512 wide symbol.
    Entity& inv() {
        if (Entity* e = find_entity(design, "inv")) return *e;
        return leaf("inv",
                    {{"a", kModeIn, kSideLeft, {0, 64}}, {"y", kModeOut, kSideRight, {512, 64}}});
    }
    Component& cell(Entity& owner, const std::string& name, Point at) {
        return place(owner, name, inv(), at);
    }
    void tag(Entity& owner, const Component& component, const std::string& port, int mode,
             const std::string& name = {}) {
        for (const PlacedPort& placed : placed_ports(body(owner)))
            if (placed.component == &component && placed.port->name == port) {
                ConnectByName& t = tag_of(placed);
                t.mode = mode;
                t.label.text = name;
            }
    }
};

TEST_F(GoldenReportTest, TopLevel) {
    Entity& top = entity("Toplevel");
    design.root = &top;
    generic(top, "g", 4, "1");
    diagram_port(top, "p", kModeIn, {0, 0});
    Component& u1 = cell(top, "u1", {1000, 0});
    cell(top, "u2", {1000, 1000});
    process(top, "p1", {{"", kModeIn, kSideLeft, {3000, 0}}});
    wire(top, {pin(u1, "y"), {2000, 64}, {2000, 500}});
    tag(top, u1, "a", kConnectOwnName);
    EXPECT_TRUE(matches_report_golden("toplevel.txt", verify_all()));
}

TEST_F(GoldenReportTest, EntityAndDiagramNames) {
    Entity& names = entity("names");
    diagram_port(names, "in", kModeIn, {0, 0});
    diagram_port(names, "9x", kModeIn, {0, 300});
    diagram_port(names, "a", kModeIn, {0, 600});
    diagram_port(names, "a", kModeIn, {0, 900});
    diagram_port(names, "inv", kModeIn, {0, 1200});
    generic(names, "a", 4, "1");
    generic(names, "g", 4, "");
    generic(names, "t", 0, "1");
    generic(names, "b", 3, "maybe");
    Entity& sized = leaf("sized", {{"a", kModeIn, kSideLeft, {0, 64}}});
    generic(sized, "w", 4, "8");
    Entity& outside = leaf("outside", {{"a", kModeIn, kSideLeft, {0, 64}}});
    outside.external = true;
    generic(outside, "w", 4, "wide");
    Component& u1 = place(names, "u1", sized, {1000, 0});
    u1.generic_values[0].actual_value = "x!";
    Component& u2 = place(names, "u2", outside, {1000, 1000});
    u2.generic_values[0].actual_value = "big";
    cell(names, "inv", {1000, 2000});
    cell(names, "u1", {1000, 3000});
    process(names, "u2", {});
    process(names, "p", {{"", kModeIn, kSideLeft, {3000, 0}}});
    process(names, "p", {{"", kModeIn, kSideLeft, {3000, 500}}});
    wire(names, {{5000, 0}, {6000, 0}}, "u1");
    wire(names, {{5000, 500}, {6000, 500}}, "sig");
    wire(names, {{5000, 900}, {6000, 900}}, "sig");
    wire(names, {{5000, 1300}, {6000, 1300}}, "sized");
    entity("empty");
    Entity& hdl = entity("hdl", kArchitectureHdlFile);
    Architecture& second = add_architecture(hdl, new_architecture(kArchitectureHdlFile, "b", &hdl));
    second.entity = &hdl;
    second.hdl_file->vhdl_file = "missing.vhd";
    options.project_directory = "/nonexistent/project.vdp";
    EXPECT_TRUE(matches_report_golden("names.txt", verify_all()));
}

TEST_F(GoldenReportTest, Values) {
    Entity& vals = entity("vals");
    generic(vals, "n", 4, "");
    generic(vals, "m", 3, "true");
    diagram_port(vals, "d", kModeIn, {0, 0}, "n", "0");
    diagram_port(vals, "e", kModeIn, {0, 300}, "0", "7");
    diagram_port(vals, "f", kModeIn, {0, 600}, "x", "0");
    diagram_port(vals, "h", kModeIn, {0, 900}, "m", "0");
    Port& g = diagram_port(vals, "g", kModeIn, {0, 1200});
    g.default_value = "2";
    Port& k = diagram_port(vals, "k", kModeIn, {0, 1500});
    k.signal_kind = 1;
    Entity& wide = leaf("wide", {{"v", kModeIn, kSideLeft, {0, 64}, "w", "0"}});
    generic(wide, "w", 4, "");
    place(vals, "u1", wide, {1000, 0});
    Net& plain = wire(vals, {{3000, 0}, {4000, 0}});
    plain.default_value = "5";
    entry(plain, {3500, 0}, {3564, 64}, "0");
    bus(vals, {{3000, 500}, {4000, 500}}, "nul", "1", "4");
    Net& b = bus(vals, {{3000, 1000}, {6000, 1000}}, "b", "7", "0");
    entry(b, {3200, 1000}, {3264, 1064}, "?");
    entry(b, {3300, 1100}, {3364, 1164}, "1");
    entry(b, {3400, 1000}, {3464, 1064}, "9");
    entry(b, {3600, 1000}, {3664, 1064}, "0", "3");
    entry(b, {3800, 1000}, {3864, 1064}, "9", "8");
    entry(b, {4000, 1000}, {4064, 1064}, "1", "-1");
    entry(b, {4200, 1000}, {4264, 1064}, "k");
    EXPECT_TRUE(matches_report_golden("values.txt", verify_all()));
}

TEST_F(GoldenReportTest, Connections) {
    Entity& conn = entity("conn");
    diagram_port(conn, "s", kModeIn, {0, 0});
    diagram_port(conn, "t", kModeIn, {0, 300});
    diagram_port(conn, "v", kModeIn, {0, 600}, "3", "0");
    Component& u1 = cell(conn, "u1", {1000, 0});
    (void)u1;
    Entity& defaulted = leaf("dflt", {{"a", kModeIn, kSideLeft, {0, 64}, {}, {}, "'1'"}});
    place(conn, "u2", defaulted, {1000, 1000});
    process(conn, "p1", {{"", kModeOut, kSideRight, {3000, 0}}});
    // Dangling end, and a wire on a tagged port.
    Component& u3 = cell(conn, "u3", {1000, 2000});
    wire(conn, {pin(u3, "y"), {2500, 2064}});
    tag(conn, u3, "a", kConnectExplicit, "u1");
    wire(conn, {pin(u3, "a"), {500, 2064}, {500, 2500}});
    // A bus entry whose stub no wire reaches, a one-bit wire on a four-bit port, and a
    // Boolean net on a Bit port.
    Net& b = bus(conn, {{3000, 3000}, {4000, 3000}}, "b", "3", "0");
    entry(b, {3500, 3000}, {3564, 3064}, "0");
    wire(conn, {pin(conn, "v"), {500, 600}, {500, 900}});
    Net& boolean = wire(conn, {pin(conn, "t"), {600, 300}, {600, 200}});
    boolean.type_name = "Boolean";
    // Connect-by-name names that clash with a component and with an entity.
    Component& u4 = cell(conn, "u4", {1000, 4000});
    tag(conn, u4, "y", kConnectExplicit, "inv");
    Component& u5 = place(conn, "u5", defaulted, {3000, 4000});
    tag(conn, u5, "a", kConnectExplicit, "u1");
    // A zero-length segment.
    Net& broken = wire(conn, {{5000, 5000}, {6000, 5000}});
    broken.horizontal.push_back({7000, 5000, 7000, 5000, 0});
    EXPECT_TRUE(matches_report_golden("connections.txt", verify_all()));
}

TEST_F(GoldenReportTest, ConnectionAnalysis) {
    options.type_checks = false; // unconnected inputs are not looked at
    Entity& ana = entity("ana");
    // Two drivers and a reader: a local signal with two sources.
    Component& u1 = cell(ana, "u1", {1000, 0});
    Component& u2 = cell(ana, "u2", {1000, 300});
    Component& u3 = cell(ana, "u3", {3000, 0});
    wire(ana, {pin(u3, "a"), pin(u1, "y"), pin(u2, "y")});
    // Readers only; a driver only.
    Component& u4 = cell(ana, "u4", {1000, 1000});
    Component& u5 = cell(ana, "u5", {3000, 1000});
    wire(ana, {pin(u4, "a"), pin(u5, "a")});
    Component& u6 = cell(ana, "u6", {1000, 2000});
    wire(ana, {pin(u6, "y"), {2000, 2064}});
    // A Buffer diagram port with two drivers; an Inout and an Out diagram port together.
    diagram_port(ana, "bo", kModeBuffer, {3500, 3000});
    Component& u7 = cell(ana, "u7", {1000, 2936});
    Component& u8 = cell(ana, "u8", {1000, 3236});
    wire(ana, {pin(ana, "bo"), pin(u7, "y"), pin(u8, "y")});
    diagram_port(ana, "io", kModeInout, {3500, 4000});
    diagram_port(ana, "o2", kModeOut, {3500, 4300});
    wire(ana, {pin(ana, "io"), pin(ana, "o2")});
    // A named net that is the Inout port's own signal; a guarded local signal; a process
    // port on an unnamed local signal.
    diagram_port(ana, "bi", kModeInout, {3500, 5000});
    Component& u9 = cell(ana, "u9", {1000, 4936});
    wire(ana, {pin(ana, "bi"), pin(u9, "a")}, "bidir");
    Component& u10 = cell(ana, "u10", {1000, 5936});
    Component& u11 = cell(ana, "u11", {3000, 5936});
    wire(ana, {pin(u10, "y"), pin(u11, "a")}).signal_kind = 1;
    Process& p1 = process(ana, "p1", {{"", kModeOut, kSideRight, {1000, 7000}}});
    Component& u12 = cell(ana, "u12", {3000, 6936});
    wire(ana, {pin(p1, 0), pin(u12, "a")});
    // Entries: to a wire with an Inout diagram port, and two entries of one bus joined by one
    // wire.
    diagram_port(ana, "q", kModeIn, {0, 8000}, "3", "0");
    Net& b1 = bus(ana, {pin(ana, "q"), {2000, 8000}}, "b1", "3", "0");
    entry(b1, {500, 8000}, {564, 8064}, "0");
    diagram_port(ana, "ioq", kModeInout, {1500, 8400});
    wire(ana, {{564, 8064}, pin(ana, "ioq")});
    entry(b1, {700, 8000}, {764, 8064}, "1");
    entry(b1, {900, 8000}, {964, 8064}, "2");
    wire(ana, {{764, 8064}, {964, 8064}});
    // Three entries on one wire with a port.
    for (int i = 0; i < 3; ++i) {
        int y = 9000 + 300 * i;
        Net& c = bus(ana, {{0, y}, {1000, y}}, "c" + std::to_string(i), "0", "0");
        entry(c, {500 + 200 * i, y}, {564 + 200 * i, y + 64}, "0");
    }
    Component& u13 = cell(ana, "u13", {2000, 9800});
    wire(ana, {pin(u13, "a"), {564, 9064}, {764, 9364}, {964, 9664}});
    // A slice that reaches a bus which owns entries itself.
    Net& b6 = bus(ana, {{0, 10500}, {1000, 10500}}, "b6", "3", "0");
    entry(b6, {500, 10500}, {564, 10564}, "1", "0");
    Net& s = bus(ana, {{564, 10564}, {1000, 11000}}, "s", "1", "0");
    entry(s, {1000, 11000}, {1064, 11064}, "0");
    Component& u14 = cell(ana, "u14", {2000, 11000});
    wire(ana, {{1064, 11064}, pin(u14, "a")});
    EXPECT_TRUE(matches_report_golden("analysis.txt", verify_all()));
}

// Every message number that block diagram verification raises appears in a golden report.
TEST(GoldenReportCoverage, EveryMessageNumberIsRaised) {
    std::set<int> seen;
    for (const char* name :
         {"toplevel.txt", "names.txt", "values.txt", "connections.txt", "analysis.txt"}) {
        std::ifstream in(std::filesystem::path(ZEPH_SOURCE_DIR) / "tests" / "golden" / "verify" /
                         name);
        std::string line;
        while (std::getline(in, line))
            if (std::size_t colon = line.find(':');
                line.size() > 8 && colon != std::string::npos && colon > 8)
                seen.insert(std::atoi(line.substr(8, colon - 8).c_str()));
    }
    for (int number :
         {1,  2,  3,  5,  6,   8,   9,   10,  11,  12,  13,  14,  15,  16,  17,  20,  21,
          40, 45, 48, 50, 101, 102, 103, 104, 111, 118, 119, 151, 153, 154, 155, 156, 1000})
        EXPECT_TRUE(seen.contains(number)) << "no golden report raises " << number;
}

} // namespace
} // namespace zeph::verify_testing
