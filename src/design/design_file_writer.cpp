// Writing the design file: header, design header, entity blocks, component records and the
// language trailer.
#include "design/design_file.h"
#include "design/design_writer.h"
#include "design/file_text.h"
#include "design/name_limits.h"
#include "foundation/clock.h"

#include <algorithm>
#include <vector>

namespace zeph {

namespace {
constexpr const char* kVersionText = "ZEPH/HDL Version 3.0";
constexpr int kRevision = 6;

void design_header(DesignTextWriter& out, const Design& design) {
    out.raw(platform_tag_line(kPlatformTagWritten));
    out.line_string(bounded_view(design.designer, kMaxComment));
    out.line_string(bounded_view(design.company, kMaxComment));
    long blocks = std::count_if(design.entities.begin(), design.entities.end(),
                                [](const auto& e) { return !e->is_library_module(); });
    std::vector<PackageSpec*> libraries = design.library_entries.entries();
    out.format("%ld %zu\n", -blocks, libraries.size());
    const Configuration* current = design.current_configuration;
    out.format("%d %s 0 %d %d 0\n", design.entity_directory_counter,
               current != nullptr ? word_text(current->name) : "@", design.target_language,
               design.language_checking);
    for (const PackageSpec* spec : libraries) {
        out.format("%s %s %s %d %d %d 0 ", spec->library[0] ? spec->library : "@",
                   spec->package[0] ? spec->package : "@", spec->suffix[0] ? spec->suffix : "@",
                   spec->reserved, spec->global, spec->number);
        out.counted(spec->file_name, kMaxFileName);
        out.raw("\n");
    }
}

const char* tool_name(int tool) {
    return tool >= 0 && tool < kSynthesisToolCount ? synthesis_tool_name(tool)
                                                   : synthesis_tool_name(0);
}

void language_trailer(DesignTextWriter& out, const Design& design) {
    out.format("VHDL @ %s @ %s %d 0\n", word_text(design.vhdl_signal_type),
               word_text(design.vhdl_vector_type), design.inline_synthesis_attributes ? 1 : 0);
    out.format("%s %d %d 0 0 0\n", tool_name(design.synthesis_tool), design.vhdl93 ? 1 : 0,
               design.keyword_case);
    out.raw("Header ");
    out.raw(bounded_view(design.vhdl_header_file, kMaxFileName));
    out.raw("\nVERILOG 0 0 0 0 0 0\nHeader ");
    out.raw(bounded_view(design.verilog_header_file, kMaxFileName));
    out.raw("\n");
}
} // namespace

void write_version_line(DesignTextWriter& out) {
    out.format("%s %3d\n", kVersionText, kRevision);
}

std::string platform_tag_line(const char* tag) {
    return date_time_now() + " (" + tag + ")\n";
}

namespace {
void write_design(DesignTextWriter& out, const Design& design) {
    write_version_line(out);
    out.line_string(bounded_view(design.design_information, kMaxComment));
    design_header(out, design);
    DesignWriter writer(out);
    // Entities are written sorted by name, as reading leaves the list: entities added since
    // the design was read stand at the end of the list until then.
    std::vector<const Entity*> entities;
    for (const auto& entity : design.entities)
        if (!entity->is_library_module()) entities.push_back(entity.get());
    std::stable_sort(entities.begin(), entities.end(),
                     [](const Entity* a, const Entity* b) { return a->name < b->name; });
    for (const Entity* entity : entities)
        writer.entity_block(*entity);
    for (const Entity* entity : entities)
        writer.component_records(*entity);
    language_trailer(out, design);
}
} // namespace

std::string design_file_text(const Design& design) {
    DesignTextWriter out;
    write_design(out, design);
    return out.take();
}

// Written in pieces as the text is made: a large design never stands in memory as one text.
int write_design_file(std::FILE* file, const Design& design) {
    DesignTextWriter out(file);
    write_design(out, design);
    if (!out.finish()) return kWriteFailed;
    if (std::fflush(file) != 0 || std::ferror(file) != 0) return kWriteFailed;
    return 0;
}

int write_design_file(const std::string& path, const Design& design) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return kWriteCannotOpen;
    int result = write_design_file(file, design);
    if (std::fclose(file) != 0 && result == 0) result = kWriteFailed;
    return result;
}

} // namespace zeph
