// "generate [root=E] [arch=A] [parts=N] [split=0|1|2] [overwrite] [library=L] [file=PATH]":
// the words stand for the fields of the generate dialog; what they leave out comes from the
// settings and the dialog's proposals.
#include "shell/generate_commands.h"

#include "design/design.h"
#include "design/design_constructors.h"
#include "hdl/generate_choices.h"
#include "hdl/generation_run.h"
#include "hdl/hdl_context.h"
#include "hdl/identifier_rules.h"
#include "hdl/output_files.h"
#include "shell/command_table.h"
#include "shell/generation_settings.h"
#include "shell/logical_directories.h"
#include "shell/session.h"
#include "shell/verification.h"

#include <charconv>
#include <filesystem>
#include <map>
#include <string>

namespace zeph {

namespace {
struct Words {
    std::map<std::string, std::string> values;
    bool overwrite = false;
    std::string refused;
};

Words read_words(const std::vector<std::string>& args) {
    Words words;
    for (const std::string& arg : args) {
        if (arg == "overwrite") {
            words.overwrite = true;
            continue;
        }
        std::size_t equal = arg.find('=');
        std::string key = arg.substr(0, equal);
        if (equal == std::string::npos || (key != "root" && key != "arch" && key != "parts" &&
                                           key != "split" && key != "library" && key != "file")) {
            words.refused = "unknown option '" + arg + "'";
            return words;
        }
        words.values[key] = arg.substr(equal + 1);
    }
    return words;
}

bool read_number(const std::string& text, int& value) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= 0;
}

bool choose_root(Invocation& inv, const Design& design, const Words& words,
                 GenerationRequest& request) {
    if (auto root = words.values.find("root"); root != words.values.end()) {
        const Entity* entity = find_entity(design, root->second);
        if (entity == nullptr || !eligible_root(design, *entity)) {
            inv.shell.error("'" + root->second + "' cannot be the root of a generation run");
            return false;
        }
        request.root = entity;
    } else {
        request.root = proposed_root(design, inv.session.remembered_generation_root());
    }
    if (request.root == nullptr) return true; // the run shows "No entity specified."
    request.root_architecture =
        request.root->architectures.empty() ? nullptr : request.root->architectures.front().get();
    if (auto arch = words.values.find("arch"); arch != words.values.end()) {
        request.root_architecture = find_architecture(*request.root, arch->second);
        if (request.root_architecture == nullptr) {
            inv.shell.error("no architecture '" + arch->second + "' of '" + request.root->name +
                            "'");
            return false;
        }
    }
    return true;
}

bool apply_words(Invocation& inv, const Words& words, GenerationRequest& request) {
    GenerationOptions& options = request.options;
    int number = 0;
    if (auto parts = words.values.find("parts"); parts != words.values.end()) {
        if (!read_number(parts->second, number)) {
            inv.shell.error("parts must be a number from 0 to 84");
            return false;
        }
        options.parts = static_cast<unsigned>(number);
    }
    if (auto split = words.values.find("split"); split != words.values.end()) {
        if (!read_number(split->second, number) || number > kFilePerUnit) {
            inv.shell.error("split must be 0, 1 or 2");
            return false;
        }
        options.organization = number;
    }
    if (words.overwrite) options.overwrite = true;
    if (auto library = words.values.find("library"); library != words.values.end())
        options.working_library = library->second;
    const Design* design = inv.session.design();
    return check_working_library(inv.session.platform(), options.working_library,
                                 design != nullptr ? design->language_checking : kRulesVhdl);
}

bool generate_command(Invocation& inv) {
    Session& session = inv.session;
    Design* design = session.design();
    if (design == nullptr || !generation_possible(session)) {
        inv.shell.error("generate needs a verification of the entire design that left an "
                        "eligible root entity");
        return false;
    }
    Words words = read_words(inv.args);
    if (!words.refused.empty()) {
        inv.shell.error(words.refused);
        return false;
    }
    Settings& settings = session.settings();
    GenerationRequest request;
    request.options = generation_options(settings);
    if (!choose_root(inv, *design, words, request) || !apply_words(inv, words, request))
        return false;
    normalise_generation_options(request.options, design->target_language);
    std::optional<std::string> cwd = current_directory();
    request.project_directory = cwd.value_or(".");
    std::optional<std::filesystem::path> outputs;
    if (!settings.environment.outputs.empty())
        if (auto resolved = resolve_path(settings.environment.outputs, settings, nullptr))
            outputs = *resolved;
    std::optional<std::filesystem::path> directory =
        default_output_directory(request.project_directory, outputs);
    if (auto file = words.values.find("file"); file != words.values.end())
        request.output_file = std::filesystem::absolute(file->second);
    else if (directory)
        request.output_file = *directory / proposed_file_name(*design, request);
    request.connect_by_name_signals = session.verification().connect_by_name_signals();
    request.quick_verify = [&session](const Architecture& architecture) {
        return quick_verify_for_generation(session, architecture);
    };
    GenerationResult result = generate_hdl(session.platform(), *design, request);
    if (design->target_language != 2) session.events().vhdl_keywords_written(design->keyword_case);
    if (result.outcome != RunOutcome::Done) return result.outcome == RunOutcome::Cancelled;
    session.remember_generation_root(request.root);
    session.remember_analysis(analysis_of(*design, request, result));
    std::filesystem::path chosen = request.output_file.parent_path();
    std::filesystem::path own = request.project_directory / "output";
    std::error_code ignored;
    if (!std::filesystem::equivalent(chosen, own, ignored))
        settings.environment.outputs = chosen.string();
    for (const auto& written : result.files)
        inv.shell.print("written", written.string());
    return true;
}
} // namespace

void add_generate_commands(CommandTable& table) {
    table.add({"generate",
               "[root=E] [arch=A] [parts=N] [split=0|1|2] [overwrite] [library=L] [file=P]",
               "Generate VHDL or Verilog (the design's language) for a root entity and its subtree",
               0, 7, generate_command});
}

} // namespace zeph
