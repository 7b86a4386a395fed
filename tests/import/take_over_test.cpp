// Taking entities over: generics, ports, symbols, HDL files written byte for byte, the clash
// question, and the log of a whole import.
#include "import_test_support.h"

#include "design/entity.h"
#include "import/import_texts.h"

#include <gtest/gtest.h>

namespace zeph::vhdl {
namespace {

using testing::ImportBench;
using testing::read_file;
using Lines = std::vector<std::string>;

const Entity* entity_named(const Design& d, const std::string& name) {
    for (const auto& e : d.entities)
        if (e->name == name) return e.get();
    return nullptr;
}

TEST(TakeOver, PortsByModeWithRangesTypesSidesAndSensitivity) {
    ImportBench bench;
    ImportOutcome outcome =
        bench.import_text("entity p is port (\n"
                          "  x : in bit_vector(7 downto 0);\n"
                          "  y : out bit;\n"
                          "  z : inout std_logic_vector(0 to 3) bus := \"0000\";\n"
                          "  w : buffer integer range 0 to 7;\n"
                          "  l : linkage bit;\n"
                          "  u : in bit_vector;\n"
                          "  m : in mem_t(0 to 3, 0 to 7);\n"
                          "  v : in std_logic_vector(byte_range));\n"
                          "end p;\n");
    EXPECT_EQ(outcome.taken_over, 1);
    const Entity* e = entity_named(bench.design, "p");
    ASSERT_NE(e, nullptr);
    ASSERT_EQ(e->ports.size(), 8u);
    const Port& x = *e->ports[0];
    EXPECT_EQ(x.mode, kModeIn);
    EXPECT_TRUE(x.range.has_range);
    EXPECT_EQ(x.range.left, "7");
    EXPECT_EQ(x.range.right, "0");
    EXPECT_EQ(x.range.direction, kDirectionDownto);
    EXPECT_EQ(x.type_name, "");
    EXPECT_EQ(x.side, 4);
    EXPECT_EQ(x.sensitivity, 1);
    const Port& y = *e->ports[1];
    EXPECT_EQ(y.type_name, "");
    EXPECT_EQ(y.side, 2);
    EXPECT_EQ(y.sensitivity, 0);
    const Port& z = *e->ports[2];
    EXPECT_EQ(z.mode, kModeInout);
    EXPECT_EQ(z.type_name, "std_logic_vector");
    EXPECT_EQ(z.range.direction, kDirectionTo);
    EXPECT_EQ(z.signal_kind, 1);
    EXPECT_EQ(z.default_value, "\"0000\"");
    EXPECT_EQ(z.side, 2);
    EXPECT_EQ(z.sensitivity, 1);
    const Port& w = *e->ports[3];
    EXPECT_EQ(w.mode, kModeBuffer);
    EXPECT_EQ(w.type_name, "integer RANGE 0 TO 7");
    EXPECT_FALSE(w.range.has_range);
    const Port& l = *e->ports[4];
    EXPECT_EQ(l.mode, kModeIn);
    EXPECT_EQ(l.side, 4);
    EXPECT_EQ(l.sensitivity, 0);
    // An unconstrained vector keeps its type: the empty type would read as the scalar type.
    EXPECT_EQ(e->ports[5]->type_name, "bit_vector");
    EXPECT_EQ(e->ports[6]->type_name, "mem_t(0 to 3, 0 to 7)");
    EXPECT_EQ(e->ports[7]->type_name, "std_logic_vector(byte_range)");
    EXPECT_FALSE(e->ports[7]->range.has_range);
    // Symbol sizes in steps of 64 with the ports on their sides.
    EXPECT_EQ(e->symbol_height % 64, 0);
    EXPECT_EQ(e->symbol_width % 64, 0);
    EXPECT_EQ(x.position.x, 0);
    EXPECT_EQ(y.position.x, e->symbol_width);
    EXPECT_LT(e->ports[7]->position.y, e->symbol_height);
    EXPECT_EQ(x.name_label.text.empty(), false);
}

TEST(TakeOver, GenericTypeCodesUnitsAndIntegerValues) {
    ImportBench bench;
    bench.import_text("entity g is generic (\n"
                      "  a : bit := '1'; b : bitvector; c : boolean := true;\n"
                      "  d : integer := 1_000; e : natural := ( 4 ); f : positive;\n"
                      "  t : time := 10 ns; s : TIME := 2 SEC; q : time := delay;\n"
                      "  v : bit_vector(3 downto 0) := \"0000\"; r : real := 1.5);\n"
                      "end g;\n");
    const Entity* e = entity_named(bench.design, "g");
    ASSERT_NE(e, nullptr);
    ASSERT_EQ(e->generics.size(), 11u);
    std::vector<int> types;
    for (const auto& g : e->generics)
        types.push_back(g->type);
    EXPECT_EQ(types, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 7, 7, 8, 8}));
    EXPECT_EQ(e->generics[3]->default_value, "1000");
    EXPECT_EQ(e->generics[4]->default_value, "4");
    EXPECT_EQ(e->generics[6]->default_value, "10");
    EXPECT_EQ(e->generics[6]->default_unit, 3);
    EXPECT_EQ(e->generics[7]->default_value, "2");
    EXPECT_EQ(e->generics[7]->default_unit, 6);
    EXPECT_EQ(e->generics[8]->default_value, "delay");
    EXPECT_EQ(e->generics[8]->default_unit, 0);
    EXPECT_EQ(e->generics[9]->user_type_name, "bit_vector(3 downto 0)");
    EXPECT_EQ(e->generics[10]->user_type_name, "real");
    EXPECT_EQ(e->generics[10]->default_value, "1.5");
}

