// Words of the machine options that the generated text names.
#pragma once

#include <ostream>

namespace zeph {

struct HdlContext;

// "Case construct" (0) or "If-else construct" (1).
const char* decoding_name(int decoding);

// The declaration of the synthesis attribute that the machines of an architecture use, when
// the design declares synthesis attributes in-line (VHDL, Synplify or Design/FPGACompiler).
void write_synthesis_attribute_declaration(std::ostream& out, const HdlContext& context);

} // namespace zeph
