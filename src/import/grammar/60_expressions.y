// ---------------------------------------------------------------------------------------
// Expressions, names, aggregates and literals.

expression
    : expression AND expression
    | expression OR expression
    | expression NAND expression
    | expression NOR expression
    | expression XOR expression
    | expression XNOR expression
    | expression EQ expression
    | expression NE expression
    | expression LT expression
    | expression LE expression
    | expression GT expression
    | expression GE expression
    | expression SLL expression
    | expression SRL expression
    | expression SLA expression
    | expression SRA expression
    | expression ROL expression
    | expression ROR expression
    | expression PLUS expression
    | expression MINUS expression
    | expression AMP expression
    | PLUS expression %prec SIGN
    | MINUS expression %prec SIGN
    | expression STAR expression
    | expression SLASH expression
    | expression MOD expression
    | expression REM expression
    | expression POW expression
    | ABS expression
    | NOT expression
    | primary                                { ZEPH_DEPTH_CHECK(); }
    ;

primary
    : name
    | literal
    | aggregate
    | NEW name                               // allocator of a subtype or a qualified value
    ;

literal
    : ABSTRACT_LITERAL
    | ABSTRACT_LITERAL IDENTIFIER            // a physical literal: 10 ns
    | BIT_STRING
    | CHARACTER
    | NULL
    ;

aggregate
    : LPAREN elements RPAREN
    ;

// Names: simple, operator symbols (string literals), selected, indexed or sliced (and calls,
// conversions and index constraints, which look the same), attributes and qualified values.
%nterm <NameSyntax> name;
name
    : IDENTIFIER                             { $$ = act.simple_name(@1); }
    | STRING                                 { $$ = act.simple_name(@1); }
    | name DOT suffix                        { $$ = act.selected_name($1, @$); }
    | name LPAREN elements RPAREN            { $$ = act.indexed_name($1, $3, @$); }
    | name TICK attribute_designator         { $$ = act.other_name(@$); }
    | name TICK aggregate                    { $$ = act.other_name(@$); }
    ;

suffix
    : IDENTIFIER
    | STRING
    | CHARACTER
    | ALL
    ;

attribute_designator
    : IDENTIFIER
    | RANGE
    ;

// Elements of a parenthesised list: positional values and ranges, named associations,
// aggregate choices and OPEN actuals.
%nterm <ElementsSyntax> elements;
elements
    : element                                { $$ = act.first_element($1); }
    | elements COMMA element                 { $$ = act.next_element($1, $3); }
    ;

%nterm <ElementsSyntax> element;
element
    : expression                             { $$ = {1, 0, false, {}}; }
    | range                                  { $$ = {1, 1, true, $1}; }
    | name RANGE range                       { $$ = {1, 1, false, {}}; }
    | choices ARROW expression               { $$ = {1, 0, false, {}}; }
    | choices ARROW OPEN                     { $$ = {1, 0, false, {}}; }
    | OPEN                                   { $$ = {1, 0, false, {}}; }
    ;

choices
    : choice
    | choices BAR choice
    ;

choice
    : expression
    | range
    | OTHERS
    ;

discrete_range
    : range
    | expression
    | name RANGE range
    ;
