// The structure.
// TYPE t IS (a, b) ;

// Machine text comes later.


