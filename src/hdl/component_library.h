// The libraries of instantiated entities: the LIBRARY and USE clauses a VHDL block diagram
// writes for components of library and external entities, and the library a binding names.
#pragma once

#include <ostream>
#include <string>

namespace zeph {

struct BlockDiagram;
struct Entity;
struct HdlContext;
class KeywordTable;

// A library or external entity that carries a library name.
bool names_own_library(const Entity& entity);

// The library of a binding ("USE ENTITY lib.e(a)"): the entity's own, else the run's working
// library, else "work".
std::string binding_library(const HdlContext& context, const Entity& entity);

// "\nLIBRARY a, b ;\n" (each library once, ignoring case) and one "USE a.e ;" line per such
// component in diagram order, repeats kept. Nothing when no component names a library.
void write_component_libraries(std::ostream& out, const KeywordTable& keywords,
                               const BlockDiagram& diagram);

} // namespace zeph
