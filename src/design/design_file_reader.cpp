// Reading the design file: header, design header, entity blocks, component records and the
// language trailer into a scratch design that replaces the target only when all of it read.
#include "design/design_constructors.h"
#include "design/design_defaults.h"
#include "design/design_file.h"
#include "design/design_reader.h"
#include "design/file_text.h"
#include "design/name_limits.h"
#include "foundation/cwmem.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace zeph {

namespace {
// Synthesis tool names as the settings read them, with their aliases.
// Unknown names read as the first tool, as in the settings file.
int synthesis_tool_number(const std::string& name) {
    return synthesis_tool_from_name(name).value_or(0);
}

std::string header_file_name(DesignTextReader& in) {
    in.expect("Header");
    in.skip_separator();
    return in.line_string(kMaxFileName);
}
} // namespace

DesignReader::DesignReader(DesignTextReader& in, int version_index, ReadMode mode,
                           const ReadHooks& hooks, Design& target)
    : in_(in), index_(version_index), mode_(mode), hooks_(hooks), target_(target) {}

// Files before index 8 stored coordinates divided by 8.
int DesignReader::coordinate() {
    long long value = in_.integer();
    if (index_ < 8) value *= 8;
    if (value > INT_MAX || value < INT_MIN) in_.fail();
    return static_cast<int>(value);
}

Point DesignReader::point() {
    Point p;
    p.x = coordinate();
    p.y = coordinate();
    return p;
}

LabelDisplay DesignReader::label(LabelKind kind) {
    const DesignDefaults& defaults = record_defaults();
    LabelDisplay label;
    label.anchor = point();
    long long size_field = in_.integer();
    label.alignment = in_.integer();
    label.colour = in_.integer();
    int lines = 0;
    if (size_field >= 0) {
        label.size = static_cast<int>(size_field);
        lines = in_.integer();
        label.options = defaults.label_format_of(kind);
        if (label.alignment == 1) label.alignment = kAlignCentred;
    } else {
        long long size = -size_field;
        label.size = size < 2 ? 0 : static_cast<int>(std::min<long long>(size, INT_MAX));
        label.options = static_cast<unsigned>(in_.integer());
        lines = in_.integer();
        if (label.options == 0) label.options = defaults.label_format_of(kind);
    }
    if (reset_colours_ || defaults.texts_in_foreground ||
        label.colour == defaults.background_colour)
        label.colour = defaults.foreground_colour;
    if (lines < 0) in_.fail();
    in_.skip_separator();
    label.text = lines > 0 ? in_.text_block(lines) : in_.line_string(kMaxValue);
    return label;
}

// Before index 5 a range direction was the order of two numeric bounds.
int DesignReader::old_direction(const Range& range) const {
    char* end = nullptr;
    long left = std::strtol(range.left.c_str(), &end, 10);
    if (range.left.empty() || *end != '\0') return kDirectionDownto;
    long right = std::strtol(range.right.c_str(), &end, 10);
    if (range.right.empty() || *end != '\0') return kDirectionDownto;
    return left < right ? kDirectionTo : kDirectionDownto;
}

int DesignReader::design_header() {
    bool keep = mode_ != ReadMode::Library;
    reset_colours_ = tag_resets_colours(in_.rest_of_line());
    std::string designer = in_.line_string(kMaxComment);
    std::string company = in_.line_string(kMaxComment);
    if (keep) {
        target_.designer = designer;
        target_.company = company;
    }
    int first = in_.integer();
    int libraries = in_.count();
    in_.end_line();
    int entities = first;
    if (first <= 0) {
        entities = -first;
        target_.entity_directory_counter = in_.integer();
        in_.raw_word(); // the current configuration: the configuration file decides
        target_.inline_synthesis_attributes = in_.integer() != 0;
        target_.target_language = in_.integer();
        target_.language_checking = in_.integer();
        if (target_.target_language == 0) target_.target_language = 1;
        if (target_.language_checking == 0) target_.language_checking = 1;
        in_.end_line();
    }
    std::vector<PackageSpec*> read;
    int highest = 0;
    try {
        for (int i = 0; i < libraries; ++i) {
            std::string library = in_.raw_word();
            if (library[0] == '@') in_.fail();
            std::string package = in_.word(kMaxHdlName);
            std::string suffix = in_.word(kMaxHdlName);
            PackageSpec* spec = new_package_spec();
            read.push_back(spec);
            set_package_field(spec->library, library);
            set_package_field(spec->package, package);
            set_package_field(spec->suffix, suffix);
            spec->reserved = in_.integer();
            spec->global = 1;
            if (index_ >= 9) {
                spec->global = in_.integer();
                spec->number = in_.integer();
                in_.integer();
                set_package_field(spec->file_name, in_.counted(kMaxFileName));
            }
            in_.end_line();
            highest = std::max(highest, spec->number);
        }
    } catch (const ReadFailure&) {
        for (PackageSpec* spec : read)
            cwmem_free(spec);
        throw;
    }
    if (!keep) {
        for (PackageSpec* spec : read)
            cwmem_free(spec);
        return entities;
    }
    target_.library_entries.set_next_identifier(std::max(1, highest + 1));
    for (PackageSpec* spec : read)
        target_.library_entries.append(spec);
    return entities;
}

void DesignReader::language_trailer() {
    in_.expect("VHDL");
    in_.raw_word();
    target_.vhdl_signal_type = in_.word(kMaxHdlName);
    in_.raw_word();
    std::string vector_type = in_.word(kMaxHdlName);
    target_.vhdl_vector_type = vector_type == "0" ? std::string() : vector_type;
    target_.inline_synthesis_attributes = in_.integer() != 0;
    in_.end_line();
    target_.synthesis_tool = synthesis_tool_number(in_.raw_word());
    target_.vhdl93 = in_.integer() != 0;
    target_.keyword_case = in_.integer();
    in_.end_line();
    if (index_ < 9) return;
    target_.vhdl_header_file = header_file_name(in_);
    in_.expect("VERILOG");
    in_.end_line();
    target_.verilog_header_file = header_file_name(in_);
}

void DesignReader::component_section() {
    for (auto& [architecture, count] : pending_components_)
        for (int i = 0; i < count; ++i)
            component_record(*architecture);
    pending_components_.clear();
}

int read_design_text(std::string_view text, Design& design, const ReadHooks& hooks) {
    DesignTextReader in(text);
    if (in.at_end()) {
        design = Design{};
        return kReadNotDesignFile;
    }
    int index = 0;
    int version = check_file_version(in.rest_of_line(), FilePurpose::Design, &index);
    if (version != 0) {
        design = Design{};
        return version;
    }
    Design scratch;
    try {
        scratch.design_information = in.line_string(kMaxComment);
        DesignReader reader(in, index, ReadMode::Design, hooks, scratch);
        int entities = reader.design_header();
        for (int i = 0; i < entities; ++i)
            add_entity(scratch, reader.entity_block(nullptr, 0));
        reader.component_section();
        reader.language_trailer();
    } catch (const ReadFailure& failure) {
        design = Design{};
        return failure.line;
    }
    sort_entities(scratch);
    scratch.root = find_entity(scratch, "Toplevel");
    design = std::move(scratch);
    return 0;
}

int read_design_file(const std::string& path, Design& design, const ReadHooks& hooks) {
    std::string text;
    if (!load_text_file(path, text)) {
        design = Design{};
        return kReadCannotOpen;
    }
    return read_design_text(text, design, hooks);
}

} // namespace zeph
