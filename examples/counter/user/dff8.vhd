  store : process (clk, rst)
  begin
    if rst = '1' then
      q <= "00000000";
    elsif clk'event and clk = '1' then
      q <= d;
    end if;
  end process store;
