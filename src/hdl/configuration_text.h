// VHDL configurations: the configuration specifications inside a block diagram and the
// configuration declarations of the root entity with their nested block configurations.
//
//   CONFIGURATION e_a OF e IS
//     FOR a
//       FOR c : sub
//         USE ENTITY work.sub(rtl) ;
//         FOR rtl                          a bound block diagram with components nests
//           ...
//         END FOR ;
//       END FOR ;
//     END FOR ;
//   END CONFIGURATION e_a;
#pragma once

#include <ostream>
#include <string>

namespace zeph {

struct Architecture;
struct BlockDiagram;
struct Configuration;
struct Entity;
struct HdlContext;

// " FOR c : e" and "   USE ENTITY lib.e(a) ;" for every component in diagram order.
void write_configuration_specifications(std::ostream& out, const HdlContext& context,
                                        const BlockDiagram& diagram);

// The named configuration's name, else "entity_architecture".
std::string configuration_name(const Entity& entity, const Architecture& architecture,
                               const Configuration* configuration);

// One configuration declaration for an architecture, under a named configuration or none.
void write_configuration(std::ostream& out, const HdlContext& context, const Entity& entity,
                         const Architecture& architecture, const Configuration* configuration);

// The declarations the run writes for its root entity: the one of the active named
// configuration when it applies to the root, else one per architecture verified down the
// hierarchy that is bound or generated with all architectures. Returns the last name written
// (empty when none was).
std::string write_root_configurations(std::ostream& out, const HdlContext& context,
                                      const Entity& root);

} // namespace zeph
