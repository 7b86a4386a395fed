==> datapath.vhd <==
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

---------------------------------------------------------------------------
-- Entity declaration of 'inv4'.
---------------------------------------------------------------------------

entity inv4 is
  port(
    a : in     Bit_Vector(3 downto 0) ;
    y : out    Bit_Vector(3 downto 0) ) ;
end  inv4 ;

---------------------------------------------------------------------------
 -- Architecture 'rtl' of 'inv4'
---------------------------------------------------------------------------

architecture rtl of inv4 is
BEGIN
  y <= NOT a ;
end  rtl ; -- of inv4

---------------------------------------------------------------------------
-- Entity declaration of 'buf4'.
---------------------------------------------------------------------------

entity buf4 is
  generic(
    delay : Time := 1 ns ) ; -- not used by the wiring
  port(
    a : in     Bit_Vector(3 downto 0) ;
    y : out    Bit_Vector(3 downto 0) ;
    c : out    Bit ) ; -- left open
end  buf4 ;

---------------------------------------------------------------------------
 -- Architecture 'wiring' of 'buf4'
---------------------------------------------------------------------------

architecture wiring of buf4 is


 signal Net_0 : Bit_Vector(3 downto 0) ;

begin

 Net_0 <= a ;
 y <= Net_0 ;
end  wiring ; -- of buf4

---------------------------------------------------------------------------
-- Entity declaration of 'datapath'.
---------------------------------------------------------------------------
-- The datapath of the generation tests.

entity datapath is
  port(
    x  : in     Bit_Vector(7 downto 0) ;
    y  : out    Bit_Vector(7 downto 0) ;
    z  : out    Bit ;
    p  : out    Bit ; -- NOT x(1)
    w  : out    Bit_Vector(3 downto 0) ;
    io : inout  Bit_Vector(1 downto 0) ;
    q  : out    Bit ) ;
end  datapath ;

---------------------------------------------------------------------------
 -- Architecture 'structure' of 'datapath'
---------------------------------------------------------------------------
-- Buses, entries and local signals.

architecture structure of datapath is


 component buf4
  generic(
    delay : Time := 1 ns ) ; -- not used by the wiring
  port(
    a : in     Bit_Vector(3 downto 0) ;
    y : out    Bit_Vector(3 downto 0) ;
    c : out    Bit ) ; -- left open
 end component ;
 component inv4
  port(
    a : in     Bit_Vector(3 downto 0) ;
    y : out    Bit_Vector(3 downto 0) ) ;
 end component ;
 for u1 : buf4
   use entity work.buf4(wiring) ;
 for u2 : buf4
   use entity work.buf4(wiring) ;
 for u3 : inv4
   use entity work.inv4(rtl) ;
 signal mid     : Bit_Vector(3 downto 0) ;
 signal low     : Bit ;
 signal pz      : Bit ;
 signal link    : Bit_Vector(1 downto 0) ;
 signal inv_out : Bit_Vector(3 downto 0) ;
  CONSTANT zero : Bit := '0' ;

begin
-- x passes to y through two buffers.
  ASSERT zero = '0' REPORT "zero is one" ;

 y(7 downto 4) <= x(7 downto 4) ;
 z <= x(0) ;
 low <= x(1) ;
 p <= pz ;
 link <= io ;
 io <= link ;
 q <= link(0) ;
 w <= inv_out ;

 u1: buf4
    generic map(
      delay => 2 ns )
    port map(
      a => x(3 downto 0),
      y => mid,
      c => open ) ;

 u2: buf4
    port map(
      a => mid,
      y => y(3 downto 0),
      c => open ) ;

 u3: inv4
    port map(
      a => mid,
      y => inv_out ) ;

  ctrl: process (low) 		-- ZEPH/VHDL sens.list
  BEGIN
    pz <= NOT low ;
  end process ctrl ;

end  structure ; -- of datapath
