// Reading block diagram sections (nets and processes), HDL file sections and the component
// records that follow all entity blocks.
#include "design/design_constructors.h"
#include "design/design_reader.h"
#include "design/name_limits.h"
#include "foundation/file_names.h"
#include "foundation/strings.h"

#include <algorithm>
#include <span>

namespace zeph {

namespace {
bool before_horizontal(const Segment& a, const Segment& b) {
    return a.y1 != b.y1 ? a.y1 < b.y1 : a.x1 < b.x1;
}
bool before_vertical(const Segment& a, const Segment& b) {
    return a.x1 != b.x1 ? a.x1 < b.x1 : a.y1 < b.y1;
}

// Without the block-diagram geometry code: horizontal and vertical stretches are added (and
// sorted in once all lines of the net are read), anything else is dropped.
void add_plain_segment(Net& net, Point a, Point b) {
    if (a.y == b.y && a.x != b.x)
        net.horizontal.push_back({std::min(a.x, b.x), a.y, std::max(a.x, b.x), a.y, 0});
    else if (a.x == b.x && a.y != b.y)
        net.vertical.push_back({a.x, std::min(a.y, b.y), a.x, std::max(a.y, b.y), 0});
}

bool is_first_architecture_word(const std::string& word) {
    return word.empty() || word == "0";
}
} // namespace

void DesignReader::block_diagram(Architecture& architecture) {
    BlockDiagram& diagram = *architecture.block_diagram;
    in_.expect("Schem:");
    int components = in_.count();
    int nets = in_.count();
    int processes = in_.count();
    in_.end_line();
    if (mode_ == ReadMode::Library) components = 0;
    pending_components_.emplace_back(&architecture, components);
    for (int i = 0; i < nets; ++i)
        diagram.nets.push_back(net_record(i));
    for (int i = 0; i < processes; ++i)
        process_record(architecture, diagram);
}

std::unique_ptr<Net> DesignReader::net_record(int position) {
    auto net = std::make_unique<Net>();
    in_.expect("Net:");
    if (in_.integer() != position) in_.fail();
    net->number = position;
    net->name = in_.counted(kMaxHdlName);
    net->type_name = in_.counted(kMaxHdlName);
    in_.end_line();
    if (index_ < 4 && net->type_name == "Bit") net->type_name.clear();

    in_.integer();
    int horizontal = in_.count();
    int vertical = in_.count();
    int junctions = in_.count();
    int entries = in_.count();
    int old_segments = 0;
    if (index_ >= 3)
        net->signal_kind = in_.integer();
    else
        old_segments = in_.count();
    in_.end_line();

    net->bus = in_.integer() != 0;
    net->range.has_range = net->bus;
    net->range.left = in_.word(kMaxHdlName);
    net->range.right = in_.word(kMaxHdlName);
    net->register_flag = in_.integer() != 0;
    in_.integer();
    net->range.direction = in_.integer();
    in_.end_line();
    if (index_ < 5) net->range.direction = old_direction(net->range);

    net->default_value = in_.counted(kMaxValue);
    net->label = label(LabelKind::Net);
    auto segments = [&](std::vector<Segment>& into, int count) {
        into.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            Segment s;
            s.x1 = coordinate();
            s.y1 = coordinate();
            s.x2 = coordinate();
            s.y2 = coordinate();
            in_.end_line();
            into.push_back(s);
        }
    };
    segments(net->horizontal, horizontal);
    segments(net->vertical, vertical);
    for (int i = 0; i < old_segments; ++i) {
        Point a = point();
        Point b = point();
        in_.end_line();
        if (hooks_.insert_segment)
            hooks_.insert_segment(*net, a, b);
        else
            add_plain_segment(*net, a, b);
    }
    if (old_segments > 0 && !hooks_.insert_segment) {
        std::stable_sort(net->horizontal.begin(), net->horizontal.end(), before_horizontal);
        std::stable_sort(net->vertical.begin(), net->vertical.end(), before_vertical);
    }
    for (int i = 0; i < entries; ++i)
        bus_entry(*net);
    net->junctions.reserve(static_cast<std::size_t>(junctions));
    for (int i = 0; i < junctions; ++i) {
        Point p = point();
        in_.end_line();
        net->junctions.push_back({p.x, p.y});
    }
    // Each junction point goes to the head of the net's list.
    std::reverse(net->junctions.begin(), net->junctions.end());
    return net;
}

void DesignReader::bus_entry(Net& net) {
    auto entry = std::make_unique<BusEntry>();
    entry->slice = in_.integer() != 0;
    entry->index = in_.word(kMaxHdlName);
    entry->right = in_.word(kMaxHdlName);
    in_.end_line();
    entry->bus_point = point();
    entry->stub_end = point();
    in_.end_line();
    entry->label = label(LabelKind::BusEntry);
    entry->direction = net.range.direction;
    net.bus_entries.push_back(std::move(entry));
}

