-- ZEPH/VHDL begin ----
-- old
-- ZEPH/VHDL end ----

 stimuli: PROCESS (q)
  BEGIN
  END PROCESS stimuli ;

END  test ; -- of counter_tb
