  ripple : process (x, y)
    variable carry : std_logic;
  begin
    carry := '0';
    for i in 0 to 3 loop
      s(i) <= x(i) xor y(i) xor carry;
      carry := (x(i) and y(i)) or (carry and (x(i) xor y(i)));
    end loop;
  end process ripple;
