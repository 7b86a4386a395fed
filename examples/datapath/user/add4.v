  assign s = x + y;
