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

ENTITY inv4 IS
  PORT(
    a : IN     Bit_Vector(3 DOWNTO 0) ;
    y : OUT    Bit_Vector(3 DOWNTO 0) ) ;
END  inv4 ;

---------------------------------------------------------------------------
 -- Architecture 'rtl' of 'inv4'
---------------------------------------------------------------------------

ARCHITECTURE rtl OF inv4 IS
BEGIN
  y <= NOT a ;
END  rtl ; -- of inv4

---------------------------------------------------------------------------
-- Entity declaration of 'buf4'.
---------------------------------------------------------------------------

ENTITY buf4 IS
  GENERIC(
    delay : Time := 1 ns ) ; -- not used by the wiring
  PORT(
    a : IN     Bit_Vector(3 DOWNTO 0) ;
    y : OUT    Bit_Vector(3 DOWNTO 0) ;
    c : OUT    Bit ) ; -- left open
END  buf4 ;

---------------------------------------------------------------------------
 -- Architecture 'wiring' of 'buf4'
---------------------------------------------------------------------------

ARCHITECTURE wiring OF buf4 IS


 SIGNAL Net_0 : Bit_Vector(3 DOWNTO 0) ;

BEGIN

 Net_0 <= a ;
 y <= Net_0 ;
END  wiring ; -- of buf4

---------------------------------------------------------------------------
-- Entity declaration of 'datapath'.
---------------------------------------------------------------------------
-- The datapath of the generation tests.

ENTITY datapath IS
  PORT(
    x  : IN     Bit_Vector(7 DOWNTO 0) ;
    y  : OUT    Bit_Vector(7 DOWNTO 0) ;
    z  : OUT    Bit ;
    p  : OUT    Bit ; -- NOT x(1)
    w  : OUT    Bit_Vector(3 DOWNTO 0) ;
    io : INOUT  Bit_Vector(1 DOWNTO 0) ;
    q  : OUT    Bit ) ;
END  datapath ;

---------------------------------------------------------------------------
 -- Architecture 'structure' of 'datapath'
---------------------------------------------------------------------------
-- Buses, entries and local signals.

ARCHITECTURE structure OF datapath IS


 COMPONENT buf4
  GENERIC(
    delay : Time := 1 ns ) ; -- not used by the wiring
  PORT(
    a : IN     Bit_Vector(3 DOWNTO 0) ;
    y : OUT    Bit_Vector(3 DOWNTO 0) ;
    c : OUT    Bit ) ; -- left open
 END COMPONENT ;
 COMPONENT inv4
  PORT(
    a : IN     Bit_Vector(3 DOWNTO 0) ;
    y : OUT    Bit_Vector(3 DOWNTO 0) ) ;
 END COMPONENT ;
 SIGNAL mid     : Bit_Vector(3 DOWNTO 0) ;
 SIGNAL low     : Bit ;
 SIGNAL pz      : Bit ;
 SIGNAL link    : Bit_Vector(1 DOWNTO 0) ;
 SIGNAL inv_out : Bit_Vector(3 DOWNTO 0) ;
  CONSTANT zero : Bit := '0' ;

BEGIN
-- x passes to y through two buffers.
  ASSERT zero = '0' REPORT "zero is one" ;

 y(7 DOWNTO 4) <= x(7 DOWNTO 4) ;
 z <= x(0) ;
 low <= x(1) ;
 p <= pz ;
 link <= io ;
 io <= link ;
 q <= link(0) ;
 w <= inv_out ;

 u1: buf4
    GENERIC MAP(
      delay => 2 ns )
    PORT MAP(
      a => x(3 DOWNTO 0),
      y => mid,
      c => OPEN ) ;

 u2: buf4
    PORT MAP(
      a => mid,
      y => y(3 DOWNTO 0),
      c => OPEN ) ;

 u3: inv4
    PORT MAP(
      a => mid,
      y => inv_out ) ;

  ctrl: PROCESS (low) 		-- ZEPH/VHDL sens.list
  BEGIN
    pz <= NOT low ;
  END PROCESS ctrl ;

END  structure ; -- of datapath

---------------------------------------------------------------------------
-- Configuration declaration for architecture 'structure' of 'datapath'.
---------------------------------------------------------------------------

CONFIGURATION datapath_structure OF datapath IS
  FOR structure
    FOR u1 : buf4
      USE ENTITY work.buf4(wiring) ;
    END FOR ;
    FOR u2 : buf4
      USE ENTITY work.buf4(wiring) ;
    END FOR ;
    FOR u3 : inv4
      USE ENTITY work.inv4(rtl) ;
    END FOR ;
  END FOR ;
END  datapath_structure;
