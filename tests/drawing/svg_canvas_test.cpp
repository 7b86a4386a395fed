// The SVG writer: escaping of texts that come from design files, the document frame and its
// layers, and the shapes' attributes; and the palette.
#include "drawing/palette.h"
#include "drawing/svg_canvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zeph {
namespace {

std::string escaped(std::string_view text) {
    std::string out;
    append_xml_text(out, text);
    return out;
}

TEST(XmlText, MarkupAndControlCharacters) {
    EXPECT_EQ(escaped("a<b>&\"c'"), "a&lt;b&gt;&amp;&quot;c&apos;");
    EXPECT_EQ(escaped("]]>"), "]]&gt;");
    // Control characters are not allowed in XML at all, not even as references.
    EXPECT_EQ(escaped(std::string("x\0y", 3)), "x\xEF\xBF\xBDy");
    EXPECT_EQ(escaped("bell\x07\x1b\x7f"), "bell\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(escaped("tab\there"), "tab here");
}

TEST(XmlText, Utf8KeptOtherBytesReadAsLatin1) {
    EXPECT_EQ(escaped("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"),
              "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
    EXPECT_EQ(escaped("caf\xE9"), "caf&#233;");
    // A lead byte without its continuation, an overlong form, a surrogate, beyond U+10FFFF,
    // a sequence cut off at the end, and the non-character U+FFFF.
    EXPECT_EQ(escaped("\xC3("), "&#195;(");
    EXPECT_EQ(escaped("\xC0\xAF"), "&#192;&#175;");
    EXPECT_EQ(escaped("\xE0\x80\xAF"), "&#224;&#128;&#175;");
    EXPECT_EQ(escaped("\xED\xA0\x80"), "&#237;&#160;&#128;");
    EXPECT_EQ(escaped("\xF4\x90\x80\x80"), "&#244;&#144;&#128;&#128;");
    EXPECT_EQ(escaped("\xE2\x82"), "&#226;&#130;");
    EXPECT_EQ(escaped("\xEF\xBF\xBF"), "&#239;&#191;&#191;");
}

TEST(SvgCanvas, DocumentFrameLayersAndShapes) {
    SvgCanvas canvas;
    canvas.begin({0, 0, 6400, 4266}, 0, "Top & a0");
    canvas.begin_layer("outer");
    canvas.begin_layer("inner");
    canvas.line({1, 2}, {3, 4}, {4, 24});
    canvas.rectangle({100, 200, 10, 20}, {1, 8}, 11); // corners in any order
    canvas.circle({5, 6}, 7, {3, 0}, 3);
    std::vector<Point> points = {{0, 0}, {10, 0}, {10, 10}};
    canvas.polyline(points, {5, 8}, false, 5); // an open line is never filled
    canvas.polyline(points, {5, 8}, true, 5);
    canvas.text({9, 8}, "x<y", {15, 72, TextAnchor::End});
    canvas.end(); // closes both open layers
    EXPECT_EQ(
        canvas.document(),
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"800\" height=\"534\" "
        "viewBox=\"0 0 6400 4266\" font-family=\"sans-serif\" stroke-linecap=\"square\" "
        "xml:space=\"preserve\">\n"
        "  <title>Top &amp; a0</title>\n"
        "  <rect x=\"0\" y=\"0\" width=\"6400\" height=\"4266\" fill=\"#000000\"/>\n"
        "  <g id=\"outer\">\n"
        "    <g id=\"inner\">\n"
        "      <line x1=\"1\" y1=\"2\" x2=\"3\" y2=\"4\" stroke=\"#aa0000\" stroke-width=\"24\"/>\n"
        "      <rect x=\"10\" y=\"20\" width=\"90\" height=\"180\" fill=\"#55ffff\" "
        "stroke=\"#0000aa\" stroke-width=\"8\"/>\n"
        "      <circle cx=\"5\" cy=\"6\" r=\"7\" fill=\"#00aaaa\" stroke=\"#00aaaa\" "
        "stroke-width=\"0\"/>\n"
        "      <polyline points=\"0,0 10,0 10,10\" fill=\"none\" stroke=\"#aa00aa\" "
        "stroke-width=\"8\"/>\n"
        "      <polygon points=\"0,0 10,0 10,10\" fill=\"#aa00aa\" stroke=\"#aa00aa\" "
        "stroke-width=\"8\"/>\n"
        "      <text x=\"9\" y=\"8\" font-size=\"72\" fill=\"#ffffff\" "
        "text-anchor=\"end\">x&lt;y</text>\n"
        "    </g>\n"
        "  </g>\n"
        "</svg>\n");
}

TEST(SvgCanvas, ExtremeCoordinatesDoNotOverflow) {
    SvgCanvas canvas;
    canvas.begin({INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, 0, "");
    canvas.rectangle({INT32_MIN, 0, INT32_MAX, 1}, {15, 8}, std::nullopt);
    canvas.grid({INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, 64, 8);
    canvas.end_layer(); // nothing open: ignored
    canvas.end();
    const std::string& svg = canvas.document();
    EXPECT_NE(svg.find("viewBox=\"-2147483648 -2147483648 4294967295 4294967295\""),
              std::string::npos);
    EXPECT_NE(svg.find("width=\"4294967295\" height=\"1\""), std::string::npos);
    EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
}

TEST(SvgCanvas, GridIsAPatternOfDotsOnTheGridPoints) {
    SvgCanvas canvas;
    canvas.begin({0, 0, 640, 640}, 0, "");
    canvas.grid({0, 0, 640, 640}, 128, 8);
    canvas.grid({0, 0, 640, 640}, 0, 8); // no spacing: nothing
    canvas.end();
    const std::string& svg = canvas.document();
    EXPECT_NE(svg.find("<pattern id=\"grid1\" patternUnits=\"userSpaceOnUse\" x=\"-8\" y=\"-8\" "
                       "width=\"128\" height=\"128\"><rect width=\"16\" height=\"16\" "
                       "fill=\"#555555\"/></pattern>"),
              std::string::npos);
    EXPECT_NE(
        svg.find("<rect x=\"-8\" y=\"-8\" width=\"656\" height=\"656\" fill=\"url(#grid1)\"/>"),
        std::string::npos);
    EXPECT_EQ(svg.find("grid2"), std::string::npos);
}

TEST(Palette, SixteenColoursAndOutOfRangeNumbers) {
    EXPECT_EQ(colour_hex(palette_colour(0)), "#000000");
    EXPECT_EQ(colour_hex(palette_colour(1)), "#0000aa");
    EXPECT_EQ(colour_hex(palette_colour(6)), "#aa5500");
    EXPECT_EQ(colour_hex(palette_colour(14)), "#ffff55");
    EXPECT_EQ(colour_hex(palette_colour(15)), "#ffffff");
    EXPECT_EQ(palette_colour(16), palette_colour(15));
    EXPECT_EQ(palette_colour(-1), palette_colour(15));
    EXPECT_FALSE(is_palette_colour(16));
    EXPECT_TRUE(is_palette_colour(0));
}

} // namespace
} // namespace zeph
