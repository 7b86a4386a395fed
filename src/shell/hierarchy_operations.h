// The session's operations on the design's hierarchy, shared by the shell's commands, the main
// window's menu items and the hierarchy browser: binding and deleting architectures, the
// design list, purge, library modules, macros, going to a node of the hierarchy and to a
// testbench. Each asks what it needs through the platform and keeps the session in step (the
// editor lets go of what may be gone, the project counts the change).
#pragma once

#include "blockdiagram/edit_outcome.h"
#include "blockdiagram/hierarchy_tree.h"
#include "blockdiagram/library_modules.h"
#include "design/design.h"
#include "design/geometry.h"

#include <optional>
#include <string>

namespace zeph {

class DiagramEditor;
class Session;

inline constexpr const char* kProjectFileFilter = "Design Projects *.vdp";
inline constexpr const char* kMacroFileFilter = "Macro Projects *.vmp";
inline constexpr const char* kHierarchyTitle = "Design Hierarchy";

// The hierarchy changed beyond one diagram.
void hierarchy_changed(Session& session);
LibraryHooks library_hooks(Session& session);
// The directory of the "Macros" setting, else the start directory.
std::string macros_directory(Session& session);

// A path given, else one chosen in a file dialog opened in `start`; as a full path. nullopt
// when cancelled or refused.
std::optional<std::string> chosen_path(Session& session, const std::optional<std::string>& given,
                                       const char* title, const char* filter,
                                       const std::string& start, bool saving);

Outcome bind_in_hierarchy(Session& session, Component& component, Architecture& architecture);
Outcome delete_in_hierarchy(Session& session, Entity& entity, Architecture& architecture);

// The Configurations dialog's actions on OK.
enum class ConfigurationAction { None, SaveBindings, SetBindings };
inline constexpr const char* kConfigurationActions[] = {"None", "Save bindings to selected config.",
                                                        "Set bindings by selected config."};

// The dialog's OK: the configuration becomes the current one and the action runs (setting the
// bindings reports into the report window "Set Bindings").
void make_configuration_current(Session& session, Configuration& configuration,
                                ConfigurationAction action);

// The report "Design List".
void report_design_list(Session& session);
// The hierarchy tree as the report "Design Hierarchy".
void report_hierarchy(Session& session);
Outcome purge_design(Session& session);

// Cancelled when no project was chosen.
Outcome load_library(Session& session, const std::optional<std::string>& path);
Outcome save_component_macro(Session& session, Design& design, const Component& component,
                             const std::optional<std::string>& path,
                             const std::optional<std::string>& information);
Outcome load_macro_at(Session& session, DiagramEditor& editor, Point at,
                      const std::optional<std::string>& path,
                      const std::optional<std::string>& name);

// A double-click on a node of the tree: an architecture's or a process's diagram becomes the
// current one (an HDL file opens in the editor), a component goes down as Level > Down does, an
// entity to its first architecture. Library modules and external entities are refused as on
// Level > Down. False when refused.
bool go_to_node(Session& session, const HierarchyNode& node);

// "Go to Testbench": opens the testbench's file in the editor; false when it is not offered
// (testbench_reachable).
bool go_to_testbench(Session& session, Entity& entity);

} // namespace zeph
