// zeph: the design-entry program.
#include "console/console_program.h"

#ifdef ZEPH_WITH_WINDOW
#include "window_program.h"
#endif

int main(int argc, char** argv) {
#ifdef ZEPH_WITH_WINDOW
    return zeph::start_program(argc, argv, zeph::run_window_program);
#else
    return zeph::start_program(argc, argv);
#endif
}
