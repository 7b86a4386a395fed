-- ZEPH/VHDL begin --------------------------------------------------------
-- Entity declaration of 'wide_tb', the testbench for 'wide'.
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

entity wide_tb is
end wide_tb ;

---------------------------------------------------------------------------
-- Architecture 'test' of 'wide_tb'.
---------------------------------------------------------------------------

architecture test of wide_tb is


  signal a_rather_long_output_name_0 : Bit ;
  signal a_rather_long_output_name_1 : Bit ;
  signal a_rather_long_output_name_2 : Bit ;
  signal a_rather_long_output_name_3 : Bit ;
  signal a_rather_long_output_name_4 : Bit ;
  signal a_rather_long_output_name_5 : Bit ;

 component wide
  port(
    a_rather_long_output_name_0 : out    Bit ;
    a_rather_long_output_name_1 : out    Bit ;
    a_rather_long_output_name_2 : out    Bit ;
    a_rather_long_output_name_3 : out    Bit ;
    a_rather_long_output_name_4 : out    Bit ;
    a_rather_long_output_name_5 : out    Bit ) ;
 end component ;

begin

 eut: wide
    port map(
      a_rather_long_output_name_0 => a_rather_long_output_name_0,
      a_rather_long_output_name_1 => a_rather_long_output_name_1,
      a_rather_long_output_name_2 => a_rather_long_output_name_2,
      a_rather_long_output_name_3 => a_rather_long_output_name_3,
      a_rather_long_output_name_4 => a_rather_long_output_name_4,
      a_rather_long_output_name_5 => a_rather_long_output_name_5 ) ;
-- ZEPH/VHDL end ----------------------------------------------------------

 stimuli: process (a_rather_long_output_name_0, 
      a_rather_long_output_name_1, a_rather_long_output_name_2, 
      a_rather_long_output_name_3, a_rather_long_output_name_4, 
      a_rather_long_output_name_5)
  begin
--
-- Insert stimuli here
--
  end process stimuli ;

end architecture test ; -- of wide_tb
