
---------------------------------------------------------------------------
-- Entity declaration of 'clocked3'.
---------------------------------------------------------------------------

ENTITY clocked3 IS
  PORT(
    clk : IN     Bit ; -- Clock
    a   : IN     Bit ;
    y   : OUT    Bit ) ;
END  clocked3 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'clocked3'
---------------------------------------------------------------------------

ARCHITECTURE fsm OF clocked3 IS


-- State Machine Options:
--   State assignment      : Gray code.
--   State decoding        : Case construct.
--   Actions on transitions: Clocked.
--   Actions on states     : Clocked.

  CONSTANT s1 : Bit_Vector(1 DOWNTO 0) := "00" ;
  CONSTANT s2 : Bit_Vector(1 DOWNTO 0) := "01" ;
  CONSTANT s3 : Bit_Vector(1 DOWNTO 0) := "11" ;
  SIGNAL state : Bit_Vector(1 DOWNTO 0) ;  -- Current State

BEGIN

  state_decoding: PROCESS (clk) 
  BEGIN 
    IF (clk'event AND (clk = '1')) THEN
      CASE state IS
        WHEN s1 =>
          IF (a = '1') THEN
            state <= s2 ;
            -- on:
            y <= '1' ;
          END IF ;
        WHEN s2 =>
          state <= s3 ;
          -- off3:
          y <= '0' ;
        WHEN s3 =>
          state <= s1 ;
          -- off:
          y <= '0' ;
        WHEN OTHERS => NULL ;
          ASSERT False
            REPORT "OTHERS state executed"
            SEVERITY Warning ;
      END CASE ;
    END IF ; -- Clock
  END PROCESS state_decoding ;
END  fsm ; -- of clocked3
