; Verilog templates for zped. A header "[name(parameter, ...)]" starts a template; the lines
; after it, up to the next header, are its text (blank lines included), in which $1$ .. $5$
; stand for the parameters.
[module(name)]
module $1$ (
    input  wire clk,
    input  wire reset
);

endmodule
[always_reset(clock, reset)]
always @(posedge $1$ or posedge $2$) begin
    if ($2$) begin

    end else begin

    end
end
[always_clock(clock)]
always @(posedge $1$) begin

end
[always_comb()]
always @(*) begin

end
[case(selector)]
case ($1$)
    default: begin

    end
endcase
[instance(module, label)]
$1$ $2$ (
    .clk(clk),
    .reset(reset)
);
[initial()]
initial begin

end
