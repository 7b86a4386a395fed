// Snapshots of diagram records and their restorers.
#include "blockdiagram/undo_captures.h"

#include "blockdiagram/design_walk.h"
#include "blockdiagram/port_geometry.h"
#include "blockdiagram/symbol_geometry.h"

#include <functional>
#include <iterator>

namespace zeph {

namespace {

// Capture kinds, so that one record can be captured once per kind and step.
enum CaptureKind {
    kComponentList,
    kProcessList,
    kProcessPorts,
    kProcessContent,
    kNetList,
    kSheet,
    kPlacements,
    kComponentTags,
    kEntityPorts,
    kEntityGenerics,
    kEntitySymbol,
    kComponentFields,
    kEntityList,
    kAddedRecord,
};

// An owned list whose records keep their identity: on restore every record that is in the
// list now goes to the step, and the captured ones come back in their captured order with
// their captured values.
template <class T, class Value> class OwnedListRestorer : public Restorer {
  public:
    using Apply = std::function<void(T&, const Value&)>;
    OwnedListRestorer(std::vector<std::unique_ptr<T>>& list, std::function<Value(const T&)> read,
                      Apply apply)
        : list_(list), apply_(std::move(apply)) {
        for (auto& record : list) {
            order_.push_back(record.get());
            values_.push_back(read(*record));
        }
    }

    void restore(UndoStep& step) override {
        for (auto& record : list_)
            step.keep(std::move(record));
        list_.clear();
        for (std::size_t i = 0; i < order_.size(); ++i) {
            std::unique_ptr<T> record = step.take(order_[i]);
            if (record == nullptr) continue; // cannot happen: removed records are kept
            apply_(*record, values_[i]);
            list_.push_back(std::move(record));
        }
    }

  private:
    std::vector<std::unique_ptr<T>>& list_;
    std::vector<T*> order_;
    std::vector<Value> values_;
    Apply apply_;
};

// A record appended by the operation: on restore it leaves the list for the step.
template <class T> class AddedRecordRestorer : public Restorer {
  public:
    AddedRecordRestorer(std::vector<std::unique_ptr<T>>& list, T& record)
        : list_(list), record_(&record) {}
    void restore(UndoStep& step) override {
        for (auto it = list_.rbegin(); it != list_.rend(); ++it)
            if (it->get() == record_) {
                step.keep(std::move(*it));
                list_.erase(std::next(it).base());
                return;
            }
    }

  private:
    std::vector<std::unique_ptr<T>>& list_;
    T* record_;
};

template <class T> std::unique_ptr<Restorer> plain_list(std::vector<std::unique_ptr<T>>& list) {
    return std::make_unique<OwnedListRestorer<T, T>>(
        list, [](const T& record) { return record; },
        [](T& record, const T& value) { record = value; });
}

// A value restored in place.
template <class T> class ValueRestorer : public Restorer {
  public:
    explicit ValueRestorer(T& target) : target_(target), value_(target) {}
    void restore(UndoStep&) override { target_ = value_; }

  private:
    T& target_;
    T value_;
};

template <class T> std::unique_ptr<Restorer> value_of(T& target) {
    return std::make_unique<ValueRestorer<T>>(target);
}

// What a process is on its diagram, without its ports and its content.
struct ProcessShell {
    std::string name;
    Box box;
    unsigned status = 0;
    int reserved = 0;
    Entity* entity = nullptr;
    Architecture* architecture = nullptr;
    LabelDisplay name_label;
};

ProcessShell shell_of(const Process& p) {
    return {p.name, p.box, p.status, p.reserved, p.entity, p.architecture, p.name_label};
}

void apply_shell(Process& p, const ProcessShell& s) {
    p.name = s.name;
    p.box = s.box;
    p.status = s.status;
    p.reserved = s.reserved;
    p.entity = s.entity;
    p.architecture = s.architecture;
    p.name_label = s.name_label;
}

class ProcessContentRestorer : public Restorer {
  public:
    // Takes the process's content; the process is left without one.
    explicit ProcessContentRestorer(Process& process)
        : process_(process), kind_(process.kind), sheet_(process.sheet),
          hdl_file_(std::move(process.hdl_file)), state_machine_(std::move(process.state_machine)) {
    }
    void restore(UndoStep& step) override {
        step.keep(std::move(process_.hdl_file));
        step.keep(std::move(process_.state_machine));
        process_.kind = kind_;
        process_.sheet = sheet_;
        process_.hdl_file = std::move(hdl_file_);
        process_.state_machine = std::move(state_machine_);
    }

