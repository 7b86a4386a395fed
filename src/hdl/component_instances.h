// Components of block diagrams in generated text: the VHDL component declarations (one per
// instantiated entity), the VHDL component instances with their generic and port maps, and
// the Verilog module instances with their "#(" parameter lists.
//
//   u1: counter                          u1 #(8, 3)
//     GENERIC MAP(                           counter_rtl u1(
//       width => 8 )                           .clk(clk),
//     PORT MAP(                                .q(count) ) ;
//       clk => clk,
//       q => count ) ;
#pragma once

#include <ostream>

namespace zeph {

class DiagramSignals;
struct BlockDiagram;
struct Component;
struct HdlContext;

void write_component_declarations(std::ostream& out, const HdlContext& context,
                                  const BlockDiagram& diagram);
void write_component_instance(std::ostream& out, const HdlContext& context,
                              const DiagramSignals& signals, const Component& component);
void write_module_instance(std::ostream& out, const HdlContext& context,
                           const DiagramSignals& signals, const Component& component);

} // namespace zeph
