// Printing the current diagram into a PDF file through Qt's print support, read back with
// poppler's pdfinfo and pdftotext: one page holding the whole sheet with the diagram's texts,
// for a block diagram and a state diagram; nothing is printed without a diagram.
#include "console_session.h"
#include "shell/test_files.h"

#include "printing/diagram_printing.h"

#include <QPrinter>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

using namespace zeph;
using shell_test::ScratchDir;
using shell_test::write_file;
using testing_support::ConsoleSession;

// The standard output of a poppler tool on the file.
std::string poppler(const char* tool, const std::string& file, QStringList more = {}) {
    QProcess process;
    more << QString::fromStdString(file);
    if (std::string(tool) == "pdftotext") more << "-";
    process.start(tool, more);
    EXPECT_TRUE(process.waitForFinished(30000)) << tool;
    EXPECT_EQ(process.exitCode(), 0) << tool << ": " << process.readAllStandardError().data();
    return process.readAllStandardOutput().toStdString();
}

class DiagramPrinting : public ::testing::Test {
  protected:
    bool print_to(const std::string& file) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(file));
        printer.setPageOrientation(QPageLayout::Landscape);
        return print_diagram(printer, s.session());
    }

    ScratchDir root;
    bool settings_written = (write_file(root / "zeph.ini", "[GUI]\nSaveSettingsOnExit=no\n"), true);
    ConsoleSession s{root.path(), root / "zeph.ini"};
};

TEST_F(DiagramPrinting, BlockAndStateDiagramsPrintOnOnePageWithTheirTexts) {
    s.session().start_untitled();
    for (const char* line :
         {"add-component 1024 1024 u0 alu", "add-component 2560 1024 u1 regs state",
          "add-port out 1536 1100 carry", "add-text 3000 3000 printed_note", "diagram regs a0",
          "add-state 1024 1024 waiting", "add-state 2560 1024 running", "add-curve waiting running",
          "diagram Toplevel"})
        ASSERT_TRUE(s.run(line)) << line << "\n" << s.take_output();

    const std::string block = root / "block.pdf";
    ASSERT_TRUE(print_to(block));
    const std::string info = poppler("pdfinfo", block);
    EXPECT_NE(info.find("Pages:           1\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Title:           Toplevel a0\n"), std::string::npos) << info;
    const std::string block_text = poppler("pdftotext", block);
    for (const char* text : {"u0", "alu", "carry", "printed_note"})
        EXPECT_NE(block_text.find(text), std::string::npos) << text << " in\n" << block_text;

    ASSERT_TRUE(s.run("diagram regs a0"));
    const std::string machine = root / "machine.pdf";
    ASSERT_TRUE(print_to(machine));
    const std::string machine_text = poppler("pdftotext", machine);
    for (const char* text : {"waiting", "running"})
        EXPECT_NE(machine_text.find(text), std::string::npos) << text << " in\n" << machine_text;
    EXPECT_EQ(machine_text.find("printed_note"), std::string::npos);
}

TEST_F(DiagramPrinting, NothingIsPrintedWithoutADiagram) {
    const std::string file = root / "none.pdf";
    EXPECT_FALSE(print_to(file));
    EXPECT_EQ(print_current_diagram(nullptr, s.session()), DialogOutcome::NoDialog);
    EXPECT_FALSE(std::filesystem::exists(file));
}

} // namespace
