// Constructors, linking, lookup and removal of design records.
#include "design/design_constructors.h"

#include "design/name_limits.h"
#include "foundation/strings.h"

#include <algorithm>

namespace zeph {

namespace {
template <class T>
std::unique_ptr<T> take_out(std::vector<std::unique_ptr<T>>& owner, const T* element) {
    auto it = std::find_if(owner.begin(), owner.end(),
                           [element](const std::unique_ptr<T>& p) { return p.get() == element; });
    if (it == owner.end()) return nullptr;
    std::unique_ptr<T> taken = std::move(*it);
    owner.erase(it);
    return taken;
}

std::string numbered_directory(int& counter, std::string_view name) {
    if (name.size() <= kMaxDirectoryName) return to_lower_ascii(name);
    std::string directory = std::to_string(counter++);
    directory.append(name);
    return to_lower_ascii(bounded(directory, kMaxDirectoryName));
}

const std::string& configured_name(const DesignDefaults& d, int kind, bool external) {
    if (external) return d.external_architecture_name;
    switch (kind) {
    case kArchitectureHdlFile:
        return d.hdl_file_architecture_name;
    case kArchitectureStateDiagram:
        return d.state_diagram_architecture_name;
    default:
        return d.block_diagram_architecture_name;
    }
}

int sheet_kind_of(int architecture_kind) {
    switch (architecture_kind) {
    case kArchitectureBlockDiagram:
        return kSheetBlockDiagram;
    case kArchitectureStateDiagram:
        return kSheetStateDiagram;
    default:
        return kSheetHdlFile;
    }
}
} // namespace

std::string new_entity_directory(Design& design, std::string_view name) {
    return numbered_directory(design.entity_directory_counter, name);
}

std::string new_architecture_directory(Entity& entity, std::string_view name) {
    return numbered_directory(entity.architecture_directory_counter, name);
}

std::unique_ptr<Entity> new_entity(Design& design, std::string_view name) {
    auto entity = std::make_unique<Entity>();
    entity->name = bounded(name, kMaxHdlName);
    if (!entity->name.empty()) entity->directory = new_entity_directory(design, entity->name);
    entity->symbol_height = kDefaultSymbolHeight;
    entity->symbol_width = kDefaultSymbolWidth;
    return entity;
}

std::string default_architecture_name(int kind, bool external, const Entity* owner,
                                      const DesignDefaults& defaults) {
    const std::string& configured = configured_name(defaults, kind, external);
    if (!configured.empty()) return bounded(configured, kMaxHdlName);
    for (int n = 0;; ++n) {
        std::string candidate = format_text("a%d", n);
        if (owner == nullptr || find_architecture(*owner, candidate) == nullptr) return candidate;
    }
}

Sheet new_sheet(int sheet_kind, const DesignDefaults& defaults) {
    Sheet sheet;
    sheet.kind = sheet_kind;
    sheet.display_grid = defaults.display_grid;
    int size = defaults.sheet_size;
    sheet.size = size >= 1 && size <= kSheetSizeCount ? size : 1;
    return sheet;
}

std::unique_ptr<StateMachine> new_state_machine(int synthesis_tool) {
    auto machine = std::make_unique<StateMachine>();
    machine->style = synthesis_tool == kSynthesisSilcSyn ? kStyleImplicit : kStyleExplicit;
    machine->assignment = machine->style == kStyleExplicit ? kAssignmentEnumerate : kAssignmentNone;
    return machine;
}

std::unique_ptr<Architecture> new_unnamed_architecture(int kind, const DesignDefaults& defaults,
                                                       int synthesis_tool) {
    auto architecture = std::make_unique<Architecture>();
    architecture->kind = kind;
    architecture->sheet = new_sheet(sheet_kind_of(kind), defaults);
    switch (kind) {
    case kArchitectureBlockDiagram:
        architecture->block_diagram = std::make_unique<BlockDiagram>();
        break;
    case kArchitectureHdlFile:
        architecture->hdl_file = std::make_unique<HdlFile>();
        break;
    case kArchitectureStateDiagram:
        architecture->state_machine = new_state_machine(synthesis_tool);
        break;
    default:
        break;
    }
    return architecture;
}

std::unique_ptr<Architecture> new_architecture(int kind, std::string_view name, const Entity* owner,
                                               const DesignDefaults& defaults, int synthesis_tool) {
    auto architecture = new_unnamed_architecture(kind, defaults, synthesis_tool);
    bool external = owner != nullptr && owner->external;
    architecture->name = name.empty() ? default_architecture_name(kind, external, owner, defaults)
                                      : bounded(name, kMaxHdlName);
    if (external) architecture->second_flags = 1;
    return architecture;
}

std::unique_ptr<Generic> new_generic() {
    return std::make_unique<Generic>();
}

std::unique_ptr<Port> new_port() {
    return std::make_unique<Port>();
}

std::unique_ptr<Process> new_process(std::string_view name, int kind,
                                     const DesignDefaults& defaults, int synthesis_tool) {
    auto process = std::make_unique<Process>();
    process->name = bounded(name, kMaxHdlName);
    process->kind = kind;
    process->reserved = 1;
    if (kind == kProcessHdlFile) {
        process->sheet = new_sheet(kSheetHdlFile, defaults);
        process->hdl_file = std::make_unique<HdlFile>();
    } else if (kind == kProcessStateDiagram) {
        process->sheet = new_sheet(kSheetStateDiagram, defaults);
        process->state_machine = new_state_machine(synthesis_tool);
    }
    return process;
}

std::unique_ptr<Component> new_component() {
    return std::make_unique<Component>();
}

Entity& add_entity(Design& design, std::unique_ptr<Entity> entity) {
    design.entities.push_back(std::move(entity));
    return *design.entities.back();
}

Entity& add_entity_in_order(Design& design, std::unique_ptr<Entity> entity) {
    auto place = std::upper_bound(
        design.entities.begin(), design.entities.end(), entity->name,
        [](const std::string& name, const std::unique_ptr<Entity>& e) { return name < e->name; });
    return **design.entities.insert(place, std::move(entity));
}

Architecture& add_architecture(Entity& entity, std::unique_ptr<Architecture> architecture) {
    architecture->entity = &entity;
    if (architecture->generic_placements.size() < entity.generics.size())
        architecture->generic_placements.resize(entity.generics.size());
    if (architecture->port_placements.size() < entity.ports.size())
        architecture->port_placements.resize(entity.ports.size());
    if (architecture->directory.empty() && !architecture->name.empty())
        architecture->directory = new_architecture_directory(entity, architecture->name);
    entity.architectures.push_back(std::move(architecture));
    return *entity.architectures.back();
}

Component& add_component(BlockDiagram& diagram, Architecture& owner, Entity* entity,
                         Architecture* bound, std::unique_ptr<Component> component,
                         std::span<Generic* const> generics, std::span<Port* const> ports) {
    component->entity = entity;
    component->bound_architecture = bound;
    component->owner = &owner;
    if (entity != nullptr) {
        component->generic_values.resize(generics.size());
        for (std::size_t i = 0; i < generics.size(); ++i)
            component->generic_values[i].generic = generics[i];
        component->port_instances.resize(ports.size());
        for (std::size_t i = 0; i < ports.size(); ++i)
            component->port_instances[i].port = ports[i];
    }
    for (PortInstance& instance : component->port_instances)
        instance.component = component.get();
    diagram.components.push_back(std::move(component));
    return *diagram.components.back();
}

Component& add_component(BlockDiagram& diagram, Architecture& owner, Entity* entity,
                         Architecture* bound, std::unique_ptr<Component> component) {
    std::vector<Generic*> generics;
    std::vector<Port*> ports;
    if (entity != nullptr) {
        for (auto& generic : entity->generics)
            generics.push_back(generic.get());
        for (auto& port : entity->ports)
            ports.push_back(port.get());
    }
    return add_component(diagram, owner, entity, bound, std::move(component), generics, ports);
}

Process& add_process(BlockDiagram& diagram, Architecture& owner, std::unique_ptr<Process> process) {
    process->entity = owner.entity;
    process->architecture = &owner;
    for (auto& port : process->ports)
        port->owner = process.get();
    diagram.processes.push_back(std::move(process));
    return *diagram.processes.back();
}

Port& add_process_port(Process& process, std::unique_ptr<Port> port) {
    port->owner = &process;
    process.ports.push_back(std::move(port));
    return *process.ports.back();
}

void set_testbench(Entity& tested, std::unique_ptr<Entity> testbench) {
    if (testbench != nullptr) testbench->tested_entity = &tested;
    tested.testbench = std::move(testbench);
}

Entity* find_entity(const Design& design, std::string_view name) {
    for (const auto& entity : design.entities)
        if (entity->name == name) return entity.get();
    return nullptr;
}

Architecture* find_architecture(const Entity& entity, std::string_view name) {
    for (const auto& architecture : entity.architectures)
        if (architecture->name == name) return architecture.get();
    return nullptr;
}

std::unique_ptr<Entity> remove_entity(Design& design, Entity* entity) {
    std::unique_ptr<Entity> taken = take_out(design.entities, entity);
    if (taken == nullptr) return nullptr;
    if (design.root == entity) design.root = nullptr;
    if (design.current_entity == entity) {
        design.current_entity = nullptr;
        design.current_architecture = nullptr;
        design.current_process = nullptr;
    }
    return taken;
}

std::unique_ptr<Architecture> remove_architecture(Entity& entity, Architecture* architecture) {
    return take_out(entity.architectures, architecture);
}

std::unique_ptr<Component> remove_component(BlockDiagram& diagram, Component* component) {
    return take_out(diagram.components, component);
}

std::unique_ptr<Process> remove_process(BlockDiagram& diagram, Process* process) {
    return take_out(diagram.processes, process);
}

void sort_entities(Design& design) {
    std::stable_sort(design.entities.begin(), design.entities.end(),
                     [](const std::unique_ptr<Entity>& a, const std::unique_ptr<Entity>& b) {
                         return a->name < b->name;
                     });
}

int text_line_count(std::string_view text) {
    if (text.empty()) return 0;
    return 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

void use_label(LabelUsage& usage, Label* label) {
    if (usage.label != nullptr) --usage.label->use_count;
    usage.label = label;
    if (label != nullptr) ++label->use_count;
}

} // namespace zeph
