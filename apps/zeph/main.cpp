// zeph: the design-entry program.
#include "foundation/cwexcept.h"
#include "foundation/cwmem.h"
#include "shell/sample_report.h"
#include "shell/version.h"
#include "ui/console_platform.h"

#include <cstring>
#include <iostream>

namespace {
void print_usage() {
    std::cout << "usage: zeph [--version] [--help] [--sample-report]\n";
}
} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << "zeph " << zeph::kVersion << '\n';
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            print_usage();
            return 0;
        }
        if (std::strcmp(argv[i], "--sample-report") == 0) {
            ui::ConsolePlatform console(std::cin, std::cout, false);
            ui::set_platform(&console);
            cwmem_init();
            zeph::write_sample_report();
            ui::set_platform(nullptr);
            return 0;
        }
        std::cerr << "zeph: unknown option '" << argv[i] << "'\n";
        print_usage();
        return 2;
    }
    print_usage();
    return 0;
}
