// The attachment pass on a diagram that holds one of every finding, compared with a golden
// report, and the records it leaves for verification.
#include "net_test_support.h"

#include "blockdiagram/attach_ports.h"
#include "blockdiagram/connect_by_name.h"
#include "design/report.h"

namespace zeph::net_testing {
namespace {

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

class AttachPorts : public NetDiagramTest {
  protected:
    AttachPorts() {
        options.rules = rules;
        // Generic-dependent ranges of this test are all eight wide.
        options.width = [](const Range& range, const Component*) -> std::optional<int> {
            if (range.left == "N" || range.left == "M") return 8;
            return integer_range_width(range);
        };
        report.start(ReportScope::Architecture);
        report.set_context(entity, architecture, nullptr);
    }

    Port& port(const std::string& name, int mode, Point at) {
        return add_diagram_port(name, mode, at);
    }
    void tag_diagram_port(std::size_t index, int mode, const std::string& name = "") {
        ConnectByName& tag = architecture->port_placements[index].connect_by_name;
        tag.mode = mode;
        tag.has_label = true;
        tag.label.text = name;
    }

    void build() {
        Port& din = port("din", kModeIn, {0, 0}); // connection (64, 0)
        din.range = {true, "7", "0", kDirectionDownto};
        port("y", kModeOut, {2048, 0});    // (1984, 0): ranges differ from the bus
        port("t", kModeIn, {0, 512});      // (64, 512): tagged and wired
        port("s", kModeOut, {2048, 2048}); // tagged "sum", no wire
        port("free", kModeOut, {2048, 3000});
        tag_diagram_port(2, kConnectOwnName);
        tag_diagram_port(3, kConnectExplicit, "sum");

        diagram().nets.push_back(std::make_unique<Net>()); // empty: removed by the pass
        Net& data = add_bus({{{64, 0}, {1984, 0}}, {{1024, 0}, {1024, 128}}}, "data", "7", "0");
        add_entry(data, {256, 0}, {320, 64}, "3");    // feeds the process port's wire
        add_entry(data, {1088, 0}, {1024, 128}, "4"); // stub on its own bus
        add_net({{{320, 64}, {320, 256}}});           // to pr0's port at (320, 256)
        add_process_with_port("pr0", kModeIn, 3, {320, 320});

        Net& wbus = add_bus({{{0, 4096}, {1024, 4096}}}, "wbus", "3", "0");
        wbus.type_name = "word";
        add_entry(wbus, {512, 4096}, {576, 4160}, "1");
        Net& w3 = add_bus({{{576, 4160}, {576, 4416}}}, "w3", "0", "0");
        w3.type_name = "word"; // a bus on a single-index entry
        add_entry(wbus, {768, 4096}, {832, 4160}, "2");
        Net& w4 = add_net({{{832, 4160}, {832, 4416}}}, "w4");
        w4.type_name = "word"; // one bit named like the whole bus

        add_component("u0", "reg", {1024, 1024},
                      {{"d", kModeIn, 4, {0, 64}},
                       {"q", kModeOut, 2, {512, 64}},
                       {"clk", kModeIn, 4, {0, 128}}});
        add_component("u1", "reg", {1024, 2048}, {});
        Entity& reg = *find_entity(design, "reg");
        reg.ports[0]->range = {true, "N", "0", kDirectionDownto};
        reg.ports[1]->type_name = "std_logic";
        add_bus({{{960, 1088}, {704, 1088}}}, "m", "M", "0"); // 110 at u0.d, dangling end
        add_net({{{1600, 1088}, {1792, 1088}}}, "qn");        // 13 at u0.q, dangling end
        for (Component* c : {diagram().components[0].get(), diagram().components[1].get()})
            tag_of(PlacedPort{
                PortOwner::Component, reg.ports[2].get(), 2, nullptr, c, nullptr, {}}) = {
                kConnectOwnName, true, {}};

        add_net({{{64, 512}, {256, 512}}}, "tw");
        Net& z = add_net({{{4000, 0}, {4064, 0}}}, "z");
        z.status = kNetValid;
        z.horizontal.insert(z.horizontal.begin(), Segment{0, 3000, 0, 3000, 0});
        z.vertical.push_back(Segment{4100, 64, 4100, 64, 0});

        Process& pr1 = add_process_with_port("pr1", kModeOut, 2, {2500, 2500});
        pr1.ports[0]->connect_by_name = {kConnectExplicit, true, {}};
        pr1.ports[0]->connect_by_name.label.text = "sum";
    }

    void add_entry(Net& bus, Point bus_point, Point stub, const std::string& index) {
        auto entry = std::make_unique<BusEntry>();
        entry->bus_point = bus_point;
        entry->stub_end = stub;
        entry->index = index;
        bus.bus_entries.push_back(std::move(entry));
    }

