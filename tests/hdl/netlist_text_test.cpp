// The netlist text of the first generation step: file headers, entity declarations with their
// generic and port columns, architecture frames, Verilog modules and their names,
// configuration declarations and specifications, byte for byte against golden files.
#include "text_test_support.h"

#include "design/status_flags.h"
#include "foundation/clock.h"
#include "foundation/system_message.h"
#include "hdl/architecture_text.h"
#include "hdl/component_library.h"
#include "hdl/configuration_text.h"
#include "hdl/file_header.h"
#include "hdl/internal_error.h"
#include "hdl/verilog_module.h"
#include "hdl/vhdl_entity.h"
#include "hdl/vhdl_interface.h"
#include "hdl/vhdl_keywords.h"

namespace {

using namespace hdl_text_test;

// Every column case of a port and generic list: names of different lengths, each mode, both
// range directions, the default types, own types, signal kinds, default values, time units,
// user types, special functions and comments.
Entity& build_counter(Design& design) {
    Entity& e = add_entity_named(design, "counter");
    e.comment = "A loadable counter.\nIt counts up on every rising clock edge.";
    e.declarations = "CONSTANT zero : Integer := 0 ;";
    add_generic(e, "width", 4, "8", 0, "counter width");
    add_generic(e, "delay", kGenericTypeTime, "5", 3);
    Generic& pattern = add_generic(e, "init_pattern", kGenericTypeUserDefined, "\"0000\"");
    pattern.user_type_name = "String";
    add_generic(e, "wrap", 3);
    add_port(e, "clk", kModeIn).special_function = kFunctionClock;
    Port& rst = add_port(e, "rst", kModeIn);
    rst.special_function = kFunctionReset;
    rst.comment = "active high";
    add_port(e, "load_value", kModeIn, make_range("7", "0"));
    Port& enable = add_port(e, "enable", kModeIn);
    enable.type_name = "Boolean";
    enable.default_value = "True";
    add_port(e, "q", kModeOut, make_range("7", "0")).special_function = kFunctionStateRegister;
    add_port(e, "data_bus", kModeInout, make_range("0", "3", kDirectionTo)).signal_kind = 1;
    Port& state = add_port(e, "state_reg", kModeBuffer);
    state.signal_kind = 2;
    state.comment = "kept";
    add_port(e, "carry", kModeOut).default_value = "'0'";
    return e;
}

void add_global_package(Design& design, const char* library, const char* package) {
    PackageSpec* spec = new_package_spec();
    set_package_field(spec->library, library);
    set_package_field(spec->package, package);
    set_package_field(spec->suffix, "all");
    spec->global = 1;
    design.library_entries.append(spec);
}

class NetlistTextTest : public TextTest {};

TEST_F(NetlistTextTest, EntityDeclarationInEachKeywordCase) {
    Entity& counter = build_counter(design);
    add_global_package(design, "ieee", "std_logic_1164");
    design.vhdl93 = true;
    const struct {
        int keyword_case;
        const char* golden;
    } cases[] = {{kKeywordLower, "netlist/entity_lower.vhd"},
                 {kKeywordUpper, "netlist/entity_upper.vhd"},
                 {kKeywordCapitalized, "netlist/entity_capitalized.vhd"}};
    for (const auto& c : cases) {
        design.keyword_case = c.keyword_case;
        std::string text =
            text_of([&](std::ostream& out) { write_entity_declaration(out, context(), counter); });
        EXPECT_TRUE(matches_golden(c.golden, text));
        // Type names are the design's, never keywords.
        EXPECT_NE(text.find("Bit_Vector("), std::string::npos) << c.golden;
        EXPECT_NE(text.find(" Bit ;"), std::string::npos) << c.golden;
    }
    design.keyword_case = kKeywordCapitalized;
    std::string capitalized =
        text_of([&](std::ostream& out) { write_entity_declaration(out, context(), counter); });
    EXPECT_NE(capitalized.find("Bit_Vector(7 Downto 0) ; -- State Register"), std::string::npos);
    EXPECT_NE(capitalized.find("\nEnd Entity counter ;\n"), std::string::npos);
}

TEST_F(NetlistTextTest, EntityWithoutVhdl93LeavesTheBlanksOfTheMissingKeyword) {
    Entity& counter = build_counter(design);
    design.vhdl93 = false;
    std::string text =
        text_of([&](std::ostream& out) { write_entity_declaration(out, context(), counter); });
    EXPECT_TRUE(matches_golden("netlist/entity_vhdl87.vhd", text));
    EXPECT_NE(text.find("\nend  counter ;\n\n"), std::string::npos);
}

TEST_F(NetlistTextTest, EntityWithoutGenericsOrPortsWritesNoClauses) {
    Entity& empty = add_entity_named(design, "nothing");
    std::string text =
        text_of([&](std::ostream& out) { write_entity_declaration(out, context(), empty); });
    EXPECT_TRUE(matches_golden("netlist/entity_empty.vhd", text));
    EXPECT_NE(text.find("\nentity nothing is\nend  nothing ;\n"), std::string::npos);

    Entity& only_ports = add_entity_named(design, "only_ports");
    add_port(only_ports, "a", kModeIn);
    std::string ports = text_of(
        [&](std::ostream& out) { write_generics_and_ports(out, context(), only_ports, false); });
    EXPECT_EQ(ports, "  port(\n    a : in     Bit ) ;\n");
}

TEST_F(NetlistTextTest, DefaultTypesComeFromTheDesignSetup) {
    Entity& e = add_entity_named(design, "typed");
    add_port(e, "s", kModeIn);
    add_port(e, "v", kModeOut, make_range("3", "0"));
    add_port(e, "own", kModeIn).type_name = "Integer";
    design.vhdl_signal_type = "std_logic";
    design.vhdl_vector_type = "std_logic_vector";
    std::string text =
        text_of([&](std::ostream& out) { write_generics_and_ports(out, context(), e, false); });
    EXPECT_EQ(text, "  port(\n"
                    "    s   : in     std_logic ;\n"
                    "    v   : out    std_logic_vector(3 downto 0) ;\n"
                    "    own : in     Integer ) ;\n");
    std::string commented =
        text_of([&](std::ostream& out) { write_generics_and_ports(out, context(), e, true); });
    EXPECT_EQ(commented.substr(0, 10), "--  port(\n");
}

TEST_F(NetlistTextTest, SilcSynAttributesNameTheStateMachinePorts) {
    Entity& e = add_entity_named(design, "fsm");
    add_port(e, "clk", kModeIn);
    add_port(e, "rst", kModeIn);
    add_arch(e, kArchitectureBlockDiagram, "structure");
    Architecture& machine = add_arch(e, kArchitectureStateDiagram, "control");
    machine.state_machine->clock_port = "clk";
    machine.state_machine->reset_port = "rst";
    design.synthesis_tool = kSynthesisSilcSyn;
    design.vhdl93 = true;
    design.keyword_case = kKeywordUpper;
    std::string text =
        text_of([&](std::ostream& out) { write_entity_declaration(out, context(), e); });
    EXPECT_TRUE(matches_golden("netlist/entity_silcsyn.vhd", text));

    design.synthesis_tool = 0;
    std::string common =
        text_of([&](std::ostream& out) { write_entity_declaration(out, context(), e); });
    EXPECT_EQ(common.find("ATTRIBUTE"), std::string::npos);
}

TEST_F(NetlistTextTest, StandardHeaderCarriesThePersonalLinesAndTopLevelTexts) {
    design.designer = "Ada";
    design.company = "Analytical Engines";
    design.design_information = "counter demo";
    Entity& top = add_entity_named(design, "Toplevel");
    design.root = &top;
    Architecture& diagram = add_arch(top, kArchitectureBlockDiagram, "top");
    diagram.sheet.texts.push_back({});
    diagram.sheet.texts.back().text = "Free text on the top sheet,\nin two lines.";
    std::string vhdl = text_of([&](std::ostream& out) { write_file_header(out, context()); });
    EXPECT_TRUE(matches_golden("netlist/header_standard.vhd", vhdl));
    EXPECT_NE(vhdl.find(std::string("-- Time stamp  : ") + kFixedTime + ".\n"), std::string::npos);
    use_language(2);
    std::string verilog = text_of([&](std::ostream& out) { write_file_header(out, context()); });
    EXPECT_TRUE(matches_golden("netlist/header_standard.v", verilog));
    // Without a fixed clock, SOURCE_DATE_EPOCH fixes the time stamp.
    set_fixed_clock(std::nullopt);
    setenv("SOURCE_DATE_EPOCH", "86399", 1);
    std::string epoch = text_of([&](std::ostream& out) { write_file_header(out, context()); });
    unsetenv("SOURCE_DATE_EPOCH");
    EXPECT_NE(epoch.find("// Time stamp  : Thu Jan  1 23:59:59 1970.\n"), std::string::npos);
}

TEST_F(NetlistTextTest, HeaderFileReplacesThePersonalLines) {
    std::filesystem::path header = project.path() / "header.txt";
    write_file(header, "Copyright line\r\nSecond line\nNo newline at the end");
    design.vhdl_header_file = header.string();
    design.designer = "not shown";
    std::string text = text_of([&](std::ostream& out) { write_file_header(out, context()); });
    EXPECT_TRUE(matches_golden("netlist/header_with_file.vhd", text));
    EXPECT_EQ(text.find("not shown"), std::string::npos);

    // A header file that does not open falls back to the standard header.
    design.vhdl_header_file = (project.path() / "missing.txt").string();
    std::string fallback = text_of([&](std::ostream& out) { write_file_header(out, context()); });
    EXPECT_NE(fallback.find("-- Designed by : not shown.\n"), std::string::npos);
    design.vhdl_header_file = project.path().string(); // a directory
    EXPECT_EQ(text_of([&](std::ostream& out) { write_file_header(out, context()); }), fallback);
}

TEST_F(NetlistTextTest, ArchitectureFramesByKind) {
    Entity& e = add_entity_named(design, "frames");
    Entity& library_entity = add_entity_named(design, "ram");
    library_entity.library_module_path = "lib.vdp";
    library_entity.library_name = "memories";
    Architecture& ram_arch = add_arch(library_entity, kArchitectureHdlFile, "behaviour");
    Entity& external = add_entity_named(design, "pll");
    external.external = true;
    external.library_name = "MEMORIES"; // the same library in another case
    Architecture& pll_arch = add_arch(external, kArchitectureHdlFile, "vendor");
    Architecture& diagram = add_arch(e, kArchitectureBlockDiagram, "structure");
    diagram.comment = "The structure.";
    diagram.vhdl_declarations_before = "TYPE t IS (a, b) ;";
    add_instance(diagram, "ram1", library_entity, &ram_arch);
    add_instance(diagram, "pll1", external, &pll_arch);
    add_instance(diagram, "ram2", library_entity, &ram_arch);
    add_arch(e, kArchitectureStateDiagram, "control").comment = "Machine text comes later.";
    add_arch(e, kArchitectureTableDiagram, "table");
    auto all_frames = [&] {
        return text_of([&](std::ostream& out) {
            for (const auto& architecture : e.architectures) {
                write_architecture_heading(out, context(), e, *architecture,
                                           architecture.get() == e.architectures.front().get());
                write_architecture(out, context(), e, *architecture);
            }
        });
    };
    design.vhdl93 = false;
    EXPECT_TRUE(matches_golden("netlist/architecture_frames.vhd", all_frames()));
    design.vhdl93 = true;
    std::string vhdl93 = all_frames();
    EXPECT_NE(vhdl93.find("end architecture table ; -- of frames\n"), std::string::npos);
    use_language(2);
    EXPECT_TRUE(matches_golden("netlist/architecture_frames.v", text_of([&](std::ostream& out) {
                                   for (const auto& architecture : e.architectures)
                                       write_architecture(out, context(), e, *architecture);
                               })));
}

TEST_F(NetlistTextTest, ComponentLibrariesNameEachLibraryOnceAndKeepRepeatedUseLines) {
    Entity& top = add_entity_named(design, "top");
    Architecture& diagram = add_arch(top, kArchitectureBlockDiagram, "structure");
    Entity& plain = add_entity_named(design, "plain");
    Entity& ram = add_entity_named(design, "ram");
    ram.library_module_path = "lib.vdp";
    ram.library_name = "mem";
    Entity& unnamed = add_entity_named(design, "unnamed_lib");
    unnamed.external = true; // no library name: not named
    Entity& pll = add_entity_named(design, "pll");
    pll.external = true;
    pll.library_name = "Vendor";
    Entity& rom = add_entity_named(design, "rom");
    rom.library_module_path = "lib.vdp";
    rom.library_name = "MEM";
    for (Entity* entity : {&plain, &ram, &unnamed, &pll, &ram, &rom})
        add_instance(diagram, "u_" + entity->name, *entity, nullptr);
    design.keyword_case = kKeywordUpper;
    EXPECT_EQ(text_of([&](std::ostream& out) {
                  write_component_libraries(out, KeywordTable(design.keyword_case),
                                            *diagram.block_diagram);
              }),
              "\nLIBRARY mem, Vendor ;\n"
              "USE mem.ram ;\n"
              "USE Vendor.pll ;\n"
              "USE mem.ram ;\n"
              "USE MEM.rom ;\n");
    Architecture& none = add_arch(top, kArchitectureBlockDiagram, "empty");
    add_instance(none, "p", plain, nullptr);
    EXPECT_EQ(text_of([&](std::ostream& out) {
                  write_component_libraries(out, KeywordTable(design.keyword_case),
                                            *none.block_diagram);
              }),
              "");
}

TEST_F(NetlistTextTest, VerilogModuleWithWrappedHeaderAndRegisterLines) {
    use_language(2);
    Entity& e = add_entity_named(design, "serial_interface_controller");
    e.comment = "Shifts data out.";
    e.declarations = "extra declarations";
    add_generic(e, "width", 4, "8", 0, "bits per word");
    add_generic(e, "depth_of_buffer", 4, "16");
    add_generic(e, "no_default", 4);
    for (const char* name :
         {"clock_input", "asynchronous_reset", "transmit_enable", "parallel_data_in",
          "serial_data_output", "busy_indicator", "word_complete_strobe", "x"})
        add_port(e, name, kModeIn);
    e.ports[0]->special_function = kFunctionClock;
    e.ports[3]->range = make_range("width-1", "0");
    e.ports[4]->mode = kModeOut;
    e.ports[4]->register_flag = true;
    e.ports[5]->mode = kModeBuffer;
    e.ports[5]->comment = "high while shifting";
    e.ports[6]->mode = kModeInout;
    e.ports[6]->range = make_range("0", "3", kDirectionTo);
    e.ports[6]->register_flag = true;
    Architecture& body = add_arch(e, kArchitectureTableDiagram, "rtl");
    body.comment = "Table diagrams have no text yet.";
    body.vhdl_declarations_before = "shown as comment";
    std::string text = text_of([&](std::ostream& out) { write_module(out, context(), e, body); });
    EXPECT_TRUE(matches_golden("netlist/module_wrapped.v", text));
    std::string header = module_header("serial_interface_controller", e);
    std::size_t line_start = 0;
    while (line_start < header.size()) {
        std::size_t end = header.find('\n', line_start);
        EXPECT_LE(end - line_start, 75u) << header;
        line_start = end + 1;
    }
    EXPECT_NE(text.find("  reg    [0:3]word_complete_strobe ;\n"), std::string::npos);
}

TEST_F(NetlistTextTest, ModuleHeaderBreaksAtTheDocumentedColumns) {
    Entity& e = add_entity_named(design, "m");
    // "module m (" is 10 columns; each further port adds ", " and its name.
    add_port(e, std::string(63, 'a'), kModeIn); // 10 + 63 + 1 = 74: stays
    add_port(e, "bb", kModeIn);                 // 73 + 2 + 2 + 1 = 78: moves
    add_port(e, std::string(63, 'c'), kModeIn); // 8 + 2 + 63 + 3 = 76: the last port moves
    EXPECT_EQ(module_header("m", e), "module m (" + std::string(63, 'a') +
                                         ", \n      bb, \n      " + std::string(63, 'c') + ") ;\n");
    Entity& none = add_entity_named(design, "none");
    EXPECT_EQ(module_header("none", none), "module none ;\n");
}

TEST_F(NetlistTextTest, ModuleNamesFollowTheBoundErrorFreeArchitectures) {
    use_language(2);
    Entity& e = add_entity_named(design, "e");
    Architecture& a = add_arch(e, kArchitectureTableDiagram, "a");
    HdlContext single = context();
    EXPECT_EQ(module_name(single, e, a), "e");
    Architecture& b = add_arch(e, kArchitectureTableDiagram, "b");
    HdlContext run = context();
    run.bound_counts[&a] = 1;
    EXPECT_EQ(module_name(run, e, a), "e"); // only one bound
    run.bound_counts[&b] = 2;
    EXPECT_EQ(module_name(run, e, a), "e_a");
    EXPECT_EQ(module_name(run, e, b), "e_b");
    b.status |= kStatusError;
    EXPECT_EQ(module_name(run, e, a), "e");
}

// mid has a block diagram with two instances of leaf (one component declaration later, but a
// block configuration each) and an external entity that is not nested into.
struct ConfigurationDesign {
    Entity* root;
    Architecture* root_structure;
    Architecture* root_other;
};

ConfigurationDesign build_configuration_design(Design& design) {
    Entity& leaf = add_entity_named(design, "leaf");
    Architecture& leaf_rtl = add_hdl_arch(leaf, "rtl");
    Entity& ext = add_entity_named(design, "vendor_core");
    ext.external = true;
    ext.library_name = "vendor";
    Architecture& ext_arch = add_arch(ext, kArchitectureBlockDiagram, "netlist");
    Entity& deep = add_entity_named(design, "deep");
    add_instance(ext_arch, "hidden", deep, nullptr); // inside an external entity: not nested
    Entity& mid = add_entity_named(design, "mid");
    Architecture& mid_structure = add_arch(mid, kArchitectureBlockDiagram, "structure");
    add_instance(mid_structure, "l1", leaf, &leaf_rtl);
    add_instance(mid_structure, "l2", leaf, &leaf_rtl);
    add_instance(mid_structure, "core", ext, &ext_arch);
    Entity& empty_mid = add_entity_named(design, "empty_mid");
    Architecture& hollow = add_arch(empty_mid, kArchitectureBlockDiagram, "hollow");
    Entity& root = add_entity_named(design, "system");
    Architecture& structure = add_arch(root, kArchitectureBlockDiagram, "structure");
    add_instance(structure, "m", mid, &mid_structure);
    add_instance(structure, "e", empty_mid, &hollow);
    add_instance(structure, "x", leaf, &leaf_rtl);
    Architecture& other = add_arch(root, kArchitectureHdlFile, "other");
    structure.status = kStatusVerifiedDown;
    other.status = kStatusVerifiedDown;
    return {&root, &structure, &other};
}

TEST_F(NetlistTextTest, ConfigurationDeclarationsNestBoundBlockDiagrams) {
    ConfigurationDesign d = build_configuration_design(design);
    design.vhdl93 = true;
    design.keyword_case = kKeywordUpper;
    HdlContext run = context();
    run.working_library = "mywork";
    run.bound_counts[d.root_structure] = 1;
    std::string text;
    std::string last = "";
    text = text_of([&](std::ostream& out) { last = write_root_configurations(out, run, *d.root); });
    EXPECT_TRUE(matches_golden("netlist/configuration_nested.vhd", text));
    EXPECT_EQ(last, "system_structure"); // "other" is not bound
    // All architectures generated: both, the last one's name is returned.
    run.parts = kPartAllArchitectures;
    text = text_of([&](std::ostream& out) { last = write_root_configurations(out, run, *d.root); });
    EXPECT_EQ(last, "system_other");
    EXPECT_NE(text.find("CONFIGURATION system_other OF system IS\n  FOR other\n  END FOR ;\n"
                        "END CONFIGURATION system_other;\n"),
              std::string::npos);
    // An architecture not verified down the hierarchy gets none.
    d.root_other->status = 0;
    text_of([&](std::ostream& out) { last = write_root_configurations(out, run, *d.root); });
    EXPECT_EQ(last, "system_structure");
}

TEST_F(NetlistTextTest, NamedConfigurationAppliesToTheRootOfTheTopLevelDiagram) {
    ConfigurationDesign d = build_configuration_design(design);
    Entity& top = add_entity_named(design, "Toplevel");
    design.root = &top;
    Architecture& top_diagram = add_arch(top, kArchitectureBlockDiagram, "top");
    add_instance(top_diagram, "sys", *d.root, d.root_other);
    auto named = std::make_unique<Configuration>();
    named->name = "fast_config";
    named->description = "Uses the fast leaf.";
    design.configurations.push_back(std::move(named));
    design.current_configuration = design.configurations.back().get();
    design.vhdl93 = false;
    HdlContext run = context();
    std::string last;
    // Not yet verified down: one declaration per architecture, none bound here.
    std::string text =
        text_of([&](std::ostream& out) { last = write_root_configurations(out, run, *d.root); });
    EXPECT_EQ(last, "");
    top.status = kStatusVerifiedDown;
    top_diagram.status = kStatusVerifiedDown;
    text = text_of([&](std::ostream& out) { last = write_root_configurations(out, run, *d.root); });
    EXPECT_EQ(last, "fast_config");
    EXPECT_TRUE(matches_golden("netlist/configuration_named.vhd", text));
}

TEST_F(NetlistTextTest, ConfigurationSpecificationsBindEveryComponent) {
    ConfigurationDesign d = build_configuration_design(design);
    HdlContext run = context();
    std::string text = text_of([&](std::ostream& out) {
        write_configuration_specifications(out, run, *d.root_structure->block_diagram);
    });
    EXPECT_EQ(text, " for m : mid\n   use entity work.mid(structure) ;\n"
                    " for e : empty_mid\n   use entity work.empty_mid(hollow) ;\n"
                    " for x : leaf\n   use entity work.leaf(rtl) ;\n");
    Entity& vendor = *design.entities[1];
    EXPECT_EQ(binding_library(run, vendor), "vendor");
    run.working_library = "lab";
    EXPECT_EQ(binding_library(run, *d.root), "lab");
}

TEST_F(NetlistTextTest, RecursiveBindingDoesNotNestWithoutEnd) {
    Entity& loop = add_entity_named(design, "loop");
    Architecture& self = add_arch(loop, kArchitectureBlockDiagram, "self");
    add_instance(self, "again", loop, &self);
    std::string text = text_of(
        [&](std::ostream& out) { write_configuration(out, context(), loop, self, nullptr); });
    EXPECT_NE(text.find("  for self\n    for again : loop\n      use entity work.loop(self) ;\n"
                        "    end for ;\n  end for ;\n"),
              std::string::npos);
}

TEST_F(NetlistTextTest, InternalErrorStandsInForAnUnresolvedBus) {
    Net net;
    net.number = 4;
    EXPECT_EQ(internal_error_name(platform, net), "*** Internal Error on net Net_4(4,0)");
    EXPECT_EQ(platform.last_status(), "Error   1501: Internal error (4)(Net_4)");
    net.name = "data";
    net.connections = std::make_unique<NetConnections>();
    net.connections->signal_class = 27;
    EXPECT_EQ(internal_error_name(platform, net), "*** Internal Error on net data(4,27)");
}

} // namespace
