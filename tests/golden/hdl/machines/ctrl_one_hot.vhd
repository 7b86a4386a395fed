
---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_0'.
---------------------------------------------------------------------------

ENTITY ctrl_0 IS
  PORT(
    clk   : IN     Bit ; -- Clock
    rst   : IN     Bit ; -- Reset
    go    : IN     Bit ;
    abort : IN     Bit ;
    o     : OUT    Bit_Vector(1 DOWNTO 0) ;
    busy  : OUT    Bit ;
    p     : OUT    Bit ;
    r     : OUT    Bit ) ;
END  ctrl_0 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_0'
---------------------------------------------------------------------------

ARCHITECTURE fsm OF ctrl_0 IS


-- State Machine Options:
--   State assignment      : One Hot.
--   Actions on transitions: Combinational.
--   Actions on states     : Combinational.

  SUBTYPE state_type IS Bit_Vector(3 DOWNTO 0) ;
  CONSTANT idle : Integer := 0 ; -- "0001"
  CONSTANT run  : Integer := 1 ; -- "0010"
  CONSTANT done : Integer := 2 ; -- "0100"
  CONSTANT hold : Integer := 3 ; -- "1000"
  SIGNAL cur_state : state_type ;  -- Current State
  SIGNAL next_state : state_type ;  -- Next State

