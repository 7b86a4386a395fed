// The setup, package list and binding commands of the shell.
#include "shell/setup_commands.h"

#include "design/design.h"
#include "design/synthesis_tools.h"
#include "foundation/command_words.h"
#include "foundation/strings.h"
#include "hdl/design_setup.h"
#include "hdl/identifier_rules.h"
#include "hdl/package_binding.h"
#include "hdl/package_list.h"
#include "shell/command_table.h"
#include "shell/default_packages.h"
#include "shell/logical_directories.h"
#include "shell/session.h"

#include <optional>
#include <string>
#include <vector>

namespace zeph {

namespace {

using Args = std::vector<std::string>;

constexpr const char* kNoDesign = "no design is open";

// One word per choice, in the order of the dialog's choices.
const Args kLanguageWords = {"vhdl", "verilog"};
const Args kRulesWords = {"vhdl", "verilog", "both"};
const Args kKeywordCaseWords = {"lowercase", "uppercase", "capitalized"};
const Args kFlagWords = {"no", "yes"};

std::optional<int> choice_index(const std::string& word, const Args& choices) {
    std::string lower = to_lower_ascii(word);
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (lower == choices[i]) return static_cast<int>(i);
    return std::nullopt;
}

// The word of a choice; the first for a value out of range.
const std::string& word_at(const Args& choices, int index) {
    bool inside = index >= 0 && static_cast<std::size_t>(index) < choices.size();
    return choices[inside ? static_cast<std::size_t>(index) : 0];
}

std::string choices_text(const Args& choices) {
    std::string text;
    for (const std::string& c : choices)
        text += (text.empty() ? "" : ", ") + c;
    return text;
}

// A 1-based position in a list of `count` entries, as a 0-based index.
std::optional<std::size_t> position(const std::string& word, std::size_t count) {
    if (word.empty() || word.size() > 9 || word.find_first_not_of("0123456789") != word.npos)
        return std::nullopt;
    std::size_t n = std::stoul(word);
    if (n < 1 || n > count) return std::nullopt;
    return n - 1;
}

// ---- setup ------------------------------------------------------------------------------

// A field of the setup as the command shows and takes it. `set` returns an error text, empty
// when the value was taken.
struct SetupField {
    const char* name;
    std::string (*show)(const DesignSetup&);
    std::string (*set)(DesignSetup&, const std::string&);
};

std::string set_choice(int& field, const std::string& word, const Args& choices, int first) {
    std::optional<int> index = choice_index(word, choices);
    if (!index) return "'" + word + "' is not one of " + choices_text(choices);
    field = *index + first;
    return {};
}

std::string set_flag(bool& field, const std::string& word) {
    std::string lower = to_lower_ascii(word);
    if (lower == "yes" || lower == "true" || lower == "on")
        field = true;
    else if (lower == "no" || lower == "false" || lower == "off")
        field = false;
    else
        return "'" + word + "' is not yes or no";
    return {};
}

std::string set_text(std::string& field, const std::string& value, std::size_t limit) {
    if (value.size() > limit) return format_text("at most %zu characters", limit);
    field = value;
    return {};
}

std::string set_synthesis_tool(DesignSetup& s, const std::string& word) {
    std::optional<int> tool = synthesis_tool_from_name(word);
    if (!tool) {
        Args names;
        for (int i = 0; i < kSynthesisToolCount; ++i)
            names.push_back(synthesis_tool_name(i));
        return "'" + word + "' is not one of " + choices_text(names);
    }
    s.synthesis_tool = *tool;
    return {};
}

const SetupField kSetupFields[] = {
    {"language", [](const DesignSetup& s) { return word_at(kLanguageWords, s.language - 1); },
     [](DesignSetup& s, const std::string& v) {
         return set_choice(s.language, v, kLanguageWords, 1);
     }},
    {"rules", [](const DesignSetup& s) { return word_at(kRulesWords, s.rules - 1); },
     [](DesignSetup& s, const std::string& v) { return set_choice(s.rules, v, kRulesWords, 1); }},
    {"signal-type", [](const DesignSetup& s) { return quote_word(s.signal_type); },
     [](DesignSetup& s, const std::string& v) {
         // Longer types are refused by the setup's own identifier check.
         edit_signal_type(s, v);
         return std::string();
     }},
    {"vector-type", [](const DesignSetup& s) { return quote_word(s.vector_type); },
     [](DesignSetup& s, const std::string& v) {
         s.vector_type = v;
         return std::string();
     }},
    {"inline-attributes",
     [](const DesignSetup& s) { return word_at(kFlagWords, s.inline_attributes); },
     [](DesignSetup& s, const std::string& v) { return set_flag(s.inline_attributes, v); }},
    {"vhdl93", [](const DesignSetup& s) { return word_at(kFlagWords, s.vhdl93); },
     [](DesignSetup& s, const std::string& v) { return set_flag(s.vhdl93, v); }},
    {"keyword-case",
     [](const DesignSetup& s) { return word_at(kKeywordCaseWords, s.keyword_case); },
     [](DesignSetup& s, const std::string& v) {
         return set_choice(s.keyword_case, v, kKeywordCaseWords, 0);
     }},
    {"vhdl-header", [](const DesignSetup& s) { return quote_word(s.vhdl_header_file); },
     [](DesignSetup& s, const std::string& v) {
         return set_text(s.vhdl_header_file, v, kSetupFileLimit);
     }},
    {"verilog-header", [](const DesignSetup& s) { return quote_word(s.verilog_header_file); },
     [](DesignSetup& s, const std::string& v) {
         return set_text(s.verilog_header_file, v, kSetupFileLimit);
     }},
    {"synthesis-tool",
     [](const DesignSetup& s) { return quote_word(synthesis_tool_name(s.synthesis_tool)); },
     set_synthesis_tool},
    {"designer", [](const DesignSetup& s) { return quote_word(s.designer); },
     [](DesignSetup& s, const std::string& v) { return set_text(s.designer, v, kSetupInfoLimit); }},
    {"company", [](const DesignSetup& s) { return quote_word(s.company); },
     [](DesignSetup& s, const std::string& v) { return set_text(s.company, v, kSetupInfoLimit); }},
    {"design-info", [](const DesignSetup& s) { return quote_word(s.design_info); },
     [](DesignSetup& s, const std::string& v) {
         return set_text(s.design_info, v, kSetupInfoLimit);
     }},
};

const SetupField* find_setup_field(const std::string& name) {
    for (const SetupField& field : kSetupFields)
        if (name == field.name) return &field;
    return nullptr;
}

void show_setup(CommandShell& shell, const Design& design) {
    DesignSetup values = design_setup_of(design);
    for (const SetupField& field : kSetupFields)
        shell.print("setup", format_text("%-18s %s", field.name, field.show(values).c_str()));
}

bool setup(Invocation& inv) {
    Design* design = inv.session.design();
    if (design == nullptr) {
        inv.shell.error("setup: " + std::string(kNoDesign));
        return false;
    }
    if (inv.args.empty()) {
        show_setup(inv.shell, *design);
        return true;
    }
    if (inv.args.size() % 2 != 0) {
        inv.shell.error("setup: give the fields as pairs of FIELD VALUE");
        return false;
    }
    DesignSetup values = design_setup_of(*design);
    for (std::size_t i = 0; i < inv.args.size(); i += 2) {
        const SetupField* field = find_setup_field(inv.args[i]);
        if (field == nullptr) {
            inv.shell.error("setup: no field '" + inv.args[i] + "'");
            return false;
        }
        if (std::string error = field->set(values, inv.args[i + 1]); !error.empty()) {
            inv.shell.error("setup: " + inv.args[i] + ": " + error);
            return false;
        }
    }
    return apply_design_setup(*design, values, inv.session.events()) != SetupOutcome::Refused;
}

// ---- packages ---------------------------------------------------------------------------

// "LIB[.PKG[.SUFFIX]]" split at its first two dots.
PackageFields split_specification(const std::string& spec) {
    PackageFields fields;
    std::size_t dot1 = spec.find('.');
    std::size_t dot2 = dot1 == spec.npos ? spec.npos : spec.find('.', dot1 + 1);
    fields.library = spec.substr(0, dot1);
    if (dot1 != spec.npos) fields.package = spec.substr(dot1 + 1, dot2 - dot1 - 1);
    if (dot2 != spec.npos) fields.suffix = spec.substr(dot2 + 1);
    return fields;
}

// One specification and the options "global", "file=PATH" (and, where `before` is given,
// "before=N") in any order. Returns an error text, empty on success.
std::string read_entry(const Args& words, std::size_t from, PackageFields& fields,
                       std::optional<std::string>* before) {
    std::optional<std::string> spec;
    bool global = false;
    std::string file;
    for (std::size_t i = from; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (w == "global")
            global = true;
        else if (w.starts_with("file="))
            file = w.substr(5);
        else if (before != nullptr && w.starts_with("before="))
            *before = w.substr(7);
        else if (!spec)
            spec = w;
        else
            return "'" + w + "' is neither a specification nor an option";
    }
    if (!spec) return "a specification LIB[.PKG[.SUFFIX]] is missing";
    fields = split_specification(*spec);
    fields.global = global;
    fields.file_name = file;
    return {};
}

// Runs one action of the list dialog on the editor; an error text, empty on success. A
// refused entry has shown its message already and gives "refused".
std::string run_package_action(PackageListEditor& editor, const Args& words) {
    const std::string& action = words[0];
    std::size_t count = editor.specifications().size();
    if (action == "insert") {
        PackageFields fields;
        std::optional<std::string> before;
        if (std::string e = read_entry(words, 1, fields, &before); !e.empty()) return e;
        std::optional<std::size_t> at;
        if (before && !(at = position(*before, count))) return "no entry " + *before;
        editor.select(at);
        editor.entry() = fields;
        return editor.insert() ? "" : "refused";
    }
    if (words.size() < 2) return action + " needs the position of an entry";
    std::optional<std::size_t> at = position(words[1], count);
    if (!at) return "no entry " + words[1];
    editor.select(at);
    if (action == "change") {
        PackageFields fields;
        if (std::string e = read_entry(words, 2, fields, nullptr); !e.empty()) return e;
        editor.entry() = fields;
        return editor.change() ? "" : "refused";
    }
    if (words.size() > 2) return "too many words after " + action;
    if (action == "delete")
        editor.remove();
    else if (action == "up")
        editor.up();
    else if (action == "down")
        editor.down();
    else
        return "no action '" + action + "' (list, insert, change, delete, up, down)";
    return {};
}

void show_package_lines(CommandShell& shell, const PackageListEditor& editor) {
    std::vector<std::string> lines = editor.lines();
    for (std::size_t i = 0; i < lines.size(); ++i)
        shell.print("package", format_text("%zu %s", i + 1, lines[i].c_str()));
}

bool packages(Invocation& inv) {
    Session& session = inv.session;
    Args words = inv.args;
    bool default_list = !words.empty() && words[0] == "default";
    if (!words.empty() && (words[0] == "default" || words[0] == "design"))
        words.erase(words.begin());
    if (words.empty()) words.push_back("list");
    Design* design = session.design();
    if (!default_list && design == nullptr) {
        inv.shell.error("packages: " + std::string(kNoDesign));
        return false;
    }
    PackageListEditor editor = default_list ? default_package_editor(session)
                                            : design_package_editor(*design, session.events());
    if (words[0] != "list") {
        if (std::optional<std::size_t> bad = default_entry_too_long(session.settings());
            default_list && bad) {
            inv.shell.error("packages: " + format_text(kDefaultEntryTooLong, *bad + 1));
            return false;
        }
        std::string error = run_package_action(editor, words);
        if (error.empty() && !editor.accept()) error = "refused";
        if (!error.empty()) {
            inv.shell.error("packages: " + error);
            return false;
        }
        if (default_list) {
            apply_default_packages(session, editor);
        } else {
            apply_package_list(*design, editor, session.events());
        }
    } else if (words.size() > 1) {
        inv.shell.error("packages: too many words after list");
        return false;
    }
    show_package_lines(inv.shell, editor);
    return true;
}

// ---- bindings ---------------------------------------------------------------------------

std::optional<std::size_t> find_bindable(const PackageBindingEditor& editor,
                                         const std::string& name, int rules) {
    for (std::size_t i = 0; i < editor.entities().size(); ++i)
        if (names_equal(editor.entities()[i]->name, name, rules)) return i;
    return std::nullopt;
}

void show_bindings(CommandShell& shell, PackageBindingEditor& editor, std::size_t entity) {
    editor.select_entity(entity);
    shell.print("binding", editor.entities()[entity]->name);
    std::vector<std::string> lines = editor.lines();
    for (std::size_t i = 0; i < lines.size(); ++i)
        shell.print("binding", format_text("  %zu %s", i + 1, lines[i].c_str()));
}

bool bindings(Invocation& inv) {
    Design* design = inv.session.design();
    if (design == nullptr) {
        inv.shell.error("bindings: " + std::string(kNoDesign));
        return false;
    }
    PackageBindingEditor editor(*design);
    if (inv.args.empty()) {
        for (std::size_t i = 0; i < editor.entities().size(); ++i)
            show_bindings(inv.shell, editor, i);
        return true;
    }
    std::optional<std::size_t> entity =
        find_bindable(editor, inv.args[0], design->language_checking);
    if (!entity) {
        inv.shell.error("bindings: no entity '" + inv.args[0] + "' that packages bind to");
        return false;
    }
    show_bindings(inv.shell, editor, *entity);
    return true;
}

bool bind_or_unbind(Invocation& inv, bool bind) {
    const char* name = bind ? "bind" : "unbind";
    Design* design = inv.session.design();
    if (design == nullptr) {
        inv.shell.error(std::string(name) + ": " + kNoDesign);
        return false;
    }
    PackageBindingEditor editor(*design);
    std::optional<std::size_t> entity =
        find_bindable(editor, inv.args[0], design->language_checking);
    std::optional<std::size_t> spec = position(inv.args[1], editor.specifications().size());
    std::string error;
    if (!entity)
        error = "no entity '" + inv.args[0] + "' that packages bind to";
    else if (!spec)
        error = "no package " + inv.args[1];
    if (error.empty()) {
        editor.select_entity(entity);
        editor.select_specification(spec);
        if (editor.specifications()[*spec]->global != 0)
            error = "package " + inv.args[1] + " is global";
        else if (bind ? !editor.add() : !editor.remove())
            error = "package " + inv.args[1] + (bind ? " is already bound" : " is not bound");
    }
    if (!error.empty()) {
        inv.shell.error(std::string(name) + ": " + error);
        return false;
    }
    if (editor.commit()) inv.session.mark_modified();
    show_bindings(inv.shell, editor, *entity);
    return true;
}

} // namespace

void add_setup_commands(CommandTable& t) {
    t.add({"setup", "[FIELD VALUE]...", "Show the design setup, or change fields of it", 0, 26,
           setup});
    t.add({"packages", "[LIST] [ACTION]",
           "Libraries and packages of the design (LIST default: the default list)", 0, 8,
           packages});
    t.add({"bindings", "[ENTITY]", "Show the packages bound to entities", 0, 1, bindings});
    t.add({"bind", "ENTITY N", "Bind package N of the design's list to an entity", 2, 2,
           [](Invocation& inv) { return bind_or_unbind(inv, true); }});
    t.add({"unbind", "ENTITY N", "Remove the binding of package N from an entity", 2, 2,
           [](Invocation& inv) { return bind_or_unbind(inv, false); }});
}

} // namespace zeph
