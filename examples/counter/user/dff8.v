  reg [7:0] q;

  always @(posedge clk or posedge rst)
    if (rst)
      q <= 8'd0;
    else
      q <= d;
