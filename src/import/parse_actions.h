// The semantic actions of the VHDL grammar: they collect the design units, turn the syntax
// records of interfaces into texts, run the checks made during the parse, and write the
// progress lines and messages to the import log.
#pragma once

#include "import/design_units.h"
#include "import/import_log.h"
#include "import/source_text.h"
#include "import/syntax_records.h"
#include "import/vhdl_lexer.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace zeph::vhdl {

struct ParseOptions {
    bool vhdl93 = false;
    int debug_level = 0;             // nonzero: also the USE and LIBRARY lines; 2: parser trace
    std::size_t stack_limit = 10000; // parser stack entries
    std::string file_name;           // shown in error lines (without directory)
};

class ParseActions : public LexerMessages {
  public:
    ParseActions(const SourceText& source, ImportLog& log, const ParseOptions& options);

    // Token stream of the parser.
    Token next_token();
    std::uint32_t previous_token_end() const { return previous_end_; }

    // Messages.
    void lexical_error(std::uint32_t offset, const std::string& message) override;
    void syntax_error(Span at);
    void error_code(Span at, int code);
    void identifier_expected();
    void stray_semicolon(Span at);
    // Text up to the semicolon was skipped between design units.
    void unit_text_skipped(Span semicolon);
    void use_clause_unfinished();
    void vhdl93_only(Span at);
    std::size_t stack_limit() const { return options_.stack_limit; }
    void stack_overflow();
    // Ends the parse: a syntax error still waiting for its message gets "syntax error".
    void finish();

    // Context clauses.
    void library_name(Span name);
    void use_name(const UseNameSyntax& name);

    // Units.
    void entity_begin(Span name, Span keyword);
    void entity_generics(const std::vector<InterfaceSyntax>& list);
    void entity_ports(const std::vector<InterfaceSyntax>& list);
    void progress_entity_body();
    void entity_end(Span closing);
    void architecture_begin(Span name, Span entity, Span keyword);
    void architecture_end(Span closing, std::uint32_t last_byte_end);
    void package_begin(Span name);
    void package_end(Span closing);
    void package_body_begin(Span name);
    void package_body_end(Span closing);
    void configuration_begin(Span name, Span entity);
    void configuration_end(Span closing);
    void component_begin(Span name);
    void component_generics(const std::vector<InterfaceSyntax>& list);
    void component_ports(const std::vector<InterfaceSyntax>& list);
    void component_end(Span closing);

    // Statements.
    void statement_label(Span label);
    void process_begin();
    void check_label(Span label, const Closing& closing);
    void check_closing(Span name, Span closing, CloseCheck check);

    // Names and subtypes.
    NameSyntax simple_name(Span at) const;
    NameSyntax selected_name(const NameSyntax& prefix, Span whole) const;
    NameSyntax indexed_name(const NameSyntax& prefix, const ElementsSyntax& elements,
                            Span whole) const;
    NameSyntax other_name(Span whole) const;
    ElementsSyntax first_element(const ElementsSyntax& element) const { return element; }
    ElementsSyntax next_element(const ElementsSyntax& list, const ElementsSyntax& element) const;
    SubtypeSyntax subtype(const NameSyntax& name, Span whole) const;
    SubtypeSyntax range_subtype(const NameSyntax& mark, const RangeSyntax& range, Span whole) const;

    // The words and texts of spans: a word as written, an expression with its blanks and
    // comments between tokens made one blank.
    std::string word(Span at) const;
    std::string text(Span at) const;

    ParsedFile take_result();
    int errors() const { return errors_; }

  private:
    void log_error(std::uint32_t offset, const std::string& message);
    void log_warning(const std::string& message);
    void progress(const std::string& line);
    void flush_pending_error();
    std::vector<InterfaceElement> interface_elements(const std::vector<InterfaceSyntax>& list,
                                                     bool generics);
    SubtypeText subtype_text(const SubtypeSyntax& syntax) const;
    const DesignUnit* earlier_entity(const std::string& name) const;
    void compare_component(const DesignUnit& entity);
    std::string unit_name_or(Span name, const char* missing) const;
    DesignUnit& begin_unit(UnitKind kind, std::string name);
    void check_unit_closing(Span closing, CloseCheck check);

    const SourceText& source_;
    ImportLog& log_;
    ParseOptions options_;
    Lexer lexer_;
    ParsedFile result_;
    int errors_ = 0;
    int warnings_ = 0;

    Token current_;
    std::uint32_t previous_end_ = 0;
    int tokens_read_ = 0;
    int last_use_parts_ = 0;
    std::optional<Span> pending_error_;

    std::vector<std::string> pending_libraries_;
    std::vector<std::string> pending_uses_;
    std::optional<std::size_t> open_unit_; // index of the unit being parsed
    // Errors counted when the open architecture began.
    int errors_at_architecture_ = 0;
    // The architecture just ended after errors inside it: text skipped after it is its own.
    std::optional<std::size_t> cut_architecture_;
    Span statement_label_;
    // The component being declared.
    std::string component_name_;
    std::vector<InterfaceElement> component_generics_;
    std::vector<InterfaceElement> component_ports_;
    std::uint32_t component_offset_ = 0;
};

} // namespace zeph::vhdl
