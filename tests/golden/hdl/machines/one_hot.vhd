
---------------------------------------------------------------------------
-- Entity declaration of 'hot3'.
---------------------------------------------------------------------------

ENTITY hot3 IS
  PORT(
    clk : IN     Bit ; -- Clock
    a   : IN     Bit ;
    y   : OUT    Bit ) ;
END  hot3 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'hot3'
---------------------------------------------------------------------------

ARCHITECTURE fsm OF hot3 IS


-- State Machine Options:
--   State assignment      : One Hot.
--   Actions on transitions: Combinational.
--   Actions on states     : Combinational.

  SUBTYPE state_type IS Bit_Vector(2 DOWNTO 0) ;
  CONSTANT s1 : Integer := 0 ; -- "001"
  CONSTANT s2 : Integer := 1 ; -- "010"
  CONSTANT s3 : Integer := 2 ; -- "100"
  SIGNAL cur_state : state_type ;  -- Current State
  SIGNAL next_state : state_type ;  -- Next State

BEGIN

  next_state_decoding: PROCESS (cur_state, clk, a) 
  BEGIN 
    next_state <= (OTHERS => '0') ;
    IF cur_state(s1) = '1' THEN  -- State: s1
      IF (a = '1') THEN
        next_state(s2) <= '1' ;
      ELSE
        next_state(s1) <= '1' ;
      END IF ;
    END IF ;
    IF cur_state(s2) = '1' THEN  -- State: s2
      next_state(s3) <= '1' ;
    END IF ;
    IF cur_state(s3) = '1' THEN  -- State: s3
      next_state(s3) <= '1' ;
    END IF ;
  END PROCESS next_state_decoding ;

  state_transition: PROCESS (clk) 
  BEGIN  -- State transition
    IF (clk'event AND (clk = '1')) THEN
      cur_state <= next_state ;
    END IF ; -- Clock
  END PROCESS state_transition ;
END  fsm ; -- of hot3
