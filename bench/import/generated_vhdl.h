// A large VHDL file for the import benchmark: many entities in the styles of the test corpus
// (generics, vectors, processes with if and case, generate statements, instances of earlier
// entities), about 40 lines and 850 bytes per entity.
#pragma once

#include <string>

namespace zeph::bench {

inline std::string generated_vhdl(int entities) {
    std::string text = "library ieee;\nuse ieee.std_logic_1164.all;\nuse ieee.numeric_std.all;\n\n";
    for (int i = 0; i < entities; ++i) {
        std::string n = std::to_string(i);
        text += "library ieee;\nuse ieee.std_logic_1164.all;\nuse ieee.numeric_std.all;\n"
                "-- unit " +
                n +
                "\n"
                "entity unit" +
                n +
                " is\n"
                "  generic (W : natural := 8; D : time := 1 ns);\n"
                "  port (clk, rst : in std_logic;\n"
                "        a, b : in std_logic_vector(W - 1 downto 0);\n"
                "        sel : in std_logic_vector(1 downto 0);\n"
                "        y : out std_logic_vector(W - 1 downto 0);\n"
                "        v : out std_logic);\n"
                "end unit" +
                n +
                ";\n"
                "architecture rtl of unit" +
                n +
                " is\n"
                "  signal r : unsigned(W - 1 downto 0);\n"
                "  signal s : std_logic_vector(W - 1 downto 0);\n"
                "begin\n"
                "  main : process (clk, rst)\n"
                "  begin\n"
                "    if rst = '1' then\n"
                "      r <= (others => '0');\n"
                "    elsif rising_edge(clk) then\n"
                "      case sel is\n"
                "        when \"00\" => r <= unsigned(a) + unsigned(b);\n"
                "        when \"01\" => r <= unsigned(a) - unsigned(b);\n"
                "        when \"10\" => r <= unsigned(a and b);\n"
                "        when others => r <= shift_left(r, 1);\n"
                "      end case;\n"
                "    end if;\n"
                "  end process main;\n"
                "  bits : for i in 0 to W - 1 generate\n"
                "    s(i) <= a(i) xor b(i) after D;\n"
                "  end generate bits;\n"
                "  y <= std_logic_vector(r) when sel /= \"11\" else s;\n"
                "  v <= '1' when r = 0 else '0';\n";
        if (i > 0)
            text += "  prev : entity work.unit" + std::to_string(i - 1) +
                    " generic map (W => W) port map (clk => clk, rst => rst, a => a, b => b,\n"
                    "    sel => sel, y => open, v => open);\n";
        text += "end architecture rtl;\n\n";
    }
    return text;
}

} // namespace zeph::bench
