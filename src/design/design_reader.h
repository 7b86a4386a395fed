// The reader of the design records shared by the design file, the macro file and the fetch of
// a library entity. One object reads one file front to back; every failure throws ReadFailure
// (the public read functions turn it into the failing line number).
#pragma once

#include "design/block_diagram.h"
#include "design/design.h"
#include "design/design_file.h"
#include "design/design_text_reader.h"
#include "foundation/flat_name_index.h"

#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace zeph {

enum class ReadMode {
    Design,  // the whole design
    Macro,   // entities added to an open design
    Library, // one entity's interface from another project
};

// Whether label colours of a file carrying this platform tag line are reset on reading.
bool tag_resets_colours(std::string_view tag_line);

class DesignReader {
  public:
    DesignReader(DesignTextReader& in, int version_index, ReadMode mode, const ReadHooks& hooks,
                 Design& target);

    // Entities of the open design that components of a macro may instantiate.
    void set_outer_design(Design* outer) { outer_ = outer; }
    void set_reset_colours(bool reset) { reset_colours_ = reset; }

    // B: settings and library entries; returns the number of top-level entity blocks.
    int design_header();
    // C: one entity block with its testbench; `named` when the "Entity:" line was consumed.
    std::unique_ptr<Entity> entity_block(const std::string* named, int depth);
    // H: the component records of every block diagram read so far, in reading order.
    void component_section();
    // I
    void language_trailer();

  private:
    const DesignDefaults& record_defaults() const {
        return hooks_.defaults != nullptr ? *hooks_.defaults : documented_defaults();
    }
    int coordinate();
    Point point();
    LabelDisplay label(LabelKind kind);
    int old_direction(const Range& range) const;

    // C and D
    void entity_lines(Entity& entity, int& architectures, int& generics, int& ports,
                      bool& testbench_follows);
    void generic_block(Generic& generic, std::vector<LabelDisplay>& old_labels);
    void port_block(Port& port);
    std::unique_ptr<Architecture> architecture_block(Entity& entity);
    void architecture_diagram(Architecture& architecture, Entity& entity);
    void process_diagram(Process& process);
    void sheet_lines(Sheet& sheet);
    void placements(Architecture& architecture, const Entity& entity);
    void build_old_placements(Entity& entity, const std::vector<LabelDisplay>& generic_labels);
    void assign_entity_directory(Entity& entity, const std::string& word);

    // E, F
    void block_diagram(Architecture& architecture);
    std::unique_ptr<Net> net_record(int position);
    void bus_entry(Net& net);
    void process_record(Architecture& architecture, BlockDiagram& diagram);
    void hdl_file_section(HdlFile& file, const Entity& entity, const Architecture* architecture,
                          const Process* process);

    // G
    void state_diagram(StateMachine& machine);
    void machine_option_lines(StateMachine& machine, int& comment_lines, int& declaration_lines);
    // Labels by name (the first of a name) for resolving usages.
    struct LabelTable {
        std::vector<std::unique_ptr<Label>>* labels = nullptr;
        std::unordered_map<std::string, Label*> by_name;
    };
    struct MachineTables {
        LabelTable actions;
        LabelTable conditions;
        std::unordered_map<int, State*> states; // the first state of a number
    };
    void label_records(std::vector<std::unique_ptr<Label>>& labels, int count, LabelTable& table);
    std::unique_ptr<State> state_record(MachineTables& tables);
    void transition_record(StateMachine& machine, MachineTables& tables);
    void label_usage(LabelUsage& usage, LabelTable& table, LabelKind kind);
    Label* named_label(LabelTable& table, const std::string& name);
    State* state_by_number(MachineTables& tables, int number);

    // H
    void component_record(Architecture& architecture);
    // An entity the component records name, with its architectures' names in
    // `architecture_names_` and its generics and ports in `generic_pointers_` and
    // `port_pointers_`: the entity objects of a large design lie all over the heap, and visiting
    // them for every component costs more than reading the record.
    struct IndexedEntity {
        Entity* entity = nullptr;
        std::uint32_t first_architecture = 0;
        std::uint32_t architectures = 0;
        std::uint32_t first_generic = 0;
        std::uint32_t generics = 0;
        std::uint32_t first_port = 0;
        std::uint32_t ports = 0;
    };
    const IndexedEntity* instantiated_entity(const std::string& name);
    void index_entities(Design& design, FlatNameIndex& by_name);
    void index_entity(Entity& entity, FlatNameIndex& by_name);
    Architecture* architecture_of(const IndexedEntity& entity, const std::string& name);
    Entity* library_module_entity(const std::string& name, const std::string& path, int generics,
                                  int ports, const std::string& library);

    DesignTextReader& in_;
    int index_;
    ReadMode mode_;
    const ReadHooks& hooks_;
    Design& target_;
    Design* outer_ = nullptr;
    bool reset_colours_ = false;
    // Block diagrams in reading order with the number of components announced for each.
    std::vector<std::pair<Architecture*, int>> pending_components_;
    // Lookups of the component records, first match first as in a scan of the lists.
    bool indexed_ = false;
    std::vector<IndexedEntity> indexed_entities_;
    FlatNameIndex entities_;
    FlatNameIndex outer_entities_;
    std::vector<std::pair<std::string, Architecture*>> architecture_names_;
    std::vector<Generic*> generic_pointers_;
    std::vector<Port*> port_pointers_;
    std::map<std::pair<std::string, std::string>, Entity*> library_modules_;
    std::unordered_map<const Entity*, std::unordered_map<std::string, Architecture*>>
        architectures_;
};

} // namespace zeph