TEST(TakeOver, ArchitectureTextsAreCopiedByteForByteAndAnEmptyOneIsMadeWhenNoneWasRead) {
    ImportBench bench;
    std::string arch = "architecture rtl of a is\r\n  -- keep   this\r\nbegin\r\nend rtl;\r\n";
    bench.import_text("#line 1 \"gen.vhd\"\r\n"
                      "entity a is end a;\r\n" +
                      arch +
                      "entity b is end b;\r\n"
                      "architecture x of a is begin end x;\n");
    const Entity* a = entity_named(bench.design, "a");
    ASSERT_NE(a, nullptr);
    ASSERT_EQ(a->architectures.size(), 2u);
    const Architecture& rtl = *a->architectures[0];
    EXPECT_EQ(rtl.name, "rtl");
    EXPECT_EQ(rtl.kind, kArchitectureHdlFile);
    ASSERT_TRUE(rtl.hdl_file);
    EXPECT_EQ(rtl.hdl_file->vhdl_file, "rtl.vhd");
    std::filesystem::path file = bench.project / "work" / a->directory / rtl.directory / "rtl.vhd";
    EXPECT_EQ(read_file(file), arch);
    EXPECT_EQ(
        read_file(bench.project / "work" / a->directory / a->architectures[1]->directory / "x.vhd"),
        "architecture x of a is begin end x;\n");
    const Entity* b = entity_named(bench.design, "b");
    ASSERT_NE(b, nullptr);
    ASSERT_EQ(b->architectures.size(), 1u);
    EXPECT_EQ(b->architectures[0]->kind, kArchitectureHdlFile);
    EXPECT_TRUE(b->architectures[0]->hdl_file->vhdl_file.empty());
    EXPECT_TRUE(std::filesystem::is_directory(bench.project / "work" / b->directory /
                                              b->architectures[0]->directory));
}

TEST(TakeOver, ArchitectureBeforeItsEntityIsStillTakenOver) {
    ImportBench bench;
    bench.import_text("architecture early of later is begin end early;\n"
                      "entity later is port (q : out bit); end later;\n");
    const Entity* e = entity_named(bench.design, "later");
    ASSERT_NE(e, nullptr);
    ASSERT_EQ(e->architectures.size(), 1u);
    EXPECT_EQ(e->architectures[0]->name, "early");
}

TEST(TakeOver, ClashAnsweredNoLeavesTheDesignUnchangedAndYesRenames) {
    ImportBench bench;
    const std::string text = "entity dup is port (a : in bit); end dup;\n"
                             "architecture r of dup is begin end r;\n";
    bench.import_text(text);
    ASSERT_EQ(bench.design.entities.size(), 1u);

    bench.platform.queue(ui::Answer::No);
    ImportOutcome no = bench.import_text(text, "again.vhd");
    EXPECT_EQ(no.taken_over, 0);
    EXPECT_EQ(bench.design.entities.size(), 1u);
    EXPECT_EQ(bench.design.entities[0]->architectures.size(), 1u);
    EXPECT_EQ(bench.platform.shown(ui::Shown::Question).back(),
              "An entity with name 'dup' is already present in the design.Do you want to rename "
              "the imported entity ?");

    // Yes, then an illegal name, then a legal one.
    bench.platform.queue(ui::Answer::Yes);
    bench.platform.queue_text("a__b");
    bench.platform.queue_text("dup2");
    ImportOutcome yes = bench.import_text(text, "third.vhd");
    EXPECT_EQ(yes.taken_over, 1);
    const Entity* renamed = entity_named(bench.design, "dup2");
    ASSERT_NE(renamed, nullptr);
    ASSERT_EQ(renamed->architectures.size(), 1u);
    EXPECT_EQ(renamed->architectures[0]->name, "r");
    EXPECT_EQ(bench.platform.pending_answers(), 0u);

    // Cancelling the new name skips the entity.
    bench.platform.queue(ui::Answer::Yes);
    bench.platform.queue_cancel();
    EXPECT_EQ(bench.import_text(text, "fourth.vhd").taken_over, 0);
    EXPECT_EQ(bench.design.entities.size(), 2u);
}

TEST(TakeOver, LogOfAWholeImport) {
    ImportBench bench;
    bench.import_text("entity e is end e;\n", "log.vhd");
    std::string path = (bench.scratch.path() / "log.vhd").string();
    EXPECT_EQ(bench.platform.report_window_title(), "VHDL Import");
    EXPECT_EQ(
        bench.platform.report_lines(),
        (Lines{"Starting VHDL Import", "", "Reading file '" + path + "'", "# Parsing entity 'e'",
               "", "Done with file '" + path + "'", "Errors   :     0", "Warnings :     0", ""}));
}

TEST(TakeOver, AMissingFileGetsTheExtensionAndIsReported) {
    ImportBench bench;
    ImportOutcome outcome = bench.import_file(bench.scratch.path() / "missing");
    EXPECT_FALSE(outcome.read);
    std::string path = (bench.scratch.path() / "missing.vhd").string();
    EXPECT_EQ(bench.platform.report_lines(),
              (Lines{"Starting VHDL Import", "", "Cannot open file \"" + path + "\"."}));
}

TEST(TakeOver, ADirectoryThatCannotBeMadeEndsTheTakeOver) {
    ImportBench bench;
    std::filesystem::remove_all(bench.project / "work");
    testing::write_file(bench.project / "work", "a file where the directory should be");
    ImportOutcome outcome = bench.import_text("entity e1 is end; entity e2 is end;");
    EXPECT_EQ(outcome.taken_over, 0);
    EXPECT_TRUE(bench.design.entities.empty());
    EXPECT_EQ(bench.platform.shown(ui::Shown::Box).size(), 1u);
}

} // namespace
} // namespace zeph::vhdl
