  assign y = a + 8'd1;
