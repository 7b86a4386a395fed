
---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_0'.
---------------------------------------------------------------------------

Entity ctrl_0 Is
  Port(
    clk   : In     Bit ; -- Clock
    rst   : In     Bit ; -- Reset
    go    : In     Bit ;
    abort : In     Bit ;
    o     : Out    Bit_Vector(1 Downto 0) ;
    busy  : Out    Bit ;
    p     : Out    Bit ;
    r     : Out    Bit ) ;
End Entity ctrl_0 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_0'
---------------------------------------------------------------------------

Architecture fsm Of ctrl_0 Is


-- State Machine Options:
--   State assignment      : Two Hot.
--   Actions on transitions: Combinational.
--   Actions on states     : Combinational.

  Subtype state_type Is Bit_Vector(3 Downto 0) ;
  Constant idle_0 : Integer := 3 ; -- "1100"
  Constant idle_1 : Integer := 2 ;
  Constant run_0  : Integer := 3 ; -- "1010"
  Constant run_1  : Integer := 1 ;
  Constant done_0 : Integer := 3 ; -- "1001"
  Constant done_1 : Integer := 0 ;
  Constant hold_0 : Integer := 2 ; -- "0110"
  Constant hold_1 : Integer := 1 ;
  Signal cur_state : state_type ;  -- Current State
  Signal next_state : state_type ;  -- Next State

