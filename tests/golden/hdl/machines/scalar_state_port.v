
///////////////////////////////////////////////////////////////////////////
// Module 'toggle(fsm)'.
///////////////////////////////////////////////////////////////////////////

module toggle (clk, q) ;
  input  clk ; // Clock
  output q ; // State Register


// State Machine Options:
//   State assignment      : Binary.
//   State decoding        : Case construct.
//   Actions on transitions: Combinational.
//   Actions on states     : Combinational.

  parameter
    dark = 1'b0,
    lit  = 1'b1;
  reg cur_state ;  // Current State
  reg next_state ;  // Next State


// next_state_decoding
  always @ (cur_state or clk) 
  begin : next_state_decoding
    next_state = cur_state ;
    case (cur_state)
      dark:
       begin
        next_state = lit ;
       end
      lit:
       begin
        next_state = dark ;
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

  assign q = cur_state ;

endmodule // toggle(fsm)

