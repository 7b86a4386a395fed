// Creation and refresh of HDL-file skeletons.
#include "hdl/skeleton.h"

#include "design/design.h"
#include "design/process.h"
#include "foundation/strings.h"
#include "foundation/system_message.h"
#include "hdl/copy_region.h"
#include "hdl/hdl_context.h"
#include "hdl/hdl_file_place.h"
#include "hdl/hdl_file_scan.h"
#include "hdl/meta_comment.h"
#include "hdl/process_heading.h"
#include "hdl/skeleton_body.h"
#include "hdl/vhdl_entity.h"
#include "hdl/vhdl_keywords.h"

#include <fstream>
#include <sstream>

namespace zeph {

namespace {
namespace fs = std::filesystem;

struct Owner {
    Entity& entity;
    Architecture& architecture;
    Process* process;
};

void report_scan_error(ui::Platform& platform, const fs::path& path, const std::string& error) {
    show_hdl_file_problem(platform, format_text("File scan error for file '%s' : %s",
                                                path.string().c_str(), error.c_str()));
}

// The old system lines of a scan replaced by new ones, the user's regions copied between.
bool write_replaced(ui::Platform& platform, std::ostream& out, std::string_view bytes,
                    const RegionScan& scan, const std::string& start_lines,
                    const std::string& end_line) {
    if (!copy_region(platform, bytes, out, scan.user_start, scan.heading_start)) return false;
    out << start_lines;
    if (!copy_region(platform, bytes, out, scan.heading_end, scan.end_start)) return false;
    out << end_line;
    return copy_region(platform, bytes, out, scan.end_end, scan.size);
}

// Everything after the meta comment, after the new one.
bool write_user_part(std::ostream& out, const HdlContext& context, const fs::path& path,
                     std::string_view bytes, const Owner& owner, const std::string* old_name) {
    const Entity& entity = owner.entity;
    const Architecture& architecture = owner.architecture;
    RegionScan scan;
    std::string start_lines, end_line;
    if (owner.process != nullptr) {
        scan = context.vhdl() ? scan_process(bytes) : scan_always(bytes);
        std::ostringstream heading, end;
        write_process_heading(heading, context, *owner.process);
        write_process_end(end, context, *owner.process);
        start_lines = heading.str();
        end_line = end.str();
    } else if (context.vhdl() && !is_vhdl_testbench(context, entity)) {
        scan = scan_architecture(bytes, old_name != nullptr ? *old_name : entity.name);
        start_lines = architecture_line(context, architecture.name, entity.name);
        end_line = end_architecture_line(context, architecture.name, entity.name);
    } else {
        MetaCommentScan meta = scan_meta_comment(bytes, context.language);
        if (!meta.error.empty()) {
            report_scan_error(context.platform, path, meta.error);
            return false;
        }
        return copy_region(context.platform, bytes, out, meta.user_start(), bytes.size());
    }
    if (!scan.ok()) {
        report_scan_error(context.platform, path, scan.error);
        return false;
    }
    return write_replaced(context.platform, out, bytes, scan, start_lines, end_line);
}

bool has_nameless_port(const Process& process) {
    for (const auto& port : process.ports)
        if (port->name.empty()) return true;
    return false;
}

void remove_quietly(const fs::path& path) {
    std::error_code error;
    fs::remove(path, error);
}

// The refreshed file replaces the old one in one rename, so that the user's file is never
// gone while the new one is not yet in place.
bool refresh_skeleton(const HdlContext& context, const fs::path& path, const Owner& owner,
                      const std::string* old_name) {
    fs::path temporary = refresh_file_path(context.place);
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) {
        system_message(context.platform, 4, 1, kRefreshFileName);
        return false;
    }
    std::string bytes;
    if (!read_hdl_file(path, bytes)) {
        out.close();
        remove_quietly(temporary);
        system_message(context.platform, 4, 0, path.string().c_str());
        return false;
    }
    write_meta_comment(out, context, owner.entity, owner.architecture, owner.process);
    bool written = write_user_part(out, context, path, bytes, owner, old_name);
    out.close();
    if (written && out.fail()) system_message(context.platform, 7, 0, temporary.string().c_str());
    if (!written || out.fail()) {
        remove_quietly(temporary);
        return false;
    }
    std::error_code error;
    fs::rename(temporary, path, error);
    if (error) {
        context.platform.message_box(program_name(),
                                     format_text("Cannot rename '%s' to '%s': %s.",
                                                 temporary.string().c_str(), path.string().c_str(),
                                                 error.message().c_str()));
        remove_quietly(temporary);
        return false;
    }
    return true;
}

bool create_skeleton(const HdlContext& context, const fs::path& path, const Owner& owner) {
    ui::Answer answer = context.platform.ask_yes_no_cancel(program_name(), "Generate skeleton?");
    if (answer == ui::Answer::Cancel) return false;
    std::error_code error;
    if (path.has_parent_path()) fs::create_directories(path.parent_path(), error);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        system_message(context.platform, 4, 1, path.string().c_str());
        return false;
    }
    if (answer == ui::Answer::Yes) {
        write_meta_comment(out, context, owner.entity, owner.architecture, owner.process);
        write_skeleton_body(out, context, owner.entity, owner.architecture, owner.process);
    }
    out.close();
    if (out.fail()) {
        system_message(context.platform, 7, 0, path.string().c_str());
        remove_quietly(path); // it held nothing of the user's yet
        return false;
    }
    return true;
}
} // namespace

bool ensure_skeleton(const HdlContext& context, const std::filesystem::path& path, Entity& entity,
                     const std::string* old_entity_name, Architecture& architecture,
                     Process* process) {
    HdlFile* file = hdl_file_of(architecture, process);
    if (file == nullptr || path.empty()) return false;
    const unsigned bit = skeleton_bit(context.language);
    Owner owner{entity, architecture, process};
    std::error_code error;
    bool done;
    if (!fs::exists(path, error))
        done = create_skeleton(context, path, owner);
    else if ((file->skeleton_current & bit) != 0)
        return true;
    else
        done = refresh_skeleton(context, path, owner, old_entity_name);
    // A process whose ports have no signals yet (verification gives them) was written with
    // "?" in its heading: the file is refreshed again once it has them.
    if (done && !(process != nullptr && has_nameless_port(*process))) file->skeleton_current |= bit;
    return done;
}

} // namespace zeph
