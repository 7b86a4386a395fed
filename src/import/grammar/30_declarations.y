// ---------------------------------------------------------------------------------------
// Declarations: one set of declarative items serves every declarative part (entity,
// architecture, block, generate, package, package body, process, subprogram).

declarative_items
    : %empty
    | declarative_items declarative_item
    ;

declarative_item
    : declaration
    | error SEMI
    ;

declaration
    : subprogram_specification SEMI
    | subprogram_specification IS declarative_items BEGIN sequential_statements
      END subprogram_kind_93 closing_name SEMI
                                             { act.check_closing($1, @8, CloseCheck::Subprogram); }
    | type_declaration
    | subtype_declaration
    | object_declaration
    | alias_declaration
    | attribute_declaration
    | attribute_specification
    | component_declaration
    | configuration_specification
    | disconnection_specification
    | use_clause
    | group_declaration
    ;

// Subprograms ----------------------------------------------------------------------------

%nterm <Span> subprogram_specification;
subprogram_specification
    : PROCEDURE designator formal_part_opt   { $$ = $2; }
    | purity FUNCTION designator formal_part_opt RETURN name
                                             { $$ = $3; }
    ;

purity
    : %empty
    | PURE
    | IMPURE
    ;

%nterm <Span> designator;
designator
    : IDENTIFIER                             { $$ = @1; }
    | STRING                                 { $$ = @1; }
    ;

formal_part_opt
    : %empty
    | LPAREN interface_list RPAREN
    ;

subprogram_kind_93
    : %empty
    | PROCEDURE                              { act.vhdl93_only(@1); }
    | FUNCTION                               { act.vhdl93_only(@1); }
    ;

// Types ----------------------------------------------------------------------------------

type_declaration
    : TYPE IDENTIFIER IS type_definition SEMI
    | TYPE IDENTIFIER SEMI
    ;

type_definition
    : LPAREN enumeration_literals RPAREN
    | RANGE range
    | RANGE range UNITS IDENTIFIER SEMI secondary_units END UNITS closing_name
    | RANGE name
    | ARRAY LPAREN index_definitions RPAREN OF subtype_indication
    | RECORD record_elements END RECORD closing_name
    | ACCESS subtype_indication
    | FILE OF name
    ;

enumeration_literals
    : enumeration_literal
    | enumeration_literals COMMA enumeration_literal
    ;

enumeration_literal
    : IDENTIFIER
    | CHARACTER
    ;

secondary_units
    : %empty
    | secondary_units IDENTIFIER EQ expression SEMI
    ;

index_definitions
    : index_definition
    | index_definitions COMMA index_definition
    ;

index_definition
    : name RANGE BOX
    | discrete_range
    ;

record_elements
    : record_element
    | record_elements record_element
    ;

record_element
    : identifier_list COLON subtype_indication SEMI
    ;

subtype_declaration
    : SUBTYPE IDENTIFIER IS subtype_indication SEMI
    ;

// Objects --------------------------------------------------------------------------------

object_declaration
    : CONSTANT identifier_list COLON subtype_indication default_opt SEMI
    | SIGNAL identifier_list COLON subtype_indication signal_kind_opt default_opt SEMI
    | VARIABLE identifier_list COLON subtype_indication default_opt SEMI
    | SHARED VARIABLE identifier_list COLON subtype_indication default_opt SEMI
    | FILE identifier_list COLON subtype_indication file_information SEMI
    ;

signal_kind_opt
    : %empty
    | REGISTER
    | BUS
    ;

file_information
    : IS mode expression                     // VHDL 87: IS [IN | OUT] name
    | OPEN expression IS expression          // VHDL 93
    | %empty                                 // VHDL 93
    ;

alias_declaration
    : ALIAS designator COLON subtype_indication IS name SEMI
    | ALIAS designator IS name SEMI          { act.vhdl93_only(@3); }
    ;

// Attributes, components, specifications -----------------------------------------------------

attribute_declaration
    : ATTRIBUTE IDENTIFIER COLON name SEMI
    ;

attribute_specification
    : ATTRIBUTE IDENTIFIER OF entity_names COLON entity_class IS expression SEMI
    ;

entity_names
    : entity_designators
    | OTHERS
    | ALL
    ;

entity_designators
    : entity_designator
    | entity_designators COMMA entity_designator
    ;

entity_designator
    : IDENTIFIER
    | STRING
    | CHARACTER
    ;

entity_class
    : ENTITY | ARCHITECTURE | CONFIGURATION | PROCEDURE | FUNCTION | PACKAGE | TYPE
    | SUBTYPE | CONSTANT | SIGNAL | VARIABLE | COMPONENT | LABEL | LITERAL | UNITS | GROUP
    | FILE
    ;

component_declaration
    : COMPONENT unit_name is_93 { act.component_begin($2); }
      component_generics component_ports END COMPONENT closing_name SEMI
                                             { act.component_end(@9); }
    ;

is_93
    : %empty
    | IS                                     { act.vhdl93_only(@1); }
    ;

component_generics
    : %empty
    | GENERIC LPAREN interface_list RPAREN optional_semicolon
                                             { act.component_generics($3); }
    ;

component_ports
    : %empty
    | PORT LPAREN interface_list RPAREN optional_semicolon
                                             { act.component_ports($3); }
    ;

configuration_specification
    : FOR component_specification binding_indication SEMI
    ;

component_specification
    : instantiation_list COLON name
    ;

instantiation_list
    : identifier_list
    | OTHERS
    | ALL
    ;

binding_indication
    : USE entity_aspect map_aspects_opt
    ;

entity_aspect
    : ENTITY name
    | CONFIGURATION name
    | OPEN
    ;

disconnection_specification
    : DISCONNECT signal_names COLON name AFTER expression SEMI
    ;

signal_names
    : name_list
    | OTHERS
    | ALL
    ;

// VHDL 93 groups: a template, or a group of named constituents.
group_declaration
    : GROUP IDENTIFIER IS LPAREN group_classes RPAREN SEMI
    | GROUP IDENTIFIER COLON name SEMI
    ;

group_classes
    : entity_class box_opt
    | group_classes COMMA entity_class box_opt
    ;

box_opt
    : %empty
    | BOX
    ;
