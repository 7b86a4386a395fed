// Files the import can read only in part: an architecture with syntax beyond the supported
// standard keeps its whole text, a binary file is refused before parsing, and VHDL-93 syntax
// read as VHDL-87 is reported where it stands.
#include "import_test_support.h"

#include "design/entity.h"
#include "foundation/strings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zeph::vhdl {
namespace {

using testing::ImportBench;
using testing::read_file;
using Lines = std::vector<std::string>;

const Entity* named_entity(const Design& design, const std::string& name) {
    for (const auto& e : design.entities)
        if (equal_ignoring_case(e->name, name)) return e.get();
    return nullptr;
}

std::string hdl_text(const ImportBench& bench, const Entity& entity, std::size_t architecture) {
    const Architecture& a = *entity.architectures.at(architecture);
    return read_file(bench.project / "work" / entity.directory / a.directory /
                     a.hdl_file->vhdl_file);
}

// "process (all)" is not VHDL-93: the error recovery skips to the next semicolon and then
// takes the END of the IF for the architecture's own. The statements up to the real end
// still belong to the architecture's text, and the entity after it is still read.
TEST(Recovery, AnArchitectureEndedEarlyByAnErrorKeepsItsWholeText) {
    const std::string architecture = "architecture rtl of toggle is\n"
                                     "  signal t : bit := '0';\n"
                                     "begin\n"
                                     "  flip : process (all)\n"
                                     "  begin\n"
                                     "    if clk = '1' and clk'event then\n"
                                     "      t <= not t;\n"
                                     "    end if;\n"
                                     "  end process flip;\n"
                                     "  q <= t;\n"
                                     "end architecture rtl;\n";
    ImportBench bench;
    bench.design.vhdl93 = true;
    ImportOutcome outcome = bench.import_text("entity toggle is\n"
                                              "  port (clk : in bit; q : out bit);\n"
                                              "end entity toggle;\n" +
                                              architecture +
                                              "-- the next unit\n"
                                              "library ieee;\n"
                                              "entity after_it is port (d : in bit); end;\n"
                                              "architecture a of after_it is begin end a;\n");
    EXPECT_GT(outcome.errors, 0);
    const Entity* toggle = named_entity(bench.design, "toggle");
    ASSERT_NE(toggle, nullptr);
    ASSERT_EQ(toggle->architectures.size(), 1u);
    EXPECT_EQ(hdl_text(bench, *toggle, 0), architecture);
    const Entity* after = named_entity(bench.design, "after_it");
    ASSERT_NE(after, nullptr);
    EXPECT_EQ(after->ports.size(), 1u);
    EXPECT_EQ(hdl_text(bench, *after, 0), "architecture a of after_it is begin end a;\n");
}

// A junk stretch after a clean architecture is not made part of its text.
TEST(Recovery, TextSkippedAfterACleanArchitectureStaysOutOfIt) {
    ImportBench bench;
    bench.design.vhdl93 = true;
    ImportOutcome outcome = bench.import_text("entity e is end;\n"
                                              "architecture a of e is begin end a;\n"
                                              "entty typo is end;\n");
    EXPECT_EQ(outcome.errors, 1);
    const Entity* e = named_entity(bench.design, "e");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(hdl_text(bench, *e, 0), "architecture a of e is begin end a;\n");
}

TEST(Recovery, ABinaryFileIsRefusedWithoutAnErrorPerLine) {
    ImportBench bench;
    std::size_t entities_before = bench.design.entities.size();
    const char image[] = "\x7f"
                         "ELF\x02\x01\x01\0\0\0entity e is end;\n\x1b[2J\0\xff";
    std::string binary(image, sizeof image - 1);
    ImportOutcome outcome = bench.import_text(binary, "image.o");
    EXPECT_FALSE(outcome.read);
    EXPECT_EQ(outcome.taken_over, 0);
    EXPECT_EQ(bench.design.entities.size(), entities_before);
    std::string path = (bench.scratch.path() / "image.o").string();
    EXPECT_EQ(bench.platform.report_lines(),
              (Lines{"Starting VHDL Import", "", "File \"" + path + "\" is not a text file."}));
}

TEST(Recovery, DeclarationsInAGenerateAreVhdl93) {
    const std::string text = "entity g is port (a : in bit_vector(3 downto 0)); end g;\n"
                             "architecture r of g is begin\n"
                             "  gen : for i in 0 to 3 generate\n"
                             "    signal s : bit;\n"
                             "  begin\n"
                             "    s <= a(i);\n"
                             "  end generate gen;\n"
                             "end r;\n";
    ImportBench as87;
    ImportOutcome old = as87.import_text(text);
    EXPECT_EQ(old.errors, 1);
    EXPECT_NE(as87.report().find("# Error: source.vhd(5):   begin\nsyntax error"),
              std::string::npos)
        << as87.report();
    ImportBench as93;
    as93.design.vhdl93 = true;
    EXPECT_EQ(as93.import_text(text).errors, 0);
}

} // namespace
} // namespace zeph::vhdl
