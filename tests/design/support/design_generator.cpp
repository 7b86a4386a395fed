// Random designs whose every field survives a write and a read unchanged: names without blanks
// where words are written, texts without single blank lines, labels with visible colours, one
// reset transition at most, use counts kept by use_label.
#include "support/design_generator.h"

#include "design/design_constructors.h"

#include <algorithm>
#include <random>
#include <string>

namespace zeph::testing {

namespace {

class Generator {
  public:
    Generator(Design& design, std::uint32_t seed, const GeneratorOptions& options)
        : design_(design), random_(seed), options_(options) {}

    void run();

  private:
    int number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    bool chance(int percent) { return number(1, 100) <= percent; }
    std::string identifier(const char* prefix, int n) { return prefix + std::to_string(n); }
    std::string phrase(int max_words);
    std::string text(int max_lines);
    LabelDisplay label(int max_lines = 1);
    Range range();

    void settings();
    void libraries();
    void entity_interface(Entity& entity);
    void architecture(Entity& entity, int kind, int index);
    void block_diagram(Architecture& architecture, int diagrams_left);
    Net net(int index, int segments);
    std::unique_ptr<Process> process(int index);
    std::unique_ptr<Port> port(const std::string& name);
    void state_machine(StateMachine& machine);
    void components();
    void placements(Architecture& architecture, const Entity& entity);