    AttachOptions options;
    Report report{platform};
};

TEST_F(AttachPorts, ReportsEveryFindingOfThePass) {
    build();
    Attachments result = attach_ports(*architecture, options, report);
    EXPECT_TRUE(matches_net_golden("attach_ports_report.txt", joined(platform.report_lines())));
    EXPECT_EQ(report.errors(), 6);
    EXPECT_EQ(report.warnings(), 10);
    EXPECT_EQ(report.notes(), 2) << "1000 and 1001 count as notes by their numbers";

    const BlockDiagram& d = diagram();
    ASSERT_EQ(d.nets.size(), 9u) << "the empty net is gone";
    for (std::size_t i = 0; i < d.nets.size(); ++i)
        EXPECT_EQ(d.nets[i]->number, static_cast<int>(i));
    EXPECT_EQ(d.nets[8]->status & kNetValid, 0u) << "zero-length segments invalidate the net";
    EXPECT_EQ(entity->status & 8u, 8u) << "errors mark the entity";
}

TEST_F(AttachPorts, RecordsPortsLinksAndConnectByNameSignals) {
    build();
    Attachments result = attach_ports(*architecture, options, report);
    const Net& data = *diagram().nets[0];
    ASSERT_NE(data.connections, nullptr);
    EXPECT_EQ(data.connections->attachments.size(), 2u);
    EXPECT_EQ(data.connections->counts[0][kModeIn], 1);
    EXPECT_EQ(data.connections->counts[0][kModeOut], 1);
    EXPECT_EQ(data.connections->sources, 1) << "a diagram In port drives the net";
    EXPECT_EQ(data.connections->destinations, 1);
    ASSERT_EQ(data.connections->bus_entry_links.size(), 1u) << "the own-bus stub is not linked";
    const Net& feed = *diagram().nets[1];
    EXPECT_EQ(data.connections->bus_entry_links[0].reached, &feed);
    ASSERT_EQ(feed.connections->bus_entry_links.size(), 1u);
    EXPECT_EQ(feed.connections->bus_entry_links[0].reached, &data);
    EXPECT_EQ(feed.connections->destinations, 1) << "the process In port reads it";

    ASSERT_EQ(result.signals.size(), 2u);
    EXPECT_EQ(result.signals[0].net->name, "sum");
    EXPECT_FALSE(result.signals[0].from_own_name);
    ASSERT_EQ(result.signals[0].ports.size(), 2u);
    EXPECT_EQ(result.signals[0].ports[0].owner, PortOwner::Diagram);
    EXPECT_EQ(result.signals[0].ports[1].owner, PortOwner::Process);
    EXPECT_EQ(result.signals[1].net->name, "clk_I");
    EXPECT_TRUE(result.signals[1].from_own_name);
    EXPECT_EQ(result.signals[1].ports.size(), 2u);
    EXPECT_EQ(result.signals[1].net->connections->attachments.size(), 2u);

    std::vector<std::string> unconnected;
    for (const PlacedPort& p : result.unconnected)
        unconnected.push_back(placed_port_title(p));
    EXPECT_EQ(unconnected, (std::vector<std::string>{"free", "d", "q"}));

    PlacedPort pr0_port{PortOwner::Process,
                        diagram().processes[0]->ports[0].get(),
                        0,
                        nullptr,
                        nullptr,
                        diagram().processes[0].get(),
                        {}};
    EXPECT_EQ(result.net_of(pr0_port), &feed);
    EXPECT_EQ(result.net_of(result.signals[1].ports[1]), result.signals[1].net.get());
}

TEST_F(AttachPorts, ProcessPortsTakeTheNetsPropertiesAndChecksCanBeSwitchedOff) {
    Net& bus = add_bus({{{0, 64}, {320, 64}}}, "b", "3", "0");
    bus.type_name = "word";
    Process& pr = add_process_with_port("pr", kModeIn, 4, {384, 64});
    add_diagram_port("x", kModeIn, {-64, 64}); // no range: 12 while checks are on
    options.rules.type_checks = false;
    attach_ports(*architecture, options, report);
    EXPECT_TRUE(platform.report_lines().empty());
    const Port& p = *pr.ports[0];
    EXPECT_TRUE(p.range.has_range);
    EXPECT_EQ(p.range.left, "3");
    EXPECT_EQ(p.type_name, "word");

    options.rules.type_checks = true;
    attach_ports(*architecture, options, report);
    EXPECT_EQ(platform.report_lines().back(),
              "Error    12: Diagram port 'x' and net 'b(3:0)' have different ranges");
}

TEST_F(AttachPorts, ExtremeCoordinatesFromAFileDoNotOverflow) {
    add_component("u", "edge", {INT32_MAX - 10, INT32_MIN + 10},
                  {{"a", kModeIn, 2, {100, 0}}, {"b", kModeOut, 3, {0, -100}}});
    Net& net = add_net({{{INT32_MAX - 74, INT32_MIN}, {INT32_MAX - 10, INT32_MIN}}});
    net.vertical.push_back(Segment{INT32_MIN, INT32_MIN, INT32_MIN, INT32_MAX, 0});
    Attachments result = attach_ports(*architecture, options, report);
    EXPECT_EQ(result.wired.size(), 1u) << "port b clamps onto the segment end at the corner";
    EXPECT_EQ(result.unconnected.size(), 1u);
}

} // namespace
} // namespace zeph::net_testing
