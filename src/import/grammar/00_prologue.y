// The VHDL grammar (VHDL 1987 with the VHDL 93 additions), read by GNU Bison as one file made
// of the area files of this folder in the order of their names: design units, interfaces,
// declarations, concurrent statements, sequential statements, expressions and names.
//
// The grammar is deliberately permissive where the import does not need the distinction
// (one set of declarative items for every declarative part, names that include calls, slices
// and conversions); it never rejects legal VHDL. Semantic actions are calls into ParseActions
// (parse_actions.h); the values the rules pass up are small syntax records of byte spans.
// Error recovery: `error` alternatives for unit names, semicolons, colons, closing names,
// use-clause names and subtype indications, each with the code of its message, and
// `error ";"` at declarations and statements.

%require "3.8"
%language "c++"
%skeleton "lalr1.cc"
%header
%define api.namespace {zeph::vhdl::grammar}
%define api.parser.class {Parser}
%define api.value.type variant
%define api.token.constructor
%define api.token.prefix {TOK_}
%define api.location.type {zeph::vhdl::Span}
%define parse.trace
%define parse.error simple
%locations
%param {zeph::vhdl::ParseActions& act}

%code requires {
#include "import/parse_actions.h"
#include "import/syntax_records.h"

// A rule's span runs from its first symbol's begin to its last symbol's end; an empty rule
// sits at the end of what precedes it.
#define YYLLOC_DEFAULT(Current, Rhs, N)                                                    \
    do {                                                                                   \
        if (N) {                                                                           \
            (Current).begin = YYRHSLOC(Rhs, 1).begin;                                      \
            (Current).end = YYRHSLOC(Rhs, N).end;                                          \
        } else {                                                                           \
            (Current).begin = (Current).end = YYRHSLOC(Rhs, 0).end;                        \
        }                                                                                  \
    } while (false)
}

%code {
namespace zeph::vhdl::grammar {
Parser::symbol_type yylex(ParseActions& act);
}
// Deep nesting ends the parse: checked where nesting shows (primaries and statements).
#define ZEPH_DEPTH_CHECK()                                                                 \
    do {                                                                                   \
        if (static_cast<std::size_t>(yystack_.size()) > act.stack_limit()) {               \
            act.stack_overflow();                                                          \
            YYABORT;                                                                       \
        }                                                                                  \
    } while (false)
}

%token ABS "abs" ACCESS "access" AFTER "after" ALIAS "alias" ALL "all" AND "and"
%token ARCHITECTURE "architecture" ARRAY "array" ASSERT "assert" ATTRIBUTE "attribute"
%token BEGIN "begin" BLOCK "block" BODY "body" BUFFER "buffer" BUS "bus" CASE "case"
%token COMPONENT "component" CONFIGURATION "configuration" CONSTANT "constant"
%token DISCONNECT "disconnect" DOWNTO "downto" ELSE "else" ELSIF "elsif" END "end"
%token ENTITY "entity" EXIT "exit" FILE "file" FOR "for" FUNCTION "function"
%token GENERATE "generate" GENERIC "generic" GUARDED "guarded" IF "if" IN "in"
%token INOUT "inout" IS "is" LABEL "label" LIBRARY "library" LINKAGE "linkage" LOOP "loop"
%token MAP "map" MOD "mod" NAND "nand" NEW "new" NEXT "next" NOR "nor" NOT "not"
%token NULL "null" OF "of" ON "on" OPEN "open" OR "or" OTHERS "others" OUT "out"
%token PACKAGE "package" PORT "port" PROCEDURE "procedure" PROCESS "process" RANGE "range"
%token RECORD "record" REGISTER "register" REM "rem" REPORT "report" RETURN "return"
%token SELECT "select" SEVERITY "severity" SIGNAL "signal" SUBTYPE "subtype" THEN "then"
%token TO "to" TRANSPORT "transport" TYPE "type" UNITS "units" UNTIL "until" USE "use"
%token VARIABLE "variable" WAIT "wait" WHEN "when" WHILE "while" WITH "with" XOR "xor"
// VHDL 93 reserved words (the lexer gives them only when VHDL 93 is on).
%token GROUP "group" IMPURE "impure" INERTIAL "inertial" LITERAL "literal"
%token POSTPONED "postponed" PURE "pure" REJECT "reject" ROL "rol" ROR "ror"
%token SHARED "shared" SLA "sla" SLL "sll" SRA "sra" SRL "srl" UNAFFECTED "unaffected"
%token XNOR "xnor"
%token IDENTIFIER "identifier" ABSTRACT_LITERAL "abstract literal" BIT_STRING "bit string"
%token STRING "string literal" CHARACTER "character literal"
%token AMP "&" TICK "'" LPAREN "(" RPAREN ")" POW "**" STAR "*" PLUS "+" COMMA ","
%token MINUS "-" DOT "." NE "/=" SLASH "/" ASSIGN ":=" COLON ":" SEMI ";" LE "<="
%token BOX "<>" LT "<" ARROW "=>" EQ "=" GE ">=" GT ">" BAR "|"

// Operators, loosest first. A sign applies to a whole term ("-a*b" is "-(a*b)").
%left AND OR NAND NOR XOR XNOR
%nonassoc EQ NE LT LE GT GE
%nonassoc SLL SRL SLA SRA ROL ROR
%left PLUS MINUS AMP
%precedence SIGN
%left STAR SLASH MOD REM
%nonassoc POW ABS NOT

%expect 0
%start design_file

%%
