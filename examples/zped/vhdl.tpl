; VHDL templates for zped. A header "[name(parameter, ...)]" starts a template; the lines after
; it, up to the next header, are its text (blank lines included), in which $1$ .. $5$ stand for
; the parameters.
[entity(name)]
library ieee;
use ieee.std_logic_1164.all;

entity $1$ is
    port (
        clk   : in  std_logic;
        reset : in  std_logic
    );
end $1$;
[architecture(name, entity)]
architecture $1$ of $2$ is
begin

end $1$;
[process(clock)]
process ($1$)
begin
    if rising_edge($1$) then

    end if;
end process;
[process_reset(clock, reset)]
process ($1$, $2$)
begin
    if $2$ = '1' then

    elsif rising_edge($1$) then

    end if;
end process;
[process_comb(signals)]
process ($1$)
begin

end process;
[case(selector)]
case $1$ is
    when others =>
        null;
end case;
[component(name)]
component $1$
    port (
        clk   : in  std_logic;
        reset : in  std_logic
    );
end component;
[instance(label, component)]
$1$ : $2$
    port map (
        clk   => clk,
        reset => reset
    );
[if(condition)]
if $1$ then

else

end if;
