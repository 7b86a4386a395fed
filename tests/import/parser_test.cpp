// The parser: units and interfaces, the progress and error lines, the semantic checks and
// the recovery of the error alternatives.
#include "import_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zeph::vhdl {
namespace {

using testing::parse_text;

struct Parsed {
    ParsedFile file;
    std::vector<std::string> lines;
};

Parsed parse(const std::string& text, bool vhdl93 = false, int debug = 0,
             std::size_t limit = 10000) {
    ui::ScriptedPlatform platform;
    Parsed p;
    p.file = parse_text(text, platform, vhdl93, debug, limit);
    p.lines = platform.report_lines();
    return p;
}

bool has_line(const Parsed& p, const std::string& line) {
    for (const std::string& l : p.lines)
        if (l == line) return true;
    return false;
}

using Lines = std::vector<std::string>;

TEST(Parser, EntityWithGenericsAndPortsAndItsProgressLine) {
    Parsed p = parse("library ieee; use ieee.std_logic_1164.all;\n"
                     "entity e is\n"
                     "  generic (w : integer := 2 ** 3; t : time := 5  ns);\n"
                     "  port (a, b : in std_logic_vector(w - 1 downto 0) := (others => '0');\n"
                     "        c : out integer range 0 to 7;\n"
                     "        signal d : inout std_logic bus;\n"
                     "        e : buffer bit_vector(0 to 3, 1 to 2));\n"
                     "end e;\n");
    EXPECT_EQ(p.lines, (Lines{"# Parsing entity 'e'", "", "Multiple ranges", ""}));
    ASSERT_EQ(p.file.units.size(), 1u);
    const DesignUnit& e = p.file.units[0];
    EXPECT_EQ(e.libraries, (Lines{"ieee"}));
    EXPECT_EQ(e.uses, (Lines{"ieee.std_logic_1164.all"}));
    ASSERT_EQ(e.generics.size(), 2u);
    EXPECT_EQ(e.generics[0].default_value, "2 ** 3");
    EXPECT_EQ(e.generics[1].default_value, "5 ns");
    ASSERT_EQ(e.ports.size(), 4u);
    const InterfaceElement& ab = e.ports[0];
    EXPECT_EQ(ab.names, (Lines{"a", "b"}));
    EXPECT_EQ(ab.mode, InterfaceMode::In);
    EXPECT_TRUE(ab.subtype.has_index_constraint);
    EXPECT_EQ(ab.subtype.mark, "std_logic_vector");
    EXPECT_EQ(ab.subtype.range.left, "w - 1");
    EXPECT_EQ(ab.subtype.range.right, "0");
    EXPECT_EQ(ab.default_value, "(others => '0')");
    EXPECT_TRUE(e.ports[1].subtype.has_range_constraint);
    EXPECT_EQ(e.ports[1].subtype.range.right, "7");
    EXPECT_TRUE(e.ports[2].bus);
    EXPECT_EQ(e.ports[3].subtype.index_ranges, 2);
    EXPECT_EQ(p.file.errors, 0);
    EXPECT_EQ(p.file.warnings, 1);
}

TEST(Parser, GenericOfClassSignalAndModeOutLogsBothErrorsAndBecomesAnInConstant) {
    Parsed p = parse("entity g is\n  generic (signal n : out integer);\nend g;\n");
    EXPECT_EQ(p.lines, (Lines{"# Parsing entity 'g'",
                              "# Error: test.vhd(2):   generic (signal n : out integer);",
                              "Only IN allowed in Generic list",
                              "# Error: test.vhd(2):   generic (signal n : out integer);",
                              "Only CONSTANT allowed in Generic list."}));
    const InterfaceElement& n = p.file.units[0].generics[0];
    EXPECT_EQ(n.mode, InterfaceMode::In);
    EXPECT_EQ(n.object_class, ObjectClass::None);
    EXPECT_EQ(p.file.errors, 2);
}

TEST(Parser, AnIncorrectIdentifierIsLoggedAndParsingGoesOn) {
    Parsed p = parse("entity e is port (a__b : in bit; c : out bit); end e;");
    EXPECT_EQ(p.lines,
              (Lines{"# Parsing entity 'e'",
                     "# Error: test.vhd(1): entity e is port (a__b : in bit; c : out bit); end e;",
                     "\"a__b\" is not a correct identifier"}));
    ASSERT_EQ(p.file.units[0].ports.size(), 2u);
    EXPECT_EQ(p.file.units[0].ports[0].names, (Lines{"a__b"}));
}

TEST(Parser, PortClassMustBeSignal) {
    Parsed p = parse("entity g is port (variable v : in bit; constant c : in bit); end;");
    EXPECT_EQ(p.file.errors, 2);
    EXPECT_TRUE(has_line(p, "Only SIGNAL allowed in port"));
}

TEST(Parser, UseClauseNamesNeedTwoOrThreeParts) {
    EXPECT_EQ(parse("use ieee.std_logic_1164.all;").file.errors, 0);
    Parsed little = parse("use ieee;");
    EXPECT_EQ(little.lines, (Lines{"# Error: test.vhd(1): use ieee;",
                                   "Error, to little elements in use clause"}));
    EXPECT_TRUE(has_line(parse("use a.b.c.d;"), "Error, to many elements in use clause"));
    EXPECT_TRUE(has_line(parse("use ieee.;"), "Suffix expected"));
    EXPECT_TRUE(has_line(parse("use ieee std.all;"), "Dot '.' expected"));
}

TEST(Parser, DebugLevelShowsLibraryAndUseLines) {
    Parsed p = parse("library ieee; use ieee.std_logic_1164.all;", false, 1);
    EXPECT_EQ(p.lines, (Lines{"# Using LIBRARY 'ieee' (test.vhd)",
                              "# Using USE 'ieee.std_logic_1164'.(all)"}));
    Parsed trace = parse("entity e is end;", false, 2);
    EXPECT_GT(trace.lines.size(), 10u); // the parser's own trace
}

TEST(Parser, ClosingNamesMustMatch) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"entity e is end f;", "ENTITY names and must be the same"},
        {"architecture a of e is begin end b;", "ARCHITECTURE names must be the same"},
        {"package p is end q;", "PACKAGE decleration names must be the same"},
        {"package body p is end q;", "PACKAGE body names must be the same"},
        {"configuration c of e is for a end for; end d;", "CONFIGURATION names must be the same"},
        {"package p is end p; package body p is function f return bit is begin return '0'; "
         "end g; end p;",
         "FUNCTION/PROCEDURE names must be the same"},
        {"architecture a of e is begin b : block begin end block c; end a;",
         "BLOCK names must be the same"},
        {"architecture a of e is begin g : for i in 0 to 1 generate end generate h; end a;",
         "GENERATE names must be the same"},
        {"architecture a of e is begin p : process begin wait; end process q; end a;",
         "PROCESS names must be the same"},
        {"architecture a of e is begin process begin l : loop end loop m; end process; end a;",
         "LOOP names must be the same"},
    };
    for (const Case& c : cases) {
        Parsed p = parse(c.text);
        EXPECT_TRUE(has_line(p, c.message)) << c.text;
        EXPECT_EQ(p.file.errors, 1) << c.text;
    }
    EXPECT_EQ(parse("entity E is end e; architecture A of e is begin end a;").file.errors, 0);
}

