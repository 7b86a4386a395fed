// The macro file: header with the macro information, the entity count, root name and time
// stamp, the list of entity names, then their entity blocks and component records.
#include "design/macro_file.h"

#include "design/design_constructors.h"
#include "design/design_reader.h"
#include "design/design_writer.h"
#include "design/file_text.h"
#include "design/name_limits.h"
#include "foundation/strings.h"

namespace zeph {

namespace {
int read_header(DesignTextReader& in, MacroHeader& header, int& index, bool& reset_colours) {
    if (in.at_end()) return kReadNotDesignFile;
    int version = check_file_version(in.rest_of_line(), FilePurpose::Macro, &index);
    if (version != 0) return version;
    try {
        header.information = in.line_string(kMaxMacroInformation);
        int count = in.count();
        header.root_name = in.word(kMaxHdlName);
        reset_colours = tag_resets_colours(in.counted(kMaxTextLine));
        header.entity_names.clear();
        for (int i = 0; i < count; ++i)
            header.entity_names.push_back(in.line_string(kMaxHdlName));
    } catch (const ReadFailure& failure) {
        return failure.line;
    }
    return 0;
}

const std::string* existing_name(const Design& design, const MacroHeader& header) {
    for (const std::string& name : header.entity_names)
        if (find_entity(design, name) != nullptr) return &name;
    return nullptr;
}
} // namespace

std::string macro_file_text(std::string_view information, const Entity& root,
                            const std::vector<const Entity*>& entities) {
    DesignTextWriter out;
    write_version_line(out);
    out.line_string(bounded_view(information, kMaxMacroInformation));
    out.format("%zu %s ", entities.size(), word_text(root.name));
    out.counted(platform_tag_line(kPlatformTagWritten), kMaxTextLine);
    for (const Entity* entity : entities)
        out.line_string(entity->name);
    DesignWriter writer(out);
    for (const Entity* entity : entities)
        writer.entity_block(*entity);
    for (const Entity* entity : entities)
        writer.component_records(*entity);
    return out.take();
}

int write_macro_file(const std::string& path, std::string_view information, const Entity& root,
                     const std::vector<const Entity*>& entities) {
    return save_text_file(path, macro_file_text(information, root, entities));
}

int read_macro_header(std::string_view text, MacroHeader& header) {
    DesignTextReader in(text);
    int index = 0;
    bool reset_colours = false;
    return read_header(in, header, index, reset_colours);
}

int read_macro_text(ui::Platform& platform, std::string_view text, Design& design, MacroLoad& load,
                    const ReadHooks& hooks) {
    DesignTextReader in(text);
    int index = 0;
    bool reset_colours = false;
    load = MacroLoad{};
    int code = read_header(in, load.header, index, reset_colours);
    if (code != 0) return code;
    if (const std::string* name = existing_name(design, load.header)) {
        platform.status(format_text("Entity '%s' already exists. Loading aborted.", name->c_str()),
                        true);
        return kReadNameConflict;
    }
    Design scratch;
    scratch.entity_directory_counter = design.entity_directory_counter;
    try {
        DesignReader reader(in, index, ReadMode::Macro, hooks, scratch);
        reader.set_outer_design(&design);
        reader.set_reset_colours(reset_colours);
        for (const std::string& name : load.header.entity_names) {
            int line = in.line();
            Entity& entity = add_entity(scratch, reader.entity_block(nullptr, 0));
            if (entity.name != name) throw ReadFailure{line};
        }
        reader.component_section();
    } catch (const ReadFailure& failure) {
        return failure.line;
    }
    design.entity_directory_counter = scratch.entity_directory_counter;
    for (auto& entity : scratch.entities) {
        load.entities.push_back(entity.get());
        design.entities.push_back(std::move(entity));
    }
    sort_entities(design);
    return 0;
}

int read_macro_file(ui::Platform& platform, const std::string& path, Design& design,
                    MacroLoad& load, const ReadHooks& hooks) {
    std::string text;
    if (!load_text_file(path, text)) return kReadCannotOpen;
    return read_macro_text(platform, text, design, load, hooks);
}

} // namespace zeph
