// zr_testsvc: the local search service for tests, benchmarks and trying the client out.
//   zr_testsvc --port 2809 [--address-file PATH] [--marks N] [--registers LETTERS]
//              [--account COMPANY:USER:PASSWORD]...

#include "testsvc/server/TestService.h"

#include <cstdio>

int main(int argc, char** argv) {
    ServiceOptions options;
    std::string error;
    if (!ParseServiceOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        std::fprintf(stderr,
                     "zr_testsvc: %s\nusage: zr_testsvc --port N [--address-file PATH] "
                     "[--marks N] [--registers LETTERS] [--account COMPANY:USER:PASSWORD]\n",
                     error.c_str());
        return 1;
    }
    return RunTestService(options);
}
