  always @(posedge clock_of_the_system or asynchronous_reset_input or 
      start_of_conversion_request or channel_select_bits or 
      overflow_detected or x or 
      last_entry_of_a_long_list) 
  begin : sequencer  // ZEPH/Verilog sens.list
  end //  sequencer
