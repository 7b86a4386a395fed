// The INI document: lookups, edits that keep the file's layout, and damaged lines.
#include "foundation/ini_document.h"

#include <gtest/gtest.h>

namespace {

using zeph::IniDocument;

TEST(IniDocument, LooksUpTheFirstOccurrence) {
    IniDocument doc = IniDocument::parse("top=1\r\n[A]\r\n k = v 1 \r\nk=v2\n[a]\nk=v3\nx\n");
    EXPECT_EQ(doc.get("", "top"), "1");
    EXPECT_EQ(doc.get("a", "K"), "v 1");
    EXPECT_FALSE(doc.get("A", "top"));
    EXPECT_FALSE(doc.get("B", "k"));
    ASSERT_EQ(doc.entries("A").size(), 1u);
    EXPECT_EQ(doc.damaged_lines(), std::vector<std::size_t>{7});
    EXPECT_EQ(doc.text(), "top=1\n[A]\n k = v 1 \nk=v2\n[a]\nk=v3\nx\n");
}

TEST(IniDocument, EditsKeepTheLayout) {
    IniDocument doc = IniDocument::parse("; c\n[A]\nKey=1\n\n[B]\nx=2\n");
    doc.set("a", "key", "10");
    doc.set("A", "New", "n");
    doc.set("C", "c", "line\nbreak");
    doc.remove("B", "x");
    EXPECT_EQ(doc.text(), "; c\n[A]\nKey=10\nNew=n\n\n[B]\n\n[C]\nc=line break\n");
    EXPECT_EQ(doc.get("C", "c"), "line break");
}

TEST(IniDocument, EmptyDocumentGrowsSections) {
    IniDocument doc = IniDocument::parse("");
    doc.set("A", "k", "v");
    doc.set("B", "k", "");
    EXPECT_EQ(doc.text(), "[A]\nk=v\n\n[B]\nk=\n");
    EXPECT_EQ(doc.get("B", "k"), "");
}

} // namespace
