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

---------------------------------------------------------------------------
-- Architecture 'test' of 'counter_tb'.
---------------------------------------------------------------------------

architecture test of counter_tb is


  constant width : Integer := 8 ; -- bits

  signal clk : Bit ; -- Clock
  signal rst : Bit ;
  signal q   : Bit_Vector(7 downto 0) ; -- the count

 component counter
  generic(
    width : Integer := 8 ) ; -- bits
  port(
    clk : in     Bit ; -- Clock
    rst : in     Bit ;
    q   : out    Bit_Vector(7 downto 0) ) ; -- the count
 end component ;

begin

 eut: counter
    port map(
      clk => clk,
      rst => rst,
      q => q ) ;
-- ZEPH/VHDL end ----------------------------------------------------------

 stimuli: process (q)
  begin
--
-- Insert stimuli here
--
  end process stimuli ;

end  test ; -- of counter_tb
