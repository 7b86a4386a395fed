// The "Design Setup" dialog's checks and effects, in the order the dialog applies them.
#include "hdl/design_setup.h"

#include "design/design.h"
#include "foundation/strings.h"
#include "foundation/system_message.h"
#include "hdl/design_events.h"
#include "hdl/design_language.h"
#include "hdl/hdl_file_marks.h"
#include "hdl/identifier_rules.h"
#include "hdl/new_design_setup.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zeph {

namespace {
constexpr const char* kTargetChoices[] = {"VHDL", "Verilog"};
constexpr const char* kRulesChoices[] = {"VHDL rules", "Verilog rules", "Both VHDL and Verilog"};
constexpr const char* kKeywordCaseChoices[] = {"Lowercase", "Uppercase", "Capitalized"};
constexpr const char* kVectorSuffix = "_Vector";

template <std::size_t N> const char* choice(const char* const (&labels)[N], int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N ? labels[index] : labels[0];
}

// Step 1: a non-empty type must be a legal identifier of at most 32 characters.
bool type_is_legal(ui::Platform& platform, const std::string& type, int rules) {
    if (type.empty()) return true;
    int code = check_identifier(type, kSetupTypeLimit, rules);
    if (code == 0) return true;
    system_message(platform, code, 0, type.c_str());
    return false;
}

// Step 2: a non-empty header file must open for reading.
bool header_opens(ui::Platform& platform, const std::string& path) {
    if (path.empty() || opens_for_reading(path)) return true;
    system_message(platform, 4, 0, path.c_str());
    return false;
}

bool vhdl_settings_differ(const DesignSetup& a, const DesignSetup& b) {
    return a.signal_type != b.signal_type || a.vector_type != b.vector_type ||
           a.inline_attributes != b.inline_attributes || a.keyword_case != b.keyword_case ||
           a.vhdl93 != b.vhdl93;
}

// Step 4: the texts and the synthesis tool.
void store_texts(Design& design, const DesignSetup& values) {
    design.designer = bounded(values.designer, kSetupInfoLimit);
    design.company = bounded(values.company, kSetupInfoLimit);
    design.design_information = bounded(values.design_info, kSetupInfoLimit);
    design.vhdl_header_file = bounded(values.vhdl_header_file, kSetupFileLimit);
    design.verilog_header_file = bounded(values.verilog_header_file, kSetupFileLimit);
    design.synthesis_tool = values.synthesis_tool;
}

// Step 5: the VHDL settings, which the heading lines of HDL files depend on.
void store_vhdl_settings(Design& design, const DesignSetup& values) {
    design.vhdl_signal_type = bounded(values.signal_type, kSetupTypeLimit);
    design.vhdl_vector_type = bounded(values.vector_type, kSetupTypeLimit);
    design.inline_synthesis_attributes = values.inline_attributes;
    design.keyword_case = values.keyword_case;
    design.vhdl93 = values.vhdl93;
    mark_hdl_files_for_skeleton_check(design);
}
} // namespace

DesignSetup design_setup_of(const Design& design) {
    DesignSetup s;
    s.language = design.target_language;
    s.rules = design.language_checking;
    s.signal_type = design.vhdl_signal_type;
    s.vector_type = design.vhdl_vector_type;
    s.inline_attributes = design.inline_synthesis_attributes;
    s.vhdl93 = design.vhdl93;
    s.keyword_case = design.keyword_case;
    s.vhdl_header_file = design.vhdl_header_file;
    s.verilog_header_file = design.verilog_header_file;
    s.synthesis_tool = design.synthesis_tool;
    s.designer = design.designer;
    s.company = design.company;
    s.design_info = design.design_information;
    return s;
}

const char* target_choice_label(int language) {
    return choice(kTargetChoices, language - 1);
}
const char* rules_choice_label(int rules) {
    return choice(kRulesChoices, rules - 1);
}
const char* keyword_case_label(int keyword_case) {
    return choice(kKeywordCaseChoices, keyword_case);
}

void edit_signal_type(DesignSetup& values, std::string_view signal_type) {
    bool follows =
        values.vector_type.empty() ||
        (!values.signal_type.empty() && values.vector_type == values.signal_type + kVectorSuffix);
    values.signal_type = signal_type;
    if (follows)
        values.vector_type =
            signal_type.empty() ? std::string() : values.signal_type + kVectorSuffix;
}

SetupOutcome apply_design_setup(Design& design, const DesignSetup& new_values,
                                DesignEvents& events) {
    ui::Platform& platform = events.platform();
    const int rules = design.language_checking;
    if (!type_is_legal(platform, new_values.signal_type, rules) ||
        !type_is_legal(platform, new_values.vector_type, rules))
        return SetupOutcome::Refused;
    if (!header_opens(platform, new_values.vhdl_header_file) ||
        !header_opens(platform, new_values.verilog_header_file))
        return SetupOutcome::Refused;
    const DesignSetup old_values = design_setup_of(design);
    if (new_values == old_values) return SetupOutcome::Unchanged;

    store_texts(design, new_values);
    bool vhdl_changed = vhdl_settings_differ(old_values, new_values);
    if (vhdl_changed) store_vhdl_settings(design, new_values);
    design.language_checking = new_values.rules;
    if (new_values.language != old_values.language)
        set_language(design, new_values.language, true, events);
    remember_setup_in_force(design, events.carried());
    refresh_language_status(platform, design);
    events.design_modified(design, vhdl_changed);
    return SetupOutcome::Applied;
}

bool opens_for_reading(const std::string& path) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return false;
    struct stat st;
    bool regular = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    close(fd);
    return regular;
}

} // namespace zeph
