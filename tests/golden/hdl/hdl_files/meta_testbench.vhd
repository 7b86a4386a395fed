-- ZEPH/VHDL begin --------------------------------------------------------
-- Entity declaration of 'counter_tb', the testbench for 'counter'.
---------------------------------------------------------------------------
-- the 'Graphical Systems Design Tool' tool.
--
-- ZEPH/HDL Version 3.0 (Revision 6).
-- Time stamp  : Tue Nov 14 22:13:20 2023.
--
-- Designed by : Ada.
-- Company     : .
-- Design info : .
---------------------------------------------------------------------------

library ieee ;
use ieee.std_logic_1164.all ;

entity counter_tb is
end counter_tb ;
-- ZEPH/VHDL end ----------------------------------------------------------

end  test ; -- of counter_tb
