// The library and use clauses that open the generated VHDL of an entity, from the package
// specifications the entity uses (global ones and those bound to it), in list order:
//
//   <blank line>
//   LIBRARY ieee, mylib ;          work and std are never named; long lists wrap
//   USE ieee.std_logic_1164.ALL ;  one line per used specification
//
// Keywords are written in the case of the keyword table given.
#pragma once

#include "design/package_spec.h"

#include <ostream>
#include <string>

namespace zeph {

struct Entity;
class KeywordTable;

// The running line length past which the LIBRARY clause continues on a new line.
inline constexpr std::size_t kClauseMargin = 75;

// Nothing when the list is empty.
void write_context_clauses(std::ostream& out, const KeywordTable& keywords, const PackageList& list,
                           const Entity& entity);
std::string context_clauses(const KeywordTable& keywords, const PackageList& list,
                            const Entity& entity);

} // namespace zeph
