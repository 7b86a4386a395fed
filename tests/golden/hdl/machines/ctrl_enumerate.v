
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
//   State assignment      : Enumerate.
//   State decoding        : Case construct.
//   Actions on transitions: Combinational.
//   Actions on states     : Combinational.

  parameter
    idle = 0,
    run  = 1,
    done = 2,
    hold = 3;
  integer cur_state ;  // Current State
  integer next_state ;  // Next State


// next_state_decoding
  always @ (cur_state or clk or rst or go or abort) 
  begin : next_state_decoding
    next_state = cur_state ;
    // quiet:
    p = 1'b0 ;
    if ( // abort:
        abort == 1'b1
       )
     begin
      next_state = idle ;
     end
    else
     begin
      case (cur_state)
        idle:
         begin
          if (go == 1'b1)
           begin
            next_state = run ;
            // pulse:
            p = 1'b1 ;
           end
         end
        run:
         begin
          if ( // finish:
              go == 1'b0 &&
              abort == 1'b0
             )
           begin
            next_state = done ;
           end
         end
        done:
         begin
          next_state = hold ;
         end
        hold:
         begin
         end
      endcase
     end // Global transition
  end // of next_state_decoding

// state_transition
  always @ (posedge clk or posedge rst) 
  begin : state_transition // State transition
    if (rst)
     begin
      cur_state = idle ;
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
    case (cur_state)
      idle:
       begin
        // o_idle:
        o = 2'b00 ;
       end
      run:
       begin
        // o_run:
        o = 2'b01 ;
        busy = 1'b1 ;
       end
      done:
       begin
        // o_done:
        o = 2'b10 ;
       end
      default:
       begin
       end
    endcase
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
//   State assignment      : Enumerate.
//   State decoding        : Case construct.
//   Actions on transitions: Combinational.
//   Actions on states     : Clocked.

  parameter
    idle = 0,
    run  = 1,
    done = 2,
    hold = 3;
  integer cur_state ;  // Current State
  integer next_state ;  // Next State


// next_state_decoding
  always @ (cur_state or clk or rst or go or abort) 
  begin : next_state_decoding
    next_state = cur_state ;
    // quiet:
    p = 1'b0 ;
    if ( // abort:
        abort == 1'b1
       )
     begin
      next_state = idle ;
     end
    else
     begin
      case (cur_state)
        idle:
         begin
          if (go == 1'b1)
           begin
            next_state = run ;
            // pulse:
            p = 1'b1 ;
           end
         end
        run:
         begin
          if ( // finish:
              go == 1'b0 &&
              abort == 1'b0
             )
           begin
            next_state = done ;
           end
         end
        done:
         begin
          next_state = hold ;
         end
        hold:
         begin
         end
      endcase
     end // Global transition
  end // of next_state_decoding

// state_transition
  always @ (negedge clk or posedge rst) 
  begin : state_transition // State transition
    if (rst)
     begin
      cur_state = idle ;
      // mark:
      r = 1'b1 ;
     end
    else
     begin
      cur_state = next_state ;
      busy = 1'b0 ;
      case (next_state)
        idle:
         begin
          // o_idle:
          o = 2'b00 ;
         end
        run:
         begin
          // o_run:
          o = 2'b01 ;
          busy = 1'b1 ;
         end
        done:
         begin
          // o_done:
          o = 2'b10 ;
         end
        default:
         begin
         end
      endcase
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
//   State assignment      : Enumerate.
//   State decoding        : Case construct.
//   Actions on transitions: Combinational.
//   Actions on states     : Comb.(in 1 Always Block).

  parameter
    idle = 0,
    run  = 1,
    done = 2,
    hold = 3;
  integer cur_state ;  // Current State
  integer next_state ;  // Next State


// next_state_decoding
  always @ (cur_state or clk or rst or go or abort) 
  begin : next_state_decoding
    next_state = cur_state ;
    busy = 1'b0 ;
    // quiet:
    p = 1'b0 ;
    case (cur_state)
      idle:
       begin
        // o_idle:
        o = 2'b00 ;
        if ( // abort:
            abort == 1'b1
           )
         begin
          next_state = idle ;
         end
        else if (go == 1'b1)
         begin
          next_state = run ;
          // pulse:
          p = 1'b1 ;
         end
       end
      run:
       begin
        // o_run:
        o = 2'b01 ;
        busy = 1'b1 ;
        if ( // abort:
            abort == 1'b1
           )
         begin
          next_state = idle ;
         end
        else if ( // finish:
                 go == 1'b0 &&
                 abort == 1'b0
                )
         begin
          next_state = done ;
         end
       end
      done:
       begin
        // o_done:
        o = 2'b10 ;
        if ( // abort:
            abort == 1'b1
           )
         begin
          next_state = idle ;
         end
        else
         begin
          next_state = hold ;
         end
       end
      hold:
       begin
        if ( // abort:
            abort == 1'b1
           )
         begin
          next_state = idle ;
         end
       end
      default:
       begin
        if ( // abort:
            abort == 1'b1
           )
         begin
          next_state = idle ;
         end
        else
         begin
          // No REST state defined
         end
       end
    endcase
  end // of next_state_decoding

// state_transition
  always @ (posedge clk or posedge rst) 
  begin : state_transition // State transition
    if (rst)
     begin
      cur_state = idle ;
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
//   State assignment      : Enumerate.
//   State decoding        : Case construct.
//   Actions on transitions: Clocked.
//   Actions on states     : Combinational.

  parameter
    idle = 0,
    run  = 1,
    done = 2,
    hold = 3;
  integer state ;  // Current State


// state_decoding
  always @ (negedge clk or posedge rst) 
  begin : state_decoding
    if (rst)
     begin
      state = idle ;
      // mark:
      r = 1'b1 ;
     end
    else
     begin
      // quiet:
      p = 1'b0 ;
      if ( // abort:
          abort == 1'b1
         )
       begin
        state = idle ;
       end
      else
       begin
        case (state)
          idle:
           begin
            if (go == 1'b1)
             begin
              state = run ;
              // pulse:
              p = 1'b1 ;
             end
           end
          run:
           begin
            if ( // finish:
                go == 1'b0 &&
                abort == 1'b0
               )
             begin
              state = done ;
             end
           end
          done:
           begin
            state = hold ;
           end
          hold:
           begin
           end
        endcase
       end // Global transition
     end // Reset & Clock
  end // of state_decoding

// state_actions
  always @ (state or clk or rst or go or abort) 
  begin : state_actions // Combinational 
    busy = 1'b0 ;
    case (state)
      idle:
       begin
        // o_idle:
        o = 2'b00 ;
       end
      run:
       begin
        // o_run:
        o = 2'b01 ;
        busy = 1'b1 ;
       end
      done:
       begin
        // o_done:
        o = 2'b10 ;
       end
      default:
       begin
       end
    endcase
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
//   State assignment      : Enumerate.
//   State decoding        : Case construct.
//   Actions on transitions: Clocked.
//   Actions on states     : Clocked.

  parameter
    idle = 0,
    run  = 1,
    done = 2,
    hold = 3;
  integer state ;  // Current State


// state_decoding
  always @ (posedge clk or posedge rst) 
  begin : state_decoding
    if (rst)
     begin
      state = idle ;
      // mark:
      r = 1'b1 ;
     end
    else
     begin
      busy = 1'b0 ;
      // quiet:
      p = 1'b0 ;
      if ( // abort:
          abort == 1'b1
         )
       begin
        state = idle ;
        // o_idle:
        o = 2'b00 ;
       end
      else
       begin
        case (state)
          idle:
           begin
            if (go == 1'b1)
             begin
              state = run ;
              // pulse:
              p = 1'b1 ;
              // o_run:
              o = 2'b01 ;
              busy = 1'b1 ;
             end
           end
          run:
           begin
            if ( // finish:
                go == 1'b0 &&
                abort == 1'b0
               )
             begin
              state = done ;
              // o_done:
              o = 2'b10 ;
             end
           end
          done:
           begin
            state = hold ;
           end
          hold:
           begin
           end
        endcase
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
//   State assignment      : Enumerate.
//   State decoding        : Case construct.
//   Actions on transitions: Comb.(in 1 Always Block).
//   Actions on states     : Combinational.

  parameter
    idle = 0,
    run  = 1,
    done = 2,
    hold = 3;
  integer cur_state ;  // Current State
  integer next_state ;  // Next State


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
      next_state = cur_state ;
      // quiet:
      p = 1'b0 ;
      if ( // abort:
          abort == 1'b1
         )
       begin
        next_state = idle ;
       end
      else
       begin
        case (cur_state)
          idle:
           begin
            if (go == 1'b1)
             begin
              next_state = run ;
              // pulse:
              p = 1'b1 ;
             end
           end
          run:
           begin
            if ( // finish:
                go == 1'b0 &&
                abort == 1'b0
               )
             begin
              next_state = done ;
             end
           end
          done:
           begin
            next_state = hold ;
           end
          hold:
           begin
           end
        endcase
       end // Global transition
     end // Reset
  end // of next_state_decoding

// state_transition
  always @ (negedge clk or posedge rst) 
  begin : state_transition // State transition
    if (rst)
     begin
      cur_state = idle ;
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
    case (cur_state)
      idle:
       begin
        // o_idle:
        o = 2'b00 ;
       end
      run:
       begin
        // o_run:
        o = 2'b01 ;
        busy = 1'b1 ;
       end
      done:
       begin
        // o_done:
        o = 2'b10 ;
       end
      default:
       begin
       end
    endcase
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
//   State assignment      : Enumerate.
//   State decoding        : Case construct.
//   Actions on transitions: Comb.(in 1 Always Block).
//   Actions on states     : Clocked.

  parameter
    idle = 0,
    run  = 1,
    done = 2,
    hold = 3;
  integer cur_state ;  // Current State
  integer next_state ;  // Next State


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
      next_state = cur_state ;
      // quiet:
      p = 1'b0 ;
      if ( // abort:
          abort == 1'b1
         )
       begin
        next_state = idle ;
       end
      else
       begin
        case (cur_state)
          idle:
           begin
            if (go == 1'b1)
             begin
              next_state = run ;
              // pulse:
              p = 1'b1 ;
             end
           end
          run:
           begin
            if ( // finish:
                go == 1'b0 &&
                abort == 1'b0
               )
             begin
              next_state = done ;
             end
           end
          done:
           begin
            next_state = hold ;
           end
          hold:
           begin
           end
        endcase
       end // Global transition
     end // Reset
  end // of next_state_decoding

// state_transition
  always @ (posedge clk or posedge rst) 
  begin : state_transition // State transition
    if (rst)
     begin
      cur_state = idle ;
     end
    else
     begin
      cur_state = next_state ;
      busy = 1'b0 ;
      case (next_state)
        idle:
         begin
          // o_idle:
          o = 2'b00 ;
         end
        run:
         begin
          // o_run:
          o = 2'b01 ;
          busy = 1'b1 ;
         end
        done:
         begin
          // o_done:
          o = 2'b10 ;
         end
        default:
         begin
         end
      endcase
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
//   State assignment      : Enumerate.
//   State decoding        : Case construct.
//   Actions on transitions: Comb.(in 1 Always Block).
//   Actions on states     : Comb.(in 1 Always Block).

  parameter
    idle = 0,
    run  = 1,
    done = 2,
    hold = 3;
  integer cur_state ;  // Current State
  integer next_state ;  // Next State


// next_state_decoding
  always @ (cur_state or clk or rst or go or abort) 
  begin : next_state_decoding
    next_state = cur_state ;
    busy = 1'b0 ;
    // quiet:
    p = 1'b0 ;
    case (cur_state)
      idle:
       begin
        // o_idle:
        o = 2'b00 ;
        if ( // reset:
            rst==1
           )
         begin
          // mark:
          r = 1'b1 ;
         end
        else if ( // abort:
                 abort == 1'b1
                )
         begin
          next_state = idle ;
         end
        else if (go == 1'b1)
         begin
          next_state = run ;
          // pulse:
          p = 1'b1 ;
         end
       end
      run:
       begin
        // o_run:
        o = 2'b01 ;
        busy = 1'b1 ;
        if ( // reset:
            rst==1
           )
         begin
          // mark:
          r = 1'b1 ;
         end
        else if ( // abort:
                 abort == 1'b1
                )
         begin
          next_state = idle ;
         end
        else if ( // finish:
                 go == 1'b0 &&
                 abort == 1'b0
                )
         begin
          next_state = done ;
         end
       end
      done:
       begin
        // o_done:
        o = 2'b10 ;
        if ( // reset:
            rst==1
           )
         begin
          // mark:
          r = 1'b1 ;
         end
        else if ( // abort:
                 abort == 1'b1
                )
         begin
          next_state = idle ;
         end
        else
         begin
          next_state = hold ;
         end
       end
      hold:
       begin
        if ( // reset:
            rst==1
           )
         begin
          // mark:
          r = 1'b1 ;
         end
        else if ( // abort:
                 abort == 1'b1
                )
         begin
          next_state = idle ;
         end
       end
      default:
       begin
        if ( // reset:
            rst==1
           )
         begin
          // mark:
          r = 1'b1 ;
         end
        else if ( // abort:
                 abort == 1'b1
                )
         begin
          next_state = idle ;
         end
        else
         begin
          // No REST state defined
         end
       end
    endcase
  end // of next_state_decoding

// state_transition
  always @ (negedge clk or posedge rst) 
  begin : state_transition // State transition
    if (rst)
     begin
      cur_state = idle ;
     end
    else
     begin
      cur_state = next_state ;
     end // Reset & Clock
  end // of state_transition

endmodule // ctrl_7(fsm)


///////////////////////////////////////////////////////////////////////////
// Module 'ctrl_8(fsm)'.
///////////////////////////////////////////////////////////////////////////

module ctrl_8 (clk, rst, go, abort, o, busy, p, r) ;
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
//   State assignment      : Enumerate.
//   State decoding        : If-else construct.
//   Actions on transitions: Combinational.
//   Actions on states     : Combinational.

  parameter
    idle = 0,
    run  = 1,
    done = 2,
    hold = 3;
  integer cur_state ;  // Current State
  integer next_state ;  // Next State


// next_state_decoding
  always @ (cur_state or clk or rst or go or abort) 
  begin : next_state_decoding
    next_state = cur_state ;
    // quiet:
    p = 1'b0 ;
    if ( // abort:
        abort == 1'b1
       )
     begin
      next_state = idle ;
     end
    else
     begin
      if (cur_state == idle) begin
        if (go == 1'b1)
         begin
          next_state = run ;
          // pulse:
          p = 1'b1 ;
         end
       end
      else if (cur_state == run) begin
        if ( // finish:
            go == 1'b0 &&
            abort == 1'b0
           )
         begin
          next_state = done ;
         end
       end
      else if (cur_state == done) begin
        next_state = hold ;
       end
      else if (cur_state == hold) begin
       end
     end // Global transition
  end // of next_state_decoding

// state_transition
  always @ (posedge clk or posedge rst) 
  begin : state_transition // State transition
    if (rst)
     begin
      cur_state = idle ;
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
    if (cur_state == idle) begin
      // o_idle:
      o = 2'b00 ;
     end
    else if (cur_state == run) begin
      // o_run:
      o = 2'b01 ;
      busy = 1'b1 ;
     end
    else if (cur_state == done) begin
      // o_done:
      o = 2'b10 ;
     end
  end // of state_actions

endmodule // ctrl_8(fsm)


///////////////////////////////////////////////////////////////////////////
// Module 'ctrl_9(fsm)'.
///////////////////////////////////////////////////////////////////////////

module ctrl_9 (clk, rst, go, abort, o, busy, p, r) ;
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
//   State assignment      : Enumerate.
//   State decoding        : If-else construct.
//   Actions on transitions: Combinational.
//   Actions on states     : Clocked.

  parameter
    idle = 0,
    run  = 1,
    done = 2,
    hold = 3;
  integer cur_state ;  // Current State
  integer next_state ;  // Next State


// next_state_decoding
  always @ (cur_state or clk or rst or go or abort) 
  begin : next_state_decoding
    next_state = cur_state ;
    // quiet:
    p = 1'b0 ;
    if ( // abort:
        abort == 1'b1
       )
     begin
      next_state = idle ;
     end
    else
     begin
      if (cur_state == idle) begin
        if (go == 1'b1)
         begin
          next_state = run ;
          // pulse:
          p = 1'b1 ;
         end
       end
      else if (cur_state == run) begin
        if ( // finish:
            go == 1'b0 &&
            abort == 1'b0
           )
         begin
          next_state = done ;
         end
       end
      else if (cur_state == done) begin
        next_state = hold ;
       end
      else if (cur_state == hold) begin
       end
     end // Global transition
  end // of next_state_decoding

// state_transition
  always @ (negedge clk or posedge rst) 
  begin : state_transition // State transition
    if (rst)
     begin
      cur_state = idle ;
      // mark:
      r = 1'b1 ;
     end
    else
     begin
      cur_state = next_state ;
      busy = 1'b0 ;
      if (next_state == idle) begin
        // o_idle:
        o = 2'b00 ;
       end
      else if (next_state == run) begin
        // o_run:
        o = 2'b01 ;
        busy = 1'b1 ;
       end
      else if (next_state == done) begin
        // o_done:
        o = 2'b10 ;
       end
     end // Reset & Clock
  end // of state_transition

endmodule // ctrl_9(fsm)


///////////////////////////////////////////////////////////////////////////
// Module 'ctrl_10(fsm)'.
///////////////////////////////////////////////////////////////////////////

module ctrl_10 (clk, rst, go, abort, o, busy, p, r) ;
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
//   State assignment      : Enumerate.
//   State decoding        : If-else construct.
//   Actions on transitions: Combinational.
//   Actions on states     : Comb.(in 1 Always Block).

  parameter
    idle = 0,
    run  = 1,
    done = 2,
    hold = 3;
  integer cur_state ;  // Current State
  integer next_state ;  // Next State


// next_state_decoding
  always @ (cur_state or clk or rst or go or abort) 
  begin : next_state_decoding
    next_state = cur_state ;
    busy = 1'b0 ;
    // quiet:
    p = 1'b0 ;
    if (cur_state == idle) begin
      // o_idle:
      o = 2'b00 ;
      if ( // abort:
          abort == 1'b1
         )
       begin
        next_state = idle ;
       end
      else if (go == 1'b1)
       begin
        next_state = run ;
        // pulse:
        p = 1'b1 ;
       end
     end
    else if (cur_state == run) begin
      // o_run:
      o = 2'b01 ;
      busy = 1'b1 ;
      if ( // abort:
          abort == 1'b1
         )
       begin
        next_state = idle ;
       end
      else if ( // finish:
               go == 1'b0 &&
               abort == 1'b0
              )
       begin
        next_state = done ;
       end
     end
    else if (cur_state == done) begin
      // o_done:
      o = 2'b10 ;
      if ( // abort:
          abort == 1'b1
         )
       begin
        next_state = idle ;
       end
      else
       begin
        next_state = hold ;
       end
     end
    else if (cur_state == hold) begin
      if ( // abort:
          abort == 1'b1
         )
       begin
        next_state = idle ;
       end
     end
    else
     begin
      if ( // abort:
          abort == 1'b1
         )
       begin
        next_state = idle ;
       end
      else
       begin
        // No REST state defined
       end
     end
  end // of next_state_decoding

// state_transition
  always @ (posedge clk or posedge rst) 
  begin : state_transition // State transition
    if (rst)
     begin
      cur_state = idle ;
      // mark:
      r = 1'b1 ;
     end
    else
     begin
      cur_state = next_state ;
     end // Reset & Clock
  end // of state_transition

endmodule // ctrl_10(fsm)


///////////////////////////////////////////////////////////////////////////
// Module 'ctrl_11(fsm)'.
///////////////////////////////////////////////////////////////////////////

module ctrl_11 (clk, rst, go, abort, o, busy, p, r) ;
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
//   State assignment      : Enumerate.
//   State decoding        : If-else construct.
//   Actions on transitions: Clocked.
//   Actions on states     : Combinational.

  parameter
    idle = 0,
    run  = 1,
    done = 2,
    hold = 3;
  integer state ;  // Current State


// state_decoding
  always @ (negedge clk or posedge rst) 
  begin : state_decoding
    if (rst)
     begin
      state = idle ;
      // mark:
      r = 1'b1 ;
     end
    else
     begin
      // quiet:
      p = 1'b0 ;
      if ( // abort:
          abort == 1'b1
         )
       begin
        state = idle ;
       end
      else
       begin
        if (state == idle) begin
          if (go == 1'b1)
           begin
            state = run ;
            // pulse:
            p = 1'b1 ;
           end
         end
        else if (state == run) begin
          if ( // finish:
              go == 1'b0 &&
              abort == 1'b0
             )
           begin
            state = done ;
           end
         end
        else if (state == done) begin
          state = hold ;
         end
        else if (state == hold) begin
         end
       end // Global transition
     end // Reset & Clock
  end // of state_decoding

// state_actions
  always @ (state or clk or rst or go or abort) 
  begin : state_actions // Combinational 
    busy = 1'b0 ;
    if (state == idle) begin
      // o_idle:
      o = 2'b00 ;
     end
    else if (state == run) begin
      // o_run:
      o = 2'b01 ;
      busy = 1'b1 ;
     end
    else if (state == done) begin
      // o_done:
      o = 2'b10 ;
     end
  end // of state_actions

endmodule // ctrl_11(fsm)


///////////////////////////////////////////////////////////////////////////
// Module 'ctrl_12(fsm)'.
///////////////////////////////////////////////////////////////////////////

module ctrl_12 (clk, rst, go, abort, o, busy, p, r) ;
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
//   State assignment      : Enumerate.
//   State decoding        : If-else construct.
//   Actions on transitions: Clocked.
//   Actions on states     : Clocked.

  parameter
    idle = 0,
    run  = 1,
    done = 2,
    hold = 3;
  integer state ;  // Current State


// state_decoding
  always @ (posedge clk or posedge rst) 
  begin : state_decoding
    if (rst)
     begin
      state = idle ;
      // mark:
      r = 1'b1 ;
     end
    else
     begin
      busy = 1'b0 ;
      // quiet:
      p = 1'b0 ;
      if ( // abort:
          abort == 1'b1
         )
       begin
        state = idle ;
        // o_idle:
        o = 2'b00 ;
       end
      else
       begin
        if (state == idle) begin
          if (go == 1'b1)
           begin
            state = run ;
            // pulse:
            p = 1'b1 ;
            // o_run:
            o = 2'b01 ;
            busy = 1'b1 ;
           end
         end
        else if (state == run) begin
          if ( // finish:
              go == 1'b0 &&
              abort == 1'b0
             )
           begin
            state = done ;
            // o_done:
            o = 2'b10 ;
           end
         end
        else if (state == done) begin
          state = hold ;
         end
        else if (state == hold) begin
         end
       end // Global transition
     end // Reset & Clock
  end // of state_decoding

endmodule // ctrl_12(fsm)


///////////////////////////////////////////////////////////////////////////
// Module 'ctrl_13(fsm)'.
///////////////////////////////////////////////////////////////////////////

module ctrl_13 (clk, rst, go, abort, o, busy, p, r) ;
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
//   State assignment      : Enumerate.
//   State decoding        : If-else construct.
//   Actions on transitions: Comb.(in 1 Always Block).
//   Actions on states     : Combinational.

  parameter
    idle = 0,
    run  = 1,
    done = 2,
    hold = 3;
  integer cur_state ;  // Current State
  integer next_state ;  // Next State


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
      next_state = cur_state ;
      // quiet:
      p = 1'b0 ;
      if ( // abort:
          abort == 1'b1
         )
       begin
        next_state = idle ;
       end
      else
       begin
        if (cur_state == idle) begin
          if (go == 1'b1)
           begin
            next_state = run ;
            // pulse:
            p = 1'b1 ;
           end
         end
        else if (cur_state == run) begin
          if ( // finish:
              go == 1'b0 &&
              abort == 1'b0
             )
           begin
            next_state = done ;
           end
         end
        else if (cur_state == done) begin
          next_state = hold ;
         end
        else if (cur_state == hold) begin
         end
       end // Global transition
     end // Reset
  end // of next_state_decoding

// state_transition
  always @ (negedge clk or posedge rst) 
  begin : state_transition // State transition
    if (rst)
     begin
      cur_state = idle ;
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
    if (cur_state == idle) begin
      // o_idle:
      o = 2'b00 ;
     end
    else if (cur_state == run) begin
      // o_run:
      o = 2'b01 ;
      busy = 1'b1 ;
     end
    else if (cur_state == done) begin
      // o_done:
      o = 2'b10 ;
     end
  end // of state_actions

endmodule // ctrl_13(fsm)


///////////////////////////////////////////////////////////////////////////
// Module 'ctrl_14(fsm)'.
///////////////////////////////////////////////////////////////////////////

module ctrl_14 (clk, rst, go, abort, o, busy, p, r) ;
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
//   State assignment      : Enumerate.
//   State decoding        : If-else construct.
//   Actions on transitions: Comb.(in 1 Always Block).
//   Actions on states     : Clocked.

  parameter
    idle = 0,
    run  = 1,
    done = 2,
    hold = 3;
  integer cur_state ;  // Current State
  integer next_state ;  // Next State


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
      next_state = cur_state ;
      // quiet:
      p = 1'b0 ;
      if ( // abort:
          abort == 1'b1
         )
       begin
        next_state = idle ;
       end
      else
       begin
        if (cur_state == idle) begin
          if (go == 1'b1)
           begin
            next_state = run ;
            // pulse:
            p = 1'b1 ;
           end
         end
        else if (cur_state == run) begin
          if ( // finish:
              go == 1'b0 &&
              abort == 1'b0
             )
           begin
            next_state = done ;
           end
         end
        else if (cur_state == done) begin
          next_state = hold ;
         end
        else if (cur_state == hold) begin
         end
       end // Global transition
     end // Reset
  end // of next_state_decoding

// state_transition
  always @ (posedge clk or posedge rst) 
  begin : state_transition // State transition
    if (rst)
     begin
      cur_state = idle ;
     end
    else
     begin
      cur_state = next_state ;
      busy = 1'b0 ;
      if (next_state == idle) begin
        // o_idle:
        o = 2'b00 ;
       end
      else if (next_state == run) begin
        // o_run:
        o = 2'b01 ;
        busy = 1'b1 ;
       end
      else if (next_state == done) begin
        // o_done:
        o = 2'b10 ;
       end
     end // Reset & Clock
  end // of state_transition

endmodule // ctrl_14(fsm)


///////////////////////////////////////////////////////////////////////////
// Module 'ctrl_15(fsm)'.
///////////////////////////////////////////////////////////////////////////

module ctrl_15 (clk, rst, go, abort, o, busy, p, r) ;
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
//   State assignment      : Enumerate.
//   State decoding        : If-else construct.
//   Actions on transitions: Comb.(in 1 Always Block).
//   Actions on states     : Comb.(in 1 Always Block).

  parameter
    idle = 0,
    run  = 1,
    done = 2,
    hold = 3;
  integer cur_state ;  // Current State
  integer next_state ;  // Next State


// next_state_decoding
  always @ (cur_state or clk or rst or go or abort) 
  begin : next_state_decoding
    next_state = cur_state ;
    busy = 1'b0 ;
    // quiet:
    p = 1'b0 ;
    if (cur_state == idle) begin
      // o_idle:
      o = 2'b00 ;
      if ( // reset:
          rst==1
         )
       begin
        // mark:
        r = 1'b1 ;
       end
      else if ( // abort:
               abort == 1'b1
              )
       begin
        next_state = idle ;
       end
      else if (go == 1'b1)
       begin
        next_state = run ;
        // pulse:
        p = 1'b1 ;
       end
     end
    else if (cur_state == run) begin
      // o_run:
      o = 2'b01 ;
      busy = 1'b1 ;
      if ( // reset:
          rst==1
         )
       begin
        // mark:
        r = 1'b1 ;
       end
      else if ( // abort:
               abort == 1'b1
              )
       begin
        next_state = idle ;
       end
      else if ( // finish:
               go == 1'b0 &&
               abort == 1'b0
              )
       begin
        next_state = done ;
       end
     end
    else if (cur_state == done) begin
      // o_done:
      o = 2'b10 ;
      if ( // reset:
          rst==1
         )
       begin
        // mark:
        r = 1'b1 ;
       end
      else if ( // abort:
               abort == 1'b1
              )
       begin
        next_state = idle ;
       end
      else
       begin
        next_state = hold ;
       end
     end
    else if (cur_state == hold) begin
      if ( // reset:
          rst==1
         )
       begin
        // mark:
        r = 1'b1 ;
       end
      else if ( // abort:
               abort == 1'b1
              )
       begin
        next_state = idle ;
       end
     end
    else
     begin
      if ( // reset:
          rst==1
         )
       begin
        // mark:
        r = 1'b1 ;
       end
      else if ( // abort:
               abort == 1'b1
              )
       begin
        next_state = idle ;
       end
      else
       begin
        // No REST state defined
       end
     end
  end // of next_state_decoding

// state_transition
  always @ (negedge clk or posedge rst) 
  begin : state_transition // State transition
    if (rst)
     begin
      cur_state = idle ;
     end
    else
     begin
      cur_state = next_state ;
     end // Reset & Clock
  end // of state_transition

endmodule // ctrl_15(fsm)

