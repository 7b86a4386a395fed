-- Less common VHDL-87 constructs: resolved and guarded signals, blocks with their own
-- interfaces, files, physical types, based literals and configurations.
PACKAGE util87 IS
  TYPE distance IS RANGE 0 TO 1000000
    UNITS
      um;
      mm = 1000 um;
      m  = 1000 mm;
    END UNITS;
  TYPE bit_array IS ARRAY (NATURAL RANGE <>) OF BIT;
  FUNCTION resolve_or (v : bit_array) RETURN BIT;
  SUBTYPE wired_or IS resolve_or BIT;
  TYPE wired_vector IS ARRAY (NATURAL RANGE <>) OF wired_or;
  CONSTANT mask : BIT_VECTOR (15 DOWNTO 0) := X"F0_0F";
  CONSTANT limit : INTEGER := 16#FF#;
  CONSTANT scale : REAL := 2#1.1#E1;
  CONSTANT octal : BIT_VECTOR := O"777";
  CONSTANT ones : BIT_VECTOR := B"1111_0000";
END util87;

PACKAGE BODY util87 IS
  FUNCTION resolve_or (v : bit_array) RETURN BIT IS
  BEGIN
    FOR i IN v'RANGE LOOP
      IF v (i) = '1' THEN
        RETURN '1';
      END IF;
    END LOOP;
    RETURN '0';
  END resolve_or;
END util87;

USE work.util87.ALL;

ENTITY shared_bus IS
  GENERIC (n : POSITIVE := 4);
  PORT (sel   : IN INTEGER RANGE 0 TO 3;
        req   : IN BIT_VECTOR (0 TO 3);
        line  : INOUT wired_or BUS;
        ack   : OUT BIT_VECTOR (3 DOWNTO 0);
        spare : LINKAGE BIT);
END shared_bus;

ARCHITECTURE guarded_style OF shared_bus IS
  SIGNAL driven : wired_or BUS;
  SIGNAL held   : wired_or REGISTER;
BEGIN
  drive : BLOCK (sel = 0)
    PORT (r : IN BIT; o : OUT wired_or BUS);
    PORT MAP (r => req (0), o => driven);
  BEGIN
    o <= GUARDED r AFTER 1 ns;
  END BLOCK drive;

  hold : BLOCK (req (1) = '1')
  BEGIN
    held <= GUARDED TRANSPORT '1' AFTER 3 ns, '0' AFTER 5 ns;
  END BLOCK hold;

  connect : BLOCK (sel = 1)
  BEGIN
    line <= GUARDED driven;
  END BLOCK connect;

  WITH sel SELECT
    ack <= "0001" WHEN 0,
           "0010" WHEN 1,
           "0100" WHEN 2,
           "1000" WHEN OTHERS;

  ASSERT n > 0 REPORT "n must be positive" SEVERITY FAILURE;
END guarded_style;

USE work.util87.ALL;

ENTITY logger IS
END logger;

ARCHITECTURE files OF logger IS
BEGIN
  PROCESS
    TYPE int_file IS FILE OF INTEGER;
    FILE results : int_file IS OUT "results.dat";
    VARIABLE length : distance := 3 mm + 200 um;
    VARIABLE count  : INTEGER := 0;
  BEGIN
    WHILE count < 10 LOOP
      count := count + 1;
      NEXT WHEN count = 3;
      EXIT WHEN count = 8;
      WRITE (results, count);
    END LOOP;
    WAIT FOR 10 ns;
    WAIT UNTIL count = 0 FOR 1 ns;
    WAIT;
  END PROCESS;
END files;

CONFIGURATION logger_cfg OF logger IS
  FOR files
  END FOR;
END logger_cfg;