void DesignReader::process_record(Architecture& architecture, BlockDiagram& diagram) {
    in_.expect("Process:");
    if (in_.word(kMaxHdlName) != architecture.name) in_.fail();
    std::string name = in_.word(kMaxHdlName);
    int kind = in_.integer();
    if (kind != kProcessHdlFile && kind != kProcessStateDiagram) in_.fail();
    in_.end_line();
    auto process = new_process(name, kind, record_defaults(), target_.synthesis_tool);
    process->box.x1 = coordinate();
    process->box.y1 = coordinate();
    process->box.x2 = coordinate();
    process->box.y2 = coordinate();
    in_.end_line();
    process->status = static_cast<unsigned>(in_.integer());
    process->reserved = in_.integer();
    int ports = in_.count();
    in_.end_line();
    process_diagram(*process);
    process->name_label = label(LabelKind::Process);
    Process& added = add_process(diagram, architecture, std::move(process));
    for (int i = 0; i < ports; ++i)
        port_block(add_process_port(added, new_port()));
    if (kind == kProcessHdlFile)
        hdl_file_section(*added.hdl_file, *architecture.entity, &architecture, &added);
    else
        state_diagram(*added.state_machine);
}

void DesignReader::hdl_file_section(HdlFile& file, const Entity& entity,
                                    const Architecture* architecture, const Process* process) {
    in_.expect("Vfile:");
    file.reserved = in_.integer();
    in_.end_line();
    std::string vhdl = in_.counted(kMaxFileName);
    in_.end_line();
    std::string verilog = in_.counted(kMaxFileName);
    in_.end_line();
    if (mode_ == ReadMode::Library) return; // the files stay with the other project
    auto resolve = [&](const std::string& name, int language) {
        if (name.empty() || !hooks_.locate_hdl_file) return name;
        return bounded(hooks_.locate_hdl_file(entity, architecture, process, name, language),
                       kMaxFileName);
    };
    file.vhdl_file = resolve(vhdl, 1);
    file.verilog_file = resolve(verilog, 2);
}

void DesignReader::index_entity(Entity& entity, FlatNameIndex& by_name) {
    // The first entity of a name is the one a scan of the list would find.
    if (!by_name.add(entity.name, static_cast<std::uint32_t>(indexed_entities_.size()))) return;
    auto count = [](std::size_t n) { return static_cast<std::uint32_t>(n); };
    IndexedEntity indexed{&entity,
                          count(architecture_names_.size()),
                          count(entity.architectures.size()),
                          count(generic_pointers_.size()),
                          count(entity.generics.size()),
                          count(port_pointers_.size()),
                          count(entity.ports.size())};
    for (auto& architecture : entity.architectures)
        architecture_names_.emplace_back(architecture->name, architecture.get());
    for (auto& generic : entity.generics)
        generic_pointers_.push_back(generic.get());
    for (auto& port : entity.ports)
        port_pointers_.push_back(port.get());
    indexed_entities_.push_back(indexed);
}

void DesignReader::index_entities(Design& design, FlatNameIndex& by_name) {
    by_name.reserve(design.entities.size());
    indexed_entities_.reserve(indexed_entities_.size() + design.entities.size());
    for (auto& entity : design.entities) {
        index_entity(*entity, by_name);
        if (entity->is_library_module())
            library_modules_.emplace(std::make_pair(entity->name, entity->library_module_path),
                                     entity.get());
    }
}

const DesignReader::IndexedEntity* DesignReader::instantiated_entity(const std::string& name) {
    if (!indexed_) {
        indexed_ = true;
        index_entities(target_, entities_);
        if (outer_ != nullptr) index_entities(*outer_, outer_entities_);
    }
    const std::uint32_t* found = entities_.find(name);
    if (found == nullptr) found = outer_entities_.find(name);
    return found == nullptr ? nullptr : &indexed_entities_[*found];
}

Architecture* DesignReader::architecture_of(const IndexedEntity& indexed, const std::string& name) {
    // A few architectures are found fastest by a scan; many get an index of their own.
    constexpr std::size_t kScanned = 8;
    if (indexed.architectures <= kScanned) {
        auto first =
            architecture_names_.begin() + static_cast<std::ptrdiff_t>(indexed.first_architecture);
        for (auto it = first; it != first + static_cast<std::ptrdiff_t>(indexed.architectures);
             ++it)
            if (it->first == name) return it->second;
        return nullptr;
    }
    Entity& entity = *indexed.entity;
    auto [it, fresh] = architectures_.try_emplace(&entity);
    if (fresh)
        for (auto& architecture : entity.architectures)
            it->second.emplace(architecture->name, architecture.get());
    auto found = it->second.find(name);
    return found == it->second.end() ? nullptr : found->second;
}

