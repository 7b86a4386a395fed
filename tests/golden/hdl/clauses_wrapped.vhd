
LIBRARY ieee, arithmetic_units_lib, bus_interfaces_lib
  , clock_generation_lib, dma_engines_lib, ethernet_mac_lib, fifo_buffers_lib
  , gpio_blocks_lib, hash_units_lib ;
USE work.globals.ALL ;
USE ieee.std_logic_1164.ALL ;
USE arithmetic_units_lib.pkg.ALL ;
USE bus_interfaces_lib.pkg.ALL ;
USE clock_generation_lib.pkg.ALL ;
USE dma_engines_lib.pkg.ALL ;
USE ethernet_mac_lib.pkg.ALL ;
USE fifo_buffers_lib.pkg.ALL ;
USE gpio_blocks_lib.pkg.ALL ;
USE hash_units_lib.pkg.ALL ;