  private:
    Process& process_;
    int kind_;
    Sheet sheet_;
    std::unique_ptr<HdlFile> hdl_file_;
    std::unique_ptr<StateMachine> state_machine_;
};

std::unique_ptr<Net> copy_net(const Net& net) {
    auto copy = std::make_unique<Net>();
    copy->type_name = net.type_name;
    copy->bus = net.bus;
    copy->name = net.name;
    copy->default_value = net.default_value;
    copy->label = net.label;
    copy->status = net.status;
    copy->number = net.number;
    copy->signal_kind = net.signal_kind;
    copy->register_flag = net.register_flag;
    copy->horizontal = net.horizontal;
    copy->vertical = net.vertical;
    copy->junctions = net.junctions;
    for (const auto& entry : net.bus_entries)
        copy->bus_entries.push_back(std::make_unique<BusEntry>(*entry));
    copy->range = net.range;
    return copy;
}

class NetListRestorer : public Restorer {
  public:
    explicit NetListRestorer(std::vector<std::unique_ptr<Net>>& nets) : nets_(nets) {
        for (const auto& net : nets)
            copies_.push_back(copy_net(*net));
    }
    void restore(UndoStep&) override { nets_ = std::move(copies_); }

  private:
    std::vector<std::unique_ptr<Net>>& nets_;
    std::vector<std::unique_ptr<Net>> copies_;
};

class PlacementsRestorer : public Restorer {
  public:
    explicit PlacementsRestorer(Architecture& a)
        : architecture_(a), generics_(a.generic_placements), ports_(a.port_placements) {}
    void restore(UndoStep&) override {
        architecture_.generic_placements = generics_;
        architecture_.port_placements = ports_;
    }

  private:
    Architecture& architecture_;
    std::vector<GenericPlacement> generics_;
    std::vector<PortPlacement> ports_;
};

// The tags of the port instances of every component of a diagram (the components keep their
// identity across an undo, see undo_step.h).
class ComponentTagsRestorer : public Restorer {
  public:
    explicit ComponentTagsRestorer(BlockDiagram& diagram) {
        for (auto& component : diagram.components) {
            std::vector<ConnectByName> tags;
            for (const PortInstance& instance : component->port_instances)
                tags.push_back(instance.connect_by_name);
            tags_.emplace_back(component.get(), std::move(tags));
        }
    }
    void restore(UndoStep&) override {
        for (auto& [component, tags] : tags_) {
            auto& instances = component->port_instances;
            for (std::size_t i = 0; i < tags.size() && i < instances.size(); ++i)
                instances[i].connect_by_name = tags[i];
        }
    }

  private:
    std::vector<std::pair<Component*, std::vector<ConnectByName>>> tags_;
};

class SymbolRestorer : public Restorer {
  public:
    explicit SymbolRestorer(Entity& e)
        : entity_(e), width_(e.symbol_width), height_(e.symbol_height) {}
    void restore(UndoStep&) override {
        entity_.symbol_width = width_;
        entity_.symbol_height = height_;
    }

