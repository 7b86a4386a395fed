
---------------------------------------------------------------------------
-- Entity declaration of 'edges'.
---------------------------------------------------------------------------

ENTITY edges IS
  PORT(
    clk : IN     std_logic ; -- Clock
    a   : IN     Bit ;
    y   : OUT    Bit ;
    rst : IN     Bit ) ; -- Reset
END  edges ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'edges'
---------------------------------------------------------------------------

ARCHITECTURE fsm OF edges IS


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

  next_state_decoding: PROCESS (cur_state, clk, a, rst) 
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

  state_transition: PROCESS (clk, rst) 
  BEGIN  -- State transition
    IF (rst='1') THEN
      cur_state <= s1 ;
    ELSIF (falling_edge(clk)) THEN
      cur_state <= next_state ;
    END IF ; -- Reset & Clock
  END PROCESS state_transition ;
END  fsm ; -- of edges
