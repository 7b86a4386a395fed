// The VHDL entity declaration, the heading lines the run writes before each architecture, and
// the ARCHITECTURE and END ARCHITECTURE lines that architectures and HDL-file skeletons share.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace zeph {

struct Architecture;
struct Entity;
struct HdlContext;

void write_entity_declaration(std::ostream& out, const HdlContext& context, const Entity& entity);

// Separator (leading unless the architecture is the entity's first written), the line
// " -- Architecture 'a' of 'e'" and a separator.
void write_architecture_heading(std::ostream& out, const HdlContext& context, const Entity& entity,
                                const Architecture& architecture, bool first_of_entity);

// "ARCHITECTURE a OF e IS\n".
std::string architecture_line(const HdlContext& context, std::string_view architecture,
                              std::string_view entity);
// "END ARCHITECTURE a ; -- of e\n"; without VHDL93 code "END  a ; -- of e\n".
std::string end_architecture_line(const HdlContext& context, std::string_view architecture,
                                  std::string_view entity);
// ARCHITECTURE (VHDL93 code) or the empty word that leaves its blanks.
const char* vhdl93_keyword(const HdlContext& context, const char* upper_word);

} // namespace zeph
