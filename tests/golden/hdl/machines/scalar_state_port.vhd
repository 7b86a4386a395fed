
---------------------------------------------------------------------------
-- Entity declaration of 'toggle'.
---------------------------------------------------------------------------

ENTITY toggle IS
  PORT(
    clk : IN     Bit ; -- Clock
    q   : OUT    Bit ) ; -- State Register
END  toggle ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'toggle'
---------------------------------------------------------------------------

ARCHITECTURE fsm OF toggle IS


-- State Machine Options:
--   State assignment      : Binary.
--   State decoding        : Case construct.
--   Actions on transitions: Combinational.
--   Actions on states     : Combinational.

  CONSTANT dark : Bit := '0' ;
  CONSTANT lit  : Bit := '1' ;
  SIGNAL cur_state : Bit ;  -- Current State
  SIGNAL next_state : Bit ;  -- Next State

BEGIN

  next_state_decoding: PROCESS (cur_state, clk) 
  BEGIN 
    next_state <= cur_state ;
    CASE cur_state IS
      WHEN dark =>
        next_state <= lit ;
      WHEN lit =>
        next_state <= dark ;
      WHEN OTHERS => NULL ;
        ASSERT False
          REPORT "OTHERS state executed"
          SEVERITY Warning ;
    END CASE ;
  END PROCESS next_state_decoding ;

  state_transition: PROCESS (clk) 
  BEGIN  -- State transition
    IF (clk'event AND (clk = '1')) THEN
      cur_state <= next_state ;
    END IF ; -- Clock
  END PROCESS state_transition ;

  q <= cur_state ;
END  fsm ; -- of toggle
