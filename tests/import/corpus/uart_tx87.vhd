-- UART transmitter written to VHDL-87: no "end entity", no rising_edge, plain bits.
ENTITY uart_tx IS
  GENERIC (Bit_Time : TIME := 104 us;
           Data_Bits : INTEGER := 8;
           Parity_On : BOOLEAN := FALSE);
  PORT (Clk      : IN  BIT;
        Reset    : IN  BIT;
        Start    : IN  BIT;
        Data     : IN  BIT_VECTOR (7 DOWNTO 0);
        Tx       : OUT BIT;
        Busy     : BUFFER BIT);
END uart_tx;

ARCHITECTURE fsm OF uart_tx IS
  TYPE State_Type IS (Idle, Start_Bit, Data_Bit, Parity_Bit, Stop_Bit);
  SIGNAL State    : State_Type;
  SIGNAL Shift    : BIT_VECTOR (7 DOWNTO 0);
  SIGNAL Bit_Cnt  : INTEGER RANGE 0 TO 7;
  SIGNAL Par      : BIT;
  ALIAS Lsb : BIT IS Shift (0);
  ATTRIBUTE Encoding : STRING;
  ATTRIBUTE Encoding OF State_Type : TYPE IS "one-hot";
BEGIN
  Seq : PROCESS
  BEGIN
    WAIT UNTIL Clk'EVENT AND Clk = '1';
    IF Reset = '1' THEN
      State <= Idle;
      Tx <= '1';
      Busy <= '0';
    ELSE
      CASE State IS
        WHEN Idle =>
          IF Start = '1' THEN
            Shift <= Data;
            Par <= '0';
            Busy <= '1';
            State <= Start_Bit;
          END IF;
        WHEN Start_Bit =>
          Tx <= '0';
          Bit_Cnt <= 0;
          State <= Data_Bit;
        WHEN Data_Bit =>
          Tx <= Lsb;
          Par <= Par XOR Lsb;
          Shift <= '0' & Shift (7 DOWNTO 1);
          IF Bit_Cnt = Data_Bits - 1 THEN
            IF Parity_On THEN
              State <= Parity_Bit;
            ELSE
              State <= Stop_Bit;
            END IF;
          ELSE
            Bit_Cnt <= Bit_Cnt + 1;
          END IF;
        WHEN Parity_Bit =>
          Tx <= Par;
          State <= Stop_Bit;
        WHEN Stop_Bit =>
          Tx <= '1';
          Busy <= '0';
          State <= Idle;
      END CASE;
    END IF;
  END PROCESS Seq;
END fsm;
