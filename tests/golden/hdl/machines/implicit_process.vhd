
---------------------------------------------------------------------------
-- Entity declaration of 'board'.
---------------------------------------------------------------------------

ENTITY board IS
  PORT(
    clk : IN     Bit ;
    rst : IN     Bit ;
    go  : IN     Bit ;
    z   : OUT    Bit ) ;
END ENTITY board ;

---------------------------------------------------------------------------
 -- Architecture 'structure' of 'board'
---------------------------------------------------------------------------

ARCHITECTURE structure OF board IS



BEGIN
 pulser: PROCESS

  BEGIN
    WAIT UNTIL (rst='0') ;

    resetloop : LOOP
      z <= '0' ;
      WAIT UNTIL (clk'event AND (clk = '1')) OR (rst='0') ;  -- off
      NEXT resetloop WHEN (rst='0') ;

      IF (go = '1') THEN
        z <= '1' ;
        WAIT UNTIL (clk'event AND (clk = '1')) OR (rst='0') ;  -- lit
        NEXT resetloop WHEN (rst='0') ;

      ELSE
      END IF ;

    END LOOP resetloop ;

  END PROCESS pulser ;

END ARCHITECTURE structure ; -- of board
