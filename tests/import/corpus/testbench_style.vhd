--------------------------------------------------------------------------------
-- Testbench style: textio, procedures inside processes, a clock generator,
-- comments after every token, odd spacing and UPPER/lower/Mixed case.
--------------------------------------------------------------------------------
LIBRARY ieee ;                      -- the IEEE library
USE     ieee.std_logic_1164.ALL ;   -- std_logic
USE     ieee.numeric_std.all;
library STD; use std.textio.all;

Entity   Edge_Detect   Is   -- detects rising edges
   Generic ( Sync_Stages : Positive := 2 ) ;   -- synchroniser depth
   Port (   Clk    : In    Std_Logic ;         -- clock
            Sig    : In    Std_Logic ;         -- asynchronous input
            Pulse  : Out   Std_Logic           -- one clock wide
        ) ;
End   Edge_Detect ;

Architecture Rtl Of Edge_Detect Is
   Signal Sync : Std_Logic_Vector ( Sync_Stages Downto 0 ) := ( Others => '0' ) ;
Begin
   Shift : Process ( Clk )
   Begin
      If Rising_Edge ( Clk ) Then
         Sync <= Sync ( Sync_Stages - 1 Downto 0 ) & Sig ;
      End If ;
   End Process Shift ;
   Pulse <= Sync ( Sync_Stages - 1 ) And Not Sync ( Sync_Stages ) ;
End Rtl ;

library ieee;
use ieee.std_logic_1164.all;
use std.textio.all;

entity tb_edge_detect is
end tb_edge_detect;

architecture sim of tb_edge_detect is
    constant PERIOD : time := 20 ns;
    signal clk     : std_logic := '0';
    signal sig     : std_logic := '0';
    signal pulse   : std_logic;
    signal done    : boolean := false;

    component edge_detect
        generic ( sync_stages : positive := 2 );
        port ( clk : in std_logic; sig : in std_logic; pulse : out std_logic );
    end component;
    for dut : edge_detect use entity work.edge_detect(rtl);
begin
    clk <= not clk after PERIOD / 2 when not done else '0';

    dut : edge_detect
        generic map ( sync_stages => 3 )
        port map ( clk => clk, sig => sig, pulse => pulse );

    stimulus : process
        variable l     : line;
        variable seen  : natural := 0;

        procedure wait_cycles (n : in natural) is
        begin
            for i in 1 to n loop
                wait until rising_edge(clk);
                if pulse = '1' then
                    seen := seen + 1;
                end if;
            end loop;
        end procedure wait_cycles;
    begin
        sig <= '0';
        wait_cycles(5);
        sig <= '1';
        wait_cycles(10);
        write(l, string'("pulses seen: "));
        write(l, seen);
        writeline(output, l);
        assert seen = 1
            report "expected exactly one pulse"
            severity error;
        done <= true;
        wait;
    end process stimulus;
end sim;
