
---------------------------------------------------------------------------
-- Entity declaration of 'lonely'.
---------------------------------------------------------------------------

ENTITY lonely IS
  PORT(
    clk : IN     Bit ; -- Clock
    a   : IN     Bit ;
    b   : IN     Bit ;
    y   : OUT    Bit_Vector(1 DOWNTO 0) ;
    p   : OUT    Bit ) ;
END ENTITY lonely ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'lonely'
---------------------------------------------------------------------------

ARCHITECTURE fsm OF lonely IS


BEGIN
 state_machine: PROCESS

  BEGIN
      y <= "10" ;
      WAIT UNTIL (clk'event AND (clk = '1')) ;  -- only
        p <= '1' ;

  END PROCESS state_machine ;
END ARCHITECTURE fsm ; -- of lonely
