// zeph: the design-entry program.
#include "console/console_program.h"

int main(int argc, char** argv) {
    return zeph::start_program(argc, argv);
}