TEST(Parser, ArchitectureBeforeItsEntityIsAWarningAndKeepsItsText) {
    std::string text = "-- first\n"
                       "architecture rtl of late is\n"
                       "begin\n"
                       "end rtl; -- trailing\n"
                       "entity late is end late;\n";
    Parsed p = parse(text);
    EXPECT_EQ(p.lines,
              (Lines{"", "ENTITY 'late' must be declared before ARCHITECTURE 'rtl'", "",
                     "# Parsing architecture 'rtl' of 'late'", "# Parsing entity 'late'"}));
    const DesignUnit& a = p.file.units[0];
    EXPECT_EQ(text.substr(a.text_begin, a.text_end - a.text_begin),
              "architecture rtl of late is\nbegin\nend rtl; -- trailing\n");
    EXPECT_EQ(p.file.warnings, 1);
    EXPECT_EQ(p.file.errors, 0);
}

TEST(Parser, ArchitectureNamesMissingAndTwice) {
    Parsed twice = parse("entity e is end; architecture a of e is begin end; "
                         "architecture A of E is begin end;");
    EXPECT_TRUE(has_line(twice, "ARCHITECTURE 'A'of ENTITY 'E' is already declared before "));
    Parsed nameless = parse("architecture of x is begin end;");
    EXPECT_EQ(nameless.lines,
              (Lines{"# Error: test.vhd(1): architecture of x is begin end;", "Identifier expected",
                     "", "ARCHITECTURE has no name of x", "", "", "ENTITY 'x' must be declared", "",
                     "# Parsing architecture '' of 'x'"}));
    Parsed reserved = parse("entity begin is end;");
    EXPECT_TRUE(has_line(reserved, "Bad identifier, possible reserved word"));
    EXPECT_EQ(reserved.file.units[0].name, "Entity_not_named");
}

TEST(Parser, RecoveryAtSemicolonsAndColons) {
    Parsed p = parse("entity e is port (a in bit; b : out bit); end e\n"
                     "entity f is end f;;\n");
    EXPECT_TRUE(has_line(p, "Colon ':' expected"));
    EXPECT_TRUE(has_line(p, "Semicolon ';' expected"));
    EXPECT_TRUE(has_line(p, "Semicolon ';' to much"));
    ASSERT_EQ(p.file.units.size(), 2u);
    ASSERT_EQ(p.file.units[0].ports.size(), 2u);
    EXPECT_EQ(p.file.units[0].ports[0].names, (Lines{"a"}));
    EXPECT_EQ(p.file.units[1].name, "f");
    EXPECT_EQ(p.file.errors, 3);
}

