-- ZEPH/VHDL begin --------------------------------------------------------
-- Entity declaration of 'counter_tb', the testbench for 'counter'.
---------------------------------------------------------------------------
-- the 'Graphical Systems Design Tool' tool.
--
-- ZEPH/HDL Version 3.0 (Revision 6).
-- Time stamp  : Tue Nov 14 22:13:20 2023.
--
-- Designed by : .
-- Company     : .
-- Design info : .
---------------------------------------------------------------------------

entity counter_tb is
end counter_tb ;

---------------------------------------------------------------------------
-- Architecture 'test' of 'counter_tb'.
---------------------------------------------------------------------------

library mylib ;
use mylib.all ;

architecture test of counter_tb is


  constant width  : Integer := 8 ; -- bits of the count
  constant period : Time := 10 ns ;

  signal clk   : Bit ; -- Clock
  signal rst   : Bit ; -- clears the count
  signal q     : Bit_Vector(7 downto 0) ;
  signal carry : Bit ;

 component counter
  generic(
    width  : Integer := 8 ; -- bits of the count
    period : Time := 10 ns ) ;
  port(
    clk   : in     Bit ; -- Clock
    rst   : in     Bit ; -- clears the count
    q     : out    Bit_Vector(7 downto 0) ;
    carry : buffer Bit ) ;
 end component ;

begin

 eut: counter
    port map(
      clk => clk,
      rst => rst,
      q => q,
      carry => carry ) ;
-- ZEPH/VHDL end ----------------------------------------------------------

 stimuli: process (q, carry)
  begin
--
-- Insert stimuli here
--
  end process stimuli ;

end  test ; -- of counter_tb
