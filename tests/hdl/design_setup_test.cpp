// The design setup: the status line, the vector type that follows the signal type, the
// dialog's checks and effects in their order, the language switch and new-design defaults.
#include "hdl_test_support.h"

#include "design/block_diagram.h"
#include "foundation/kind_vocabulary.h"
#include "hdl/design_language.h"
#include "hdl/design_setup.h"
#include "hdl/identifier_rules.h"
#include "hdl/new_design_setup.h"

#include <sys/stat.h>

namespace {

using namespace zeph;
using hdl_test::HdlTest;
using ui::Shown;

// What the hooks saw.
struct HookLog {
    int menus = 0, views = 0, codes = 0, modified = 0, vhdl_modified = 0;
};

class DesignSetupTest : public HdlTest {
  protected:
    void SetUp() override {
        HdlTest::SetUp();
        DesignEvents& h = events;
        h.rebuild_menus = [this] { ++log.menus; };
        h.refresh_views = [this] { ++log.views; };
        h.recompute_state_codes = [this](Design&) { ++log.codes; };
        h.mark_modified = [this](Design&, bool vhdl) {
            ++log.modified;
            if (vhdl) ++log.vhdl_modified;
        };
        build_design_with_hdl_files();
    }

    // An HDL-file architecture, a block diagram with an HDL-file process, and a testbench,
    // all with their skeletons current.
    void build_design_with_hdl_files() {
        Entity& cpu = hdl_test::add_named_entity(design, "cpu");
        arch = &add_architecture(cpu, new_architecture(kArchitectureHdlFile, "rtl", &cpu));
        Architecture& diagram =
            add_architecture(cpu, new_architecture(kArchitectureBlockDiagram, "struct", &cpu));
        process = &add_process(*diagram.block_diagram, diagram, new_process("p", kProcessHdlFile));
        auto bench = new_entity(design, "cpu_tb");
        testbench = &add_architecture(*bench, new_architecture(kArchitectureHdlFile, "test"));
        set_testbench(cpu, std::move(bench));
        for (HdlFile* f : files())
            f->skeleton_current = 3;
    }

    std::vector<HdlFile*> files() {
        return {arch->hdl_file.get(), process->hdl_file.get(), testbench->hdl_file.get()};
    }
    bool all_files_marked() {
        for (HdlFile* f : files())
            if (f->skeleton_current != 0) return false;
        return true;
    }
    bool no_file_marked() {
        for (HdlFile* f : files())
            if (f->skeleton_current != 3) return false;
        return true;
    }

