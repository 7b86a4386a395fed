
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
END ENTITY ctrl_0 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_0'
---------------------------------------------------------------------------

ARCHITECTURE fsm OF ctrl_0 IS


-- State Machine Options:
--   State assignment      : Enumerate.
--   State decoding        : Case construct.
--   Actions on transitions: Combinational.
--   Actions on states     : Combinational.

  TYPE state_type IS (idle, run, done, hold) ;
  SIGNAL cur_state  : state_type ;  -- Current State
  SIGNAL next_state : state_type ;  -- Next State

BEGIN

  next_state_decoding: PROCESS (cur_state, clk, rst, go, abort) IS
  BEGIN 
    next_state <= cur_state ;
    -- quiet:
    p <= '0' ;
    IF ( -- abort:
        abort = '1'
       ) THEN
      next_state <= idle ;
    ELSE
      CASE cur_state IS
        WHEN idle =>
          IF (go = '1') THEN
            next_state <= run ;
            -- pulse:
            p <= '1' ;
          END IF ;
        WHEN run =>
          IF ( -- finish:
              go = '0' AND
              abort = '0'
             ) THEN
            next_state <= done ;
          END IF ;
        WHEN done =>
          next_state <= hold ;
        WHEN hold =>
          NULL ;
      END CASE ;
    END IF ; -- Global transition
  END PROCESS next_state_decoding ;

  state_transition: PROCESS (clk, rst) IS
  BEGIN  -- State transition
    IF ( -- reset:
        rst='1'
       ) THEN
      cur_state <= idle ;
      -- mark:
      r <= '1' ;
    ELSIF (clk'event AND (clk = '1')) THEN
      cur_state <= next_state ;
    END IF ; -- Reset & Clock
  END PROCESS state_transition ;

  state_actions: PROCESS (cur_state, clk, rst, go, abort) IS
  BEGIN  -- Combinational 
    busy <= '0' ;
    CASE cur_state IS
      WHEN idle =>
        -- o_idle:
        o <= "00" ;
      WHEN run =>
        -- o_run:
        o <= "01" ;
        busy <= '1' ;
      WHEN done =>
        -- o_done:
        o <= "10" ;
      WHEN OTHERS => NULL ;
    END CASE ;
  END PROCESS state_actions ;
END ARCHITECTURE fsm ; -- of ctrl_0

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
END ENTITY ctrl_1 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_1'
---------------------------------------------------------------------------

ARCHITECTURE fsm OF ctrl_1 IS


-- State Machine Options:
--   State assignment      : Enumerate.
--   State decoding        : Case construct.
--   Actions on transitions: Combinational.
--   Actions on states     : Clocked.

  TYPE state_type IS (idle, run, done, hold) ;
  SIGNAL cur_state  : state_type ;  -- Current State
  SIGNAL next_state : state_type ;  -- Next State

BEGIN

  next_state_decoding: PROCESS (cur_state, clk, rst, go, abort) IS
  BEGIN 
    next_state <= cur_state ;
    -- quiet:
    p <= '0' ;
    IF ( -- abort:
        abort = '1'
       ) THEN
      next_state <= idle ;
    ELSE
      CASE cur_state IS
        WHEN idle =>
          IF (go = '1') THEN
            next_state <= run ;
            -- pulse:
            p <= '1' ;
          END IF ;
        WHEN run =>
          IF ( -- finish:
              go = '0' AND
              abort = '0'
             ) THEN
            next_state <= done ;
          END IF ;
        WHEN done =>
          next_state <= hold ;
        WHEN hold =>
          NULL ;
      END CASE ;
    END IF ; -- Global transition
  END PROCESS next_state_decoding ;

  state_transition: PROCESS (clk, rst) IS
  BEGIN  -- State transition
    IF ( -- reset:
        rst='1'
       ) THEN
      cur_state <= idle ;
      -- mark:
      r <= '1' ;
    ELSIF (clk'event AND (clk = '0')) THEN
      cur_state <= next_state ;
      busy <= '0' ;
      CASE next_state IS
        WHEN idle =>
          -- o_idle:
          o <= "00" ;
        WHEN run =>
          -- o_run:
          o <= "01" ;
          busy <= '1' ;
        WHEN done =>
          -- o_done:
          o <= "10" ;
        WHEN OTHERS => NULL ;
      END CASE ;
    END IF ; -- Reset & Clock
  END PROCESS state_transition ;
END ARCHITECTURE fsm ; -- of ctrl_1

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
END ENTITY ctrl_2 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_2'
---------------------------------------------------------------------------

ARCHITECTURE fsm OF ctrl_2 IS


-- State Machine Options:
--   State assignment      : Enumerate.
--   State decoding        : Case construct.
--   Actions on transitions: Combinational.
--   Actions on states     : Comb.(in 1 Process).

  TYPE state_type IS (idle, run, done, hold) ;
  SIGNAL cur_state  : state_type ;  -- Current State
  SIGNAL next_state : state_type ;  -- Next State

BEGIN

  next_state_decoding: PROCESS (cur_state, clk, rst, go, abort) IS
  BEGIN 
    next_state <= cur_state ;
    busy <= '0' ;
    -- quiet:
    p <= '0' ;
    CASE cur_state IS
      WHEN idle =>
        -- o_idle:
        o <= "00" ;
        IF ( -- abort:
            abort = '1'
           ) THEN
          next_state <= idle ;
        ELSIF (go = '1') THEN
          next_state <= run ;
          -- pulse:
          p <= '1' ;
        END IF ;
      WHEN run =>
        -- o_run:
        o <= "01" ;
        busy <= '1' ;
        IF ( -- abort:
            abort = '1'
           ) THEN
          next_state <= idle ;
        ELSIF ( -- finish:
               go = '0' AND
               abort = '0'
              ) THEN
          next_state <= done ;
        END IF ;
      WHEN done =>
        -- o_done:
        o <= "10" ;
        IF ( -- abort:
            abort = '1'
           ) THEN
          next_state <= idle ;
        ELSE
          next_state <= hold ;
        END IF ;
      WHEN hold =>
        IF ( -- abort:
            abort = '1'
           ) THEN
          next_state <= idle ;
        END IF ;
      WHEN OTHERS =>
        IF ( -- abort:
            abort = '1'
           ) THEN
          next_state <= idle ;
        ELSE
          NULL ; -- No REST state defined
        END IF ;
        ASSERT False
          REPORT "REST state executed"
          SEVERITY Warning ;
    END CASE ;
  END PROCESS next_state_decoding ;

  state_transition: PROCESS (clk, rst) IS
  BEGIN  -- State transition
    IF ( -- reset:
        rst='1'
       ) THEN
      cur_state <= idle ;
      -- mark:
      r <= '1' ;
    ELSIF (clk'event AND (clk = '1')) THEN
      cur_state <= next_state ;
    END IF ; -- Reset & Clock
  END PROCESS state_transition ;
END ARCHITECTURE fsm ; -- of ctrl_2

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
END ENTITY ctrl_3 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_3'
---------------------------------------------------------------------------

ARCHITECTURE fsm OF ctrl_3 IS


-- State Machine Options:
--   State assignment      : Enumerate.
--   State decoding        : Case construct.
--   Actions on transitions: Clocked.
--   Actions on states     : Combinational.

  TYPE state_type IS (idle, run, done, hold) ;
  SIGNAL state : state_type ;  -- Current State

BEGIN

  state_decoding: PROCESS (clk, rst) IS
  BEGIN 
    IF ( -- reset:
        rst='1'
       ) THEN
      state <= idle ;
      -- mark:
      r <= '1' ;
    ELSIF (clk'event AND (clk = '0')) THEN
      -- quiet:
      p <= '0' ;
      IF ( -- abort:
          abort = '1'
         ) THEN
        state <= idle ;
      ELSE
        CASE state IS
          WHEN idle =>
            IF (go = '1') THEN
              state <= run ;
              -- pulse:
              p <= '1' ;
            END IF ;
          WHEN run =>
            IF ( -- finish:
                go = '0' AND
                abort = '0'
               ) THEN
              state <= done ;
            END IF ;
          WHEN done =>
            state <= hold ;
          WHEN hold =>
            NULL ;
        END CASE ;
      END IF ; -- Global transition
    END IF ; -- Reset & Clock
  END PROCESS state_decoding ;

  state_actions: PROCESS (state, clk, rst, go, abort) IS
  BEGIN  -- Combinational 
    busy <= '0' ;
    CASE state IS
      WHEN idle =>
        -- o_idle:
        o <= "00" ;
      WHEN run =>
        -- o_run:
        o <= "01" ;
        busy <= '1' ;
      WHEN done =>
        -- o_done:
        o <= "10" ;
      WHEN OTHERS => NULL ;
    END CASE ;
  END PROCESS state_actions ;
END ARCHITECTURE fsm ; -- of ctrl_3

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
END ENTITY ctrl_4 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_4'
---------------------------------------------------------------------------

ARCHITECTURE fsm OF ctrl_4 IS


-- State Machine Options:
--   State assignment      : Enumerate.
--   State decoding        : Case construct.
--   Actions on transitions: Clocked.
--   Actions on states     : Clocked.

  TYPE state_type IS (idle, run, done, hold) ;
  SIGNAL state : state_type ;  -- Current State

BEGIN

  state_decoding: PROCESS (clk, rst) IS
  BEGIN 
    IF ( -- reset:
        rst='1'
       ) THEN
      state <= idle ;
      -- mark:
      r <= '1' ;
    ELSIF (clk'event AND (clk = '1')) THEN
      busy <= '0' ;
      -- quiet:
      p <= '0' ;
      IF ( -- abort:
          abort = '1'
         ) THEN
        state <= idle ;
        -- o_idle:
        o <= "00" ;
      ELSE
        CASE state IS
          WHEN idle =>
            IF (go = '1') THEN
              state <= run ;
              -- pulse:
              p <= '1' ;
              -- o_run:
              o <= "01" ;
              busy <= '1' ;
            END IF ;
          WHEN run =>
            IF ( -- finish:
                go = '0' AND
                abort = '0'
               ) THEN
              state <= done ;
              -- o_done:
              o <= "10" ;
            END IF ;
          WHEN done =>
            state <= hold ;
          WHEN hold =>
            NULL ;
        END CASE ;
      END IF ; -- Global transition
    END IF ; -- Reset & Clock
  END PROCESS state_decoding ;
END ARCHITECTURE fsm ; -- of ctrl_4

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
END ENTITY ctrl_5 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_5'
---------------------------------------------------------------------------

ARCHITECTURE fsm OF ctrl_5 IS


-- State Machine Options:
--   State assignment      : Enumerate.
--   State decoding        : Case construct.
--   Actions on transitions: Comb.(in 1 Process).
--   Actions on states     : Combinational.

  TYPE state_type IS (idle, run, done, hold) ;
  SIGNAL cur_state  : state_type ;  -- Current State
  SIGNAL next_state : state_type ;  -- Next State

BEGIN

  next_state_decoding: PROCESS (cur_state, clk, rst, go, abort) IS
  BEGIN 
    IF ( -- reset:
        rst='1'
       ) THEN
      -- mark:
      r <= '1' ;
    ELSE
      next_state <= cur_state ;
      -- quiet:
      p <= '0' ;
      IF ( -- abort:
          abort = '1'
         ) THEN
        next_state <= idle ;
      ELSE
        CASE cur_state IS
          WHEN idle =>
            IF (go = '1') THEN
              next_state <= run ;
              -- pulse:
              p <= '1' ;
            END IF ;
          WHEN run =>
            IF ( -- finish:
                go = '0' AND
                abort = '0'
               ) THEN
              next_state <= done ;
            END IF ;
          WHEN done =>
            next_state <= hold ;
          WHEN hold =>
            NULL ;
        END CASE ;
      END IF ; -- Global transition
    END IF ; -- Reset
  END PROCESS next_state_decoding ;

  state_transition: PROCESS (clk, rst) IS
  BEGIN  -- State transition
    IF ( -- reset:
        rst='1'
       ) THEN
      cur_state <= idle ;
    ELSIF (clk'event AND (clk = '0')) THEN
      cur_state <= next_state ;
    END IF ; -- Reset & Clock
  END PROCESS state_transition ;

  state_actions: PROCESS (cur_state, clk, rst, go, abort) IS
  BEGIN  -- Combinational 
    busy <= '0' ;
    CASE cur_state IS
      WHEN idle =>
        -- o_idle:
        o <= "00" ;
      WHEN run =>
        -- o_run:
        o <= "01" ;
        busy <= '1' ;
      WHEN done =>
        -- o_done:
        o <= "10" ;
      WHEN OTHERS => NULL ;
    END CASE ;
  END PROCESS state_actions ;
END ARCHITECTURE fsm ; -- of ctrl_5

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
END ENTITY ctrl_6 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_6'
---------------------------------------------------------------------------

ARCHITECTURE fsm OF ctrl_6 IS


-- State Machine Options:
--   State assignment      : Enumerate.
--   State decoding        : Case construct.
--   Actions on transitions: Comb.(in 1 Process).
--   Actions on states     : Clocked.

  TYPE state_type IS (idle, run, done, hold) ;
  SIGNAL cur_state  : state_type ;  -- Current State
  SIGNAL next_state : state_type ;  -- Next State

BEGIN

  next_state_decoding: PROCESS (cur_state, clk, rst, go, abort) IS
  BEGIN 
    IF ( -- reset:
        rst='1'
       ) THEN
      -- mark:
      r <= '1' ;
    ELSE
      next_state <= cur_state ;
      -- quiet:
      p <= '0' ;
      IF ( -- abort:
          abort = '1'
         ) THEN
        next_state <= idle ;
      ELSE
        CASE cur_state IS
          WHEN idle =>
            IF (go = '1') THEN
              next_state <= run ;
              -- pulse:
              p <= '1' ;
            END IF ;
          WHEN run =>
            IF ( -- finish:
                go = '0' AND
                abort = '0'
               ) THEN
              next_state <= done ;
            END IF ;
          WHEN done =>
            next_state <= hold ;
          WHEN hold =>
            NULL ;
        END CASE ;
      END IF ; -- Global transition
    END IF ; -- Reset
  END PROCESS next_state_decoding ;

  state_transition: PROCESS (clk, rst) IS
  BEGIN  -- State transition
    IF ( -- reset:
        rst='1'
       ) THEN
      cur_state <= idle ;
    ELSIF (clk'event AND (clk = '1')) THEN
      cur_state <= next_state ;
      busy <= '0' ;
      CASE next_state IS
        WHEN idle =>
          -- o_idle:
          o <= "00" ;
        WHEN run =>
          -- o_run:
          o <= "01" ;
          busy <= '1' ;
        WHEN done =>
          -- o_done:
          o <= "10" ;
        WHEN OTHERS => NULL ;
      END CASE ;
    END IF ; -- Reset & Clock
  END PROCESS state_transition ;
END ARCHITECTURE fsm ; -- of ctrl_6

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
END ENTITY ctrl_7 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_7'
---------------------------------------------------------------------------

ARCHITECTURE fsm OF ctrl_7 IS


-- State Machine Options:
--   State assignment      : Enumerate.
--   State decoding        : Case construct.
--   Actions on transitions: Comb.(in 1 Process).
--   Actions on states     : Comb.(in 1 Process).

  TYPE state_type IS (idle, run, done, hold) ;
  SIGNAL cur_state  : state_type ;  -- Current State
  SIGNAL next_state : state_type ;  -- Next State

BEGIN

  next_state_decoding: PROCESS (cur_state, clk, rst, go, abort) IS
  BEGIN 
    next_state <= cur_state ;
    busy <= '0' ;
    -- quiet:
    p <= '0' ;
    CASE cur_state IS
      WHEN idle =>
        -- o_idle:
        o <= "00" ;
        IF ( -- reset:
            rst='1'
           ) THEN
          -- mark:
          r <= '1' ;
        ELSIF ( -- abort:
               abort = '1'
              ) THEN
          next_state <= idle ;
        ELSIF (go = '1') THEN
          next_state <= run ;
          -- pulse:
          p <= '1' ;
        END IF ;
      WHEN run =>
        -- o_run:
        o <= "01" ;
        busy <= '1' ;
        IF ( -- reset:
            rst='1'
           ) THEN
          -- mark:
          r <= '1' ;
        ELSIF ( -- abort:
               abort = '1'
              ) THEN
          next_state <= idle ;
        ELSIF ( -- finish:
               go = '0' AND
               abort = '0'
              ) THEN
          next_state <= done ;
        END IF ;
      WHEN done =>
        -- o_done:
        o <= "10" ;
        IF ( -- reset:
            rst='1'
           ) THEN
          -- mark:
          r <= '1' ;
        ELSIF ( -- abort:
               abort = '1'
              ) THEN
          next_state <= idle ;
        ELSE
          next_state <= hold ;
        END IF ;
      WHEN hold =>
        IF ( -- reset:
            rst='1'
           ) THEN
          -- mark:
          r <= '1' ;
        ELSIF ( -- abort:
               abort = '1'
              ) THEN
          next_state <= idle ;
        END IF ;
      WHEN OTHERS =>
        IF ( -- reset:
            rst='1'
           ) THEN
          -- mark:
          r <= '1' ;
        ELSIF ( -- abort:
               abort = '1'
              ) THEN
          next_state <= idle ;
        ELSE
          NULL ; -- No REST state defined
        END IF ;
        ASSERT False
          REPORT "REST state executed"
          SEVERITY Warning ;
    END CASE ;
  END PROCESS next_state_decoding ;

  state_transition: PROCESS (clk, rst) IS
  BEGIN  -- State transition
    IF ( -- reset:
        rst='1'
       ) THEN
      cur_state <= idle ;
    ELSIF (clk'event AND (clk = '0')) THEN
      cur_state <= next_state ;
    END IF ; -- Reset & Clock
  END PROCESS state_transition ;
END ARCHITECTURE fsm ; -- of ctrl_7

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_8'.
---------------------------------------------------------------------------

ENTITY ctrl_8 IS
  PORT(
    clk   : IN     Bit ; -- Clock
    rst   : IN     Bit ; -- Reset
    go    : IN     Bit ;
    abort : IN     Bit ;
    o     : OUT    Bit_Vector(1 DOWNTO 0) ;
    busy  : OUT    Bit ;
    p     : OUT    Bit ;
    r     : OUT    Bit ) ;
END ENTITY ctrl_8 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_8'
---------------------------------------------------------------------------

ARCHITECTURE fsm OF ctrl_8 IS


-- State Machine Options:
--   State assignment      : Enumerate.
--   State decoding        : If-else construct.
--   Actions on transitions: Combinational.
--   Actions on states     : Combinational.

  TYPE state_type IS (idle, run, done, hold) ;
  SIGNAL cur_state  : state_type ;  -- Current State
  SIGNAL next_state : state_type ;  -- Next State

BEGIN

  next_state_decoding: PROCESS (cur_state, clk, rst, go, abort) IS
  BEGIN 
    next_state <= cur_state ;
    -- quiet:
    p <= '0' ;
    IF ( -- abort:
        abort = '1'
       ) THEN
      next_state <= idle ;
    ELSE
      IF cur_state = idle THEN
        IF (go = '1') THEN
          next_state <= run ;
          -- pulse:
          p <= '1' ;
        END IF ;
      ELSIF cur_state = run THEN
        IF ( -- finish:
            go = '0' AND
            abort = '0'
           ) THEN
          next_state <= done ;
        END IF ;
      ELSIF cur_state = done THEN
        next_state <= hold ;
      ELSIF cur_state = hold THEN
        NULL ;
      END IF ;
    END IF ; -- Global transition
  END PROCESS next_state_decoding ;

  state_transition: PROCESS (clk, rst) IS
  BEGIN  -- State transition
    IF ( -- reset:
        rst='1'
       ) THEN
      cur_state <= idle ;
      -- mark:
      r <= '1' ;
    ELSIF (clk'event AND (clk = '1')) THEN
      cur_state <= next_state ;
    END IF ; -- Reset & Clock
  END PROCESS state_transition ;

  state_actions: PROCESS (cur_state, clk, rst, go, abort) IS
  BEGIN  -- Combinational 
    busy <= '0' ;
    IF cur_state = idle THEN
      -- o_idle:
      o <= "00" ;
    ELSIF cur_state = run THEN
      -- o_run:
      o <= "01" ;
      busy <= '1' ;
    ELSIF cur_state = done THEN
      -- o_done:
      o <= "10" ;
    END IF ;
  END PROCESS state_actions ;
END ARCHITECTURE fsm ; -- of ctrl_8

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_9'.
---------------------------------------------------------------------------

ENTITY ctrl_9 IS
  PORT(
    clk   : IN     Bit ; -- Clock
    rst   : IN     Bit ; -- Reset
    go    : IN     Bit ;
    abort : IN     Bit ;
    o     : OUT    Bit_Vector(1 DOWNTO 0) ;
    busy  : OUT    Bit ;
    p     : OUT    Bit ;
    r     : OUT    Bit ) ;
END ENTITY ctrl_9 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_9'
---------------------------------------------------------------------------

ARCHITECTURE fsm OF ctrl_9 IS


-- State Machine Options:
--   State assignment      : Enumerate.
--   State decoding        : If-else construct.
--   Actions on transitions: Combinational.
--   Actions on states     : Clocked.

  TYPE state_type IS (idle, run, done, hold) ;
  SIGNAL cur_state  : state_type ;  -- Current State
  SIGNAL next_state : state_type ;  -- Next State

BEGIN

  next_state_decoding: PROCESS (cur_state, clk, rst, go, abort) IS
  BEGIN 
    next_state <= cur_state ;
    -- quiet:
    p <= '0' ;
    IF ( -- abort:
        abort = '1'
       ) THEN
      next_state <= idle ;
    ELSE
      IF cur_state = idle THEN
        IF (go = '1') THEN
          next_state <= run ;
          -- pulse:
          p <= '1' ;
        END IF ;
      ELSIF cur_state = run THEN
        IF ( -- finish:
            go = '0' AND
            abort = '0'
           ) THEN
          next_state <= done ;
        END IF ;
      ELSIF cur_state = done THEN
        next_state <= hold ;
      ELSIF cur_state = hold THEN
        NULL ;
      END IF ;
    END IF ; -- Global transition
  END PROCESS next_state_decoding ;

  state_transition: PROCESS (clk, rst) IS
  BEGIN  -- State transition
    IF ( -- reset:
        rst='1'
       ) THEN
      cur_state <= idle ;
      -- mark:
      r <= '1' ;
    ELSIF (clk'event AND (clk = '0')) THEN
      cur_state <= next_state ;
      busy <= '0' ;
      IF next_state = idle THEN
        -- o_idle:
        o <= "00" ;
      ELSIF next_state = run THEN
        -- o_run:
        o <= "01" ;
        busy <= '1' ;
      ELSIF next_state = done THEN
        -- o_done:
        o <= "10" ;
      END IF ;
    END IF ; -- Reset & Clock
  END PROCESS state_transition ;
END ARCHITECTURE fsm ; -- of ctrl_9

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_10'.
---------------------------------------------------------------------------

ENTITY ctrl_10 IS
  PORT(
    clk   : IN     Bit ; -- Clock
    rst   : IN     Bit ; -- Reset
    go    : IN     Bit ;
    abort : IN     Bit ;
    o     : OUT    Bit_Vector(1 DOWNTO 0) ;
    busy  : OUT    Bit ;
    p     : OUT    Bit ;
    r     : OUT    Bit ) ;
END ENTITY ctrl_10 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_10'
---------------------------------------------------------------------------

ARCHITECTURE fsm OF ctrl_10 IS


-- State Machine Options:
--   State assignment      : Enumerate.
--   State decoding        : If-else construct.
--   Actions on transitions: Combinational.
--   Actions on states     : Comb.(in 1 Process).

  TYPE state_type IS (idle, run, done, hold) ;
  SIGNAL cur_state  : state_type ;  -- Current State
  SIGNAL next_state : state_type ;  -- Next State

BEGIN

  next_state_decoding: PROCESS (cur_state, clk, rst, go, abort) IS
  BEGIN 
    next_state <= cur_state ;
    busy <= '0' ;
    -- quiet:
    p <= '0' ;
    IF cur_state = idle THEN
      -- o_idle:
      o <= "00" ;
      IF ( -- abort:
          abort = '1'
         ) THEN
        next_state <= idle ;
      ELSIF (go = '1') THEN
        next_state <= run ;
        -- pulse:
        p <= '1' ;
      END IF ;
    ELSIF cur_state = run THEN
      -- o_run:
      o <= "01" ;
      busy <= '1' ;
      IF ( -- abort:
          abort = '1'
         ) THEN
        next_state <= idle ;
      ELSIF ( -- finish:
             go = '0' AND
             abort = '0'
            ) THEN
        next_state <= done ;
      END IF ;
    ELSIF cur_state = done THEN
      -- o_done:
      o <= "10" ;
      IF ( -- abort:
          abort = '1'
         ) THEN
        next_state <= idle ;
      ELSE
        next_state <= hold ;
      END IF ;
    ELSIF cur_state = hold THEN
      IF ( -- abort:
          abort = '1'
         ) THEN
        next_state <= idle ;
      END IF ;
    ELSE
      IF ( -- abort:
          abort = '1'
         ) THEN
        next_state <= idle ;
      ELSE
        NULL ; -- No REST state defined
      END IF ;
      ASSERT False
        REPORT "REST state executed"
        SEVERITY Warning ;
    END IF ;
  END PROCESS next_state_decoding ;

  state_transition: PROCESS (clk, rst) IS
  BEGIN  -- State transition
    IF ( -- reset:
        rst='1'
       ) THEN
      cur_state <= idle ;
      -- mark:
      r <= '1' ;
    ELSIF (clk'event AND (clk = '1')) THEN
      cur_state <= next_state ;
    END IF ; -- Reset & Clock
  END PROCESS state_transition ;
END ARCHITECTURE fsm ; -- of ctrl_10

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_11'.
---------------------------------------------------------------------------

ENTITY ctrl_11 IS
  PORT(
    clk   : IN     Bit ; -- Clock
    rst   : IN     Bit ; -- Reset
    go    : IN     Bit ;
    abort : IN     Bit ;
    o     : OUT    Bit_Vector(1 DOWNTO 0) ;
    busy  : OUT    Bit ;
    p     : OUT    Bit ;
    r     : OUT    Bit ) ;
END ENTITY ctrl_11 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_11'
---------------------------------------------------------------------------

ARCHITECTURE fsm OF ctrl_11 IS


-- State Machine Options:
--   State assignment      : Enumerate.
--   State decoding        : If-else construct.
--   Actions on transitions: Clocked.
--   Actions on states     : Combinational.

  TYPE state_type IS (idle, run, done, hold) ;
  SIGNAL state : state_type ;  -- Current State

BEGIN

  state_decoding: PROCESS (clk, rst) IS
  BEGIN 
    IF ( -- reset:
        rst='1'
       ) THEN
      state <= idle ;
      -- mark:
      r <= '1' ;
    ELSIF (clk'event AND (clk = '0')) THEN
      -- quiet:
      p <= '0' ;
      IF ( -- abort:
          abort = '1'
         ) THEN
        state <= idle ;
      ELSE
        IF state = idle THEN
          IF (go = '1') THEN
            state <= run ;
            -- pulse:
            p <= '1' ;
          END IF ;
        ELSIF state = run THEN
          IF ( -- finish:
              go = '0' AND
              abort = '0'
             ) THEN
            state <= done ;
          END IF ;
        ELSIF state = done THEN
          state <= hold ;
        ELSIF state = hold THEN
          NULL ;
        END IF ;
      END IF ; -- Global transition
    END IF ; -- Reset & Clock
  END PROCESS state_decoding ;

  state_actions: PROCESS (state, clk, rst, go, abort) IS
  BEGIN  -- Combinational 
    busy <= '0' ;
    IF state = idle THEN
      -- o_idle:
      o <= "00" ;
    ELSIF state = run THEN
      -- o_run:
      o <= "01" ;
      busy <= '1' ;
    ELSIF state = done THEN
      -- o_done:
      o <= "10" ;
    END IF ;
  END PROCESS state_actions ;
END ARCHITECTURE fsm ; -- of ctrl_11

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_12'.
---------------------------------------------------------------------------

ENTITY ctrl_12 IS
  PORT(
    clk   : IN     Bit ; -- Clock
    rst   : IN     Bit ; -- Reset
    go    : IN     Bit ;
    abort : IN     Bit ;
    o     : OUT    Bit_Vector(1 DOWNTO 0) ;
    busy  : OUT    Bit ;
    p     : OUT    Bit ;
    r     : OUT    Bit ) ;
END ENTITY ctrl_12 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_12'
---------------------------------------------------------------------------

ARCHITECTURE fsm OF ctrl_12 IS


-- State Machine Options:
--   State assignment      : Enumerate.
--   State decoding        : If-else construct.
--   Actions on transitions: Clocked.
--   Actions on states     : Clocked.

  TYPE state_type IS (idle, run, done, hold) ;
  SIGNAL state : state_type ;  -- Current State

BEGIN

  state_decoding: PROCESS (clk, rst) IS
  BEGIN 
    IF ( -- reset:
        rst='1'
       ) THEN
      state <= idle ;
      -- mark:
      r <= '1' ;
    ELSIF (clk'event AND (clk = '1')) THEN
      busy <= '0' ;
      -- quiet:
      p <= '0' ;
      IF ( -- abort:
          abort = '1'
         ) THEN
        state <= idle ;
        -- o_idle:
        o <= "00" ;
      ELSE
        IF state = idle THEN
          IF (go = '1') THEN
            state <= run ;
            -- pulse:
            p <= '1' ;
            -- o_run:
            o <= "01" ;
            busy <= '1' ;
          END IF ;
        ELSIF state = run THEN
          IF ( -- finish:
              go = '0' AND
              abort = '0'
             ) THEN
            state <= done ;
            -- o_done:
            o <= "10" ;
          END IF ;
        ELSIF state = done THEN
          state <= hold ;
        ELSIF state = hold THEN
          NULL ;
        END IF ;
      END IF ; -- Global transition
    END IF ; -- Reset & Clock
  END PROCESS state_decoding ;
END ARCHITECTURE fsm ; -- of ctrl_12

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_13'.
---------------------------------------------------------------------------

ENTITY ctrl_13 IS
  PORT(
    clk   : IN     Bit ; -- Clock
    rst   : IN     Bit ; -- Reset
    go    : IN     Bit ;
    abort : IN     Bit ;
    o     : OUT    Bit_Vector(1 DOWNTO 0) ;
    busy  : OUT    Bit ;
    p     : OUT    Bit ;
    r     : OUT    Bit ) ;
END ENTITY ctrl_13 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_13'
---------------------------------------------------------------------------

ARCHITECTURE fsm OF ctrl_13 IS


-- State Machine Options:
--   State assignment      : Enumerate.
--   State decoding        : If-else construct.
--   Actions on transitions: Comb.(in 1 Process).
--   Actions on states     : Combinational.

  TYPE state_type IS (idle, run, done, hold) ;
  SIGNAL cur_state  : state_type ;  -- Current State
  SIGNAL next_state : state_type ;  -- Next State

BEGIN

  next_state_decoding: PROCESS (cur_state, clk, rst, go, abort) IS
  BEGIN 
    IF ( -- reset:
        rst='1'
       ) THEN
      -- mark:
      r <= '1' ;
    ELSE
      next_state <= cur_state ;
      -- quiet:
      p <= '0' ;
      IF ( -- abort:
          abort = '1'
         ) THEN
        next_state <= idle ;
      ELSE
        IF cur_state = idle THEN
          IF (go = '1') THEN
            next_state <= run ;
            -- pulse:
            p <= '1' ;
          END IF ;
        ELSIF cur_state = run THEN
          IF ( -- finish:
              go = '0' AND
              abort = '0'
             ) THEN
            next_state <= done ;
          END IF ;
        ELSIF cur_state = done THEN
          next_state <= hold ;
        ELSIF cur_state = hold THEN
          NULL ;
        END IF ;
      END IF ; -- Global transition
    END IF ; -- Reset
  END PROCESS next_state_decoding ;

  state_transition: PROCESS (clk, rst) IS
  BEGIN  -- State transition
    IF ( -- reset:
        rst='1'
       ) THEN
      cur_state <= idle ;
    ELSIF (clk'event AND (clk = '0')) THEN
      cur_state <= next_state ;
    END IF ; -- Reset & Clock
  END PROCESS state_transition ;

  state_actions: PROCESS (cur_state, clk, rst, go, abort) IS
  BEGIN  -- Combinational 
    busy <= '0' ;
    IF cur_state = idle THEN
      -- o_idle:
      o <= "00" ;
    ELSIF cur_state = run THEN
      -- o_run:
      o <= "01" ;
      busy <= '1' ;
    ELSIF cur_state = done THEN
      -- o_done:
      o <= "10" ;
    END IF ;
  END PROCESS state_actions ;
END ARCHITECTURE fsm ; -- of ctrl_13

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_14'.
---------------------------------------------------------------------------

ENTITY ctrl_14 IS
  PORT(
    clk   : IN     Bit ; -- Clock
    rst   : IN     Bit ; -- Reset
    go    : IN     Bit ;
    abort : IN     Bit ;
    o     : OUT    Bit_Vector(1 DOWNTO 0) ;
    busy  : OUT    Bit ;
    p     : OUT    Bit ;
    r     : OUT    Bit ) ;
END ENTITY ctrl_14 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_14'
---------------------------------------------------------------------------

ARCHITECTURE fsm OF ctrl_14 IS


-- State Machine Options:
--   State assignment      : Enumerate.
--   State decoding        : If-else construct.
--   Actions on transitions: Comb.(in 1 Process).
--   Actions on states     : Clocked.

  TYPE state_type IS (idle, run, done, hold) ;
  SIGNAL cur_state  : state_type ;  -- Current State
  SIGNAL next_state : state_type ;  -- Next State

BEGIN

  next_state_decoding: PROCESS (cur_state, clk, rst, go, abort) IS
  BEGIN 
    IF ( -- reset:
        rst='1'
       ) THEN
      -- mark:
      r <= '1' ;
    ELSE
      next_state <= cur_state ;
      -- quiet:
      p <= '0' ;
      IF ( -- abort:
          abort = '1'
         ) THEN
        next_state <= idle ;
      ELSE
        IF cur_state = idle THEN
          IF (go = '1') THEN
            next_state <= run ;
            -- pulse:
            p <= '1' ;
          END IF ;
        ELSIF cur_state = run THEN
          IF ( -- finish:
              go = '0' AND
              abort = '0'
             ) THEN
            next_state <= done ;
          END IF ;
        ELSIF cur_state = done THEN
          next_state <= hold ;
        ELSIF cur_state = hold THEN
          NULL ;
        END IF ;
      END IF ; -- Global transition
    END IF ; -- Reset
  END PROCESS next_state_decoding ;

  state_transition: PROCESS (clk, rst) IS
  BEGIN  -- State transition
    IF ( -- reset:
        rst='1'
       ) THEN
      cur_state <= idle ;
    ELSIF (clk'event AND (clk = '1')) THEN
      cur_state <= next_state ;
      busy <= '0' ;
      IF next_state = idle THEN
        -- o_idle:
        o <= "00" ;
      ELSIF next_state = run THEN
        -- o_run:
        o <= "01" ;
        busy <= '1' ;
      ELSIF next_state = done THEN
        -- o_done:
        o <= "10" ;
      END IF ;
    END IF ; -- Reset & Clock
  END PROCESS state_transition ;
END ARCHITECTURE fsm ; -- of ctrl_14

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_15'.
---------------------------------------------------------------------------

ENTITY ctrl_15 IS
  PORT(
    clk   : IN     Bit ; -- Clock
    rst   : IN     Bit ; -- Reset
    go    : IN     Bit ;
    abort : IN     Bit ;
    o     : OUT    Bit_Vector(1 DOWNTO 0) ;
    busy  : OUT    Bit ;
    p     : OUT    Bit ;
    r     : OUT    Bit ) ;
END ENTITY ctrl_15 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_15'
---------------------------------------------------------------------------

ARCHITECTURE fsm OF ctrl_15 IS


-- State Machine Options:
--   State assignment      : Enumerate.
--   State decoding        : If-else construct.
--   Actions on transitions: Comb.(in 1 Process).
--   Actions on states     : Comb.(in 1 Process).

  TYPE state_type IS (idle, run, done, hold) ;
  SIGNAL cur_state  : state_type ;  -- Current State
  SIGNAL next_state : state_type ;  -- Next State

BEGIN

  next_state_decoding: PROCESS (cur_state, clk, rst, go, abort) IS
  BEGIN 
    next_state <= cur_state ;
    busy <= '0' ;
    -- quiet:
    p <= '0' ;
    IF cur_state = idle THEN
      -- o_idle:
      o <= "00" ;
      IF ( -- reset:
          rst='1'
         ) THEN
        -- mark:
        r <= '1' ;
      ELSIF ( -- abort:
             abort = '1'
            ) THEN
        next_state <= idle ;
      ELSIF (go = '1') THEN
        next_state <= run ;
        -- pulse:
        p <= '1' ;
      END IF ;
    ELSIF cur_state = run THEN
      -- o_run:
      o <= "01" ;
      busy <= '1' ;
      IF ( -- reset:
          rst='1'
         ) THEN
        -- mark:
        r <= '1' ;
      ELSIF ( -- abort:
             abort = '1'
            ) THEN
        next_state <= idle ;
      ELSIF ( -- finish:
             go = '0' AND
             abort = '0'
            ) THEN
        next_state <= done ;
      END IF ;
    ELSIF cur_state = done THEN
      -- o_done:
      o <= "10" ;
      IF ( -- reset:
          rst='1'
         ) THEN
        -- mark:
        r <= '1' ;
      ELSIF ( -- abort:
             abort = '1'
            ) THEN
        next_state <= idle ;
      ELSE
        next_state <= hold ;
      END IF ;
    ELSIF cur_state = hold THEN
      IF ( -- reset:
          rst='1'
         ) THEN
        -- mark:
        r <= '1' ;
      ELSIF ( -- abort:
             abort = '1'
            ) THEN
        next_state <= idle ;
      END IF ;
    ELSE
      IF ( -- reset:
          rst='1'
         ) THEN
        -- mark:
        r <= '1' ;
      ELSIF ( -- abort:
             abort = '1'
            ) THEN
        next_state <= idle ;
      ELSE
        NULL ; -- No REST state defined
      END IF ;
      ASSERT False
        REPORT "REST state executed"
        SEVERITY Warning ;
    END IF ;
  END PROCESS next_state_decoding ;

  state_transition: PROCESS (clk, rst) IS
  BEGIN  -- State transition
    IF ( -- reset:
        rst='1'
       ) THEN
      cur_state <= idle ;
    ELSIF (clk'event AND (clk = '0')) THEN
      cur_state <= next_state ;
    END IF ; -- Reset & Clock
  END PROCESS state_transition ;
END ARCHITECTURE fsm ; -- of ctrl_15
