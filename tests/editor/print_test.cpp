// Printing: the page layout (header, line numbers, wrapping and cutting, page breaks, tabs and
// UTF-8), the print settings and the Print dialog, and real PDF files read back with pdftotext
// (Poppler) from the command and from "zped /p".
#include "editor/dialog.h"
#include "editor/editing.h"
#include "editor/editor_session.h"
#include "editor/pdf_pages.h"
#include "editor/print_job.h"
#include "editor/scripted_editor_ui.h"
#include "foundation/clock.h"
#include "ui/piped_child.h"
#include "zped_process.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace zped {
namespace {

std::string row_text(const PrintedRow& row) {
    std::string text;
    for (const PrintedSpan& span : row.spans) {
        text.resize(static_cast<std::size_t>(span.column), ' ');
        text += span.text;
    }
    return text;
}

TEST(ZpedPrintLayout, HeaderNumbersWrappingAndPages) {
    std::vector<std::string_view> lines = {"short", "0123456789abcdef", "\tx", "h\xC3\xA9llo"};
    PageText text;
    text.file_name = "/work/top.vhd";
    text.date = "Dec 09 2026";
    text.tab_size = 4;
    PrintedDocument doc = lay_out_pages(lines, 9, text, {10, 3}, {});
    // Lines 9 to 12: two digits and a blank.
    EXPECT_EQ(doc.number_columns, 3);
    ASSERT_EQ(doc.pages.size(), 2u);
    const PrintedPage& first = doc.pages[0];
    EXPECT_EQ(first.header_left, "/work/top.vhd");
    EXPECT_EQ(first.header_right, "Dec 09 2026   Page:1");
    EXPECT_EQ(doc.pages[1].header_right, "Dec 09 2026   Page:2");
    ASSERT_EQ(first.rows.size(), 3u);
    EXPECT_EQ(first.rows[0].number, 9);
    EXPECT_EQ(row_text(first.rows[1]), "0123456");
    EXPECT_EQ(first.rows[2].number, 0) << "a wrapped row has no number";
    EXPECT_EQ(row_text(first.rows[2]), "789abcd");
    const PrintedPage& second = doc.pages[1];
    ASSERT_EQ(second.rows.size(), 3u);
    EXPECT_EQ(row_text(second.rows[0]), "ef");
    EXPECT_EQ(row_text(second.rows[1]), "    x") << "a tab to the next stop";
    EXPECT_EQ(second.rows[2].number, 12);
    EXPECT_EQ(row_text(second.rows[2]), "h\xC3\xA9llo") << "a UTF-8 character is one cell";

    // Cut instead of wrapped, no numbers: the whole width is text.
    text.wrap_lines = false;
    text.line_numbers = false;
    doc = lay_out_pages(lines, 1, text, {10, 60}, {});
    EXPECT_EQ(doc.number_columns, 0);
    ASSERT_EQ(doc.pages.size(), 1u);
    ASSERT_EQ(doc.pages[0].rows.size(), 4u);
    EXPECT_EQ(row_text(doc.pages[0].rows[1]), "0123456789");

    // With both header options off the header holds only the page number; an empty text still
    // gives one page.
    doc = lay_out_pages({}, 1, PageText{"", "", true, true, 4}, {40, 10}, {});
    ASSERT_EQ(doc.pages.size(), 1u);
    EXPECT_EQ(doc.pages[0].header_left, "");
    EXPECT_EQ(doc.pages[0].header_right, "Page:1");

    // A long file name is shortened to leave room for the right side.
    text.file_name = "/a/very/long/directory/name/that/goes/on/and/on/top.vhd";
    doc = lay_out_pages(lines, 1, text, {40, 60}, {});
    EXPECT_LE(doc.pages[0].header_left.size() + doc.pages[0].header_right.size(), 40u);
    EXPECT_NE(doc.pages[0].header_left.find("top.vhd"), std::string::npos);
}

TEST(ZpedPrintLayout, StyledRunsKeepTheirColourAndTypeface) {
    LineStyler styler = [](std::string_view line, std::vector<StyledRun>& runs) {
        runs.push_back({0, 6, Colour{0, 0, 255}, kPrintBold});
        runs.push_back({6, static_cast<int>(line.size()) - 6, Colour{}, 0});
    };
    PrintedDocument doc = lay_out_pages({"signal s;"}, 1, PageText{}, {20, 5}, styler);
    ASSERT_EQ(doc.pages[0].rows.size(), 1u);
    const std::vector<PrintedSpan>& spans = doc.pages[0].rows[0].spans;
    ASSERT_EQ(spans.size(), 2u);
    EXPECT_EQ(spans[0].text, "signal");
    EXPECT_EQ(spans[0].colour, (Colour{0, 0, 255}));
    EXPECT_EQ(spans[0].typeface, kPrintBold);
    EXPECT_EQ(spans[1].column, 6);
    EXPECT_EQ(spans[1].text, " s;");
}

class ZpedPrinting : public ::testing::Test {
  protected:
    ZpedPrinting() : settings(dir.file("zped.ini"), dir.path()), session(settings) {
        zeph::set_fixed_clock(1765238400); // Dec 9 2025, UTC
        // No printing service on the path: the pages are kept as a PDF file.
        const char* path = std::getenv("PATH");
        saved_path = path ? path : "";
        setenv("PATH", dir.path().c_str(), 1);
    }
    ~ZpedPrinting() override {
        setenv("PATH", saved_path.c_str(), 1);
        zeph::set_fixed_clock(std::nullopt);
    }
    std::string pdf_text(const std::string& pdf) {
        return ui::run_piped({"/usr/bin/pdftotext", "-layout", pdf, "-"}, "", true, 20000).output;
    }

