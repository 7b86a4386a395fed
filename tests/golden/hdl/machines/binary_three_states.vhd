
---------------------------------------------------------------------------
-- Entity declaration of 'binary3'.
---------------------------------------------------------------------------

ENTITY binary3 IS
  PORT(
    clk : IN     Bit ; -- Clock
    a   : IN     Bit ;
    y   : OUT    Bit ) ;
END  binary3 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'binary3'
---------------------------------------------------------------------------

ARCHITECTURE fsm OF binary3 IS


-- State Machine Options:
--   State assignment      : Binary.
--   State decoding        : Case construct.
--   Actions on transitions: Combinational.
--   Actions on states     : Combinational.

  CONSTANT s1 : Bit_Vector(1 DOWNTO 0) := "00" ;
  CONSTANT s2 : Bit_Vector(1 DOWNTO 0) := "01" ;
  CONSTANT s3 : Bit_Vector(1 DOWNTO 0) := "10" ;
  SIGNAL cur_state : Bit_Vector(1 DOWNTO 0) ;  -- Current State
  SIGNAL next_state : Bit_Vector(1 DOWNTO 0) ;  -- Next State

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
      WHEN OTHERS => NULL ;
    END CASE ;
  END PROCESS state_actions ;
END  fsm ; -- of binary3
