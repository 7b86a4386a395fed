// The small records the grammar's rules pass up: byte spans of the source, and for names,
// association lists and subtype indications the few facts the import needs from them.
#pragma once

#include "import/design_units.h"

#include <cstdint>
#include <ostream>
#include <vector>

namespace zeph::vhdl {

// Byte offsets [begin, end) of a piece of the source; the parser's location type.
struct Span {
    std::uint32_t begin = 0;
    std::uint32_t end = 0;
    bool empty() const { return begin == end; }
};
inline std::ostream& operator<<(std::ostream& out, const Span& s) {
    return out << s.begin << '-' << s.end;
}

// A range "left direction right".
struct RangeSyntax {
    Span left;
    Direction direction = Direction::Downto;
    Span right;
};

// The elements between a pair of parentheses: how many there are and, for the first, whether
// it is a range.
struct ElementsSyntax {
    int count = 0;
    int ranges = 0;
    bool first_is_range = false;
    RangeSyntax first_range;
};

// A name: `prefix` is the name without its last parenthesised group, `groups` the number of
// such groups, `last` what the last group holds. `plain` is a simple or selected name.
struct NameSyntax {
    Span whole;
    Span prefix;
    int groups = 0;
    bool plain = true;
    ElementsSyntax last;
};

enum class ConstraintKind { None, Range, Index, Other };

struct SubtypeSyntax {
    Span whole;
    Span mark;
    ConstraintKind constraint = ConstraintKind::None;
    RangeSyntax range;
    int ranges = 0;
};

struct InterfaceSyntax {
    ObjectClass object_class = ObjectClass::None;
    std::vector<Span> names;
    InterfaceMode mode = InterfaceMode::None;
    SubtypeSyntax subtype;
    bool bus = false;
    Span default_value;
    bool has_default = false;
};

// A use-clause name: its parts ("ieee.std_logic_1164.all" has 3).
struct UseNameSyntax {
    Span whole;
    Span last;
    int parts = 0;
};

// Which rule a closing name is checked by.
enum class CloseCheck {
    None,
    Entity,
    Architecture,
    Configuration,
    Package,
    PackageBody,
    Subprogram,
    Block,
    Generate,
    Process,
    Loop
};

// The closing name of a labelled statement.
struct Closing {
    Span name;
    CloseCheck check = CloseCheck::None;
};

} // namespace zeph::vhdl
