// Events that make HDL-file skeletons out of date, and the refreshes run for verification and
// the editor.
#include "hdl/skeleton_events.h"

#include "design/block_diagram.h"
#include "design/entity.h"
#include "design/process.h"
#include "design/report.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "foundation/system_message.h"
#include "hdl/hdl_context.h"
#include "hdl/hdl_file_marks.h"
#include "hdl/hdl_file_place.h"
#include "hdl/skeleton.h"

namespace zeph {

namespace {
constexpr int kErrorAutomaticRefresh = 34;
constexpr int kNoteAutomaticRefresh = 157;

void refresh_for_verification(const HdlContext& context, Report& report, Entity& entity,
                              Architecture& architecture, Process* process) {
    HdlFile* file = hdl_file_of(architecture, process);
    if (file == nullptr || (file->skeleton_current & skeleton_bit(context.language)) != 0) return;
    std::filesystem::path path =
        hdl_file_path(context.place, entity, architecture, *file, context.language);
    std::error_code error;
    if (path.empty() || !std::filesystem::exists(path, error)) return;
    bool refreshed = ensure_skeleton(context, path, entity, nullptr, architecture, process);
    std::string shown = path.string();
    report.report(refreshed ? kNoteAutomaticRefresh : kErrorAutomaticRefresh, 0, 0,
                  context.language, shown.c_str(), nullptr, nullptr, &entity, &architecture,
                  process);
}
} // namespace

bool skeletons_after_entity_rename(const HdlContext& context, Entity& entity,
                                   const std::string& old_name) {
    mark_after_interface_change(entity);
    bool all_done = true;
    for (const auto& architecture : entity.architectures) {
        if (architecture->kind != kArchitectureHdlFile || !architecture->hdl_file) continue;
        std::filesystem::path path = hdl_file_path(context.place, entity, *architecture,
                                                   *architecture->hdl_file, context.language);
        std::error_code error;
        if (path.empty() || !std::filesystem::exists(path, error)) continue;
        all_done =
            ensure_skeleton(context, path, entity, &old_name, *architecture, nullptr) && all_done;
    }
    return all_done;
}

void refresh_skeletons_for_verification(const HdlContext& context, Report& report, Entity& entity,
                                        Architecture& architecture) {
    if (architecture.kind == kArchitectureHdlFile) {
        refresh_for_verification(context, report, entity, architecture, nullptr);
        return;
    }
    if (!architecture.block_diagram) return;
    for (const auto& process : architecture.block_diagram->processes)
        if (process->kind == kProcessHdlFile)
            refresh_for_verification(context, report, entity, architecture, process.get());
}

void refresh_process_skeleton_for_verification(const HdlContext& context, Report& report,
                                               Entity& entity, Architecture& architecture,
                                               Process& process) {
    if (process.kind == kProcessHdlFile)
        refresh_for_verification(context, report, entity, architecture, &process);
}

std::optional<std::filesystem::path>
prepare_hdl_file_for_editor(const HdlContext& context, const std::string& editor, Entity& entity,
                            Architecture& architecture, Process* process) {
    if (editor.empty()) {
        context.platform.message_box(program_name(), format_text("No %s specified.", "editor"));
        return std::nullopt;
    }
    HdlFile* file = hdl_file_of(architecture, process);
    if (file == nullptr) return std::nullopt;
    std::filesystem::path path =
        hdl_file_path(context.place, entity, architecture, *file, context.language);
    if (path.empty()) {
        // Nothing to open until the file is named (the architecture's or process's file).
        context.platform.status(
            format_text(
                "No %s file is named for %s '%s'.", context.verilog() ? "Verilog" : "VHDL",
                context.kind_word(process != nullptr ? kKindProcess : kKindArchitecture).c_str(),
                process != nullptr ? process->name.c_str() : architecture.name.c_str()),
            true);
        return std::nullopt;
    }
    if (!ensure_skeleton(context, path, entity, nullptr, architecture, process))
        return std::nullopt;
    return path;
}

} // namespace zeph
