// ---------------------------------------------------------------------------------------
// Design file, context clauses and the five library units.

design_file
    : %empty
    | design_file design_unit
    ;

design_unit
    : library_clause
    | use_clause
    | entity_declaration
    | architecture_body
    | package_declaration
    | package_body
    | configuration_declaration
    | SEMI                                   { act.stray_semicolon(@1); }
    | error SEMI                             { act.unit_text_skipped(@2); }
    ;

library_clause
    : LIBRARY logical_names semicolon
    ;

logical_names
    : IDENTIFIER                             { act.library_name(@1); }
    | logical_names COMMA IDENTIFIER         { act.library_name(@3); }
    ;

use_clause
    : USE use_names SEMI
    | USE use_names error                    { act.use_clause_unfinished(); }
    ;

use_names
    : use_name                               { act.use_name($1); }
    | use_names COMMA use_name               { act.use_name($3); }
    ;

%nterm <UseNameSyntax> use_name;
use_name
    : IDENTIFIER                             { $$ = {@$, @1, 1}; }
    | use_name DOT use_suffix                { $$ = {@$, @3, $1.parts + 1}; }
    | use_name DOT error                     { $$ = {@$, @1, $1.parts + 1}; act.error_code(@3, 5); }
    ;

use_suffix
    : IDENTIFIER
    | STRING
    | CHARACTER
    | ALL
    ;

// A unit name that is missing or a reserved word is reported and taken as empty.
%nterm <Span> unit_name;
unit_name
    : IDENTIFIER                             { $$ = @1; }
    | error                                  { $$ = Span{@1.begin, @1.begin}; act.identifier_expected(); }
    ;

// The name after END; empty when none.
%nterm <Span> closing_name;
closing_name
    : %empty                                 { $$ = Span{@$.end, @$.end}; }
    | IDENTIFIER                             { $$ = @1; }
    | STRING                                 { $$ = @1; }
    ;

// The end of a unit: the offset of the end of its last token.
%nterm <std::uint32_t> semicolon;
semicolon
    : SEMI                                   { $$ = @1.end; }
    | error                                  { $$ = act.previous_token_end(); act.error_code(@1, 2); }
    ;

// Entity -------------------------------------------------------------------------------

entity_declaration
    : entity_head entity_header declarative_items entity_statement_part
      END entity_keyword_93 closing_name semicolon
                                             { act.entity_end(@7); }
    ;

entity_head
    : ENTITY unit_name IS                    { act.entity_begin($2, @1); }
    ;

entity_header
    : generic_clause_opt port_clause_opt
    ;

entity_statement_part
    : %empty
    | BEGIN                                  { act.progress_entity_body(); }
      concurrent_statements
    ;

entity_keyword_93
    : %empty
    | ENTITY                                 { act.vhdl93_only(@1); }
    ;

// Architecture ---------------------------------------------------------------------------

architecture_body
    : architecture_head declarative_items BEGIN concurrent_statements
      END architecture_keyword_93 closing_name semicolon
                                             { act.architecture_end(@7, $8); }
    ;

architecture_head
    : ARCHITECTURE unit_name OF unit_name IS { act.architecture_begin($2, $4, @1); }
    ;

architecture_keyword_93
    : %empty
    | ARCHITECTURE                           { act.vhdl93_only(@1); }
    ;

// Packages -------------------------------------------------------------------------------

package_declaration
    : PACKAGE unit_name IS                   { act.package_begin($2); }
      declarative_items END package_keyword_93 closing_name semicolon
                                             { act.package_end(@8); }
    ;

package_keyword_93
    : %empty
    | PACKAGE                                { act.vhdl93_only(@1); }
    ;

package_body
    : PACKAGE BODY unit_name IS              { act.package_body_begin($3); }
      declarative_items END package_body_keywords_93 closing_name semicolon
                                             { act.package_body_end(@9); }
    ;

package_body_keywords_93
    : %empty
    | PACKAGE BODY                           { act.vhdl93_only(@1); }
    ;

// Configurations -------------------------------------------------------------------------

configuration_declaration
    : CONFIGURATION unit_name OF unit_name IS { act.configuration_begin($2, $4); }
      configuration_declarative_items block_configuration
      END configuration_keyword_93 closing_name semicolon
                                             { act.configuration_end(@11); }
    ;

configuration_keyword_93
    : %empty
    | CONFIGURATION                          { act.vhdl93_only(@1); }
    ;

configuration_declarative_items
    : %empty
    | configuration_declarative_items use_clause
    | configuration_declarative_items attribute_specification
    ;

block_configuration
    : FOR name configuration_uses configuration_items END FOR SEMI
    ;

configuration_uses
    : %empty
    | configuration_uses use_clause
    ;

configuration_items
    : %empty
    | configuration_items block_configuration
    | configuration_items component_configuration
    ;

component_configuration
    : FOR component_specification binding_opt block_configuration_opt END FOR SEMI
    ;

binding_opt
    : %empty
    | binding_indication SEMI
    ;

block_configuration_opt
    : %empty
    | block_configuration
    ;
