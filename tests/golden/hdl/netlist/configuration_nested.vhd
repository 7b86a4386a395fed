
---------------------------------------------------------------------------
-- Configuration declaration for architecture 'structure' of 'system'.
---------------------------------------------------------------------------

CONFIGURATION system_structure OF system IS
  FOR structure
    FOR m : mid
      USE ENTITY mywork.mid(structure) ;
      FOR structure
        FOR l1 : leaf
          USE ENTITY mywork.leaf(rtl) ;
        END FOR ;
        FOR l2 : leaf
          USE ENTITY mywork.leaf(rtl) ;
        END FOR ;
        FOR core : vendor_core
          USE ENTITY vendor.vendor_core(netlist) ;
        END FOR ;
      END FOR ;
    END FOR ;
    FOR e : empty_mid
      USE ENTITY mywork.empty_mid(hollow) ;
    END FOR ;
    FOR x : leaf
      USE ENTITY mywork.leaf(rtl) ;
    END FOR ;
  END FOR ;
END CONFIGURATION system_structure;
