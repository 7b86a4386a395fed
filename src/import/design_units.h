// What the VHDL reader keeps of a file: its design units in file order. Entities carry their
// generic and port lists as interface elements; architectures carry the byte span of their
// text; packages and configurations are kept by name only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zeph::vhdl {

enum class UnitKind { Entity = 1, Architecture = 2, Package = 3, PackageBody = 4, Configuration };

enum class ObjectClass { None, Constant, Signal, Variable, File };
enum class InterfaceMode { None, In, Out, Inout, Buffer, Linkage };
enum class Direction { Downto, To };

// A range "left direction right" as texts.
struct RangeText {
    std::string left;
    Direction direction = Direction::Downto;
    std::string right;
};

// A subtype indication as the import needs it: the type mark, and the constraint split into
// a range constraint or an index constraint of one range. `text` is the whole indication.
struct SubtypeText {
    std::string text;
    std::string mark;
    bool has_range_constraint = false; // "mark RANGE left direction right"
    bool has_index_constraint = false; // "mark(left direction right)"
    RangeText range;
    int index_ranges = 0; // ranges in the index constraint; more than one is reported
};

struct InterfaceElement {
    ObjectClass object_class = ObjectClass::None;
    std::vector<std::string> names;
    InterfaceMode mode = InterfaceMode::None;
    SubtypeText subtype;
    bool bus = false;
    std::string default_value; // empty: none
    int line = 0;
};

struct DesignUnit {
    UnitKind kind = UnitKind::Entity;
    std::string name;
    std::string entity_name; // architectures and configurations
    std::vector<InterfaceElement> generics;
    std::vector<InterfaceElement> ports;
    std::vector<std::string> libraries;
    std::vector<std::string> uses;
    // Architectures: the text from the start of the heading's line to the end of the line of
    // the closing semicolon.
    std::uint32_t text_begin = 0;
    std::uint32_t text_end = 0;
};

struct ParsedFile {
    std::vector<DesignUnit> units;
    int errors = 0;
    int warnings = 0;
};

const char* mode_word(InterfaceMode mode);

} // namespace zeph::vhdl
