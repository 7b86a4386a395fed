// "import-vhdl" in the real zeph program: a file named on the command line and one chosen in
// the file dialog, the clash question, the log in the report window, and the entities with
// their HDL files saved in the project.
#include "test_files.h"
#include "zeph_process.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using shell_test::read_file;
using shell_test::run_zeph;
using shell_test::ScratchDir;
using shell_test::write_file;
using shell_test::ZephResult;
using shell_test::ZephRun;

std::vector<std::string> lines_of(const std::string& out, const std::string& channel) {
    std::vector<std::string> found;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);)
        if (line.rfind(channel + ": ", 0) == 0) found.push_back(line);
    return found;
}

bool contains(const std::vector<std::string>& lines, const std::string& line) {
    for (const std::string& l : lines)
        if (l == line) return true;
    return false;
}

TEST(ImportCommand, ImportsNamedAndChosenFilesAndAsksAboutClashes) {
    ScratchDir dir;
    const std::string counter =
        std::string(ZEPH_SOURCE_DIR) + "/tests/import/corpus/counter_numeric_std.vhd";
    write_file(dir / "uart.vhd", "entity uart is port (tx : out bit); end uart;\n"
                                 "architecture a of uart is begin tx <= '1'; end a;\n");
    write_file(dir / "run.zeph", "save-as imported.vdp\n"
                                 "setup vhdl93 yes\n"
                                 "import-vhdl " +
                                     counter +
                                     "\n"
                                     "answer no\n"
                                     "import-vhdl " +
                                     counter +
                                     "\n"
                                     "answer " +
                                     dir / "uart" +
                                     "\n"
                                     "import-vhdl\n"
                                     "import-vhdl " +
                                     dir / "missing.vhd" +
                                     "\n"
                                     "save\n"
                                     "exit\n");
    ZephRun run;
    run.args = {"--batch", dir / "run.zeph"};
    run.cwd = dir.path();
    run.env = {{"XDG_CONFIG_HOME", dir / "config"},
               {"HOME", dir.path()},
               {"SOURCE_DATE_EPOCH", "1700000000"}};
    ZephResult result = run_zeph(run);
    // The missing file fails its command; everything else succeeds.
    EXPECT_EQ(result.status, 1) << result.out << result.err;
    EXPECT_TRUE(lines_of(result.out, "error").empty()) << result.out;

    std::vector<std::string> report = lines_of(result.out, "report");
    EXPECT_TRUE(contains(lines_of(result.out, "report-title"), "report-title: VHDL Import"));
    EXPECT_TRUE(contains(report, "report: # Parsing entity 'counter'"));
    EXPECT_TRUE(contains(report, "report: # Parsing architecture 'a' of 'uart'"));
    EXPECT_TRUE(contains(report, "report: Errors   :     0"));
    EXPECT_TRUE(contains(report, "report: Cannot open file \"" + dir / "missing.vhd" + "\"."));
    EXPECT_TRUE(contains(lines_of(result.out, "question"),
                         "question: An entity with name 'counter' is already present in the "
                         "design.Do you want to rename the imported entity ? [yes/no]"))
        << result.out;
    EXPECT_TRUE(contains(lines_of(result.out, "file"),
                         "file: Import VHDL File (VHDL files (*.vhd;*.vhdl)|*.vhd;*.vhdl)"))
        << result.out;

    std::string design = read_file(dir / "imported.vdp/design/design.vdf");
    EXPECT_NE(design.find("counter"), std::string::npos);
    EXPECT_NE(design.find("uart"), std::string::npos);
    EXPECT_EQ(read_file(dir / "imported.vdp/design/uart/a/a.vhd"),
              "architecture a of uart is begin tx <= '1'; end a;\n");
}

} // namespace
