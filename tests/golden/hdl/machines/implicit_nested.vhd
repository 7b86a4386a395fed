
---------------------------------------------------------------------------
-- Entity declaration of 'nested'.
---------------------------------------------------------------------------

ENTITY nested IS
  PORT(
    clk : IN     Bit ; -- Clock
    rst : IN     Bit ; -- Reset
    a   : IN     Bit ;
    b   : IN     Bit ;
    y   : OUT    Bit_Vector(1 DOWNTO 0) ;
    p   : OUT    Bit ) ;
END ENTITY nested ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'nested'
---------------------------------------------------------------------------

ARCHITECTURE fsm OF nested IS


BEGIN
 state_machine: PROCESS

  BEGIN
    WAIT UNTIL (rst='1') ;

    resetloop : LOOP
      y <= "00" ;
      WAIT UNTIL (clk'event AND (clk = '1')) OR (rst='1') ;  -- r
      NEXT resetloop WHEN (rst='1') ;

      y <= "01" ;
      WAIT UNTIL (clk'event AND (clk = '1')) OR (rst='1') ;  -- w
      NEXT resetloop WHEN (rst='1') ;

      WHILE (a = '1') LOOP
        p <= '1' ;
        y <= "01" ;
        WAIT UNTIL (clk'event AND (clk = '1')) OR (rst='1') ;  -- w
        NEXT resetloop WHEN (rst='1') ;

      END LOOP ;
      y <= "10" ;
      WAIT UNTIL (clk'event AND (clk = '1')) OR (rst='1') ;  -- n
      NEXT resetloop WHEN (rst='1') ;

      IF (a = '1') THEN
        y <= "11" ;
        WAIT UNTIL (clk'event AND (clk = '1')) OR (rst='1') ;  -- x
        NEXT resetloop WHEN (rst='1') ;

      ELSIF ( -- both:
             a = '0' AND
             b = '1'
            ) THEN
        p <= '1' ;
        y <= "00" ;
        WAIT UNTIL (clk'event AND (clk = '1')) OR (rst='1') ;  -- yy
        NEXT resetloop WHEN (rst='1') ;

      ELSE
      END IF ;
      y <= "01" ;
      WAIT UNTIL (clk'event AND (clk = '1')) OR (rst='1') ;  -- m
      NEXT resetloop WHEN (rst='1') ;

      y <= "10" ;
      WAIT UNTIL (clk'event AND (clk = '1')) OR (rst='1') ;  -- h
      NEXT resetloop WHEN (rst='1') ;

      WHILE (b = '1') LOOP

      IF (b = '1') THEN
        y <= "11" ;
        WAIT UNTIL (clk'event AND (clk = '1')) OR (rst='1') ;  -- inner
        NEXT resetloop WHEN (rst='1') ;

        IF (a = '1') THEN
          y <= "00" ;
          WAIT UNTIL (clk'event AND (clk = '1')) OR (rst='1') ;  -- left
          NEXT resetloop WHEN (rst='1') ;

        ELSE
          y <= "01" ;
          WAIT UNTIL (clk'event AND (clk = '1')) OR (rst='1') ;  -- right
          NEXT resetloop WHEN (rst='1') ;

        END IF ;
        y <= "10" ;
        WAIT UNTIL (clk'event AND (clk = '1')) OR (rst='1') ;  -- j
        NEXT resetloop WHEN (rst='1') ;

        y <= "10" ;
        WAIT UNTIL (clk'event AND (clk = '1')) OR (rst='1') ;  -- h
        NEXT resetloop WHEN (rst='1') ;

      END IF ;
      END LOOP ;
      y <= "11" ;
      WAIT UNTIL (clk'event AND (clk = '1')) OR (rst='1') ;  -- o
      NEXT resetloop WHEN (rst='1') ;

      WHILE (a = '1') OR
            (b = '1') LOOP

      IF (a = '1') THEN
        y <= "11" ;
        WAIT UNTIL (clk'event AND (clk = '1')) OR (rst='1') ;  -- o
        NEXT resetloop WHEN (rst='1') ;

      ELSE
        p <= '1' ;
        y <= "00" ;
        WAIT UNTIL (clk'event AND (clk = '1')) OR (rst='1') ;  -- k
        NEXT resetloop WHEN (rst='1') ;

        y <= "11" ;
        WAIT UNTIL (clk'event AND (clk = '1')) OR (rst='1') ;  -- o
        NEXT resetloop WHEN (rst='1') ;

      END IF ;
      END LOOP ;

    END LOOP resetloop ;

  END PROCESS state_machine ;
END ARCHITECTURE fsm ; -- of nested
