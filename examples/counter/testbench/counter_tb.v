// Self-checking testbench of the counter example (the Verilog output).
`timescale 1ns/1ns
module counter_tb;
  reg clk = 0;
  reg rst = 1;
  wire [7:0] q;
  integer n;

  counter dut(.clk(clk), .rst(rst), .q(q));

  initial begin
    #5;
    if (q !== 8'd0) begin $display("FAIL: reset does not clear the count"); $finish; end
    rst = 0;
    for (n = 1; n <= 300; n = n + 1) begin
      clk = 1; #5; clk = 0; #5;
      if (q !== n % 256) begin $display("FAIL: count %0d after %0d edges", q, n); $finish; end
    end
    rst = 1; #1;
    if (q !== 8'd0) begin $display("FAIL: reset in the middle does not clear"); $finish; end
    $display("counter_tb passed");
    $finish;
  end
endmodule
