-- Self-checking testbench of the counter example: after reset the count follows the rising
-- edges of the clock, wraps from 255 to 0, and a reset in the middle clears it again.
library ieee ;
use ieee.std_logic_1164.all ;

entity counter_tb is
end counter_tb ;

architecture check of counter_tb is
  component counter
    port(
      clk : in  std_logic ;
      rst : in  std_logic ;
      q   : out std_logic_vector(7 downto 0) ) ;
  end component ;
  for dut : counter use configuration work.counter_a0 ;

  signal clk : std_logic := '0' ;
  signal rst : std_logic := '1' ;
  signal q   : std_logic_vector(7 downto 0) ;

  function to_natural(v : std_logic_vector) return natural is
    variable n : natural := 0 ;
  begin
    for i in v'range loop
      n := n * 2 ;
      if v(i) = '1' then
        n := n + 1 ;
      end if ;
    end loop ;
    return n ;
  end to_natural ;

  procedure tick(signal c : out std_logic) is
  begin
    c <= '1' ;
    wait for 5 ns ;
    c <= '0' ;
    wait for 5 ns ;
  end tick ;
begin
  dut : counter port map(clk => clk, rst => rst, q => q) ;

  stimulus : process
  begin
    wait for 5 ns ;
    assert to_natural(q) = 0 report "reset does not clear the count" severity failure ;
    rst <= '0' ;
    for n in 1 to 300 loop
      tick(clk) ;
      assert to_natural(q) = n mod 256 report "count wrong after a clock edge" severity failure ;
    end loop ;
    rst <= '1' ;
    wait for 1 ns ;
    assert to_natural(q) = 0 report "reset in the middle does not clear" severity failure ;
    assert false report "counter_tb passed" severity note ;
    wait ;
  end process stimulus ;
end check ;
