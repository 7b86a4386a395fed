// State machines through the netlist and the generation run: a block diagram with a
// component whose entity is a state-diagram architecture and two state-diagram processes (one
// in its own VHDL block), written under each file organization in VHDL and Verilog, with the
// synthesis attribute declared in-line once; every written file passes GHDL or Icarus.
#include "diagram_builder.h"
#include "machine_builder.h"

#include "design/design_constructors.h"
#include "design/status_flags.h"
#include "hdl/generation_options.h"
#include "hdl/generation_run.h"

namespace {

using namespace hdl_text_test;
using machine_hdl_test::add_machine_entity;
using machine_hdl_test::add_machine_port;
using machine_hdl_test::machine_errors;
using machine_hdl_test::machine_of;
using machine_hdl_test::MachineBuilder;
using machine_hdl_test::verify_machine;

constexpr int kSynplify = 7;

class MachineNetlist : public TextTest {
  protected:
    void SetUp() override {
        TextTest::SetUp();
        design.synthesis_tool = kSynplify;
        design.inline_synthesis_attributes = true;
        Entity& top = add_entity_named(design, "Toplevel");
        design.root = &top;
        Architecture& top_body = add_arch(top, kArchitectureBlockDiagram, "top");
        build_stepper();
        build_board();
        add_instance(top_body, "b", *board, structure);
        for (auto& entity : design.entities) {
            entity->status = kStatusPhase1 | kStatusPhase2 | kStatusPhase3 | kStatusVerifiedDown;
            for (auto& architecture : entity->architectures)
                architecture->status = entity->status;
        }
    }

    // A leaf: two states that follow a.
    void build_stepper() {
        stepper = &add_machine_entity(design, "stepper");
        add_machine_port(*stepper, "clk", kModeIn, kFunctionClock);
        add_machine_port(*stepper, "a", kModeIn);
        add_machine_port(*stepper, "y", kModeOut, kFunctionNone, 0, true);
        MachineBuilder b(design, machine_of(*stepper));
        State& low = b.state("low");
        State& high = b.state("high");
        b.connect(low, high, &b.condition("", "a = '1'", "a == 1'b1"));
        b.connect(high, low, &b.condition("", "a = '0'", "a == 1'b0"));
        b.use(b.action("", "y <= '0' ;", "y = 1'b0 ;"), low);
        b.use(b.action("", "y <= '1' ;", "y = 1'b1 ;"), high);
    }

    Process& machine_process(const std::string& name, const std::string& output) {
        Process& p = add_process(*structure->block_diagram, *structure,
                                 new_process(name, kProcessStateDiagram));
        if (!p.state_machine) p.state_machine = std::make_unique<StateMachine>();
        Port& clk = add_process_port(p, "clk", kModeIn, 0);
        clk.special_function = kFunctionClock;
        Port& a = add_process_port(p, "a", kModeIn, 0);
        Port& out = add_process_port(p, output, kModeOut, 0);
        attach_process(*clk_net, p, clk);
        attach_process(*a_net, p, a);
        Net& net = with_class(add_net(*structure, output), 3);
        net.register_flag = true;
        attach_process(net, p, out);
        attach_port(net, *structure, output);
        return p;
    }

    // The block diagram: the stepper and two machines as processes.
    void build_board() {
        board = &add_entity_named(design, "board");
        add_port(*board, "clk", kModeIn);
        add_port(*board, "a", kModeIn);
        add_port(*board, "y", kModeOut);
        add_port(*board, "z", kModeOut).register_flag = true;
        add_port(*board, "w", kModeOut).register_flag = true;
        structure = &add_arch(*board, kArchitectureBlockDiagram, "structure");
        Component& u1 =
            add_instance(*structure, "u1", *stepper, stepper->architectures.front().get());
        clk_net = &with_class(add_net(*structure, "clk"), 3);
        attach_port(*clk_net, *structure, "clk");
        attach_component(*clk_net, u1, "clk");
        a_net = &with_class(add_net(*structure, "a"), 3);
        attach_port(*a_net, *structure, "a");
        attach_component(*a_net, u1, "a");
        Net& y = with_class(add_net(*structure, "y"), 3);
        attach_component(y, u1, "y");
        attach_port(y, *structure, "y");

        Process& seq = machine_process("seq", "z");
        MachineBuilder s(design, *seq.state_machine);
        State& s0 = s.state("s0");
        State& s1 = s.state("s1");
        State& s2 = s.state("s2");
        s.connect(s0, s1, &s.condition("", "a = '1'", "a == 1'b1"));
        s.connect(s1, s2);
        s.connect(s2, s0);
        s.use(s.action("", "z <= '1' ;", "z = 1'b1 ;"), s2);
        s.action("", "z <= '0' ;", "z = 1'b0 ;", kDefaultOnStates);
        MachineOptionsFields fields = s.options();
        fields.assignment = kAssignmentBinary;
        fields.state_actions = kActionsCombinedProcess;
        s.options(fields);

        Process& blink = machine_process("blink", "w");
        MachineBuilder k(design, *blink.state_machine);
        State& off = k.state("dark");
        State& on = k.state("lit");
        k.connect(off, on);
        k.connect(on, off);
        k.use(k.action("", "w <= '1' ;", "w = 1'b1 ;"), on);
        k.use(k.action("", "w <= '0' ;", "w = 1'b0 ;"), off);
        fields = k.options();
        fields.assignment = kAssignmentOneHot;
        fields.block_separation = true;
        fields.identifier_suffix = "_b";
        fields.transition_actions = kActionsClocked;
        fields.state_actions = kActionsClocked;
        k.options(fields);
    }

