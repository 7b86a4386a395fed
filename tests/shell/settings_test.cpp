// Settings read from and written to INI text: value forms, clamping, name lists and aliases,
// the extension rule, packages, logical directory definitions and what other tools wrote.
#include "shell/setting_names.h"
#include "shell/settings_io.h"
#include "shell/settings_keys.h"
#include "test_files.h"

#include <gtest/gtest.h>
#include <set>

namespace {

using namespace zeph;

Settings read_text(const std::string& text, IniDocument* out = nullptr) {
    IniDocument doc = IniDocument::parse(text);
    Settings s = read_settings(doc);
    if (out != nullptr) *out = doc;
    return s;
}

std::string written(const Settings& s, const std::string& start = "") {
    IniDocument doc = IniDocument::parse(start);
    write_settings(s, doc);
    return doc.text();
}

TEST(SettingsRead, IntegersAreClampedIntoTheirRange) {
    Settings s = read_text("[GUI]\nGridFactor=0\nMaxUndos=0\n"
                           "[Environment]\nBackupTime=45\nSplitFiles=-4\nGenerateParts=200\n"
                           "[TextSize]\nComponents=1\nNets=99999999999999999999\n"
                           "[LabelFormats]\nComponents=9\nNets=0\n"
                           "[ColoursRef]\nGrid=16\nBackground=-1\n"
                           "[StateDiagrams]\nArrowLength=4\n[Verify]\nCheckVhdlWords=7\n");
    EXPECT_EQ(s.gui.grid_factor, 1);
    EXPECT_EQ(s.gui.max_undos, 1);
    EXPECT_EQ(s.environment.backup_time, 30);
    EXPECT_EQ(s.environment.split_files, 0);
    EXPECT_EQ(s.environment.generate_parts, 84);
    EXPECT_EQ(s.text_size.components, 2);
    EXPECT_EQ(s.text_size.nets, 50);
    EXPECT_EQ(s.label_formats.components, 7);
    EXPECT_EQ(s.label_formats.nets, 1);
    EXPECT_EQ(s.colours.grid, 15);
    EXPECT_EQ(s.colours.background, 0);
    EXPECT_EQ(s.state_diagrams.arrow_length, 5);
    EXPECT_EQ(s.arrow_length_units(), 40);
    EXPECT_EQ(s.verify.check_vhdl_words, 3);
}

TEST(SettingsRead, UnreadableValuesKeepTheDefault) {
    Settings s = read_text("[GUI]\nGridFactor=abc\nMaxUndos=12x\nSaveSettingsOnExit=maybe\n"
                           "Userarea=1,2,3\n[Environment]\nBackupTime=\nEditorAsViewer=\n");
    Settings defaults;
    EXPECT_EQ(s.gui.grid_factor, defaults.gui.grid_factor);
    EXPECT_EQ(s.gui.max_undos, defaults.gui.max_undos);
    EXPECT_TRUE(s.gui.save_settings_on_exit);
    EXPECT_EQ(s.gui.user_area, defaults.gui.user_area);
    EXPECT_EQ(s.environment.backup_time, 5);
    EXPECT_TRUE(s.environment.editor_as_viewer);
    EXPECT_EQ(s, defaults);
}

TEST(SettingsRead, FlagForms) {
    Settings s = read_text("[LabelColours]\nComponents=no\nProcesses=FALSE\nNets=0\n"
                           "Generics=yes\nPorts=true\nConnectLabels=2\nBusEntries=-1\n");
    EXPECT_FALSE(s.label_colours.components);
    EXPECT_FALSE(s.label_colours.processes);
    EXPECT_FALSE(s.label_colours.nets);
    EXPECT_TRUE(s.label_colours.generics);
    EXPECT_TRUE(s.label_colours.ports);
    EXPECT_TRUE(s.label_colours.connect_labels);
    EXPECT_TRUE(s.label_colours.bus_entries);
    EXPECT_NE(written(s).find("[LabelColours]\nComponents=no\nProcesses=no\nGenerics=yes\n"),
              std::string::npos);
}

TEST(SettingsRead, RectanglesTakeAnySeparatorAndStayOnTheScreen) {
    EXPECT_EQ(read_text("[GUI]\nUserarea=10;20 300x400\n").gui.user_area,
              (WindowRect{10, 20, 300, 400}));
    EXPECT_EQ(read_text("[GUI]\nUserarea=-5,10,300,400\n").gui.user_area,
              (WindowRect{0, 0, 300, 400}));
    EXPECT_EQ(read_text("[GUI]\nUserarea=5000,10,300,400\n").gui.user_area,
              (WindowRect{0, 0, 300, 400}));
    EXPECT_EQ(read_text("[GUI]\nUserarea=10,20,60,61\n").gui.user_area,
              (WindowRect{10, 20, 60, 61}));
    EXPECT_EQ(read_text("[GUI]\nUserarea=10,20,0,-7\n").gui.user_area,
              (WindowRect{10, 20, 60, 60}));
    EXPECT_EQ(read_text("[GUI]\nUserarea=10,,20,30,40\n").gui.user_area, WindowRect{});
    EXPECT_NE(written(read_text("[GUI]\nUserarea=1;2;300;400\n")).find("Userarea=1,2,300,400\n"),
              std::string::npos);
}

TEST(SettingsRead, SynthesisToolAliasesAreWrittenBackByTheirName) {
    struct Case {
        const char* file_value;
        int tool;
        const char* written_back;
    } cases[] = {{"CORE", 1, "Galileo"},
                 {"Galileo", 1, "Galileo"},
                 {"DesignCompiler", 2, "Design/FPGACompiler"},
                 {"FPGACompiler", 2, "Design/FPGACompiler"},
                 {"Synplify", 7, "Synplify"},
                 {"synplify", 7, "Synplify"},
                 {"Leonardo", 0, "Common"}};
    for (const Case& c : cases) {
        Settings s = read_text(std::string("[Tools]\nSynthesisTool=") + c.file_value + "\n");
        EXPECT_EQ(s.tools.synthesis_tool, c.tool) << c.file_value;
        EXPECT_NE(written(s).find(std::string("SynthesisTool=") + c.written_back + "\n"),
                  std::string::npos)
            << c.file_value;
    }
}

TEST(SettingsRead, OlderFilesKeepTheSynthesisToolInMiscellaneous) {
    IniDocument doc;
    Settings s = read_text("[Miscellaneous]\nCompany=ACME\nSynthesisTool=CORE\n", &doc);
    EXPECT_EQ(s.tools.synthesis_tool, 1);
    EXPECT_EQ(doc.get("Tools", "SynthesisTool"), "CORE");
    EXPECT_FALSE(doc.get("Miscellaneous", "SynthesisTool"));
    EXPECT_EQ(doc.get("Miscellaneous", "Company"), "ACME");

    // "Tools" wins when it has the key; the old one is left alone.
    s = read_text("[Miscellaneous]\nSynthesisTool=CORE\n[Tools]\nSynthesisTool=Synergy\n", &doc);
    EXPECT_EQ(s.tools.synthesis_tool, 4);
    EXPECT_EQ(doc.get("Miscellaneous", "SynthesisTool"), "CORE");
}

TEST(SettingsRead, EqualExtensionsResetAllFive) {
    Settings s = read_text("[Environment]\nVhdlExt=vhdl\nEntityExt=e\nArchitectureExt=a\n"
                           "ConfigurationExt=c\nVerilogExt=vhdl\nBackupTime=7\n");
    EXPECT_EQ(s.environment.vhdl_ext, "vhd");
    EXPECT_EQ(s.environment.entity_ext, "ent");
    EXPECT_EQ(s.environment.architecture_ext, "arc");
    EXPECT_EQ(s.environment.configuration_ext, "cf");
    EXPECT_EQ(s.environment.verilog_ext, "v");
    EXPECT_EQ(s.environment.backup_time, 7);

    s = read_text("[Environment]\nEntityExt=vhd\n");
    EXPECT_EQ(s.environment.entity_ext, "ent");

    s = read_text("[Environment]\nVhdlExt=vhdl\nEntityExt=\nVerilogExt=sv\n");
    EXPECT_EQ(s.extension(FileKind::Vhdl), "vhdl");
    EXPECT_EQ(s.extension(FileKind::Entity), "ent");
    EXPECT_EQ(s.extension(FileKind::Verilog), "sv");
}

TEST(SettingsRead, NamesNotInTheirListTakeTheDefault) {
    EXPECT_EQ(read_text("[GUI]\nSheetSize=Size 3 Portrait\n").gui.sheet_size, 7);
    EXPECT_EQ(read_text("[GUI]\nSheetSize=A4\n").gui.sheet_size, 1);
    EXPECT_EQ(read_text("[Tools]\nAnalysisTool=Modelsim\n").tools.analysis_tool, 1);
    EXPECT_EQ(read_text("[Tools]\nAnalysisTool=Riviera\n").tools.analysis_tool, 0);
    EXPECT_EQ(read_text("[Miscellaneous]\nDefaultLanguage=Vhdl\n").default_target_language(), 1);
    EXPECT_EQ(read_text("[Miscellaneous]\nDefaultLanguage=VHDL\n").default_target_language(), 2);
    EXPECT_EQ(read_text("").default_target_language(), 1);
    for (int i = 1; i <= kSheetSizeCount; ++i)
        EXPECT_EQ(sheet_size_from_name(sheet_size_name(i)), i);
}

// The analysis tools by name; "-" (no tool) is written back as it was read.
TEST(SettingsRead, AnalysisToolsByName) {
    EXPECT_EQ(read_text("[Tools]\nAnalysisTool=GHDL\n").tools.analysis_tool, 2);
    EXPECT_EQ(read_text("[Tools]\nAnalysisTool=Icarus\n").tools.analysis_tool, 3);
    for (const char* name : {"-", "Modelsim", "GHDL", "Icarus"}) {
        std::string text = std::string("[Tools]\nAnalysisTool=") + name + "\n";
        std::string out = written(read_text(text));
        EXPECT_NE(out.find(std::string("AnalysisTool=") + name + "\n"), std::string::npos) << out;
    }
}

TEST(SettingsRead, DependentDefaults) {
    // Without its own key the free text colour follows the foreground.
    EXPECT_EQ(read_text("[ColoursRef]\nForeground=9\n").colours.free_placed_texts, 9);
    EXPECT_EQ(
        read_text("[ColoursRef]\nForeground=9\nFreePlacedTexts=3\n").colours.free_placed_texts, 3);
    // Bit 64 of the generation parts goes when bit 32 is set.
    EXPECT_EQ(read_text("[Environment]\nGenerateParts=52\n").environment.generate_parts, 52);
    EXPECT_EQ(read_text("[Environment]\nGenerateParts=84\n").environment.generate_parts, 84);
}

TEST(SettingsRead, TextsAreCutToTheirFieldSize) {
    Settings s = read_text(
        "[Miscellaneous]\nCompany=" + std::string(60, 'c') +
        "\nSignalType=  std_logic  \n[Environment]\nVhdlExt=" + std::string(20, 'x') + "\n");
    EXPECT_EQ(s.miscellaneous.company, std::string(50, 'c'));
    EXPECT_EQ(s.miscellaneous.signal_type, "std_logic");
    EXPECT_EQ(s.environment.vhdl_ext, std::string(16, 'x'));
}

TEST(SettingsRead, KeysAndSectionsIgnoreCase) {
    Settings s = read_text("[gui]\ngridfactor=4\n[ENVIRONMENT]\nBACKUPTIME=9\n");
    EXPECT_EQ(s.gui.grid_factor, 4);
    EXPECT_EQ(s.environment.backup_time, 9);
}

TEST(SettingsPackages, EntriesSplitAtTheFirstFourDots) {
    Settings s = read_text("[Packages]\nPackage0=ieee.std_logic_1164.all. .\n"
                           "Package1=work.my_pkg.ALL.X.$LIB\\pkg.v1.vhd\n");
    ASSERT_EQ(s.packages.size(), 2u);
    EXPECT_EQ(s.packages[0], (PackageEntry{"ieee", "std_logic_1164", "all", false, ""}));
    EXPECT_EQ(s.packages[1], (PackageEntry{"work", "my_pkg", "ALL", true, "$LIB\\pkg.v1.vhd"}));
    EXPECT_EQ(parse_package_entry("ieee"), (PackageEntry{"ieee", "", "", false, ""}));

    s.packages.erase(s.packages.begin());
    std::string text = written(s, "[Packages]\nPackage0=a.b.c. .\nPackage1=x\nPackage7=y\n"
                                  "Comment=kept\n");
    EXPECT_NE(text.find("[Packages]\nComment=kept\nPackage0=work.my_pkg.ALL.X.$LIB\\pkg.v1.vhd\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find("Package1="), std::string::npos);
    EXPECT_EQ(text.find("Package7="), std::string::npos);
}

// A list edited by hand: numbers from 1, a gap, a number with a leading zero, a key given
// twice. Every entry is read in number order and written back, none is lost.
TEST(SettingsPackages, EveryNumberedEntryIsReadAndKeptWhateverTheGaps) {
    const std::string text = "[Packages]\nPackage3=work.three.ALL. .\n"
                             "Package1=ieee.std_logic_1164.ALL.X.\n"
                             "Package10=work.ten.ALL. .\nComment=kept\n"
                             "package02=work.two.ALL. .\nPackage1=work.one_again.ALL. .\n";
    IniDocument doc;
    Settings s = read_text(text, &doc);
    std::vector<std::string> packages;
    for (const PackageEntry& e : s.packages)
        packages.push_back(e.package);
    EXPECT_EQ(packages,
              (std::vector<std::string>{"std_logic_1164", "one_again", "two", "three", "ten"}));
    write_settings(s, doc);
    EXPECT_NE(doc.text().find("[Packages]\nComment=kept\nPackage0=ieee.std_logic_1164.ALL.X.\n"
                              "Package1=work.one_again.ALL. .\nPackage2=work.two.ALL. .\n"
                              "Package3=work.three.ALL. .\nPackage4=work.ten.ALL. .\n"),
              std::string::npos)
        << doc.text();
    EXPECT_EQ(read_text(doc.text()).packages, s.packages);
}

TEST(SettingsDirectories, DefinitionsAreReadAndWrittenBack) {
    Settings s = read_text("[Directories]\nDESIGNS=/data/designs\nLib=$HOME/lib\n");
    ASSERT_EQ(s.directories.size(), 2u);
    ASSERT_NE(s.directory("designs"), nullptr);
    EXPECT_EQ(*s.directory("designs"), "/data/designs");
    EXPECT_EQ(s.directory("none"), nullptr);

    s.directories.erase(s.directories.begin());
    s.directories.emplace_back("OUT", "/out");
    std::string text = written(s, "[Directories]\nDESIGNS=/data/designs\nLib=$HOME/lib\n");
    EXPECT_NE(text.find("[Directories]\nLib=$HOME/lib\nOUT=/out\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("DESIGNS"), std::string::npos);
}

TEST(SettingsWrite, AFreshFileHoldsEveryKeyWithItsDefault) {
    shell_test::expect_golden("default_zeph.ini", written(Settings{}));
}

TEST(SettingsWrite, WhatOtherToolsWroteIsKept) {
    const std::string start = "; written by hand\n[GUI]\nGridFactor=3\nColour=red\n\n"
                              "[Plugins]\nfoo=bar\n\n[Environment]\nthis line is damaged\n";
    Settings s = read_text(start);
    s.gui.grid_factor = 4;
    std::string text = written(s, start);
    EXPECT_EQ(text.rfind("; written by hand\n[GUI]\nGridFactor=4\nColour=red\nSheetSize=", 0), 0u)
        << text;
    EXPECT_NE(text.find("\n\n[Plugins]\nfoo=bar\n\n[Environment]\nthis line is damaged\nEditor="),
              std::string::npos)
        << text;
}

TEST(SettingsWrite, ReadingWhatWasWrittenGivesTheSameSettings) {
    Settings s;
    s.gui.grid_factor = 9;
    s.gui.sheet_size = 8;
    s.gui.user_area = {5, 6, 700, 800};
    s.gui.save_settings_on_exit = false;
    s.environment.designs = "$DESIGNS\\sub dir";
    s.environment.generate_parts = 0;
    s.tools.synthesis_tool = 6;
    s.tools.analysis_tool = 0;
    s.colours.free_placed_texts = 4;
    s.label_colours.priorities = true;
    s.miscellaneous.default_language = "Verilog";
    s.packages.push_back({"ieee", "numeric_std", "ALL", true, "c:\\pkgs\\numeric.vhd"});
    s.directories.emplace_back("DESIGNS", "/srv/designs");
    std::string text = written(s);
    EXPECT_EQ(read_text(text), s) << text;
    EXPECT_EQ(written(read_text(text), text), text);
}

TEST(SettingsKeys, EveryKeyIsUniqueAndWellFormed) {
    std::set<std::string> seen;
    for (const SettingKey& k : setting_keys()) {
        EXPECT_TRUE(seen.insert(std::string(k.section) + "/" + k.key).second) << k.key;
        bool has_field = k.integer || k.flag || k.text || k.rect;
        EXPECT_TRUE(has_field) << k.key;
        if (k.form == ValueForm::Integer) {
            EXPECT_LE(k.min, k.max) << k.key;
        }
    }
    EXPECT_EQ(seen.size(), 104u);
}

} // namespace
