# Helpers of the example scripts: the hand-written part of an HDL file goes into the regions
# zeph keeps for the user.

# VHDL: the statements go after the "begin" of the architecture.
put_vhdl_statements() {
    local file=$1 statements=$2
    awk -v add="$statements" '
        { print }
        !done && $0 == "begin" { while ((getline line < add) > 0) print line; done = 1 }
    ' "$file" > "$file.new"
    mv "$file.new" "$file"
}

# Verilog: the module body follows the meta comment.
put_verilog_body() {
    local file=$1 body=$2
    cat "$body" >> "$file"
}
