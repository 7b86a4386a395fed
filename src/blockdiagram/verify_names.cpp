// Name checks of a block diagram: components, processes and nets against each other and
// against the entity's generics and ports, and the generic values of the components.
#include "blockdiagram/net_geometry.h"
#include "blockdiagram/net_lookup.h"
#include "blockdiagram/verify_context.h"

#include "design/block_diagram.h"
#include "design/status_flags.h"
#include "foundation/kind_vocabulary.h"
#include "hdl/identifier_rules.h"

#include <string>
#include <vector>

namespace zeph {

namespace {

// The names a diagram object must not share, with their kinds.
struct NamedThing {
    std::string name;
    int kind = 0;
};

class NameScope {
  public:
    NameScope(VerifyRun& run, Entity& entity, Architecture& architecture)
        : run_(run), entity_(entity), architecture_(architecture),
          diagram_(*architecture.block_diagram) {}

    void check_components();
    void check_processes();
    void check_nets();

  private:
    bool same(const std::string& a, const std::string& b) const {
        return names_equal(a, b, run_.rules.rules);
    }
    void say(int number, int i1, int i2, const std::string& s1, const std::string& s2 = {},
             Process* process = nullptr) {
        run_.say(number, i1, i2, 0, s1, s2, {}, &entity_, &architecture_, process);
    }
    // 5 against the first entry of `others` with the same name.
    void also_used(int kind, const std::string& name, const std::vector<NamedThing>& others,
                   Process* process = nullptr) {
        for (const NamedThing& other : others)
            if (same(name, other.name)) {
                say(5, kind, other.kind, name, {}, process);
                return;
            }
    }
    // 6 when a component's entity has the name.
    void also_entity_name(int kind, const std::string& name, Process* process = nullptr) {
        for (auto& component : diagram_.components)
            if (component->entity != nullptr && same(name, component->entity->name)) {
                say(6, kind, 0, name, component->name, process);
                return;
            }
    }
    std::vector<NamedThing> interface_names() const {
        std::vector<NamedThing> names;
        for (auto& generic : entity_.generics)
            names.push_back({generic->name, kKindDiagramGeneric});
        for (auto& port : entity_.ports)
            names.push_back({port->name, kKindDiagramPort});
        return names;
    }

