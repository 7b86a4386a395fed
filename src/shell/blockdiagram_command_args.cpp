// Argument reading and object naming of the block-diagram commands.
#include "shell/blockdiagram_command_args.h"

#include "blockdiagram/diagram_hit.h"
#include "blockdiagram/net_lookup.h"
#include "design/block_diagram.h"
#include "design/entity.h"
#include "foundation/strings.h"
#include "shell/command_table.h"

#include <algorithm>
#include <charconv>

namespace zeph::diagram_commands {

// ---- arguments -----------------------------------------------------------------------------

std::optional<int> integer(const std::string& word) {
    std::string_view text = word;
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

std::optional<int> coordinate(const std::string& word) {
    std::optional<int> value = integer(word);
    if (!value || *value < -kMaxCoordinate || *value > kMaxCoordinate) return std::nullopt;
    return value;
}

// Points from args[from] on, two numbers each: `count` of them, or all the rest when count is
// 0. An error line and nullopt for anything else.
std::optional<std::vector<Point>> points(Invocation& inv, std::size_t from, std::size_t count) {
    const Args& args = inv.args;
    std::size_t available = args.size() > from ? args.size() - from : 0;
    std::size_t words = count != 0 ? 2 * count : available;
    if (words % 2 != 0 || words > available) {
        inv.shell.error("points are given as pairs of numbers X Y");
        return std::nullopt;
    }
    std::vector<Point> result;
    for (std::size_t i = from; i < from + words; i += 2) {
        std::optional<int> x = coordinate(args[i]);
        std::optional<int> y = coordinate(args[i + 1]);
        if (!x || !y) {
            inv.shell.error(format_text("'%s %s' is not a point (numbers from -%d to %d)",
                                        args[i].c_str(), args[i + 1].c_str(), kMaxCoordinate,
                                        kMaxCoordinate));
            return std::nullopt;
        }
        result.push_back({*x, *y});
    }
    return result;
}

std::optional<Point> point(Invocation& inv, std::size_t from) {
    std::optional<std::vector<Point>> p = points(inv, from, 1);
    if (!p) return std::nullopt;
    return p->front();
}

bool is_point_at(const Args& args, std::size_t from) {
    return args.size() >= from + 2 && integer(args[from]) && integer(args[from + 1]);
}

// "name=value" words from args[from] on; an error line for a word without "=" or a name that
// `known` does not hold.
std::optional<Fields> fields(Invocation& inv, std::size_t from, const Args& known) {
    Fields result;
    for (std::size_t i = from; i < inv.args.size(); ++i) {
        const std::string& word = inv.args[i];
        std::size_t equals = word.find('=');
        std::string name = to_lower_ascii(word.substr(0, equals));
        if (equals == std::string::npos ||
            std::find(known.begin(), known.end(), name) == known.end()) {
            std::string list;
            for (const std::string& k : known)
                list += (list.empty() ? "" : ", ") + k;
            inv.shell.error("'" + word + "' is not FIELD=VALUE with a field of " + list);
            return std::nullopt;
        }
        result[name] = word.substr(equals + 1);
    }
    return result;
}

std::optional<int> choice(Invocation& inv, const std::string& word, const Args& words, int first) {
    std::string lower = to_lower_ascii(word);
    for (std::size_t i = 0; i < words.size(); ++i)
        if (lower == words[i]) return static_cast<int>(i) + first;
    std::string list;
    for (const std::string& w : words)
        list += (list.empty() ? "" : ", ") + w;
    inv.shell.error("'" + word + "' is not one of " + list);
    return std::nullopt;
}

std::optional<std::string> optional_word(const Args& args, std::size_t index) {
    if (index < args.size()) return args[index];
    return std::nullopt;
}

std::string rest_of(const Args& args, std::size_t from) {
    std::string text;
    for (std::size_t i = from; i < args.size(); ++i)
        text += (i > from ? " " : "") + args[i];
    return text;
}

std::string object_text(DiagramEditor& editor, const DiagramObject& o) {
    Architecture& a = editor.architecture();
    switch (o.type) {
    case Type::Component:
        return "component " + o.component->name;
    case Type::Process:
        return "process " + o.process->name;
    case Type::DiagramPort:
        return "port " + editor.entity().ports[o.index]->name;
    case Type::DiagramGeneric:
        return "generic " + editor.entity().generics[o.index]->name;
    case Type::ComponentPort:
        return "port " + o.component->entity->ports[o.index]->name + " of " + o.component->name;
    case Type::ProcessPort:
        return format_text("port %zu of %s", o.index, o.process->name.c_str());
    case Type::Segment: {
        const Segment& s = segment_at(*a.block_diagram->nets[o.index], o.segment);
        return format_text("segment %d %d %d %d of %s", s.x1, s.y1, s.x2, s.y2,
                           net_display_name(*a.block_diagram->nets[o.index]).c_str());
    }
    case Type::BusEntry:
        return format_text("bus entry %zu of %s", o.entry,
                           net_display_name(*a.block_diagram->nets[o.index]).c_str());
    case Type::FreeText:
        return format_text("text %zu", o.index);
    }
    return "?";
}

// The one object a dialog command edits: at the point given first, else the single selected
// object.
std::optional<DiagramObject> target(Invocation& inv, DiagramEditor& editor, std::size_t* next) {
    *next = 0;
    if (is_point_at(inv.args, 0)) {
        std::optional<Point> at = point(inv, 0);
        if (!at) return std::nullopt;
        *next = 2;
        std::optional<DiagramObject> object = object_at(editor.architecture(), *at);
        if (!object) inv.shell.error(format_text("nothing at %d %d", at->x, at->y));
        return object;
    }
    if (editor.selection().size() != 1) {
        inv.shell.error("select one object, or give its point");
        return std::nullopt;
    }
    return editor.selection().front();
}

} // namespace zeph::diagram_commands
