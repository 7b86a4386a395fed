// HDL files with user regions: meta comments, skeletons of new files, process headings, the
// scans and their error texts, refreshes that keep the user's text byte for byte, the events
// and the verification hook, and the inclusion into the netlist.
#include "text_test_support.h"

#include "design/design_constructors.h"
#include "design/report.h"
#include "hdl/hdl_file_inclusion.h"
#include "hdl/hdl_file_marks.h"
#include "hdl/hdl_file_place.h"
#include "hdl/hdl_file_scan.h"
#include "hdl/meta_comment.h"
#include "hdl/process_heading.h"
#include "hdl/skeleton.h"
#include "hdl/skeleton_body.h"
#include "hdl/skeleton_events.h"
#include "hdl/vhdl_keywords.h"

namespace {

using namespace hdl_text_test;
using ui::Answer;
using ui::Shown;

class HdlFileTest : public TextTest {
  protected:
    void SetUp() override {
        TextTest::SetUp();
        counter = &add_entity_named(design, "counter");
        add_generic(*counter, "width", 4, "8", 0, "bits");
        add_port(*counter, "clk", kModeIn).special_function = kFunctionClock;
        add_port(*counter, "rst", kModeIn);
        add_port(*counter, "q", kModeOut, make_range("7", "0")).comment = "the count";
        rtl = &add_hdl_arch(*counter, "rtl");
        structure = &add_arch(*counter, kArchitectureBlockDiagram, "structure");
        ctrl = &add_hdl_process(*structure, "ctrl");
        add_process_port(*ctrl, "clk", kModeIn, kSensitivityPosedge).special_function =
            kFunctionClock;
        add_process_port(*ctrl, "rst", kModeIn, kSensitivityListed);
        Port& q = add_process_port(*ctrl, "q", kModeOut, kSensitivityNone);
        q.range = make_range("7", "0");
        add_process_port(*ctrl, "", kModeInout, kSensitivityNegedge); // not reached by a net
    }

    std::filesystem::path path_of(Architecture& architecture, Process* process = nullptr) {
        const HdlFile& file = process ? *process->hdl_file : *architecture.hdl_file;
        return hdl_file_path(context().place, *counter, architecture, file, design.target_language);
    }

    bool ensure(Architecture& architecture, Process* process = nullptr,
                const std::string* old_name = nullptr) {
        return ensure_skeleton(context(), path_of(architecture, process), *counter, old_name,
                               architecture, process);
    }

    // Creates the file through ensure_skeleton, answering Yes.
    std::string created(Architecture& architecture, Process* process = nullptr) {
        platform.queue(Answer::Yes);
        EXPECT_TRUE(ensure(architecture, process));
        return read_file(path_of(architecture, process));
    }

    std::string boxes() const {
        std::string all;
        for (const std::string& box : platform.shown(Shown::Box))
            all += box + "\n";
        return all;
    }

