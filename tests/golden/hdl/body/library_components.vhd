
library cells ;
use cells.and2 ;
use cells.and2 ;

architecture body of holder is


 component and2
  port(
    a : in     Bit ) ;
 end component ;

begin

 g1: and2
    port map(
      a => open ) ;

 g2: and2
    port map(
      a => open ) ;
end  body ; -- of holder
