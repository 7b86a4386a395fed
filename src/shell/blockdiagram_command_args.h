// Shared pieces of the block-diagram commands of the shell: reading points, numbers, choices
// and FIELD=VALUE words from a command's arguments, naming diagram objects in replies, and the
// object a dialog command works on.
#pragma once

#include "blockdiagram/diagram_editor.h"
#include "blockdiagram/diagram_object.h"
#include "shell/command_table.h"

#include <cstddef>
#include <functional>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zeph::diagram_commands {

using Args = std::vector<std::string>;
using Fields = std::map<std::string, std::string>;
using Type = DiagramObjectType;

inline constexpr std::size_t kMany = std::numeric_limits<std::size_t>::max();
// Coordinates far beyond every sheet are refused, so that no arithmetic on them overflows.
inline constexpr int kMaxCoordinate = 1000000;

std::optional<int> integer(const std::string& word);
std::optional<int> coordinate(const std::string& word);
// Points from args[from] on, two numbers each: `count` of them, or all the rest when count is
// 0. An error line and nullopt for anything else.
std::optional<std::vector<Point>> points(Invocation& inv, std::size_t from, std::size_t count = 0);
std::optional<Point> point(Invocation& inv, std::size_t from);
bool is_point_at(const Args& args, std::size_t from);
// "name=value" words from args[from] on; an error line for a word without "=" or a name that
// `known` does not hold.
std::optional<Fields> fields(Invocation& inv, std::size_t from, const Args& known);
// The position of the word among `words` (any case) plus `first`; an error line otherwise.
std::optional<int> choice(Invocation& inv, const std::string& word, const Args& words, int first);

inline const Args kModeWords = {"in", "out", "inout", "buffer"};
inline const Args kFlagWords = {"no", "yes"};
inline const Args kDirectionWords = {"downto", "to"};
inline const Args kSignalKindWords = {"-", "bus", "register"};
inline const Args kFunctionWords = {"-", "clock", "reset", "state-register"};
inline const Args kEventWords = {"no", "yes", "posedge", "negedge"};
inline const Args kProcessKindWords = {"hdl", "state"};
inline const Args kEntityKindWords = {"block", "hdl", "state", "external"};

// Takes the field's value into `target` through `convert`; false (an error shown) when it
// cannot be converted.
template <class T, class Convert>
bool take(const Fields& f, const char* name, T& target, Convert convert) {
    auto it = f.find(name);
    if (it == f.end()) return true;
    std::optional<T> value = convert(it->second);
    if (!value) return false;
    target = *value;
    return true;
}

inline bool outcome_ok(Outcome outcome) {
    return outcome != Outcome::Refused;
}

std::optional<std::string> optional_word(const Args& args, std::size_t index);
std::string rest_of(const Args& args, std::size_t from);

// How replies name an object: "component u0", "segment 0 0 64 0 of Net_3", ...
std::string object_text(DiagramEditor& editor, const DiagramObject& object);
// The one object a dialog command edits: at the point given first (then *next is 2), else the
// single selected object.
std::optional<DiagramObject> target(Invocation& inv, DiagramEditor& editor, std::size_t* next);

// Converters for `take`.
template <class Words> inline auto chooser(Invocation& inv, const Words& words, int first) {
    return [&inv, &words, first](const std::string& w) { return choice(inv, w, words, first); };
}

inline auto text_value() {
    return [](const std::string& w) { return std::optional<std::string>(w); };
}

inline auto number_value(Invocation& inv) {
    return [&inv](const std::string& w) {
        std::optional<int> v = integer(w);
        if (!v) inv.shell.error("'" + w + "' is not a number");
        return v;
    };
}

inline auto flag_value(Invocation& inv) {
    return [&inv](const std::string& w) -> std::optional<bool> {
        std::optional<int> v = choice(inv, w, kFlagWords, 0);
        if (!v) return std::nullopt;
        return *v == 1;
    };
}

using EditorCommand = std::function<bool(Invocation&, DiagramEditor&)>;

struct Entry {
    const char* name;
    const char* arguments;
    const char* help;
    std::size_t min_args;
    std::size_t max_args;
    EditorCommand run;
};

// The editor on the session's design with a diagram open (the current block diagram, else the
// top level's); null, with an error line, without one.
DiagramEditor* session_diagram_editor(Invocation& inv);

// The dialogs as commands: edit-port, edit-process, edit-net, edit-entry, edit-text, the label
// options, sheet defaults and colours.
std::vector<Entry> dialog_commands();
// edit-text on the state diagram being edited: the text at X Y, or the one selected.
bool edit_state_text_command(Invocation& inv);

} // namespace zeph::diagram_commands
