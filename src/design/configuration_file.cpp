// The configuration file: header, time stamp, the current configuration's name and one
// record per configuration with its bindings.
#include "design/configuration_file.h"

#include "design/design_file.h"
#include "design/design_text_reader.h"
#include "design/design_writer.h"
#include "design/file_text.h"
#include "design/name_limits.h"

#include <memory>

namespace zeph {

namespace {
// The configuration file has always carried this tag; it holds no colours.
constexpr const char* kConfigurationTag = "PC";
} // namespace

std::string configuration_file_text(const Design& design) {
    DesignTextWriter out;
    write_version_line(out);
    out.line_string("");
    out.raw(platform_tag_line(kConfigurationTag));
    const Configuration* current = design.current_configuration;
    out.format("%zu %s 0 0 0 0\n", design.configurations.size(),
               current != nullptr ? word_text(current->name) : "@");
    for (const auto& configuration : design.configurations) {
        out.format("Conf: %s %zu 0 0 0 0 0\n", word_text(configuration->name),
                   configuration->bindings.size());
        out.line_string(bounded_view(configuration->description, kMaxComment));
        for (const Binding& b : configuration->bindings)
            out.format("%s %s %s %s %s 0 0 0\n", word_text(b.entity), word_text(b.architecture),
                       word_text(b.component), word_text(b.bound_entity),
                       word_text(b.bound_architecture));
    }
    return out.take();
}

int write_configuration_file(const std::string& path, const Design& design) {
    return save_text_file(path, configuration_file_text(design));
}

int read_configuration_text(std::string_view text, Design& design) {
    DesignTextReader in(text);
    if (in.at_end()) return kReadNotDesignFile;
    int version = check_file_version(in.rest_of_line(), FilePurpose::Configuration);
    if (version != 0) return version;
    std::vector<std::unique_ptr<Configuration>> read;
    std::string current_name;
    try {
        in.line_string(kMaxTextLine);
        in.rest_of_line(); // time stamp
        int count = in.count();
        current_name = in.word(kMaxHdlName);
        in.end_line();
        for (int i = 0; i < count; ++i) {
            auto configuration = std::make_unique<Configuration>();
            in.expect("Conf:");
            configuration->name = in.word(kMaxHdlName);
            int bindings = in.count();
            in.end_line();
            configuration->description = in.line_string(kMaxComment);
            for (int j = 0; j < bindings; ++j) {
                Binding b;
                for (std::string* name : {&b.entity, &b.architecture, &b.component, &b.bound_entity,
                                          &b.bound_architecture})
                    *name = in.word(kMaxHdlName);
                in.end_line();
                configuration->bindings.push_back(std::move(b));
            }
            read.push_back(std::move(configuration));
        }
    } catch (const ReadFailure& failure) {
        return failure.line;
    }
    design.configurations = std::move(read);
    design.current_configuration = nullptr;
    for (const auto& configuration : design.configurations)
        if (!current_name.empty() && configuration->name == current_name) {
            design.current_configuration = configuration.get();
            break;
        }
    return 0;
}

int read_configuration_file(const std::string& path, Design& design) {
    std::string text;
    if (!load_text_file(path, text)) return kReadCannotOpen;
    return read_configuration_text(text, design);
}

} // namespace zeph
