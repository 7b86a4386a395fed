
---------------------------------------------------------------------------
-- Configuration declaration for architecture 'other' of 'system'.
-- Uses the fast leaf.
---------------------------------------------------------------------------

configuration fast_config of system is
  for other
  end for ;
end  fast_config;
