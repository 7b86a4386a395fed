entity t is port (c : in bit; q : out bit); end entity t;
architecture r of t is
begin
  p : process (all)
  begin
    if c = '1' then
      q <= c;
    end if;
  end process p;
end architecture r;
entity u is end;
