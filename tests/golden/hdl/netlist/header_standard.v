///////////////////////////////////////////////////////////////////////////
// the 'Graphical Systems Design Tool' tool.
//
// ZEPH/HDL Version 3.0 (Revision 6).
// Time stamp  : Tue Nov 14 22:13:20 2023.
//
// Designed by : Ada.
// Company     : Analytical Engines.
// Design info : counter demo.
// Free text on the top sheet,
// in two lines.
///////////////////////////////////////////////////////////////////////////
