entity b is end;
