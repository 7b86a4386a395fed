
///////////////////////////////////////////////////////////////////////////
// Module 'hot3(fsm)'.
///////////////////////////////////////////////////////////////////////////

module hot3 (clk, a, y) ;
  input  clk ; // Clock
  input  a ;
  output y ;
  reg    y ;


// State Machine Options:
//   State assignment      : One Hot.
//   Actions on transitions: Combinational.
//   Actions on states     : Combinational.

  parameter
    s1 = 0 , // "001"
    s2 = 1 , // "010"
    s3 = 2 ; // "100"
  reg [2:0] cur_state ;  // Current State
  reg [2:0] next_state ;  // Next State


// next_state_decoding
  always @ (cur_state or clk or a) 
  begin : next_state_decoding
    next_state = 0 ;
    if (cur_state[s1]) begin  // State: s1
      if (a == 1'b1)
       begin
        next_state[s2] = 1'b1 ;
       end
      else
       begin
        next_state[s1] = 1'b1 ;
       end
     end
    if (cur_state[s2]) begin  // State: s2
      next_state[s3] = 1'b1 ;
     end
    if (cur_state[s3]) begin  // State: s3
      next_state[s3] = 1'b1 ;
     end
  end // of next_state_decoding

// state_transition
  always @ (posedge clk) 
  begin : state_transition // State transition
      cur_state = next_state ;
  end // of state_transition

endmodule // hot3(fsm)

