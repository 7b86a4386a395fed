  sequencer: process (clock_of_the_system, asynchronous_reset_input, 
      start_of_conversion_request, channel_select_bits, overflow_detected, 
      x, last_entry_of_a_long_list) is		-- ZEPH/VHDL sens.list
  end process sequencer ;
