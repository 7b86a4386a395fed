---------------------------------------------------------------------------
 -- Architecture 'structure' of 'frames'
---------------------------------------------------------------------------
-- The structure.

library memories ;
use memories.ram ;
use MEMORIES.pll ;
use memories.ram ;

architecture structure of frames is

  TYPE t IS (a, b) ;

 component ram
 end component ;
 component pll
 end component ;

begin

 ram1: ram;

 pll1: pll;

 ram2: ram;
end  structure ; -- of frames

---------------------------------------------------------------------------
 -- Architecture 'control' of 'frames'
---------------------------------------------------------------------------
-- Machine text comes later.

architecture control of frames is


-- State Machine Options:
--   State assignment      : Enumerate.
--   State decoding        : Case construct.
--   Actions on transitions: Combinational.
--   Actions on states     : Combinational.

begin
end  control ; -- of frames

---------------------------------------------------------------------------
 -- Architecture 'table' of 'frames'
---------------------------------------------------------------------------

architecture table of frames is


end  table ; -- of frames
