// The structure.
// TYPE t IS (a, b) ;


 ram
    ram1( ) ;

 pll
    pll1( ) ;

 ram
    ram2( ) ;
// Machine text comes later.

// State Machine Options:
//   State assignment      : Enumerate.
//   State decoding        : Case construct.
//   Actions on transitions: Combinational.
//   Actions on states     : Combinational.