TEST(Parser, SyntaxErrorsInBodiesRecoverAtTheNextSemicolon) {
    Parsed p = parse("entity e is end;\n"
                     "architecture a of e is\n"
                     "  signal s : bit;\n"
                     "  signal := bad;\n"
                     "begin\n"
                     "  s <= ) '1';\n"
                     "  p : process begin if s then null; end if; end process;\n"
                     "end a;\n"
                     "entity f is port (x : in bit); end f;\n");
    EXPECT_EQ(p.file.errors, 2);
    EXPECT_TRUE(has_line(p, "# Error: test.vhd(4):   signal := bad;"));
    EXPECT_TRUE(has_line(p, "# Error: test.vhd(6):   s <= ) '1';"));
    EXPECT_TRUE(has_line(p, "syntax error"));
    EXPECT_TRUE(has_line(p, "# Parsing  process 'p' : "));
    ASSERT_EQ(p.file.units.size(), 3u);
    EXPECT_EQ(p.file.units[2].ports.size(), 1u);
}

TEST(Parser, NotAVhdlFileAndTheStackLimit) {
    Parsed junk = parse("Hello, this is a letter.\n");
    ASSERT_FALSE(junk.lines.empty());
    EXPECT_EQ(junk.lines[1], "Not a VHDL file");
    std::string deep = "architecture a of e is begin s <= " + std::string(200, '(') + "1" +
                       std::string(200, ')') + "; end a; entity z is end;";
    Parsed p = parse(deep, false, 0, 100);
    EXPECT_TRUE(has_line(p, "yacc stack overflow"));
    EXPECT_EQ(p.file.units.size(), 1u); // the parse ended inside the architecture
}

TEST(Parser, Vhdl93SyntaxIsAnErrorInVhdl87ButUnderstood) {
    std::string text = "entity e is port (a : in bit); end entity e;\n"
                       "architecture a of e is begin end architecture a;\n";
    Parsed as87 = parse(text, false);
    EXPECT_EQ(as87.file.errors, 2);
    EXPECT_EQ(as87.file.units.size(), 2u);
    Parsed as93 = parse(text, true);
    EXPECT_EQ(as93.file.errors, 0);
}

TEST(Parser, ComponentsAreComparedWithEntitiesReadBefore) {
    Parsed p = parse("entity e is generic (n : integer); port (a : in bit; b : out bit bus);\n"
                     "end e;\n"
                     "architecture s of e is\n"
                     "  component e generic (m : natural; k : integer);\n"
                     "    port (a : out bit_vector(1 downto 0) bus; c : out bit); end component;\n"
                     "begin end s;\n");
    EXPECT_TRUE(has_line(p, "# Parsing component  'e'"));
    for (const char* message :
         {"Number of generics in component \"e\"is not the same",
          "Names 'm' and 'n' does not match", "Types does not match for generic 'n' of entity 'e'",
          "Types 'bit_vector(1 downto 0)' and 'bit' does not match",
          "Error, You must specify BUS in ENTITY", "Modes 'OUT' and 'IN' does not match",
          "Names 'c' and 'b' does not match", "Error, BUS specified in ENTITY"})
        EXPECT_TRUE(has_line(p, message)) << message;
    Parsed same = parse("entity e is port (a : in bit); end e; architecture s of e is "
                        "component e port (a : in bit); end component; begin end s;");
    EXPECT_EQ(same.file.errors, 0);
}

TEST(Parser, GrammarCornersThatTheCorpusDoesNotReach) {
    // Disconnection specifications, 87 file declarations, physical literals in generics,
    // qualified expressions, allocators and aggregates as targets.
    Parsed p = parse("entity e is end;\n"
                     "architecture a of e is\n"
                     "  signal s : bit bus;\n"
                     "  disconnect s : bit after 2 ns;\n"
                     "  disconnect others : bit after 1 ns;\n"
                     "  type ptr is access integer;\n"
                     "  file f : text is in \"data\";\n"
                     "  for all : c use open;\n"
                     "begin\n"
                     "  process variable p : ptr; variable x, y : bit; begin\n"
                     "    p := new integer'(3); (x, y) := bit_vector'(\"01\");\n"
                     "    wait on s until s = '1' for 5 ns; return;\n"
                     "  end process;\n"
                     "end;\n");
    EXPECT_EQ(p.file.errors, 0) << ::testing::PrintToString(p.lines);
}

} // namespace
} // namespace zeph::vhdl
