
---------------------------------------------------------------------------
-- Entity declaration of 'counter'.
---------------------------------------------------------------------------
-- A loadable counter.
-- It counts up on every rising clock edge.

library ieee ;
use ieee.std_logic_1164.all ;

entity counter is
  generic(
    width        : Integer := 8 ; -- counter width
    delay        : Time := 5 ns ;
    init_pattern : String := "0000" ;
    wrap         : Boolean ) ;
  port(
    clk        : in     Bit ; -- Clock
    rst        : in     Bit ; -- Reset -- active high
    load_value : in     Bit_Vector(7 downto 0) ;
    enable     : in     Boolean := True ;
    q          : out    Bit_Vector(7 downto 0) ; -- State Register
    data_bus   : inout  Bit_Vector(0 to 3) BUS ;
    state_reg  : buffer Bit REGISTER ; -- kept
    carry      : out    Bit := '0' ) ;
  CONSTANT zero : Integer := 0 ;
end entity counter ;

