
---------------------------------------------------------------------------
-- Entity declaration of 'counter'.
---------------------------------------------------------------------------
-- A loadable counter.
-- It counts up on every rising clock edge.

LIBRARY ieee ;
USE ieee.std_logic_1164.all ;

ENTITY counter IS
  GENERIC(
    width        : Integer := 8 ; -- counter width
    delay        : Time := 5 ns ;
    init_pattern : String := "0000" ;
    wrap         : Boolean ) ;
  PORT(
    clk        : IN     Bit ; -- Clock
    rst        : IN     Bit ; -- Reset -- active high
    load_value : IN     Bit_Vector(7 DOWNTO 0) ;
    enable     : IN     Boolean := True ;
    q          : OUT    Bit_Vector(7 DOWNTO 0) ; -- State Register
    data_bus   : INOUT  Bit_Vector(0 TO 3) BUS ;
    state_reg  : BUFFER Bit REGISTER ; -- kept
    carry      : OUT    Bit := '0' ) ;
  CONSTANT zero : Integer := 0 ;
END ENTITY counter ;

