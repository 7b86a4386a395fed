// ---------------------------------------------------------------------------------------
// Generic and port clauses, interface lists, subtype indications and association maps.

generic_clause_opt
    : %empty
    | GENERIC LPAREN interface_list RPAREN optional_semicolon
                                             { act.entity_generics($3); }
    ;

port_clause_opt
    : %empty
    | PORT LPAREN interface_list RPAREN optional_semicolon
                                             { act.entity_ports($3); }
    ;

optional_semicolon
    : %empty
    | SEMI
    ;

%nterm <std::vector<InterfaceSyntax>> interface_list;
interface_list
    : interface_element                      { $$.push_back(std::move($1)); }
    | interface_list SEMI interface_element  { $$ = std::move($1); $$.push_back(std::move($3)); }
    ;

%nterm <InterfaceSyntax> interface_element;
interface_element
    : object_class identifier_list colon mode subtype_or_error bus_opt default_opt
        {
            $$.object_class = $1;
            $$.names = std::move($2);
            $$.mode = $4;
            $$.subtype = $5;
            $$.bus = $6;
            $$.default_value = $7;
            $$.has_default = !$7.empty();
        }
    ;

%nterm <ObjectClass> object_class;
object_class
    : %empty                                 { $$ = ObjectClass::None; }
    | CONSTANT                               { $$ = ObjectClass::Constant; }
    | SIGNAL                                 { $$ = ObjectClass::Signal; }
    | VARIABLE                               { $$ = ObjectClass::Variable; }
    | FILE                                   { $$ = ObjectClass::File; act.vhdl93_only(@1); }
    ;

%nterm <std::vector<Span>> identifier_list;
identifier_list
    : IDENTIFIER                             { $$.push_back(@1); }
    | identifier_list COMMA IDENTIFIER       { $$ = std::move($1); $$.push_back(@3); }
    ;

colon
    : COLON
    | error                                  { act.error_code(@1, 4); }
    ;

%nterm <InterfaceMode> mode;
mode
    : %empty                                 { $$ = InterfaceMode::None; }
    | IN                                     { $$ = InterfaceMode::In; }
    | OUT                                    { $$ = InterfaceMode::Out; }
    | INOUT                                  { $$ = InterfaceMode::Inout; }
    | BUFFER                                 { $$ = InterfaceMode::Buffer; }
    | LINKAGE                                { $$ = InterfaceMode::Linkage; }
    ;

%nterm <SubtypeSyntax> subtype_or_error;
subtype_or_error
    : subtype_indication                     { $$ = $1; }
    | error                                  { $$.whole = Span{@1.begin, @1.begin}; act.identifier_expected(); }
    ;

%nterm <bool> bus_opt;
bus_opt
    : %empty                                 { $$ = false; }
    | BUS                                    { $$ = true; }
    ;

// The default expression; an empty span when there is none.
%nterm <Span> default_opt;
default_opt
    : %empty                                 { $$ = Span{@$.end, @$.end}; }
    | ASSIGN expression                      { $$ = @2; }
    ;

// A subtype indication: [resolution function] type mark [constraint]. An index constraint
// arrives as the last parenthesised group of the name.
%nterm <SubtypeSyntax> subtype_indication;
subtype_indication
    : name                                   { $$ = act.subtype($1, @$); }
    | name name                              { $$ = act.subtype($2, @$); $$.constraint = ConstraintKind::Other; }
    | name RANGE range                       { $$ = act.range_subtype($1, $3, @$); }
    | name RANGE name                        { $$ = act.subtype($1, @$); $$.constraint = ConstraintKind::Other; }
    | name name RANGE range                  { $$ = act.range_subtype($2, $4, @$); $$.constraint = ConstraintKind::Other; }
    ;

%nterm <RangeSyntax> range;
range
    : expression direction expression        { $$ = {@1, $2, @3}; }
    ;

%nterm <Direction> direction;
direction
    : TO                                     { $$ = Direction::To; }
    | DOWNTO                                 { $$ = Direction::Downto; }
    ;

// Association maps of instances, blocks and bindings.
map_aspects_opt
    : %empty
    | generic_map_aspect
    | port_map_aspect
    | generic_map_aspect port_map_aspect
    ;

generic_map_aspect
    : GENERIC MAP LPAREN elements RPAREN
    ;

port_map_aspect
    : PORT MAP LPAREN elements RPAREN
    ;
