library ieee;
use ieee.std_logic_1164.all;
use ieee.numeric_std.all;

entity dff_bank is
    generic (N : positive := 4);
    port (
        clk : in  std_logic;
        en  : in  std_logic;
        d   : in  std_logic_vector(N - 1 downto 0);
        q   : out std_logic_vector(N - 1 downto 0)
    );
end dff_bank;

architecture rtl of dff_bank is
begin
    bits : for i in 0 to N - 1 generate
        one : process (clk)
        begin
            if clk'event and clk = '1' then
                if en = '1' then
                    q(i) <= d(i);
                end if;
            end if;
        end process one;
    end generate bits;
end rtl;

library ieee;
use ieee.std_logic_1164.all;
use ieee.numeric_std.all;

entity fifo is
    generic (
        DEPTH_LOG2 : natural := 3;
        WIDTH      : natural := 8;
        REGISTERED : boolean := false
    );
    port (
        clk, rst   : in  std_logic;
        wr_en      : in  std_logic;
        wr_data    : in  std_logic_vector(WIDTH - 1 downto 0);
        rd_en      : in  std_logic;
        rd_data    : out std_logic_vector(WIDTH - 1 downto 0);
        full       : out std_logic;
        empty      : out std_logic;
        level      : out unsigned(DEPTH_LOG2 downto 0)
    );
end fifo;

architecture rtl of fifo is
    type mem_t is array (0 to 2 ** DEPTH_LOG2 - 1) of std_logic_vector(WIDTH - 1 downto 0);
    signal mem            : mem_t;
    signal wr_ptr, rd_ptr : unsigned(DEPTH_LOG2 - 1 downto 0) := (others => '0');
    signal count          : unsigned(DEPTH_LOG2 downto 0) := (others => '0');
    signal data_out       : std_logic_vector(WIDTH - 1 downto 0);

    component dff_bank
        generic (N : positive := 4);
        port (
            clk : in  std_logic;
            en  : in  std_logic;
            d   : in  std_logic_vector(N - 1 downto 0);
            q   : out std_logic_vector(N - 1 downto 0)
        );
    end component;
begin
    write_side : process (clk)
    begin
        if rising_edge(clk) then
            if rst = '1' then
                wr_ptr <= (others => '0');
            elsif wr_en = '1' and count /= 2 ** DEPTH_LOG2 then
                mem(to_integer(wr_ptr)) <= wr_data;
                wr_ptr <= wr_ptr + 1;
            end if;
        end if;
    end process;

    read_side : process (clk)
    begin
        if rising_edge(clk) then
            if rst = '1' then
                rd_ptr <= (others => '0');
            elsif rd_en = '1' and count /= 0 then
                rd_ptr <= rd_ptr + 1;
            end if;
        end if;
    end process;

    counting : process (clk)
        variable delta : integer range -1 to 1;
    begin
        if rising_edge(clk) then
            delta := 0;
            if wr_en = '1' and count /= 2 ** DEPTH_LOG2 then delta := delta + 1; end if;
            if rd_en = '1' and count /= 0 then delta := delta - 1; end if;
            if rst = '1' then
                count <= (others => '0');
            else
                count <= unsigned(signed(count) + delta);
            end if;
        end if;
    end process;

    data_out <= mem(to_integer(rd_ptr));

    out_reg : if REGISTERED generate
        bank : dff_bank
            generic map (N => WIDTH)
            port map (clk => clk, en => rd_en, d => data_out, q => rd_data);
    end generate out_reg;

    out_comb : if not REGISTERED generate
        rd_data <= data_out;
    end generate;

    full  <= '1' when count = 2 ** DEPTH_LOG2 else '0';
    empty <= '1' when count = 0 else '0';
    level <= count;
end rtl;

library ieee;
use ieee.std_logic_1164.all;

entity fifo_pair is
    port (clk, rst : in std_logic;
          din      : in std_logic_vector(7 downto 0);
          push     : in std_logic;
          pop      : in std_logic;
          dout     : out std_logic_vector(7 downto 0));
end entity;

architecture structure of fifo_pair is
    signal mid       : std_logic_vector(7 downto 0);
    signal mid_empty : std_logic;
    signal mid_full  : std_logic;
    signal not_empty : std_logic;
begin
    not_empty <= not mid_empty;
    first : entity work.fifo(rtl)
        generic map (DEPTH_LOG2 => 2, WIDTH => 8)
        port map (clk => clk, rst => rst, wr_en => push, wr_data => din, rd_en => not_empty,
                  rd_data => mid, full => mid_full, empty => mid_empty, level => open);
    second : entity work.fifo
        generic map (2, 8, true)
        port map (clk, rst, not_empty, mid, pop, dout, open, open, open);
end architecture structure;

configuration fifo_cfg of fifo is
    for rtl
        for out_reg
            for bank : dff_bank
                use entity work.dff_bank(rtl)
                    generic map (N => WIDTH);
            end for;
        end for;
    end for;
end configuration fifo_cfg;
