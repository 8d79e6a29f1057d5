// Prints the path at which the program, run from where this probe's copy is, would find a
// resource; exits with status 1 when it would find none.
//
//   resource_locator_probe <name> <extension>

#include <cstdio>

#include "platform/linux/ExecutableResourceLocator.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        return 2;
    }
    const auto path = platform::ExecutableResourceLocator().pathForResource(argv[1], argv[2]);
    if (!path) {
        return 1;
    }
    std::printf("%s\n", path->c_str());
    return 0;
}
