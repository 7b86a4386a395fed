// Every text the VHDL import shows: lexer and parser messages, the semantic checks, the log
// lines of the report window and the questions of the take-over.
#pragma once

namespace zeph::vhdl::text {

// Lexer.
inline constexpr const char* kBadIdentifier = "\"%s\" is not a correct identifier";
inline constexpr const char* kBadAbstractLiteral =
    "\"%s\" is not a correct decimal literal or based literal.";
inline constexpr const char* kBadBitString = "\"%s\" is not a correct bitstring literal.";
inline constexpr const char* kUnterminatedString = "%s       is not a terminated string.";
inline constexpr const char* kHashNotAllowed = "'#' is not allowed here.";
inline constexpr const char* kUnknownItem = "Unknown item '%c' (0x%0X)";

// Parser.
inline constexpr const char* kSyntaxError = "syntax error";
inline constexpr const char* kStackOverflow = "yacc stack overflow";
// Messages of the error alternatives, by their code; other codes give kUnknownError.
inline constexpr const char* kErrorCodeMessages[] = {
    "Identifier expected",    "Bad identifier, possible reserved word",
    "Semicolon ';' expected", "Semicolon ';' to much",
    "Colon ':' expected",     "Suffix expected",
    "Dot '.' expected",       "Not a VHDL file",
};
inline constexpr const char* kUnknownError = "Unknown Error";

// Semantic checks.
inline constexpr const char* kEntityNames = "ENTITY names and must be the same";
inline constexpr const char* kArchitectureNames = "ARCHITECTURE names must be the same";
inline constexpr const char* kConfigurationNames = "CONFIGURATION names must be the same";
inline constexpr const char* kPackageNames = "PACKAGE decleration names must be the same";
inline constexpr const char* kPackageBodyNames = "PACKAGE body names must be the same";
inline constexpr const char* kSubprogramNames = "FUNCTION/PROCEDURE names must be the same";
inline constexpr const char* kBlockNames = "BLOCK names must be the same";
inline constexpr const char* kGenerateNames = "GENERATE names must be the same";
inline constexpr const char* kProcessNames = "PROCESS names must be the same";
inline constexpr const char* kLoopNames = "LOOP names must be the same";
inline constexpr const char* kGenericModeIn = "Only IN allowed in Generic list";
inline constexpr const char* kGenericClassConstant = "Only CONSTANT allowed in Generic list.";
inline constexpr const char* kPortClassSignal = "Only SIGNAL allowed in port";
inline constexpr const char* kUseTooFew = "Error, to little elements in use clause";
inline constexpr const char* kUseTooMany = "Error, to many elements in use clause";
inline constexpr const char* kEntityBeforeArchitecture =
    "ENTITY '%s' must be declared before ARCHITECTURE '%s'";
inline constexpr const char* kArchitectureNoName = "ARCHITECTURE has no name%s%s";
inline constexpr const char* kEntityMustBeDeclared = "ENTITY '%s' must be declared%s";
inline constexpr const char* kArchitectureTwice =
    "ARCHITECTURE '%s'of ENTITY '%s' is already declared before ";
inline constexpr const char* kComponentGenericCount =
    "Number of generics in component \"%s\"is not the same";
inline constexpr const char* kNamesDiffer = "Names '%s' and '%s' does not match";
inline constexpr const char* kGenericTypesDiffer =
    "Types does not match for generic '%s' of entity '%s'";
inline constexpr const char* kTypesDiffer = "Types '%s' and '%s' does not match";
inline constexpr const char* kBusMissingInEntity = "Error, You must specify BUS in ENTITY";
inline constexpr const char* kBusInEntity = "Error, BUS specified in ENTITY";
inline constexpr const char* kModesDiffer = "Modes '%s' and '%s' does not match";
inline constexpr const char* kMultipleRanges = "Multiple ranges";

// Names given to units whose name is missing.
inline constexpr const char* kEntityNotNamed = "Entity_not_named";
inline constexpr const char* kEntNotNamed = "Ent_not_named";

// Progress lines.
inline constexpr const char* kParsingEntity = "# Parsing entity '%s'";
inline constexpr const char* kParsingEntityBody = "# Parsing entity body";
inline constexpr const char* kParsingArchitecture = "# Parsing architecture '%s' of '%s'";
inline constexpr const char* kParsingConfiguration = "# Parsing configuration '%s' of '%s'";
inline constexpr const char* kParsingPackage = "# Parsing package '%s'";
inline constexpr const char* kParsingPackageBody = "# Parsing package body '%s'";
inline constexpr const char* kParsingProcess = "# Parsing  process '%s' : ";
inline constexpr const char* kParsingComponent = "# Parsing component  '%s'";
inline constexpr const char* kUsingUse = "# Using USE '%s'.(%s)";
inline constexpr const char* kUsingLibrary = "# Using LIBRARY '%s' (%s)";

// Log of a whole import.
inline constexpr const char* kReportTitle = "VHDL Import";
inline constexpr const char* kStarting = "Starting VHDL Import";
inline constexpr const char* kFileDialogTitle = "Import VHDL File";
inline constexpr const char* kCannotOpen = "\r\nCannot open file \"%s\".\r\n";
inline constexpr const char* kNotText = "\r\nFile \"%s\" is not a text file.\r\n";
inline constexpr const char* kReading = "\r\nReading file '%s'\r\n";
inline constexpr const char* kDone = "\r\nDone with file '%s'\r\n";
inline constexpr const char* kCounts = "Errors   : %5d\r\nWarnings : %5d\r\n\r\n";
inline constexpr const char* kErrorHeading = "# Error: %s(%d): ";

// Take-over.
inline constexpr const char* kRenameQuestion =
    "An entity with name '%s' is already present in the design.Do you want to rename the "
    "imported entity ?";
inline constexpr const char* kNewNamePrompt = "New entity name for '%s'";

} // namespace zeph::vhdl::text
