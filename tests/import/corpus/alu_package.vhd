library IEEE;
use IEEE.STD_LOGIC_1164.ALL;
use IEEE.NUMERIC_STD.ALL;

-- Types, constants and functions shared by the ALU.
package alu_pkg is
    constant DATA_W : integer := 16;
    subtype word_t is std_logic_vector(DATA_W - 1 downto 0);
    type op_t is (OP_ADD, OP_SUB, OP_AND, OP_OR, OP_XOR, OP_SHL, OP_SHR, OP_PASS);
    type flags_t is record
        zero     : std_logic;
        carry    : std_logic;
        negative : std_logic;
    end record flags_t;
    type word_array is array (natural range <>) of word_t;
    constant NO_FLAGS : flags_t := (zero => '0', carry => '0', negative => '0');
    function is_zero (w : word_t) return std_logic;
    function parity (w : std_logic_vector) return std_logic;
    procedure split (signal w : in word_t; variable hi, lo : out std_logic_vector(7 downto 0));
end package alu_pkg;

package body alu_pkg is
    function is_zero (w : word_t) return std_logic is
    begin
        if unsigned(w) = 0 then
            return '1';
        end if;
        return '0';
    end function is_zero;

    function parity (w : std_logic_vector) return std_logic is
        variable p : std_logic := '0';
    begin
        for i in w'range loop
            p := p xor w(i);
        end loop;
        return p;
    end parity;

    procedure split (signal w : in word_t; variable hi, lo : out std_logic_vector(7 downto 0)) is
    begin
        hi := w(15 downto 8);
        lo := w(7 downto 0);
    end procedure;
end package body alu_pkg;

library ieee;
use ieee.std_logic_1164.all;
use ieee.numeric_std.all;
use work.alu_pkg.all;

entity alu is
    generic (SIGNED_OPS : boolean := true);
    port (
        a, b   : in  word_t;
        op     : in  op_t;
        y      : out word_t;
        flags  : out flags_t
    );
end alu;

architecture behaviour of alu is
    signal result : unsigned(DATA_W downto 0);
begin
    compute : process (a, b, op)
        variable sa, sb : unsigned(DATA_W downto 0);
    begin
        sa := '0' & unsigned(a);
        sb := '0' & unsigned(b);
        case op is
            when OP_ADD  => result <= sa + sb;
            when OP_SUB  => result <= sa - sb;
            when OP_AND  => result <= sa and sb;
            when OP_OR   => result <= sa or sb;
            when OP_XOR  => result <= sa xor sb;
            when OP_SHL  => result <= shift_left(sa, 1);
            when OP_SHR  => result <= shift_right(sa, 1);
            when others  => result <= sa;
        end case;
    end process compute;

    y <= std_logic_vector(result(DATA_W - 1 downto 0));
    flags.zero     <= is_zero(std_logic_vector(result(DATA_W - 1 downto 0)));
    flags.carry    <= result(DATA_W);
    flags.negative <= result(DATA_W - 1) when SIGNED_OPS else '0';
end behaviour;
