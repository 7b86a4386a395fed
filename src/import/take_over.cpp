// Parsed entities into the design.
#include "import/take_over.h"

#include "blockdiagram/diagram_labels.h"
#include "blockdiagram/port_geometry.h"
#include "design/design_constructors.h"
#include "design/name_limits.h"
#include "design/project_paths.h"
#include "foundation/strings.h"
#include "foundation/system_message.h"
#include "hdl/identifier_rules.h"
#include "import/import_texts.h"
#include "ui/platform.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>
#include <system_error>
#include <unordered_map>
#include <unordered_set>

#include <sys/stat.h>

namespace zeph::vhdl {

namespace {

constexpr std::size_t kNewNameLimit = 100;
constexpr std::size_t kUserTypeLimit = 50;
constexpr std::size_t kValueLimit = 256;
constexpr int kSymbolStep = 64;
constexpr int kPortPitch = 128;
constexpr int kSideLeft = 4;
constexpr int kSideRight = 2;

int round_up(int value, int step) {
    return (value + step - 1) / step * step;
}

// Generic types 1 to 7 by their type mark ("bit_vector" is no predefined generic type here).
constexpr const char* kGenericMarks[] = {"bit",     "bitvector", "boolean", "integer",
                                         "natural", "positive",  "time"};
// Time units 1 to 8.
constexpr const char* kTimeUnits[] = {"fs", "ps", "ns", "us", "ms", "sec", "min", "hr"};

int generic_type_code(const std::string& mark) {
    std::string lower = to_lower_ascii(mark);
    for (int i = 0; i < 7; ++i)
        if (lower == kGenericMarks[i]) return i + 1;
    return kGenericTypeUserDefined;
}

int time_unit_code(const std::string& unit) {
    std::string lower = to_lower_ascii(unit);
    for (int i = 0; i < 8; ++i)
        if (lower == kTimeUnits[i]) return i + 1;
    return 0;
}

int design_mode(InterfaceMode mode) {
    switch (mode) {
    case InterfaceMode::Out:
        return kModeOut;
    case InterfaceMode::Inout:
        return kModeInout;
    case InterfaceMode::Buffer:
        return kModeBuffer;
    default:
        return kModeIn; // IN, and LINKAGE, which the design has no mode for
    }
}

// The port's type text: empty where the design's default type applies (its signal type for
// a port without range, its vector type for one with a range).
std::string port_type_text(const Design& design, const SubtypeText& subtype, bool has_range) {
    const std::string& signal =
        design.vhdl_signal_type.empty() ? std::string("Bit") : design.vhdl_signal_type;
    const std::string& vector =
        design.vhdl_vector_type.empty() ? std::string("Bit_Vector") : design.vhdl_vector_type;
    if (equal_ignoring_case(subtype.mark, has_range ? vector : signal)) return {};
    return subtype.mark;
}

std::string with_extension(const std::string& name, const std::string& extension) {
    return extension.empty() ? name : name + "." + extension;
}

class TakeOver {
  public:
    TakeOver(ParsedFile& parsed, const SourceText& source, TakeOverPlace& place)
        : parsed_(parsed), source_(source), place_(place) {
        // Names compared ignoring case, looked up by their lower-case form.
        for (const auto& e : place_.design.entities)
            design_names_.insert(to_lower_ascii(e->name));
        for (std::size_t i = 0; i < parsed_.units.size(); ++i)
            if (parsed_.units[i].kind == UnitKind::Architecture)
                architectures_[to_lower_ascii(parsed_.units[i].entity_name)].push_back(i);
    }

    int run() {
        int taken = 0;
        for (DesignUnit& unit : parsed_.units) {
            if (unit.kind != UnitKind::Entity) continue;
            if (!resolve_clash(unit)) continue;
            if (!take_over_entity(unit)) break;
            ++taken;
        }
        return taken;
    }

  private:
    bool exists(const std::string& name) const {
        return design_names_.count(to_lower_ascii(bounded(name, kMaxHdlName))) != 0;
    }

    // False when the entity is to be skipped.
    bool resolve_clash(DesignUnit& unit) {
        while (exists(unit.name)) {
            ui::Answer answer = place_.platform.ask_yes_no(
                program_name(), format_text(text::kRenameQuestion, unit.name.c_str()));
            if (answer != ui::Answer::Yes) return false;
            std::optional<std::string> name = ask_new_name(unit.name);
            if (!name) return false;
            // The architectures of the entity follow it to its new name.
            std::vector<std::size_t> moved = std::move(architectures_[to_lower_ascii(unit.name)]);
            architectures_.erase(to_lower_ascii(unit.name));
            for (std::size_t i : moved)
                parsed_.units[i].entity_name = *name;
            std::vector<std::size_t>& target = architectures_[to_lower_ascii(*name)];
            target.insert(target.end(), moved.begin(), moved.end());
            std::sort(target.begin(), target.end());
            unit.name = *name;
        }
        return true;
    }