    Entity* counter = nullptr;
    Architecture* rtl = nullptr;
    Architecture* structure = nullptr;
    Process* ctrl = nullptr;
};

TEST_F(HdlFileTest, MetaCommentsOfArchitecturesAndProcesses) {
    auto meta = [&](Architecture& a, Process* p) {
        return text_of(
            [&](std::ostream& out) { write_meta_comment(out, context(), *counter, a, p); });
    };
    std::string vhdl = meta(*rtl, nullptr);
    EXPECT_TRUE(matches_golden("hdl_files/meta_architecture.vhd", vhdl));
    EXPECT_EQ(vhdl.substr(0, vhdl.find('\n')).size(), 75u);
    EXPECT_TRUE(matches_golden("hdl_files/meta_process.vhd", meta(*structure, ctrl)));
    use_language(2);
    EXPECT_TRUE(matches_golden("hdl_files/meta_module_body.v", meta(*rtl, nullptr)));
    EXPECT_TRUE(matches_golden("hdl_files/meta_process.v", meta(*structure, ctrl)));
}

TEST_F(HdlFileTest, TestbenchMetaCommentCarriesHeaderClausesAndEntity) {
    auto bench = new_entity(design, "counter_tb");
    Entity& tb = *bench;
    set_testbench(*counter, std::move(bench));
    Architecture& test = add_hdl_arch(tb, "test");
    PackageSpec* spec = new_package_spec();
    set_package_field(spec->library, "ieee");
    set_package_field(spec->package, "std_logic_1164");
    set_package_field(spec->suffix, "all");
    spec->global = 1;
    design.library_entries.append(spec);
    design.designer = "Ada";
    std::string text = text_of([&](std::ostream& out) {
        write_meta_comment(out, context(), tb, test, nullptr);
        write_skeleton_body(out, context(), tb, test, nullptr);
    });
    EXPECT_TRUE(matches_golden("hdl_files/meta_testbench.vhd", text));
}

TEST_F(HdlFileTest, NewFilesGetTheirSkeletons) {
    design.vhdl93 = true;
    design.keyword_case = kKeywordUpper; // applied by ensure_skeleton
    EXPECT_TRUE(matches_golden("hdl_files/skeleton_architecture.vhd", created(*rtl)));
    EXPECT_EQ(platform.shown(Shown::Question), std::vector<std::string>{"Generate skeleton?"});
    EXPECT_EQ(rtl->hdl_file->skeleton_current, 1u);
    EXPECT_TRUE(matches_golden("hdl_files/skeleton_process.vhd", created(*structure, ctrl)));
    use_language(2);
    EXPECT_TRUE(matches_golden("hdl_files/skeleton_module_body.v", created(*rtl)));
    EXPECT_EQ(rtl->hdl_file->skeleton_current, 3u);
    EXPECT_TRUE(matches_golden("hdl_files/skeleton_process.v", created(*structure, ctrl)));
    // A current file is left alone, even when it changed.
    write_file(path_of(*rtl), "edited\n");
    EXPECT_TRUE(ensure(*rtl));
    EXPECT_EQ(read_file(path_of(*rtl)), "edited\n");
}

TEST_F(HdlFileTest, NoCreatesAnEmptyFileAndCancelCreatesNothing) {
    platform.queue(Answer::Cancel);
    EXPECT_FALSE(ensure(*rtl));
    EXPECT_FALSE(std::filesystem::exists(path_of(*rtl)));
    EXPECT_EQ(rtl->hdl_file->skeleton_current, 0u);
    platform.queue(Answer::No);
    EXPECT_TRUE(ensure(*rtl));
    EXPECT_EQ(read_file(path_of(*rtl)), "");
    EXPECT_EQ(rtl->hdl_file->skeleton_current, 1u);
}

TEST_F(HdlFileTest, ProcessHeadingsBreakLongSensitivityLists) {
    Process& wide = add_hdl_process(*structure, "sequencer");
    for (const char* name :
         {"clock_of_the_system", "asynchronous_reset_input", "start_of_conversion_request",
          "channel_select_bits", "overflow_detected", "x", "last_entry_of_a_long_list"})
        add_process_port(wide, name, kModeIn, kSensitivityListed);
    wide.ports[0]->sensitivity = kSensitivityPosedge;
    add_process_port(wide, "out_only", kModeOut, kSensitivityListed); // outputs never count
    auto heading = [&](Process& p) {
        return text_of([&](std::ostream& out) {
            write_process_heading(out, context(), p);
            write_process_end(out, context(), p);
        });
    };
    design.vhdl93 = true;
    std::string vhdl = heading(wide);
    EXPECT_TRUE(matches_golden("hdl_files/heading_long.vhd", vhdl));
    EXPECT_EQ(vhdl.find("out_only"), std::string::npos);
    use_language(2);
    EXPECT_TRUE(matches_golden("hdl_files/heading_long.v", heading(wide)));

    Process& quiet = add_hdl_process(*structure, "quiet");
    add_process_port(quiet, "a", kModeIn, kSensitivityNone);
    EXPECT_EQ(heading(quiet), "  always\n  begin : quiet  // ZEPH/Verilog sens.list\n"
                              "  end //  quiet\n");
    use_language(1);
    EXPECT_EQ(heading(quiet),
              "  quiet: process\t\t-- ZEPH/VHDL sens.list\n  end process quiet ;\n");
    design.vhdl93 = false;
    EXPECT_EQ(heading(*ctrl).substr(0, heading(*ctrl).find('\t')),
              "  ctrl: process (clk, rst, ?) ");
}

TEST_F(HdlFileTest, HeadingLineBreakingColumns) {
    // "  p: process" is 12 columns; " (" makes 14.
    Process& p = add_hdl_process(*structure, "p");
    add_process_port(p, std::string(60, 'a'), kModeIn, kSensitivityListed); // 14+60+1 = 75: stays
    add_process_port(p, "b", kModeIn, kSensitivityListed);                  // 74+2+1+1 = 78: moves
    add_process_port(p, std::string(45, 'c'), kModeIn, kSensitivityListed); // 7+2+45+24 = 78: moves
    std::string text =
        text_of([&](std::ostream& out) { write_process_heading(out, context(), p); });
    EXPECT_EQ(text, "  p: process (" + std::string(60, 'a') + ", \n      b, \n      " +
                        std::string(45, 'c') + ") \t\t-- ZEPH/VHDL sens.list\n");
    p.ports.pop_back();
    add_process_port(p, std::string(44, 'c'), kModeIn, kSensitivityListed); // 7+2+44+24 = 77
    text = text_of([&](std::ostream& out) { write_process_heading(out, context(), p); });
    EXPECT_NE(text.find("      b, \n      " + std::string(44, 'c')), std::string::npos);
}

struct ScanCase {
    const char* what;
    std::string file;
    int scan; // 0 meta (VHDL), 1 architecture, 2 process, 3 always
    std::string error;
};

TEST(HdlFileScan, EveryErrorText) {
    const std::string meta = "-- ZEPH/VHDL begin ---\n-- ZEPH/VHDL end ---\n";
    const std::string vmeta = "// ZEPH/Verilog begin\n// ZEPH/Verilog end\n";
    const ScanCase cases[] = {
        {"open meta", "x\n-- ZEPH/VHDL begin\nno end\n", 0, "Missing end of meta comment"},
        {"end marker on the begin line", "-- ZEPH/VHDL begin -- ZEPH/VHDL end\n", 0,
         "Missing end of meta comment"},
        {"no start", meta + "ARCHITECTURE a OF other IS\n", 1, "Missing architecture start line"},
        {"start before meta", "ARCHITECTURE a OF e IS\n" + meta + "END a ;\n", 1,
         "Missing architecture start line"},
        {"no end", meta + "architecture a of e is\nbegin\nend b ;\n", 1,
         "Missing architecture end line"},
        {"open meta first", "-- ZEPH/VHDL begin\narchitecture a of e is\nend a;\n", 1,
         "Missing end of meta comment"},
        {"no heading", meta + "  p PROCESS (a)\n", 2, "Missing process heading"},
        {"no heading end", meta + "  p: PROCESS (a) IS\n  BEGIN\n  END PROCESS p ;\n", 2,
         "\nMissing process header end ('-- ZEPH/VHDL sens.list')"},
        {"no process end", meta + "p: process(a) -- ZEPH/VHDL sens.list\nend process q ;\n", 2,
         "Missing process end line"},
        {"no always", vmeta + "  initial begin\n", 3, "Missing 'always' heading"},
        {"no always end of heading", vmeta + "  always @(a)\n  begin // ZEPH/Verilog sens.list\n",
         3, "Missing 'always' heading end"},
        {"end without comment",
         vmeta + "always @(a)\nbegin : ctrl // ZEPH/Verilog sens.list\nend ctrl\n", 3,
         "Missing 'always' end line"},
    };
    for (const ScanCase& c : cases) {
        std::string error;
        switch (c.scan) {
        case 0:
            error = scan_meta_comment(c.file, 1).error;
            break;
        case 1:
            error = scan_architecture(c.file, "e").error;
            break;
        case 2:
            error = scan_process(c.file).error;
            break;
        default:
            error = scan_always(c.file).error;
            break;
        }
        EXPECT_EQ(error, c.error) << c.what;
    }
}

TEST(HdlFileScan, RegionsOfAVerilogAlwaysBlock) {
    const std::string head = "top text\n// ZEPH/Verilog begin\n// ZEPH/Verilog end ---\n";
    const std::string lead = "  // user lead\n";
    const std::string heading =
        "  always@(posedge clk)\n  begin : ctrl  // ZEPH/Verilog sens.list\n";
    const std::string middle = "    q <= d ; // ctrl is not the end\n  end ctrl\n";
    const std::string end = "  end // ctrl\n";
    const std::string file = head + lead + heading + middle + end + "trailing";
    RegionScan scan = scan_always(file);
    ASSERT_TRUE(scan.ok()) << scan.error;
    EXPECT_EQ(scan.name, "ctrl");
    EXPECT_EQ(file.substr(scan.user_start, scan.heading_start - scan.user_start), lead);
    EXPECT_EQ(file.substr(scan.heading_end, scan.end_start - scan.heading_end), middle);
    EXPECT_EQ(file.substr(scan.end_start, scan.end_end - scan.end_start), end);
    EXPECT_EQ(file.substr(scan.end_end), "trailing");
}

TEST(HdlFileScan, ArchitectureAndProcessLinesIgnoreKeywordCase) {
    std::string arch = "-- ZEPH/VHDL begin\n-- ZEPH/VHDL end\n"
                       "Architecture rtl Of counter Is\nbegin\nEND ARCHITECTURE rtl;\n";
    RegionScan a = scan_architecture(arch, "counter");
    ASSERT_TRUE(a.ok());
    EXPECT_EQ(a.name, "rtl");
    EXPECT_FALSE(scan_architecture(arch, "Counter").ok()); // the entity name is exact
    std::string process = "ctrl :Process(clk) -- ZEPH/VHDL sens.list\nbegin\nend ctrl;\n";
    RegionScan p = scan_process(process);
    ASSERT_TRUE(p.ok()) << p.error;
    EXPECT_EQ(p.name, "ctrl");
    EXPECT_EQ(p.user_start, 0u);
}

TEST(HdlFileScan, LongLinesAreReadInPieces) {
    // A start marker that a 4096-byte read splits is not seen.
    std::string split = std::string(4090, ' ') + "-- ZEPH/VHDL begin\n";
    EXPECT_FALSE(scan_meta_comment(split, 1).found);
    std::string whole = std::string(4000, ' ') + "-- ZEPH/VHDL begin\n-- ZEPH/VHDL end\n";
    EXPECT_TRUE(scan_meta_comment(whole, 1).found);
}

// A user's process file with Windows line ends, text above the meta comment and statements
// that must survive the refresh.
const std::string kUserStatements = "    IF rst = '1' THEN\r\n      q <= (OTHERS => '0') ;\r\n"
                                    "    ELSIF clk'EVENT AND clk = '1' THEN\r\n"
                                    "      q <= d ;   -- keep   this\r\n    END IF ;\r\n";

TEST_F(HdlFileTest, RefreshOfAProcessKeepsTheUserStatements) {
    std::string file = created(*structure, ctrl);
    std::size_t begin_at = file.find("  BEGIN");
    ASSERT_EQ(begin_at, std::string::npos); // lower case
    begin_at = file.find("  begin\n");
    std::string edited = "-- above the meta comment\r\n" + file.substr(0, begin_at) +
                         "  -- local declarations\r\n  begin\r\n" + kUserStatements +
                         file.substr(file.find("    end process"));
    edited += "\n-- after the end line\r\n";
    write_file(path_of(*structure, ctrl), edited);
    // The ports got new names (from their nets) and a new sensitivity.
    ctrl->ports[1]->name = "reset_n";
    ctrl->ports[2]->sensitivity = kSensitivityListed; // an output: still not listed
    ctrl->ports[3]->name = "data";
    mark_after_process_change(*ctrl);
    EXPECT_EQ(ctrl->hdl_file->skeleton_current, 0u);
    design.vhdl93 = true;
    ASSERT_TRUE(ensure(*structure, ctrl)) << boxes();
    std::string refreshed = read_file(path_of(*structure, ctrl));
    EXPECT_TRUE(matches_golden("hdl_files/refresh_process.vhd", refreshed));
    std::string statements = kUserStatements;
    std::erase(statements, '\r');
    EXPECT_NE(refreshed.find(statements), std::string::npos);
    EXPECT_EQ(refreshed.find("above the meta comment"), std::string::npos);
    EXPECT_EQ(refreshed.find('\r'), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(project.path() / "zeph.tmp"));
    EXPECT_EQ(ctrl->hdl_file->skeleton_current, 1u);
}

TEST_F(HdlFileTest, RefreshWritesANewArchitectureNameIntoBothLines) {
    created(*rtl);
    std::string file = read_file(path_of(*rtl));
    std::string user = "  SIGNAL count : Integer ;\nbegin\n  q <= (OTHERS => '0') ;\n";
    std::string start = "architecture rtl of counter is\n";
    std::size_t at = file.find(start) + start.size();
    write_file(path_of(*rtl), file.substr(0, at) + user + file.substr(file.find("end  rtl")));
    rtl->name = "behaviour";
    mark_after_architecture_rename(*rtl);
    ASSERT_TRUE(ensure(*rtl)) << boxes();
    std::string refreshed = read_file(path_of(*rtl));
    EXPECT_TRUE(matches_golden("hdl_files/refresh_architecture.vhd", refreshed));
    EXPECT_NE(refreshed.find("architecture behaviour of counter is\n" + user +
                             "end  behaviour ; -- of counter\n"),
              std::string::npos);
}

TEST_F(HdlFileTest, EntityRenameRefreshesByTheOldName) {
    created(*rtl);
    std::string old_name = counter->name;
    counter->name = "up_counter";
    ASSERT_TRUE(skeletons_after_entity_rename(context(), *counter, old_name)) << boxes();
    std::string refreshed = read_file(path_of(*rtl));
    EXPECT_NE(refreshed.find("architecture rtl of up_counter is\n"), std::string::npos);
    EXPECT_NE(refreshed.find("-- Architecture 'rtl' of 'up_counter'.\n"), std::string::npos);
    EXPECT_EQ(rtl->hdl_file->skeleton_current, 1u);
    EXPECT_EQ(ctrl->hdl_file->skeleton_current, 0u); // refreshed at the next verification
    // Without the old name the start line is not found again.
    counter->name = "again";
    rtl->hdl_file->skeleton_current = 0;
    EXPECT_FALSE(ensure(*rtl));
}

TEST_F(HdlFileTest, FailedScanLeavesTheFileUntouched) {
    const std::string broken = "-- ZEPH/VHDL begin\r\nuser text\r\n";
    write_file(path_of(*rtl), broken);
    EXPECT_FALSE(ensure(*rtl));
    EXPECT_EQ(read_file(path_of(*rtl)), broken);
    EXPECT_EQ(boxes(), "zeph|File scan error for file '" + path_of(*rtl).string() +
                           "' : Missing end of meta comment\n");
    EXPECT_FALSE(std::filesystem::exists(project.path() / "zeph.tmp"));
    EXPECT_EQ(rtl->hdl_file->skeleton_current, 0u);
}

TEST_F(HdlFileTest, UncreatableTemporaryFileIsMessageFour) {
    write_file(path_of(*rtl), "architecture rtl of counter is\nbegin\nend rtl;\n");
    std::filesystem::create_directories(project.path() / "zeph.tmp");
    EXPECT_FALSE(ensure(*rtl));
    EXPECT_EQ(boxes(), "zeph|Error     4: Cannot open file 'zeph.tmp' (for writing)\n\n");
    EXPECT_EQ(read_file(path_of(*rtl)), "architecture rtl of counter is\nbegin\nend rtl;\n");
}

TEST_F(HdlFileTest, ModuleBodyRefreshPutsAMetaCommentInFrontOfTheUsersText) {
    use_language(2);
    const std::string body =
        "  reg [7:0] count ;\r\n  always @(posedge clk) count <= count + 1 ;\n";
    write_file(path_of(*rtl), body);
    ASSERT_TRUE(ensure(*rtl)) << boxes();
    std::string refreshed = read_file(path_of(*rtl));
    EXPECT_TRUE(matches_golden("hdl_files/refresh_module_body.v", refreshed));
    // A second refresh replaces the meta comment and keeps the body.
    rtl->hdl_file->skeleton_current = 0;
    ASSERT_TRUE(ensure(*rtl));
    EXPECT_EQ(read_file(path_of(*rtl)), refreshed);
}

TEST_F(HdlFileTest, VerificationRefreshesOutOfDateFilesWithNoteOrError) {
    Report report(platform);
    report.start(ReportScope::Design);
    // Missing files are neither created nor asked about.
    refresh_skeletons_for_verification(context(), report, *counter, *rtl);
    EXPECT_TRUE(platform.shown(Shown::Question).empty());
    created(*rtl);
    created(*structure, ctrl);
    refresh_skeletons_for_verification(context(), report, *counter, *rtl); // current: nothing
    EXPECT_EQ(report.notes() + report.errors(), 0);
    rtl->hdl_file->skeleton_current = 0;
    refresh_skeletons_for_verification(context(), report, *counter, *rtl);
    write_file(path_of(*structure, ctrl), "-- ZEPH/VHDL begin\nno end\n");
    ctrl->hdl_file->skeleton_current = 0;
    refresh_skeletons_for_verification(context(), report, *counter, *structure);
    EXPECT_EQ(report.notes(), 1);
    EXPECT_EQ(report.errors(), 1);
    const auto& lines = platform.report_lines();
    auto has = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    EXPECT_TRUE(has("Note    157: Skeleton of Vhdl file '" + path_of(*rtl).string() +
                    "' automaticly refreshed due to changed features"));
    EXPECT_TRUE(has("Error    34: Error(s) during automatic refresh (due to changed features) of "
                    "skeleton of Vhdl file '" +
                    path_of(*structure, ctrl).string() + "'"));
}

TEST_F(HdlFileTest, EditorGetsTheFileWithItsSkeletonCurrent) {
    EXPECT_FALSE(prepare_hdl_file_for_editor(context(), "", *counter, *rtl, nullptr));
    EXPECT_EQ(boxes(), "zeph|No editor specified.\n");
    EXPECT_FALSE(std::filesystem::exists(path_of(*rtl)));
    platform.queue(Answer::Yes);
    auto path = prepare_hdl_file_for_editor(context(), "zped", *counter, *rtl, nullptr);
    ASSERT_TRUE(path);
    EXPECT_EQ(*path, path_of(*rtl));
    EXPECT_TRUE(std::filesystem::exists(*path));
    platform.queue(Answer::Cancel);
    EXPECT_FALSE(prepare_hdl_file_for_editor(context(), "zped", *counter, *structure, ctrl));
    rtl->hdl_file->vhdl_file.clear();
    EXPECT_FALSE(prepare_hdl_file_for_editor(context(), "zped", *counter, *rtl, nullptr));
}

TEST_F(HdlFileTest, InclusionIntoTheNetlist) {
    auto included = [&](Architecture& a, Process* p) {
        return text_of(
            [&](std::ostream& out) { write_hdl_file_text(out, context(), *counter, a, p); });
    };
    std::string separator(75, '-');
    EXPECT_EQ(included(*rtl, nullptr),
              separator + "\n-- Vhdl file for Architecture 'rtl' not found in file system.\n" +
                  separator + "\n");
    ctrl->hdl_file->vhdl_file.clear();
    EXPECT_EQ(included(*structure, ctrl),
              separator + "\n-- No Vhdl file specified for process 'ctrl'.\n" + separator + "\n");
    // A file without meta comment is included whole, carriage returns dropped.
    write_file(path_of(*rtl), "architecture rtl of counter is\r\nbegin\r\nend rtl ;");
    EXPECT_EQ(included(*rtl, nullptr), "architecture rtl of counter is\nbegin\nend rtl ;");
    // With one, only what follows it; text above it never reaches the netlist.
    write_file(path_of(*rtl), "above\n-- ZEPH/VHDL begin\n-- copy\n-- ZEPH/VHDL end ---\nbody\n");
    EXPECT_EQ(included(*rtl, nullptr), "body\n");
    write_file(path_of(*rtl), "-- ZEPH/VHDL begin\nbody\n");
    EXPECT_EQ(included(*rtl, nullptr), "");
    EXPECT_NE(boxes().find("Missing end of meta comment"), std::string::npos);
    use_language(2);
    std::string slashes(75, '/');
    EXPECT_EQ(included(*rtl, nullptr),
              slashes + "\n// Verilog file for Module body 'rtl' not found in file system.\n" +
                  slashes + "\n");
    ctrl->hdl_file->verilog_file.clear();
    EXPECT_EQ(included(*structure, ctrl),
              slashes + "\n// No Verilog file specified for always block 'ctrl'.\n" + slashes +
                  "\n");
}

TEST_F(HdlFileTest, FilePlacesFollowTheProjectDirectories) {
    EXPECT_EQ(path_of(*rtl), project.path() / "work" / "counter" / "rtl" / "rtl.vhd");
    EXPECT_EQ(path_of(*structure, ctrl),
              project.path() / "work/counter" / structure->directory / "ctrl.vhd");
    rtl->hdl_file->vhdl_file = "sub\\file.vhd";
    EXPECT_EQ(path_of(*rtl), project.path() / "work/counter/rtl/sub/file.vhd");
    rtl->hdl_file->vhdl_file = "/abs/file.vhd";
    EXPECT_EQ(path_of(*rtl), std::filesystem::path("/abs/file.vhd"));
}

} // namespace
