
Library ieee ;
Use work.globals.ALL ;
Use ieee.std_logic_1164.ALL ;
Use ieee.numeric_std.ALL ;
Use IEEE.math_real.ALL ;
