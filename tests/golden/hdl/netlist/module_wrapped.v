
///////////////////////////////////////////////////////////////////////////
// Module 'serial_interface_controller(rtl)'.
///////////////////////////////////////////////////////////////////////////
// Shifts data out.

module serial_interface_controller (clock_input, asynchronous_reset, 
      transmit_enable, parallel_data_in, serial_data_output, 
      busy_indicator, word_complete_strobe, x) ;
  parameter
    width           = 8 , // bits per word
    depth_of_buffer = 16 ,
    no_default      = 0 ;
  input  clock_input ; // Clock
  input  asynchronous_reset ;
  input  transmit_enable ;
  input  [width-1:0]parallel_data_in ;
  output serial_data_output ;
  reg    serial_data_output ;
  inout  busy_indicator ; // high while shifting
  inout  [0:3]word_complete_strobe ;
  reg    [0:3]word_complete_strobe ;
  input  x ;
// extra declarations

// Table diagrams have no text yet.
// shown as comment


endmodule // serial_interface_controller(rtl)

