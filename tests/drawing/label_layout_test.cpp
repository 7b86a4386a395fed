// Laying out labels around their anchors by alignment code, text size and lines.
#include "drawing/label_layout.h"

#include <gtest/gtest.h>

namespace zeph {
namespace {

LabelDisplay label(int alignment, std::string text, int size = 10) {
    LabelDisplay l;
    l.anchor = {1000, 2000};
    l.alignment = alignment;
    l.size = size;
    l.text = std::move(text);
    return l;
}

TEST(LabelLayout, AlignmentCodes) {
    // Size 10 gives a font of 60: line height 72, ascent 48, 36 per character.
    LabelLayout plain = layout_label(label(kAlignPlain, "abcd"), 12);
    EXPECT_EQ(plain.style.size, 60);
    EXPECT_EQ(plain.style.anchor, TextAnchor::Start);
    ASSERT_EQ(plain.lines.size(), 1u);
    EXPECT_EQ(plain.lines[0].baseline, (Point{1000, 2012}));
    EXPECT_EQ(plain.box, (Box{1000, 1964, 1144, 2036}));

    LabelLayout reversed = layout_label(label(kAlignReversed, "abcd"), 12);
    EXPECT_EQ(reversed.style.anchor, TextAnchor::End);
    EXPECT_EQ(reversed.box, (Box{856, 1964, 1000, 2036}));

    LabelLayout centred = layout_label(label(kAlignCentred, "abcd"), 12);
    EXPECT_EQ(centred.style.anchor, TextAnchor::Middle);
    EXPECT_EQ(centred.box, (Box{928, 1964, 1072, 2036}));

    LabelLayout hanging = layout_label(label(kAlignCentredReversed, "abcd"), 12);
    EXPECT_EQ(hanging.style.anchor, TextAnchor::Middle);
    EXPECT_EQ(hanging.lines[0].baseline, (Point{1000, 2048}));
    EXPECT_EQ(hanging.box, (Box{928, 2000, 1072, 2072}));

    // An unknown code (as an old file may hold) is laid out plainly.
    EXPECT_EQ(layout_label(label(0, "abcd"), 12).box, plain.box);
}

TEST(LabelLayout, LinesSizesAndCharacters) {
    LabelDisplay text = label(kAlignPlain, "ab\r\nlonger"); // the layout views into its text
    LabelLayout two = layout_label(text, 12);
    ASSERT_EQ(two.lines.size(), 2u);
    EXPECT_EQ(two.lines[0].text, "ab");
    EXPECT_EQ(two.lines[1].text, "longer");
    EXPECT_EQ(two.lines[0].baseline.y, 2000 - 72 + 48);
    EXPECT_EQ(two.lines[1].baseline.y, 2000 + 48);
    EXPECT_EQ(two.box.x2 - two.box.x1, 6 * 36);

    // Size 0 takes the kind's default; sizes are kept within 2 to 50.
    EXPECT_EQ(layout_label(label(kAlignPlain, "a", 0), 12).style.size, 72);
    EXPECT_EQ(layout_label(label(kAlignPlain, "a", 1000), 12).style.size, 300);
    EXPECT_EQ(layout_label(label(kAlignPlain, "a", -5), 12).style.size, 72);
    EXPECT_EQ(font_height(1), 12);

    // Two-byte characters count once.
    EXPECT_EQ(layout_label(label(kAlignPlain, "\xC3\xA9t\xC3\xA9"), 12).box.x2, 1000 + 3 * 36);
}

TEST(LabelLayout, AnchorsAtTheEdgeOfTheCoordinates) {
    LabelDisplay far = label(kAlignCentredReversed, "x\nx\nx", 50);
    far.anchor = {INT32_MAX, INT32_MAX};
    LabelLayout layout = layout_label(far, 12);
    EXPECT_EQ(layout.box.y2, INT32_MAX);
    EXPECT_EQ(layout.lines.back().baseline.y, INT32_MAX);
}

TEST(LabelLayout, HiddenAndEmptyLabels) {
    LabelDisplay shown = label(kAlignPlain, "n");
    EXPECT_TRUE(label_shown(shown));
    shown.options = kLabelHidden;
    EXPECT_FALSE(label_shown(shown));
    EXPECT_FALSE(label_shown(label(kAlignPlain, "")));
}

} // namespace
} // namespace zeph
