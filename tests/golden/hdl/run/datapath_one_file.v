==> datapath.v <==
///////////////////////////////////////////////////////////////////////////
// the 'Graphical Systems Design Tool' tool.
//
// ZEPH/HDL Version 3.0 (Revision 6).
// Time stamp  : Tue Nov 14 22:13:20 2023.
//
// Designed by : .
// Company     : .
// Design info : .
///////////////////////////////////////////////////////////////////////////

///////////////////////////////////////////////////////////////////////////
// Module 'inv4(rtl)'.
///////////////////////////////////////////////////////////////////////////

module inv4 (a, y) ;
  input  [3:0]a ;
  output [3:0]y ;


  assign y = ~a ;

endmodule // inv4(rtl)


///////////////////////////////////////////////////////////////////////////
// Module 'buf4(wiring)'.
///////////////////////////////////////////////////////////////////////////

module buf4 (a, y, c) ;
  parameter
    delay = 1 ; // not used by the wiring
  input  [3:0]a ;
  output [3:0]y ;
  output c ; // left open


  wire [3:0] Net_0 ;

 assign Net_0 = a ;
 assign y = Net_0 ;

endmodule // buf4(wiring)


///////////////////////////////////////////////////////////////////////////
// Module 'datapath(structure)'.
///////////////////////////////////////////////////////////////////////////
// The datapath of the generation tests.

module datapath (x, y, z, p, w, io, q) ;
  input  [7:0]x ;
  output [7:0]y ;
  output z ;
  output p ; // NOT x(1)
  output [3:0]w ;
  inout  [1:0]io ;
  output q ;

// Buses, entries and local signals.

  wire [3:0] mid ;
  wire low ;
  reg pz ;
  wire [1:0] link ;
  wire [3:0] inv_out ;
// wires end here
// x passes to y through two buffers.
// statements follow

 assign y[7 : 4] = x[7 : 4] ;
 assign z = x[0] ;
 assign low = x[1] ;
 assign p = pz ;
 assign link = io ;
 assign io = link ;
 assign q = link[0] ;
 assign w = inv_out ;

 buf4 #(2)
    u1( 
      .a(x[3 : 0]),
      .y(mid),
      .c() ) ;

 buf4
    u2( 
      .a(mid),
      .y(y[3 : 0]),
      .c() ) ;

 inv4
    u3( 
      .a(mid),
      .y(inv_out) ) ;

  always @(low) 
  begin : ctrl  // ZEPH/Verilog sens.list
    pz = ~low ;
  end //  ctrl


endmodule // datapath(structure)

