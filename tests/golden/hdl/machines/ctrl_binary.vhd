
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
End  ctrl_0 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_0'
---------------------------------------------------------------------------

Architecture fsm Of ctrl_0 Is


-- State Machine Options:
--   State assignment      : Binary.
--   State decoding        : Case construct.
--   Actions on transitions: Combinational.
--   Actions on states     : Combinational.

  Constant idle : Bit_Vector(1 Downto 0) := "00" ;
  Constant run  : Bit_Vector(1 Downto 0) := "01" ;
  Constant done : Bit_Vector(1 Downto 0) := "10" ;
  Constant hold : Bit_Vector(1 Downto 0) := "11" ;
  Signal cur_state : Bit_Vector(1 Downto 0) ;  -- Current State
  Signal next_state : Bit_Vector(1 Downto 0) ;  -- Next State

Begin

  next_state_decoding: Process (cur_state, clk, rst, go, abort) 
  Begin 
    next_state <= cur_state ;
    -- quiet:
    p <= '0' ;
    If ( -- abort:
        abort = '1'
       ) Then
      next_state <= idle ;
    Else
      Case cur_state Is
        When idle =>
          If (go = '1') Then
            next_state <= run ;
            -- pulse:
            p <= '1' ;
          End If ;
        When run =>
          If ( -- finish:
              go = '0' AND
              abort = '0'
             ) Then
            next_state <= done ;
          End If ;
        When done =>
          next_state <= hold ;
        When hold =>
          Null ;
        When Others => Null ;
          Assert False
            Report "OTHERS state executed"
            Severity Warning ;
      End Case ;
    End If ; -- Global transition
  End Process next_state_decoding ;

  state_transition: Process (clk, rst) 
  Begin  -- State transition
    If ( -- reset:
        rst='1'
       ) Then
      cur_state <= idle ;
      -- mark:
      r <= '1' ;
    Elsif (clk'event And (clk = '1')) Then
      cur_state <= next_state ;
    End If ; -- Reset & Clock
  End Process state_transition ;

  state_actions: Process (cur_state, clk, rst, go, abort) 
  Begin  -- Combinational 
    busy <= '0' ;
    Case cur_state Is
      When idle =>
        -- o_idle:
        o <= "00" ;
      When run =>
        -- o_run:
        o <= "01" ;
        busy <= '1' ;
      When done =>
        -- o_done:
        o <= "10" ;
      When Others => Null ;
    End Case ;
  End Process state_actions ;
End  fsm ; -- of ctrl_0

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
End  ctrl_1 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_1'
---------------------------------------------------------------------------

Architecture fsm Of ctrl_1 Is


-- State Machine Options:
--   State assignment      : Binary.
--   State decoding        : Case construct.
--   Actions on transitions: Combinational.
--   Actions on states     : Clocked.

  Constant idle : Bit_Vector(1 Downto 0) := "00" ;
  Constant run  : Bit_Vector(1 Downto 0) := "01" ;
  Constant done : Bit_Vector(1 Downto 0) := "10" ;
  Constant hold : Bit_Vector(1 Downto 0) := "11" ;
  Signal cur_state : Bit_Vector(1 Downto 0) ;  -- Current State
  Signal next_state : Bit_Vector(1 Downto 0) ;  -- Next State

Begin

  next_state_decoding: Process (cur_state, clk, rst, go, abort) 
  Begin 
    next_state <= cur_state ;
    -- quiet:
    p <= '0' ;
    If ( -- abort:
        abort = '1'
       ) Then
      next_state <= idle ;
    Else
      Case cur_state Is
        When idle =>
          If (go = '1') Then
            next_state <= run ;
            -- pulse:
            p <= '1' ;
          End If ;
        When run =>
          If ( -- finish:
              go = '0' AND
              abort = '0'
             ) Then
            next_state <= done ;
          End If ;
        When done =>
          next_state <= hold ;
        When hold =>
          Null ;
        When Others => Null ;
          Assert False
            Report "OTHERS state executed"
            Severity Warning ;
      End Case ;
    End If ; -- Global transition
  End Process next_state_decoding ;

  state_transition: Process (clk, rst) 
  Begin  -- State transition
    If ( -- reset:
        rst='1'
       ) Then
      cur_state <= idle ;
      -- mark:
      r <= '1' ;
    Elsif (clk'event And (clk = '0')) Then
      cur_state <= next_state ;
      busy <= '0' ;
      Case next_state Is
        When idle =>
          -- o_idle:
          o <= "00" ;
        When run =>
          -- o_run:
          o <= "01" ;
          busy <= '1' ;
        When done =>
          -- o_done:
          o <= "10" ;
        When Others => Null ;
      End Case ;
    End If ; -- Reset & Clock
  End Process state_transition ;
End  fsm ; -- of ctrl_1

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
End  ctrl_2 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_2'
---------------------------------------------------------------------------

Architecture fsm Of ctrl_2 Is


-- State Machine Options:
--   State assignment      : Binary.
--   State decoding        : Case construct.
--   Actions on transitions: Combinational.
--   Actions on states     : Comb.(in 1 Process).

  Constant idle : Bit_Vector(1 Downto 0) := "00" ;
  Constant run  : Bit_Vector(1 Downto 0) := "01" ;
  Constant done : Bit_Vector(1 Downto 0) := "10" ;
  Constant hold : Bit_Vector(1 Downto 0) := "11" ;
  Signal cur_state : Bit_Vector(1 Downto 0) ;  -- Current State
  Signal next_state : Bit_Vector(1 Downto 0) ;  -- Next State

Begin

  next_state_decoding: Process (cur_state, clk, rst, go, abort) 
  Begin 
    next_state <= cur_state ;
    busy <= '0' ;
    -- quiet:
    p <= '0' ;
    Case cur_state Is
      When idle =>
        -- o_idle:
        o <= "00" ;
        If ( -- abort:
            abort = '1'
           ) Then
          next_state <= idle ;
        Elsif (go = '1') Then
          next_state <= run ;
          -- pulse:
          p <= '1' ;
        End If ;
      When run =>
        -- o_run:
        o <= "01" ;
        busy <= '1' ;
        If ( -- abort:
            abort = '1'
           ) Then
          next_state <= idle ;
        Elsif ( -- finish:
               go = '0' AND
               abort = '0'
              ) Then
          next_state <= done ;
        End If ;
      When done =>
        -- o_done:
        o <= "10" ;
        If ( -- abort:
            abort = '1'
           ) Then
          next_state <= idle ;
        Else
          next_state <= hold ;
        End If ;
      When hold =>
        If ( -- abort:
            abort = '1'
           ) Then
          next_state <= idle ;
        End If ;
      When Others =>
        If ( -- abort:
            abort = '1'
           ) Then
          next_state <= idle ;
        Else
          Null ; -- No REST state defined
        End If ;
        Assert False
          Report "REST state executed"
          Severity Warning ;
    End Case ;
  End Process next_state_decoding ;

  state_transition: Process (clk, rst) 
  Begin  -- State transition
    If ( -- reset:
        rst='1'
       ) Then
      cur_state <= idle ;
      -- mark:
      r <= '1' ;
    Elsif (clk'event And (clk = '1')) Then
      cur_state <= next_state ;
    End If ; -- Reset & Clock
  End Process state_transition ;
End  fsm ; -- of ctrl_2

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
End  ctrl_3 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_3'
---------------------------------------------------------------------------

Architecture fsm Of ctrl_3 Is


-- State Machine Options:
--   State assignment      : Binary.
--   State decoding        : Case construct.
--   Actions on transitions: Clocked.
--   Actions on states     : Combinational.

  Constant idle : Bit_Vector(1 Downto 0) := "00" ;
  Constant run  : Bit_Vector(1 Downto 0) := "01" ;
  Constant done : Bit_Vector(1 Downto 0) := "10" ;
  Constant hold : Bit_Vector(1 Downto 0) := "11" ;
  Signal state : Bit_Vector(1 Downto 0) ;  -- Current State

Begin

  state_decoding: Process (clk, rst) 
  Begin 
    If ( -- reset:
        rst='1'
       ) Then
      state <= idle ;
      -- mark:
      r <= '1' ;
    Elsif (clk'event And (clk = '0')) Then
      -- quiet:
      p <= '0' ;
      If ( -- abort:
          abort = '1'
         ) Then
        state <= idle ;
      Else
        Case state Is
          When idle =>
            If (go = '1') Then
              state <= run ;
              -- pulse:
              p <= '1' ;
            End If ;
          When run =>
            If ( -- finish:
                go = '0' AND
                abort = '0'
               ) Then
              state <= done ;
            End If ;
          When done =>
            state <= hold ;
          When hold =>
            Null ;
          When Others => Null ;
            Assert False
              Report "OTHERS state executed"
              Severity Warning ;
        End Case ;
      End If ; -- Global transition
    End If ; -- Reset & Clock
  End Process state_decoding ;

  state_actions: Process (state, clk, rst, go, abort) 
  Begin  -- Combinational 
    busy <= '0' ;
    Case state Is
      When idle =>
        -- o_idle:
        o <= "00" ;
      When run =>
        -- o_run:
        o <= "01" ;
        busy <= '1' ;
      When done =>
        -- o_done:
        o <= "10" ;
      When Others => Null ;
    End Case ;
  End Process state_actions ;
End  fsm ; -- of ctrl_3

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
End  ctrl_4 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_4'
---------------------------------------------------------------------------

Architecture fsm Of ctrl_4 Is


-- State Machine Options:
--   State assignment      : Binary.
--   State decoding        : Case construct.
--   Actions on transitions: Clocked.
--   Actions on states     : Clocked.

  Constant idle : Bit_Vector(1 Downto 0) := "00" ;
  Constant run  : Bit_Vector(1 Downto 0) := "01" ;
  Constant done : Bit_Vector(1 Downto 0) := "10" ;
  Constant hold : Bit_Vector(1 Downto 0) := "11" ;
  Signal state : Bit_Vector(1 Downto 0) ;  -- Current State

Begin

  state_decoding: Process (clk, rst) 
  Begin 
    If ( -- reset:
        rst='1'
       ) Then
      state <= idle ;
      -- mark:
      r <= '1' ;
    Elsif (clk'event And (clk = '1')) Then
      busy <= '0' ;
      -- quiet:
      p <= '0' ;
      If ( -- abort:
          abort = '1'
         ) Then
        state <= idle ;
        -- o_idle:
        o <= "00" ;
      Else
        Case state Is
          When idle =>
            If (go = '1') Then
              state <= run ;
              -- pulse:
              p <= '1' ;
              -- o_run:
              o <= "01" ;
              busy <= '1' ;
            End If ;
          When run =>
            If ( -- finish:
                go = '0' AND
                abort = '0'
               ) Then
              state <= done ;
              -- o_done:
              o <= "10" ;
            End If ;
          When done =>
            state <= hold ;
          When hold =>
            Null ;
          When Others => Null ;
            Assert False
              Report "OTHERS state executed"
              Severity Warning ;
        End Case ;
      End If ; -- Global transition
    End If ; -- Reset & Clock
  End Process state_decoding ;
End  fsm ; -- of ctrl_4

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
End  ctrl_5 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_5'
---------------------------------------------------------------------------

Architecture fsm Of ctrl_5 Is


-- State Machine Options:
--   State assignment      : Binary.
--   State decoding        : Case construct.
--   Actions on transitions: Comb.(in 1 Process).
--   Actions on states     : Combinational.

  Constant idle : Bit_Vector(1 Downto 0) := "00" ;
  Constant run  : Bit_Vector(1 Downto 0) := "01" ;
  Constant done : Bit_Vector(1 Downto 0) := "10" ;
  Constant hold : Bit_Vector(1 Downto 0) := "11" ;
  Signal cur_state : Bit_Vector(1 Downto 0) ;  -- Current State
  Signal next_state : Bit_Vector(1 Downto 0) ;  -- Next State

Begin

  next_state_decoding: Process (cur_state, clk, rst, go, abort) 
  Begin 
    If ( -- reset:
        rst='1'
       ) Then
      -- mark:
      r <= '1' ;
    Else
      next_state <= cur_state ;
      -- quiet:
      p <= '0' ;
      If ( -- abort:
          abort = '1'
         ) Then
        next_state <= idle ;
      Else
        Case cur_state Is
          When idle =>
            If (go = '1') Then
              next_state <= run ;
              -- pulse:
              p <= '1' ;
            End If ;
          When run =>
            If ( -- finish:
                go = '0' AND
                abort = '0'
               ) Then
              next_state <= done ;
            End If ;
          When done =>
            next_state <= hold ;
          When hold =>
            Null ;
          When Others => Null ;
            Assert False
              Report "OTHERS state executed"
              Severity Warning ;
        End Case ;
      End If ; -- Global transition
    End If ; -- Reset
  End Process next_state_decoding ;

  state_transition: Process (clk, rst) 
  Begin  -- State transition
    If ( -- reset:
        rst='1'
       ) Then
      cur_state <= idle ;
    Elsif (clk'event And (clk = '0')) Then
      cur_state <= next_state ;
    End If ; -- Reset & Clock
  End Process state_transition ;

  state_actions: Process (cur_state, clk, rst, go, abort) 
  Begin  -- Combinational 
    busy <= '0' ;
    Case cur_state Is
      When idle =>
        -- o_idle:
        o <= "00" ;
      When run =>
        -- o_run:
        o <= "01" ;
        busy <= '1' ;
      When done =>
        -- o_done:
        o <= "10" ;
      When Others => Null ;
    End Case ;
  End Process state_actions ;
End  fsm ; -- of ctrl_5

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
End  ctrl_6 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_6'
---------------------------------------------------------------------------

Architecture fsm Of ctrl_6 Is


-- State Machine Options:
--   State assignment      : Binary.
--   State decoding        : Case construct.
--   Actions on transitions: Comb.(in 1 Process).
--   Actions on states     : Clocked.

  Constant idle : Bit_Vector(1 Downto 0) := "00" ;
  Constant run  : Bit_Vector(1 Downto 0) := "01" ;
  Constant done : Bit_Vector(1 Downto 0) := "10" ;
  Constant hold : Bit_Vector(1 Downto 0) := "11" ;
  Signal cur_state : Bit_Vector(1 Downto 0) ;  -- Current State
  Signal next_state : Bit_Vector(1 Downto 0) ;  -- Next State

Begin

  next_state_decoding: Process (cur_state, clk, rst, go, abort) 
  Begin 
    If ( -- reset:
        rst='1'
       ) Then
      -- mark:
      r <= '1' ;
    Else
      next_state <= cur_state ;
      -- quiet:
      p <= '0' ;
      If ( -- abort:
          abort = '1'
         ) Then
        next_state <= idle ;
      Else
        Case cur_state Is
          When idle =>
            If (go = '1') Then
              next_state <= run ;
              -- pulse:
              p <= '1' ;
            End If ;
          When run =>
            If ( -- finish:
                go = '0' AND
                abort = '0'
               ) Then
              next_state <= done ;
            End If ;
          When done =>
            next_state <= hold ;
          When hold =>
            Null ;
          When Others => Null ;
            Assert False
              Report "OTHERS state executed"
              Severity Warning ;
        End Case ;
      End If ; -- Global transition
    End If ; -- Reset
  End Process next_state_decoding ;

  state_transition: Process (clk, rst) 
  Begin  -- State transition
    If ( -- reset:
        rst='1'
       ) Then
      cur_state <= idle ;
    Elsif (clk'event And (clk = '1')) Then
      cur_state <= next_state ;
      busy <= '0' ;
      Case next_state Is
        When idle =>
          -- o_idle:
          o <= "00" ;
        When run =>
          -- o_run:
          o <= "01" ;
          busy <= '1' ;
        When done =>
          -- o_done:
          o <= "10" ;
        When Others => Null ;
      End Case ;
    End If ; -- Reset & Clock
  End Process state_transition ;
End  fsm ; -- of ctrl_6

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
End  ctrl_7 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_7'
---------------------------------------------------------------------------

Architecture fsm Of ctrl_7 Is


-- State Machine Options:
--   State assignment      : Binary.
--   State decoding        : Case construct.
--   Actions on transitions: Comb.(in 1 Process).
--   Actions on states     : Comb.(in 1 Process).

  Constant idle : Bit_Vector(1 Downto 0) := "00" ;
  Constant run  : Bit_Vector(1 Downto 0) := "01" ;
  Constant done : Bit_Vector(1 Downto 0) := "10" ;
  Constant hold : Bit_Vector(1 Downto 0) := "11" ;
  Signal cur_state : Bit_Vector(1 Downto 0) ;  -- Current State
  Signal next_state : Bit_Vector(1 Downto 0) ;  -- Next State

Begin

  next_state_decoding: Process (cur_state, clk, rst, go, abort) 
  Begin 
    next_state <= cur_state ;
    busy <= '0' ;
    -- quiet:
    p <= '0' ;
    Case cur_state Is
      When idle =>
        -- o_idle:
        o <= "00" ;
        If ( -- reset:
            rst='1'
           ) Then
          -- mark:
          r <= '1' ;
        Elsif ( -- abort:
               abort = '1'
              ) Then
          next_state <= idle ;
        Elsif (go = '1') Then
          next_state <= run ;
          -- pulse:
          p <= '1' ;
        End If ;
      When run =>
        -- o_run:
        o <= "01" ;
        busy <= '1' ;
        If ( -- reset:
            rst='1'
           ) Then
          -- mark:
          r <= '1' ;
        Elsif ( -- abort:
               abort = '1'
              ) Then
          next_state <= idle ;
        Elsif ( -- finish:
               go = '0' AND
               abort = '0'
              ) Then
          next_state <= done ;
        End If ;
      When done =>
        -- o_done:
        o <= "10" ;
        If ( -- reset:
            rst='1'
           ) Then
          -- mark:
          r <= '1' ;
        Elsif ( -- abort:
               abort = '1'
              ) Then
          next_state <= idle ;
        Else
          next_state <= hold ;
        End If ;
      When hold =>
        If ( -- reset:
            rst='1'
           ) Then
          -- mark:
          r <= '1' ;
        Elsif ( -- abort:
               abort = '1'
              ) Then
          next_state <= idle ;
        End If ;
      When Others =>
        If ( -- reset:
            rst='1'
           ) Then
          -- mark:
          r <= '1' ;
        Elsif ( -- abort:
               abort = '1'
              ) Then
          next_state <= idle ;
        Else
          Null ; -- No REST state defined
        End If ;
        Assert False
          Report "REST state executed"
          Severity Warning ;
    End Case ;
  End Process next_state_decoding ;

  state_transition: Process (clk, rst) 
  Begin  -- State transition
    If ( -- reset:
        rst='1'
       ) Then
      cur_state <= idle ;
    Elsif (clk'event And (clk = '0')) Then
      cur_state <= next_state ;
    End If ; -- Reset & Clock
  End Process state_transition ;
End  fsm ; -- of ctrl_7

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_8'.
---------------------------------------------------------------------------

Entity ctrl_8 Is
  Port(
    clk   : In     Bit ; -- Clock
    rst   : In     Bit ; -- Reset
    go    : In     Bit ;
    abort : In     Bit ;
    o     : Out    Bit_Vector(1 Downto 0) ;
    busy  : Out    Bit ;
    p     : Out    Bit ;
    r     : Out    Bit ) ;
End  ctrl_8 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_8'
---------------------------------------------------------------------------

Architecture fsm Of ctrl_8 Is


-- State Machine Options:
--   State assignment      : Binary.
--   State decoding        : If-else construct.
--   Actions on transitions: Combinational.
--   Actions on states     : Combinational.

  Constant idle : Bit_Vector(1 Downto 0) := "00" ;
  Constant run  : Bit_Vector(1 Downto 0) := "01" ;
  Constant done : Bit_Vector(1 Downto 0) := "10" ;
  Constant hold : Bit_Vector(1 Downto 0) := "11" ;
  Signal cur_state : Bit_Vector(1 Downto 0) ;  -- Current State
  Signal next_state : Bit_Vector(1 Downto 0) ;  -- Next State

Begin

  next_state_decoding: Process (cur_state, clk, rst, go, abort) 
  Begin 
    next_state <= cur_state ;
    -- quiet:
    p <= '0' ;
    If ( -- abort:
        abort = '1'
       ) Then
      next_state <= idle ;
    Else
      If cur_state = idle Then
        If (go = '1') Then
          next_state <= run ;
          -- pulse:
          p <= '1' ;
        End If ;
      Elsif cur_state = run Then
        If ( -- finish:
            go = '0' AND
            abort = '0'
           ) Then
          next_state <= done ;
        End If ;
      Elsif cur_state = done Then
        next_state <= hold ;
      Elsif cur_state = hold Then
        Null ;
      End If ;
    End If ; -- Global transition
  End Process next_state_decoding ;

  state_transition: Process (clk, rst) 
  Begin  -- State transition
    If ( -- reset:
        rst='1'
       ) Then
      cur_state <= idle ;
      -- mark:
      r <= '1' ;
    Elsif (clk'event And (clk = '1')) Then
      cur_state <= next_state ;
    End If ; -- Reset & Clock
  End Process state_transition ;

  state_actions: Process (cur_state, clk, rst, go, abort) 
  Begin  -- Combinational 
    busy <= '0' ;
    If cur_state = idle Then
      -- o_idle:
      o <= "00" ;
    Elsif cur_state = run Then
      -- o_run:
      o <= "01" ;
      busy <= '1' ;
    Elsif cur_state = done Then
      -- o_done:
      o <= "10" ;
    End If ;
  End Process state_actions ;
End  fsm ; -- of ctrl_8

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_9'.
---------------------------------------------------------------------------

Entity ctrl_9 Is
  Port(
    clk   : In     Bit ; -- Clock
    rst   : In     Bit ; -- Reset
    go    : In     Bit ;
    abort : In     Bit ;
    o     : Out    Bit_Vector(1 Downto 0) ;
    busy  : Out    Bit ;
    p     : Out    Bit ;
    r     : Out    Bit ) ;
End  ctrl_9 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_9'
---------------------------------------------------------------------------

Architecture fsm Of ctrl_9 Is


-- State Machine Options:
--   State assignment      : Binary.
--   State decoding        : If-else construct.
--   Actions on transitions: Combinational.
--   Actions on states     : Clocked.

  Constant idle : Bit_Vector(1 Downto 0) := "00" ;
  Constant run  : Bit_Vector(1 Downto 0) := "01" ;
  Constant done : Bit_Vector(1 Downto 0) := "10" ;
  Constant hold : Bit_Vector(1 Downto 0) := "11" ;
  Signal cur_state : Bit_Vector(1 Downto 0) ;  -- Current State
  Signal next_state : Bit_Vector(1 Downto 0) ;  -- Next State

Begin

  next_state_decoding: Process (cur_state, clk, rst, go, abort) 
  Begin 
    next_state <= cur_state ;
    -- quiet:
    p <= '0' ;
    If ( -- abort:
        abort = '1'
       ) Then
      next_state <= idle ;
    Else
      If cur_state = idle Then
        If (go = '1') Then
          next_state <= run ;
          -- pulse:
          p <= '1' ;
        End If ;
      Elsif cur_state = run Then
        If ( -- finish:
            go = '0' AND
            abort = '0'
           ) Then
          next_state <= done ;
        End If ;
      Elsif cur_state = done Then
        next_state <= hold ;
      Elsif cur_state = hold Then
        Null ;
      End If ;
    End If ; -- Global transition
  End Process next_state_decoding ;

  state_transition: Process (clk, rst) 
  Begin  -- State transition
    If ( -- reset:
        rst='1'
       ) Then
      cur_state <= idle ;
      -- mark:
      r <= '1' ;
    Elsif (clk'event And (clk = '0')) Then
      cur_state <= next_state ;
      busy <= '0' ;
      If next_state = idle Then
        -- o_idle:
        o <= "00" ;
      Elsif next_state = run Then
        -- o_run:
        o <= "01" ;
        busy <= '1' ;
      Elsif next_state = done Then
        -- o_done:
        o <= "10" ;
      End If ;
    End If ; -- Reset & Clock
  End Process state_transition ;
End  fsm ; -- of ctrl_9

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_10'.
---------------------------------------------------------------------------

Entity ctrl_10 Is
  Port(
    clk   : In     Bit ; -- Clock
    rst   : In     Bit ; -- Reset
    go    : In     Bit ;
    abort : In     Bit ;
    o     : Out    Bit_Vector(1 Downto 0) ;
    busy  : Out    Bit ;
    p     : Out    Bit ;
    r     : Out    Bit ) ;
End  ctrl_10 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_10'
---------------------------------------------------------------------------

Architecture fsm Of ctrl_10 Is


-- State Machine Options:
--   State assignment      : Binary.
--   State decoding        : If-else construct.
--   Actions on transitions: Combinational.
--   Actions on states     : Comb.(in 1 Process).

  Constant idle : Bit_Vector(1 Downto 0) := "00" ;
  Constant run  : Bit_Vector(1 Downto 0) := "01" ;
  Constant done : Bit_Vector(1 Downto 0) := "10" ;
  Constant hold : Bit_Vector(1 Downto 0) := "11" ;
  Signal cur_state : Bit_Vector(1 Downto 0) ;  -- Current State
  Signal next_state : Bit_Vector(1 Downto 0) ;  -- Next State

Begin

  next_state_decoding: Process (cur_state, clk, rst, go, abort) 
  Begin 
    next_state <= cur_state ;
    busy <= '0' ;
    -- quiet:
    p <= '0' ;
    If cur_state = idle Then
      -- o_idle:
      o <= "00" ;
      If ( -- abort:
          abort = '1'
         ) Then
        next_state <= idle ;
      Elsif (go = '1') Then
        next_state <= run ;
        -- pulse:
        p <= '1' ;
      End If ;
    Elsif cur_state = run Then
      -- o_run:
      o <= "01" ;
      busy <= '1' ;
      If ( -- abort:
          abort = '1'
         ) Then
        next_state <= idle ;
      Elsif ( -- finish:
             go = '0' AND
             abort = '0'
            ) Then
        next_state <= done ;
      End If ;
    Elsif cur_state = done Then
      -- o_done:
      o <= "10" ;
      If ( -- abort:
          abort = '1'
         ) Then
        next_state <= idle ;
      Else
        next_state <= hold ;
      End If ;
    Elsif cur_state = hold Then
      If ( -- abort:
          abort = '1'
         ) Then
        next_state <= idle ;
      End If ;
    Else
      If ( -- abort:
          abort = '1'
         ) Then
        next_state <= idle ;
      Else
        Null ; -- No REST state defined
      End If ;
      Assert False
        Report "REST state executed"
        Severity Warning ;
    End If ;
  End Process next_state_decoding ;

  state_transition: Process (clk, rst) 
  Begin  -- State transition
    If ( -- reset:
        rst='1'
       ) Then
      cur_state <= idle ;
      -- mark:
      r <= '1' ;
    Elsif (clk'event And (clk = '1')) Then
      cur_state <= next_state ;
    End If ; -- Reset & Clock
  End Process state_transition ;
End  fsm ; -- of ctrl_10

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_11'.
---------------------------------------------------------------------------

Entity ctrl_11 Is
  Port(
    clk   : In     Bit ; -- Clock
    rst   : In     Bit ; -- Reset
    go    : In     Bit ;
    abort : In     Bit ;
    o     : Out    Bit_Vector(1 Downto 0) ;
    busy  : Out    Bit ;
    p     : Out    Bit ;
    r     : Out    Bit ) ;
End  ctrl_11 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_11'
---------------------------------------------------------------------------

Architecture fsm Of ctrl_11 Is


-- State Machine Options:
--   State assignment      : Binary.
--   State decoding        : If-else construct.
--   Actions on transitions: Clocked.
--   Actions on states     : Combinational.

  Constant idle : Bit_Vector(1 Downto 0) := "00" ;
  Constant run  : Bit_Vector(1 Downto 0) := "01" ;
  Constant done : Bit_Vector(1 Downto 0) := "10" ;
  Constant hold : Bit_Vector(1 Downto 0) := "11" ;
  Signal state : Bit_Vector(1 Downto 0) ;  -- Current State

Begin

  state_decoding: Process (clk, rst) 
  Begin 
    If ( -- reset:
        rst='1'
       ) Then
      state <= idle ;
      -- mark:
      r <= '1' ;
    Elsif (clk'event And (clk = '0')) Then
      -- quiet:
      p <= '0' ;
      If ( -- abort:
          abort = '1'
         ) Then
        state <= idle ;
      Else
        If state = idle Then
          If (go = '1') Then
            state <= run ;
            -- pulse:
            p <= '1' ;
          End If ;
        Elsif state = run Then
          If ( -- finish:
              go = '0' AND
              abort = '0'
             ) Then
            state <= done ;
          End If ;
        Elsif state = done Then
          state <= hold ;
        Elsif state = hold Then
          Null ;
        End If ;
      End If ; -- Global transition
    End If ; -- Reset & Clock
  End Process state_decoding ;

  state_actions: Process (state, clk, rst, go, abort) 
  Begin  -- Combinational 
    busy <= '0' ;
    If state = idle Then
      -- o_idle:
      o <= "00" ;
    Elsif state = run Then
      -- o_run:
      o <= "01" ;
      busy <= '1' ;
    Elsif state = done Then
      -- o_done:
      o <= "10" ;
    End If ;
  End Process state_actions ;
End  fsm ; -- of ctrl_11

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_12'.
---------------------------------------------------------------------------

Entity ctrl_12 Is
  Port(
    clk   : In     Bit ; -- Clock
    rst   : In     Bit ; -- Reset
    go    : In     Bit ;
    abort : In     Bit ;
    o     : Out    Bit_Vector(1 Downto 0) ;
    busy  : Out    Bit ;
    p     : Out    Bit ;
    r     : Out    Bit ) ;
End  ctrl_12 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_12'
---------------------------------------------------------------------------

Architecture fsm Of ctrl_12 Is


-- State Machine Options:
--   State assignment      : Binary.
--   State decoding        : If-else construct.
--   Actions on transitions: Clocked.
--   Actions on states     : Clocked.

  Constant idle : Bit_Vector(1 Downto 0) := "00" ;
  Constant run  : Bit_Vector(1 Downto 0) := "01" ;
  Constant done : Bit_Vector(1 Downto 0) := "10" ;
  Constant hold : Bit_Vector(1 Downto 0) := "11" ;
  Signal state : Bit_Vector(1 Downto 0) ;  -- Current State

Begin

  state_decoding: Process (clk, rst) 
  Begin 
    If ( -- reset:
        rst='1'
       ) Then
      state <= idle ;
      -- mark:
      r <= '1' ;
    Elsif (clk'event And (clk = '1')) Then
      busy <= '0' ;
      -- quiet:
      p <= '0' ;
      If ( -- abort:
          abort = '1'
         ) Then
        state <= idle ;
        -- o_idle:
        o <= "00" ;
      Else
        If state = idle Then
          If (go = '1') Then
            state <= run ;
            -- pulse:
            p <= '1' ;
            -- o_run:
            o <= "01" ;
            busy <= '1' ;
          End If ;
        Elsif state = run Then
          If ( -- finish:
              go = '0' AND
              abort = '0'
             ) Then
            state <= done ;
            -- o_done:
            o <= "10" ;
          End If ;
        Elsif state = done Then
          state <= hold ;
        Elsif state = hold Then
          Null ;
        End If ;
      End If ; -- Global transition
    End If ; -- Reset & Clock
  End Process state_decoding ;
End  fsm ; -- of ctrl_12

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_13'.
---------------------------------------------------------------------------

Entity ctrl_13 Is
  Port(
    clk   : In     Bit ; -- Clock
    rst   : In     Bit ; -- Reset
    go    : In     Bit ;
    abort : In     Bit ;
    o     : Out    Bit_Vector(1 Downto 0) ;
    busy  : Out    Bit ;
    p     : Out    Bit ;
    r     : Out    Bit ) ;
End  ctrl_13 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_13'
---------------------------------------------------------------------------

Architecture fsm Of ctrl_13 Is


-- State Machine Options:
--   State assignment      : Binary.
--   State decoding        : If-else construct.
--   Actions on transitions: Comb.(in 1 Process).
--   Actions on states     : Combinational.

  Constant idle : Bit_Vector(1 Downto 0) := "00" ;
  Constant run  : Bit_Vector(1 Downto 0) := "01" ;
  Constant done : Bit_Vector(1 Downto 0) := "10" ;
  Constant hold : Bit_Vector(1 Downto 0) := "11" ;
  Signal cur_state : Bit_Vector(1 Downto 0) ;  -- Current State
  Signal next_state : Bit_Vector(1 Downto 0) ;  -- Next State

Begin

  next_state_decoding: Process (cur_state, clk, rst, go, abort) 
  Begin 
    If ( -- reset:
        rst='1'
       ) Then
      -- mark:
      r <= '1' ;
    Else
      next_state <= cur_state ;
      -- quiet:
      p <= '0' ;
      If ( -- abort:
          abort = '1'
         ) Then
        next_state <= idle ;
      Else
        If cur_state = idle Then
          If (go = '1') Then
            next_state <= run ;
            -- pulse:
            p <= '1' ;
          End If ;
        Elsif cur_state = run Then
          If ( -- finish:
              go = '0' AND
              abort = '0'
             ) Then
            next_state <= done ;
          End If ;
        Elsif cur_state = done Then
          next_state <= hold ;
        Elsif cur_state = hold Then
          Null ;
        End If ;
      End If ; -- Global transition
    End If ; -- Reset
  End Process next_state_decoding ;

  state_transition: Process (clk, rst) 
  Begin  -- State transition
    If ( -- reset:
        rst='1'
       ) Then
      cur_state <= idle ;
    Elsif (clk'event And (clk = '0')) Then
      cur_state <= next_state ;
    End If ; -- Reset & Clock
  End Process state_transition ;

  state_actions: Process (cur_state, clk, rst, go, abort) 
  Begin  -- Combinational 
    busy <= '0' ;
    If cur_state = idle Then
      -- o_idle:
      o <= "00" ;
    Elsif cur_state = run Then
      -- o_run:
      o <= "01" ;
      busy <= '1' ;
    Elsif cur_state = done Then
      -- o_done:
      o <= "10" ;
    End If ;
  End Process state_actions ;
End  fsm ; -- of ctrl_13

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_14'.
---------------------------------------------------------------------------

Entity ctrl_14 Is
  Port(
    clk   : In     Bit ; -- Clock
    rst   : In     Bit ; -- Reset
    go    : In     Bit ;
    abort : In     Bit ;
    o     : Out    Bit_Vector(1 Downto 0) ;
    busy  : Out    Bit ;
    p     : Out    Bit ;
    r     : Out    Bit ) ;
End  ctrl_14 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_14'
---------------------------------------------------------------------------

Architecture fsm Of ctrl_14 Is


-- State Machine Options:
--   State assignment      : Binary.
--   State decoding        : If-else construct.
--   Actions on transitions: Comb.(in 1 Process).
--   Actions on states     : Clocked.

  Constant idle : Bit_Vector(1 Downto 0) := "00" ;
  Constant run  : Bit_Vector(1 Downto 0) := "01" ;
  Constant done : Bit_Vector(1 Downto 0) := "10" ;
  Constant hold : Bit_Vector(1 Downto 0) := "11" ;
  Signal cur_state : Bit_Vector(1 Downto 0) ;  -- Current State
  Signal next_state : Bit_Vector(1 Downto 0) ;  -- Next State

Begin

  next_state_decoding: Process (cur_state, clk, rst, go, abort) 
  Begin 
    If ( -- reset:
        rst='1'
       ) Then
      -- mark:
      r <= '1' ;
    Else
      next_state <= cur_state ;
      -- quiet:
      p <= '0' ;
      If ( -- abort:
          abort = '1'
         ) Then
        next_state <= idle ;
      Else
        If cur_state = idle Then
          If (go = '1') Then
            next_state <= run ;
            -- pulse:
            p <= '1' ;
          End If ;
        Elsif cur_state = run Then
          If ( -- finish:
              go = '0' AND
              abort = '0'
             ) Then
            next_state <= done ;
          End If ;
        Elsif cur_state = done Then
          next_state <= hold ;
        Elsif cur_state = hold Then
          Null ;
        End If ;
      End If ; -- Global transition
    End If ; -- Reset
  End Process next_state_decoding ;

  state_transition: Process (clk, rst) 
  Begin  -- State transition
    If ( -- reset:
        rst='1'
       ) Then
      cur_state <= idle ;
    Elsif (clk'event And (clk = '1')) Then
      cur_state <= next_state ;
      busy <= '0' ;
      If next_state = idle Then
        -- o_idle:
        o <= "00" ;
      Elsif next_state = run Then
        -- o_run:
        o <= "01" ;
        busy <= '1' ;
      Elsif next_state = done Then
        -- o_done:
        o <= "10" ;
      End If ;
    End If ; -- Reset & Clock
  End Process state_transition ;
End  fsm ; -- of ctrl_14

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_15'.
---------------------------------------------------------------------------

Entity ctrl_15 Is
  Port(
    clk   : In     Bit ; -- Clock
    rst   : In     Bit ; -- Reset
    go    : In     Bit ;
    abort : In     Bit ;
    o     : Out    Bit_Vector(1 Downto 0) ;
    busy  : Out    Bit ;
    p     : Out    Bit ;
    r     : Out    Bit ) ;
End  ctrl_15 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_15'
---------------------------------------------------------------------------

Architecture fsm Of ctrl_15 Is


-- State Machine Options:
--   State assignment      : Binary.
--   State decoding        : If-else construct.
--   Actions on transitions: Comb.(in 1 Process).
--   Actions on states     : Comb.(in 1 Process).

  Constant idle : Bit_Vector(1 Downto 0) := "00" ;
  Constant run  : Bit_Vector(1 Downto 0) := "01" ;
  Constant done : Bit_Vector(1 Downto 0) := "10" ;
  Constant hold : Bit_Vector(1 Downto 0) := "11" ;
  Signal cur_state : Bit_Vector(1 Downto 0) ;  -- Current State
  Signal next_state : Bit_Vector(1 Downto 0) ;  -- Next State

Begin

  next_state_decoding: Process (cur_state, clk, rst, go, abort) 
  Begin 
    next_state <= cur_state ;
    busy <= '0' ;
    -- quiet:
    p <= '0' ;
    If cur_state = idle Then
      -- o_idle:
      o <= "00" ;
      If ( -- reset:
          rst='1'
         ) Then
        -- mark:
        r <= '1' ;
      Elsif ( -- abort:
             abort = '1'
            ) Then
        next_state <= idle ;
      Elsif (go = '1') Then
        next_state <= run ;
        -- pulse:
        p <= '1' ;
      End If ;
    Elsif cur_state = run Then
      -- o_run:
      o <= "01" ;
      busy <= '1' ;
      If ( -- reset:
          rst='1'
         ) Then
        -- mark:
        r <= '1' ;
      Elsif ( -- abort:
             abort = '1'
            ) Then
        next_state <= idle ;
      Elsif ( -- finish:
             go = '0' AND
             abort = '0'
            ) Then
        next_state <= done ;
      End If ;
    Elsif cur_state = done Then
      -- o_done:
      o <= "10" ;
      If ( -- reset:
          rst='1'
         ) Then
        -- mark:
        r <= '1' ;
      Elsif ( -- abort:
             abort = '1'
            ) Then
        next_state <= idle ;
      Else
        next_state <= hold ;
      End If ;
    Elsif cur_state = hold Then
      If ( -- reset:
          rst='1'
         ) Then
        -- mark:
        r <= '1' ;
      Elsif ( -- abort:
             abort = '1'
            ) Then
        next_state <= idle ;
      End If ;
    Else
      If ( -- reset:
          rst='1'
         ) Then
        -- mark:
        r <= '1' ;
      Elsif ( -- abort:
             abort = '1'
            ) Then
        next_state <= idle ;
      Else
        Null ; -- No REST state defined
      End If ;
      Assert False
        Report "REST state executed"
        Severity Warning ;
    End If ;
  End Process next_state_decoding ;

  state_transition: Process (clk, rst) 
  Begin  -- State transition
    If ( -- reset:
        rst='1'
       ) Then
      cur_state <= idle ;
    Elsif (clk'event And (clk = '0')) Then
      cur_state <= next_state ;
    End If ; -- Reset & Clock
  End Process state_transition ;
End  fsm ; -- of ctrl_15
