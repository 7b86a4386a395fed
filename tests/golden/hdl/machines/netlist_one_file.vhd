==> board.vhd <==
---------------------------------------------------------------------------
-- the 'Graphical Systems Design Tool' tool.
--
-- ZEPH/HDL Version 3.0 (Revision 6).
-- Time stamp  : Tue Nov 14 22:13:20 2023.
--
-- Designed by : .
-- Company     : .
-- Design info : .
---------------------------------------------------------------------------

---------------------------------------------------------------------------
-- Entity declaration of 'stepper'.
---------------------------------------------------------------------------

entity stepper is
  port(
    clk : in     Bit ; -- Clock
    a   : in     Bit ;
    y   : out    Bit ) ;
end entity stepper ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'stepper'
---------------------------------------------------------------------------

architecture fsm of stepper is


  attribute syn_state_machine : boolean;

-- State Machine Options:
--   State assignment      : Enumerate.
--   State decoding        : Case construct.
--   Actions on transitions: Combinational.
--   Actions on states     : Combinational.

  type state_type is (low, high) ;
  signal cur_state  : state_type ;  -- Current State
  signal next_state : state_type ;  -- Next State

  attribute syn_state_machine of cur_state : signal is true ;

begin

  next_state_decoding: process (cur_state, clk, a) is
  begin 
    next_state <= cur_state ;
    case cur_state is
      when low =>
        if (a = '1') then
          next_state <= high ;
        end if ;
      when high =>
        if (a = '0') then
          next_state <= low ;
        end if ;
    end case ;
  end process next_state_decoding ;

  state_transition: process (clk) is
  begin  -- State transition
    if (clk'event and (clk = '1')) then
      cur_state <= next_state ;
    end if ; -- Clock
  end process state_transition ;

  state_actions: process (cur_state, clk, a) is
  begin  -- Combinational 
    case cur_state is
      when low =>
        y <= '0' ;
      when high =>
        y <= '1' ;
    end case ;
  end process state_actions ;
end architecture fsm ; -- of stepper

---------------------------------------------------------------------------
-- Entity declaration of 'board'.
---------------------------------------------------------------------------

entity board is
  port(
    clk : in     Bit ;
    a   : in     Bit ;
    y   : out    Bit ;
    z   : out    Bit ;
    w   : out    Bit ) ;
end entity board ;

---------------------------------------------------------------------------
 -- Architecture 'structure' of 'board'
---------------------------------------------------------------------------

architecture structure of board is


  attribute syn_state_machine : boolean;

-- State Machine Options of process seq:
--   State assignment      : Binary.
--   State decoding        : Case construct.
--   Actions on transitions: Combinational.
--   Actions on states     : Comb.(in 1 Process).

  constant s0 : Bit_Vector(1 downto 0) := "00" ;
  constant s1 : Bit_Vector(1 downto 0) := "01" ;
  constant s2 : Bit_Vector(1 downto 0) := "10" ;
  signal cur_state : Bit_Vector(1 downto 0) ;  -- Current State
  signal next_state : Bit_Vector(1 downto 0) ;  -- Next State

  attribute syn_state_machine of cur_state : signal is true ;

 component stepper
  port(
    clk : in     Bit ; -- Clock
    a   : in     Bit ;
    y   : out    Bit ) ;
 end component stepper;

begin

 u1: stepper
    port map(
      clk => clk,
      a => a,
      y => y ) ;

  --  State machine of process: seq


  next_state_decoding: process (cur_state, clk, a) is
  begin 
    next_state <= cur_state ;
    z <= '0' ;
    case cur_state is
      when s0 =>
        if (a = '1') then
          next_state <= s1 ;
        end if ;
      when s1 =>
        next_state <= s2 ;
      when s2 =>
        z <= '1' ;
        next_state <= s0 ;
      when others => null ;
        assert False
          report "OTHERS state executed"
          severity Warning ;
    end case ;
  end process next_state_decoding ;

  state_transition: process (clk) is
  begin  -- State transition
    if (clk'event and (clk = '1')) then
      cur_state <= next_state ;
    end if ; -- Clock
  end process state_transition ;


 blink: block is

-- State Machine Options of process blink:
--   State assignment      : One Hot.
--   Actions on transitions: Clocked.
--   Actions on states     : Clocked.

  subtype state_type_b is Bit_Vector(1 downto 0) ;
  constant dark_b : Integer := 0 ; -- "01"
  constant lit_b  : Integer := 1 ; -- "10"
  signal state_b : state_type_b ;  -- Current State

  attribute syn_state_machine of state_b : signal is true ;

  begin

    state_decoding_b: process (clk) is
    begin 
      if (clk'event and (clk = '1')) then
        state_b <= (others => '0') ;
        if state_b(dark_b) = '1' then  -- State: dark
          state_b(lit_b) <= '1' ;
          w <= '1' ;
        end if ;
        if state_b(lit_b) = '1' then  -- State: lit
          state_b(dark_b) <= '1' ;
          w <= '0' ;
        end if ;
      end if ; -- Clock
    end process state_decoding_b ;

  end block blink ;

end architecture structure ; -- of board
