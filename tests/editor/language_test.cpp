// Language definitions: the table read from the settings and ".lsf" files and written back,
// the choice by file extension, line colouring in rule order, and LanguageExpand.
#include "editor/colour_palette.h"
#include "editor/editor_session.h"
#include "editor/language_file.h"
#include "editor/language_table.h"
#include "editor/line_colouring.h"
#include "editor/scripted_editor_ui.h"
#include "editor/word_expansion.h"
#include "editor_test_support.h"

#include <gtest/gtest.h>

namespace zped {
namespace {

using Item = SyntaxItem;

const char* kVhdlSpec =
    "# VHDL keywords\n"
    "[Group2]\nstd_logic\ninteger\n"
    "[Group1]\r\nsignal\r\nentity\r\n\r\n; comment\r\nend if\r\nbegin\r\nend\r\n"
    "[Expander]\nent=entity \nno equals sign\nsig=signal s : std_logic;\n"
    "proc=[process][vhdl.tpl]\n"
    "[Group1]\nignored\n";

Settings settings_in(test::TempDir& dir, const std::string& text) {
    test::write_file(dir.file("zped.ini"), text);
    Settings settings(dir.file("zped.ini"), dir.path());
    settings.load();
    return settings;
}

const char* kTwoLanguages = "[Languages]\n1=VHDL\n2=Verilog\n"
                            "[VHDL]\nFile=vhdl.lsf\nExtension=vhd,vhdl\nLineComment=--\n"
                            "CaseSensitive=no\nColor2=1 2 3\nTypeface2=7\n"
                            "[Verilog]\nFile=$INSTALL/missing.lsf\nExtension=v\nLineComment=//\n";

TEST(ZpedLanguages, TableFromSettingsAndSpecificationFiles) {
    test::TempDir dir;
    test::write_file(dir.file("vhdl.lsf"), kVhdlSpec);
    Settings settings = settings_in(dir, kTwoLanguages);
    LanguageTable table;
    StartupErrors errors;
    table.load(settings, errors);

    const Language& vhdl = table.entry(1);
    EXPECT_EQ(vhdl.name, "VHDL");
    EXPECT_FALSE(vhdl.case_sensitive);
    // Sorted byte-wise; comments, empty lines and the second [Group1] are left out.
    EXPECT_EQ(vhdl.keywords[0],
              (std::vector<std::string>{"begin", "end", "end if", "entity", "signal"}));
    EXPECT_EQ(vhdl.keywords[1], (std::vector<std::string>{"integer", "std_logic"}));
    ASSERT_EQ(vhdl.expanders.size(), 3u);
    EXPECT_EQ(vhdl.expanders[0].word, "ent");
    EXPECT_EQ(vhdl.expanders[0].expansion, "entity ");
    EXPECT_EQ(*vhdl.expansion_of("sig"), "signal s : std_logic;");
    EXPECT_EQ(vhdl.expansion_of("Sig"), nullptr);
    EXPECT_EQ(vhdl.style(Item::Keyword2), (ItemStyle{{1, 2, 3}, 7}));
    EXPECT_EQ(vhdl.style(Item::Comment), (ItemStyle{{0, 128, 0}, kTypefaceItalic}));
    EXPECT_EQ(vhdl.style(Item::Keyword1), (ItemStyle{{255, 0, 0}, kTypefaceBold}));

    // The Verilog file is missing: start-up error 2, and no keywords.
    EXPECT_EQ(table.entry(2).name, "Verilog");
    EXPECT_TRUE(table.entry(2).keywords[0].empty());
    ASSERT_EQ(errors.lines().size(), 4u);
    EXPECT_EQ(errors.lines()[3],
              "Error 2: Cannot open Language Options File file '" + dir.path() + "/missing.lsf'.");

    EXPECT_EQ(table.entry(0).name, "None");
    EXPECT_EQ(table.entry(0).filter, "All files(*.*)|*.*|");
    EXPECT_TRUE(table.entry(3).empty());
}

TEST(ZpedLanguages, ChoiceByExtension) {
    test::TempDir dir;
    Settings settings = settings_in(dir, kTwoLanguages);
    LanguageTable table;
    StartupErrors errors;
    table.load(settings, errors);
    EXPECT_EQ(table.choose("x.vhd"), 1);
    EXPECT_EQ(table.choose("x.vhdx"), 1) << "vhd begins the extension";
    EXPECT_EQ(table.choose("x.vhdl"), 1);
    EXPECT_EQ(table.choose("x.v"), 2);
    EXPECT_EQ(table.choose("x.vh"), 0) << "vh neither begins with vhd nor equals vhdl";
    EXPECT_EQ(table.choose("/work/x.VHD"), 0) << "extensions compare with case";
    EXPECT_EQ(table.choose("Makefile"), 0);
    EXPECT_EQ(table.choose("x."), 0);
    EXPECT_EQ(table.choose("/home/me/proj.v/readme"), 0) << "a dot in a directory is no extension";
    EXPECT_TRUE(extension_matches("vhd,vhdl", "vhdl"));
    EXPECT_FALSE(extension_matches("vhdl,vhd", "vhdx")) << "the last item must be equal";
    EXPECT_TRUE(extension_matches("v,sv", "vo"));
}

TEST(ZpedLanguages, SavedAndReadBackIncludingADeletedAndAnAddedLanguage) {
    test::TempDir dir;
    test::write_file(dir.file("vhdl.lsf"), kVhdlSpec);
    Settings settings = settings_in(dir, kTwoLanguages);
    LanguageTable table;
    StartupErrors errors;
    table.load(settings, errors);
    ASSERT_TRUE(table.remove(2));
    EXPECT_FALSE(table.remove(0)) << "the fallback language stays";
    EXPECT_EQ(table.add("VHDL"), -1) << "names are unique";
    int psl = table.add("PSL");
    ASSERT_EQ(psl, 2);
    table.entry(psl).extension = "psl";
    table.entry(psl).style(Item::String) = {{9, 8, 7}, kTypefaceUnderlined};
    table.save(settings);
    ASSERT_TRUE(settings.save());

    Settings again(dir.file("zped.ini"), dir.path());
    again.load();
    LanguageTable read;
    StartupErrors none;
    read.load(again, none);
    EXPECT_TRUE(none.empty());
    EXPECT_EQ(read.entry(1).name, "VHDL");
    EXPECT_EQ(read.entry(1).file, "vhdl.lsf");
    EXPECT_EQ(read.entry(1).keywords, table.entry(1).keywords);
    EXPECT_EQ(read.entry(1).styles, table.entry(1).styles);
    EXPECT_FALSE(read.entry(1).case_sensitive);
    EXPECT_EQ(read.entry(2).name, "PSL");
    EXPECT_EQ(read.choose("a.psl"), 2) << "the extension list is saved too";
    EXPECT_EQ(read.entry(2).style(Item::String), (ItemStyle{{9, 8, 7}, kTypefaceUnderlined}));
    EXPECT_EQ(again.read_string("Verilog", "File", ""), "$INSTALL/missing.lsf")
        << "the deleted language's section is left alone";
    EXPECT_EQ(again.read_string("PSL", "StringsColor", ""), "9 8 7");
    EXPECT_EQ(again.read_string("Languages", "0", ""), "None");
}

class ZpedColouring : public ::testing::Test {
  protected:
    ZpedColouring() {
        vhdl.name = "VHDL";
        vhdl.line_comment = "--";
        vhdl.case_sensitive = false;
        read_language_file(kVhdlSpec, vhdl);
    }
    std::vector<ColourRun> colour(const std::string& line) {
        std::vector<ColourRun> runs;
        colour_line(vhdl, line, runs);
        return runs;
    }
    Language vhdl;
};

TEST_F(ZpedColouring, KeywordsIgnoringCaseOnlyAsWholeWords) {
    EXPECT_EQ(colour("SIGNAL"), (std::vector<ColourRun>{{0, 6, Item::Keyword1}}));
    EXPECT_EQ(colour("signal_a"), (std::vector<ColourRun>{{0, 8, Item::Text}}));
    EXPECT_EQ(colour("signal2"), (std::vector<ColourRun>{{0, 7, Item::Text}}));
    EXPECT_EQ(colour("xsignal"), (std::vector<ColourRun>{{0, 7, Item::Text}}))
        << "keywords only match at the start of a word";
    EXPECT_EQ(colour("  Signal s: std_logic;"), (std::vector<ColourRun>{{0, 2, Item::Text},
                                                                        {2, 6, Item::Keyword1},
                                                                        {8, 4, Item::Text},
                                                                        {12, 9, Item::Keyword2},
                                                                        {21, 1, Item::Text}}));
    // A keyword with a blank in it, longer than the keyword it begins with.
    EXPECT_EQ(colour("end if;"),
              (std::vector<ColourRun>{{0, 6, Item::Keyword1}, {6, 1, Item::Text}}));
    EXPECT_EQ(colour("end iffy"),
              (std::vector<ColourRun>{{0, 3, Item::Keyword1}, {3, 5, Item::Text}}));

    vhdl.case_sensitive = true;
    vhdl.prepare();
    EXPECT_EQ(colour("SIGNAL"), (std::vector<ColourRun>{{0, 6, Item::Text}}));
}

TEST_F(ZpedColouring, CommentsStringsAndExpanderWords) {
    EXPECT_EQ(colour("-- signal in a comment \"x\""),
              (std::vector<ColourRun>{{0, 26, Item::Comment}}));
    EXPECT_EQ(colour("a <= b; -- note"),
              (std::vector<ColourRun>{{0, 8, Item::Text}, {8, 7, Item::Comment}}));
    EXPECT_EQ(colour("report \"unterminated -- entity"),
              (std::vector<ColourRun>{{0, 7, Item::Text}, {7, 23, Item::String}}));
    EXPECT_EQ(
        colour("x = \"a\"\"b\""),
        (std::vector<ColourRun>{{0, 4, Item::Text}, {4, 3, Item::String}, {7, 3, Item::String}}));
    EXPECT_EQ(
        colour("q <= '1'; s'event"),
        (std::vector<ColourRun>{{0, 5, Item::Text}, {5, 3, Item::String}, {8, 9, Item::Text}}))
        << "a quote without a closing one two places on is plain text";
    EXPECT_EQ(colour("'"), (std::vector<ColourRun>{{0, 1, Item::Text}}));
    // An expander word counts only when it is all that is left of the line.
    EXPECT_EQ(colour("  ent"),
              (std::vector<ColourRun>{{0, 2, Item::Text}, {2, 3, Item::Expander}}));
    EXPECT_EQ(colour("ent x"), (std::vector<ColourRun>{{0, 5, Item::Text}}));
    EXPECT_TRUE(colour("").empty());

    std::vector<ColourRun> runs;
    plain_line("-- x", runs);
    EXPECT_EQ(runs, (std::vector<ColourRun>{{0, 4, Item::Text}}));
}

TEST(ZpedPalette, NearestTerminalColours) {
    EXPECT_EQ(terminal_colour({255, 0, 0}, Palette::Xterm256), 196);
    EXPECT_EQ(terminal_colour({0, 128, 0}, Palette::Xterm256), 28);
    EXPECT_EQ(terminal_colour({0, 0, 255}, Palette::Xterm256), 21);
    EXPECT_EQ(terminal_colour({128, 128, 128}, Palette::Xterm256), 244);
    EXPECT_EQ(terminal_colour({255, 0, 0}, Palette::Sixteen), 9);
    EXPECT_EQ(terminal_colour({0, 128, 0}, Palette::Sixteen), 2);
    EXPECT_EQ(terminal_colour({255, 0, 0}, Palette::Eight), 1);
    EXPECT_EQ(terminal_colour({0, 0, 0}, Palette::Xterm256), kDefaultForeground);
    EXPECT_EQ(terminal_colour({10, 0, 0}, Palette::Eight), kDefaultForeground);
    EXPECT_EQ(terminal_colour({1, 2, 3}, Palette::Direct), 0x010203);
    EXPECT_EQ(palette_for(8), Palette::Eight);
    EXPECT_EQ(palette_for(256), Palette::Xterm256);
    EXPECT_EQ(palette_for(0x1000000), Palette::Direct);
}

class ZpedLanguageExpand : public ::testing::Test {
  protected:
    ZpedLanguageExpand() : settings(dir.file("zped.ini"), dir.path()), session(settings) {
        test::write_file(dir.file("vhdl.lsf"), kVhdlSpec);
        test::write_file(dir.file("zped.ini"), kTwoLanguages);
        settings.load();
        session.languages.load(settings, session.startup_errors);
    }
    EditBuffer& open(const std::string& text, TextPosition cursor) {
        auto buffer = test::buffer_with(text);
        buffer->language = 1;
        buffer->cursor = cursor;
        return *session.add_buffer(std::move(buffer));
    }
    test::TempDir dir;
    Settings settings;
    EditorSession session;
    ScopedScriptedUi scripted;
};

TEST_F(ZpedLanguageExpand, WordBeforeTheCursor) {
    EditBuffer& b = open("  my_sig  \nx", {0, 8});
    EXPECT_EQ(word_before_cursor(b, {0, 8}), (TextPosition{0, 5})) << "\"_\" ends the word";
    EXPECT_EQ(word_before_cursor(b, {0, 10}), (TextPosition{0, 5}))
        << "blanks before the cursor belong to the word";
    EXPECT_EQ(word_before_cursor(b, {1, 0}), (TextPosition{0, 5}));
    EXPECT_EQ(word_before_cursor(b, {0, 1}), (TextPosition{0, 0}));
    EXPECT_EQ(word_before_cursor(b, {0, 0}), (TextPosition{0, 0}));
}

TEST_F(ZpedLanguageExpand, PlainExpansionIsOneUndoableEdit) {
    EditBuffer& b = open("begin\n  sig\nend;", {1, 5});
    ASSERT_EQ(LanguageExpand(session), 0);
    EXPECT_EQ(test::text_of(b), "begin\n  signal s : std_logic;\nend;");
    EXPECT_EQ(b.cursor, (TextPosition{1, 23}));
    EXPECT_FALSE(b.has_selection);
    ASSERT_EQ(UndoEdit(b), 0);
    EXPECT_EQ(test::text_of(b), "begin\n  sig\nend;");
    EXPECT_FALSE(b.history.can_undo()) << "one transaction";

    // Nothing to expand: an unknown word, a word in another case, column 0, read-only.
    b.cursor = {0, 5};
    EXPECT_EQ(LanguageExpand(session), 1);
    EXPECT_EQ(session.run_command("LanguageExpand"), 1);
    b.cursor = {1, 0};
    EXPECT_EQ(LanguageExpand(session), 1);
    EditBuffer& upper = open("SIG", {0, 3});
    EXPECT_EQ(LanguageExpand(session), 1);
    upper.read_only = true;
    upper.set_lines({"sig"});
    upper.cursor = {0, 3};
    EXPECT_EQ(LanguageExpand(session), 1);
    EXPECT_EQ(test::text_of(upper), "sig");
}

TEST_F(ZpedLanguageExpand, TemplateReferences) {
    std::string name, file;
    EXPECT_TRUE(parse_template_reference("[process][vhdl.tpl]", name, file));
    EXPECT_EQ(name, "process");
    EXPECT_EQ(file, "vhdl.tpl");
    for (const char* bad :
         {"[process]", "[][x.tpl]", "[a][]", "[a] [b]", "[a][b]c", "[a][b][c]", "[a[b][c]"})
        EXPECT_FALSE(parse_template_reference(bad, name, file)) << bad;

    // The word becomes the template, in one transaction; the cursor stays at the word's start.
    test::write_file(dir.file("vhdl.tpl"), "[process()]\nprocess\nbegin\nend process;\n");
    EditBuffer& b = open("  proc", {0, 6});
    ASSERT_EQ(LanguageExpand(session), 0);
    EXPECT_EQ(test::text_of(b), "  process\nbegin\nend process;\n");
    EXPECT_EQ(b.cursor, (TextPosition{0, 2}));
    EXPECT_EQ(session.templates.files().size(), 1u) << "the file was loaded for it";
    EXPECT_EQ(UndoEdit(b), 0);
    EXPECT_EQ(test::text_of(b), "  proc");
    EXPECT_FALSE(b.history.can_undo());
}

} // namespace
} // namespace zped
