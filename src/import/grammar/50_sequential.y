// ---------------------------------------------------------------------------------------
// Sequential statements.

sequential_statements
    : %empty
    | sequential_statements sequential_statement
    ;

sequential_statement
    : IDENTIFIER COLON labeled_sequential_statement
                                             { act.check_label(@1, $3); }
    | unlabeled_sequential_statement
    | loop_statement
    | error SEMI
    ;

%nterm <Closing> labeled_sequential_statement;
labeled_sequential_statement
    : unlabeled_sequential_statement         { $$ = {}; act.vhdl93_only(@1); }
    | loop_statement                         { $$ = $1; }
    ;

unlabeled_sequential_statement
    : simple_sequential_statement            { ZEPH_DEPTH_CHECK(); }
    | if_statement
    | case_statement
    ;

simple_sequential_statement
    : WAIT sensitivity_clause_opt condition_clause_opt timeout_clause_opt SEMI
    | assertion_statement
    | REPORT expression severity_opt SEMI    { act.vhdl93_only(@1); }
    | target LE delay_mechanism_opt waveform SEMI
    | target ASSIGN expression SEMI
    | name SEMI
    | NEXT label_opt when_opt SEMI
    | EXIT label_opt when_opt SEMI
    | RETURN SEMI
    | RETURN expression SEMI
    | NULL SEMI
    ;

sensitivity_clause_opt
    : %empty
    | ON name_list
    ;

condition_clause_opt
    : %empty
    | UNTIL expression
    ;

timeout_clause_opt
    : %empty
    | FOR expression
    ;

delay_mechanism_opt
    : %empty
    | delay_mechanism
    ;

label_opt
    : %empty
    | IDENTIFIER
    ;

when_opt
    : %empty
    | WHEN expression
    ;

if_statement
    : IF expression THEN sequential_statements elsif_parts else_part END IF closing_name SEMI
    ;

elsif_parts
    : %empty
    | elsif_parts ELSIF expression THEN sequential_statements
    ;

else_part
    : %empty
    | ELSE sequential_statements
    ;

case_statement
    : CASE expression IS case_alternatives END CASE closing_name SEMI
    ;

case_alternatives
    : case_alternative
    | case_alternatives case_alternative
    ;

case_alternative
    : WHEN choices ARROW sequential_statements
    ;

%nterm <Closing> loop_statement;
loop_statement
    : iteration_scheme LOOP sequential_statements END LOOP closing_name SEMI
                                             { $$ = {$6, CloseCheck::Loop}; }
    ;

iteration_scheme
    : %empty
    | WHILE expression
    | FOR IDENTIFIER IN discrete_range
    ;
