// The hierarchy operations of the session.
#include "shell/hierarchy_operations.h"

#include "blockdiagram/configurations.h"
#include "blockdiagram/design_list.h"
#include "blockdiagram/diagram_editor.h"
#include "blockdiagram/hierarchy_display.h"
#include "blockdiagram/macros.h"
#include "blockdiagram/purge.h"
#include "hdl/testbench.h"
#include "shell/level_navigation.h"
#include "shell/logical_directories.h"
#include "shell/session.h"

#include <filesystem>

namespace zeph {

namespace fs = std::filesystem;

void hierarchy_changed(Session& session) {
    DiagramEditor& editor = session.editor();
    if (editor.is_open() && &editor.design() == session.design()) editor.hierarchy_changed();
    session.mark_modified();
}

LibraryHooks library_hooks(Session& session) {
    LibraryHooks hooks;
    hooks.resolve_path = [&session](const std::string& path) {
        return resolve_path(path, session.settings(), nullptr);
    };
    return hooks;
}

std::string macros_directory(Session& session) {
    const std::string& configured = session.settings().environment.macros;
    if (configured.empty()) return session.start_directory();
    return resolve_path(configured, session.settings(), session.start_directory(), nullptr)
        .value_or(session.start_directory());
}

std::optional<std::string> chosen_path(Session& session, const std::optional<std::string>& given,
                                       const char* title, const char* filter,
                                       const std::string& start, bool saving) {
    std::optional<std::string> path = given;
    if (!path) {
        ui::FileDialog dialog{title, filter, start, ""};
        ui::Platform& platform = session.platform();
        path = saving ? platform.save_file(dialog) : platform.open_file(dialog);
        // A bare name chosen in the dialog lies in the directory the dialog showed.
        if (path && !start.empty() && !fs::path(*path).is_absolute())
            path = (fs::path(start) / *path).string();
    }
    if (!path) return std::nullopt;
    return session.full_path(*path);
}

Outcome bind_in_hierarchy(Session& session, Component& component, Architecture& architecture) {
    Design* design = session.design();
    if (design == nullptr) return Outcome::Refused;
    Outcome outcome = bind_architecture(*design, component, architecture);
    if (outcome == Outcome::Done) hierarchy_changed(session);
    return outcome;
}

Outcome delete_in_hierarchy(Session& session, Entity& entity, Architecture& architecture) {
    Design* design = session.design();
    if (design == nullptr) return Outcome::Refused;
    DiagramEditor& editor = session.editor();
    // The editor must not keep the diagram that goes (the current one moves to the top level).
    const bool shown = editor.is_open() && &editor.architecture() == &architecture;
    Outcome outcome = delete_architecture(session.platform(), *design, entity, architecture);
    if (outcome != Outcome::Done) return outcome;
    editor.forget_diagram({&architecture, nullptr});
    if (shown) editor.leave();
    hierarchy_changed(session);
    return outcome;
}

void make_configuration_current(Session& session, Configuration& configuration,
                                ConfigurationAction action) {
    Design& design = *session.design();
    design.current_configuration = &configuration;
    session.project().mark_configuration_changed();
    if (action == ConfigurationAction::SaveBindings) save_bindings(design, configuration);
    if (action == ConfigurationAction::SetBindings) {
        ui::Platform& platform = session.platform();
        platform.report_clear();
        platform.report_title("Set Bindings");
        if (set_bindings(platform, design, configuration, true) > 0) hierarchy_changed(session);
        platform.report_bring_up();
    }
    session.mark_modified();
}

void report_design_list(Session& session) {
    ui::Platform& platform = session.platform();
    platform.report_clear();
    platform.report_title(kDesignListTitle);
    for (const std::string& line : design_list(*session.design()))
        platform.report_append(line);
    platform.report_bring_up();
}

void report_hierarchy(Session& session) {
    ui::Platform& platform = session.platform();
    platform.report_clear();
    platform.report_title(kHierarchyTitle);
    for (const std::string& line : hierarchy_lines(hierarchy_tree(*session.design())))
        platform.report_append(line);
    platform.report_bring_up();
}

Outcome purge_design(Session& session) {
    Design* design = session.design();
    if (design == nullptr) return Outcome::Refused;
    // The histories may hold records that purge frees.
    DiagramEditor& editor = session.editor();
    Outcome outcome = purge(session.platform(), *design);
    if (outcome == Outcome::Done) {
        if (editor.is_open() && &editor.design() == design) editor.hierarchy_changed();
        session.mark_modified();
    }
    return outcome;
}

Outcome load_library(Session& session, const std::optional<std::string>& path) {
    Design* design = session.design();
    if (design == nullptr) return Outcome::Refused;
    std::optional<std::string> chosen =
        chosen_path(session, path, "Load Library Module", kProjectFileFilter,
                    session.project().designs_directory(), false);
    if (!chosen) return Outcome::Cancelled;
    Outcome outcome = load_library_module(session.platform(), *design, *chosen,
                                          session.project().path(), library_hooks(session));
    if (outcome == Outcome::Done) hierarchy_changed(session);
    return outcome;
}

Outcome save_component_macro(Session& session, Design& design, const Component& component,
                             const std::optional<std::string>& path,
                             const std::optional<std::string>& information) {
    std::optional<std::string> chosen =
        chosen_path(session, path, "Save Macro", kMacroFileFilter, macros_directory(session), true);
    if (!chosen) return Outcome::Cancelled;
    return save_macro(session.platform(), design, component, *chosen, information);
}

Outcome load_macro_at(Session& session, DiagramEditor& editor, Point at,
                      const std::optional<std::string>& path,
                      const std::optional<std::string>& name) {
    std::optional<std::string> chosen = chosen_path(session, path, "Load Macro", kMacroFileFilter,
                                                    macros_directory(session), false);
    if (!chosen) return Outcome::Cancelled;
    Outcome outcome = load_macro(editor, *chosen, at, name, library_hooks(session));
    if (outcome == Outcome::Done) {
        hierarchy_changed(session);
        session.project().autobackup();
    }
    return outcome;
}

bool go_to_node(Session& session, const HierarchyNode& node) {
    switch (node.kind) {
    case HierarchyNodeKind::Component:
        return node.component != nullptr && level_down_into(session, *node.component);
    case HierarchyNodeKind::Process:
        return level_down_into(session, {node.entity, node.architecture, nullptr}, *node.process);
    case HierarchyNodeKind::Entity:
    case HierarchyNodeKind::Architecture:
        break;
    }
    Entity* entity = node.entity;
    if (entity == nullptr || entity->architectures.empty() || level_refused(session, *entity))
        return false;
    Architecture* architecture =
        node.architecture != nullptr ? node.architecture : entity->architectures.front().get();
    make_current(session, {entity, architecture, nullptr});
    return true;
}

bool go_to_testbench(Session& session, Entity& entity) {
    Design* design = session.design();
    if (design == nullptr || !testbench_reachable(*design, entity)) return false;
    Entity& testbench = *entity.testbench;
    return open_hdl_file(session, testbench, *testbench.architectures.front(), nullptr);
}

} // namespace zeph
