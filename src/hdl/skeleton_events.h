// What keeps HDL files current from the outside: the events that clear skeleton-current bits
// (the edits of hdl_file_marks.h; a rename of an entity also refreshes at once), the refresh that
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
