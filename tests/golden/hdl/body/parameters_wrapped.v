
///////////////////////////////////////////////////////////////////////////
// Module 'a_module_with_a_rather_long_name(empty)'.
///////////////////////////////////////////////////////////////////////////

module a_module_with_a_rather_long_name (o) ;
  parameter
    first  = 1 ,
    second = 2 ,
    third  = 3 ;
  output o ;



endmodule // a_module_with_a_rather_long_name(empty)


///////////////////////////////////////////////////////////////////////////
// Module 'holder(body)'.
///////////////////////////////////////////////////////////////////////////

module holder ;



 a_module_with_a_rather_long_name #((1 + 2 + 3 + 4 + 5 + 6 + 7 + 8 + 9), 
      (10 + 20 + 30 + 40 + 50 + 60 + 70), 
      (100 + 200 + 300 + 400 + 500 + 600))
    inst( 
      .o() ) ;

endmodule // holder(body)