    std::optional<std::string> ask_new_name(const std::string& old_name) {
        std::string prompt = format_text(text::kNewNamePrompt, old_name.c_str());
        std::string proposal = old_name;
        for (;;) {
            std::optional<std::string> name =
                place_.platform.prompt_text(prompt, proposal, kNewNameLimit);
            if (!name) return std::nullopt;
            int code = check_identifier(*name, kNewNameLimit, place_.design.language_checking);
            if (code == 0) return name;
            place_.platform.status(system_message_text(code, 0, name->c_str()), true);
            proposal = *name;
        }
    }

    // The parent exists (the project's "work", then the entity's directory), so one mkdir
    // does; only a failure needs a closer look.
    bool make_directory(const std::string& relative) {
        std::filesystem::path path = place_.project_directory / relative;
        if (::mkdir(path.c_str(), 0777) == 0) return true;
        int failure = errno;
        std::error_code ec;
        if (failure == EEXIST && std::filesystem::is_directory(path, ec)) return true;
        if (failure == ENOENT) {
            std::filesystem::create_directories(path, ec);
            if (!ec) return true;
            failure = ec.value();
        }
        place_.platform.message_box(program_name(),
                                    format_text("Cannot create directory '%s': %s.",
                                                path.string().c_str(), std::strerror(failure)));
        return false;
    }

    bool take_over_entity(const DesignUnit& unit) {
        Design& design = place_.design;
        std::unique_ptr<Entity> entity = new_entity(design, bounded(unit.name, kMaxHdlName));
        for (const InterfaceElement& element : unit.generics) {
            for (const std::string& name : element.names) {
                std::unique_ptr<Generic> generic = new_generic();
                take_over_generic(element, name, *generic);
                entity->generics.push_back(std::move(generic));
            }
        }
        for (const InterfaceElement& element : unit.ports) {
            for (const std::string& name : element.names) {
                std::unique_ptr<Port> port = new_port();
                take_over_port(design, element, name, *port);
                entity->ports.push_back(std::move(port));
            }
        }
        if (!make_directory(entity_directory(design, *entity))) return false;
        auto found = architectures_.find(to_lower_ascii(unit.name));
        if (found != architectures_.end())
            for (std::size_t i : found->second)
                if (!add_hdl_architecture(*entity, &parsed_.units[i])) return false;
        if (entity->architectures.empty() && !add_hdl_architecture(*entity, nullptr)) return false;
        lay_out_symbol(DiagramLabelStyle{place_.defaults, place_.diagram_settings}, *entity);
        design_names_.insert(to_lower_ascii(entity->name));
        add_entity_in_order(place_.design, std::move(entity));
        return true;
    }

    // An HDL-file architecture holding the text of the parsed one, or an empty one.
    bool add_hdl_architecture(Entity& entity, const DesignUnit* parsed) {
        std::string name = parsed ? bounded(parsed->name, kMaxHdlName) : std::string();
        for (const auto& a : entity.architectures)
            if (!name.empty() && equal_ignoring_case(a->name, name)) return true;
        Architecture& architecture = add_architecture(
            entity, new_architecture(kArchitectureHdlFile, name, &entity, place_.defaults,
                                     place_.design.synthesis_tool));
        if (!architecture.hdl_file) architecture.hdl_file = std::make_unique<HdlFile>();
        if (!make_directory(architecture_directory(place_.design, entity, architecture)))
            return false;
        if (parsed == nullptr) return true;
        std::string file_name = with_extension(architecture.name, place_.vhdl_extension);
        std::filesystem::path target = place_.project_directory /
                                       architecture_directory(place_.design, entity, architecture) /
                                       file_name;
        if (copy_text(*parsed, target)) architecture.hdl_file->vhdl_file = file_name;
        return true;
    }

    bool copy_text(const DesignUnit& parsed, const std::filesystem::path& target) {
        std::uint32_t begin = std::min(parsed.text_begin, source_.size());
        std::uint32_t end =
            parsed.text_end > begin ? std::min(parsed.text_end, source_.size()) : source_.size();
        std::ofstream out(target, std::ios::binary | std::ios::trunc);
        if (out) out.write(source_.text().data() + begin, end - begin);
        if (out) out.close();
        if (!out) {
            std::error_code ec;
            std::filesystem::remove(target, ec);
            place_.log.write(format_text(text::kCannotOpen, target.string().c_str()));
            return false;
        }
        return true;
    }

