// What the phases of one verification run share: the design, the options, the report, the
// name rules, the bits of every bus, and the attachments of the diagram being connected.
#pragma once

#include "blockdiagram/attach_ports.h"
#include "blockdiagram/net_rules.h"
#include "blockdiagram/verify_run.h"
#include "design/block_diagram.h"
#include "design/design.h"
#include "design/report.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <utility>

namespace zeph {

// The widest bus that verification analyses bit by bit.
inline constexpr long long kMaxBusWidth = 65536;

// The lowest and highest bit of a bus whose range the value checks computed.
struct BusBits {
    int low = 0;
    int high = 0;
    int width() const { return high - low + 1; }
};

struct VerifyRun {
    VerifyRun(Design& d, const VerifyOptions& o, Report& r, VerifyMode m);

    Design& design;
    const VerifyOptions& options;
    Report& report;
    VerifyMode mode;
    NetRules rules;
    std::unordered_map<const Net*, BusBits> bus_bits;
    // The index (first = second) or the slice's left and right value of each bus entry whose
    // values the value checks computed.
    std::unordered_map<const BusEntry*, std::pair<int, int>> entry_bits;
    // The signal names of process ports before this run reset them.
    std::unordered_map<const Port*, std::string> earlier_signal_names;

    // Sets the report position and writes one finding against the given objects.
    void say(int number, int i1, int i2, int i3, const std::string& s1, const std::string& s2,
             const std::string& s3, Entity* entity, Architecture* architecture = nullptr,
             Process* process = nullptr);
    bool verilog() const { return design.target_language == 2; }
    bool is_top_level(const Architecture& architecture) const;
};

bool has_error(unsigned status);
std::string position_text(Point p);
// Identifier legality of a name (messages 40 to 47); false when it failed.
bool check_name(VerifyRun& run, const std::string& name, int kind, Entity* entity,
                Architecture* architecture = nullptr, Process* process = nullptr);
// A value of a generic type (1 to 8) is legal for it; Verilog generics are integers.
// A value naming a generic of `scope` (the diagram around a component) is taken as legal.
bool generic_value_legal(const VerifyRun& run, const std::string& value, int type,
                         const Entity* scope = nullptr);
bool generic_type_valid(const VerifyRun& run, const Generic& generic);
std::string generic_type_text(const Generic& generic);

// Top-level checks of the design's top block diagram.
void check_top_level(VerifyRun& run, Architecture& architecture);
// Entity checks; with `architectures` also the name checks of each architecture (in mode 2
// only of the current one).
void check_entity(VerifyRun& run, Entity& entity, bool architectures);
void check_architecture_names(VerifyRun& run, Entity& entity, Architecture& architecture);
void check_hdl_file(VerifyRun& run, Entity& entity, Architecture& architecture, Process* process,
                    const HdlFile* file);
// Block diagram name checks (with the component generic values).
void check_diagram_names(VerifyRun& run, Entity& entity, Architecture& architecture);
void check_component_generics(VerifyRun& run, Entity& entity, Architecture& architecture);
void check_process_names(VerifyRun& run, Entity& entity, Architecture& architecture,
                         Process& process);
// Value checks of an entity; with `diagrams` also those of its block diagrams.
void check_entity_values(VerifyRun& run, Entity& entity, bool diagrams);
void check_diagram_port_values(VerifyRun& run, Entity& entity);
void check_generic_defaults(VerifyRun& run, Entity& entity);
void check_component_port_ranges(VerifyRun& run, Entity& entity, Architecture& architecture);
// Process ports lose their signal names until the analysis gives them again; the names they
// had are kept in the run, so that a process whose signals changed is noticed.
void reset_process_ports(VerifyRun& run, Architecture& architecture);
void check_net_values(VerifyRun& run, Entity& entity, Architecture& architecture);
// The width of a range in the context of a component's generics (null: of the diagram).
std::optional<int> evaluated_width(VerifyRun& run, Architecture& architecture, const Range& range,
                                   const Component* owner);
// Connection checks of a block diagram: false when they found an error.
bool check_connections(VerifyRun& run, Entity& entity, Architecture& architecture,
                       Attachments& attachments);
// Connection analysis: propagation, classification, process signals and process checks.
void analyse_connections(VerifyRun& run, Entity& entity, Architecture& architecture,
                         Attachments& attachments);
void assign_process_signals(VerifyRun& run, Architecture& architecture,
                            const Attachments& attachments);
// The clock, reset and state register signals of the state-diagram processes (not in mode 2).
void give_machines_their_signals(VerifyRun& run, Entity& entity, Architecture& architecture);
void check_own_architecture(VerifyRun& run, Entity& entity, Architecture& architecture,
                            Process& process);
// Without the state machine checks no HDL can be written for a state diagram: an error, so
// that generation never writes it as an empty body.
void report_state_diagram_unsupported(VerifyRun& run, Entity& entity, Architecture& architecture,
                                      Process* process);
// Status bit 64 over the whole design.
void mark_verified_down(Design& design);

} // namespace zeph
