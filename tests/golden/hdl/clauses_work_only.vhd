
USE work.globals.ALL ;
USE work.types.ALL ;
USE STD.textio.ALL ;
