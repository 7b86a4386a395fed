#x
B"10_1" X"F" O"7" 16#FF# 1.5E-3 %str% "a""b" 'x' t'('0') a__b @ ! \ext id\
