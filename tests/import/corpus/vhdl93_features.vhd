-- VHDL-93 additions: pure and impure functions, shared variables, groups, postponed
-- processes, report statements, shifts, xnor, unaffected, reject, labels everywhere.
package Misc93 is
    type Counter_Rec is record
        Value : integer;
    end record;
    function Next_Value (constant x : integer) return integer;
    impure function Now_Ns return integer;
    group Pin_Pair is (signal, signal);
    attribute Max_Delay : time;
    alias Int is integer;
end package Misc93;

package body Misc93 is
    pure function Next_Value (constant x : integer) return integer is
    begin
        return x + 1;
    end function Next_Value;

    impure function Now_Ns return integer is
    begin
        return now / 1 ns;
    end function;
end package body;

use work.Misc93.all;

entity Shifter is
    generic (Amount : natural := 1; Name : string := "shifter"; Strict : boolean := true);
    port (
        Din   : in  bit_vector(7 downto 0);   -- input word
        Mode  : in  bit_vector(1 downto 0);
        Dout  : out bit_vector(7 downto 0);
        Match : out bit
    );
begin
    assert Amount < 8 report "shift too far" severity error;
end entity Shifter;

architecture Behav of Shifter is
    signal Shifted : bit_vector(7 downto 0);
    signal a, b    : bit;
    group Ab : Pin_Pair (a, b);
    attribute Max_Delay of Shifted : signal is 5 ns;
    shared variable Calls : integer := 0;
begin
    with Mode select
        Shifted <= Din sll Amount when "00",
                   Din srl Amount when "01",
                   Din rol Amount when "10",
                   Din ror Amount when others;

    Dout <= reject 1 ns inertial Shifted after 2 ns;
    a <= Din(0) xnor Din(1);
    b <= unaffected when Mode = "11" else Din(7) xor Din(6);

    Check : postponed process (Shifted) is
        variable Seen : integer := 0;
    begin
        Calls := Calls + 1;
        Count : if Shifted = Din then
            Seen := Seen + 1;
        end if Count;
        Sel : case Mode is
            when "00" | "01" => null;
            when others => report "rotate" & Name severity note;
        end case Sel;
        Walk : for i in Shifted'range loop
            next Walk when Shifted(i) = '0';
            exit Walk;
        end loop Walk;
    end process Check;

    postponed assert Shifted'length = 8;

    Match <= '1' when Shifted = Din else '0';

    Gen : for i in 0 to 1 generate
        signal Local : bit;
    begin
        Local <= Din(i);
    end generate Gen;

    Blk : block is
        constant K : integer := Next_Value(1);
    begin
    end block Blk;
end architecture Behav;