    VerifyRun& run_;
    Entity& entity_;
    Architecture& architecture_;
    BlockDiagram& diagram_;
};

void NameScope::check_components() {
    auto& components = diagram_.components;
    std::vector<NamedThing> interface = interface_names();
    for (std::size_t i = 0; i < components.size(); ++i) {
        const std::string& name = components[i]->name;
        check_name(run_, name, kKindComponent, &entity_, &architecture_);
        for (std::size_t j = i + 1; j < components.size(); ++j)
            if (same(name, components[j]->name)) {
                say(48, kKindComponent, 0, name);
                break;
            }
        also_used(kKindComponent, name, interface);
        also_entity_name(kKindComponent, name);
    }
    for (const NamedThing& thing : interface)
        also_entity_name(thing.kind, thing.name);
}

void NameScope::check_processes() {
    auto& processes = diagram_.processes;
    std::vector<NamedThing> components;
    for (auto& component : diagram_.components)
        components.push_back({component->name, kKindComponent});
    std::vector<NamedThing> interface = interface_names();
    for (std::size_t i = 0; i < processes.size(); ++i) {
        Process* process = processes[i].get();
        const std::string& name = process->name;
        check_name(run_, name, kKindProcess, &entity_, &architecture_, process);
        for (std::size_t j = i + 1; j < processes.size(); ++j)
            if (same(name, processes[j]->name)) {
                say(48, kKindProcess, 0, name, {}, process);
                break;
            }
        also_used(kKindProcess, name, components, process);
        also_entity_name(kKindProcess, name, process);
        also_used(kKindProcess, name, interface, process);
    }
}

void NameScope::check_nets() {
    std::vector<NamedThing> others = interface_names();
    for (auto& component : diagram_.components)
        others.push_back({component->name, kKindComponent});
    for (auto& process : diagram_.processes)
        others.push_back({process->name, kKindProcess});
    auto& nets = diagram_.nets;
    for (std::size_t i = 0; i < nets.size(); ++i) {
        Net& net = *nets[i];
        std::string name = net_display_name(net, kNameOnly);
        if (!check_name(run_, name, kKindNet, &entity_, &architecture_)) net.status &= ~kNetValid;
        if (!net.name.empty())
            for (std::size_t j = i + 1; j < nets.size(); ++j)
                if (!nets[j]->name.empty() && same(net.name, nets[j]->name)) {
                    say(48, kKindNet, 0, name);
                    net.status &= ~kNetValid;
                    break;
                }
        also_used(kKindNet, name, others);
        also_entity_name(kKindNet, name);
    }
}

} // namespace

void check_diagram_names(VerifyRun& run, Entity& entity, Architecture& architecture) {
    BlockDiagram* diagram = architecture.block_diagram.get();
    if (diagram == nullptr) return;
    if (!run.is_top_level(architecture) && diagram->components.empty() &&
        diagram->processes.empty()) {
        run.say(101, kKindComponent, 0, 0, {}, {}, {}, &entity, &architecture);
        run.say(101, kKindProcess, 0, 0, {}, {}, {}, &entity, &architecture);
    }
    remove_empty_nets(*diagram);
    renumber_nets(*diagram);
    for (auto& net : diagram->nets) {
        net->connections.reset();
        net->bit_connections.clear();
        net->status |= kNetValid;
    }
    NameScope scope(run, entity, architecture);
    scope.check_components();
    scope.check_processes();
    scope.check_nets();
    check_component_generics(run, entity, architecture);
    if (run.mode == VerifyMode::Architecture)
        for (auto& component : diagram->components) {
            Entity* used = component->entity;
            if (used != nullptr && (used->status & kStatusPhase1) == 0 &&
                !used->is_library_module())
                check_entity(run, *used, false);
        }
    for (auto& process : diagram->processes)
        check_process_names(run, entity, architecture, *process);
    if (run.options.hooks.state_machine_suffixes)
        run.options.hooks.state_machine_suffixes(run.report, entity, architecture);
    architecture.status |= kStatusPhase1;
}

void check_component_generics(VerifyRun& run, Entity& entity, Architecture& architecture) {
    for (auto& component : architecture.block_diagram->components) {
        Entity* used = component->entity;
        if (used == nullptr) continue;
        for (std::size_t i = 0; i < used->generics.size(); ++i) {
            const Generic& generic = *used->generics[i];
            std::string value;
            if (i < component->generic_values.size())
                value = component->generic_values[i].actual_value;
            if (value.empty()) value = generic.default_value;
            if (value.empty()) continue;
            if (!generic_type_valid(run, generic)) {
                run.say(50, 7, kKindComponentGeneric, 0, generic_type_text(generic), generic.name,
                        {}, &entity, &architecture);
                continue;
            }
            if (generic_value_legal(run, value, generic.type, &entity)) continue;
            if (used->external)
                run.say(111, 1, kKindComponentGeneric, 0, value, generic.name, {}, &entity,
                        &architecture);
            else
                run.say(50, 1, kKindComponentGeneric, 0, value, generic.name, {}, &entity,
                        &architecture);
        }
    }
}

void check_process_names(VerifyRun& run, Entity& entity, Architecture& architecture,
                         Process& process) {
    if (process.ports.empty())
        run.say(3, kKindProcessPort, 0, 0, {}, {}, {}, &entity, &architecture, &process);
    if (process.kind == kProcessHdlFile) {
        check_hdl_file(run, entity, architecture, &process, process.hdl_file.get());
    } else if (process.kind == kProcessStateDiagram && run.options.hooks.state_machine_names) {
        run.report.set_context(&entity, &architecture, &process);
        run.options.hooks.state_machine_names(run.report, entity, architecture, &process);
    }
    process.status |= kStatusPhase1;
}

} // namespace zeph
