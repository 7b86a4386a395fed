// The language and template files shipped in examples/zped: a start from that directory reads
// them without a report line, colours VHDL and Verilog, every template-naming expander word
// finds its template, and the templates put together are legal VHDL-93 and Verilog-2005 (GHDL
// and Icarus Verilog analyse them).
#include "editor/editor_session.h"
#include "editor/line_colouring.h"
#include "editor/scripted_editor_ui.h"
#include "editor/word_expansion.h"
#include "editor_test_support.h"
#include "ui/child_process.h"

#include <gtest/gtest.h>

namespace zped {
namespace {

using Item = SyntaxItem;
const std::string kExamples = std::string(ZEPH_SOURCE_DIR) + "/examples/zped";

class ZpedShippedDefinitions : public ::testing::Test {
  protected:
    ZpedShippedDefinitions() : settings(kExamples + "/zped.ini", "/nowhere"), session(settings) {
        settings.load();
        session.start();
    }
    const Template& find(const std::string& file, const std::string& name) {
        int index = session.templates.find_file(file);
        EXPECT_GE(index, 0) << file;
        const Template* t = session.templates.files()[static_cast<std::size_t>(index)].find(name);
        EXPECT_NE(t, nullptr) << name;
        return *t;
    }
    std::string expand(const std::string& file, const std::string& name,
                       const std::vector<std::string>& values = {}) {
        return expand_template(find(file, name), values);
    }
    std::vector<ColourRun> colour(int language, const std::string& line) {
        std::vector<ColourRun> runs;
        colour_line(session.languages.entry(language), line, runs);
        return runs;
    }
    ScopedScriptedUi scripted;
    Settings settings;
    EditorSession session;
};

// Puts `inner` in place of the first empty line of `outer`.
std::string fill(const std::string& outer, const std::string& inner) {
    std::size_t at = outer.find("\n\n");
    return outer.substr(0, at + 1) + inner + outer.substr(at + 2);
}

bool have(const std::string& program) {
    return ui::run_child_process({{"sh", "-c", "command -v " + program}, ""}).exit_code == 0;
}

TEST_F(ZpedShippedDefinitions, ReadWithoutErrorsAndColourBothLanguages) {
    EXPECT_TRUE(session.startup_errors.empty()) << session.startup_errors.lines().back();
    ASSERT_EQ(session.languages.choose("counter.vhd"), 1);
    ASSERT_EQ(session.languages.choose("counter.v"), 2);
    EXPECT_EQ(session.templates.files().size(), 2u);
    EXPECT_EQ(colour(1, "  SIGNAL q : Std_Logic; -- state"),
              (std::vector<ColourRun>{{0, 2, Item::Text},
                                      {2, 6, Item::Keyword1},
                                      {8, 5, Item::Text},
                                      {13, 9, Item::Keyword2},
                                      {22, 2, Item::Text},
                                      {24, 8, Item::Comment}}));
    EXPECT_EQ(colour(1, "if clk'event and clk = '1' then"),
              (std::vector<ColourRun>{{0, 2, Item::Keyword1},
                                      {2, 5, Item::Text},
                                      {7, 5, Item::Keyword3},
                                      {12, 1, Item::Text},
                                      {13, 3, Item::Keyword1},
                                      {16, 7, Item::Text},
                                      {23, 3, Item::String},
                                      {26, 1, Item::Text},
                                      {27, 4, Item::Keyword1}}));
    EXPECT_EQ(colour(2, "always @(posedge clk) $display(\"x\"); // tick"),
              (std::vector<ColourRun>{{0, 6, Item::Keyword1},
                                      {6, 3, Item::Text},
                                      {9, 7, Item::Keyword1},
                                      {16, 7, Item::Text},
                                      {23, 7, Item::Keyword5},
                                      {30, 1, Item::Text},
                                      {31, 3, Item::String},
                                      {34, 3, Item::Text},
                                      {37, 7, Item::Comment}}));
    EXPECT_EQ(colour(2, "Module"), (std::vector<ColourRun>{{0, 6, Item::Text}}))
        << "Verilog keywords keep their case";
}

TEST_F(ZpedShippedDefinitions, EveryTemplateExpanderFindsItsTemplate) {
    int references = 0;
    for (int n = 1; n <= 2; ++n)
        for (const Expander& e : session.languages.entry(n).expanders) {
            std::string name, file;
            if (!parse_template_reference(e.expansion, name, file)) continue;
            ++references;
            int index = session.templates.find_file(file);
            ASSERT_GE(index, 0) << e.word;
            EXPECT_NE(session.templates.files()[static_cast<std::size_t>(index)].find(name),
                      nullptr)
                << e.word;
        }
    EXPECT_GE(references, 12);
}

TEST_F(ZpedShippedDefinitions, TemplatesMakeLegalVhdl) {
    if (!have("ghdl")) GTEST_SKIP() << "ghdl is not installed";
    const std::string f = "vhdl.tpl";
    std::string sub = expand(f, "entity", {"sub"}) + expand(f, "architecture", {"rtl", "sub"});
    std::string clocked =
        fill(expand(f, "process", {"clk"}), fill(expand(f, "if", {"reset = '1'"}), "null;\n"));
    std::string comb = fill(expand(f, "process_comb", {"sel"}), expand(f, "case", {"sel"}));
    std::string body = clocked + expand(f, "process_reset", {"clk", "reset"}) + comb +
                       expand(f, "instance", {"u1", "sub"});
    std::string arch = expand(f, "architecture", {"rtl", "top"});
    std::size_t begin = arch.find("begin\n");
    arch = arch.substr(0, begin) + expand(f, "component", {"sub"}) +
           "    signal sel : std_logic;\n" + fill(arch.substr(begin), body);
    test::TempDir dir;
    test::write_file(dir.file("top.vhd"), sub + expand(f, "entity", {"top"}) + arch);
    ui::ChildResult r = ui::run_child_process({{"ghdl", "-a", "--std=93", "top.vhd"}, dir.path()});
    EXPECT_EQ(r.exit_code, 0) << r.output << test::read_whole(dir.file("top.vhd"));
}

TEST_F(ZpedShippedDefinitions, TemplatesMakeLegalVerilog) {
    if (!have("iverilog")) GTEST_SKIP() << "iverilog is not installed";
    const std::string f = "verilog.tpl";
    std::string body = "    reg q;\n" + expand(f, "always_reset", {"clk", "reset"}) +
                       expand(f, "always_clock", {"clk"}) +
                       fill(expand(f, "always_comb"), expand(f, "case", {"reset"})) +
                       expand(f, "instance", {"sub", "u1"}) + expand(f, "initial");
    std::string text = expand(f, "module", {"sub"}) + fill(expand(f, "module", {"top"}), body);
    test::TempDir dir;
    test::write_file(dir.file("top.v"), text);
    ui::ChildResult r = ui::run_child_process(
        {{"iverilog", "-g2005", "-Wall", "-o", dir.file("top.out"), "top.v"}, dir.path()});
    EXPECT_EQ(r.exit_code, 0) << r.output << text;
}

} // namespace
} // namespace zped
