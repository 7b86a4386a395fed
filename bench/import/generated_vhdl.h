// A large VHDL file for the import benchmark: many entities in the styles of the test corpus
// (generics, vectors, processes with if and case, generate statements, instances of earlier
// entities): 52 lines and about 1,120 bytes per entity.
#pragma once

#include <string>

namespace zeph::bench {

inline std::string generated_vhdl(int entities) {
    std::string text;
    for (int i = 0; i < entities; ++i) {
        std::string n = std::to_string(i);
        text += "library ieee;\nuse ieee.std_logic_1164.all, ieee.numeric_std.all;\n"
                "-- unit " + n + "\n"
                "entity u" + n + " is\n"
                " generic (W : natural := 8;\n"
                "  D : time := 1 ns);\n"
                " port (clk, rst : in std_logic;\n"
                "  a, b : in std_logic_vector(W-1 downto 0);\n"
                "  s : in std_logic_vector(1 downto 0);\n"
                "  y : out std_logic_vector(W-1 downto 0);\n"
                "  v : out std_logic);\n"
                "end u" + n + ";\n"
                "architecture rtl of u" + n + " is\n"
                " signal r : unsigned(W-1 downto 0);\n"
                " signal x : std_logic_vector(W-1 downto 0);\n"
                "begin\n"
                " p : process (clk, rst)\n"
                " begin\n"
                "  if rst = '1' then\n"
                "   r <= (others => '0');\n"
                "  elsif rising_edge(clk) then\n"
                "   case s is\n"
                "    when \"00\" =>\n"
                "     r <= r + 1;\n"
                "    when \"01\" =>\n"
                "     r <= r - 1;\n"
                "    when \"10\" =>\n"
                "     r <= unsigned(a);\n"
                "    when others =>\n"
                "     r <= shift_left(r, 1);\n"
                "   end case;\n"
                "  end if;\n"
                " end process p;\n"
                " c : process (clk)\n"
                " begin\n"
                "  if rising_edge(clk) then\n"
                "   if s = \"11\" then\n"
                "    null;\n"
                "   end if;\n"
                "  end if;\n"
                " end process c;\n"
                " g : for i in 0 to W-1 generate\n"
                "  x(i) <= a(i) xor b(i) after D;\n"
                " end generate g;\n"
                " y <= std_logic_vector(r) when s /= \"11\"\n"
                "  else x;\n"
                " v <= '1' when r = 0 else '0';\n";
        if (i > 0)
            text += " q : entity work.u" + std::to_string(i - 1) + "\n"
                    "  port map (clk, rst, a, b, s,\n"
                    "   open, open);\n";
        text += "end architecture rtl;\n\n";
    }
    return text;
}

} // namespace zeph::bench
