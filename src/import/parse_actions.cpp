// Semantic actions of the VHDL grammar: units, messages and the token stream.
#include "import/parse_actions.h"

#include "foundation/strings.h"
#include "import/import_texts.h"

#include <algorithm>

namespace zeph::vhdl {

namespace {

const char* closing_message(CloseCheck check) {
    switch (check) {
    case CloseCheck::Entity:
        return text::kEntityNames;
    case CloseCheck::Architecture:
        return text::kArchitectureNames;
    case CloseCheck::Configuration:
        return text::kConfigurationNames;
    case CloseCheck::Package:
        return text::kPackageNames;
    case CloseCheck::PackageBody:
        return text::kPackageBodyNames;
    case CloseCheck::Subprogram:
        return text::kSubprogramNames;
    case CloseCheck::Block:
        return text::kBlockNames;
    case CloseCheck::Generate:
        return text::kGenerateNames;
    case CloseCheck::Process:
        return text::kProcessNames;
    case CloseCheck::Loop:
        return text::kLoopNames;
    case CloseCheck::None:
        break;
    }
    return nullptr;
}

const char* code_message(int code) {
    constexpr int count = sizeof(text::kErrorCodeMessages) / sizeof(text::kErrorCodeMessages[0]);
    return code >= 0 && code < count ? text::kErrorCodeMessages[code] : text::kUnknownError;
}

} // namespace

const char* mode_word(InterfaceMode mode) {
    switch (mode) {
    case InterfaceMode::In:
        return "IN";
    case InterfaceMode::Out:
        return "OUT";
    case InterfaceMode::Inout:
        return "INOUT";
    case InterfaceMode::Buffer:
        return "BUFFER";
    case InterfaceMode::Linkage:
        return "LINKAGE";
    case InterfaceMode::None:
        break;
    }
    return "";
}

ParseActions::ParseActions(const SourceText& source, ImportLog& log, const ParseOptions& options)
    : source_(source), log_(log), options_(options), lexer_(source, options.vhdl93, this) {}

// Tokens and messages -------------------------------------------------------------------------

Token ParseActions::next_token() {
    flush_pending_error();
    previous_end_ = current_.end;
    current_ = lexer_.next();
    ++tokens_read_;
    return current_;
}

void ParseActions::log_error(std::uint32_t offset, const std::string& message) {
    int line = source_.line_of(offset);
    std::string heading = format_text(text::kErrorHeading, options_.file_name.c_str(), line);
    log_.write(heading + source_.line_text(line) + "\r\n" + message + "\r\n");
    ++errors_;
}

void ParseActions::log_warning(const std::string& message) {
    log_.write("\r\n" + message + "\r\n\r\n");
    ++warnings_;
}

void ParseActions::progress(const std::string& line) {
    log_.write(line + "\r\n");
}

void ParseActions::lexical_error(std::uint32_t offset, const std::string& message) {
    log_error(offset, message);
}

void ParseActions::syntax_error(Span at) {
    flush_pending_error();
    pending_error_ = at;
}

void ParseActions::flush_pending_error() {
    if (!pending_error_) return;
    Span at = *pending_error_;
    pending_error_.reset();
    // A file whose very first token cannot start a design unit is no VHDL at all.
    bool at_first_token = tokens_read_ == 1 && result_.units.empty();
    log_error(at.begin, at_first_token ? code_message(7) : text::kSyntaxError);
}

void ParseActions::error_code(Span at, int code) {
    std::uint32_t offset = pending_error_ ? pending_error_->begin : at.begin;
    pending_error_.reset();
    log_error(offset, code_message(code));
}

void ParseActions::identifier_expected() {
    // A reserved word where the name should stand is a bad identifier, unless it is the word
    // that follows the name ("architecture of e"): then the name is just missing.
    bool follows_name = current_.kind == Tok::T_OF || current_.kind == Tok::T_IS;
    bool bad = is_reserved_word(current_.kind) && !follows_name;
    error_code(Span{current_.begin, current_.end}, bad ? 1 : 0);
}

void ParseActions::stray_semicolon(Span at) {
    flush_pending_error();
    log_error(at.begin, code_message(3));
}

void ParseActions::unit_text_skipped(Span semicolon) {
    // An error inside an architecture can make the parser take a nested END (of an IF, a
    // process, a generate) for the architecture's own; the statements after it up to the real
    // end are then skipped here. They belong to the architecture's text, which would
    // otherwise be cut short in its HDL file.
    if (!cut_architecture_) return;
    DesignUnit& unit = result_.units[*cut_architecture_];
    if (semicolon.end > unit.text_begin)
        unit.text_end = std::max(unit.text_end, source_.line_end(semicolon.end - 1));
}

void ParseActions::use_clause_unfinished() {
    // "use ieee std_logic_1164.all;": a name of one part that goes on without its dot.
    error_code(Span{current_.begin, current_.end}, last_use_parts_ < 2 ? 6 : 2);
}

void ParseActions::vhdl93_only(Span at) {
    if (options_.vhdl93) return;
    flush_pending_error();
    log_error(at.begin, text::kSyntaxError);
}

void ParseActions::stack_overflow() {
    flush_pending_error();
    log_error(current_.begin, text::kStackOverflow);
}

void ParseActions::finish() {
    flush_pending_error();
}

// Context clauses --------------------------------------------------------------------------------

void ParseActions::library_name(Span name) {
    cut_architecture_.reset();
    std::string library = word(name);
    if (options_.debug_level != 0)
        progress(format_text(text::kUsingLibrary, library.c_str(), options_.file_name.c_str()));
    pending_libraries_.push_back(std::move(library));
}

void ParseActions::use_name(const UseNameSyntax& name) {
    cut_architecture_.reset();
    last_use_parts_ = name.parts;
    if (name.parts < 2) {
        log_error(name.whole.begin, text::kUseTooFew);
        return;
    }
    if (name.parts > 3) {
        log_error(name.whole.begin, text::kUseTooMany);
        return;
    }
    std::string whole = text(name.whole);
    if (options_.debug_level != 0) {
        std::string prefix = text(Span{name.whole.begin, name.last.begin});
        if (!prefix.empty() && prefix.back() == '.') prefix.pop_back();
        while (!prefix.empty() && prefix.back() == ' ')
            prefix.pop_back();
        if (!prefix.empty() && prefix.back() == '.') prefix.pop_back();
        progress(format_text(text::kUsingUse, prefix.c_str(), text(name.last).c_str()));
    }
    pending_uses_.push_back(std::move(whole));
}

// Units ---------------------------------------------------------------------------------------

std::string ParseActions::unit_name_or(Span name, const char* missing) const {
    return name.empty() ? std::string(missing) : word(name);
}

DesignUnit& ParseActions::begin_unit(UnitKind kind, std::string name) {
    DesignUnit& unit = result_.units.emplace_back();
    unit.kind = kind;
    unit.name = std::move(name);
    unit.libraries = std::move(pending_libraries_);
    unit.uses = std::move(pending_uses_);
    pending_libraries_.clear();
    pending_uses_.clear();
    open_unit_ = result_.units.size() - 1;
    cut_architecture_.reset();
    return unit;
}

void ParseActions::check_unit_closing(Span closing, CloseCheck check) {
    if (open_unit_ && !closing.empty() && !result_.units[*open_unit_].name.empty())
        check_closing(Span{0, 0}, closing, check);
    open_unit_.reset();
}

void ParseActions::check_closing(Span name, Span closing, CloseCheck check) {
    if (closing.empty()) return;
    std::string expected =
        name.empty() && open_unit_ ? result_.units[*open_unit_].name : word(name);
    if (!equal_ignoring_case(expected, word(closing)))
        log_error(closing.begin, closing_message(check));
}

void ParseActions::entity_begin(Span name, Span /*keyword*/) {
    DesignUnit& unit = begin_unit(UnitKind::Entity, unit_name_or(name, text::kEntityNotNamed));
    progress(format_text(text::kParsingEntity, unit.name.c_str()));
}

void ParseActions::entity_generics(const std::vector<InterfaceSyntax>& list) {
    std::vector<InterfaceElement> generics = interface_elements(list, true);
    if (open_unit_) result_.units[*open_unit_].generics = std::move(generics);
}

void ParseActions::entity_ports(const std::vector<InterfaceSyntax>& list) {
    std::vector<InterfaceElement> ports = interface_elements(list, false);
    if (open_unit_) result_.units[*open_unit_].ports = std::move(ports);
}

void ParseActions::progress_entity_body() {
    progress(text::kParsingEntityBody);
}

void ParseActions::entity_end(Span closing) {
    check_unit_closing(closing, CloseCheck::Entity);
}

void ParseActions::architecture_begin(Span name, Span entity, Span keyword) {
    std::string entity_name = unit_name_or(entity, text::kEntNotNamed);
    std::string architecture_name = name.empty() ? std::string() : word(name);
    const DesignUnit* known = earlier_entity(entity_name);
    if (name.empty()) {
        log_warning(format_text(text::kArchitectureNoName, " of ", entity_name.c_str()));
        if (known == nullptr)
            log_warning(format_text(text::kEntityMustBeDeclared, entity_name.c_str(), ""));
    } else if (known == nullptr) {
        log_warning(format_text(text::kEntityBeforeArchitecture, entity_name.c_str(),
                                architecture_name.c_str()));
    }
    if (!name.empty()) {
        for (const DesignUnit& unit : result_.units) {
            if (unit.kind == UnitKind::Architecture &&
                equal_ignoring_case(unit.name, architecture_name) &&
                equal_ignoring_case(unit.entity_name, entity_name)) {
                log_warning(format_text(text::kArchitectureTwice, architecture_name.c_str(),
                                        entity_name.c_str()));
                break;
            }
        }
    }
    DesignUnit& unit = begin_unit(UnitKind::Architecture, architecture_name);
    unit.entity_name = entity_name;
    unit.text_begin = source_.line_start(keyword.begin);
    errors_at_architecture_ = errors_;
    progress(format_text(text::kParsingArchitecture, unit.name.c_str(), unit.entity_name.c_str()));
}

void ParseActions::architecture_end(Span closing, std::uint32_t last_byte_end) {
    if (open_unit_) {
        DesignUnit& unit = result_.units[*open_unit_];
        std::uint32_t last = last_byte_end > unit.text_begin ? last_byte_end - 1 : unit.text_begin;
        unit.text_end = std::max(source_.line_end(last), unit.text_begin);
        if (errors_ + (pending_error_ ? 1 : 0) > errors_at_architecture_)
            cut_architecture_ = open_unit_;
    }
    check_unit_closing(closing, CloseCheck::Architecture);
}

void ParseActions::package_begin(Span name) {
    DesignUnit& unit = begin_unit(UnitKind::Package, unit_name_or(name, ""));
    progress(format_text(text::kParsingPackage, unit.name.c_str()));
}

void ParseActions::package_end(Span closing) {
    check_unit_closing(closing, CloseCheck::Package);
}

void ParseActions::package_body_begin(Span name) {
    DesignUnit& unit = begin_unit(UnitKind::PackageBody, unit_name_or(name, ""));
    progress(format_text(text::kParsingPackageBody, unit.name.c_str()));
}

void ParseActions::package_body_end(Span closing) {
    check_unit_closing(closing, CloseCheck::PackageBody);
}

void ParseActions::configuration_begin(Span name, Span entity) {
    DesignUnit& unit = begin_unit(UnitKind::Configuration, unit_name_or(name, ""));
    unit.entity_name = unit_name_or(entity, text::kEntNotNamed);
    progress(format_text(text::kParsingConfiguration, unit.name.c_str(), unit.entity_name.c_str()));
}

void ParseActions::configuration_end(Span closing) {
    check_unit_closing(closing, CloseCheck::Configuration);
}

// Components ---------------------------------------------------------------------------------

void ParseActions::component_begin(Span name) {
    component_name_ = name.empty() ? std::string() : word(name);
    component_offset_ = name.begin;
    component_generics_.clear();
    component_ports_.clear();
    progress(format_text(text::kParsingComponent, component_name_.c_str()));
}

void ParseActions::component_generics(const std::vector<InterfaceSyntax>& list) {
    component_generics_ = interface_elements(list, true);
}

void ParseActions::component_ports(const std::vector<InterfaceSyntax>& list) {
    component_ports_ = interface_elements(list, false);
}

void ParseActions::component_end(Span /*closing*/) {
    if (const DesignUnit* entity = earlier_entity(component_name_)) compare_component(*entity);
}

const DesignUnit* ParseActions::earlier_entity(const std::string& name) const {
    for (const DesignUnit& unit : result_.units)
        if (unit.kind == UnitKind::Entity && equal_ignoring_case(unit.name, name)) return &unit;
    return nullptr;
}

namespace {
// One entry per declared name, in order.
struct FlatElement {
    const InterfaceElement* element;
    const std::string* name;
};
std::vector<FlatElement> flatten(const std::vector<InterfaceElement>& list) {
    std::vector<FlatElement> flat;
    for (const InterfaceElement& e : list)
        for (const std::string& n : e.names)
            flat.push_back({&e, &n});
    return flat;
}
} // namespace

void ParseActions::compare_component(const DesignUnit& entity) {
    std::vector<FlatElement> component_generics = flatten(component_generics_);
    std::vector<FlatElement> entity_generics = flatten(entity.generics);
    if (component_generics.size() > entity_generics.size())
        log_error(component_offset_,
                  format_text(text::kComponentGenericCount, component_name_.c_str()));
    std::size_t n = std::min(component_generics.size(), entity_generics.size());
    for (std::size_t i = 0; i < n; ++i) {
        const FlatElement& c = component_generics[i];
        const FlatElement& e = entity_generics[i];
        if (!equal_ignoring_case(*c.name, *e.name))
            log_error(component_offset_,
                      format_text(text::kNamesDiffer, c.name->c_str(), e.name->c_str()));
        if (!equal_ignoring_case(c.element->subtype.text, e.element->subtype.text))
            log_error(component_offset_,
                      format_text(text::kGenericTypesDiffer, e.name->c_str(), entity.name.c_str()));
    }
    std::vector<FlatElement> component_ports = flatten(component_ports_);
    std::vector<FlatElement> entity_ports = flatten(entity.ports);
    n = std::min(component_ports.size(), entity_ports.size());
    for (std::size_t i = 0; i < n; ++i) {
        const InterfaceElement& c = *component_ports[i].element;
        const InterfaceElement& e = *entity_ports[i].element;
        if (!equal_ignoring_case(*component_ports[i].name, *entity_ports[i].name))
            log_error(component_offset_,
                      format_text(text::kNamesDiffer, component_ports[i].name->c_str(),
                                  entity_ports[i].name->c_str()));
        if (!equal_ignoring_case(c.subtype.text, e.subtype.text))
            log_error(component_offset_, format_text(text::kTypesDiffer, c.subtype.text.c_str(),
                                                     e.subtype.text.c_str()));
        if (c.bus && !e.bus) log_error(component_offset_, text::kBusMissingInEntity);
        if (!c.bus && e.bus) log_error(component_offset_, text::kBusInEntity);
        if (c.mode != e.mode)
            log_error(component_offset_,
                      format_text(text::kModesDiffer, mode_word(c.mode), mode_word(e.mode)));
    }
}

// Interface lists ------------------------------------------------------------------------------

std::vector<InterfaceElement>
ParseActions::interface_elements(const std::vector<InterfaceSyntax>& list, bool generics) {
    std::vector<InterfaceElement> elements;
    elements.reserve(list.size());
    for (const InterfaceSyntax& syntax : list) {
        InterfaceElement& e = elements.emplace_back();
        std::uint32_t at =
            syntax.names.empty() ? syntax.subtype.whole.begin : syntax.names[0].begin;
        e.line = source_.line_of(at);
        e.object_class = syntax.object_class;
        for (Span name : syntax.names)
            e.names.push_back(word(name));
        e.mode = syntax.mode == InterfaceMode::None ? InterfaceMode::In : syntax.mode;
        e.subtype = subtype_text(syntax.subtype);
        e.bus = syntax.bus;
        if (syntax.has_default) e.default_value = text(syntax.default_value);
        if (generics) {
            if (e.mode != InterfaceMode::In) {
                log_error(at, text::kGenericModeIn);
                e.mode = InterfaceMode::In;
            }
            if (e.object_class == ObjectClass::Signal || e.object_class == ObjectClass::Variable ||
                e.object_class == ObjectClass::File) {
                log_error(at, text::kGenericClassConstant);
                e.object_class = ObjectClass::None;
            }
        } else {
            if (e.object_class != ObjectClass::None && e.object_class != ObjectClass::Signal) {
                log_error(at, text::kPortClassSignal);
                e.object_class = ObjectClass::None;
            }
            if (e.subtype.index_ranges > 1) log_warning(text::kMultipleRanges);
        }
    }
    return elements;
}

SubtypeText ParseActions::subtype_text(const SubtypeSyntax& syntax) const {
    SubtypeText t;
    t.text = text(syntax.whole);
    t.mark = text(syntax.mark);
    t.index_ranges = syntax.ranges;
    if (syntax.constraint == ConstraintKind::Range || syntax.constraint == ConstraintKind::Index) {
        t.has_range_constraint = syntax.constraint == ConstraintKind::Range;
        t.has_index_constraint = syntax.constraint == ConstraintKind::Index;
        t.range.left = text(syntax.range.left);
        t.range.direction = syntax.range.direction;
        t.range.right = text(syntax.range.right);
    }
    return t;
}

// Statements ---------------------------------------------------------------------------------

void ParseActions::statement_label(Span label) {
    statement_label_ = label;
}

void ParseActions::process_begin() {
    std::string label = statement_label_.empty() ? std::string() : word(statement_label_);
    statement_label_ = Span{};
    progress(format_text(text::kParsingProcess, label.c_str()));
}

void ParseActions::check_label(Span label, const Closing& closing) {
    statement_label_ = Span{};
    if (closing.check == CloseCheck::None || closing.name.empty()) return;
    if (!equal_ignoring_case(word(label), word(closing.name)))
        log_error(closing.name.begin, closing_message(closing.check));
}

// Names and subtypes ---------------------------------------------------------------------------

NameSyntax ParseActions::simple_name(Span at) const {
    NameSyntax n;
    n.whole = n.prefix = at;
    return n;
}

NameSyntax ParseActions::selected_name(const NameSyntax& prefix, Span whole) const {
    NameSyntax n;
    n.whole = n.prefix = whole;
    n.plain = prefix.plain && prefix.groups == 0;
    return n;
}

NameSyntax ParseActions::indexed_name(const NameSyntax& prefix, const ElementsSyntax& elements,
                                      Span whole) const {
    NameSyntax n;
    n.whole = whole;
    n.prefix = prefix.whole;
    n.groups = prefix.groups + 1;
    n.plain = prefix.plain;
    n.last = elements;
    return n;
}

NameSyntax ParseActions::other_name(Span whole) const {
    NameSyntax n;
    n.whole = n.prefix = whole;
    n.plain = false;
    return n;
}

ElementsSyntax ParseActions::next_element(const ElementsSyntax& list,
                                          const ElementsSyntax& element) const {
    ElementsSyntax e = list;
    e.count += element.count;
    e.ranges += element.ranges;
    return e;
}

SubtypeSyntax ParseActions::subtype(const NameSyntax& name, Span whole) const {
    SubtypeSyntax s;
    s.whole = whole;
    s.mark = name.whole;
    if (!name.plain) {
        s.constraint = ConstraintKind::Other;
    } else if (name.groups == 1) {
        s.mark = name.prefix;
        s.ranges = name.last.ranges;
        if (name.last.first_is_range) {
            s.constraint = ConstraintKind::Index;
            s.range = name.last.first_range;
        } else {
            s.constraint = ConstraintKind::Other;
        }
    } else if (name.groups > 1) {
        s.constraint = ConstraintKind::Other;
    }
    return s;
}

SubtypeSyntax ParseActions::range_subtype(const NameSyntax& mark, const RangeSyntax& range,
                                          Span whole) const {
    SubtypeSyntax s;
    s.whole = whole;
    s.mark = mark.whole;
    s.constraint = mark.plain && mark.groups == 0 ? ConstraintKind::Range : ConstraintKind::Other;
    s.range = range;
    return s;
}

std::string ParseActions::word(Span at) const {
    return std::string(source_.text().substr(at.begin, at.end - at.begin));
}

std::string ParseActions::text(Span at) const {
    Lexer lexer(source_, options_.vhdl93, nullptr);
    lexer.restrict_to(at.begin, at.end);
    std::string joined;
    std::uint32_t previous_end = at.begin;
    for (Token t = lexer.next(); t.kind != Tok::T_EOF; t = lexer.next()) {
        if (!joined.empty() && t.begin > previous_end) joined += ' ';
        joined.append(source_.text().substr(t.begin, t.end - t.begin));
        previous_end = t.end;
    }
    return joined;
}

ParsedFile ParseActions::take_result() {
    result_.errors = errors_;
    result_.warnings = warnings_;
    return std::move(result_);
}

} // namespace zeph::vhdl
