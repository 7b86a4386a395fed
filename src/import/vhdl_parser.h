// Parsing a VHDL source text into its design units.
#pragma once

#include "import/design_units.h"
#include "import/import_log.h"
#include "import/parse_actions.h"
#include "import/source_text.h"

namespace zeph::vhdl {

// Parses the whole text; messages and progress lines go to the log. Never fails: errors are
// logged, counted and parsing goes on (a parser stack deeper than the limit ends it).
ParsedFile parse_vhdl(const SourceText& source, ImportLog& log, const ParseOptions& options);

} // namespace zeph::vhdl
