
---------------------------------------------------------------------------
-- Entity declaration of 'enum3'.
---------------------------------------------------------------------------

ENTITY enum3 IS
  PORT(
    clk : IN     Bit ; -- Clock
    a   : IN     Bit ;
    y   : OUT    Bit ) ;
END  enum3 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'enum3'
---------------------------------------------------------------------------

ARCHITECTURE fsm OF enum3 IS


-- State Machine Options:
--   State assignment      : Enumerate.
--   State decoding        : Case construct.
--   Actions on transitions: Combinational.
--   Actions on states     : Combinational.

  TYPE state_type IS (s1, s2, s3) ;
  SIGNAL cur_state  : state_type ;  -- Current State
  SIGNAL next_state : state_type ;  -- Next State

BEGIN

  next_state_decoding: PROCESS (cur_state, clk, a) 
  BEGIN 
    next_state <= cur_state ;
    CASE cur_state IS
      WHEN s1 =>
        IF (a = '1') THEN
          next_state <= s2 ;
        END IF ;
      WHEN s2 =>
        next_state <= s3 ;
      WHEN s3 =>
        next_state <= s1 ;
    END CASE ;
  END PROCESS next_state_decoding ;

  state_transition: PROCESS (clk) 
  BEGIN  -- State transition
    IF (clk'event AND (clk = '1')) THEN
      cur_state <= next_state ;
    END IF ; -- Clock
  END PROCESS state_transition ;

  state_actions: PROCESS (cur_state, clk, a) 
  BEGIN  -- Combinational 
    CASE cur_state IS
      WHEN s1 =>
        -- off:
        y <= '0' ;
      WHEN s2 =>
        -- on:
        y <= '1' ;
      WHEN s3 =>
        -- off3:
        y <= '0' ;
    END CASE ;
  END PROCESS state_actions ;
END  fsm ; -- of enum3
