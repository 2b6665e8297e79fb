#include "utils/chunktable.h"

#include <iostream>

int main()
{
    try {
        kelvra::chunktable::main();
        return 0;
    } catch (const std::exception &error) {
        std::cerr << "chunkcut-demo: " << error.what() << '\n';
        return 1;
    }
}