    void verify_all() {
        for (Entity* entity : {stepper})
            ASSERT_TRUE(
                machine_errors(verify_machine(design, *entity, *entity->architectures.front()))
                    .empty());
        for (auto& process : structure->block_diagram->processes)
            ASSERT_TRUE(
                machine_errors(verify_machine(design, *board, *structure, process.get())).empty())
                << process->name;
    }

    std::string run(int organization) {
        verify_all();
        GenerationRequest r;
        r.root = board;
        r.root_architecture = structure;
        r.options.parts = kPartRootAndSubtree | kPartBoundArchitectures;
        r.options.organization = organization;
        r.options.overwrite = true;
        normalise_generation_options(r.options, design.target_language);
        r.project_directory = project.path();
        r.output_file = project.path() / "output" / proposed_file_name(design, r);
        result = generate_hdl(platform, design, r);
        std::string text;
        for (const auto& file : result.files)
            text += "==> " + file.filename().string() + " <==\n" + read_file(file);
        return text;
    }

    ::testing::AssertionResult compiles(const std::string& standard) {
        std::filesystem::path dir = project.path() / "output";
        std::vector<std::string> argv;
        if (design.target_language == 2) {
            if (!tool_available("iverilog")) return ::testing::AssertionSuccess();
            argv = {"iverilog", "-o", "board.vvp"};
        } else {
            if (!tool_available("ghdl")) return ::testing::AssertionSuccess();
            argv = {"ghdl", "-a", standard};
        }
        for (const auto& file : result.files)
            argv.push_back(file.filename().string());
        ::testing::AssertionResult analysed = tool_succeeds(argv, dir);
        if (!analysed || design.target_language == 2) return analysed;
        return tool_succeeds({"ghdl", "-e", standard, "board", "structure"}, dir);
    }

    Entity* stepper = nullptr;
    Entity* board = nullptr;
    Architecture* structure = nullptr;
    Net* clk_net = nullptr;
    Net* a_net = nullptr;
    GenerationResult result;
};

TEST_F(MachineNetlist, VhdlInOneFile) {
    design.vhdl93 = true;
    std::string text = run(kAllInOneFile);
    ASSERT_EQ(result.outcome, RunOutcome::Done);
    EXPECT_TRUE(matches_golden("machines/netlist_one_file.vhd", text));
    // The attribute is declared once per architecture that holds machines.
    EXPECT_NE(text.find("  attribute syn_state_machine : boolean;\n\n-- State Machine Options "
                        "of process seq:"),
              std::string::npos);
    EXPECT_NE(text.find(" blink: block is\n"), std::string::npos);
    EXPECT_TRUE(compiles("--std=93"));
}

TEST_F(MachineNetlist, VhdlPerEntityAndPerUnit) {
    std::string per_entity = run(kFilePerEntity);
    ASSERT_EQ(result.outcome, RunOutcome::Done);
    EXPECT_EQ(result.files.size(), 2u);
    EXPECT_TRUE(compiles("--std=87"));
    std::string per_unit = run(kFilePerUnit);
    ASSERT_EQ(result.outcome, RunOutcome::Done);
    EXPECT_GT(result.files.size(), 2u);
    EXPECT_TRUE(matches_golden("machines/netlist_per_unit.txt", per_unit));
    EXPECT_TRUE(compiles("--std=87"));
}

TEST_F(MachineNetlist, VerilogInOneFileAndPerEntity) {
    use_language(2);
    std::string text = run(kAllInOneFile);
    ASSERT_EQ(result.outcome, RunOutcome::Done);
    EXPECT_TRUE(matches_golden("machines/netlist_one_file.v", text));
    EXPECT_EQ(text.find("ATTRIBUTE"), std::string::npos);
    EXPECT_TRUE(compiles(""));
    run(kFilePerEntity);
    ASSERT_EQ(result.outcome, RunOutcome::Done);
    EXPECT_EQ(result.files.size(), 2u);
    EXPECT_TRUE(compiles(""));
}

} // namespace