    Design& design_;
    std::mt19937 random_;
    GeneratorOptions options_;
    std::vector<Architecture*> block_diagrams_;
    int segments_left_ = 0;
};

std::string Generator::phrase(int max_words) {
    static const char* const kWords[] = {"alpha", "bus",  "clock", "data", "enable", "fifo",
                                         "gate",  "hold", "in",    "jump", "kick",   "latch"};
    std::string result;
    int words = number(1, max_words);
    for (int i = 0; i < words; ++i) {
        if (i > 0) result += ' ';
        result += kWords[number(0, 11)];
    }
    return result;
}

std::string Generator::text(int max_lines) {
    int lines = number(0, max_lines);
    std::string result;
    for (int i = 0; i < lines; ++i) {
        if (i > 0) result += '\n';
        // Blank lines inside a text are kept as empty lines; a lone blank line is not.
        if (lines > 1 && chance(15)) continue;
        result += phrase(6);
    }
    return result;
}

LabelDisplay Generator::label(int max_lines) {
    LabelDisplay l;
    l.anchor = {number(-100, 20000), number(-100, 20000)};
    l.size = chance(20) ? 0 : number(2, 50);
    l.alignment = number(11, 14);
    l.colour = number(1, 15);
    l.options = chance(10) ? kLabelHidden : static_cast<unsigned>(number(1, 7));
    l.text = max_lines > 1 ? text(max_lines) : (chance(30) ? "" : phrase(3));
    return l;
}

Range Generator::range() {
    Range r;
    r.has_range = chance(50);
    if (r.has_range) {
        r.left = std::to_string(number(1, 31));
        r.right = chance(80) ? "0" : "w";
        r.direction = number(0, 1);
    }
    return r;
}

void Generator::settings() {
    design_.design_information = phrase(4);
    design_.designer = phrase(3);
    design_.company = chance(30) ? "" : phrase(4);
    design_.target_language = number(1, 2);
    design_.language_checking = number(1, 3);
    design_.vhdl_signal_type = chance(50) ? "std_logic" : "";
    design_.vhdl_vector_type = chance(50) ? "std_logic_vector" : "";
    design_.inline_synthesis_attributes = chance(50);
    design_.vhdl93 = chance(50);
    design_.keyword_case = number(0, 2);
    design_.synthesis_tool = number(0, kSynthesisToolCount - 1);
    design_.vhdl_header_file = chance(50) ? "" : "headers/vhdl head.txt";
    design_.verilog_header_file = chance(50) ? "" : "v_header.txt";
    design_.entity_directory_counter = number(0, 50);
}

void Generator::libraries() {
    int count = number(0, 3);
    for (int i = 0; i < count; ++i) {
        PackageSpec* spec = new_package_spec();
        set_package_field(spec->library, i == 0 ? "ieee" : identifier("lib", i));
        set_package_field(spec->package, chance(70) ? "std_logic_1164" : "");
        set_package_field(spec->suffix, "ALL");
        set_package_field(spec->file_name, chance(50) ? "" : "pkg/my package.vhd");
        spec->global = number(0, 1);
        spec->number = 2 * i + 1;
        spec->reserved = number(0, 3);
        design_.library_entries.append(spec);
    }
}

std::unique_ptr<Port> Generator::port(const std::string& name) {
    auto p = new_port();
    p->position = {number(0, 512), number(0, 1024)};
    p->name = name;
    p->type_name = chance(50) ? "" : (chance(50) ? "std_logic" : "my type");
    p->mode = number(1, 4);
    p->range = range();
    p->default_value = chance(60) ? "" : "'0' or (others => '1')";
    p->comment = chance(60) ? "" : phrase(5);
    p->side = number(0, 4);
    p->signal_kind = number(0, 2);
    p->register_flag = chance(20);
    p->sensitivity = number(0, 3);
    p->special_function = number(0, 3);
    p->connect_by_name.mode = number(0, 2);
    p->connect_by_name.has_label = chance(30);
    if (p->connect_by_name.has_label) p->connect_by_name.label = label();
    p->name_label = label();
    return p;
}

void Generator::entity_interface(Entity& entity) {
    entity.comment = text(3);
    entity.declarations = text(2);
    entity.status = static_cast<unsigned>(number(0, 127));
    entity.symbol_height = 64 * number(4, 32);
    entity.symbol_width = 64 * number(4, 16);
    entity.architecture_directory_counter = number(0, 9);
    int generics = number(0, 3);
    for (int i = 0; i < generics; ++i) {
        auto g = new_generic();
        g->name = identifier("g", i);
        g->type = number(0, kGenericTypeCount - 1);
        if (g->type == kGenericTypeUserDefined) g->user_type_name = "my_type";
        g->default_value = chance(50) ? "" : std::to_string(number(0, 99)) + " ns";
        g->default_unit = number(0, kTimeUnitCount - 1);
        g->comment = chance(50) ? "" : phrase(4);
        g->reserved = number(0, 2);
        g->position = {number(0, 4000), number(0, 4000)};
        entity.generics.push_back(std::move(g));
    }
    int ports = number(0, 5);
    for (int i = 0; i < ports; ++i)
        entity.ports.push_back(port(identifier("p", i)));
    int bound = number(0, 2);
    for (int i = 0; i < bound; ++i)
        entity.bound_packages.append(2 * i + 1);
}

void Generator::placements(Architecture& architecture, const Entity& entity) {
    architecture.generic_placements.resize(entity.generics.size());
    for (GenericPlacement& placement : architecture.generic_placements) {
        placement.position = {number(0, 9000), number(0, 9000)};
        placement.label = label();
    }
    architecture.port_placements.resize(entity.ports.size());
    for (PortPlacement& placement : architecture.port_placements) {
        placement.position = {64 * number(0, 100), 64 * number(0, 100)};
        placement.connect_by_name.mode = number(0, 2);
        placement.connect_by_name.has_label = chance(30);
        if (placement.connect_by_name.has_label) placement.connect_by_name.label = label();
        placement.name_label = label();
    }
}

Net Generator::net(int index, int segments) {
    Net n;
    n.number = index;
    n.name = chance(40) ? "" : (chance(50) ? identifier("sig", index) : "net with blanks");
    n.type_name = chance(60) ? "" : "std_logic";
    n.bus = chance(30);
    if (n.bus) {
        n.range.has_range = true;
        n.range.left = std::to_string(number(1, 15));
        n.range.right = "0";
        n.range.direction = number(0, 1);
    }
    n.default_value = chance(70) ? "" : "'1'";
    n.label = label();
    n.signal_kind = number(0, 2);
    n.register_flag = chance(10);
    int y = 64 * number(0, 200);
    int x = 64 * number(0, 200);
    for (int i = 0; i < segments; ++i) {
        if (i % 2 == 0)
            n.horizontal.push_back({x + 64 * i, y + 64 * i, x + 64 * i + 128, y + 64 * i, 0});
        else
            n.vertical.push_back({x + 64 * i, y + 64 * i, x + 64 * i, y + 64 * i + 128, 0});
    }
    int junctions = segments >= 3 ? number(0, 3) : 0;
    for (int i = 0; i < junctions; ++i)
        n.junctions.push_back({x + 64 * i, y + 64 * i});
    if (n.bus) {
        int entries = number(0, 3);
        for (int i = 0; i < entries; ++i) {
            auto entry = std::make_unique<BusEntry>();
            entry->bus_point = {x + 64, y};
            entry->stub_end = {x + 128, y + 64};
            entry->slice = chance(30);
            entry->index = entry->slice ? "3" : (chance(50) ? "?" : std::to_string(i));
            entry->right = entry->slice ? "0" : "";
            entry->direction = n.range.direction;
            entry->label = label();
            n.bus_entries.push_back(std::move(entry));
        }
    }
    return n;
}

void Generator::state_machine(StateMachine& m) {
    m.code_width = number(-1, 8);
    m.style = number(0, 1);
    m.assignment = number(0, 6);
    m.decoding = number(0, 1);
    m.transition_actions = number(0, 3);
    m.state_actions = number(0, 3);
    m.clock_edge = number(0, 1);
    m.edge_functions = chance(50);
    m.block_separation = chance(50);
    m.identifier_suffix = chance(50) ? "" : "_sm";
    m.process_comment = text(2);
    m.process_declarations = text(2);
    auto labels = [&](std::vector<std::unique_ptr<Label>>& into, const char* prefix) {
        int count = number(0, 4);
        for (int i = 0; i < count; ++i) {
            auto l = std::make_unique<Label>();
            l->name = chance(30) ? "" : identifier(prefix, i);
            l->vhdl_text = chance(20) ? "" : "x <= '1';\ny <= x;";
            l->verilog_text = chance(50) ? "" : "x = 1;";
            l->flags = static_cast<unsigned>(number(0, 3));
            l->reserved = number(0, 2);
            l->number = i + 1;
            into.push_back(std::move(l));
        }
    };
    labels(m.action_labels, "act");
    labels(m.condition_labels, "cond");
    auto pick = [&](std::vector<std::unique_ptr<Label>>& from) -> Label* {
        return from.empty() || chance(20) ? nullptr : from[number(0, int(from.size()) - 1)].get();
    };
    auto new_state = [&](int number_in_table, const std::string& name) {
        auto s = std::make_unique<State>();
        s->number = number_in_table;
        s->name = name;
        s->code = chance(50) ? "" : "0101";
        s->box = {number(0, 5000), number(0, 5000), number(5000, 9000), number(5000, 9000)};
        s->name_label = label();
        int usages = m.action_labels.empty() ? 0 : number(0, 2);
        for (int i = 0; i < usages; ++i) {
            auto u = std::make_unique<LabelUsage>();
            u->order = i;
            u->position = {number(0, 9000), number(0, 9000)};
            u->display = label();
            u->state = s.get();
            use_label(*u, m.action_labels[number(0, int(m.action_labels.size()) - 1)].get());
            s->action_usages.push_back(std::move(u));
        }
        return s;
    };
    if (chance(30)) m.rest = new_state(0, "REST");
    int states = number(0, 5);
    for (int i = 1; i <= states; ++i)
        m.states.push_back(new_state(i, identifier("s", i)));
    int transitions = states == 0 ? 0 : number(0, 6);
    for (int i = 0; i < transitions; ++i) {
        auto t = std::make_unique<Transition>();
        t->reset = i == 0 && chance(40);
        if (!t->reset && chance(80)) t->from = m.states[number(0, states - 1)].get();
        t->to = chance(90) ? m.states[number(0, states - 1)].get() : nullptr;
        t->shape = number(0, 1);
        t->priority = t->reset ? kResetPriority : number(0, 5);
        t->priority_mark = {number(0, 9000), number(0, 9000)};
        int points = number(2, 5);
        for (int p = 0; p < points; ++p)
            t->points.push_back({number(0, 9000), number(0, 9000)});
        for (int& g : t->geometry)
            g = number(-50, 50);
        t->condition.order = number(0, 3);
        t->condition.position = {number(0, 9000), number(0, 9000)};
        t->condition.display = label();
        t->condition.transition = t.get();
        use_label(t->condition, pick(m.condition_labels));
        int actions = m.action_labels.empty() ? 0 : number(0, 2);
        for (int a = 0; a < actions; ++a) {
            auto u = std::make_unique<LabelUsage>();
            u->order = a;
            u->position = {number(0, 9000), number(0, 9000)};
            u->display = label();
            u->transition = t.get();
            use_label(*u, m.action_labels[number(0, int(m.action_labels.size()) - 1)].get());
            t->action_usages.push_back(std::move(u));
        }
        if (t->reset) m.reset_transition = t.get();
        m.transitions.push_back(std::move(t));
    }
}

std::unique_ptr<Process> Generator::process(int index) {
    bool machine = options_.state_machines && chance(50);
    auto p = new_process(identifier("pr", index), machine ? kProcessStateDiagram : kProcessHdlFile);
    p->box = {number(0, 4000), number(0, 4000), number(4000, 8000), number(4000, 8000)};
    p->status = static_cast<unsigned>(number(0, 64));
    p->name_label = label();
    p->sheet.display_grid = chance(50);
    p->sheet.size = number(1, 8);
    if (chance(30)) p->sheet.texts.push_back(label(2));
    int ports = number(0, 3);
    for (int i = 0; i < ports; ++i) {
        auto pp = port("");
        p->ports.push_back(std::move(pp));
    }
    if (machine)
        state_machine(*p->state_machine);
    else {
        p->hdl_file->vhdl_file = chance(50) ? "" : identifier("proc", index) + ".vhd";
        p->hdl_file->verilog_file = chance(70) ? "" : "a file.v";
        p->hdl_file->reserved = number(0, 2);
    }
    return p;
}

void Generator::block_diagram(Architecture& a, int diagrams_left) {
    BlockDiagram& diagram = *a.block_diagram;
    int share = segments_left_ / std::max(1, diagrams_left);
    int nets = share == 0 ? 0 : std::max(1, share / 8);
    for (int i = 0; i < nets; ++i) {
        int segments = i + 1 == nets ? share - (nets - 1) * (share / nets) : share / nets;
        diagram.nets.push_back(std::make_unique<Net>(net(i, std::max(1, segments))));
        segments_left_ -= std::max(1, segments);
    }
    int processes = number(0, 2);
    for (int i = 0; i < processes; ++i)
        add_process(diagram, a, process(i));
}

void Generator::architecture(Entity& entity, int kind, int index) {
    auto a = new_architecture(kind, identifier("a", index), &entity);
    a->directory = identifier("arc", index);
    a->status = static_cast<unsigned>(number(0, 127));
    a->second_flags = entity.external ? 1 : static_cast<unsigned>(number(0, 2));
    a->comment = text(2);
    a->vhdl_declarations_before = text(2);
    a->vhdl_declarations_after = text(2);
    a->verilog_declarations_before = text(1);
    a->verilog_declarations_after = text(1);
    a->vhdl_statements = text(3);
    a->verilog_statements = text(2);
    a->sheet.display_grid = chance(50);
    a->sheet.size = number(1, 8);
    int texts = number(0, 2);
    for (int i = 0; i < texts; ++i)
        a->sheet.texts.push_back(label(3));
    placements(*a, entity);
    Architecture& added = add_architecture(entity, std::move(a));
    switch (kind) {
    case kArchitectureBlockDiagram:
        block_diagrams_.push_back(&added);
        break;
    case kArchitectureHdlFile:
        added.hdl_file->vhdl_file = chance(30) ? "" : entity.name + "_" + added.name + ".vhd";
        added.hdl_file->verilog_file = chance(60) ? "" : entity.name + ".v";
        added.hdl_file->reserved = number(0, 2);
        break;
    default:
        if (options_.state_machines) state_machine(*added.state_machine);
        break;
    }
}

void Generator::components() {
    std::vector<Entity*> instantiable;
    for (auto& e : design_.entities)
        instantiable.push_back(e.get());
    if (instantiable.empty() || block_diagrams_.empty()) return;
    for (int i = 0; i < options_.components; ++i) {
        Architecture& owner = *block_diagrams_[i % block_diagrams_.size()];
        Entity* entity = instantiable[number(0, int(instantiable.size()) - 1)];
        auto c = new_component();
        c->name = identifier("u", i);
        c->position = {64 * number(0, 200), 64 * number(0, 200)};
        c->reserved = number(0, 3);
        c->name_label = label();
        Architecture* bound = nullptr;
        if (entity->is_library_module()) {
            c->library_module.path = entity->library_module_path;
            c->library_module.entity_name = entity->name;
            c->library_module.architecture_name = chance(50) ? "" : "rtl";
            c->library_module.library_name = entity->library_name;
        } else if (!entity->architectures.empty()) {
            bound = entity->architectures[number(0, int(entity->architectures.size()) - 1)].get();
        }
        Component& added = add_component(*owner.block_diagram, owner, entity, bound, std::move(c));
        for (GenericValue& value : added.generic_values) {
            value.actual_value = chance(50) ? "" : "16 ns";
            value.actual_unit = number(0, 8);
            value.reserved = number(0, 2);
            value.label = label();
        }
        for (PortInstance& instance : added.port_instances) {
            instance.display_option = number(0, 3);
            instance.label = label();
            instance.connect_by_name.mode = number(0, 2);
            instance.connect_by_name.has_label = chance(30);
            if (instance.connect_by_name.has_label) instance.connect_by_name.label = label();
        }
    }
}

void Generator::run() {
    settings();
    libraries();
    segments_left_ = options_.segments;
    std::vector<std::string> names = {"Toplevel"};
    for (int i = 1; i < options_.entities; ++i)
        names.push_back(identifier("ent_", 10000 + i));
    for (const std::string& name : names) {
        auto entity = new_entity(design_, name);
        entity->external = chance(10);
        entity->library_name = entity->external ? "extlib" : "";
        entity_interface(*entity);
        Entity& e = add_entity(design_, std::move(entity));
        int architectures = name == "Toplevel" ? 1 : number(1, 3);
        for (int i = 0; i < architectures; ++i) {
            int kind = i == 0 ? kArchitectureBlockDiagram : number(1, 3);
            architecture(e, kind, i);
        }
        if (options_.testbenches && chance(15)) {
            auto testbench = new_entity(design_, "tb_" + name);
            Entity& tb = *testbench;
            set_testbench(e, std::move(testbench));
            architecture(tb, kArchitectureBlockDiagram, 0);
        }
    }
    if (options_.library_modules) {
        for (int i = 0; i < 2; ++i) {
            auto module = std::make_unique<Entity>();
            module->name = identifier("libmod", i);
            module->library_module_path = "/projects/lib" + std::to_string(i) + ".vdp";
            module->library_module_name = "lib" + std::to_string(i);
            module->library_name = chance(50) ? "" : "mylib";
            for (int g = 0; g < i + 1; ++g)
                module->generics.push_back(new_generic());
            for (int p = 0; p < 2; ++p)
                module->ports.push_back(new_port());
            add_entity(design_, std::move(module));
        }
    }
    sort_entities(design_);
    design_.root = find_entity(design_, "Toplevel");
    for (std::size_t i = 0; i < block_diagrams_.size(); ++i)
        block_diagram(*block_diagrams_[i], int(block_diagrams_.size() - i));
    components();
}

} // namespace

void generate_design(Design& design, std::uint32_t seed, const GeneratorOptions& options) {
    design = Design{};
    Generator(design, seed, options).run();
}

} // namespace zeph::testing
