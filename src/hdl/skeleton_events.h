// What keeps HDL files current from the outside: the events that clear skeleton-current bits
// (a change of the design setup clears all of them, see hdl_file_marks.h), the refresh that
// verification runs with its note 157 or error 34, and the preparation of a file for the
// editor.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace zeph {

struct Architecture;
struct Entity;
struct HdlContext;
struct Process;
class Report;

// An entity got a new name: the bits of its HDL files are cleared and each existing file of
// its HDL-file architectures is refreshed at once, its start line searched by the old name.
// False when a refresh failed (it has been shown).
bool skeletons_after_entity_rename(const HdlContext& context, Entity& entity,
                                   const std::string& old_name);
// Generics or ports of an entity changed: its HDL files and its testbench's copy them.
void skeletons_after_interface_change(Entity& entity);
// An architecture got a new name: its start and end lines and its processes' titles name it.
void skeletons_after_architecture_rename(Architecture& architecture);
// A process got a new name, new ports or new sensitivity settings.
void skeletons_after_process_change(Process& process);

// Verification: every HDL file of the architecture (its own, or those of its HDL-file
// processes) named for the language, existing and not current is refreshed; success is note
// 157, failure error 34, both with the language and the path.
void refresh_skeletons_for_verification(const HdlContext& context, Report& report, Entity& entity,
                                        Architecture& architecture);
void refresh_process_skeleton_for_verification(const HdlContext& context, Report& report,
                                               Entity& entity, Architecture& architecture,
                                               Process& process);

// Before the editor (the "Editor" setting) opens an HDL file: the file of the language with
// its skeleton current (created after "Generate skeleton?" when missing). nullopt, and the
// editor is not to be started, when no editor is set ("No editor specified." is shown), no
// file is named for the language (said in the status line), or ensure_skeleton failed.
std::optional<std::filesystem::path>
prepare_hdl_file_for_editor(const HdlContext& context, const std::string& editor, Entity& entity,
                            Architecture& architecture, Process* process);

} // namespace zeph
