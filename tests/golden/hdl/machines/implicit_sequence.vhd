
---------------------------------------------------------------------------
-- Entity declaration of 'sequence'.
---------------------------------------------------------------------------

ENTITY sequence IS
  PORT(
    clk : IN     Bit ; -- Clock
    rst : IN     Bit ; -- Reset
    a   : IN     Bit ;
    b   : IN     Bit ;
    y   : OUT    Bit_Vector(1 DOWNTO 0) ;
    p   : OUT    Bit ;
    r   : OUT    Bit ) ;
END ENTITY sequence ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'sequence'
---------------------------------------------------------------------------

ARCHITECTURE fsm OF sequence IS


BEGIN
-- counts to three
 state_machine: PROCESS
    VARIABLE n : Integer := 0 ;

  BEGIN
    WAIT UNTIL (rst='1') ;

    resetloop : LOOP
      IF (rst='1') THEN
        -- mark:
        r <= '1' ;
        p <= '0' ;
      END IF ;

      y <= "00" ;
      WAIT UNTIL (clk'event AND (clk = '1')) OR (rst='1') ;  -- idle
      NEXT resetloop WHEN (rst='1') ;

      IF (a = '1') THEN
        -- pulse:
        p <= '1' ;
        y <= "01" ;
        WAIT UNTIL (clk'event AND (clk = '1')) OR (rst='1') ;  -- s1
        NEXT resetloop WHEN (rst='1') ;

          p <= '0' ;
        y <= "10" ;
        WAIT UNTIL (clk'event AND (clk = '1')) OR (rst='1') ;  -- s2
        NEXT resetloop WHEN (rst='1') ;

        y <= "11" ;
        WAIT UNTIL (clk'event AND (clk = '1')) OR (rst='1') ;  -- s3
        NEXT resetloop WHEN (rst='1') ;

      ELSE
        p <= '0' ;
      END IF ;

    END LOOP resetloop ;

  END PROCESS state_machine ;
END ARCHITECTURE fsm ; -- of sequence