    HookLog log;
    Architecture* arch = nullptr;
    Process* process = nullptr;
    Architecture* testbench = nullptr;
};

TEST_F(DesignSetupTest, StatusLineNamesLanguageAndRules) {
    design.target_language = 1;
    design.language_checking = kRulesBoth;
    EXPECT_EQ(language_status_text(design),
              "Language: Vhdl  |  Verification: Both VHDL and Verilog");
    design.target_language = 2;
    design.language_checking = kRulesVerilog;
    EXPECT_EQ(language_status_text(design), "Language: Verilog  |  Verification: Verilog rules");
    design.language_checking = kRulesVhdl;
    EXPECT_EQ(language_status_text(design), "Language: Verilog  |  Verification: VHDL rules");
}

TEST_F(DesignSetupTest, VectorTypeFollowsTheTypedSignalType) {
    DesignSetup values;
    for (std::string typed : {"s", "st", "std_ulogic"})
        edit_signal_type(values, typed);
    EXPECT_EQ(values.vector_type, "std_ulogic_Vector");
    edit_signal_type(values, "");
    EXPECT_EQ(values.vector_type, "") << "the fill goes with the signal type";

    values.vector_type = "std_logic_vector";
    edit_signal_type(values, "std_logic");
    EXPECT_EQ(values.vector_type, "std_logic_vector") << "a vector type of the user's stays";
}

TEST_F(DesignSetupTest, IllegalTypesAreRefusedFirstFailureOnly) {
    const DesignSetup before = design_setup_of(design);
    DesignSetup values = before;
    values.signal_type = "a$b";
    values.vector_type = "Entity";
    values.designer = "Ada";
    EXPECT_EQ(apply_design_setup(design, values, events), SetupOutcome::Refused);
    EXPECT_EQ(platform.shown(Shown::Status),
              std::vector<std::string>{"Error    45: 'a$b' is not a legal VHDL identifier"});
    EXPECT_EQ(design_setup_of(design), before) << "nothing changes on a failed check";
    EXPECT_EQ(log.modified, 0);

    platform.clear_transcript();
    values.signal_type = "std_logic";
    EXPECT_EQ(apply_design_setup(design, values, events), SetupOutcome::Refused);
    EXPECT_EQ(platform.last_status(), "Error    40: 'Entity' is a VHDL reserved word");

    platform.clear_transcript();
    values.vector_type = std::string(33, 'v');
    EXPECT_EQ(apply_design_setup(design, values, events), SetupOutcome::Refused);
    EXPECT_EQ(platform.last_status(),
              "Error    45: '" + values.vector_type + "' is not a legal VHDL identifier");
}

TEST_F(DesignSetupTest, HeaderFilesMustOpenForReading) {
    hdl_test::ScratchDirectory dir;
    std::string header = (dir.path() / "head.vhd").string();
    hdl_test::write_file(header, "-- header\n");
    std::string missing = (dir.path() / "none.vhd").string();

    DesignSetup values = design_setup_of(design);
    values.vhdl_header_file = header;
    values.verilog_header_file = missing;
    EXPECT_EQ(apply_design_setup(design, values, events), SetupOutcome::Refused);
    EXPECT_EQ(platform.shown(Shown::Box),
              std::vector<std::string>{"zeph|Error     4: Cannot open file '" + missing +
                                       "' (for reading)\n"});
    EXPECT_EQ(design.vhdl_header_file, "");

    values.verilog_header_file = dir.path().string();
    EXPECT_EQ(apply_design_setup(design, values, events), SetupOutcome::Refused) << "a directory";
    std::string fifo = (dir.path() / "fifo").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    values.verilog_header_file = fifo;
    EXPECT_EQ(apply_design_setup(design, values, events), SetupOutcome::Refused)
        << "a pipe, not waited on";

    values.verilog_header_file = header;
    EXPECT_EQ(apply_design_setup(design, values, events), SetupOutcome::Applied);
    EXPECT_EQ(design.verilog_header_file, header);
    EXPECT_TRUE(no_file_marked()) << "header files are not VHDL settings";
}

TEST_F(DesignSetupTest, UnchangedValuesDoNothing) {
    EXPECT_EQ(apply_design_setup(design, design_setup_of(design), events), SetupOutcome::Unchanged);
    EXPECT_TRUE(platform.transcript().empty());
    EXPECT_EQ(log.modified + log.menus + log.views, 0);
}

TEST_F(DesignSetupTest, TextsAndToolAreStoredWithoutSkeletonChecks) {
    DesignSetup values = design_setup_of(design);
    values.designer = "Ada";
    values.company = "Calderwyne";
    values.design_info = "Risc core";
    values.synthesis_tool = 7;
    values.rules = kRulesBoth;
    EXPECT_EQ(apply_design_setup(design, values, events), SetupOutcome::Applied);
    EXPECT_EQ(design_setup_of(design), values);
    EXPECT_TRUE(no_file_marked());
    EXPECT_EQ(log.modified, 1);
    EXPECT_EQ(log.vhdl_modified, 0);
    EXPECT_EQ(log.menus, 0) << "the language did not change";
    EXPECT_EQ(platform.last_status(), "Language: Vhdl  |  Verification: Both VHDL and Verilog");
}

TEST_F(DesignSetupTest, AnyVhdlSettingMarksEveryHdlFile) {
    auto change = [](DesignSetup& v, int which) {
        switch (which) {
        case 0:
            v.signal_type = "std_logic";
            break;
        case 1:
            v.vector_type = "std_logic_vector";
            break;
        case 2:
            v.inline_attributes = true;
            break;
        case 3:
            v.keyword_case = kKeywordUpper;
            break;
        default:
            v.vhdl93 = true;
            break;
        }
    };
    for (int which = 0; which < 5; ++which) {
        DesignSetup values = design_setup_of(design);
        change(values, which);
        for (HdlFile* f : files())
            f->skeleton_current = 3;
        int vhdl_before = log.vhdl_modified;
        EXPECT_EQ(apply_design_setup(design, values, events), SetupOutcome::Applied) << which;
        EXPECT_EQ(design_setup_of(design), values) << which;
        EXPECT_TRUE(all_files_marked()) << which;
        EXPECT_EQ(log.vhdl_modified, vhdl_before + 1) << which;
    }
}

TEST_F(DesignSetupTest, LanguageFromTheDialog) {
    DesignSetup values = design_setup_of(design);
    values.language = 2;
    EXPECT_EQ(apply_design_setup(design, values, events), SetupOutcome::Applied);
    EXPECT_EQ(design.target_language, 2);
    EXPECT_EQ(kind_name(design.target_language, kKindEntity, 0, 1), "module");
    EXPECT_TRUE(all_files_marked());
    EXPECT_EQ(log.menus, 1);
    EXPECT_EQ(log.codes, 1);
    EXPECT_GE(log.modified, 1);
    EXPECT_EQ(log.views, 1);
    EXPECT_EQ(platform.last_status(), "Language: Verilog  |  Verification: VHDL rules");
}

TEST_F(DesignSetupTest, LanguageOutsideTheDialogLeavesFilesAndModifiedFlag) {
    set_language(design, 2, false, events);
    EXPECT_EQ(design.target_language, 2);
    EXPECT_EQ(log.menus, 1);
    EXPECT_EQ(log.views, 1);
    EXPECT_EQ(log.codes + log.modified, 0);
    EXPECT_TRUE(no_file_marked());
    EXPECT_EQ(platform.last_status(), "Language: Verilog  |  Verification: VHDL rules");
}

TEST_F(DesignSetupTest, NewDesignsKeepTheCarriedValues) {
    DesignSetup values = design_setup_of(design);
    values.vhdl93 = true;
    values.keyword_case = kKeywordCapitalized;
    values.designer = "Ada";
    values.signal_type = "std_logic";
    ASSERT_EQ(apply_design_setup(design, values, events), SetupOutcome::Applied);

    NewDesignDefaults defaults;
    defaults.signal_type = "std_ulogic";
    defaults.vector_type = "std_ulogic_vector";
    defaults.company = "Calderwyne";
    defaults.synthesis_tool = 1;
    defaults.default_language = "vhdl"; // not exactly "Vhdl"
    Design fresh;
    reset_design_setup(fresh, defaults, events);
    EXPECT_EQ(fresh.target_language, 2);
    EXPECT_EQ(fresh.language_checking, kRulesVerilog);
    EXPECT_EQ(fresh.vhdl_signal_type, "std_ulogic");
    EXPECT_EQ(fresh.vhdl_vector_type, "std_ulogic_vector");
    EXPECT_EQ(fresh.company, "Calderwyne");
    EXPECT_EQ(fresh.synthesis_tool, 1);
    EXPECT_EQ(fresh.designer, "");
    EXPECT_TRUE(fresh.vhdl93) << "carried over";
    EXPECT_EQ(fresh.keyword_case, kKeywordCapitalized);

    defaults.default_language = "Vhdl";
    reset_design_setup(fresh, defaults, events);
    EXPECT_EQ(fresh.target_language, 1);
    EXPECT_EQ(fresh.language_checking, kRulesVhdl);
}

TEST_F(DesignSetupTest, NewDesignsCopyTheDefaultPackages) {
    NewDesignDefaults defaults;
    defaults.packages.push_back({"ieee", "std_logic_1164", "", "", true});
    defaults.packages.push_back({"1bad", "", "", "", false});
    defaults.packages.push_back({std::string(33, 'l'), "", "", "", false}); // not cut to fit
    defaults.packages.push_back({"", "mine", "ALL", "", false});
    Design fresh;
    fresh.library_entries.append(new_package_spec()); // whatever it held goes
    events.vhdl_keywords_written(kKeywordLower);
    reset_design_setup(fresh, defaults, events);
    std::vector<PackageSpec*> specs = fresh.library_entries.entries();
    ASSERT_EQ(specs.size(), 2u);
    EXPECT_STREQ(specs[0]->suffix, "all") << "filled in the keyword case";
    EXPECT_EQ(specs[0]->number, 1);
    EXPECT_EQ(specs[0]->global, 1);
    EXPECT_STREQ(specs[1]->library, "work");
    EXPECT_EQ(specs[1]->number, 2);
    EXPECT_EQ(fresh.library_entries.next_identifier(), 3);
    EXPECT_EQ(platform.shown(Shown::Status).size(), 2u);
    EXPECT_EQ(platform.shown(Shown::Status)[0],
              "Error    45: '1bad' is not a legal VHDL identifier");
}

} // namespace
