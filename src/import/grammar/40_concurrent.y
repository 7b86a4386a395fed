// ---------------------------------------------------------------------------------------
// Concurrent statements.

concurrent_statements
    : %empty
    | concurrent_statements concurrent_statement
    ;

concurrent_statement
    : IDENTIFIER COLON                       { act.statement_label(@1); }
      labeled_concurrent_statement           { act.check_label(@1, $4); }
    | unlabeled_concurrent_statement
    | error SEMI
    ;

// Statements that may stand without a label.
unlabeled_concurrent_statement
    : process_statement
    | assertion_statement
    | POSTPONED assertion_statement          { act.vhdl93_only(@1); }
    | signal_assignment_or_call
    | POSTPONED signal_assignment_or_call    { act.vhdl93_only(@1); }
    | selected_signal_assignment
    | POSTPONED selected_signal_assignment   { act.vhdl93_only(@1); }
    ;

// A labelled statement gives its closing name and which names must be the same.
%nterm <Closing> labeled_concurrent_statement;
labeled_concurrent_statement
    : process_statement                      { $$ = $1; }
    | block_statement                        { $$ = $1; }
    | generate_statement                     { $$ = $1; }
    | assertion_statement                    { $$ = {}; }
    | POSTPONED assertion_statement          { $$ = {}; act.vhdl93_only(@1); }
    | selected_signal_assignment             { $$ = {}; }
    | POSTPONED selected_signal_assignment   { $$ = {}; act.vhdl93_only(@1); }
    | POSTPONED signal_assignment_or_call    { $$ = {}; act.vhdl93_only(@1); }
    | name map_aspect_list SEMI              { $$ = {}; }
    | signal_assignment_or_call              { $$ = {}; }
    | ENTITY name map_aspects_opt SEMI       { $$ = {}; act.vhdl93_only(@1); }
    | CONFIGURATION name map_aspects_opt SEMI{ $$ = {}; act.vhdl93_only(@1); }
    | COMPONENT name map_aspects_opt SEMI    { $$ = {}; act.vhdl93_only(@1); }
    ;

// Processes ------------------------------------------------------------------------------

%nterm <Closing> process_statement;
process_statement
    : process_head sensitivity_opt is_opt_93 declarative_items BEGIN sequential_statements
      END postponed_opt PROCESS closing_name SEMI
                                             { $$ = {$10, CloseCheck::Process}; }
    ;

process_head
    : PROCESS                                { ZEPH_DEPTH_CHECK(); act.process_begin(); }
    | POSTPONED PROCESS                      { act.vhdl93_only(@1); act.process_begin(); }
    ;

postponed_opt
    : %empty
    | POSTPONED
    ;

sensitivity_opt
    : %empty
    | LPAREN name_list RPAREN
    ;

is_opt_93
    : %empty
    | IS                                     { act.vhdl93_only(@1); }
    ;

%nterm <int> name_list;
name_list
    : name                                   { $$ = 1; }
    | name_list COMMA name                   { $$ = $1 + 1; }
    ;

// Blocks and generate statements ------------------------------------------------------------

%nterm <Closing> block_statement;
block_statement
    : block_head guard_opt is_opt_93 block_header declarative_items BEGIN concurrent_statements
      END BLOCK closing_name SEMI            { $$ = {$10, CloseCheck::Block}; }
    ;

block_head
    : BLOCK                                  { ZEPH_DEPTH_CHECK(); act.statement_label(Span{}); }
    ;

guard_opt
    : %empty
    | LPAREN expression RPAREN
    ;

block_header
    : %empty
    | GENERIC LPAREN interface_list RPAREN SEMI generic_map_opt
    | PORT LPAREN interface_list RPAREN SEMI port_map_opt
    | GENERIC LPAREN interface_list RPAREN SEMI generic_map_opt
      PORT LPAREN interface_list RPAREN SEMI port_map_opt
    ;

generic_map_opt
    : %empty
    | generic_map_aspect SEMI
    ;

port_map_opt
    : %empty
    | port_map_aspect SEMI
    ;

%nterm <Closing> generate_statement;
generate_statement
    : generation_scheme GENERATE generate_items END GENERATE closing_name SEMI
                                             { $$ = {$6, CloseCheck::Generate}; }
    ;

generation_scheme
    : FOR IDENTIFIER IN discrete_range       { ZEPH_DEPTH_CHECK(); act.statement_label(Span{}); }
    | IF expression                          { ZEPH_DEPTH_CHECK(); act.statement_label(Span{}); }
    ;

// A generate body: concurrent statements, in VHDL 93 after declarations and BEGIN.
generate_items
    : %empty
    | generate_items concurrent_statement
    | generate_items declaration
    | generate_items BEGIN                   { act.vhdl93_only(@2); }
    ;

// Assignments, calls and instances ----------------------------------------------------------

// "name;" is a procedure call or an instance without maps; "target <= ..." an assignment.
signal_assignment_or_call
    : name SEMI
    | target LE signal_options conditional_waveforms SEMI
    ;

map_aspect_list
    : generic_map_aspect
    | port_map_aspect
    | generic_map_aspect port_map_aspect
    ;

target
    : name
    | aggregate
    ;

signal_options
    : %empty
    | GUARDED
    | GUARDED delay_mechanism
    | delay_mechanism
    ;

delay_mechanism
    : TRANSPORT
    | INERTIAL
    | REJECT expression INERTIAL
    ;

conditional_waveforms
    : waveform
    | waveform WHEN expression
    | waveform WHEN expression ELSE conditional_waveforms
    ;

waveform
    : waveform_elements
    | UNAFFECTED
    ;

waveform_elements
    : waveform_element
    | waveform_elements COMMA waveform_element
    ;

waveform_element
    : expression after_opt
    ;

after_opt
    : %empty
    | AFTER expression
    ;

selected_signal_assignment
    : WITH expression SELECT target LE signal_options selected_waveforms SEMI
    ;

selected_waveforms
    : waveform WHEN choices
    | selected_waveforms COMMA waveform WHEN choices
    ;

assertion_statement
    : ASSERT expression report_opt severity_opt SEMI
    ;

report_opt
    : %empty
    | REPORT expression
    ;

severity_opt
    : %empty
    | SEVERITY expression
    ;
