// Pictures of block diagrams compared with golden SVG files (buses with entries and slices,
// junctions and crossings, a rotated symbol, connect-by-name tags on all three port owners),
// every one also checked by xmllint and rendered by rsvg-convert; and the rules of what a
// picture shows: hidden labels, selection and highlight colours, the grid, the palette.
#include "picture_test_support.h"

#include "blockdiagram/connect_by_name.h"
#include "blockdiagram/symbol_geometry.h"
#include "drawing/palette.h"
#include "foundation/kind_vocabulary.h"

#include <algorithm>

namespace zeph::picture_testing {
namespace {

std::string hex(int colour) {
    return colour_hex(palette_colour(colour));
}

// The part of the document inside the layer <g id="name">, nested layers included.
std::string layer(const std::string& svg, const std::string& name) {
    std::size_t start = svg.find("<g id=\"" + name + "\">");
    if (start == std::string::npos) return {};
    int depth = 0;
    for (std::size_t at = start; at < svg.size(); ++at) {
        if (svg.compare(at, 3, "<g ") == 0) ++depth;
        if (svg.compare(at, 4, "</g>") == 0 && --depth == 0) return svg.substr(start, at - start);
    }
    return {};
}

class DiagramPictureTest : public PictureTest {};

TEST_F(DiagramPictureTest, BusWithEntriesAndSlices) {
    Entity& sink = entity("sink", 512, 768);
    symbol_port(sink, "a", kModeIn, kSideLeft, {0, 128});
    symbol_port(sink, "b", kModeIn, kSideLeft, {0, 256});
    symbol_port(sink, "hi", kModeIn, kSideLeft, {0, 512}, "3", "0");
    symbol_port(sink, "y", kModeOut, kSideRight, {512, 384});
    component(sink, "u0", {2560, 1280});
    diagram_port("d", kModeIn, {640, 1024});

    Net& bus = net({{{768, 1024}, {2176, 1024}}}, "d", {1024, 960}, true);
    bus.label.options = kNetShowName | kNetShowRange;
    refresh_net_labels(bus);
    bus_entry(bus, {1280, 1024}, "0");
    bus_entry(bus, {1536, 1024}, "1");
    bus_entry(bus, {1920, 1024}, "7", "4");
    net({{{1344, 1088}, {1344, 1408}}, {{1344, 1408}, {2496, 1408}}});
    net({{{1600, 1088}, {1600, 1536}}, {{1600, 1536}, {2496, 1536}}});
    Net& slice = net({{{1984, 1088}, {1984, 1792}}, {{1984, 1792}, {2496, 1792}}}, "hi4",
                     {2048, 1728}, true);
    slice.range = {true, "3", "0", kDirectionDownto};
    refresh_net_labels(slice);
    free_text("bus d taps bits 0, 1 and the slice 7:4", {640, 3200});

    std::string svg = picture();
    check_picture("bus_entries.svg", svg);
    std::string nets = layer(svg, "nets");
    // The two buses are drawn thick, the two wires and the single-bit entries thin.
    EXPECT_EQ(count(nets, "stroke=\"" + hex(4) + "\" stroke-width=\"24\""), 1u + 2u + 1u);
    EXPECT_EQ(count(nets, "stroke=\"" + hex(3) + "\" stroke-width=\"8\""), 4u);
    EXPECT_EQ(count(nets, "stroke=\"" + hex(4) + "\" stroke-width=\"8\""), 2u);
    std::string labels = layer(svg, "labels");
    for (const char* text :
         {">d(7:0)<", ">(0)<", ">(1)<", ">(7:4)<", ">u0:sink:rtl(V)<", ">hi(3:0)<"})
        EXPECT_NE(labels.find(text), std::string::npos) << text;
}

TEST_F(DiagramPictureTest, JunctionsAndCrossingsWithoutContact) {
    // A T: the stem cuts the bar, three ends meet.
    net({{{1024, 1024}, {3072, 1024}}, {{2048, 1024}, {2048, 2048}}}, "t", {1088, 960});
    // Another net crossing the bar: no contact, so no dot where they cross.
    net({{{2560, 512}, {2560, 1536}}}, "other", {2624, 512});
    // A plus of one net: four ends at its centre.
    net({{{1024, 3072}, {3072, 3072}}, {{2048, 2560}, {2048, 3584}}}, "plus", {1088, 3008});
    for (auto& n : diagram().nets)
        n->label.options = kNetShowName;
    for (auto& n : diagram().nets)
        refresh_net_labels(*n);

    std::string svg = picture();
    check_picture("junction_and_crossing.svg", svg);
    EXPECT_EQ(count(svg, "<circle"), 2u);
    EXPECT_NE(svg.find("<circle cx=\"2048\" cy=\"1024\""), std::string::npos);
    EXPECT_NE(svg.find("<circle cx=\"2048\" cy=\"3072\""), std::string::npos);
    EXPECT_EQ(svg.find("cx=\"2560\""), std::string::npos);
}

TEST_F(DiagramPictureTest, RotatedSymbol) {
    Entity& alu = entity("alu", 512, 1024);
    symbol_port(alu, "a", kModeIn, kSideLeft, {0, 256});
    symbol_port(alu, "b", kModeInout, kSideLeft, {0, 768});
    symbol_port(alu, "y", kModeOut, kSideRight, {512, 512});
    symbol_port(alu, "z", kModeBuffer, kSideBottom, {256, 1024});
    Component& u0 = component(alu, "u0", {2048, 1024});
    rotate_symbol(design, alu);
    u0.name_label.anchor = {u0.position.x + alu.symbol_width / 2, u0.position.y - 48};

    std::string svg = picture();
    check_picture("rotated_symbol.svg", svg);
    // The box keeps its centre (2304, 1536) with width and height exchanged.
    EXPECT_NE(svg.find("<rect x=\"1792\" y=\"1280\" width=\"1024\" height=\"512\""),
              std::string::npos);
    // The input that was on the left is now at the bottom: its stub runs downwards.
    EXPECT_NE(svg.find("<line x1=\"2048\" y1=\"1792\" x2=\"2048\" y2=\"1856\""), std::string::npos);
}

TEST_F(DiagramPictureTest, TagsOnAllThreePortOwners) {
    diagram_port("clk", kModeIn, {640, 1024});
    Entity& reg = entity("reg", 512, 512);
    symbol_port(reg, "c", kModeIn, kSideLeft, {0, 128});
    symbol_port(reg, "q", kModeOut, kSideRight, {512, 256});
    component(reg, "u1", {2048, 896});
    Process& p = process("pr0", {2048, 2048, 2560, 2560});
    process_port(p, kModeIn, kSideLeft, {2048, 2176});
    process_port(p, kModeOut, kSideTop, {2304, 2048});

    NetRules rules;
    std::vector<PlacedPort> ports = placed_ports(*architecture);
    ASSERT_EQ(ports.size(), 5u);
    EXPECT_EQ(place_tag(platform, defaults, *architecture, ports[0].connection, rules),
              Outcome::Done); // by own name
    EXPECT_EQ(edit_tag(platform, defaults, ports[1], "clk", rules), Outcome::Done);
    EXPECT_EQ(edit_tag(platform, defaults, ports[3], "clk", rules), Outcome::Done);
    EXPECT_EQ(edit_tag(platform, defaults, ports[4], "ready", rules), Outcome::Done);

    std::string svg = picture();
    check_picture("tags.svg", svg);
    std::string tags = layer(svg, "tags");
    EXPECT_EQ(count(tags, "<polygon"), 4u);
    EXPECT_EQ(count(tags, ">clk</text>"), 3u);
    EXPECT_EQ(count(tags, ">ready</text>"), 1u);
}

TEST_F(DiagramPictureTest, HiddenLabelsAreNotDrawn) {
    Entity& cell = entity("cell");
    symbol_port(cell, "a", kModeIn, kSideLeft, {0, 128});
    Component& u = component(cell, "u9", {2048, 1024});
    Net& n = net({{{1024, 1152}, {1984, 1152}}}, "wire_one", {1088, 1088});
    n.label.options = kNetShowName;
    refresh_net_labels(n);
    std::string shown = picture();
    EXPECT_NE(shown.find(">wire_one<"), std::string::npos);
    EXPECT_NE(shown.find(">u9:cell:rtl(V)<"), std::string::npos);
    EXPECT_NE(shown.find(">a<"), std::string::npos);

    n.label.options = kLabelHidden;
    u.name_label.options = kLabelHidden;
    u.port_instances[0].label.options = kLabelHidden;
    std::string hidden = picture();
    EXPECT_EQ(hidden.find("wire_one"), std::string::npos);
    EXPECT_EQ(hidden.find("u9"), std::string::npos);
    EXPECT_EQ(hidden.find(">a<"), std::string::npos);
    // The entity's name inside the box stays.
    EXPECT_NE(hidden.find(">cell<"), std::string::npos);
}

TEST_F(DiagramPictureTest, SelectionAndHighlightedNetsInSelectionColours) {
    settings.colours[static_cast<int>(DiagramColour::Selected)] = 12;
    settings.colours[static_cast<int>(DiagramColour::SelectedBackground)] = 13;
    Entity& cell = entity("cell");
    Component& chosen = component(cell, "u0", {1024, 1024});
    component(cell, "u1", {2048, 1024});
    net({{{512, 2560}, {1536, 2560}}}, "plain");
    Net& found = net({{{512, 3072}, {1536, 3072}}, {{1024, 3072}, {1024, 3584}}}, "found");
    ASSERT_TRUE(find_net(platform, kLanguageVhdl, diagram(), "found"));
    EXPECT_NE(found.status & kNetPicked, 0u);

    Selection selection;
    DiagramObject o;
    o.component = &chosen;
    selection.push_back(o);
    DrawingOptions options = this->options();
    options.selection = &selection;
    std::string svg = picture(options);
    check_picture("selection.svg", svg);

    std::string components = layer(svg, "components");
    EXPECT_EQ(count(components, "fill=\"" + hex(13) + "\" stroke=\"" + hex(12) + "\""), 1u);
    EXPECT_EQ(count(components, "fill=\"" + hex(11) + "\" stroke=\"" + hex(1) + "\""), 1u);
    EXPECT_EQ(count(layer(svg, "net0"), hex(12)), 0u);
    // Three segments and the junction dot (filled and outlined) in the selected colour.
    EXPECT_EQ(count(layer(svg, "net1"), "<line"), 3u);
    EXPECT_EQ(count(layer(svg, "net1"), hex(12)), 3u + 2u);
    EXPECT_EQ(count(layer(svg, "net1"), "<circle"), 1u);
}

TEST_F(DiagramPictureTest, GridOnlyWhenDisplayedAndDenseEnough) {
    // Size 1 is 6400 wide: 77 spacings of 64 are less, of 128 more.
    DrawingOptions options = this->options();
    EXPECT_EQ(picture(options).find("<pattern"), std::string::npos);
    options.settings.grid_factor = 2;
    std::string dense = picture(options);
    EXPECT_NE(dense.find("width=\"128\" height=\"128\""), std::string::npos);
    EXPECT_NE(dense.find("fill=\"" + hex(8) + "\"/></pattern>"), std::string::npos);
    // A view small enough shows the grid of factor 1.
    options.settings.grid_factor = 1;
    options.view = Box{0, 0, 3200, 2133};
    std::string zoomed = picture(options);
    EXPECT_NE(zoomed.find("viewBox=\"0 0 3200 2133\""), std::string::npos);
    EXPECT_NE(zoomed.find("width=\"64\" height=\"64\""), std::string::npos);
    architecture->sheet.display_grid = false;
    EXPECT_EQ(picture(options).find("<pattern"), std::string::npos);
}

TEST_F(DiagramPictureTest, ColoursComeFromTheSettings) {
    Entity& cell = entity("cell");
    component(cell, "u0", {1024, 1024});
    net({{{512, 2560}, {1536, 2560}}});
    free_text("note", {512, 512});
    architecture->sheet.texts.push_back(
        make_label(style(), LabelKind::FreePlacedText, {512, 768}, "unseen"));
    architecture->sheet.texts.back().colour = 0; // the background colour

    DrawingOptions options = this->options();
    options.settings.colours[static_cast<int>(DiagramColour::Components)] = 9;
    options.settings.colours[static_cast<int>(DiagramColour::Wires)] = 10;
    options.settings.colours[static_cast<int>(DiagramColour::Background)] = 7;
    std::string svg = picture(options);
    EXPECT_NE(svg.find("fill=\"" + hex(7) + "\"/>"), std::string::npos); // the background
    EXPECT_NE(layer(svg, "components").find("stroke=\"" + hex(9) + "\""), std::string::npos);
    EXPECT_NE(layer(svg, "nets").find("stroke=\"" + hex(10) + "\""), std::string::npos);
    // A text in the background colour would vanish; with background 7 the text of colour 0
    // keeps its colour, with background 0 it takes the foreground.
    EXPECT_NE(svg.find("fill=\"" + hex(0) + "\">unseen<"), std::string::npos);
    options.settings.colours[static_cast<int>(DiagramColour::Background)] = 0;
    EXPECT_NE(picture(options).find("fill=\"" + hex(15) + "\">unseen<"), std::string::npos);
}

TEST_F(DiagramPictureTest, OddTextsStillGiveValidDocuments) {
    free_text("a < b && c > \"d\" 'e'", {512, 512});
    free_text(std::string("latin \xE9t\xE9 and utf-8 \xC3\xA9t\xC3\xA9, bell \x07, ") +
                  "two\nlines",
              {512, 1024});
    Entity& odd = entity("odd");
    component(odd, "u0", {2048, 2048}).name_label.text = "]]> <!-- -->";
    std::string svg = block_diagram_svg(*architecture, DrawingOptions{});
    std::string path = scratch / "odd.svg";
    shell_test::write_file(path, svg);
    expect_valid_svg(path, scratch / "odd.png");
    EXPECT_NE(svg.find("a &lt; b &amp;&amp; c &gt; &quot;d&quot; &apos;e&apos;"),
              std::string::npos);
    EXPECT_NE(svg.find("latin &#233;t&#233; and utf-8 \xC3\xA9t\xC3\xA9, bell \xEF\xBF\xBD,"),
              std::string::npos);
    EXPECT_NE(svg.find(">lines</text>"), std::string::npos);
}

TEST_F(DiagramPictureTest, PictureCoversObjectsBeyondTheSheet) {
    Entity& cell = entity("cell");
    component(cell, "far", {7000, 5000});
    net({{{-640, 128}, {640, 128}}});
    std::string svg = picture();
    // Size 1 is 6400 by 4266; the box reaches 7512, 6024 and the wire starts at -640.
    EXPECT_NE(svg.find("viewBox=\"-664 0 8176 6024\""), std::string::npos) << svg.substr(0, 300);
}

TEST_F(DiagramPictureTest, ProcessDiagramShowsItsSheet) {
    Process& p = process("pr1", {1024, 1024, 1536, 1536});
    p.sheet.size = 5;
    p.sheet.texts.push_back(
        make_label(style(), LabelKind::FreePlacedText, {256, 256}, "inside pr1"));
    std::string svg = process_diagram_svg(p, DrawingOptions{});
    EXPECT_NE(svg.find("viewBox=\"0 0 4266 6400\""), std::string::npos);
    EXPECT_NE(svg.find("<title>pr1</title>"), std::string::npos);
    EXPECT_NE(svg.find(">inside pr1</text>"), std::string::npos);
}

} // namespace
} // namespace zeph::picture_testing
