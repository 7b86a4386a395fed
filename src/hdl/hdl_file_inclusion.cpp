// Inclusion of HDL files into the netlist.
#include "hdl/hdl_file_inclusion.h"

#include "design/architecture.h"
#include "design/process.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "foundation/system_message.h"
#include "hdl/copy_region.h"
#include "hdl/hdl_context.h"
#include "hdl/hdl_file_place.h"
#include "hdl/hdl_file_scan.h"
#include "hdl/netlist_text.h"

namespace zeph {

bool include_hdl_file(ui::Platform& platform, std::ostream& out, const std::filesystem::path& path,
                      int language) {
    std::string bytes;
    if (!read_hdl_file(path, bytes)) {
        system_message(platform, 4, 0, path.string().c_str());
        return false;
    }
    MetaCommentScan meta = scan_meta_comment(bytes, language);
    if (!meta.error.empty()) {
        show_hdl_file_problem(platform, format_text("File scan error for file '%s' : %s",
                                                    path.string().c_str(), meta.error.c_str()));
        return false;
    }
    return copy_region(platform, bytes, out, meta.user_start(), bytes.size());
}

void write_hdl_file_text(std::ostream& out, const HdlContext& context, const Entity& entity,
                         const Architecture& architecture, const Process* process) {
    const int language = context.language;
    const HdlFile* file = hdl_file_of(architecture, process);
    int kind = process != nullptr ? kKindProcess : kKindArchitecture;
    const char* name = process != nullptr ? process->name.c_str() : architecture.name.c_str();
    std::filesystem::path path;
    if (file != nullptr) path = hdl_file_path(context.place, entity, architecture, *file, language);
    if (path.empty()) {
        write_separator(out, language);
        out << format_text("%sNo %s file specified for %s '%s'.\n", comment_prefix(language),
                           hdl_language_word(language), context.kind_word(kind).c_str(), name);
        write_separator(out, language);
        return;
    }
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        write_separator(out, language);
        out << format_text("%s%s file for %s '%s' not found in file system.\n",
                           comment_prefix(language), hdl_language_word(language),
                           context.kind_word(kind, kKindCapital).c_str(), name);
        write_separator(out, language);
        return;
    }
    include_hdl_file(context.platform, out, path, language);
}

} // namespace zeph