Begin

  next_state_decoding: Process (cur_state, clk, rst, go, abort) Is
  Begin 
    next_state <= (Others => '0') ;
    -- quiet:
    p <= '0' ;
    If ( -- abort:
        abort = '1'
       ) Then
      next_state(idle_0) <= '1' ; next_state(idle_1) <= '1' ;
    Else
      If cur_state(idle_0) = '1' And cur_state(idle_1) = '1' Then  -- State: idle
        If (go = '1') Then
          next_state(run_0) <= '1' ; next_state(run_1) <= '1' ;
          -- pulse:
          p <= '1' ;
        Else
          next_state(idle_0) <= '1' ; next_state(idle_1) <= '1' ;
        End If ;
      End If ;
      If cur_state(run_0) = '1' And cur_state(run_1) = '1' Then  -- State: run
        If ( -- finish:
            go = '0' AND
            abort = '0'
           ) Then
          next_state(done_0) <= '1' ; next_state(done_1) <= '1' ;
        Else
          next_state(run_0) <= '1' ; next_state(run_1) <= '1' ;
        End If ;
      End If ;
      If cur_state(done_0) = '1' And cur_state(done_1) = '1' Then  -- State: done
        next_state(hold_0) <= '1' ; next_state(hold_1) <= '1' ;
      End If ;
      If cur_state(hold_0) = '1' And cur_state(hold_1) = '1' Then  -- State: hold
        next_state(hold_0) <= '1' ; next_state(hold_1) <= '1' ;
      End If ;
    End If ; -- Global transition
  End Process next_state_decoding ;

  state_transition: Process (clk, rst) Is
  Begin  -- State transition
    If ( -- reset:
        rst='1'
       ) Then
      cur_state <= (idle_0 => '1', idle_1 => '1', Others => '0') ;
      -- mark:
      r <= '1' ;
    Elsif (clk'event And (clk = '1')) Then
      cur_state <= next_state ;
    End If ; -- Reset & Clock
  End Process state_transition ;

  state_actions: Process (cur_state, clk, rst, go, abort) Is
  Begin  -- Combinational 
    busy <= '0' ;
    If cur_state(idle_0) = '1' And cur_state(idle_1) = '1' Then  -- State: idle
      -- o_idle:
      o <= "00" ;
    End If ;
    If cur_state(run_0) = '1' And cur_state(run_1) = '1' Then  -- State: run
      -- o_run:
      o <= "01" ;
      busy <= '1' ;
    End If ;
    If cur_state(done_0) = '1' And cur_state(done_1) = '1' Then  -- State: done
      -- o_done:
      o <= "10" ;
    End If ;
  End Process state_actions ;
End Architecture fsm ; -- of ctrl_0

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_1'.
---------------------------------------------------------------------------

Entity ctrl_1 Is
  Port(
    clk   : In     Bit ; -- Clock
    rst   : In     Bit ; -- Reset
    go    : In     Bit ;
    abort : In     Bit ;
    o     : Out    Bit_Vector(1 Downto 0) ;
    busy  : Out    Bit ;
    p     : Out    Bit ;
    r     : Out    Bit ) ;
End Entity ctrl_1 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_1'
---------------------------------------------------------------------------

Architecture fsm Of ctrl_1 Is


-- State Machine Options:
--   State assignment      : Two Hot.
--   Actions on transitions: Combinational.
--   Actions on states     : Clocked.

  Subtype state_type Is Bit_Vector(3 Downto 0) ;
  Constant idle_0 : Integer := 3 ; -- "1100"
  Constant idle_1 : Integer := 2 ;
  Constant run_0  : Integer := 3 ; -- "1010"
  Constant run_1  : Integer := 1 ;
  Constant done_0 : Integer := 3 ; -- "1001"
  Constant done_1 : Integer := 0 ;
  Constant hold_0 : Integer := 2 ; -- "0110"
  Constant hold_1 : Integer := 1 ;
  Signal cur_state : state_type ;  -- Current State
  Signal next_state : state_type ;  -- Next State

Begin

  next_state_decoding: Process (cur_state, clk, rst, go, abort) Is
  Begin 
    next_state <= (Others => '0') ;
    -- quiet:
    p <= '0' ;
    If ( -- abort:
        abort = '1'
       ) Then
      next_state(idle_0) <= '1' ; next_state(idle_1) <= '1' ;
    Else
      If cur_state(idle_0) = '1' And cur_state(idle_1) = '1' Then  -- State: idle
        If (go = '1') Then
          next_state(run_0) <= '1' ; next_state(run_1) <= '1' ;
          -- pulse:
          p <= '1' ;
        Else
          next_state(idle_0) <= '1' ; next_state(idle_1) <= '1' ;
        End If ;
      End If ;
      If cur_state(run_0) = '1' And cur_state(run_1) = '1' Then  -- State: run
        If ( -- finish:
            go = '0' AND
            abort = '0'
           ) Then
          next_state(done_0) <= '1' ; next_state(done_1) <= '1' ;
        Else
          next_state(run_0) <= '1' ; next_state(run_1) <= '1' ;
        End If ;
      End If ;
      If cur_state(done_0) = '1' And cur_state(done_1) = '1' Then  -- State: done
        next_state(hold_0) <= '1' ; next_state(hold_1) <= '1' ;
      End If ;
      If cur_state(hold_0) = '1' And cur_state(hold_1) = '1' Then  -- State: hold
        next_state(hold_0) <= '1' ; next_state(hold_1) <= '1' ;
      End If ;
    End If ; -- Global transition
  End Process next_state_decoding ;

  state_transition: Process (clk, rst) Is
  Begin  -- State transition
    If ( -- reset:
        rst='1'
       ) Then
      cur_state <= (idle_0 => '1', idle_1 => '1', Others => '0') ;
      -- mark:
      r <= '1' ;
    Elsif (clk'event And (clk = '0')) Then
      cur_state <= next_state ;
      busy <= '0' ;
      If next_state(idle_0) = '1' And next_state(idle_1) = '1' Then  -- State: idle
        -- o_idle:
        o <= "00" ;
      End If ;
      If next_state(run_0) = '1' And next_state(run_1) = '1' Then  -- State: run
        -- o_run:
        o <= "01" ;
        busy <= '1' ;
      End If ;
      If next_state(done_0) = '1' And next_state(done_1) = '1' Then  -- State: done
        -- o_done:
        o <= "10" ;
      End If ;
    End If ; -- Reset & Clock
  End Process state_transition ;
End Architecture fsm ; -- of ctrl_1

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_2'.
---------------------------------------------------------------------------

Entity ctrl_2 Is
  Port(
    clk   : In     Bit ; -- Clock
    rst   : In     Bit ; -- Reset
    go    : In     Bit ;
    abort : In     Bit ;
    o     : Out    Bit_Vector(1 Downto 0) ;
    busy  : Out    Bit ;
    p     : Out    Bit ;
    r     : Out    Bit ) ;
End Entity ctrl_2 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_2'
---------------------------------------------------------------------------

Architecture fsm Of ctrl_2 Is


-- State Machine Options:
--   State assignment      : Two Hot.
--   Actions on transitions: Combinational.
--   Actions on states     : Comb.(in 1 Process).

  Subtype state_type Is Bit_Vector(3 Downto 0) ;
  Constant idle_0 : Integer := 3 ; -- "1100"
  Constant idle_1 : Integer := 2 ;
  Constant run_0  : Integer := 3 ; -- "1010"
  Constant run_1  : Integer := 1 ;
  Constant done_0 : Integer := 3 ; -- "1001"
  Constant done_1 : Integer := 0 ;
  Constant hold_0 : Integer := 2 ; -- "0110"
  Constant hold_1 : Integer := 1 ;
  Signal cur_state : state_type ;  -- Current State
  Signal next_state : state_type ;  -- Next State

Begin

  next_state_decoding: Process (cur_state, clk, rst, go, abort) Is
  Begin 
    next_state <= (Others => '0') ;
    busy <= '0' ;
    If cur_state(idle_0) = '1' And cur_state(idle_1) = '1' Then  -- State: idle
      -- o_idle:
      o <= "00" ;
    End If ;
    If cur_state(run_0) = '1' And cur_state(run_1) = '1' Then  -- State: run
      -- o_run:
      o <= "01" ;
      busy <= '1' ;
    End If ;
    If cur_state(done_0) = '1' And cur_state(done_1) = '1' Then  -- State: done
      -- o_done:
      o <= "10" ;
    End If ;
    -- quiet:
    p <= '0' ;
    If ( -- abort:
        abort = '1'
       ) Then
      next_state(idle_0) <= '1' ; next_state(idle_1) <= '1' ;
    Else
      If cur_state(idle_0) = '1' And cur_state(idle_1) = '1' Then  -- State: idle
        If (go = '1') Then
          next_state(run_0) <= '1' ; next_state(run_1) <= '1' ;
          -- pulse:
          p <= '1' ;
        Else
          next_state(idle_0) <= '1' ; next_state(idle_1) <= '1' ;
        End If ;
      End If ;
      If cur_state(run_0) = '1' And cur_state(run_1) = '1' Then  -- State: run
        If ( -- finish:
            go = '0' AND
            abort = '0'
           ) Then
          next_state(done_0) <= '1' ; next_state(done_1) <= '1' ;
        Else
          next_state(run_0) <= '1' ; next_state(run_1) <= '1' ;
        End If ;
      End If ;
      If cur_state(done_0) = '1' And cur_state(done_1) = '1' Then  -- State: done
        next_state(hold_0) <= '1' ; next_state(hold_1) <= '1' ;
      End If ;
      If cur_state(hold_0) = '1' And cur_state(hold_1) = '1' Then  -- State: hold
        next_state(hold_0) <= '1' ; next_state(hold_1) <= '1' ;
      End If ;
    End If ; -- Global transition
  End Process next_state_decoding ;

  state_transition: Process (clk, rst) Is
  Begin  -- State transition
    If ( -- reset:
        rst='1'
       ) Then
      cur_state <= (idle_0 => '1', idle_1 => '1', Others => '0') ;
      -- mark:
      r <= '1' ;
    Elsif (clk'event And (clk = '1')) Then
      cur_state <= next_state ;
    End If ; -- Reset & Clock
  End Process state_transition ;
End Architecture fsm ; -- of ctrl_2

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_3'.
---------------------------------------------------------------------------

Entity ctrl_3 Is
  Port(
    clk   : In     Bit ; -- Clock
    rst   : In     Bit ; -- Reset
    go    : In     Bit ;
    abort : In     Bit ;
    o     : Out    Bit_Vector(1 Downto 0) ;
    busy  : Out    Bit ;
    p     : Out    Bit ;
    r     : Out    Bit ) ;
End Entity ctrl_3 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_3'
---------------------------------------------------------------------------

Architecture fsm Of ctrl_3 Is


-- State Machine Options:
--   State assignment      : Two Hot.
--   Actions on transitions: Clocked.
--   Actions on states     : Combinational.

  Subtype state_type Is Bit_Vector(3 Downto 0) ;
  Constant idle_0 : Integer := 3 ; -- "1100"
  Constant idle_1 : Integer := 2 ;
  Constant run_0  : Integer := 3 ; -- "1010"
  Constant run_1  : Integer := 1 ;
  Constant done_0 : Integer := 3 ; -- "1001"
  Constant done_1 : Integer := 0 ;
  Constant hold_0 : Integer := 2 ; -- "0110"
  Constant hold_1 : Integer := 1 ;
  Signal state  : state_type ;  -- Current State

Begin

  state_decoding: Process (clk, rst) Is
  Begin 
    If ( -- reset:
        rst='1'
       ) Then
      state <= (idle_0 => '1', idle_1 => '1', Others => '0') ;
      -- mark:
      r <= '1' ;
    Elsif (clk'event And (clk = '0')) Then
      state <= (Others => '0') ;
      -- quiet:
      p <= '0' ;
      If ( -- abort:
          abort = '1'
         ) Then
        state(idle_0) <= '1' ; state(idle_1) <= '1' ;
      Else
        If state(idle_0) = '1' And state(idle_1) = '1' Then  -- State: idle
          If (go = '1') Then
            state(run_0) <= '1' ; state(run_1) <= '1' ;
            -- pulse:
            p <= '1' ;
          Else
            state(idle_0) <= '1' ; state(idle_1) <= '1' ;
          End If ;
        End If ;
        If state(run_0) = '1' And state(run_1) = '1' Then  -- State: run
          If ( -- finish:
              go = '0' AND
              abort = '0'
             ) Then
            state(done_0) <= '1' ; state(done_1) <= '1' ;
          Else
            state(run_0) <= '1' ; state(run_1) <= '1' ;
          End If ;
        End If ;
        If state(done_0) = '1' And state(done_1) = '1' Then  -- State: done
          state(hold_0) <= '1' ; state(hold_1) <= '1' ;
        End If ;
        If state(hold_0) = '1' And state(hold_1) = '1' Then  -- State: hold
          state(hold_0) <= '1' ; state(hold_1) <= '1' ;
        End If ;
      End If ; -- Global transition
    End If ; -- Reset & Clock
  End Process state_decoding ;

  state_actions: Process (state, clk, rst, go, abort) Is
  Begin  -- Combinational 
    busy <= '0' ;
    If state(idle_0) = '1' And state(idle_1) = '1' Then  -- State: idle
      -- o_idle:
      o <= "00" ;
    End If ;
    If state(run_0) = '1' And state(run_1) = '1' Then  -- State: run
      -- o_run:
      o <= "01" ;
      busy <= '1' ;
    End If ;
    If state(done_0) = '1' And state(done_1) = '1' Then  -- State: done
      -- o_done:
      o <= "10" ;
    End If ;
  End Process state_actions ;
End Architecture fsm ; -- of ctrl_3

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_4'.
---------------------------------------------------------------------------

Entity ctrl_4 Is
  Port(
    clk   : In     Bit ; -- Clock
    rst   : In     Bit ; -- Reset
    go    : In     Bit ;
    abort : In     Bit ;
    o     : Out    Bit_Vector(1 Downto 0) ;
    busy  : Out    Bit ;
    p     : Out    Bit ;
    r     : Out    Bit ) ;
End Entity ctrl_4 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_4'
---------------------------------------------------------------------------

Architecture fsm Of ctrl_4 Is


-- State Machine Options:
--   State assignment      : Two Hot.
--   Actions on transitions: Clocked.
--   Actions on states     : Clocked.

  Subtype state_type Is Bit_Vector(3 Downto 0) ;
  Constant idle_0 : Integer := 3 ; -- "1100"
  Constant idle_1 : Integer := 2 ;
  Constant run_0  : Integer := 3 ; -- "1010"
  Constant run_1  : Integer := 1 ;
  Constant done_0 : Integer := 3 ; -- "1001"
  Constant done_1 : Integer := 0 ;
  Constant hold_0 : Integer := 2 ; -- "0110"
  Constant hold_1 : Integer := 1 ;
  Signal state  : state_type ;  -- Current State

Begin

  state_decoding: Process (clk, rst) Is
  Begin 
    If ( -- reset:
        rst='1'
       ) Then
      state <= (idle_0 => '1', idle_1 => '1', Others => '0') ;
      -- mark:
      r <= '1' ;
    Elsif (clk'event And (clk = '1')) Then
      state <= (Others => '0') ;
      busy <= '0' ;
      -- quiet:
      p <= '0' ;
      If ( -- abort:
          abort = '1'
         ) Then
        state(idle_0) <= '1' ; state(idle_1) <= '1' ;
        -- o_idle:
        o <= "00" ;
      Else
        If state(idle_0) = '1' And state(idle_1) = '1' Then  -- State: idle
          If (go = '1') Then
            state(run_0) <= '1' ; state(run_1) <= '1' ;
            -- pulse:
            p <= '1' ;
            -- o_run:
            o <= "01" ;
            busy <= '1' ;
          Else
            state(idle_0) <= '1' ; state(idle_1) <= '1' ;
          End If ;
        End If ;
        If state(run_0) = '1' And state(run_1) = '1' Then  -- State: run
          If ( -- finish:
              go = '0' AND
              abort = '0'
             ) Then
            state(done_0) <= '1' ; state(done_1) <= '1' ;
            -- o_done:
            o <= "10" ;
          Else
            state(run_0) <= '1' ; state(run_1) <= '1' ;
          End If ;
        End If ;
        If state(done_0) = '1' And state(done_1) = '1' Then  -- State: done
          state(hold_0) <= '1' ; state(hold_1) <= '1' ;
        End If ;
        If state(hold_0) = '1' And state(hold_1) = '1' Then  -- State: hold
          state(hold_0) <= '1' ; state(hold_1) <= '1' ;
        End If ;
      End If ; -- Global transition
    End If ; -- Reset & Clock
  End Process state_decoding ;
End Architecture fsm ; -- of ctrl_4

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_5'.
---------------------------------------------------------------------------

Entity ctrl_5 Is
  Port(
    clk   : In     Bit ; -- Clock
    rst   : In     Bit ; -- Reset
    go    : In     Bit ;
    abort : In     Bit ;
    o     : Out    Bit_Vector(1 Downto 0) ;
    busy  : Out    Bit ;
    p     : Out    Bit ;
    r     : Out    Bit ) ;
End Entity ctrl_5 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_5'
---------------------------------------------------------------------------

Architecture fsm Of ctrl_5 Is


-- State Machine Options:
--   State assignment      : Two Hot.
--   Actions on transitions: Comb.(in 1 Process).
--   Actions on states     : Combinational.

  Subtype state_type Is Bit_Vector(3 Downto 0) ;
  Constant idle_0 : Integer := 3 ; -- "1100"
  Constant idle_1 : Integer := 2 ;
  Constant run_0  : Integer := 3 ; -- "1010"
  Constant run_1  : Integer := 1 ;
  Constant done_0 : Integer := 3 ; -- "1001"
  Constant done_1 : Integer := 0 ;
  Constant hold_0 : Integer := 2 ; -- "0110"
  Constant hold_1 : Integer := 1 ;
  Signal cur_state : state_type ;  -- Current State
  Signal next_state : state_type ;  -- Next State

Begin

  next_state_decoding: Process (cur_state, clk, rst, go, abort) Is
  Begin 
    If ( -- reset:
        rst='1'
       ) Then
      -- mark:
      r <= '1' ;
    Else
      next_state <= (Others => '0') ;
      -- quiet:
      p <= '0' ;
      If ( -- abort:
          abort = '1'
         ) Then
        next_state(idle_0) <= '1' ; next_state(idle_1) <= '1' ;
      Else
        If cur_state(idle_0) = '1' And cur_state(idle_1) = '1' Then  -- State: idle
          If (go = '1') Then
            next_state(run_0) <= '1' ; next_state(run_1) <= '1' ;
            -- pulse:
            p <= '1' ;
          Else
            next_state(idle_0) <= '1' ; next_state(idle_1) <= '1' ;
          End If ;
        End If ;
        If cur_state(run_0) = '1' And cur_state(run_1) = '1' Then  -- State: run
          If ( -- finish:
              go = '0' AND
              abort = '0'
             ) Then
            next_state(done_0) <= '1' ; next_state(done_1) <= '1' ;
          Else
            next_state(run_0) <= '1' ; next_state(run_1) <= '1' ;
          End If ;
        End If ;
        If cur_state(done_0) = '1' And cur_state(done_1) = '1' Then  -- State: done
          next_state(hold_0) <= '1' ; next_state(hold_1) <= '1' ;
        End If ;
        If cur_state(hold_0) = '1' And cur_state(hold_1) = '1' Then  -- State: hold
          next_state(hold_0) <= '1' ; next_state(hold_1) <= '1' ;
        End If ;
      End If ; -- Global transition
    End If ; -- Reset
  End Process next_state_decoding ;

  state_transition: Process (clk, rst) Is
  Begin  -- State transition
    If ( -- reset:
        rst='1'
       ) Then
      cur_state <= (idle_0 => '1', idle_1 => '1', Others => '0') ;
    Elsif (clk'event And (clk = '0')) Then
      cur_state <= next_state ;
    End If ; -- Reset & Clock
  End Process state_transition ;

  state_actions: Process (cur_state, clk, rst, go, abort) Is
  Begin  -- Combinational 
    busy <= '0' ;
    If cur_state(idle_0) = '1' And cur_state(idle_1) = '1' Then  -- State: idle
      -- o_idle:
      o <= "00" ;
    End If ;
    If cur_state(run_0) = '1' And cur_state(run_1) = '1' Then  -- State: run
      -- o_run:
      o <= "01" ;
      busy <= '1' ;
    End If ;
    If cur_state(done_0) = '1' And cur_state(done_1) = '1' Then  -- State: done
      -- o_done:
      o <= "10" ;
    End If ;
  End Process state_actions ;
End Architecture fsm ; -- of ctrl_5

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_6'.
---------------------------------------------------------------------------

Entity ctrl_6 Is
  Port(
    clk   : In     Bit ; -- Clock
    rst   : In     Bit ; -- Reset
    go    : In     Bit ;
    abort : In     Bit ;
    o     : Out    Bit_Vector(1 Downto 0) ;
    busy  : Out    Bit ;
    p     : Out    Bit ;
    r     : Out    Bit ) ;
End Entity ctrl_6 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_6'
---------------------------------------------------------------------------

Architecture fsm Of ctrl_6 Is


-- State Machine Options:
--   State assignment      : Two Hot.
--   Actions on transitions: Comb.(in 1 Process).
--   Actions on states     : Clocked.

  Subtype state_type Is Bit_Vector(3 Downto 0) ;
  Constant idle_0 : Integer := 3 ; -- "1100"
  Constant idle_1 : Integer := 2 ;
  Constant run_0  : Integer := 3 ; -- "1010"
  Constant run_1  : Integer := 1 ;
  Constant done_0 : Integer := 3 ; -- "1001"
  Constant done_1 : Integer := 0 ;
  Constant hold_0 : Integer := 2 ; -- "0110"
  Constant hold_1 : Integer := 1 ;
  Signal cur_state : state_type ;  -- Current State
  Signal next_state : state_type ;  -- Next State

Begin

  next_state_decoding: Process (cur_state, clk, rst, go, abort) Is
  Begin 
    If ( -- reset:
        rst='1'
       ) Then
      -- mark:
      r <= '1' ;
    Else
      next_state <= (Others => '0') ;
      -- quiet:
      p <= '0' ;
      If ( -- abort:
          abort = '1'
         ) Then
        next_state(idle_0) <= '1' ; next_state(idle_1) <= '1' ;
      Else
        If cur_state(idle_0) = '1' And cur_state(idle_1) = '1' Then  -- State: idle
          If (go = '1') Then
            next_state(run_0) <= '1' ; next_state(run_1) <= '1' ;
            -- pulse:
            p <= '1' ;
          Else
            next_state(idle_0) <= '1' ; next_state(idle_1) <= '1' ;
          End If ;
        End If ;
        If cur_state(run_0) = '1' And cur_state(run_1) = '1' Then  -- State: run
          If ( -- finish:
              go = '0' AND
              abort = '0'
             ) Then
            next_state(done_0) <= '1' ; next_state(done_1) <= '1' ;
          Else
            next_state(run_0) <= '1' ; next_state(run_1) <= '1' ;
          End If ;
        End If ;
        If cur_state(done_0) = '1' And cur_state(done_1) = '1' Then  -- State: done
          next_state(hold_0) <= '1' ; next_state(hold_1) <= '1' ;
        End If ;
        If cur_state(hold_0) = '1' And cur_state(hold_1) = '1' Then  -- State: hold
          next_state(hold_0) <= '1' ; next_state(hold_1) <= '1' ;
        End If ;
      End If ; -- Global transition
    End If ; -- Reset
  End Process next_state_decoding ;

  state_transition: Process (clk, rst) Is
  Begin  -- State transition
    If ( -- reset:
        rst='1'
       ) Then
      cur_state <= (idle_0 => '1', idle_1 => '1', Others => '0') ;
    Elsif (clk'event And (clk = '1')) Then
      cur_state <= next_state ;
      busy <= '0' ;
      If next_state(idle_0) = '1' And next_state(idle_1) = '1' Then  -- State: idle
        -- o_idle:
        o <= "00" ;
      End If ;
      If next_state(run_0) = '1' And next_state(run_1) = '1' Then  -- State: run
        -- o_run:
        o <= "01" ;
        busy <= '1' ;
      End If ;
      If next_state(done_0) = '1' And next_state(done_1) = '1' Then  -- State: done
        -- o_done:
        o <= "10" ;
      End If ;
    End If ; -- Reset & Clock
  End Process state_transition ;
End Architecture fsm ; -- of ctrl_6

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_7'.
---------------------------------------------------------------------------

Entity ctrl_7 Is
  Port(
    clk   : In     Bit ; -- Clock
    rst   : In     Bit ; -- Reset
    go    : In     Bit ;
    abort : In     Bit ;
    o     : Out    Bit_Vector(1 Downto 0) ;
    busy  : Out    Bit ;
    p     : Out    Bit ;
    r     : Out    Bit ) ;
End Entity ctrl_7 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_7'
---------------------------------------------------------------------------

Architecture fsm Of ctrl_7 Is


-- State Machine Options:
--   State assignment      : Two Hot.
--   Actions on transitions: Comb.(in 1 Process).
--   Actions on states     : Comb.(in 1 Process).

  Subtype state_type Is Bit_Vector(3 Downto 0) ;
  Constant idle_0 : Integer := 3 ; -- "1100"
  Constant idle_1 : Integer := 2 ;
  Constant run_0  : Integer := 3 ; -- "1010"
  Constant run_1  : Integer := 1 ;
  Constant done_0 : Integer := 3 ; -- "1001"
  Constant done_1 : Integer := 0 ;
  Constant hold_0 : Integer := 2 ; -- "0110"
  Constant hold_1 : Integer := 1 ;
  Signal cur_state : state_type ;  -- Current State
  Signal next_state : state_type ;  -- Next State

Begin

  next_state_decoding: Process (cur_state, clk, rst, go, abort) Is
  Begin 
    If ( -- reset:
        rst='1'
       ) Then
      -- mark:
      r <= '1' ;
    Else
      next_state <= (Others => '0') ;
      busy <= '0' ;
      If cur_state(idle_0) = '1' And cur_state(idle_1) = '1' Then  -- State: idle
        -- o_idle:
        o <= "00" ;
      End If ;
      If cur_state(run_0) = '1' And cur_state(run_1) = '1' Then  -- State: run
        -- o_run:
        o <= "01" ;
        busy <= '1' ;
      End If ;
      If cur_state(done_0) = '1' And cur_state(done_1) = '1' Then  -- State: done
        -- o_done:
        o <= "10" ;
      End If ;
      -- quiet:
      p <= '0' ;
      If ( -- abort:
          abort = '1'
         ) Then
        next_state(idle_0) <= '1' ; next_state(idle_1) <= '1' ;
      Else
        If cur_state(idle_0) = '1' And cur_state(idle_1) = '1' Then  -- State: idle
          If (go = '1') Then
            next_state(run_0) <= '1' ; next_state(run_1) <= '1' ;
            -- pulse:
            p <= '1' ;
          Else
            next_state(idle_0) <= '1' ; next_state(idle_1) <= '1' ;
          End If ;
        End If ;
        If cur_state(run_0) = '1' And cur_state(run_1) = '1' Then  -- State: run
          If ( -- finish:
              go = '0' AND
              abort = '0'
             ) Then
            next_state(done_0) <= '1' ; next_state(done_1) <= '1' ;
          Else
            next_state(run_0) <= '1' ; next_state(run_1) <= '1' ;
          End If ;
        End If ;
        If cur_state(done_0) = '1' And cur_state(done_1) = '1' Then  -- State: done
          next_state(hold_0) <= '1' ; next_state(hold_1) <= '1' ;
        End If ;
        If cur_state(hold_0) = '1' And cur_state(hold_1) = '1' Then  -- State: hold
          next_state(hold_0) <= '1' ; next_state(hold_1) <= '1' ;
        End If ;
      End If ; -- Global transition
    End If ; -- Reset
  End Process next_state_decoding ;

  state_transition: Process (clk, rst) Is
  Begin  -- State transition
    If ( -- reset:
        rst='1'
       ) Then
      cur_state <= (idle_0 => '1', idle_1 => '1', Others => '0') ;
    Elsif (clk'event And (clk = '0')) Then
      cur_state <= next_state ;
    End If ; -- Reset & Clock
  End Process state_transition ;
End Architecture fsm ; -- of ctrl_7
