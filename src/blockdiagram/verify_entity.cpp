// The checks of the top-level diagram and of entities: names of diagram ports and generics,
// generic types and default values, and the name checks of their architectures.
#include "blockdiagram/connect_by_name.h"
#include "blockdiagram/port_geometry.h"
#include "blockdiagram/verify_context.h"

#include "design/block_diagram.h"
#include "design/project_paths.h"
#include "design/status_flags.h"
#include "foundation/kind_vocabulary.h"
#include "hdl/identifier_rules.h"

#include <sys/stat.h>

namespace zeph {

namespace {

void top_level_error(VerifyRun& run, Architecture& top, int kind, int count) {
    run.say(2, kind, count, 0, {}, {}, {}, top.entity, &top);
}

bool is_file(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// Names stored with "\" separators are read on this host with "/".
std::string host_path(std::string name) {
    for (char& c : name)
        if (c == '\\') c = '/';
    return name;
}

std::string hdl_file_path(const VerifyRun& run, const Entity& entity,
                          const Architecture& architecture, const std::string& name) {
    std::string file = host_path(name);
    if (!file.empty() && file.front() == '/') return file;
    std::string directory =
        join_path(join_path(kWorkDirectory, entity.directory), architecture.directory);
    return join_path(join_path(run.options.project_directory, directory), file);
}

void check_duplicate_ports(VerifyRun& run, Entity& entity) {
    auto& ports = entity.ports;
    for (std::size_t i = 0; i < ports.size(); ++i)
        for (std::size_t j = i + 1; j < ports.size(); ++j)
            if (names_equal(ports[i]->name, ports[j]->name, run.rules.rules)) {
                run.say(48, kKindDiagramPort, 0, 0, ports[i]->name, {}, {}, &entity);
                break;
            }
}

void check_generic_names(VerifyRun& run, Entity& entity) {
    auto& generics = entity.generics;
    for (std::size_t i = 0; i < generics.size(); ++i) {
        const std::string& name = generics[i]->name;
        check_name(run, name, kKindDiagramGeneric, &entity);
        for (std::size_t j = i + 1; j < generics.size(); ++j)
            if (names_equal(name, generics[j]->name, run.rules.rules)) {
                run.say(48, kKindDiagramGeneric, 0, 0, name, {}, {}, &entity);
                break;
            }
        for (auto& port : entity.ports)
            if (names_equal(name, port->name, run.rules.rules)) {
                run.say(5, kKindDiagramGeneric, kKindDiagramPort, 0, name, {}, {}, &entity);
                break;
            }
    }
}

} // namespace

bool check_name(VerifyRun& run, const std::string& name, int kind, Entity* entity,
                Architecture* architecture, Process* process) {
    int code = check_identifier(name, kHdlNameLimit, run.rules.rules);
    if (code == 0) return true;
    run.say(code, kind, 0, 0, name, {}, {}, entity, architecture, process);
    return false;
}

void check_top_level(VerifyRun& run, Architecture& top) {
    BlockDiagram* diagram = top.block_diagram.get();
    if (diagram == nullptr) return;
    Entity& entity = *top.entity;
    if (diagram->components.size() != 1) run.say(1, 0, 0, 0, {}, {}, {}, &entity, &top);
    if (!diagram->processes.empty()) top_level_error(run, top, kKindProcess, 2);
    if (!entity.generics.empty())
        top_level_error(run, top, kKindDiagramGeneric, static_cast<int>(entity.generics.size()));
    if (!entity.ports.empty())
        top_level_error(run, top, kKindDiagramPort, static_cast<int>(entity.ports.size()));
    if (!diagram->nets.empty())
        top_level_error(run, top, kKindNet, static_cast<int>(diagram->nets.size()));
    int tagged = 0;
    for (const PlacedPort& port : placed_ports(top))
        if (tag_of(port).mode != kConnectNone) ++tagged;
    if (tagged > 0) top_level_error(run, top, kKindConnectByName, tagged);
}

void check_entity(VerifyRun& run, Entity& entity, bool architectures) {
    for (auto& port : entity.ports)
        check_name(run, port->name, kKindDiagramPort, &entity);
    check_duplicate_ports(run, entity);
    check_name(run, entity.name, kKindEntity, &entity);
    check_generic_names(run, entity);
    check_generic_defaults(run, entity);
    entity.status |= kStatusPhase1;
    if (!architectures || entity.external) return;
    for (auto& architecture : entity.architectures) {
        if (run.mode == VerifyMode::Architecture &&
            architecture.get() != run.design.current_architecture)
            continue;
        check_architecture_names(run, entity, *architecture);
    }
}

void check_generic_defaults(VerifyRun& run, Entity& entity) {
    for (auto& generic : entity.generics) {
        if (!generic_type_valid(run, *generic)) {
            run.say(50, 7, kKindDiagramGeneric, 0, generic_type_text(*generic), generic->name, {},
                    &entity);
            continue;
        }
        const std::string& value = generic->default_value;
        if (value.empty()) {
            run.say(50, 0, kKindDiagramGeneric, 0, {}, generic->name, {}, &entity);
        } else if (!generic_value_legal(run, value, generic->type)) {
            if (entity.external)
                run.say(111, 0, kKindDiagramGeneric, 0, value, generic->name, {}, &entity);
            else
                run.say(50, 0, kKindDiagramGeneric, 0, value, generic->name, {}, &entity);
        }
    }
}

void check_architecture_names(VerifyRun& run, Entity& entity, Architecture& architecture) {
    check_name(run, architecture.name, kKindArchitecture, &entity, &architecture);
    switch (architecture.kind) {
    case kArchitectureBlockDiagram:
        check_diagram_names(run, entity, architecture);
        break;
    case kArchitectureHdlFile:
        check_hdl_file(run, entity, architecture, nullptr, architecture.hdl_file.get());
        break;
    case kArchitectureStateDiagram:
        if (run.options.hooks.state_machine_names) {
            run.report.set_context(&entity, &architecture, nullptr);
            run.options.hooks.state_machine_names(run.report, entity, architecture, nullptr);
        }
        break;
    default:
        break;
    }
    architecture.status |= kStatusPhase1;
}

// Only the VHDL file is looked for: the Verilog file is optional while the design is
// written in VHDL.
void check_hdl_file(VerifyRun& run, Entity& entity, Architecture& architecture, Process* process,
                    const HdlFile* file) {
    if (run.verilog()) return;
    const std::string name = file != nullptr ? file->vhdl_file : std::string();
    if (name.empty()) {
        run.say(102, 0, 0, 1, {}, {}, {}, &entity, &architecture, process);
        return;
    }
    // Without a project directory (an untitled design) only a fixed path can be looked for.
    std::string path = hdl_file_path(run, entity, architecture, name);
    bool fixed = !host_path(name).empty() && host_path(name).front() == '/';
    if (run.options.project_directory.empty() && !fixed) return;
    if (!is_file(path)) run.say(102, 0, 0, 1, name, {}, {}, &entity, &architecture, process);
}

} // namespace zeph
