
---------------------------------------------------------------------------
-- Entity declaration of 'clash'.
---------------------------------------------------------------------------

ENTITY clash IS
  PORT(
    clk          : IN     Bit ; -- Clock
    a            : IN     Bit ;
    y            : OUT    Bit ;
    Cur_State    : IN     Bit ;
    next_state   : IN     Bit ;
    next_state_I : IN     Bit ) ;
END  clash ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'clash'
---------------------------------------------------------------------------

ARCHITECTURE fsm OF clash IS


-- State Machine Options:
--   State assignment      : Enumerate.
--   State decoding        : Case construct.
--   Actions on transitions: Combinational.
--   Actions on states     : Combinational.

  TYPE state_type IS (s1, s2, s3) ;
  SIGNAL cur_state_I   : state_type ;  -- Current State
  SIGNAL next_state_I1 : state_type ;  -- Next State

BEGIN

  next_state_decoding: PROCESS (cur_state_I, clk, a, Cur_State, next_state, next_state_I) 
  BEGIN 
    next_state_I1 <= cur_state_I ;
    CASE cur_state_I IS
      WHEN s1 =>
        IF (a = '1') THEN
          next_state_I1 <= s2 ;
        END IF ;
      WHEN s2 =>
        next_state_I1 <= s3 ;
      WHEN s3 =>
        next_state_I1 <= s1 ;
    END CASE ;
  END PROCESS next_state_decoding ;

  state_transition: PROCESS (clk) 
  BEGIN  -- State transition
    IF (clk'event AND (clk = '1')) THEN
      cur_state_I <= next_state_I1 ;
    END IF ; -- Clock
  END PROCESS state_transition ;
END  fsm ; -- of clash
