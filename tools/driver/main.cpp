#include <iostream>

#include "driver.h"

int main(int argc, char** argv) {
    quorrel::DriverOptions options;
    std::string error;
    if (!quorrel::ParseDriverOptions(argc, argv, options, error)) {
        std::cerr << "quorrel-driver: " << error << "\n";
        // A bad language or level is said in one line; any other mistake shows how to call.
        if (error.rfind("unknown language", 0) != 0 && error.rfind("bad --level", 0) != 0)
            std::cerr << "usage: quorrel-driver [--app-folder DIR] [--data-folder DIR] [--seed N] "
                         "[--screen WxH] [--clock HH:MM:SS] [--date YYYY-MM-DD]\n"
                         "       [--pictures-folder DIR] [--scale F] [--lang LL] [--level L]\n";
        return 2;
    }
    quorrel::Driver driver(options);
    driver.Run(std::cin, std::cout);
    return 0;
}
