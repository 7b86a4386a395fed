// Template files: the header checks in order with their report lines, placeholders, insertion
// with and without parameters as one transaction, expansion by name with its warnings, the
// list in the settings file, and identifier completion from the open buffers.
#include "editor/dialog.h"
#include "editor/editor_session.h"
#include "editor/scripted_editor_ui.h"
#include "editor/template_expansion.h"
#include "editor/template_file.h"
#include "editor/template_library.h"
#include "editor_test_support.h"

#include <gtest/gtest.h>

namespace zped {
namespace {

using Lines = std::vector<std::string>;

Lines report_body(const StartupErrors& errors) {
    if (errors.lines().size() < 3) return {};
    return Lines(errors.lines().begin() + 3, errors.lines().end());
}

TEST(ZpedTemplateFile, HeaderChecksInOrderWithTheirReportLines) {
    const std::string text = "lines before the first header\n"
                             "[a(x)] are ignored\n"
                             "[no bracket(x)\nbody of a skipped template\n"
                             "[nolist]\n"
                             "[open(x]\n"
                             "[  (x, y)]\n"
                             "[name_that_is_thirty_one_chars_x()]\n"
                             "[empty(a,,b)]\n"
                             "[trailing(a,)]\n"
                             "[six(a,b,c,d,e,f)]\n"
                             "[longparam(a, parameter_name_of_31_characters)]\n"
                             "[name_that_is_thirty_chars_long()]\n"
                             "kept\n";
    StartupErrors errors;
    std::vector<Template> templates = read_templates(text, "/t/bad.tpl", errors);
    ASSERT_EQ(templates.size(), 2u);
    EXPECT_EQ(templates[0].name, "a");
    EXPECT_EQ(templates[0].body, "") << "the header is followed by another header";
    EXPECT_EQ(templates[1].name, "name_that_is_thirty_chars_long");
    EXPECT_EQ(templates[1].body, "kept\n");
    auto error = [](const std::string& line) {
        return Lines{line, "\tthis error occured in template file:", "\t/t/bad.tpl"};
    };
    Lines expected;
    for (const char* line : {"Error 8: Incorrectly delimited template header: [no bracket(x).",
                             "Error 8: Incorrectly delimited parameter list in: nolist].",
                             "Error 8: Incorrectly delimited parameter list in: open(x].",
                             "Error 8: Missing template name with parameter list: (x, y).",
                             "Error 8: Too long template name:  name_that_is_thirty_one_chars_x.",
                             "Error 8: Missing parameter name in: [empty(a,,b)].",
                             "Error 8: Missing parameter name in: [trailing(a,)].",
                             "Error 8: Too many parameters in: [six(a,b,c,d,e,f)].",
                             "Error 8: Too long parameter name in: "
                             "[longparam(a, parameter_name_of_31_characters)]."}) {
        Lines one = error(line);
        expected.insert(expected.end(), one.begin(), one.end());
    }
    EXPECT_EQ(report_body(errors), expected);
}

TEST(ZpedTemplateFile, ParametersPlaceholdersAndLineEnds) {
    StartupErrors errors;
    std::vector<Template> templates =
        read_templates("[sig( name , type )]\r\nsignal $1$ : $2$; -- $1$ $3$ $0$\r\n"
                       "[bare()]\nno parameters, no line end\n[cr()]\nx\r\r\n",
                       "x.tpl", errors);
    ASSERT_EQ(templates.size(), 3u);
    EXPECT_EQ(templates[2].body, "x\n") << "no carriage return is left before a line end";
    const Template& sig = templates[0];
    EXPECT_EQ(sig.parameters, (Lines{"name", "type"}));
    EXPECT_EQ(sig.placeholder_counts, (std::array<int, 5>{2, 1, 0, 0, 0}));
    EXPECT_EQ(sig.body, "signal $1$ : $2$; -- $1$ $3$ $0$\n") << "line ends become \\n";
    EXPECT_EQ(report_body(errors),
              (Lines{"Error 8: Body contains placeholder of non-existent parameter in: signal "
                     "$1$ : $2$; -- $1$ $3$ $0$.",
                     "\tthis error occured in template file:", "\tx.tpl"}));
    EXPECT_EQ(expand_template(sig, {"clk", "std_logic"}),
              "signal clk : std_logic; -- clk $3$ $0$\n")
        << "placeholders of missing parameters stay as they are";
    EXPECT_EQ(expand_template(sig, {std::string(100, 'n')}).size(),
              sig.body.size() + 2 * (80 - 3) - 3)
        << "values are cut at 80 characters; a missing value is empty";
    EXPECT_TRUE(templates[1].parameters.empty());
    EXPECT_EQ(templates[1].body, "no parameters, no line end\n");
}

class ZpedTemplates : public ::testing::Test {
  protected:
    ZpedTemplates() : settings(dir.file("zped.ini"), dir.path()), session(settings) {
        test::write_file(dir.file("vhdl.tpl"), "; VHDL templates\n"
                                               "[entity(name)]\nentity $1$ is\nend $1$;\n"
                                               "[blank()]\n-- blank\n"
                                               "[broken(a,b)]\n$1$ <= $3$;\n");
        test::write_file(dir.file("other.tpl"), "[x()]\nx\n");
    }
    EditBuffer& open(const std::string& text, TextPosition cursor) {
        auto buffer = test::buffer_with(text);
        buffer->cursor = cursor;
        return *session.add_buffer(std::move(buffer));
    }
    // Answers the next dialog with these texts in its fields and Apply; the labels it showed
    // go to `labels`.
    void answer_fields(Lines values, Lines* labels = nullptr) {
        scripted.ui.answer_dialog([values, labels](Dialog& d) {
            for (std::size_t i = 0; i < d.fields.size() && i < values.size(); ++i) {
                d.fields[i].text = values[i];
                if (labels) labels->push_back(d.fields[i].label);
            }
            return std::optional<int>(d.button("Apply"));
        });
    }
    const Template& find(const std::string& name) {
        int index = session.templates.find_file("vhdl.tpl");
        if (index < 0) index = session.templates.load(settings, "vhdl.tpl", session.startup_errors);
        return *session.templates.files()[static_cast<std::size_t>(index)].find(name);
    }
    test::TempDir dir;
    Settings settings;
    EditorSession session;
    ScopedScriptedUi scripted;
};

TEST_F(ZpedTemplates, InsertionIsOneTransactionWithOrWithoutTheDialog) {
    EditBuffer& b = open("a\nb", {1, 0});
    ASSERT_TRUE(insert_template(b, find("blank")));
    EXPECT_TRUE(scripted.ui.texts("dialog").empty()) << "no parameters, no dialog";
    EXPECT_EQ(test::text_of(b), "a\n-- blank\nb");
    EXPECT_EQ(b.cursor, (TextPosition{1, 0})) << "the cursor stays at the insertion point";

    Lines labels;
    answer_fields({"counter"}, &labels);
    ASSERT_TRUE(insert_template(b, find("entity")));
    EXPECT_EQ(labels, (Lines{"name:"}));
    EXPECT_EQ(scripted.ui.transcript().back().title, "Expand Template");
    EXPECT_EQ(test::text_of(b), "a\nentity counter is\nend counter;\n-- blank\nb");

    // A cancelled dialog changes nothing; the placeholder of a missing parameter is kept.
    scripted.ui.answer_dialog([](Dialog&) { return std::optional<int>(); });
    EXPECT_FALSE(insert_template(b, find("entity")));
    answer_fields({"q", "d"});
    ASSERT_TRUE(insert_template(b, find("broken")));
    EXPECT_EQ(b.line(1), "q <= $3$;");

    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(UndoEdit(b), 0);
    EXPECT_EQ(test::text_of(b), "a\nb");
    EXPECT_FALSE(b.history.can_undo());

    b.read_only = true;
    EXPECT_FALSE(insert_template(b, find("blank")));
    EXPECT_EQ(test::text_of(b), "a\nb");
}

TEST_F(ZpedTemplates, ATemplateFileWithWindowsLineEndsUndoesCleanly) {
    test::write_file(dir.file("crlf.tpl"), "[two()]\r\nfirst\r\nsecond\r\n");
    int index = session.templates.load(settings, dir.file("crlf.tpl"), session.startup_errors);
    ASSERT_GE(index, 0);
    EditBuffer& b = open("x", {0, 0});
    ASSERT_TRUE(insert_template(b, session.templates.files()[0].templates[0]));
    EXPECT_EQ(test::text_of(b), "first\nsecond\nx");
    EXPECT_EQ(UndoEdit(b), 0);
    EXPECT_EQ(test::text_of(b), "x");
    EXPECT_TRUE(scripted.ui.texts("box").empty()) << "no inconsistency between text and history";
}

TEST_F(ZpedTemplates, ExpansionByNameAndItsWarnings) {
    EditBuffer& b = open("", {0, 0});
    EXPECT_FALSE(expand_template_by_name(session, b, "entity", "$NOWHERE_VAR/none.tpl", {0, 0}));
    EXPECT_FALSE(expand_template_by_name(session, b, "entity", "none.tpl", {0, 0}));
    EXPECT_FALSE(expand_template_by_name(session, b, "Entity", "vhdl.tpl", {0, 0}));
    EXPECT_EQ(scripted.ui.texts("box"),
              (Lines{"Template file \"$NOWHERE_VAR/none.tpl\" not found.",
                     "Template file \"none.tpl\" not found.",
                     "Template \"Entity\" not found in file \"vhdl.tpl\" ."}));
    for (const Shown& shown : scripted.ui.transcript())
        if (shown.kind == "box") {
            EXPECT_EQ(shown.title, "Warning");
        }
    // The missing files are in the report; the report window is refilled, the buffer stays
    // active.
    Lines body = report_body(session.startup_errors);
    ASSERT_GE(body.size(), 2u);
    EXPECT_EQ(body[1], "Error 2: Cannot open template file '" + dir.file("none.tpl") + "'.");
    EXPECT_EQ(session.active(), &b);
    EXPECT_NE(session.find_by_file_name(kStartupErrorWindow), nullptr);

    // vhdl.tpl was loaded once, by the third call, and is found by its name from now on.
    ASSERT_EQ(session.templates.files().size(), 1u);
    EXPECT_TRUE(expand_template_by_name(session, b, "blank", "vhdl.tpl", {0, 0}));
    EXPECT_EQ(session.templates.files().size(), 1u);
    EXPECT_EQ(test::text_of(b), "-- blank\n");
}

TEST_F(ZpedTemplates, TheListInTheSettingsAndRemovingAFile) {
    test::write_file(dir.file("zped.ini"), "[Templates]\n1=vhdl.tpl\n2=$INSTALL/other.tpl\n"
                                           "3=gone.tpl\n4=\n5=after_the_gap.tpl\n");
    settings.load();
    session.templates.load_listed(settings, session.startup_errors);
    ASSERT_EQ(session.templates.files().size(), 2u);
    EXPECT_EQ(session.templates.files()[1].path, dir.path() + "/other.tpl");
    EXPECT_EQ(session.templates.files()[1].setting, "$INSTALL/other.tpl");
    EXPECT_EQ(template_file_label(session.templates.files()[1]),
              dir.path().substr(0, 15) + "...\\other.tpl");
    EXPECT_EQ(report_body(session.startup_errors).back(),
              "Error 2: Cannot open template file '" + dir.file("gone.tpl") + "'.");

    ASSERT_TRUE(session.templates.remove(0));
    EXPECT_FALSE(session.templates.remove(5));
    session.templates.save(settings);
    ASSERT_TRUE(settings.save());

    // The next start loads only what was left.
    Settings next(dir.file("zped.ini"), dir.path());
    next.load();
    EXPECT_EQ(next.read_string("Templates", "1", ""), "$INSTALL/other.tpl");
    EXPECT_EQ(next.read_string("Templates", "2", "x"), "");
    EXPECT_EQ(next.read_string("Templates", "3", "x"), "") << "no stale key loads a file twice";
    TemplateLibrary library;
    StartupErrors errors;
    library.load_listed(next, errors);
    ASSERT_EQ(library.files().size(), 1u);
    EXPECT_EQ(library.files()[0].templates[0].name, "x");
    EXPECT_TRUE(errors.empty());
}

class ZpedIdentifierExpand : public ZpedTemplates {};

TEST_F(ZpedIdentifierExpand, CyclesNearestFirstThroughEveryOpenBuffer) {
    open("signal count_far : integer;", {0, 0});
    EditBuffer& b = open("signal count_near, cnt;\nx <= co\ny <= count_after;", {1, 7});
    ASSERT_EQ(session.run_command("IdentifierExpand"), 0);
    EXPECT_EQ(b.line(1), "x <= count_near");
    EXPECT_EQ(b.cursor, (TextPosition{1, 15}));
    ASSERT_EQ(session.run_command("IdentifierExpand"), 0);
    EXPECT_EQ(b.line(1), "x <= count_after");
    ASSERT_EQ(session.run_command("IdentifierExpand"), 0);
    EXPECT_EQ(b.line(1), "x <= count_far") << "then the other buffers";
    ASSERT_EQ(session.run_command("IdentifierExpand"), 0);
    EXPECT_EQ(b.line(1), "x <= co") << "back to what was typed";
    EXPECT_EQ(scripted.ui.last_status(), "No more identifiers: back to 'co'.");
    ASSERT_EQ(session.run_command("IdentifierExpand"), 0);
    EXPECT_EQ(b.line(1), "x <= count_near");

    // Each completion is one transaction; typing starts a new completion.
    ASSERT_EQ(UndoEdit(b), 0);
    EXPECT_EQ(b.line(1), "x <= co");
    b.cursor = {1, 7};
    test::insert(b, {1, 7}, "unt_a");
    ASSERT_EQ(session.run_command("IdentifierExpand"), 0);
    EXPECT_EQ(b.line(1), "x <= count_after");
    ASSERT_EQ(session.run_command("IdentifierExpand"), 0);
    EXPECT_EQ(b.line(1), "x <= count_a");

    b.cursor = {1, 1};
    EXPECT_EQ(session.run_command("IdentifierExpand"), 1);
    EXPECT_EQ(scripted.ui.last_status(), "No identifier begins with 'x'.");
}

TEST_F(ZpedIdentifierExpand, CaseFollowsTheLanguage) {
    session.languages.entry(0).case_sensitive = false;
    EditBuffer& b = open("Clock_Enable\nclo", {1, 3});
    ASSERT_EQ(session.run_command("IdentifierExpand"), 0);
    EXPECT_EQ(b.line(1), "Clock_Enable");
    session.languages.entry(0).case_sensitive = true;
    test::insert(b, {1, 12}, "\nclo");
    b.cursor = {2, 3};
    EXPECT_EQ(session.run_command("IdentifierExpand"), 1);
}

} // namespace
} // namespace zped
