// The design file: the golden text of a sample design, its read-back records, the encodings
// and their edge cases, the version table, colours, hooks and every kind of read failure.
#include "design/design_constructors.h"
#include "design/design_defaults.h"
#include "design/design_file.h"
#include "support/design_test_support.h"
#include "support/sample_designs.h"

#include <sstream>

namespace {

using namespace zeph;
using namespace zeph::testing;

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

// 1-based number of the first line that starts with `prefix` (0 when none).
int line_starting(const std::string& text, const std::string& prefix, int from = 1) {
    std::vector<std::string> lines = lines_of(text);
    for (std::size_t i = static_cast<std::size_t>(from - 1); i < lines.size(); ++i)
        if (lines[i].rfind(prefix, 0) == 0) return static_cast<int>(i) + 1;
    return 0;
}

std::string with_line(const std::string& text, int number, const std::string& replacement) {
    std::vector<std::string> lines = lines_of(text);
    lines[static_cast<std::size_t>(number - 1)] = replacement;
    return joined(lines);
}

class DesignFile : public DesignFileTest {
  protected:
    std::string sample_text() {
        Design sample;
        build_sample_design(sample);
        return design_file_text(sample);
    }
    Design design;
};

TEST_F(DesignFile, SampleDesignIsWrittenAsTheGoldenText) {
    EXPECT_TRUE(matches_golden("sample.vdf", sample_text()));
}

TEST_F(DesignFile, SampleDesignSurvivesARoundTrip) {
    std::string first = sample_text();
    ASSERT_EQ(read_design_text(first, design), 0);
    // Every load turns the junction points of a net around.
    const Net& bus = *find_entity(design, "Toplevel")->architectures[0]->block_diagram->nets[0];
    EXPECT_EQ(bus.junctions,
              (std::vector<JunctionPoint>{{2560, 1536}, {2048, 1152}, {2048, 1536}}));
    reverse_junction_points(design);
    EXPECT_EQ(design_file_text(design), first);
}

TEST_F(DesignFile, SampleDesignReadsIntoLinkedRecords) {
    ASSERT_EQ(read_design_text(sample_text(), design), 0);
    ASSERT_EQ(design.entities.size(), 4u);
    EXPECT_EQ(design.entities[0]->name, "Toplevel");
    EXPECT_EQ(design.root, design.entities[0].get());
    EXPECT_EQ(design.designer, "A. Designer");
    EXPECT_EQ(design.synthesis_tool, 7);
    EXPECT_EQ(design.vhdl_header_file, "header file.txt");
    std::vector<PackageSpec*> libraries = design.library_entries.entries();
    ASSERT_EQ(libraries.size(), 2u);
    EXPECT_STREQ(libraries[1]->file_name, "pkg/types.vhd");
    EXPECT_EQ(libraries[1]->number, 2);
    EXPECT_EQ(design.library_entries.next_identifier(), 3);

    Entity& counter = *find_entity(design, "counter");
    EXPECT_EQ(counter.bound_packages.numbers(), std::vector<int>{1});
    EXPECT_EQ(counter.comment, "Counts clock edges.\n\nWraps at the top.");
    EXPECT_EQ(counter.ports[1]->comment, "the count, most significant bit first");
    EXPECT_EQ(counter.ports[1]->range.left, "width-1");
    ASSERT_NE(counter.testbench, nullptr);
    EXPECT_EQ(counter.testbench->name, "tb_counter");
    EXPECT_EQ(counter.testbench->tested_entity, &counter);
    EXPECT_EQ(find_entity(design, "tb_counter"), nullptr); // testbenches are not listed
    Architecture& rtl = *counter.architectures[0];
    EXPECT_EQ(rtl.comment, std::string(256, 'x')); // a text line is cut to 256
    EXPECT_EQ(rtl.hdl_file->vhdl_file, "counter rtl.vhd");
    EXPECT_EQ(rtl.generic_placements[0].label.text, "width : integer := 8");

    BlockDiagram& top = *design.root->architectures[0]->block_diagram;
    ASSERT_EQ(top.components.size(), 2u);
    Component& u0 = *top.components[0];
    EXPECT_EQ(u0.entity, &counter);
    EXPECT_EQ(u0.bound_architecture, &rtl);
    EXPECT_EQ(u0.generic_values[0].generic, counter.generics[0].get());
    EXPECT_EQ(u0.generic_values[0].actual_value, "16");
    EXPECT_EQ(u0.port_instances[1].display_option, 1);
    // Tags on component ports live in the port instances.
    EXPECT_EQ(u0.port_instances[0].connect_by_name.mode, kConnectNone);
    EXPECT_EQ(u0.port_instances[1].connect_by_name.mode, kConnectExplicit);
    EXPECT_TRUE(u0.port_instances[1].connect_by_name.has_label);
    EXPECT_EQ(u0.port_instances[1].connect_by_name.label.text, "count");
    EXPECT_EQ(u0.port_instances[1].connect_by_name.label.anchor, (Point{1700, 1152}));
    Component& u1 = *top.components[1];
    EXPECT_EQ(u1.port_instances[0].connect_by_name.mode, kConnectOwnName);
    EXPECT_FALSE(u1.port_instances[0].connect_by_name.has_label);
    ASSERT_NE(u1.entity, nullptr);
    EXPECT_EQ(u1.entity->library_module_path, "/lib/comms.vdp");
    EXPECT_EQ(u1.entity->library_module_name, "comms");
    EXPECT_EQ(u1.entity->ports.size(), 1u);
    EXPECT_EQ(u1.library_module.library_name, "mylib");
    EXPECT_EQ(top.nets[0]->name, "count bus");
    EXPECT_EQ(top.nets[0]->bus_entries[0]->direction, kDirectionDownto);
    Process& p = *top.processes[0];
    EXPECT_EQ(p.ports[0]->owner, &p);
    EXPECT_EQ(p.ports[0]->connect_by_name.mode, kConnectExplicit);
    EXPECT_EQ(p.ports[0]->connect_by_name.label.text, "enable");
    EXPECT_EQ(p.architecture, design.root->architectures[0].get());

    StateMachine& m = *find_entity(design, "ctrl")->architectures[0]->state_machine;
    ASSERT_TRUE(m.rest_present());
    ASSERT_EQ(m.action_labels.size(), 2u);
    // Unnamed labels are written as "__###__1" and "__###__2" and come back unnamed.
    EXPECT_EQ(m.action_labels[0]->name, "");
    EXPECT_EQ(m.action_labels[1]->name, "");
    EXPECT_EQ(m.action_labels[1]->number, 2);
    EXPECT_EQ(m.action_labels[1]->vhdl_text, "go <= '0';\ndone <= '1';");
    EXPECT_EQ(m.states[1]->action_usages[0]->label, m.action_labels[1].get());
    EXPECT_EQ(m.action_labels[0]->use_count, 1);
    EXPECT_EQ(m.reset_transition, m.transitions[0].get());
    EXPECT_TRUE(m.transitions[0]->reset);
    EXPECT_EQ(m.transitions[0]->priority, kResetPriority);
    EXPECT_EQ(m.transitions[0]->condition.label, m.condition_labels[1].get());
    EXPECT_EQ(m.transitions[1]->from, m.states[0].get());
    EXPECT_EQ(m.transitions[1]->geometry[6], 7);
}

TEST_F(DesignFile, EmptyDesignHasHeaderCountsAndTrailerOnly) {
    Design empty;
    std::string text = design_file_text(empty);
    EXPECT_EQ(text, "ZEPH/HDL Version 3.0   6\n"
                    "@\n"
                    "Tue Nov 14 22:13:20 2023 (NT)\n"
                    "@\n"
                    "@\n"
                    "0 0\n"
                    "0 @ 0 1 1 0\n"
                    "VHDL @ @ @ @ 0 0\n"
                    "Common 0 0 0 0 0\n"
                    "Header \n"
                    "VERILOG 0 0 0 0 0 0\n"
                    "Header \n");
    build_sample_design(design);
    ASSERT_EQ(read_design_text(text, design), 0);
    EXPECT_TRUE(design.entities.empty());
    EXPECT_EQ(design.root, nullptr);
    EXPECT_EQ(design.library_entries.count(), 0);
}

TEST_F(DesignFile, BlanksSurviveInCountedStringsOnly) {
    Design d;
    Entity& e = add_entity(d, new_entity(d, "e"));
    auto port = new_port();
    port->name = "a port";
    port->type_name = "my type";
    port->comment = "  two  blanks  ";
    port->default_value = " ";
    e.ports.push_back(std::move(port));
    Architecture& a = add_architecture(e, new_architecture(kArchitectureBlockDiagram, "rtl"));
    auto net = std::make_unique<Net>();
    net->name = "the net";
    net->default_value = "x y";
    net->vertical.push_back({0, 0, 0, 64, 0});
    a.block_diagram->nets.push_back(std::move(net));
    std::string text = design_file_text(d);
    EXPECT_NE(text.find("Port: 6 a port 7 my type\n"), std::string::npos);
    EXPECT_NE(text.find("Net: 0 7 the net 0 \n"), std::string::npos);
    // Placements name their ports by words: blanks stand as "_" there.
    EXPECT_NE(text.find("\na_port 0 0 0 0 0 0 0 0\n"), std::string::npos);
    ASSERT_EQ(read_design_text(text, design), 0);
    Entity& back = *design.entities[0];
    EXPECT_EQ(back.ports[0]->name, "a port");
    EXPECT_EQ(back.ports[0]->type_name, "my type");
    EXPECT_EQ(back.ports[0]->comment, "  two  blanks  ");
    EXPECT_EQ(back.ports[0]->default_value, " ");
    const Net& net_back = *back.architectures[0]->block_diagram->nets[0];
    EXPECT_EQ(net_back.name, "the net");
    EXPECT_EQ(net_back.default_value, "x y");
}

TEST_F(DesignFile, TextBlocksWriteBlankLinesAsAtAndCutLongLines) {
    Design d;
    Entity& e = add_entity(d, new_entity(d, "e"));
    e.comment = "   ";
    e.declarations = "first\n\n" + std::string(300, 'd');
    std::string text = design_file_text(d);
    EXPECT_NE(text.find("1 0 0 0 3 @ 0 0 0\n0 \n@\nfirst\n@\n" + std::string(256, 'd') + "\n"),
              std::string::npos);
    ASSERT_EQ(read_design_text(text, design), 0);
    EXPECT_EQ(design.entities[0]->comment, "");
    EXPECT_EQ(design.entities[0]->declarations, "first\n\n" + std::string(256, 'd'));
}

TEST_F(DesignFile, SizeOneLabelIsWrittenMinusOneAndReadAsZero) {
    Design d;
    Entity& e = add_entity(d, new_entity(d, "e"));
    auto port = new_port();
    port->name_label.size = 1;
    port->name_label.colour = 3;
    port->name_label.options = 5;
    port->name_label.text = "first line\nsecond";
    e.ports.push_back(std::move(port));
    std::string text = design_file_text(d);
    EXPECT_NE(text.find("\n0 0 -1 14 3 5 2 first line\nsecond\n"), std::string::npos);
    ASSERT_EQ(read_design_text(text, design), 0);
    const LabelDisplay& label = design.entities[0]->ports[0]->name_label;
    EXPECT_EQ(label.size, 0);
    EXPECT_EQ(label.options, 5u);
    EXPECT_EQ(label.text, "first line\nsecond");
}

TEST_F(DesignFile, LabelLinesOfTheOldFormAndColourRules) {
    std::string text = sample_text();
    int line = line_starting(text, "-16 128 ");
    ASSERT_GT(line, 0);
    // Old form: a non-negative size, alignment 1 for centred, no option word.
    ASSERT_EQ(read_design_text(with_line(text, line, "-2 16 12 1 6 1 clk"), design), 0);
    const LabelDisplay& old = find_entity(design, "counter")->ports[0]->name_label;
    EXPECT_EQ(old.anchor, (Point{-2, 16}));
    EXPECT_EQ(old.size, 12);
    EXPECT_EQ(old.alignment, kAlignCentred);
    EXPECT_EQ(old.options, 7u); // the default option word of ports
    EXPECT_EQ(old.colour, 6);
    EXPECT_EQ(old.text, "clk");

    // A colour equal to the background becomes the foreground; an option word of 0 the default.
    ASSERT_EQ(read_design_text(with_line(text, line, "-16 128 -12 14 0 0 1 clk"), design), 0);
    const LabelDisplay& dark = find_entity(design, "counter")->ports[0]->name_label;
    EXPECT_EQ(dark.colour, 15);
    EXPECT_EQ(dark.options, 7u);

    DesignDefaults defaults;
    defaults.texts_in_foreground = true;
    ReadHooks hooks;
    hooks.defaults = &defaults;
    ASSERT_EQ(read_design_text(text, design, hooks), 0);
    EXPECT_EQ(find_entity(design, "counter")->ports[0]->name_label.colour, 15);
}

TEST_F(DesignFile, PlatformTagDecidesWhetherColoursStay) {
    std::string text = sample_text();
    int tag = line_starting(text, "Tue Nov 14");
    auto colour_after = [&](const std::string& tag_line) {
        EXPECT_EQ(read_design_text(with_line(text, tag, tag_line), design), 0);
        return find_entity(design, "counter")->ports[0]->name_label.colour;
    };
    EXPECT_EQ(colour_after("Tue Nov 14 22:13:20 2023 (NT)"), 5);
    EXPECT_EQ(colour_after("Tue Nov 14 22:13:20 2023 (PC)"), 15);
    EXPECT_EQ(colour_after("Tue Nov 14 22:13:20 2023 (WS)"), 15);
}

TEST_F(DesignFile, CarriageReturnsAreDropped) {
    std::string text = sample_text();
    std::string crlf;
    for (char c : text) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    ASSERT_EQ(read_design_text(crlf, design), 0);
    reverse_junction_points(design);
    EXPECT_EQ(design_file_text(design), text);
}

TEST_F(DesignFile, HdlFileNamesGoThroughTheResolutionHook) {
    ReadHooks hooks;
    std::vector<std::string> asked;
    hooks.locate_hdl_file = [&](const Entity& entity, const Architecture* architecture,
                                const Process* process, const std::string& name, int language) {
        asked.push_back(entity.name + "/" + (process ? process->name : architecture->name) + "/" +
                        name + "/" + std::to_string(language));
        return name == "counter.v" ? std::string() : "resolved_" + name;
    };
    ASSERT_EQ(read_design_text(sample_text(), design, hooks), 0);
    EXPECT_EQ(asked,
              (std::vector<std::string>{"Toplevel/pr0/pr0.vhd/1", "counter/rtl/counter rtl.vhd/1",
                                        "counter/rtl/counter.v/2"}));
    const HdlFile& file = *find_entity(design, "counter")->architectures[0]->hdl_file;
    EXPECT_EQ(file.vhdl_file, "resolved_counter rtl.vhd");
    EXPECT_EQ(file.verilog_file, ""); // not found: dropped
}

TEST_F(DesignFile, LibraryEntriesGetFreeIdentifiers) {
    std::string text = sample_text();
    int line = line_starting(text, "ieee ");
    ASSERT_EQ(read_design_text(with_line(text, line, "ieee std_logic_1164 ALL 0 1 0 0 0 "), design),
              0);
    std::vector<PackageSpec*> entries = design.library_entries.entries();
    EXPECT_EQ(entries[0]->number, 3); // after the highest number read
    EXPECT_EQ(entries[1]->number, 2);
    // A library-only entry keeps its empty package.
    ASSERT_EQ(read_design_text(with_line(text, line, "mylib @ ALL 0 1 1 0 0 "), design), 0);
    EXPECT_STREQ(design.library_entries.entries()[0]->package, "");
    EXPECT_EQ(read_design_text(with_line(text, line, "@ pkg ALL 0 1 1 0 0 "), design), line);
}

TEST_F(DesignFile, FailuresReportTheLineAndLeaveAnEmptyDesign) {
    std::string text = sample_text();
    struct Case {
        const char* what;
        std::string prefix;
        std::string replacement;
    };
    std::vector<Case> cases = {
        {"table architecture", "Architecture: rtl 2", "Architecture: rtl 4"},
        {"undefined architecture", "Architecture: fsm 3", "Architecture: fsm 0"},
        {"unknown entity", "Component: a0 u0 counter",
         "Component: a0 u0 nothing 1024 1024 1 0 rtl 0"},
        {"unknown bound architecture", "Component: a0 u0 counter",
         "Component: a0 u0 counter 1024 1024 1 0 beh 0"},
        {"component of another architecture", "Component: a0 u0",
         "Component: a1 u0 counter 1 1 1 0 rtl 0"},
        {"net out of position", "Net: 1 ", "Net: 2 0  0 "},
        {"process of another architecture", "Process: a0", "Process: a1 pr0 1 0 0"},
        {"generic placement of another name", "width 64 64", "depth 64 64 0 0 0 0 0 0"},
        {"port placement of another name", "q 1024 256", "r 1024 256 0 0 0 0 0 0"},
        {"missing keyword", "Schem:", "Scheme: 2 2 1 0 0 0"},
        {"word where a number stands", "Fsm:", "Fsm: two 2 2 2 2 0"},
        {"number out of range", "Fsm:", "Fsm: 2 99999999999 2 2 2 0"},
        {"unknown generic type", "width Integer", "width Real -1 -1 0 0 0 0 0 0 0"},
        {"usage of an unknown label", "0 __###__1", "0 __###__9 512 800 0 0 0 0"},
        {"usage of an unknown name", "0 start ", "0 stop 900 480 0 0 0 0"},
        {"transition to an unknown state", "1 2 3 0 1 1 0", "1 7 3 0 1 1 0"},
        {"second reset transition", "1 2 3 0 1 1 0", "-2 2 3 0 1 1 0"},
        {"negative count", "Schem:", "Schem: -1 2 1 0 0 0"},
        {"count beyond the file", "Schem:", "Schem: 2 2000000 1 0 0 0"},
        {"library module without a project path", "14 /lib/comms.vdp", "0  0 1 mylib 0 0"},
    };
    for (const Case& c : cases) {
        int line = line_starting(text, c.prefix);
        ASSERT_GT(line, 0) << c.what;
        build_sample_design(design);
        EXPECT_EQ(read_design_text(with_line(text, line, c.replacement), design), line) << c.what;
        EXPECT_TRUE(design.entities.empty()) << c.what;
        EXPECT_EQ(design.library_entries.count(), 0) << c.what;
    }
}

TEST_F(DesignFile, TruncatedFilesFailAtTheirEnd) {
    std::string text = sample_text();
    std::vector<std::string> lines = lines_of(text);
    for (std::size_t keep = 2; keep + 1 < lines.size(); ++keep) {
        std::vector<std::string> head(lines.begin(), lines.begin() + static_cast<long>(keep));
        int code = read_design_text(joined(head), design);
        EXPECT_GT(code, 0) << "kept " << keep << " lines";
        EXPECT_LE(code, static_cast<int>(keep) + 1) << "kept " << keep << " lines";
        EXPECT_TRUE(design.entities.empty());
    }
}

TEST_F(DesignFile, VersionTableAndPurposes) {
    auto index_of = [](const std::string& line, FilePurpose purpose = FilePurpose::Design) {
        int index = 0;
        int code = check_file_version(line, purpose, &index);
        return code == 0 ? index : code;
    };
    EXPECT_EQ(index_of("ZEPH/HDL Version 3.0   6"), 9);
    EXPECT_EQ(index_of("ZEPH/VHDL Version 0.4   4"), kReadExpired);
    EXPECT_EQ(index_of("ZEPH/VHDL Version 0.4   5"), 1);
    EXPECT_EQ(index_of("ZEPH/VHDL Version 0.4   7"), 2);
    EXPECT_EQ(index_of("ZEPH/VHDL Version 0.4  11"), 2);
    EXPECT_EQ(index_of("ZEPH/VHDL Version 0.4  12"), 3);
    EXPECT_EQ(index_of("ZEPH/VHDL Version 1.0   2"), 4);
    EXPECT_EQ(index_of("ZEPH/VHDL Version 1.2   4"), 5);
    EXPECT_EQ(index_of("ZEPH/VHDL Version 1.4   0"), 6);
    EXPECT_EQ(index_of("ZEPH/HDL Version 2.3   0"), 7);
    EXPECT_EQ(index_of("ZEPH/HDL Version 2.4   9"), 8);
    EXPECT_EQ(index_of("ZEPH/HDL Version 3.1   0"), 9);
    EXPECT_EQ(index_of("PLAIN/HDL Version 3.0   6"), kReadNotDesignFile);
    EXPECT_EQ(index_of(""), kReadNotDesignFile);

    EXPECT_EQ(index_of("ZEPH/VHDL Version 0.4   8", FilePurpose::Macro), kReadExpired);
    EXPECT_EQ(index_of("ZEPH/VHDL Version 0.4   9", FilePurpose::Macro), 2);
    EXPECT_EQ(index_of("ZEPH/HDL Version 2.1   9", FilePurpose::Library), kReadExpired);
    EXPECT_EQ(index_of("ZEPH/HDL Version 2.2   0", FilePurpose::Library), 6);
    EXPECT_EQ(index_of("ZEPH/HDL Version 2.2   9", FilePurpose::Configuration), kReadExpired);
    EXPECT_EQ(index_of("ZEPH/HDL Version 2.3   0", FilePurpose::Configuration), 7);

    EXPECT_EQ(read_design_text("ZEPH/VHDL Version 0.3   9\n@\n", design), kReadExpired);
    EXPECT_EQ(read_design_text("not a design\n", design), kReadNotDesignFile);
    EXPECT_EQ(read_design_text("", design), kReadNotDesignFile);
}

TEST_F(DesignFile, FailureCodesBecomeSystemMessages) {
    show_read_failure(platform, 17, "work/design.vdf");
    show_read_failure(platform, kReadExpired, "work/design.vdf");
    show_read_failure(platform, kReadNotDesignFile, "x.vdf");
    show_read_failure(platform, kReadCannotOpen, "missing.vdf");
    show_read_failure(platform, 0, "fine.vdf");
    show_write_failure(platform, kWriteFailed, "work/design.vdf");
    show_write_failure(platform, kWriteCannotOpen, "ro/design.vdf");
    EXPECT_EQ(platform.shown(ui::Shown::Status),
              (std::vector<std::string>{
                  "Warning 102: Input file 'work/design.vdf' incorrect at line 17",
                  "Warning 103: Expired version of input file",
                  "Warning 102: Input file 'x.vdf' incorrect (not an ZEPH/HDL design file)",
                  "Error     7: Error(s) writing file 'work/design.vdf'",
              }));
    std::vector<std::string> boxes = platform.shown(ui::Shown::Box);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_NE(
        boxes[0].find("Please send a bug report with a copy\nof this file to CALDERWYNE Support."),
        std::string::npos);
    EXPECT_NE(boxes[1].find("Cannot open file 'missing.vdf' (for reading)"), std::string::npos);
    EXPECT_NE(boxes[2].find("Cannot open file 'ro/design.vdf' (for writing)"), std::string::npos);
}

TEST_F(DesignFile, FilesOnDisk) {
    ScratchDirectory dir;
    Design sample;
    build_sample_design(sample);
    std::string path = (dir.path() / "design.vdf").string();
    ASSERT_EQ(write_design_file(path, sample), 0);
    ASSERT_EQ(read_design_file(path, design), 0);
    EXPECT_EQ(design.entities.size(), 4u);
    EXPECT_EQ(read_design_file((dir.path() / "none.vdf").string(), design), kReadCannotOpen);
    EXPECT_TRUE(design.entities.empty());
    EXPECT_EQ(write_design_file((dir.path() / "no" / "such.vdf").string(), sample),
              kWriteCannotOpen);
    if (std::FILE* full = std::fopen("/dev/full", "w")) {
        std::setvbuf(full, nullptr, _IONBF, 0);
        EXPECT_EQ(write_design_file(full, sample), kWriteFailed);
        std::fclose(full);
    }
}

} // namespace
