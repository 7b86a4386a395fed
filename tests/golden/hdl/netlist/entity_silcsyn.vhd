
---------------------------------------------------------------------------
-- Entity declaration of 'fsm'.
---------------------------------------------------------------------------

ENTITY fsm IS
  PORT(
    clk : IN     Bit ;
    rst : IN     Bit ) ;

  ATTRIBUTE CLOCK_SOURCE OF clk : SIGNAL IS True ;
  ATTRIBUTE RESET_SOURCE OF rst : SIGNAL IS True ;
END ENTITY fsm ;

