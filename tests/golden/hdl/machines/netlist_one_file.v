==> board.v <==
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
// Module 'stepper(fsm)'.
///////////////////////////////////////////////////////////////////////////

module stepper (clk, a, y) ;
  input  clk ; // Clock
  input  a ;
  output y ;
  reg    y ;


// State Machine Options:
//   State assignment      : Enumerate.
//   State decoding        : Case construct.
//   Actions on transitions: Combinational.
//   Actions on states     : Combinational.

  parameter
    low  = 0,
    high = 1;
  integer cur_state ;  // Current State
  integer next_state ;  // Next State


// next_state_decoding
  always @ (cur_state or clk or a) 
  begin : next_state_decoding
    next_state = cur_state ;
    case (cur_state)
      low:
       begin
        if (a == 1'b1)
         begin
          next_state = high ;
         end
       end
      high:
       begin
        if (a == 1'b0)
         begin
          next_state = low ;
         end
       end
    endcase
  end // of next_state_decoding

// state_transition
  always @ (posedge clk) 
  begin : state_transition // State transition
      cur_state = next_state ;
  end // of state_transition

// state_actions
  always @ (cur_state or clk or a) 
  begin : state_actions // Combinational 
    case (cur_state)
      low:
       begin
        y = 1'b0 ;
       end
      high:
       begin
        y = 1'b1 ;
       end
    endcase
  end // of state_actions

endmodule // stepper(fsm)


///////////////////////////////////////////////////////////////////////////
// Module 'board(structure)'.
///////////////////////////////////////////////////////////////////////////

module board (clk, a, y, z, w) ;
  input  clk ;
  input  a ;
  output y ;
  output z ;
  reg    z ;
  output w ;
  reg    w ;


// State Machine Options of always block seq:
//   State assignment      : Binary.
//   State decoding        : Case construct.
//   Actions on transitions: Combinational.
//   Actions on states     : Comb.(in 1 Always Block).

  parameter
    s0 = 2'b00,
    s1 = 2'b01,
    s2 = 2'b10;
  reg [1:0] cur_state ;  // Current State
  reg [1:0] next_state ;  // Next State

// State Machine Options of always block blink:
//   State assignment      : One Hot.
//   Actions on transitions: Clocked.
//   Actions on states     : Clocked.

  parameter
    dark_b = 0 , // "01"
    lit_b  = 1 ; // "10"
  reg [1:0] state_b ;  // Current State


 stepper
    u1( 
      .clk(clk),
      .a(a),
      .y(y) ) ;

  //  State machine of always block: seq


// next_state_decoding
  always @ (cur_state or clk or a) 
  begin : next_state_decoding
    next_state = cur_state ;
    z = 1'b0 ;
    case (cur_state)
      s0:
       begin
        if (a == 1'b1)
         begin
          next_state = s1 ;
         end
       end
      s1:
       begin
        next_state = s2 ;
       end
      s2:
       begin
        z = 1'b1 ;
        next_state = s0 ;
       end
      default:
       begin
       end
    endcase
  end // of next_state_decoding

// state_transition
  always @ (posedge clk) 
  begin : state_transition // State transition
      cur_state = next_state ;
  end // of state_transition


  //  State machine of always block: blink


// state_decoding_b
  always @ (posedge clk) 
  begin : state_decoding_b
      state_b <= 0 ;
      if (state_b[dark_b]) begin  // State: dark
        state_b[lit_b] <= 1'b1 ;
        w = 1'b1 ;
       end
      if (state_b[lit_b]) begin  // State: lit
        state_b[dark_b] <= 1'b1 ;
        w = 1'b0 ;
       end
  end // of state_decoding_b


endmodule // board(structure)