// Library modules are written only inside the components that use them; until their
// interface is fetched they stand as placeholders with the announced numbers of generics
// and ports.
Entity* DesignReader::library_module_entity(const std::string& name, const std::string& path,
                                            int generics, int ports, const std::string& library) {
    instantiated_entity(name); // builds the indexes
    auto key = std::make_pair(name, path);
    if (auto it = library_modules_.find(key); it != library_modules_.end()) {
        Entity* entity = it->second;
        if (entity->generics.size() != static_cast<std::size_t>(generics) ||
            entity->ports.size() != static_cast<std::size_t>(ports))
            in_.fail();
        return entity;
    }
    auto entity = std::make_unique<Entity>();
    entity->name = name;
    entity->library_module_path = path;
    entity->library_module_name = file_stem(path).value_or("");
    entity->library_name = library;
    entity->symbol_height = kDefaultSymbolHeight;
    entity->symbol_width = kDefaultSymbolWidth;
    for (int i = 0; i < generics; ++i)
        entity->generics.push_back(new_generic());
    for (int i = 0; i < ports; ++i)
        entity->ports.push_back(new_port());
    Entity& added = add_entity(target_, std::move(entity));
    library_modules_.emplace(key, &added);
    index_entity(added, entities_);
    return &added;
}

void DesignReader::component_record(Architecture& architecture) {
    in_.expect("Component:");
    if (in_.word(kMaxHdlName) != architecture.name) in_.fail();
    auto component = new_component();
    component->name = in_.word(kMaxHdlName);
    std::string entity_name = in_.word(kMaxHdlName);
    entities_.prefetch(entity_name); // looked up once the rest of the line is read
    component->position = point();
    int flags = in_.integer();
    component->reserved = in_.integer();
    std::string bound_name = in_.word(kMaxHdlName);
    bool library = (flags & 2) != 0;
    Entity* entity = nullptr;
    Architecture* bound = nullptr;
    std::span<Generic* const> generics;
    std::span<Port* const> ports;
    if (!library) {
        const IndexedEntity* indexed = instantiated_entity(entity_name);
        if (indexed == nullptr) in_.fail();
        entity = indexed->entity;
        generics = std::span(generic_pointers_).subspan(indexed->first_generic, indexed->generics);
        ports = std::span(port_pointers_).subspan(indexed->first_port, indexed->ports);
        // Used when the component is added, after its line and label: fetched meanwhile.
        __builtin_prefetch(generics.data());
        __builtin_prefetch(ports.data());
        if (!is_first_architecture_word(bound_name))
            bound = architecture_of(*indexed, bound_name);
        else if (indexed->architectures > 0)
            bound = architecture_names_[indexed->first_architecture].second;
        if (bound == nullptr && !is_first_architecture_word(bound_name)) in_.fail();
    }
    in_.end_line();
    component->name_label = label(LabelKind::Component);

    if (library) {
        LibraryModuleRef& module = component->library_module;
        module.path = in_.counted(kMaxFileName);
        // A library module is known by its project path; without one it would be written back
        // as a component of a design entity of the same name.
        if (module.path.empty()) in_.fail();
        int generic_count = in_.count();
        int port_count = in_.count();
        std::string library_name = in_.word(kMaxHdlName);
        module.entity_name = entity_name;
        module.architecture_name = is_first_architecture_word(bound_name) ? "" : bound_name;
        module.library_name = library_name == "0" ? std::string() : library_name;
        entity = library_module_entity(entity_name, module.path, generic_count, port_count,
                                       module.library_name);
        in_.end_line();
    }
    BlockDiagram& diagram = *architecture.block_diagram;
    Component& added =
        library ? add_component(diagram, architecture, entity, bound, std::move(component))
                : add_component(diagram, architecture, entity, bound, std::move(component),
                                generics, ports);
    for (GenericValue& value : added.generic_values) {
        value.actual_value = in_.counted(kMaxValue);
        value.reserved = in_.integer();
        value.actual_unit = in_.integer();
        in_.end_line();
        value.label = label(LabelKind::Generic);
    }
    if ((flags & 1) == 0) return;
    for (PortInstance& instance : added.port_instances) {
        instance.display_option = in_.integer();
        // Files of earlier versions hold 0 0 0 here: no tag.
        int mode = in_.integer();
        bool tag_label = in_.integer() != 0;
        in_.integer();
        if (mode < kConnectNone || mode > kConnectOwnName) in_.fail();
        instance.connect_by_name.mode = mode;
        instance.connect_by_name.has_label = tag_label;
        if (tag_label) instance.connect_by_name.label = label(LabelKind::ConnectLabel);
        instance.label = label(LabelKind::Port);
    }
}

} // namespace zeph
