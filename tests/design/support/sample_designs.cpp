// The hand-built sample design.
#include "support/sample_designs.h"

#include "design/design_constructors.h"

namespace zeph::testing {

namespace {
LabelDisplay text_label(int x, int y, const char* text, int size = 12) {
    LabelDisplay l;
    l.anchor = {x, y};
    l.size = size;
    l.colour = 5;
    l.options = 3;
    l.text = text;
    return l;
}

Entity& counter_entity(Design& design) {
    Entity& counter = add_entity(design, new_entity(design, "counter"));
    counter.comment = "Counts clock edges.\n\nWraps at the top.";
    counter.bound_packages.append(1);
    auto width = new_generic();
    width->name = "width";
    width->type = 4;
    width->default_value = "8";
    width->comment = "bits of the count";
    counter.generics.push_back(std::move(width));
    auto delay = new_generic();
    delay->name = "delay";
    delay->type = kGenericTypeTime;
    delay->default_value = "2";
    delay->default_unit = 3;
    counter.generics.push_back(std::move(delay));
    auto clk = new_port();
    clk->name = "clk";
    clk->mode = kModeIn;
    clk->special_function = kFunctionClock;
    clk->sensitivity = 1;
    clk->side = 4;
    clk->position = {0, 128};
    clk->name_label = text_label(-16, 128, "clk");
    counter.ports.push_back(std::move(clk));
    auto q = new_port();
    q->name = "q";
    q->type_name = "unsigned";
    q->mode = kModeOut;
    q->range = {true, "width-1", "0", kDirectionDownto};
    q->comment = "the count, most significant bit first";
    q->default_value = "(others => '0')";
    q->side = 2;
    q->position = {512, 128};
    q->name_label = text_label(528, 128, "q(width-1:0)");
    counter.ports.push_back(std::move(q));

    Architecture& rtl = add_architecture(counter, new_architecture(kArchitectureHdlFile, "rtl"));
    rtl.hdl_file->vhdl_file = "counter rtl.vhd";
    rtl.hdl_file->verilog_file = "counter.v";
    rtl.comment = std::string(300, 'x');
    rtl.vhdl_declarations_before = "signal c : unsigned(width-1 downto 0);";
    rtl.generic_placements[0] = {{64, 64}, text_label(64, 64, "width : integer := 8")};
    rtl.generic_placements[1].label = text_label(64, 128, "");
    rtl.port_placements[0].name_label = text_label(0, 256, "clk");
    rtl.port_placements[1].position = {1024, 256};
    rtl.port_placements[1].name_label = text_label(1040, 256, "q");

    auto bench = new_entity(design, "tb_counter");
    Entity& tb = *bench;
    set_testbench(counter, std::move(bench));
    add_architecture(tb, new_architecture(kArchitectureBlockDiagram, "bench"));
    return counter;
}

Entity& ctrl_entity(Design& design) {
    Entity& ctrl = add_entity(design, new_entity(design, "ctrl"));
    auto reset = new_port();
    reset->name = "reset";
    reset->special_function = kFunctionReset;
    reset->name_label = text_label(0, 0, "reset");
    ctrl.ports.push_back(std::move(reset));
    Architecture& fsm = add_architecture(ctrl, new_architecture(kArchitectureStateDiagram, "fsm"));
    fsm.port_placements[0].name_label = text_label(64, 512, "reset");
    StateMachine& m = *fsm.state_machine;
    m.code_width = 2;
    m.assignment = 2;
    m.process_comment = "control";
    for (int i = 0; i < 2; ++i) {
        auto action = std::make_unique<Label>();
        action->vhdl_text = i == 0 ? "go <= '1';" : "go <= '0';\ndone <= '1';";
        action->number = i + 1;
        m.action_labels.push_back(std::move(action));
    }
    auto start = std::make_unique<Label>();
    start->name = "start";
    start->vhdl_text = "start = '1'";
    start->verilog_text = "start == 1";
    start->number = 1;
    m.condition_labels.push_back(std::move(start));
    auto reset_condition = std::make_unique<Label>();
    reset_condition->name = "rst";
    reset_condition->vhdl_text = "reset='1'";
    reset_condition->number = 2;
    m.condition_labels.push_back(std::move(reset_condition));

    m.rest = std::make_unique<State>();
    m.rest->name = "REST";
    m.rest->box = {0, 0, 256, 256};
    m.rest->name_label = text_label(128, 128, "REST", 10);
    for (int i = 1; i <= 2; ++i) {
        auto s = std::make_unique<State>();
        s->number = i;
        s->name = "s" + std::to_string(i);
        s->code = i == 1 ? "00" : "01";
        s->box = {512 * i, 512, 512 * i + 256, 768};
        s->name_label = text_label(512 * i + 128, 640, s->name.c_str(), 10);
        auto usage = std::make_unique<LabelUsage>();
        usage->state = s.get();
        usage->position = {512 * i, 800};
        usage->display = text_label(512 * i, 800, "");
        use_label(*usage, m.action_labels[static_cast<std::size_t>(i - 1)].get());
        s->action_usages.push_back(std::move(usage));
        m.states.push_back(std::move(s));
    }
    auto reset_transition = std::make_unique<Transition>();
    reset_transition->reset = true;
    reset_transition->to = m.states[0].get();
    reset_transition->priority = kResetPriority;
    reset_transition->points = {{300, 100}, {512, 600}};
    reset_transition->condition.transition = reset_transition.get();
    reset_transition->condition.display = text_label(400, 300, "rst", 10);
    use_label(reset_transition->condition, m.condition_labels[1].get());
    m.reset_transition = reset_transition.get();
    m.transitions.push_back(std::move(reset_transition));
    auto go = std::make_unique<Transition>();
    go->from = m.states[0].get();
    go->to = m.states[1].get();
    go->shape = 1;
    go->points = {{768, 640}, {900, 500}, {1024, 640}};
    go->geometry = {1, 2, 3, 4, 5, 6, 7};
    go->priority_mark = {800, 600};
    go->condition.transition = go.get();
    go->condition.position = {900, 480};
    go->condition.display = text_label(900, 480, "start", 10);
    use_label(go->condition, m.condition_labels[0].get());
    m.transitions.push_back(std::move(go));
    return ctrl;
}

void toplevel_diagram(Entity& top, Entity& counter, Entity& library_module) {
    Architecture& a = add_architecture(top, new_architecture(kArchitectureBlockDiagram, "a0"));
    a.sheet.texts.push_back(text_label(100, 100, "Top level\nof the sample", 20));
    BlockDiagram& bd = *a.block_diagram;
    Component& u0 = add_component(bd, a, &counter, counter.architectures[0].get(), new_component());
    u0.name = "u0";
    u0.position = {1024, 1024};
    u0.name_label = text_label(1024, 1000, "u0: counter");
    u0.generic_values[0].actual_value = "16";
    u0.generic_values[0].label = text_label(1024, 2100, "width => 16");
    u0.generic_values[1].label = text_label(1024, 2150, "");
    u0.port_instances[0].label = text_label(1000, 1152, "clk");
    u0.port_instances[1].display_option = 1;
    u0.port_instances[1].label = text_label(1560, 1152, "q");
    u0.port_instances[1].connect_by_name = {kConnectExplicit, true,
                                            text_label(1700, 1152, "count")};

    Component& lib = add_component(bd, a, &library_module, nullptr, new_component());
    lib.name = "u1";
    lib.position = {3072, 1024};
    lib.library_module = {library_module.library_module_path, library_module.name, "", "mylib"};
    lib.name_label = text_label(3072, 1000, "u1: uart");
    lib.port_instances[0].label = text_label(3050, 1100, "rx");
    lib.port_instances[0].connect_by_name.mode = kConnectOwnName;

    auto bus = std::make_unique<Net>();
    bus->name = "count bus";
    bus->bus = true;
    bus->range = {true, "15", "0", kDirectionDownto};
    bus->label = text_label(1600, 1100, "count bus(15:0)");
    bus->horizontal = {{1600, 1152, 2048, 1152, 0}, {2048, 1536, 2560, 1536, 0}};
    bus->vertical = {{2048, 1152, 2048, 1536, 0}, {2048, 1536, 2048, 1792, 0}};
    bus->junctions = {{2048, 1536}, {2048, 1152}, {2560, 1536}};
    auto entry = std::make_unique<BusEntry>();
    entry->bus_point = {2200, 1536};
    entry->stub_end = {2264, 1600};
    entry->index = "3";
    entry->label = text_label(2264, 1568, "(3)", 10);
    bus->bus_entries.push_back(std::move(entry));
    bd.nets.push_back(std::move(bus));
    auto wire = std::make_unique<Net>();
    wire->number = 1;
    wire->vertical = {{2264, 1600, 2264, 2048, 0}};
    wire->label.options = kLabelHidden;
    wire->label.colour = 4;
    bd.nets.push_back(std::move(wire));

    Process& p = add_process(bd, a, new_process("pr0", kProcessHdlFile));
    p.box = {4096, 512, 4608, 1024};
    p.name_label = text_label(4096, 480, "pr0");
    p.hdl_file->vhdl_file = "pr0.vhd";
    Port& pp = add_process_port(p, new_port());
    pp.mode = kModeIn;
    pp.position = {4096, 768};
    pp.connect_by_name.mode = kConnectExplicit;
    pp.connect_by_name.has_label = true;
    pp.connect_by_name.label = text_label(4000, 768, "enable");
    pp.name_label = text_label(4100, 768, "", 10);
}
} // namespace

void build_sample_design(Design& design) {
    design = Design{};
    design.design_information = "Sample design";
    design.designer = "A. Designer";
    design.company = "Calderwyne Lab";
    design.entity_directory_counter = 3;
    design.vhdl_signal_type = "std_logic";
    design.vhdl_vector_type = "std_logic_vector";
    design.synthesis_tool = 7;
    design.vhdl_header_file = "header file.txt";
    PackageSpec* ieee = new_package_spec();
    set_package_field(ieee->library, "ieee");
    set_package_field(ieee->package, "std_logic_1164");
    set_package_field(ieee->suffix, "ALL");
    ieee->global = 1;
    design.library_entries.append(ieee);
    PackageSpec* local = new_package_spec();
    set_package_field(local->library, "work");
    set_package_field(local->package, "types");
    set_package_field(local->suffix, "ALL");
    set_package_field(local->file_name, "pkg/types.vhd");
    design.library_entries.append(local);

    Entity& top = add_entity(design, new_entity(design, "Toplevel"));
    Entity& counter = counter_entity(design);
    ctrl_entity(design);
    auto module = std::make_unique<Entity>();
    module->name = "uart";
    module->library_module_path = "/lib/comms.vdp";
    module->library_module_name = "comms";
    module->library_name = "mylib";
    module->ports.push_back(new_port());
    Entity& library_module = add_entity(design, std::move(module));
    toplevel_diagram(top, counter, library_module);
    sort_entities(design);
    design.root = &top;
}

} // namespace zeph::testing
