
USE work.globals.ALL ;