    test::TempDir dir;
    ScopedScriptedUi scripted;
    ScriptedEditorUi& ui = scripted.ui;
    Settings settings;
    EditorSession session;
    std::string saved_path;
};

TEST_F(ZpedPrinting, WithoutAPrintingServiceThePdfIsKeptBesideTheFile) {
    if (access("/usr/bin/pdftotext", X_OK) != 0) GTEST_SKIP() << "pdftotext is not installed";
    std::string text;
    for (int i = 1; i <= 130; ++i)
        text += "line " + std::to_string(i) + " of the text\n";
    test::write_file(dir.file("long.vhd"), text);
    EditBuffer& b = *session.add_buffer(test::buffer_with(text));
    b.file_name = b.absolute_name = dir.file("long.vhd");

    std::string pdf;
    EXPECT_EQ(print_buffer(session, b, false, &pdf), PrintOutcome::SavedPdf);
    EXPECT_EQ(pdf, dir.file("long.vhd.pdf"));
    EXPECT_EQ(ui.last_status(), "No printer reached: the pages are in '" + pdf + "'.");
    EXPECT_EQ(ui.texts("progress"), (std::vector<std::string>{"Printing " + b.file_name}));
    std::string printed = pdf_text(pdf);
    EXPECT_NE(printed.find("long.vhd"), std::string::npos) << printed;
    EXPECT_NE(printed.find("Dec"), std::string::npos) << printed;
    EXPECT_NE(printed.find("2025"), std::string::npos) << printed;
    EXPECT_NE(printed.find("Page:1"), std::string::npos) << printed;
    EXPECT_NE(printed.find("Page:3"), std::string::npos) << printed;
    EXPECT_NE(printed.find(" 1 line 1 of the text\n"), std::string::npos) << printed;
    EXPECT_NE(printed.find("130 line 130 of the text"), std::string::npos) << printed;
    EXPECT_EQ(printed.find("Page:4"), std::string::npos) << "62 rows a page at 10 points";

    // The selected lines only, without the header's name and date, into the settings' directory.
    session.print.file_in_header = false;
    session.print.date_in_header = false;
    session.print.pdf_directory = dir.file("out");
    ASSERT_EQ(mkdir(dir.file("out").c_str(), 0700), 0);
    move_cursor(b, {4, 2}, false);
    move_cursor(b, {6, 0}, true);
    EXPECT_EQ(print_buffer(session, b, true, &pdf), PrintOutcome::SavedPdf);
    EXPECT_EQ(pdf, dir.file("out/long.vhd.pdf"));
    printed = pdf_text(pdf);
    EXPECT_NE(printed.find("5 line 5 of the text"), std::string::npos) << printed;
    EXPECT_NE(printed.find("6 line 6 of the text"), std::string::npos) << printed;
    EXPECT_EQ(printed.find("line 7 "), std::string::npos) << printed;
    EXPECT_EQ(printed.find("long.vhd"), std::string::npos) << printed;
    EXPECT_EQ(printed.find("2025"), std::string::npos) << printed;

    // A directory that cannot take the file: the job fails with the message and keeps nothing.
    session.print.pdf_directory = dir.file("missing");
    EXPECT_EQ(print_buffer(session, b, false, &pdf), PrintOutcome::Failed);
    EXPECT_EQ(ui.texts("box").back(), "Error in printing.");
}

TEST_F(ZpedPrinting, ThePrintDialogSetsTheOptionsAndSetupTheDestination) {
    EditBuffer& b = *session.add_buffer(test::buffer_with("a\nb\n"));
    b.file_name = b.absolute_name = dir.file("ab.vhd");
    std::vector<std::string> labels;
    std::string printer;
    ui.answer_dialog([&](Dialog& d) -> std::optional<int> {
        for (const DialogField& f : d.fields)
            labels.push_back(f.label);
        printer = d.field("printer")->text;
        d.field("wrap")->checked = false;
        d.field("font-size")->text = "12";
        return 2; // Setup
    });
    ui.answer_text("laser1");
    ui.answer_dialog([&](Dialog& d) -> std::optional<int> {
        printer = d.field("printer")->text;
        return 1; // Cancel
    });
    EXPECT_EQ(session.run_command("PrintText"), 1);
    EXPECT_EQ(labels, (std::vector<std::string>{"Printer:", " Options: ", "&Filename", "&Date",
                                                "&Line numbers", "&Wrap lines", "&SyntaxPrint",
                                                "&Use Color", "&Landscape", "&Selected Text",
                                                "&LeftMargin:", "F&ontsize:"}));
    EXPECT_EQ(printer, "PDF file on no printing service");
    EXPECT_EQ(session.print.destination, "laser1");
    EXPECT_FALSE(session.print.wrap_lines);
    EXPECT_EQ(session.print.font_size, "12");

    // The settings keep them.
    session.write_settings();
    Settings again(dir.file("zped.ini"), dir.path());
    ASSERT_TRUE(again.load());
    PrintSettings loaded;
    loaded.load(again);
    EXPECT_EQ(loaded.destination, "laser1");
    EXPECT_FALSE(loaded.wrap_lines);
    EXPECT_EQ(loaded.font_points(), 12);
    EXPECT_EQ(loaded.left_margin_chars(), 8);
}

TEST(ZpedPrintCommandLine, PrintsAFileAndEnds) {
    if (access("/usr/bin/pdftotext", X_OK) != 0) GTEST_SKIP() << "pdftotext is not installed";
    test::ZpedHome home;
    std::string file = home.file("top.vhd");
    test::write_file(file, "entity top is\nend top;\n");
    std::vector<std::string> argv{"env"};
    for (const std::string& e : home.environment())
        argv.push_back(e);
    argv.push_back("SOURCE_DATE_EPOCH=1765238400");
    // Only the directory of the program: no lp, so the pages stay in a file.
    argv.push_back("PATH=" + home.file("home"));
    argv.insert(argv.end(), {test::kZped, "/p", file});
    ui::ChildResult r = ui::run_child_process({argv, ""});
    EXPECT_EQ(r.exit_code, 0) << r.output;
    std::string pdf = home.file("top.vhd.pdf");
    EXPECT_NE(r.output.find("the pages are in '" + pdf + "'"), std::string::npos) << r.output;
    std::string printed =
        ui::run_piped({"/usr/bin/pdftotext", "-layout", pdf, "-"}, "", true, 20000).output;
    EXPECT_NE(printed.find("Page:1"), std::string::npos) << printed;
    EXPECT_NE(printed.find("1 entity top is"), std::string::npos) << printed;
    EXPECT_NE(printed.find("2 end top;"), std::string::npos) << printed;

    ui::ChildResult missing = ui::run_child_process(
        {{"env", "HOME=" + home.file("home"), test::kZped, "/p", home.file("nothing.vhd")}, ""});
    EXPECT_NE(missing.exit_code, 0);
}

} // namespace
} // namespace zped