  private:
    Entity& entity_;
    int width_;
    int height_;
};

// Builds the snapshot only when this record was not captured in this kind yet.
template <class Make>
bool capture_once(UndoStep& step, CaptureKind kind, const void* record, Make make) {
    if (step.captured(kind, record)) return false;
    return step.capture(kind, record, make());
}

} // namespace

void capture_components(UndoStep& step, BlockDiagram& diagram) {
    step.mark_names_changing();
    capture_once(step, kComponentList, &diagram, [&] { return plain_list(diagram.components); });
}

void capture_added_component(UndoStep& step, BlockDiagram& diagram, Component& component) {
    step.capture(kAddedRecord, &component,
                 std::make_unique<AddedRecordRestorer<Component>>(diagram.components, component));
}

void capture_process_ports(UndoStep& step, Process& process) {
    capture_once(step, kProcessPorts, &process, [&] { return plain_list(process.ports); });
}

void capture_processes(UndoStep& step, BlockDiagram& diagram) {
    step.mark_names_changing();
    for (auto& process : diagram.processes)
        capture_process_ports(step, *process);
    capture_once(step, kProcessList, &diagram, [&] {
        return std::make_unique<OwnedListRestorer<Process, ProcessShell>>(diagram.processes,
                                                                          shell_of, apply_shell);
    });
}

bool take_process_content(UndoStep& step, Process& process) {
    return capture_once(step, kProcessContent, &process,
                        [&] { return std::make_unique<ProcessContentRestorer>(process); });
}

void capture_nets(UndoStep& step, BlockDiagram& diagram) {
    capture_once(step, kNetList, &diagram,
                 [&] { return std::make_unique<NetListRestorer>(diagram.nets); });
}

void capture_sheet(UndoStep& step, Sheet& sheet) {
    capture_once(step, kSheet, &sheet, [&] { return value_of(sheet); });
}

void capture_placements(UndoStep& step, Architecture& architecture) {
    capture_once(step, kPlacements, &architecture,
                 [&] { return std::make_unique<PlacementsRestorer>(architecture); });
}

void capture_component_tags(UndoStep& step, Architecture& architecture) {
    if (architecture.block_diagram == nullptr) return;
    BlockDiagram& diagram = *architecture.block_diagram;
    capture_once(step, kComponentTags, &diagram,
                 [&] { return std::make_unique<ComponentTagsRestorer>(diagram); });
}

void capture_entity_interface(UndoStep& step, Design& design, Entity& entity) {
    step.mark_shared();
    step.mark_relinking();
    capture_once(step, kEntityPorts, &entity, [&] { return plain_list(entity.ports); });
    capture_once(step, kEntityGenerics, &entity, [&] { return plain_list(entity.generics); });
    capture_once(step, kEntitySymbol, &entity,
                 [&] { return std::make_unique<SymbolRestorer>(entity); });
    for (auto& architecture : entity.architectures)
        capture_placements(step, *architecture);
    // A component's value holds its port instances with their tags.
    for (Component* component : components_of(design, entity))
        capture_once(step, kComponentFields, component, [&] { return value_of(*component); });
}

void capture_entity_list(UndoStep& step, Design& design) {
    step.mark_shared();
    step.mark_relinking();
    step.mark_names_changing();
    capture_once(step, kEntityList, &design, [&] {
        return std::make_unique<OwnedListRestorer<Entity, int>>(
            design.entities, [](const Entity&) { return 0; }, [](Entity&, const int&) {});
    });
}
void capture_added_entity(UndoStep& step, Design& design, Entity& entity) {
    step.mark_shared();
    step.capture(kAddedRecord, &entity,
                 std::make_unique<AddedRecordRestorer<Entity>>(design.entities, entity));
}

void relink_design(Design& design) {
    for_each_block_diagram(design, [](Architecture& architecture) {
        BlockDiagram& diagram = *architecture.block_diagram;
        for (auto& component : diagram.components) {
            component->owner = &architecture;
            Entity* entity = component->entity;
            for (std::size_t i = 0; i < component->port_instances.size(); ++i) {
                PortInstance& instance = component->port_instances[i];
                instance.component = component.get();
                if (entity != nullptr && i < entity->ports.size())
                    instance.port = entity->ports[i].get();
            }
            for (std::size_t i = 0; i < component->generic_values.size(); ++i)
                if (entity != nullptr && i < entity->generics.size())
                    component->generic_values[i].generic = entity->generics[i].get();
        }
        for (auto& process : diagram.processes) {
            process->architecture = &architecture;
            process->entity = architecture.entity;
            for (auto& port : process->ports)
                port->owner = process.get();
        }
        for (auto& net : diagram.nets) {
            net->connections.reset();
            net->bit_connections.clear();
        }
    });
}

} // namespace zeph