BEGIN

  next_state_decoding: PROCESS (cur_state, clk, rst, go, abort) 
  BEGIN 
    next_state <= (OTHERS => '0') ;
    -- quiet:
    p <= '0' ;
    IF ( -- abort:
        abort = '1'
       ) THEN
      next_state(idle) <= '1' ;
    ELSE
      IF cur_state(idle) = '1' THEN  -- State: idle
        IF (go = '1') THEN
          next_state(run) <= '1' ;
          -- pulse:
          p <= '1' ;
        ELSE
          next_state(idle) <= '1' ;
        END IF ;
      END IF ;
      IF cur_state(run) = '1' THEN  -- State: run
        IF ( -- finish:
            go = '0' AND
            abort = '0'
           ) THEN
          next_state(done) <= '1' ;
        ELSE
          next_state(run) <= '1' ;
        END IF ;
      END IF ;
      IF cur_state(done) = '1' THEN  -- State: done
        next_state(hold) <= '1' ;
      END IF ;
      IF cur_state(hold) = '1' THEN  -- State: hold
        next_state(hold) <= '1' ;
      END IF ;
    END IF ; -- Global transition
  END PROCESS next_state_decoding ;

  state_transition: PROCESS (clk, rst) 
  BEGIN  -- State transition
    IF ( -- reset:
        rst='1'
       ) THEN
      cur_state <= (idle => '1', OTHERS => '0') ;
      -- mark:
      r <= '1' ;
    ELSIF (clk'event AND (clk = '1')) THEN
      cur_state <= next_state ;
    END IF ; -- Reset & Clock
  END PROCESS state_transition ;

  state_actions: PROCESS (cur_state, clk, rst, go, abort) 
  BEGIN  -- Combinational 
    busy <= '0' ;
    IF cur_state(idle) = '1' THEN  -- State: idle
      -- o_idle:
      o <= "00" ;
    END IF ;
    IF cur_state(run) = '1' THEN  -- State: run
      -- o_run:
      o <= "01" ;
      busy <= '1' ;
    END IF ;
    IF cur_state(done) = '1' THEN  -- State: done
      -- o_done:
      o <= "10" ;
    END IF ;
  END PROCESS state_actions ;
END  fsm ; -- of ctrl_0

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_1'.
---------------------------------------------------------------------------

ENTITY ctrl_1 IS
  PORT(
    clk   : IN     Bit ; -- Clock
    rst   : IN     Bit ; -- Reset
    go    : IN     Bit ;
    abort : IN     Bit ;
    o     : OUT    Bit_Vector(1 DOWNTO 0) ;
    busy  : OUT    Bit ;
    p     : OUT    Bit ;
    r     : OUT    Bit ) ;
END  ctrl_1 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_1'
---------------------------------------------------------------------------

ARCHITECTURE fsm OF ctrl_1 IS


-- State Machine Options:
--   State assignment      : One Hot.
--   Actions on transitions: Combinational.
--   Actions on states     : Clocked.

  SUBTYPE state_type IS Bit_Vector(3 DOWNTO 0) ;
  CONSTANT idle : Integer := 0 ; -- "0001"
  CONSTANT run  : Integer := 1 ; -- "0010"
  CONSTANT done : Integer := 2 ; -- "0100"
  CONSTANT hold : Integer := 3 ; -- "1000"
  SIGNAL cur_state : state_type ;  -- Current State
  SIGNAL next_state : state_type ;  -- Next State

BEGIN

  next_state_decoding: PROCESS (cur_state, clk, rst, go, abort) 
  BEGIN 
    next_state <= (OTHERS => '0') ;
    -- quiet:
    p <= '0' ;
    IF ( -- abort:
        abort = '1'
       ) THEN
      next_state(idle) <= '1' ;
    ELSE
      IF cur_state(idle) = '1' THEN  -- State: idle
        IF (go = '1') THEN
          next_state(run) <= '1' ;
          -- pulse:
          p <= '1' ;
        ELSE
          next_state(idle) <= '1' ;
        END IF ;
      END IF ;
      IF cur_state(run) = '1' THEN  -- State: run
        IF ( -- finish:
            go = '0' AND
            abort = '0'
           ) THEN
          next_state(done) <= '1' ;
        ELSE
          next_state(run) <= '1' ;
        END IF ;
      END IF ;
      IF cur_state(done) = '1' THEN  -- State: done
        next_state(hold) <= '1' ;
      END IF ;
      IF cur_state(hold) = '1' THEN  -- State: hold
        next_state(hold) <= '1' ;
      END IF ;
    END IF ; -- Global transition
  END PROCESS next_state_decoding ;

  state_transition: PROCESS (clk, rst) 
  BEGIN  -- State transition
    IF ( -- reset:
        rst='1'
       ) THEN
      cur_state <= (idle => '1', OTHERS => '0') ;
      -- mark:
      r <= '1' ;
    ELSIF (clk'event AND (clk = '0')) THEN
      cur_state <= next_state ;
      busy <= '0' ;
      IF next_state(idle) = '1' THEN  -- State: idle
        -- o_idle:
        o <= "00" ;
      END IF ;
      IF next_state(run) = '1' THEN  -- State: run
        -- o_run:
        o <= "01" ;
        busy <= '1' ;
      END IF ;
      IF next_state(done) = '1' THEN  -- State: done
        -- o_done:
        o <= "10" ;
      END IF ;
    END IF ; -- Reset & Clock
  END PROCESS state_transition ;
END  fsm ; -- of ctrl_1

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_2'.
---------------------------------------------------------------------------

ENTITY ctrl_2 IS
  PORT(
    clk   : IN     Bit ; -- Clock
    rst   : IN     Bit ; -- Reset
    go    : IN     Bit ;
    abort : IN     Bit ;
    o     : OUT    Bit_Vector(1 DOWNTO 0) ;
    busy  : OUT    Bit ;
    p     : OUT    Bit ;
    r     : OUT    Bit ) ;
END  ctrl_2 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_2'
---------------------------------------------------------------------------

ARCHITECTURE fsm OF ctrl_2 IS


-- State Machine Options:
--   State assignment      : One Hot.
--   Actions on transitions: Combinational.
--   Actions on states     : Comb.(in 1 Process).

  SUBTYPE state_type IS Bit_Vector(3 DOWNTO 0) ;
  CONSTANT idle : Integer := 0 ; -- "0001"
  CONSTANT run  : Integer := 1 ; -- "0010"
  CONSTANT done : Integer := 2 ; -- "0100"
  CONSTANT hold : Integer := 3 ; -- "1000"
  SIGNAL cur_state : state_type ;  -- Current State
  SIGNAL next_state : state_type ;  -- Next State

BEGIN

  next_state_decoding: PROCESS (cur_state, clk, rst, go, abort) 
  BEGIN 
    next_state <= (OTHERS => '0') ;
    busy <= '0' ;
    IF cur_state(idle) = '1' THEN  -- State: idle
      -- o_idle:
      o <= "00" ;
    END IF ;
    IF cur_state(run) = '1' THEN  -- State: run
      -- o_run:
      o <= "01" ;
      busy <= '1' ;
    END IF ;
    IF cur_state(done) = '1' THEN  -- State: done
      -- o_done:
      o <= "10" ;
    END IF ;
    -- quiet:
    p <= '0' ;
    IF ( -- abort:
        abort = '1'
       ) THEN
      next_state(idle) <= '1' ;
    ELSE
      IF cur_state(idle) = '1' THEN  -- State: idle
        IF (go = '1') THEN
          next_state(run) <= '1' ;
          -- pulse:
          p <= '1' ;
        ELSE
          next_state(idle) <= '1' ;
        END IF ;
      END IF ;
      IF cur_state(run) = '1' THEN  -- State: run
        IF ( -- finish:
            go = '0' AND
            abort = '0'
           ) THEN
          next_state(done) <= '1' ;
        ELSE
          next_state(run) <= '1' ;
        END IF ;
      END IF ;
      IF cur_state(done) = '1' THEN  -- State: done
        next_state(hold) <= '1' ;
      END IF ;
      IF cur_state(hold) = '1' THEN  -- State: hold
        next_state(hold) <= '1' ;
      END IF ;
    END IF ; -- Global transition
  END PROCESS next_state_decoding ;

  state_transition: PROCESS (clk, rst) 
  BEGIN  -- State transition
    IF ( -- reset:
        rst='1'
       ) THEN
      cur_state <= (idle => '1', OTHERS => '0') ;
      -- mark:
      r <= '1' ;
    ELSIF (clk'event AND (clk = '1')) THEN
      cur_state <= next_state ;
    END IF ; -- Reset & Clock
  END PROCESS state_transition ;
END  fsm ; -- of ctrl_2

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_3'.
---------------------------------------------------------------------------

ENTITY ctrl_3 IS
  PORT(
    clk   : IN     Bit ; -- Clock
    rst   : IN     Bit ; -- Reset
    go    : IN     Bit ;
    abort : IN     Bit ;
    o     : OUT    Bit_Vector(1 DOWNTO 0) ;
    busy  : OUT    Bit ;
    p     : OUT    Bit ;
    r     : OUT    Bit ) ;
END  ctrl_3 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_3'
---------------------------------------------------------------------------

ARCHITECTURE fsm OF ctrl_3 IS


-- State Machine Options:
--   State assignment      : One Hot.
--   Actions on transitions: Clocked.
--   Actions on states     : Combinational.

  SUBTYPE state_type IS Bit_Vector(3 DOWNTO 0) ;
  CONSTANT idle : Integer := 0 ; -- "0001"
  CONSTANT run  : Integer := 1 ; -- "0010"
  CONSTANT done : Integer := 2 ; -- "0100"
  CONSTANT hold : Integer := 3 ; -- "1000"
  SIGNAL state : state_type ;  -- Current State

BEGIN

  state_decoding: PROCESS (clk, rst) 
  BEGIN 
    IF ( -- reset:
        rst='1'
       ) THEN
      state <= (idle => '1', OTHERS => '0') ;
      -- mark:
      r <= '1' ;
    ELSIF (clk'event AND (clk = '0')) THEN
      state <= (OTHERS => '0') ;
      -- quiet:
      p <= '0' ;
      IF ( -- abort:
          abort = '1'
         ) THEN
        state(idle) <= '1' ;
      ELSE
        IF state(idle) = '1' THEN  -- State: idle
          IF (go = '1') THEN
            state(run) <= '1' ;
            -- pulse:
            p <= '1' ;
          ELSE
            state(idle) <= '1' ;
          END IF ;
        END IF ;
        IF state(run) = '1' THEN  -- State: run
          IF ( -- finish:
              go = '0' AND
              abort = '0'
             ) THEN
            state(done) <= '1' ;
          ELSE
            state(run) <= '1' ;
          END IF ;
        END IF ;
        IF state(done) = '1' THEN  -- State: done
          state(hold) <= '1' ;
        END IF ;
        IF state(hold) = '1' THEN  -- State: hold
          state(hold) <= '1' ;
        END IF ;
      END IF ; -- Global transition
    END IF ; -- Reset & Clock
  END PROCESS state_decoding ;

  state_actions: PROCESS (state, clk, rst, go, abort) 
  BEGIN  -- Combinational 
    busy <= '0' ;
    IF state(idle) = '1' THEN  -- State: idle
      -- o_idle:
      o <= "00" ;
    END IF ;
    IF state(run) = '1' THEN  -- State: run
      -- o_run:
      o <= "01" ;
      busy <= '1' ;
    END IF ;
    IF state(done) = '1' THEN  -- State: done
      -- o_done:
      o <= "10" ;
    END IF ;
  END PROCESS state_actions ;
END  fsm ; -- of ctrl_3

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_4'.
---------------------------------------------------------------------------

ENTITY ctrl_4 IS
  PORT(
    clk   : IN     Bit ; -- Clock
    rst   : IN     Bit ; -- Reset
    go    : IN     Bit ;
    abort : IN     Bit ;
    o     : OUT    Bit_Vector(1 DOWNTO 0) ;
    busy  : OUT    Bit ;
    p     : OUT    Bit ;
    r     : OUT    Bit ) ;
END  ctrl_4 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_4'
---------------------------------------------------------------------------

ARCHITECTURE fsm OF ctrl_4 IS


-- State Machine Options:
--   State assignment      : One Hot.
--   Actions on transitions: Clocked.
--   Actions on states     : Clocked.

  SUBTYPE state_type IS Bit_Vector(3 DOWNTO 0) ;
  CONSTANT idle : Integer := 0 ; -- "0001"
  CONSTANT run  : Integer := 1 ; -- "0010"
  CONSTANT done : Integer := 2 ; -- "0100"
  CONSTANT hold : Integer := 3 ; -- "1000"
  SIGNAL state : state_type ;  -- Current State

BEGIN

  state_decoding: PROCESS (clk, rst) 
  BEGIN 
    IF ( -- reset:
        rst='1'
       ) THEN
      state <= (idle => '1', OTHERS => '0') ;
      -- mark:
      r <= '1' ;
    ELSIF (clk'event AND (clk = '1')) THEN
      state <= (OTHERS => '0') ;
      busy <= '0' ;
      -- quiet:
      p <= '0' ;
      IF ( -- abort:
          abort = '1'
         ) THEN
        state(idle) <= '1' ;
        -- o_idle:
        o <= "00" ;
      ELSE
        IF state(idle) = '1' THEN  -- State: idle
          IF (go = '1') THEN
            state(run) <= '1' ;
            -- pulse:
            p <= '1' ;
            -- o_run:
            o <= "01" ;
            busy <= '1' ;
          ELSE
            state(idle) <= '1' ;
          END IF ;
        END IF ;
        IF state(run) = '1' THEN  -- State: run
          IF ( -- finish:
              go = '0' AND
              abort = '0'
             ) THEN
            state(done) <= '1' ;
            -- o_done:
            o <= "10" ;
          ELSE
            state(run) <= '1' ;
          END IF ;
        END IF ;
        IF state(done) = '1' THEN  -- State: done
          state(hold) <= '1' ;
        END IF ;
        IF state(hold) = '1' THEN  -- State: hold
          state(hold) <= '1' ;
        END IF ;
      END IF ; -- Global transition
    END IF ; -- Reset & Clock
  END PROCESS state_decoding ;
END  fsm ; -- of ctrl_4

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_5'.
---------------------------------------------------------------------------

ENTITY ctrl_5 IS
  PORT(
    clk   : IN     Bit ; -- Clock
    rst   : IN     Bit ; -- Reset
    go    : IN     Bit ;
    abort : IN     Bit ;
    o     : OUT    Bit_Vector(1 DOWNTO 0) ;
    busy  : OUT    Bit ;
    p     : OUT    Bit ;
    r     : OUT    Bit ) ;
END  ctrl_5 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_5'
---------------------------------------------------------------------------

ARCHITECTURE fsm OF ctrl_5 IS


-- State Machine Options:
--   State assignment      : One Hot.
--   Actions on transitions: Comb.(in 1 Process).
--   Actions on states     : Combinational.

  SUBTYPE state_type IS Bit_Vector(3 DOWNTO 0) ;
  CONSTANT idle : Integer := 0 ; -- "0001"
  CONSTANT run  : Integer := 1 ; -- "0010"
  CONSTANT done : Integer := 2 ; -- "0100"
  CONSTANT hold : Integer := 3 ; -- "1000"
  SIGNAL cur_state : state_type ;  -- Current State
  SIGNAL next_state : state_type ;  -- Next State

BEGIN

  next_state_decoding: PROCESS (cur_state, clk, rst, go, abort) 
  BEGIN 
    IF ( -- reset:
        rst='1'
       ) THEN
      -- mark:
      r <= '1' ;
    ELSE
      next_state <= (OTHERS => '0') ;
      -- quiet:
      p <= '0' ;
      IF ( -- abort:
          abort = '1'
         ) THEN
        next_state(idle) <= '1' ;
      ELSE
        IF cur_state(idle) = '1' THEN  -- State: idle
          IF (go = '1') THEN
            next_state(run) <= '1' ;
            -- pulse:
            p <= '1' ;
          ELSE
            next_state(idle) <= '1' ;
          END IF ;
        END IF ;
        IF cur_state(run) = '1' THEN  -- State: run
          IF ( -- finish:
              go = '0' AND
              abort = '0'
             ) THEN
            next_state(done) <= '1' ;
          ELSE
            next_state(run) <= '1' ;
          END IF ;
        END IF ;
        IF cur_state(done) = '1' THEN  -- State: done
          next_state(hold) <= '1' ;
        END IF ;
        IF cur_state(hold) = '1' THEN  -- State: hold
          next_state(hold) <= '1' ;
        END IF ;
      END IF ; -- Global transition
    END IF ; -- Reset
  END PROCESS next_state_decoding ;

  state_transition: PROCESS (clk, rst) 
  BEGIN  -- State transition
    IF ( -- reset:
        rst='1'
       ) THEN
      cur_state <= (idle => '1', OTHERS => '0') ;
    ELSIF (clk'event AND (clk = '0')) THEN
      cur_state <= next_state ;
    END IF ; -- Reset & Clock
  END PROCESS state_transition ;

  state_actions: PROCESS (cur_state, clk, rst, go, abort) 
  BEGIN  -- Combinational 
    busy <= '0' ;
    IF cur_state(idle) = '1' THEN  -- State: idle
      -- o_idle:
      o <= "00" ;
    END IF ;
    IF cur_state(run) = '1' THEN  -- State: run
      -- o_run:
      o <= "01" ;
      busy <= '1' ;
    END IF ;
    IF cur_state(done) = '1' THEN  -- State: done
      -- o_done:
      o <= "10" ;
    END IF ;
  END PROCESS state_actions ;
END  fsm ; -- of ctrl_5

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_6'.
---------------------------------------------------------------------------

ENTITY ctrl_6 IS
  PORT(
    clk   : IN     Bit ; -- Clock
    rst   : IN     Bit ; -- Reset
    go    : IN     Bit ;
    abort : IN     Bit ;
    o     : OUT    Bit_Vector(1 DOWNTO 0) ;
    busy  : OUT    Bit ;
    p     : OUT    Bit ;
    r     : OUT    Bit ) ;
END  ctrl_6 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_6'
---------------------------------------------------------------------------

ARCHITECTURE fsm OF ctrl_6 IS


-- State Machine Options:
--   State assignment      : One Hot.
--   Actions on transitions: Comb.(in 1 Process).
--   Actions on states     : Clocked.

  SUBTYPE state_type IS Bit_Vector(3 DOWNTO 0) ;
  CONSTANT idle : Integer := 0 ; -- "0001"
  CONSTANT run  : Integer := 1 ; -- "0010"
  CONSTANT done : Integer := 2 ; -- "0100"
  CONSTANT hold : Integer := 3 ; -- "1000"
  SIGNAL cur_state : state_type ;  -- Current State
  SIGNAL next_state : state_type ;  -- Next State

BEGIN

  next_state_decoding: PROCESS (cur_state, clk, rst, go, abort) 
  BEGIN 
    IF ( -- reset:
        rst='1'
       ) THEN
      -- mark:
      r <= '1' ;
    ELSE
      next_state <= (OTHERS => '0') ;
      -- quiet:
      p <= '0' ;
      IF ( -- abort:
          abort = '1'
         ) THEN
        next_state(idle) <= '1' ;
      ELSE
        IF cur_state(idle) = '1' THEN  -- State: idle
          IF (go = '1') THEN
            next_state(run) <= '1' ;
            -- pulse:
            p <= '1' ;
          ELSE
            next_state(idle) <= '1' ;
          END IF ;
        END IF ;
        IF cur_state(run) = '1' THEN  -- State: run
          IF ( -- finish:
              go = '0' AND
              abort = '0'
             ) THEN
            next_state(done) <= '1' ;
          ELSE
            next_state(run) <= '1' ;
          END IF ;
        END IF ;
        IF cur_state(done) = '1' THEN  -- State: done
          next_state(hold) <= '1' ;
        END IF ;
        IF cur_state(hold) = '1' THEN  -- State: hold
          next_state(hold) <= '1' ;
        END IF ;
      END IF ; -- Global transition
    END IF ; -- Reset
  END PROCESS next_state_decoding ;

  state_transition: PROCESS (clk, rst) 
  BEGIN  -- State transition
    IF ( -- reset:
        rst='1'
       ) THEN
      cur_state <= (idle => '1', OTHERS => '0') ;
    ELSIF (clk'event AND (clk = '1')) THEN
      cur_state <= next_state ;
      busy <= '0' ;
      IF next_state(idle) = '1' THEN  -- State: idle
        -- o_idle:
        o <= "00" ;
      END IF ;
      IF next_state(run) = '1' THEN  -- State: run
        -- o_run:
        o <= "01" ;
        busy <= '1' ;
      END IF ;
      IF next_state(done) = '1' THEN  -- State: done
        -- o_done:
        o <= "10" ;
      END IF ;
    END IF ; -- Reset & Clock
  END PROCESS state_transition ;
END  fsm ; -- of ctrl_6

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_7'.
---------------------------------------------------------------------------

ENTITY ctrl_7 IS
  PORT(
    clk   : IN     Bit ; -- Clock
    rst   : IN     Bit ; -- Reset
    go    : IN     Bit ;
    abort : IN     Bit ;
    o     : OUT    Bit_Vector(1 DOWNTO 0) ;
    busy  : OUT    Bit ;
    p     : OUT    Bit ;
    r     : OUT    Bit ) ;
END  ctrl_7 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_7'
---------------------------------------------------------------------------

ARCHITECTURE fsm OF ctrl_7 IS


-- State Machine Options:
--   State assignment      : One Hot.
--   Actions on transitions: Comb.(in 1 Process).
--   Actions on states     : Comb.(in 1 Process).

  SUBTYPE state_type IS Bit_Vector(3 DOWNTO 0) ;
  CONSTANT idle : Integer := 0 ; -- "0001"
  CONSTANT run  : Integer := 1 ; -- "0010"
  CONSTANT done : Integer := 2 ; -- "0100"
  CONSTANT hold : Integer := 3 ; -- "1000"
  SIGNAL cur_state : state_type ;  -- Current State
  SIGNAL next_state : state_type ;  -- Next State

BEGIN

  next_state_decoding: PROCESS (cur_state, clk, rst, go, abort) 
  BEGIN 
    IF ( -- reset:
        rst='1'
       ) THEN
      -- mark:
      r <= '1' ;
    ELSE
      next_state <= (OTHERS => '0') ;
      busy <= '0' ;
      IF cur_state(idle) = '1' THEN  -- State: idle
        -- o_idle:
        o <= "00" ;
      END IF ;
      IF cur_state(run) = '1' THEN  -- State: run
        -- o_run:
        o <= "01" ;
        busy <= '1' ;
      END IF ;
      IF cur_state(done) = '1' THEN  -- State: done
        -- o_done:
        o <= "10" ;
      END IF ;
      -- quiet:
      p <= '0' ;
      IF ( -- abort:
          abort = '1'
         ) THEN
        next_state(idle) <= '1' ;
      ELSE
        IF cur_state(idle) = '1' THEN  -- State: idle
          IF (go = '1') THEN
            next_state(run) <= '1' ;
            -- pulse:
            p <= '1' ;
          ELSE
            next_state(idle) <= '1' ;
          END IF ;
        END IF ;
        IF cur_state(run) = '1' THEN  -- State: run
          IF ( -- finish:
              go = '0' AND
              abort = '0'
             ) THEN
            next_state(done) <= '1' ;
          ELSE
            next_state(run) <= '1' ;
          END IF ;
        END IF ;
        IF cur_state(done) = '1' THEN  -- State: done
          next_state(hold) <= '1' ;
        END IF ;
        IF cur_state(hold) = '1' THEN  -- State: hold
          next_state(hold) <= '1' ;
        END IF ;
      END IF ; -- Global transition
    END IF ; -- Reset
  END PROCESS next_state_decoding ;

  state_transition: PROCESS (clk, rst) 
  BEGIN  -- State transition
    IF ( -- reset:
        rst='1'
       ) THEN
      cur_state <= (idle => '1', OTHERS => '0') ;
    ELSIF (clk'event AND (clk = '0')) THEN
      cur_state <= next_state ;
    END IF ; -- Reset & Clock
  END PROCESS state_transition ;
END  fsm ; -- of ctrl_7
