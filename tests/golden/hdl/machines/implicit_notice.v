
///////////////////////////////////////////////////////////////////////////
// Module 'sequence(fsm)'.
///////////////////////////////////////////////////////////////////////////

module sequence (clk, rst, a, b, y, p, r) ;
  input  clk ; // Clock
  input  rst ; // Reset
  input  a ;
  input  b ;
  output [1:0]y ;
  reg    [1:0]y ;
  output p ;
  reg    p ;
  output r ;
  reg    r ;



// Implicit State Diagrams not implemented in Verilog.

endmodule // sequence(fsm)

