
---------------------------------------------------------------------------
-- Entity declaration of 'counter'.
---------------------------------------------------------------------------
-- A loadable counter.
-- It counts up on every rising clock edge.

Library ieee ;
Use ieee.std_logic_1164.all ;

Entity counter Is
  Generic(
    width        : Integer := 8 ; -- counter width
    delay        : Time := 5 ns ;
    init_pattern : String := "0000" ;
    wrap         : Boolean ) ;
  Port(
    clk        : In     Bit ; -- Clock
    rst        : In     Bit ; -- Reset -- active high
    load_value : In     Bit_Vector(7 Downto 0) ;
    enable     : In     Boolean := True ;
    q          : Out    Bit_Vector(7 Downto 0) ; -- State Register
    data_bus   : Inout  Bit_Vector(0 To 3) BUS ;
    state_reg  : Buffer Bit REGISTER ; -- kept
    carry      : Out    Bit := '0' ) ;
  CONSTANT zero : Integer := 0 ;
End Entity counter ;