    ParsedFile& parsed_;
    const SourceText& source_;
    TakeOverPlace& place_;
    std::unordered_set<std::string> design_names_;
    // Parsed architectures by the lower-case name of their entity, in file order.
    std::unordered_map<std::string, std::vector<std::size_t>> architectures_;
};

} // namespace

void take_over_generic(const InterfaceElement& element, const std::string& name, Generic& generic) {
    generic.name = bounded(name, kMaxHdlName);
    generic.type = generic_type_code(element.subtype.mark);
    if (generic.type == kGenericTypeUserDefined)
        generic.user_type_name = bounded(element.subtype.text, kUserTypeLimit);
    std::string value = element.default_value;
    if (generic.type == kGenericTypeTime) {
        std::size_t blank = value.find(' ');
        if (blank != std::string::npos) {
            generic.default_unit = time_unit_code(value.substr(blank + 1));
            value.erase(blank);
        }
    } else {
        std::string integer = value;
        if (normalise_integer(integer)) value = integer;
    }
    generic.default_value = bounded(value, kValueLimit);
}

void take_over_port(const Design& design, const InterfaceElement& element, const std::string& name,
                    Port& port) {
    const SubtypeText& subtype = element.subtype;
    port.name = bounded(name, kMaxHdlName);
    port.mode = design_mode(element.mode);
    port.signal_kind = element.bus ? 1 : 0;
    port.default_value = bounded(element.default_value, kValueLimit);
    bool single_index = subtype.has_index_constraint && subtype.index_ranges <= 1;
    if (subtype.has_range_constraint) {
        const char* direction = subtype.range.direction == Direction::To ? "TO" : "DOWNTO";
        port.type_name =
            bounded(format_text("%s RANGE %s %s %s", subtype.mark.c_str(),
                                subtype.range.left.c_str(), direction, subtype.range.right.c_str()),
                    kMaxHdlName);
    } else if (single_index) {
        port.range.has_range = true;
        port.range.left = bounded(subtype.range.left, kMaxHdlName);
        port.range.right = bounded(subtype.range.right, kMaxHdlName);
        port.range.direction =
            subtype.range.direction == Direction::To ? kDirectionTo : kDirectionDownto;
        port.type_name = bounded(port_type_text(design, subtype, true), kMaxHdlName);
    } else if (subtype.mark == subtype.text) {
        port.type_name = bounded(port_type_text(design, subtype, false), kMaxHdlName);
    } else {
        // A constraint the design cannot hold as a range: the whole indication is the type.
        port.type_name = bounded(subtype.text, kMaxHdlName);
    }
    bool left = element.mode == InterfaceMode::In || element.mode == InterfaceMode::Linkage ||
                element.mode == InterfaceMode::None;
    port.side = left ? kSideLeft : kSideRight;
    port.sensitivity =
        (port.mode == kModeIn && element.mode != InterfaceMode::Linkage) || port.mode == kModeInout
            ? 1
            : 0;
}

void lay_out_symbol(const DiagramLabelStyle& style, Entity& entity) {
    int left = 0;
    int right = 0;
    std::size_t longest_left = 0;
    std::size_t longest_right = 0;
    for (const auto& port : entity.ports) {
        if (port->side == kSideLeft) {
            ++left;
            longest_left = std::max(longest_left, port->name.size());
        } else {
            ++right;
            longest_right = std::max(longest_right, port->name.size());
        }
    }
    int rows = std::max(left, right);
    int height = std::max(round_up((rows + 1) * kPortPitch, kSymbolStep), 2 * kPortPitch);
    int names = static_cast<int>(longest_left + longest_right) * 48 + 2 * kSymbolStep;
    int width = round_up(std::max(kDefaultSymbolWidth, names), kSymbolStep);
    entity.symbol_height = height;
    entity.symbol_width = width;
    int left_row = 0;
    int right_row = 0;
    for (const auto& port : entity.ports) {
        bool on_left = port->side == kSideLeft;
        int row = on_left ? ++left_row : ++right_row;
        port->position = {on_left ? 0 : width, row * kPortPitch};
        port->name_label =
            make_label(style, LabelKind::Port, port_label_point(port->position, port->side));
        port->name_label.text = port_label_text(*port, port->name_label.options);
    }
}

int take_over_units(ParsedFile& parsed, const SourceText& source, TakeOverPlace& place) {
    return TakeOver(parsed, source, place).run();
}

} // namespace zeph::vhdl
