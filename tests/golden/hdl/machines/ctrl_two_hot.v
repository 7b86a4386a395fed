
///////////////////////////////////////////////////////////////////////////
// Module 'ctrl_0(fsm)'.
///////////////////////////////////////////////////////////////////////////

module ctrl_0 (clk, rst, go, abort, o, busy, p, r) ;
  input  clk ; // Clock
  input  rst ; // Reset
  input  go ;
  input  abort ;
  output [1:0]o ;
  reg    [1:0]o ;
  output busy ;
  reg    busy ;
  output p ;
  reg    p ;
  output r ;
  reg    r ;


// State Machine Options:
//   State assignment      : Two Hot.
//   Actions on transitions: Combinational.
//   Actions on states     : Combinational.

  parameter
    idle_0 = 3 , // "1100"
    idle_1 = 2 ,
    run_0  = 3 , // "1010"
    run_1  = 1 ,
    done_0 = 3 , // "1001"
    done_1 = 0 ,
    hold_0 = 2 , // "0110"
    hold_1 = 1 ;
  reg [3:0] cur_state ;  // Current State
  reg [3:0] next_state ;  // Next State


// next_state_decoding
  always @ (cur_state or clk or rst or go or abort) 
  begin : next_state_decoding
    next_state = 0 ;
    // quiet:
    p = 1'b0 ;
    if ( // abort:
        abort == 1'b1
       )
     begin
      next_state[idle_0] = 1'b1 ; next_state[idle_1] = 1'b1 ;
     end
    else
     begin
      if (cur_state[idle_0] && cur_state[idle_1]) begin  // State: idle
        if (go == 1'b1)
         begin
          next_state[run_0] = 1'b1 ; next_state[run_1] = 1'b1 ;
          // pulse:
          p = 1'b1 ;
         end
        else
         begin
          next_state[idle_0] = 1'b1 ; next_state[idle_1] = 1'b1 ;
         end
       end
      if (cur_state[run_0] && cur_state[run_1]) begin  // State: run
        if ( // finish:
            go == 1'b0 &&
            abort == 1'b0
           )
         begin
          next_state[done_0] = 1'b1 ; next_state[done_1] = 1'b1 ;
         end
        else
         begin
          next_state[run_0] = 1'b1 ; next_state[run_1] = 1'b1 ;
         end
       end
      if (cur_state[done_0] && cur_state[done_1]) begin  // State: done
        next_state[hold_0] = 1'b1 ; next_state[hold_1] = 1'b1 ;
       end
      if (cur_state[hold_0] && cur_state[hold_1]) begin  // State: hold
        next_state[hold_0] = 1'b1 ; next_state[hold_1] = 1'b1 ;
       end
     end // Global transition
  end // of next_state_decoding

// state_transition
  always @ (posedge clk or posedge rst) 
  begin : state_transition // State transition
    if (rst)
     begin
      cur_state = 4'b1100 ; // idle
      // mark:
      r = 1'b1 ;
     end
    else
     begin
      cur_state = next_state ;
     end // Reset & Clock
  end // of state_transition

// state_actions
  always @ (cur_state or clk or rst or go or abort) 
  begin : state_actions // Combinational 
    busy = 1'b0 ;
    if (cur_state[idle_0] && cur_state[idle_1]) begin  // State: idle
      // o_idle:
      o = 2'b00 ;
     end
    if (cur_state[run_0] && cur_state[run_1]) begin  // State: run
      // o_run:
      o = 2'b01 ;
      busy = 1'b1 ;
     end
    if (cur_state[done_0] && cur_state[done_1]) begin  // State: done
      // o_done:
      o = 2'b10 ;
     end
  end // of state_actions

endmodule // ctrl_0(fsm)


///////////////////////////////////////////////////////////////////////////
// Module 'ctrl_1(fsm)'.
///////////////////////////////////////////////////////////////////////////

module ctrl_1 (clk, rst, go, abort, o, busy, p, r) ;
  input  clk ; // Clock
  input  rst ; // Reset
  input  go ;
  input  abort ;
  output [1:0]o ;
  reg    [1:0]o ;
  output busy ;
  reg    busy ;
  output p ;
  reg    p ;
  output r ;
  reg    r ;


// State Machine Options:
//   State assignment      : Two Hot.
//   Actions on transitions: Combinational.
//   Actions on states     : Clocked.

  parameter
    idle_0 = 3 , // "1100"
    idle_1 = 2 ,
    run_0  = 3 , // "1010"
    run_1  = 1 ,
    done_0 = 3 , // "1001"
    done_1 = 0 ,
    hold_0 = 2 , // "0110"
    hold_1 = 1 ;
  reg [3:0] cur_state ;  // Current State
  reg [3:0] next_state ;  // Next State


// next_state_decoding
  always @ (cur_state or clk or rst or go or abort) 
  begin : next_state_decoding
    next_state = 0 ;
    // quiet:
    p = 1'b0 ;
    if ( // abort:
        abort == 1'b1
       )
     begin
      next_state[idle_0] = 1'b1 ; next_state[idle_1] = 1'b1 ;
     end
    else
     begin
      if (cur_state[idle_0] && cur_state[idle_1]) begin  // State: idle
        if (go == 1'b1)
         begin
          next_state[run_0] = 1'b1 ; next_state[run_1] = 1'b1 ;
          // pulse:
          p = 1'b1 ;
         end
        else
         begin
          next_state[idle_0] = 1'b1 ; next_state[idle_1] = 1'b1 ;
         end
       end
      if (cur_state[run_0] && cur_state[run_1]) begin  // State: run
        if ( // finish:
            go == 1'b0 &&
            abort == 1'b0
           )
         begin
          next_state[done_0] = 1'b1 ; next_state[done_1] = 1'b1 ;
         end
        else
         begin
          next_state[run_0] = 1'b1 ; next_state[run_1] = 1'b1 ;
         end
       end
      if (cur_state[done_0] && cur_state[done_1]) begin  // State: done
        next_state[hold_0] = 1'b1 ; next_state[hold_1] = 1'b1 ;
       end
      if (cur_state[hold_0] && cur_state[hold_1]) begin  // State: hold
        next_state[hold_0] = 1'b1 ; next_state[hold_1] = 1'b1 ;
       end
     end // Global transition
  end // of next_state_decoding

// state_transition
  always @ (negedge clk or posedge rst) 
  begin : state_transition // State transition
    if (rst)
     begin
      cur_state = 4'b1100 ; // idle
      // mark:
      r = 1'b1 ;
     end
    else
     begin
      cur_state = next_state ;
      busy = 1'b0 ;
      if (next_state[idle_0] && next_state[idle_1]) begin  // State: idle
        // o_idle:
        o = 2'b00 ;
       end
      if (next_state[run_0] && next_state[run_1]) begin  // State: run
        // o_run:
        o = 2'b01 ;
        busy = 1'b1 ;
       end
      if (next_state[done_0] && next_state[done_1]) begin  // State: done
        // o_done:
        o = 2'b10 ;
       end
     end // Reset & Clock
  end // of state_transition

endmodule // ctrl_1(fsm)


///////////////////////////////////////////////////////////////////////////
// Module 'ctrl_2(fsm)'.
///////////////////////////////////////////////////////////////////////////

module ctrl_2 (clk, rst, go, abort, o, busy, p, r) ;
  input  clk ; // Clock
  input  rst ; // Reset
  input  go ;
  input  abort ;
  output [1:0]o ;
  reg    [1:0]o ;
  output busy ;
  reg    busy ;
  output p ;
  reg    p ;
  output r ;
  reg    r ;


// State Machine Options:
//   State assignment      : Two Hot.
//   Actions on transitions: Combinational.
//   Actions on states     : Comb.(in 1 Always Block).

  parameter
    idle_0 = 3 , // "1100"
    idle_1 = 2 ,
    run_0  = 3 , // "1010"
    run_1  = 1 ,
    done_0 = 3 , // "1001"
    done_1 = 0 ,
    hold_0 = 2 , // "0110"
    hold_1 = 1 ;
  reg [3:0] cur_state ;  // Current State
  reg [3:0] next_state ;  // Next State


// next_state_decoding
  always @ (cur_state or clk or rst or go or abort) 
  begin : next_state_decoding
    next_state = 0 ;
    busy = 1'b0 ;
    if (cur_state[idle_0] && cur_state[idle_1]) begin  // State: idle
      // o_idle:
      o = 2'b00 ;
     end
    if (cur_state[run_0] && cur_state[run_1]) begin  // State: run
      // o_run:
      o = 2'b01 ;
      busy = 1'b1 ;
     end
    if (cur_state[done_0] && cur_state[done_1]) begin  // State: done
      // o_done:
      o = 2'b10 ;
     end
    // quiet:
    p = 1'b0 ;
    if ( // abort:
        abort == 1'b1
       )
     begin
      next_state[idle_0] = 1'b1 ; next_state[idle_1] = 1'b1 ;
     end
    else
     begin
      if (cur_state[idle_0] && cur_state[idle_1]) begin  // State: idle
        if (go == 1'b1)
         begin
          next_state[run_0] = 1'b1 ; next_state[run_1] = 1'b1 ;
          // pulse:
          p = 1'b1 ;
         end
        else
         begin
          next_state[idle_0] = 1'b1 ; next_state[idle_1] = 1'b1 ;
         end
       end
      if (cur_state[run_0] && cur_state[run_1]) begin  // State: run
        if ( // finish:
            go == 1'b0 &&
            abort == 1'b0
           )
         begin
          next_state[done_0] = 1'b1 ; next_state[done_1] = 1'b1 ;
         end
        else
         begin
          next_state[run_0] = 1'b1 ; next_state[run_1] = 1'b1 ;
         end
       end
      if (cur_state[done_0] && cur_state[done_1]) begin  // State: done
        next_state[hold_0] = 1'b1 ; next_state[hold_1] = 1'b1 ;
       end
      if (cur_state[hold_0] && cur_state[hold_1]) begin  // State: hold
        next_state[hold_0] = 1'b1 ; next_state[hold_1] = 1'b1 ;
       end
     end // Global transition
  end // of next_state_decoding

// state_transition
  always @ (posedge clk or posedge rst) 
  begin : state_transition // State transition
    if (rst)
     begin
      cur_state = 4'b1100 ; // idle
      // mark:
      r = 1'b1 ;
     end
    else
     begin
      cur_state = next_state ;
     end // Reset & Clock
  end // of state_transition

endmodule // ctrl_2(fsm)


///////////////////////////////////////////////////////////////////////////
// Module 'ctrl_3(fsm)'.
///////////////////////////////////////////////////////////////////////////

module ctrl_3 (clk, rst, go, abort, o, busy, p, r) ;
  input  clk ; // Clock
  input  rst ; // Reset
  input  go ;
  input  abort ;
  output [1:0]o ;
  reg    [1:0]o ;
  output busy ;
  reg    busy ;
  output p ;
  reg    p ;
  output r ;
  reg    r ;


// State Machine Options:
//   State assignment      : Two Hot.
//   Actions on transitions: Clocked.
//   Actions on states     : Combinational.

  parameter
    idle_0 = 3 , // "1100"
    idle_1 = 2 ,
    run_0  = 3 , // "1010"
    run_1  = 1 ,
    done_0 = 3 , // "1001"
    done_1 = 0 ,
    hold_0 = 2 , // "0110"
    hold_1 = 1 ;
  reg [3:0] state ;  // Current State


// state_decoding
  always @ (negedge clk or posedge rst) 
  begin : state_decoding
    if (rst)
     begin
      state = 4'b1100 ; // idle
      // mark:
      r = 1'b1 ;
     end
    else
     begin
      state <= 0 ;
      // quiet:
      p = 1'b0 ;
      if ( // abort:
          abort == 1'b1
         )
       begin
        state[idle_0] <= 1'b1 ; state[idle_1] <= 1'b1 ;
       end
      else
       begin
        if (state[idle_0] && state[idle_1]) begin  // State: idle
          if (go == 1'b1)
           begin
            state[run_0] <= 1'b1 ; state[run_1] <= 1'b1 ;
            // pulse:
            p = 1'b1 ;
           end
          else
           begin
            state[idle_0] <= 1'b1 ; state[idle_1] <= 1'b1 ;
           end
         end
        if (state[run_0] && state[run_1]) begin  // State: run
          if ( // finish:
              go == 1'b0 &&
              abort == 1'b0
             )
           begin
            state[done_0] <= 1'b1 ; state[done_1] <= 1'b1 ;
           end
          else
           begin
            state[run_0] <= 1'b1 ; state[run_1] <= 1'b1 ;
           end
         end
        if (state[done_0] && state[done_1]) begin  // State: done
          state[hold_0] <= 1'b1 ; state[hold_1] <= 1'b1 ;
         end
        if (state[hold_0] && state[hold_1]) begin  // State: hold
          state[hold_0] <= 1'b1 ; state[hold_1] <= 1'b1 ;
         end
       end // Global transition
     end // Reset & Clock
  end // of state_decoding

// state_actions
  always @ (state or clk or rst or go or abort) 
  begin : state_actions // Combinational 
    busy = 1'b0 ;
    if (state[idle_0] && state[idle_1]) begin  // State: idle
      // o_idle:
      o = 2'b00 ;
     end
    if (state[run_0] && state[run_1]) begin  // State: run
      // o_run:
      o = 2'b01 ;
      busy = 1'b1 ;
     end
    if (state[done_0] && state[done_1]) begin  // State: done
      // o_done:
      o = 2'b10 ;
     end
  end // of state_actions

endmodule // ctrl_3(fsm)


///////////////////////////////////////////////////////////////////////////
// Module 'ctrl_4(fsm)'.
///////////////////////////////////////////////////////////////////////////

module ctrl_4 (clk, rst, go, abort, o, busy, p, r) ;
  input  clk ; // Clock
  input  rst ; // Reset
  input  go ;
  input  abort ;
  output [1:0]o ;
  reg    [1:0]o ;
  output busy ;
  reg    busy ;
  output p ;
  reg    p ;
  output r ;
  reg    r ;


// State Machine Options:
//   State assignment      : Two Hot.
//   Actions on transitions: Clocked.
//   Actions on states     : Clocked.

  parameter
    idle_0 = 3 , // "1100"
    idle_1 = 2 ,
    run_0  = 3 , // "1010"
    run_1  = 1 ,
    done_0 = 3 , // "1001"
    done_1 = 0 ,
    hold_0 = 2 , // "0110"
    hold_1 = 1 ;
  reg [3:0] state ;  // Current State


// state_decoding
  always @ (posedge clk or posedge rst) 
  begin : state_decoding
    if (rst)
     begin
      state = 4'b1100 ; // idle
      // mark:
      r = 1'b1 ;
     end
    else
     begin
      state <= 0 ;
      busy = 1'b0 ;
      // quiet:
      p = 1'b0 ;
      if ( // abort:
          abort == 1'b1
         )
       begin
        state[idle_0] <= 1'b1 ; state[idle_1] <= 1'b1 ;
        // o_idle:
        o = 2'b00 ;
       end
      else
       begin
        if (state[idle_0] && state[idle_1]) begin  // State: idle
          if (go == 1'b1)
           begin
            state[run_0] <= 1'b1 ; state[run_1] <= 1'b1 ;
            // pulse:
            p = 1'b1 ;
            // o_run:
            o = 2'b01 ;
            busy = 1'b1 ;
           end
          else
           begin
            state[idle_0] <= 1'b1 ; state[idle_1] <= 1'b1 ;
           end
         end
        if (state[run_0] && state[run_1]) begin  // State: run
          if ( // finish:
              go == 1'b0 &&
              abort == 1'b0
             )
           begin
            state[done_0] <= 1'b1 ; state[done_1] <= 1'b1 ;
            // o_done:
            o = 2'b10 ;
           end
          else
           begin
            state[run_0] <= 1'b1 ; state[run_1] <= 1'b1 ;
           end
         end
        if (state[done_0] && state[done_1]) begin  // State: done
          state[hold_0] <= 1'b1 ; state[hold_1] <= 1'b1 ;
         end
        if (state[hold_0] && state[hold_1]) begin  // State: hold
          state[hold_0] <= 1'b1 ; state[hold_1] <= 1'b1 ;
         end
       end // Global transition
     end // Reset & Clock
  end // of state_decoding

endmodule // ctrl_4(fsm)


///////////////////////////////////////////////////////////////////////////
// Module 'ctrl_5(fsm)'.
///////////////////////////////////////////////////////////////////////////

module ctrl_5 (clk, rst, go, abort, o, busy, p, r) ;
  input  clk ; // Clock
  input  rst ; // Reset
  input  go ;
  input  abort ;
  output [1:0]o ;
  reg    [1:0]o ;
  output busy ;
  reg    busy ;
  output p ;
  reg    p ;
  output r ;
  reg    r ;


// State Machine Options:
//   State assignment      : Two Hot.
//   Actions on transitions: Comb.(in 1 Always Block).
//   Actions on states     : Combinational.

  parameter
    idle_0 = 3 , // "1100"
    idle_1 = 2 ,
    run_0  = 3 , // "1010"
    run_1  = 1 ,
    done_0 = 3 , // "1001"
    done_1 = 0 ,
    hold_0 = 2 , // "0110"
    hold_1 = 1 ;
  reg [3:0] cur_state ;  // Current State
  reg [3:0] next_state ;  // Next State


// next_state_decoding
  always @ (cur_state or clk or rst or go or abort) 
  begin : next_state_decoding
    if ( // reset:
        rst==1
       )
     begin
      // mark:
      r = 1'b1 ;
     end
    else
     begin
      next_state = 0 ;
      // quiet:
      p = 1'b0 ;
      if ( // abort:
          abort == 1'b1
         )
       begin
        next_state[idle_0] = 1'b1 ; next_state[idle_1] = 1'b1 ;
       end
      else
       begin
        if (cur_state[idle_0] && cur_state[idle_1]) begin  // State: idle
          if (go == 1'b1)
           begin
            next_state[run_0] = 1'b1 ; next_state[run_1] = 1'b1 ;
            // pulse:
            p = 1'b1 ;
           end
          else
           begin
            next_state[idle_0] = 1'b1 ; next_state[idle_1] = 1'b1 ;
           end
         end
        if (cur_state[run_0] && cur_state[run_1]) begin  // State: run
          if ( // finish:
              go == 1'b0 &&
              abort == 1'b0
             )
           begin
            next_state[done_0] = 1'b1 ; next_state[done_1] = 1'b1 ;
           end
          else
           begin
            next_state[run_0] = 1'b1 ; next_state[run_1] = 1'b1 ;
           end
         end
        if (cur_state[done_0] && cur_state[done_1]) begin  // State: done
          next_state[hold_0] = 1'b1 ; next_state[hold_1] = 1'b1 ;
         end
        if (cur_state[hold_0] && cur_state[hold_1]) begin  // State: hold
          next_state[hold_0] = 1'b1 ; next_state[hold_1] = 1'b1 ;
         end
       end // Global transition
     end // Reset
  end // of next_state_decoding

// state_transition
  always @ (negedge clk or posedge rst) 
  begin : state_transition // State transition
    if (rst)
     begin
      cur_state = 4'b1100 ; // idle
     end
    else
     begin
      cur_state = next_state ;
     end // Reset & Clock
  end // of state_transition

// state_actions
  always @ (cur_state or clk or rst or go or abort) 
  begin : state_actions // Combinational 
    busy = 1'b0 ;
    if (cur_state[idle_0] && cur_state[idle_1]) begin  // State: idle
      // o_idle:
      o = 2'b00 ;
     end
    if (cur_state[run_0] && cur_state[run_1]) begin  // State: run
      // o_run:
      o = 2'b01 ;
      busy = 1'b1 ;
     end
    if (cur_state[done_0] && cur_state[done_1]) begin  // State: done
      // o_done:
      o = 2'b10 ;
     end
  end // of state_actions

endmodule // ctrl_5(fsm)


///////////////////////////////////////////////////////////////////////////
// Module 'ctrl_6(fsm)'.
///////////////////////////////////////////////////////////////////////////

module ctrl_6 (clk, rst, go, abort, o, busy, p, r) ;
  input  clk ; // Clock
  input  rst ; // Reset
  input  go ;
  input  abort ;
  output [1:0]o ;
  reg    [1:0]o ;
  output busy ;
  reg    busy ;
  output p ;
  reg    p ;
  output r ;
  reg    r ;


// State Machine Options:
//   State assignment      : Two Hot.
//   Actions on transitions: Comb.(in 1 Always Block).
//   Actions on states     : Clocked.

  parameter
    idle_0 = 3 , // "1100"
    idle_1 = 2 ,
    run_0  = 3 , // "1010"
    run_1  = 1 ,
    done_0 = 3 , // "1001"
    done_1 = 0 ,
    hold_0 = 2 , // "0110"
    hold_1 = 1 ;
  reg [3:0] cur_state ;  // Current State
  reg [3:0] next_state ;  // Next State


// next_state_decoding
  always @ (cur_state or clk or rst or go or abort) 
  begin : next_state_decoding
    if ( // reset:
        rst==1
       )
     begin
      // mark:
      r = 1'b1 ;
     end
    else
     begin
      next_state = 0 ;
      // quiet:
      p = 1'b0 ;
      if ( // abort:
          abort == 1'b1
         )
       begin
        next_state[idle_0] = 1'b1 ; next_state[idle_1] = 1'b1 ;
       end
      else
       begin
        if (cur_state[idle_0] && cur_state[idle_1]) begin  // State: idle
          if (go == 1'b1)
           begin
            next_state[run_0] = 1'b1 ; next_state[run_1] = 1'b1 ;
            // pulse:
            p = 1'b1 ;
           end
          else
           begin
            next_state[idle_0] = 1'b1 ; next_state[idle_1] = 1'b1 ;
           end
         end
        if (cur_state[run_0] && cur_state[run_1]) begin  // State: run
          if ( // finish:
              go == 1'b0 &&
              abort == 1'b0
             )
           begin
            next_state[done_0] = 1'b1 ; next_state[done_1] = 1'b1 ;
           end
          else
           begin
            next_state[run_0] = 1'b1 ; next_state[run_1] = 1'b1 ;
           end
         end
        if (cur_state[done_0] && cur_state[done_1]) begin  // State: done
          next_state[hold_0] = 1'b1 ; next_state[hold_1] = 1'b1 ;
         end
        if (cur_state[hold_0] && cur_state[hold_1]) begin  // State: hold
          next_state[hold_0] = 1'b1 ; next_state[hold_1] = 1'b1 ;
         end
       end // Global transition
     end // Reset
  end // of next_state_decoding

// state_transition
  always @ (posedge clk or posedge rst) 
  begin : state_transition // State transition
    if (rst)
     begin
      cur_state = 4'b1100 ; // idle
     end
    else
     begin
      cur_state = next_state ;
      busy = 1'b0 ;
      if (next_state[idle_0] && next_state[idle_1]) begin  // State: idle
        // o_idle:
        o = 2'b00 ;
       end
      if (next_state[run_0] && next_state[run_1]) begin  // State: run
        // o_run:
        o = 2'b01 ;
        busy = 1'b1 ;
       end
      if (next_state[done_0] && next_state[done_1]) begin  // State: done
        // o_done:
        o = 2'b10 ;
       end
     end // Reset & Clock
  end // of state_transition

endmodule // ctrl_6(fsm)


///////////////////////////////////////////////////////////////////////////
// Module 'ctrl_7(fsm)'.
///////////////////////////////////////////////////////////////////////////

module ctrl_7 (clk, rst, go, abort, o, busy, p, r) ;
  input  clk ; // Clock
  input  rst ; // Reset
  input  go ;
  input  abort ;
  output [1:0]o ;
  reg    [1:0]o ;
  output busy ;
  reg    busy ;
  output p ;
  reg    p ;
  output r ;
  reg    r ;


// State Machine Options:
//   State assignment      : Two Hot.
//   Actions on transitions: Comb.(in 1 Always Block).
//   Actions on states     : Comb.(in 1 Always Block).

  parameter
    idle_0 = 3 , // "1100"
    idle_1 = 2 ,
    run_0  = 3 , // "1010"
    run_1  = 1 ,
    done_0 = 3 , // "1001"
    done_1 = 0 ,
    hold_0 = 2 , // "0110"
    hold_1 = 1 ;
  reg [3:0] cur_state ;  // Current State
  reg [3:0] next_state ;  // Next State


// next_state_decoding
  always @ (cur_state or clk or rst or go or abort) 
  begin : next_state_decoding
    if ( // reset:
        rst==1
       )
     begin
      // mark:
      r = 1'b1 ;
     end
    else
     begin
      next_state = 0 ;
      busy = 1'b0 ;
      if (cur_state[idle_0] && cur_state[idle_1]) begin  // State: idle
        // o_idle:
        o = 2'b00 ;
       end
      if (cur_state[run_0] && cur_state[run_1]) begin  // State: run
        // o_run:
        o = 2'b01 ;
        busy = 1'b1 ;
       end
      if (cur_state[done_0] && cur_state[done_1]) begin  // State: done
        // o_done:
        o = 2'b10 ;
       end
      // quiet:
      p = 1'b0 ;
      if ( // abort:
          abort == 1'b1
         )
       begin
        next_state[idle_0] = 1'b1 ; next_state[idle_1] = 1'b1 ;
       end
      else
       begin
        if (cur_state[idle_0] && cur_state[idle_1]) begin  // State: idle
          if (go == 1'b1)
           begin
            next_state[run_0] = 1'b1 ; next_state[run_1] = 1'b1 ;
            // pulse:
            p = 1'b1 ;
           end
          else
           begin
            next_state[idle_0] = 1'b1 ; next_state[idle_1] = 1'b1 ;
           end
         end
        if (cur_state[run_0] && cur_state[run_1]) begin  // State: run
          if ( // finish:
              go == 1'b0 &&
              abort == 1'b0
             )
           begin
            next_state[done_0] = 1'b1 ; next_state[done_1] = 1'b1 ;
           end
          else
           begin
            next_state[run_0] = 1'b1 ; next_state[run_1] = 1'b1 ;
           end
         end
        if (cur_state[done_0] && cur_state[done_1]) begin  // State: done
          next_state[hold_0] = 1'b1 ; next_state[hold_1] = 1'b1 ;
         end
        if (cur_state[hold_0] && cur_state[hold_1]) begin  // State: hold
          next_state[hold_0] = 1'b1 ; next_state[hold_1] = 1'b1 ;
         end
       end // Global transition
     end // Reset
  end // of next_state_decoding

// state_transition
  always @ (negedge clk or posedge rst) 
  begin : state_transition // State transition
    if (rst)
     begin
      cur_state = 4'b1100 ; // idle
     end
    else
     begin
      cur_state = next_state ;
     end // Reset & Clock
  end // of state_transition

endmodule // ctrl_7(fsm)

