-- ZEPH/VHDL begin
never ends
