
---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_0'.
---------------------------------------------------------------------------

entity ctrl_0 is
  port(
    clk   : in     Bit ; -- Clock
    rst   : in     Bit ; -- Reset
    go    : in     Bit ;
    abort : in     Bit ;
    o     : out    Bit_Vector(1 downto 0) ;
    busy  : out    Bit ;
    p     : out    Bit ;
    r     : out    Bit ) ;
end entity ctrl_0 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_0'
---------------------------------------------------------------------------

architecture fsm of ctrl_0 is


-- State Machine Options:
--   State assignment      : Gray code.
--   State decoding        : Case construct.
--   Actions on transitions: Combinational.
--   Actions on states     : Combinational.

  constant idle : Bit_Vector(1 downto 0) := "00" ;
  constant run  : Bit_Vector(1 downto 0) := "01" ;
  constant done : Bit_Vector(1 downto 0) := "11" ;
  constant hold : Bit_Vector(1 downto 0) := "10" ;
  signal cur_state : Bit_Vector(1 downto 0) ;  -- Current State
  signal next_state : Bit_Vector(1 downto 0) ;  -- Next State

begin

  next_state_decoding: process (cur_state, clk, rst, go, abort) is
  begin 
    next_state <= cur_state ;
    -- quiet:
    p <= '0' ;
    if ( -- abort:
        abort = '1'
       ) then
      next_state <= idle ;
    else
      case cur_state is
        when idle =>
          if (go = '1') then
            next_state <= run ;
            -- pulse:
            p <= '1' ;
          end if ;
        when run =>
          if ( -- finish:
              go = '0' AND
              abort = '0'
             ) then
            next_state <= done ;
          end if ;
        when done =>
          next_state <= hold ;
        when hold =>
          null ;
        when others => null ;
          assert False
            report "OTHERS state executed"
            severity Warning ;
      end case ;
    end if ; -- Global transition
  end process next_state_decoding ;

  state_transition: process (clk, rst) is
  begin  -- State transition
    if ( -- reset:
        rst='1'
       ) then
      cur_state <= idle ;
      -- mark:
      r <= '1' ;
    elsif (clk'event and (clk = '1')) then
      cur_state <= next_state ;
    end if ; -- Reset & Clock
  end process state_transition ;

  state_actions: process (cur_state, clk, rst, go, abort) is
  begin  -- Combinational 
    busy <= '0' ;
    case cur_state is
      when idle =>
        -- o_idle:
        o <= "00" ;
      when run =>
        -- o_run:
        o <= "01" ;
        busy <= '1' ;
      when done =>
        -- o_done:
        o <= "10" ;
      when others => null ;
    end case ;
  end process state_actions ;
end architecture fsm ; -- of ctrl_0

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_1'.
---------------------------------------------------------------------------

entity ctrl_1 is
  port(
    clk   : in     Bit ; -- Clock
    rst   : in     Bit ; -- Reset
    go    : in     Bit ;
    abort : in     Bit ;
    o     : out    Bit_Vector(1 downto 0) ;
    busy  : out    Bit ;
    p     : out    Bit ;
    r     : out    Bit ) ;
end entity ctrl_1 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_1'
---------------------------------------------------------------------------

architecture fsm of ctrl_1 is


-- State Machine Options:
--   State assignment      : Gray code.
--   State decoding        : Case construct.
--   Actions on transitions: Combinational.
--   Actions on states     : Clocked.

  constant idle : Bit_Vector(1 downto 0) := "00" ;
  constant run  : Bit_Vector(1 downto 0) := "01" ;
  constant done : Bit_Vector(1 downto 0) := "11" ;
  constant hold : Bit_Vector(1 downto 0) := "10" ;
  signal cur_state : Bit_Vector(1 downto 0) ;  -- Current State
  signal next_state : Bit_Vector(1 downto 0) ;  -- Next State

begin

  next_state_decoding: process (cur_state, clk, rst, go, abort) is
  begin 
    next_state <= cur_state ;
    -- quiet:
    p <= '0' ;
    if ( -- abort:
        abort = '1'
       ) then
      next_state <= idle ;
    else
      case cur_state is
        when idle =>
          if (go = '1') then
            next_state <= run ;
            -- pulse:
            p <= '1' ;
          end if ;
        when run =>
          if ( -- finish:
              go = '0' AND
              abort = '0'
             ) then
            next_state <= done ;
          end if ;
        when done =>
          next_state <= hold ;
        when hold =>
          null ;
        when others => null ;
          assert False
            report "OTHERS state executed"
            severity Warning ;
      end case ;
    end if ; -- Global transition
  end process next_state_decoding ;

  state_transition: process (clk, rst) is
  begin  -- State transition
    if ( -- reset:
        rst='1'
       ) then
      cur_state <= idle ;
      -- mark:
      r <= '1' ;
    elsif (clk'event and (clk = '0')) then
      cur_state <= next_state ;
      busy <= '0' ;
      case next_state is
        when idle =>
          -- o_idle:
          o <= "00" ;
        when run =>
          -- o_run:
          o <= "01" ;
          busy <= '1' ;
        when done =>
          -- o_done:
          o <= "10" ;
        when others => null ;
      end case ;
    end if ; -- Reset & Clock
  end process state_transition ;
end architecture fsm ; -- of ctrl_1

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_2'.
---------------------------------------------------------------------------

entity ctrl_2 is
  port(
    clk   : in     Bit ; -- Clock
    rst   : in     Bit ; -- Reset
    go    : in     Bit ;
    abort : in     Bit ;
    o     : out    Bit_Vector(1 downto 0) ;
    busy  : out    Bit ;
    p     : out    Bit ;
    r     : out    Bit ) ;
end entity ctrl_2 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_2'
---------------------------------------------------------------------------

architecture fsm of ctrl_2 is


-- State Machine Options:
--   State assignment      : Gray code.
--   State decoding        : Case construct.
--   Actions on transitions: Combinational.
--   Actions on states     : Comb.(in 1 Process).

  constant idle : Bit_Vector(1 downto 0) := "00" ;
  constant run  : Bit_Vector(1 downto 0) := "01" ;
  constant done : Bit_Vector(1 downto 0) := "11" ;
  constant hold : Bit_Vector(1 downto 0) := "10" ;
  signal cur_state : Bit_Vector(1 downto 0) ;  -- Current State
  signal next_state : Bit_Vector(1 downto 0) ;  -- Next State

begin

  next_state_decoding: process (cur_state, clk, rst, go, abort) is
  begin 
    next_state <= cur_state ;
    busy <= '0' ;
    -- quiet:
    p <= '0' ;
    case cur_state is
      when idle =>
        -- o_idle:
        o <= "00" ;
        if ( -- abort:
            abort = '1'
           ) then
          next_state <= idle ;
        elsif (go = '1') then
          next_state <= run ;
          -- pulse:
          p <= '1' ;
        end if ;
      when run =>
        -- o_run:
        o <= "01" ;
        busy <= '1' ;
        if ( -- abort:
            abort = '1'
           ) then
          next_state <= idle ;
        elsif ( -- finish:
               go = '0' AND
               abort = '0'
              ) then
          next_state <= done ;
        end if ;
      when done =>
        -- o_done:
        o <= "10" ;
        if ( -- abort:
            abort = '1'
           ) then
          next_state <= idle ;
        else
          next_state <= hold ;
        end if ;
      when hold =>
        if ( -- abort:
            abort = '1'
           ) then
          next_state <= idle ;
        end if ;
      when others =>
        if ( -- abort:
            abort = '1'
           ) then
          next_state <= idle ;
        else
          null ; -- No REST state defined
        end if ;
        assert False
          report "REST state executed"
          severity Warning ;
    end case ;
  end process next_state_decoding ;

  state_transition: process (clk, rst) is
  begin  -- State transition
    if ( -- reset:
        rst='1'
       ) then
      cur_state <= idle ;
      -- mark:
      r <= '1' ;
    elsif (clk'event and (clk = '1')) then
      cur_state <= next_state ;
    end if ; -- Reset & Clock
  end process state_transition ;
end architecture fsm ; -- of ctrl_2

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_3'.
---------------------------------------------------------------------------

entity ctrl_3 is
  port(
    clk   : in     Bit ; -- Clock
    rst   : in     Bit ; -- Reset
    go    : in     Bit ;
    abort : in     Bit ;
    o     : out    Bit_Vector(1 downto 0) ;
    busy  : out    Bit ;
    p     : out    Bit ;
    r     : out    Bit ) ;
end entity ctrl_3 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_3'
---------------------------------------------------------------------------

architecture fsm of ctrl_3 is


-- State Machine Options:
--   State assignment      : Gray code.
--   State decoding        : Case construct.
--   Actions on transitions: Clocked.
--   Actions on states     : Combinational.

  constant idle : Bit_Vector(1 downto 0) := "00" ;
  constant run  : Bit_Vector(1 downto 0) := "01" ;
  constant done : Bit_Vector(1 downto 0) := "11" ;
  constant hold : Bit_Vector(1 downto 0) := "10" ;
  signal state : Bit_Vector(1 downto 0) ;  -- Current State

begin

  state_decoding: process (clk, rst) is
  begin 
    if ( -- reset:
        rst='1'
       ) then
      state <= idle ;
      -- mark:
      r <= '1' ;
    elsif (clk'event and (clk = '0')) then
      -- quiet:
      p <= '0' ;
      if ( -- abort:
          abort = '1'
         ) then
        state <= idle ;
      else
        case state is
          when idle =>
            if (go = '1') then
              state <= run ;
              -- pulse:
              p <= '1' ;
            end if ;
          when run =>
            if ( -- finish:
                go = '0' AND
                abort = '0'
               ) then
              state <= done ;
            end if ;
          when done =>
            state <= hold ;
          when hold =>
            null ;
          when others => null ;
            assert False
              report "OTHERS state executed"
              severity Warning ;
        end case ;
      end if ; -- Global transition
    end if ; -- Reset & Clock
  end process state_decoding ;

  state_actions: process (state, clk, rst, go, abort) is
  begin  -- Combinational 
    busy <= '0' ;
    case state is
      when idle =>
        -- o_idle:
        o <= "00" ;
      when run =>
        -- o_run:
        o <= "01" ;
        busy <= '1' ;
      when done =>
        -- o_done:
        o <= "10" ;
      when others => null ;
    end case ;
  end process state_actions ;
end architecture fsm ; -- of ctrl_3

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_4'.
---------------------------------------------------------------------------

entity ctrl_4 is
  port(
    clk   : in     Bit ; -- Clock
    rst   : in     Bit ; -- Reset
    go    : in     Bit ;
    abort : in     Bit ;
    o     : out    Bit_Vector(1 downto 0) ;
    busy  : out    Bit ;
    p     : out    Bit ;
    r     : out    Bit ) ;
end entity ctrl_4 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_4'
---------------------------------------------------------------------------

architecture fsm of ctrl_4 is


-- State Machine Options:
--   State assignment      : Gray code.
--   State decoding        : Case construct.
--   Actions on transitions: Clocked.
--   Actions on states     : Clocked.

  constant idle : Bit_Vector(1 downto 0) := "00" ;
  constant run  : Bit_Vector(1 downto 0) := "01" ;
  constant done : Bit_Vector(1 downto 0) := "11" ;
  constant hold : Bit_Vector(1 downto 0) := "10" ;
  signal state : Bit_Vector(1 downto 0) ;  -- Current State

begin

  state_decoding: process (clk, rst) is
  begin 
    if ( -- reset:
        rst='1'
       ) then
      state <= idle ;
      -- mark:
      r <= '1' ;
    elsif (clk'event and (clk = '1')) then
      busy <= '0' ;
      -- quiet:
      p <= '0' ;
      if ( -- abort:
          abort = '1'
         ) then
        state <= idle ;
        -- o_idle:
        o <= "00" ;
      else
        case state is
          when idle =>
            if (go = '1') then
              state <= run ;
              -- pulse:
              p <= '1' ;
              -- o_run:
              o <= "01" ;
              busy <= '1' ;
            end if ;
          when run =>
            if ( -- finish:
                go = '0' AND
                abort = '0'
               ) then
              state <= done ;
              -- o_done:
              o <= "10" ;
            end if ;
          when done =>
            state <= hold ;
          when hold =>
            null ;
          when others => null ;
            assert False
              report "OTHERS state executed"
              severity Warning ;
        end case ;
      end if ; -- Global transition
    end if ; -- Reset & Clock
  end process state_decoding ;
end architecture fsm ; -- of ctrl_4

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_5'.
---------------------------------------------------------------------------

entity ctrl_5 is
  port(
    clk   : in     Bit ; -- Clock
    rst   : in     Bit ; -- Reset
    go    : in     Bit ;
    abort : in     Bit ;
    o     : out    Bit_Vector(1 downto 0) ;
    busy  : out    Bit ;
    p     : out    Bit ;
    r     : out    Bit ) ;
end entity ctrl_5 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_5'
---------------------------------------------------------------------------

architecture fsm of ctrl_5 is


-- State Machine Options:
--   State assignment      : Gray code.
--   State decoding        : Case construct.
--   Actions on transitions: Comb.(in 1 Process).
--   Actions on states     : Combinational.

  constant idle : Bit_Vector(1 downto 0) := "00" ;
  constant run  : Bit_Vector(1 downto 0) := "01" ;
  constant done : Bit_Vector(1 downto 0) := "11" ;
  constant hold : Bit_Vector(1 downto 0) := "10" ;
  signal cur_state : Bit_Vector(1 downto 0) ;  -- Current State
  signal next_state : Bit_Vector(1 downto 0) ;  -- Next State

begin

  next_state_decoding: process (cur_state, clk, rst, go, abort) is
  begin 
    if ( -- reset:
        rst='1'
       ) then
      -- mark:
      r <= '1' ;
    else
      next_state <= cur_state ;
      -- quiet:
      p <= '0' ;
      if ( -- abort:
          abort = '1'
         ) then
        next_state <= idle ;
      else
        case cur_state is
          when idle =>
            if (go = '1') then
              next_state <= run ;
              -- pulse:
              p <= '1' ;
            end if ;
          when run =>
            if ( -- finish:
                go = '0' AND
                abort = '0'
               ) then
              next_state <= done ;
            end if ;
          when done =>
            next_state <= hold ;
          when hold =>
            null ;
          when others => null ;
            assert False
              report "OTHERS state executed"
              severity Warning ;
        end case ;
      end if ; -- Global transition
    end if ; -- Reset
  end process next_state_decoding ;

  state_transition: process (clk, rst) is
  begin  -- State transition
    if ( -- reset:
        rst='1'
       ) then
      cur_state <= idle ;
    elsif (clk'event and (clk = '0')) then
      cur_state <= next_state ;
    end if ; -- Reset & Clock
  end process state_transition ;

  state_actions: process (cur_state, clk, rst, go, abort) is
  begin  -- Combinational 
    busy <= '0' ;
    case cur_state is
      when idle =>
        -- o_idle:
        o <= "00" ;
      when run =>
        -- o_run:
        o <= "01" ;
        busy <= '1' ;
      when done =>
        -- o_done:
        o <= "10" ;
      when others => null ;
    end case ;
  end process state_actions ;
end architecture fsm ; -- of ctrl_5

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_6'.
---------------------------------------------------------------------------

entity ctrl_6 is
  port(
    clk   : in     Bit ; -- Clock
    rst   : in     Bit ; -- Reset
    go    : in     Bit ;
    abort : in     Bit ;
    o     : out    Bit_Vector(1 downto 0) ;
    busy  : out    Bit ;
    p     : out    Bit ;
    r     : out    Bit ) ;
end entity ctrl_6 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_6'
---------------------------------------------------------------------------

architecture fsm of ctrl_6 is


-- State Machine Options:
--   State assignment      : Gray code.
--   State decoding        : Case construct.
--   Actions on transitions: Comb.(in 1 Process).
--   Actions on states     : Clocked.

  constant idle : Bit_Vector(1 downto 0) := "00" ;
  constant run  : Bit_Vector(1 downto 0) := "01" ;
  constant done : Bit_Vector(1 downto 0) := "11" ;
  constant hold : Bit_Vector(1 downto 0) := "10" ;
  signal cur_state : Bit_Vector(1 downto 0) ;  -- Current State
  signal next_state : Bit_Vector(1 downto 0) ;  -- Next State

begin

  next_state_decoding: process (cur_state, clk, rst, go, abort) is
  begin 
    if ( -- reset:
        rst='1'
       ) then
      -- mark:
      r <= '1' ;
    else
      next_state <= cur_state ;
      -- quiet:
      p <= '0' ;
      if ( -- abort:
          abort = '1'
         ) then
        next_state <= idle ;
      else
        case cur_state is
          when idle =>
            if (go = '1') then
              next_state <= run ;
              -- pulse:
              p <= '1' ;
            end if ;
          when run =>
            if ( -- finish:
                go = '0' AND
                abort = '0'
               ) then
              next_state <= done ;
            end if ;
          when done =>
            next_state <= hold ;
          when hold =>
            null ;
          when others => null ;
            assert False
              report "OTHERS state executed"
              severity Warning ;
        end case ;
      end if ; -- Global transition
    end if ; -- Reset
  end process next_state_decoding ;

  state_transition: process (clk, rst) is
  begin  -- State transition
    if ( -- reset:
        rst='1'
       ) then
      cur_state <= idle ;
    elsif (clk'event and (clk = '1')) then
      cur_state <= next_state ;
      busy <= '0' ;
      case next_state is
        when idle =>
          -- o_idle:
          o <= "00" ;
        when run =>
          -- o_run:
          o <= "01" ;
          busy <= '1' ;
        when done =>
          -- o_done:
          o <= "10" ;
        when others => null ;
      end case ;
    end if ; -- Reset & Clock
  end process state_transition ;
end architecture fsm ; -- of ctrl_6

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_7'.
---------------------------------------------------------------------------

entity ctrl_7 is
  port(
    clk   : in     Bit ; -- Clock
    rst   : in     Bit ; -- Reset
    go    : in     Bit ;
    abort : in     Bit ;
    o     : out    Bit_Vector(1 downto 0) ;
    busy  : out    Bit ;
    p     : out    Bit ;
    r     : out    Bit ) ;
end entity ctrl_7 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_7'
---------------------------------------------------------------------------

architecture fsm of ctrl_7 is


-- State Machine Options:
--   State assignment      : Gray code.
--   State decoding        : Case construct.
--   Actions on transitions: Comb.(in 1 Process).
--   Actions on states     : Comb.(in 1 Process).

  constant idle : Bit_Vector(1 downto 0) := "00" ;
  constant run  : Bit_Vector(1 downto 0) := "01" ;
  constant done : Bit_Vector(1 downto 0) := "11" ;
  constant hold : Bit_Vector(1 downto 0) := "10" ;
  signal cur_state : Bit_Vector(1 downto 0) ;  -- Current State
  signal next_state : Bit_Vector(1 downto 0) ;  -- Next State

begin

  next_state_decoding: process (cur_state, clk, rst, go, abort) is
  begin 
    next_state <= cur_state ;
    busy <= '0' ;
    -- quiet:
    p <= '0' ;
    case cur_state is
      when idle =>
        -- o_idle:
        o <= "00" ;
        if ( -- reset:
            rst='1'
           ) then
          -- mark:
          r <= '1' ;
        elsif ( -- abort:
               abort = '1'
              ) then
          next_state <= idle ;
        elsif (go = '1') then
          next_state <= run ;
          -- pulse:
          p <= '1' ;
        end if ;
      when run =>
        -- o_run:
        o <= "01" ;
        busy <= '1' ;
        if ( -- reset:
            rst='1'
           ) then
          -- mark:
          r <= '1' ;
        elsif ( -- abort:
               abort = '1'
              ) then
          next_state <= idle ;
        elsif ( -- finish:
               go = '0' AND
               abort = '0'
              ) then
          next_state <= done ;
        end if ;
      when done =>
        -- o_done:
        o <= "10" ;
        if ( -- reset:
            rst='1'
           ) then
          -- mark:
          r <= '1' ;
        elsif ( -- abort:
               abort = '1'
              ) then
          next_state <= idle ;
        else
          next_state <= hold ;
        end if ;
      when hold =>
        if ( -- reset:
            rst='1'
           ) then
          -- mark:
          r <= '1' ;
        elsif ( -- abort:
               abort = '1'
              ) then
          next_state <= idle ;
        end if ;
      when others =>
        if ( -- reset:
            rst='1'
           ) then
          -- mark:
          r <= '1' ;
        elsif ( -- abort:
               abort = '1'
              ) then
          next_state <= idle ;
        else
          null ; -- No REST state defined
        end if ;
        assert False
          report "REST state executed"
          severity Warning ;
    end case ;
  end process next_state_decoding ;

  state_transition: process (clk, rst) is
  begin  -- State transition
    if ( -- reset:
        rst='1'
       ) then
      cur_state <= idle ;
    elsif (clk'event and (clk = '0')) then
      cur_state <= next_state ;
    end if ; -- Reset & Clock
  end process state_transition ;
end architecture fsm ; -- of ctrl_7

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_8'.
---------------------------------------------------------------------------

entity ctrl_8 is
  port(
    clk   : in     Bit ; -- Clock
    rst   : in     Bit ; -- Reset
    go    : in     Bit ;
    abort : in     Bit ;
    o     : out    Bit_Vector(1 downto 0) ;
    busy  : out    Bit ;
    p     : out    Bit ;
    r     : out    Bit ) ;
end entity ctrl_8 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_8'
---------------------------------------------------------------------------

architecture fsm of ctrl_8 is


-- State Machine Options:
--   State assignment      : Gray code.
--   State decoding        : If-else construct.
--   Actions on transitions: Combinational.
--   Actions on states     : Combinational.

  constant idle : Bit_Vector(1 downto 0) := "00" ;
  constant run  : Bit_Vector(1 downto 0) := "01" ;
  constant done : Bit_Vector(1 downto 0) := "11" ;
  constant hold : Bit_Vector(1 downto 0) := "10" ;
  signal cur_state : Bit_Vector(1 downto 0) ;  -- Current State
  signal next_state : Bit_Vector(1 downto 0) ;  -- Next State

begin

  next_state_decoding: process (cur_state, clk, rst, go, abort) is
  begin 
    next_state <= cur_state ;
    -- quiet:
    p <= '0' ;
    if ( -- abort:
        abort = '1'
       ) then
      next_state <= idle ;
    else
      if cur_state = idle then
        if (go = '1') then
          next_state <= run ;
          -- pulse:
          p <= '1' ;
        end if ;
      elsif cur_state = run then
        if ( -- finish:
            go = '0' AND
            abort = '0'
           ) then
          next_state <= done ;
        end if ;
      elsif cur_state = done then
        next_state <= hold ;
      elsif cur_state = hold then
        null ;
      end if ;
    end if ; -- Global transition
  end process next_state_decoding ;

  state_transition: process (clk, rst) is
  begin  -- State transition
    if ( -- reset:
        rst='1'
       ) then
      cur_state <= idle ;
      -- mark:
      r <= '1' ;
    elsif (clk'event and (clk = '1')) then
      cur_state <= next_state ;
    end if ; -- Reset & Clock
  end process state_transition ;

  state_actions: process (cur_state, clk, rst, go, abort) is
  begin  -- Combinational 
    busy <= '0' ;
    if cur_state = idle then
      -- o_idle:
      o <= "00" ;
    elsif cur_state = run then
      -- o_run:
      o <= "01" ;
      busy <= '1' ;
    elsif cur_state = done then
      -- o_done:
      o <= "10" ;
    end if ;
  end process state_actions ;
end architecture fsm ; -- of ctrl_8

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_9'.
---------------------------------------------------------------------------

entity ctrl_9 is
  port(
    clk   : in     Bit ; -- Clock
    rst   : in     Bit ; -- Reset
    go    : in     Bit ;
    abort : in     Bit ;
    o     : out    Bit_Vector(1 downto 0) ;
    busy  : out    Bit ;
    p     : out    Bit ;
    r     : out    Bit ) ;
end entity ctrl_9 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_9'
---------------------------------------------------------------------------

architecture fsm of ctrl_9 is


-- State Machine Options:
--   State assignment      : Gray code.
--   State decoding        : If-else construct.
--   Actions on transitions: Combinational.
--   Actions on states     : Clocked.

  constant idle : Bit_Vector(1 downto 0) := "00" ;
  constant run  : Bit_Vector(1 downto 0) := "01" ;
  constant done : Bit_Vector(1 downto 0) := "11" ;
  constant hold : Bit_Vector(1 downto 0) := "10" ;
  signal cur_state : Bit_Vector(1 downto 0) ;  -- Current State
  signal next_state : Bit_Vector(1 downto 0) ;  -- Next State

begin

  next_state_decoding: process (cur_state, clk, rst, go, abort) is
  begin 
    next_state <= cur_state ;
    -- quiet:
    p <= '0' ;
    if ( -- abort:
        abort = '1'
       ) then
      next_state <= idle ;
    else
      if cur_state = idle then
        if (go = '1') then
          next_state <= run ;
          -- pulse:
          p <= '1' ;
        end if ;
      elsif cur_state = run then
        if ( -- finish:
            go = '0' AND
            abort = '0'
           ) then
          next_state <= done ;
        end if ;
      elsif cur_state = done then
        next_state <= hold ;
      elsif cur_state = hold then
        null ;
      end if ;
    end if ; -- Global transition
  end process next_state_decoding ;

  state_transition: process (clk, rst) is
  begin  -- State transition
    if ( -- reset:
        rst='1'
       ) then
      cur_state <= idle ;
      -- mark:
      r <= '1' ;
    elsif (clk'event and (clk = '0')) then
      cur_state <= next_state ;
      busy <= '0' ;
      if next_state = idle then
        -- o_idle:
        o <= "00" ;
      elsif next_state = run then
        -- o_run:
        o <= "01" ;
        busy <= '1' ;
      elsif next_state = done then
        -- o_done:
        o <= "10" ;
      end if ;
    end if ; -- Reset & Clock
  end process state_transition ;
end architecture fsm ; -- of ctrl_9

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_10'.
---------------------------------------------------------------------------

entity ctrl_10 is
  port(
    clk   : in     Bit ; -- Clock
    rst   : in     Bit ; -- Reset
    go    : in     Bit ;
    abort : in     Bit ;
    o     : out    Bit_Vector(1 downto 0) ;
    busy  : out    Bit ;
    p     : out    Bit ;
    r     : out    Bit ) ;
end entity ctrl_10 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_10'
---------------------------------------------------------------------------

architecture fsm of ctrl_10 is


-- State Machine Options:
--   State assignment      : Gray code.
--   State decoding        : If-else construct.
--   Actions on transitions: Combinational.
--   Actions on states     : Comb.(in 1 Process).

  constant idle : Bit_Vector(1 downto 0) := "00" ;
  constant run  : Bit_Vector(1 downto 0) := "01" ;
  constant done : Bit_Vector(1 downto 0) := "11" ;
  constant hold : Bit_Vector(1 downto 0) := "10" ;
  signal cur_state : Bit_Vector(1 downto 0) ;  -- Current State
  signal next_state : Bit_Vector(1 downto 0) ;  -- Next State

begin

  next_state_decoding: process (cur_state, clk, rst, go, abort) is
  begin 
    next_state <= cur_state ;
    busy <= '0' ;
    -- quiet:
    p <= '0' ;
    if cur_state = idle then
      -- o_idle:
      o <= "00" ;
      if ( -- abort:
          abort = '1'
         ) then
        next_state <= idle ;
      elsif (go = '1') then
        next_state <= run ;
        -- pulse:
        p <= '1' ;
      end if ;
    elsif cur_state = run then
      -- o_run:
      o <= "01" ;
      busy <= '1' ;
      if ( -- abort:
          abort = '1'
         ) then
        next_state <= idle ;
      elsif ( -- finish:
             go = '0' AND
             abort = '0'
            ) then
        next_state <= done ;
      end if ;
    elsif cur_state = done then
      -- o_done:
      o <= "10" ;
      if ( -- abort:
          abort = '1'
         ) then
        next_state <= idle ;
      else
        next_state <= hold ;
      end if ;
    elsif cur_state = hold then
      if ( -- abort:
          abort = '1'
         ) then
        next_state <= idle ;
      end if ;
    else
      if ( -- abort:
          abort = '1'
         ) then
        next_state <= idle ;
      else
        null ; -- No REST state defined
      end if ;
      assert False
        report "REST state executed"
        severity Warning ;
    end if ;
  end process next_state_decoding ;

  state_transition: process (clk, rst) is
  begin  -- State transition
    if ( -- reset:
        rst='1'
       ) then
      cur_state <= idle ;
      -- mark:
      r <= '1' ;
    elsif (clk'event and (clk = '1')) then
      cur_state <= next_state ;
    end if ; -- Reset & Clock
  end process state_transition ;
end architecture fsm ; -- of ctrl_10

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_11'.
---------------------------------------------------------------------------

entity ctrl_11 is
  port(
    clk   : in     Bit ; -- Clock
    rst   : in     Bit ; -- Reset
    go    : in     Bit ;
    abort : in     Bit ;
    o     : out    Bit_Vector(1 downto 0) ;
    busy  : out    Bit ;
    p     : out    Bit ;
    r     : out    Bit ) ;
end entity ctrl_11 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_11'
---------------------------------------------------------------------------

architecture fsm of ctrl_11 is


-- State Machine Options:
--   State assignment      : Gray code.
--   State decoding        : If-else construct.
--   Actions on transitions: Clocked.
--   Actions on states     : Combinational.

  constant idle : Bit_Vector(1 downto 0) := "00" ;
  constant run  : Bit_Vector(1 downto 0) := "01" ;
  constant done : Bit_Vector(1 downto 0) := "11" ;
  constant hold : Bit_Vector(1 downto 0) := "10" ;
  signal state : Bit_Vector(1 downto 0) ;  -- Current State

begin

  state_decoding: process (clk, rst) is
  begin 
    if ( -- reset:
        rst='1'
       ) then
      state <= idle ;
      -- mark:
      r <= '1' ;
    elsif (clk'event and (clk = '0')) then
      -- quiet:
      p <= '0' ;
      if ( -- abort:
          abort = '1'
         ) then
        state <= idle ;
      else
        if state = idle then
          if (go = '1') then
            state <= run ;
            -- pulse:
            p <= '1' ;
          end if ;
        elsif state = run then
          if ( -- finish:
              go = '0' AND
              abort = '0'
             ) then
            state <= done ;
          end if ;
        elsif state = done then
          state <= hold ;
        elsif state = hold then
          null ;
        end if ;
      end if ; -- Global transition
    end if ; -- Reset & Clock
  end process state_decoding ;

  state_actions: process (state, clk, rst, go, abort) is
  begin  -- Combinational 
    busy <= '0' ;
    if state = idle then
      -- o_idle:
      o <= "00" ;
    elsif state = run then
      -- o_run:
      o <= "01" ;
      busy <= '1' ;
    elsif state = done then
      -- o_done:
      o <= "10" ;
    end if ;
  end process state_actions ;
end architecture fsm ; -- of ctrl_11

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_12'.
---------------------------------------------------------------------------

entity ctrl_12 is
  port(
    clk   : in     Bit ; -- Clock
    rst   : in     Bit ; -- Reset
    go    : in     Bit ;
    abort : in     Bit ;
    o     : out    Bit_Vector(1 downto 0) ;
    busy  : out    Bit ;
    p     : out    Bit ;
    r     : out    Bit ) ;
end entity ctrl_12 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_12'
---------------------------------------------------------------------------

architecture fsm of ctrl_12 is


-- State Machine Options:
--   State assignment      : Gray code.
--   State decoding        : If-else construct.
--   Actions on transitions: Clocked.
--   Actions on states     : Clocked.

  constant idle : Bit_Vector(1 downto 0) := "00" ;
  constant run  : Bit_Vector(1 downto 0) := "01" ;
  constant done : Bit_Vector(1 downto 0) := "11" ;
  constant hold : Bit_Vector(1 downto 0) := "10" ;
  signal state : Bit_Vector(1 downto 0) ;  -- Current State

begin

  state_decoding: process (clk, rst) is
  begin 
    if ( -- reset:
        rst='1'
       ) then
      state <= idle ;
      -- mark:
      r <= '1' ;
    elsif (clk'event and (clk = '1')) then
      busy <= '0' ;
      -- quiet:
      p <= '0' ;
      if ( -- abort:
          abort = '1'
         ) then
        state <= idle ;
        -- o_idle:
        o <= "00" ;
      else
        if state = idle then
          if (go = '1') then
            state <= run ;
            -- pulse:
            p <= '1' ;
            -- o_run:
            o <= "01" ;
            busy <= '1' ;
          end if ;
        elsif state = run then
          if ( -- finish:
              go = '0' AND
              abort = '0'
             ) then
            state <= done ;
            -- o_done:
            o <= "10" ;
          end if ;
        elsif state = done then
          state <= hold ;
        elsif state = hold then
          null ;
        end if ;
      end if ; -- Global transition
    end if ; -- Reset & Clock
  end process state_decoding ;
end architecture fsm ; -- of ctrl_12

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_13'.
---------------------------------------------------------------------------

entity ctrl_13 is
  port(
    clk   : in     Bit ; -- Clock
    rst   : in     Bit ; -- Reset
    go    : in     Bit ;
    abort : in     Bit ;
    o     : out    Bit_Vector(1 downto 0) ;
    busy  : out    Bit ;
    p     : out    Bit ;
    r     : out    Bit ) ;
end entity ctrl_13 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_13'
---------------------------------------------------------------------------

architecture fsm of ctrl_13 is


-- State Machine Options:
--   State assignment      : Gray code.
--   State decoding        : If-else construct.
--   Actions on transitions: Comb.(in 1 Process).
--   Actions on states     : Combinational.

  constant idle : Bit_Vector(1 downto 0) := "00" ;
  constant run  : Bit_Vector(1 downto 0) := "01" ;
  constant done : Bit_Vector(1 downto 0) := "11" ;
  constant hold : Bit_Vector(1 downto 0) := "10" ;
  signal cur_state : Bit_Vector(1 downto 0) ;  -- Current State
  signal next_state : Bit_Vector(1 downto 0) ;  -- Next State

begin

  next_state_decoding: process (cur_state, clk, rst, go, abort) is
  begin 
    if ( -- reset:
        rst='1'
       ) then
      -- mark:
      r <= '1' ;
    else
      next_state <= cur_state ;
      -- quiet:
      p <= '0' ;
      if ( -- abort:
          abort = '1'
         ) then
        next_state <= idle ;
      else
        if cur_state = idle then
          if (go = '1') then
            next_state <= run ;
            -- pulse:
            p <= '1' ;
          end if ;
        elsif cur_state = run then
          if ( -- finish:
              go = '0' AND
              abort = '0'
             ) then
            next_state <= done ;
          end if ;
        elsif cur_state = done then
          next_state <= hold ;
        elsif cur_state = hold then
          null ;
        end if ;
      end if ; -- Global transition
    end if ; -- Reset
  end process next_state_decoding ;

  state_transition: process (clk, rst) is
  begin  -- State transition
    if ( -- reset:
        rst='1'
       ) then
      cur_state <= idle ;
    elsif (clk'event and (clk = '0')) then
      cur_state <= next_state ;
    end if ; -- Reset & Clock
  end process state_transition ;

  state_actions: process (cur_state, clk, rst, go, abort) is
  begin  -- Combinational 
    busy <= '0' ;
    if cur_state = idle then
      -- o_idle:
      o <= "00" ;
    elsif cur_state = run then
      -- o_run:
      o <= "01" ;
      busy <= '1' ;
    elsif cur_state = done then
      -- o_done:
      o <= "10" ;
    end if ;
  end process state_actions ;
end architecture fsm ; -- of ctrl_13

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_14'.
---------------------------------------------------------------------------

entity ctrl_14 is
  port(
    clk   : in     Bit ; -- Clock
    rst   : in     Bit ; -- Reset
    go    : in     Bit ;
    abort : in     Bit ;
    o     : out    Bit_Vector(1 downto 0) ;
    busy  : out    Bit ;
    p     : out    Bit ;
    r     : out    Bit ) ;
end entity ctrl_14 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_14'
---------------------------------------------------------------------------

architecture fsm of ctrl_14 is


-- State Machine Options:
--   State assignment      : Gray code.
--   State decoding        : If-else construct.
--   Actions on transitions: Comb.(in 1 Process).
--   Actions on states     : Clocked.

  constant idle : Bit_Vector(1 downto 0) := "00" ;
  constant run  : Bit_Vector(1 downto 0) := "01" ;
  constant done : Bit_Vector(1 downto 0) := "11" ;
  constant hold : Bit_Vector(1 downto 0) := "10" ;
  signal cur_state : Bit_Vector(1 downto 0) ;  -- Current State
  signal next_state : Bit_Vector(1 downto 0) ;  -- Next State

begin

  next_state_decoding: process (cur_state, clk, rst, go, abort) is
  begin 
    if ( -- reset:
        rst='1'
       ) then
      -- mark:
      r <= '1' ;
    else
      next_state <= cur_state ;
      -- quiet:
      p <= '0' ;
      if ( -- abort:
          abort = '1'
         ) then
        next_state <= idle ;
      else
        if cur_state = idle then
          if (go = '1') then
            next_state <= run ;
            -- pulse:
            p <= '1' ;
          end if ;
        elsif cur_state = run then
          if ( -- finish:
              go = '0' AND
              abort = '0'
             ) then
            next_state <= done ;
          end if ;
        elsif cur_state = done then
          next_state <= hold ;
        elsif cur_state = hold then
          null ;
        end if ;
      end if ; -- Global transition
    end if ; -- Reset
  end process next_state_decoding ;

  state_transition: process (clk, rst) is
  begin  -- State transition
    if ( -- reset:
        rst='1'
       ) then
      cur_state <= idle ;
    elsif (clk'event and (clk = '1')) then
      cur_state <= next_state ;
      busy <= '0' ;
      if next_state = idle then
        -- o_idle:
        o <= "00" ;
      elsif next_state = run then
        -- o_run:
        o <= "01" ;
        busy <= '1' ;
      elsif next_state = done then
        -- o_done:
        o <= "10" ;
      end if ;
    end if ; -- Reset & Clock
  end process state_transition ;
end architecture fsm ; -- of ctrl_14

---------------------------------------------------------------------------
-- Entity declaration of 'ctrl_15'.
---------------------------------------------------------------------------

entity ctrl_15 is
  port(
    clk   : in     Bit ; -- Clock
    rst   : in     Bit ; -- Reset
    go    : in     Bit ;
    abort : in     Bit ;
    o     : out    Bit_Vector(1 downto 0) ;
    busy  : out    Bit ;
    p     : out    Bit ;
    r     : out    Bit ) ;
end entity ctrl_15 ;

---------------------------------------------------------------------------
 -- Architecture 'fsm' of 'ctrl_15'
---------------------------------------------------------------------------

architecture fsm of ctrl_15 is


-- State Machine Options:
--   State assignment      : Gray code.
--   State decoding        : If-else construct.
--   Actions on transitions: Comb.(in 1 Process).
--   Actions on states     : Comb.(in 1 Process).

  constant idle : Bit_Vector(1 downto 0) := "00" ;
  constant run  : Bit_Vector(1 downto 0) := "01" ;
  constant done : Bit_Vector(1 downto 0) := "11" ;
  constant hold : Bit_Vector(1 downto 0) := "10" ;
  signal cur_state : Bit_Vector(1 downto 0) ;  -- Current State
  signal next_state : Bit_Vector(1 downto 0) ;  -- Next State

begin

  next_state_decoding: process (cur_state, clk, rst, go, abort) is
  begin 
    next_state <= cur_state ;
    busy <= '0' ;
    -- quiet:
    p <= '0' ;
    if cur_state = idle then
      -- o_idle:
      o <= "00" ;
      if ( -- reset:
          rst='1'
         ) then
        -- mark:
        r <= '1' ;
      elsif ( -- abort:
             abort = '1'
            ) then
        next_state <= idle ;
      elsif (go = '1') then
        next_state <= run ;
        -- pulse:
        p <= '1' ;
      end if ;
    elsif cur_state = run then
      -- o_run:
      o <= "01" ;
      busy <= '1' ;
      if ( -- reset:
          rst='1'
         ) then
        -- mark:
        r <= '1' ;
      elsif ( -- abort:
             abort = '1'
            ) then
        next_state <= idle ;
      elsif ( -- finish:
             go = '0' AND
             abort = '0'
            ) then
        next_state <= done ;
      end if ;
    elsif cur_state = done then
      -- o_done:
      o <= "10" ;
      if ( -- reset:
          rst='1'
         ) then
        -- mark:
        r <= '1' ;
      elsif ( -- abort:
             abort = '1'
            ) then
        next_state <= idle ;
      else
        next_state <= hold ;
      end if ;
    elsif cur_state = hold then
      if ( -- reset:
          rst='1'
         ) then
        -- mark:
        r <= '1' ;
      elsif ( -- abort:
             abort = '1'
            ) then
        next_state <= idle ;
      end if ;
    else
      if ( -- reset:
          rst='1'
         ) then
        -- mark:
        r <= '1' ;
      elsif ( -- abort:
             abort = '1'
            ) then
        next_state <= idle ;
      else
        null ; -- No REST state defined
      end if ;
      assert False
        report "REST state executed"
        severity Warning ;
    end if ;
  end process next_state_decoding ;

  state_transition: process (clk, rst) is
  begin  -- State transition
    if ( -- reset:
        rst='1'
       ) then
      cur_state <= idle ;
    elsif (clk'event and (clk = '0')) then
      cur_state <= next_state ;
    end if ; -- Reset & Clock
  end process state_transition ;
end architecture fsm ; -- of ctrl_15
