-- A loadable up/down counter in the numeric_std style most projects use today.
library ieee;
use ieee.std_logic_1164.all;
use ieee.numeric_std.all;

entity counter is
    generic (
        WIDTH      : natural := 8;     -- counter width
        RESET_VAL  : integer := 0;
        CLK_PERIOD : time    := 10 ns
    );
    port (
        clk    : in  std_logic;
        rst_n  : in  std_logic;
        load   : in  std_logic;
        up     : in  std_logic := '1';
        d      : in  std_logic_vector(WIDTH - 1 downto 0);
        q      : out std_logic_vector(WIDTH - 1 downto 0);
        wrap   : buffer std_logic
    );
end entity counter;

architecture rtl of counter is
    signal count : unsigned(WIDTH - 1 downto 0);
    constant ALL_ONES : unsigned(WIDTH - 1 downto 0) := (others => '1');
begin
    -- the register
    reg : process (clk, rst_n) is
    begin
        if rst_n = '0' then
            count <= to_unsigned(RESET_VAL, WIDTH);
            wrap  <= '0';
        elsif rising_edge(clk) then
            if load = '1' then
                count <= unsigned(d);
            elsif up = '1' then
                count <= count + 1;
            else
                count <= count - 1;
            end if;
            if count = ALL_ONES then wrap <= '1'; else wrap <= '0'; end if;
        end if;
    end process reg;

    q <= std_logic_vector(count);
end architecture rtl;
