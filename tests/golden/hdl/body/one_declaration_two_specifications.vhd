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
-- Entity declaration of 'e'.
---------------------------------------------------------------------------

entity e is
  port(
    i : in     Bit ;
    o : out    Bit ) ;
end entity e ;

---------------------------------------------------------------------------
 -- Architecture 'a' of 'e'
---------------------------------------------------------------------------

architecture a of e is


 signal n : Bit ;

begin

 n <= i ;
 o <= n ;
end architecture a ; -- of e

---------------------------------------------------------------------------
 -- Architecture 'b' of 'e'
---------------------------------------------------------------------------

architecture b of e is


 signal n : Bit ;

begin

 n <= i ;
 o <= n ;
end architecture b ; -- of e

---------------------------------------------------------------------------
-- Entity declaration of 'parent'.
---------------------------------------------------------------------------

entity parent is
  port(
    i  : in     Bit ;
    o  : out    Bit ;
    o2 : out    Bit ) ;
end entity parent ;

---------------------------------------------------------------------------
 -- Architecture 'top' of 'parent'
---------------------------------------------------------------------------

architecture top of parent is


 component e
  port(
    i : in     Bit ;
    o : out    Bit ) ;
 end component e;
 for c1 : e
   use entity work.e(a) ;
 for c2 : e
   use entity work.e(b) ;

begin

 c1: e
    port map(
      i => i,
      o => o ) ;

 c2: e
    port map(
      i => i,
      o => o2 ) ;
end architecture top ; -- of parent
