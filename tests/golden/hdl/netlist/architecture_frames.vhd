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

end  structure ; -- of frames

---------------------------------------------------------------------------
 -- Architecture 'control' of 'frames'
---------------------------------------------------------------------------
-- Machine text comes later.

architecture control of frames is


end  control ; -- of frames

---------------------------------------------------------------------------
 -- Architecture 'table' of 'frames'
---------------------------------------------------------------------------

architecture table of frames is


end  table ; -- of frames
