
LIBRARY ieee ;
USE work.globals.ALL ;
USE ieee.std_logic_1164.ALL ;
USE ieee.numeric_std.ALL ;
USE IEEE.math_real.ALL ;
