  add_one : process (a)
    variable carry : std_logic;
  begin
    carry := '1';
    for i in 0 to 7 loop
      y(i) <= a(i) xor carry;
      carry := a(i) and carry;
    end loop;
  end process add_one;
