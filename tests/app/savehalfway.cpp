// A save that stops half-way: it starts saving a small project to the file
// named by its argument, prints "saving" once the temporary file is being
// written, and waits there for ever. Tests kill it (a save that crashed)
// or leave it running (a save in progress).

#include "app/core/objectfile.h"

#include "host/nativepath.h"

#include <QCoreApplication>

#include <cstdio>

#include <unistd.h>

using namespace kelvra;
using namespace kelvra::app;

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
        return 2;
    }
    PropertyMap prop;
    for (const char *axis : {"X", "Y", "Z"})
        prop.insert(QLatin1String(axis), NdArray(DType::Float64, {1000}));
    Progress progress;
    progress.on_step = [](std::int64_t) {
        std::puts("saving");
        std::fflush(stdout);
        for (;;)
            ::pause();
    };
    save_objects(path_from_native(argv[1]), {ObjectRecord{QStringLiteral("halfway"), QStringLiteral("Point"), prop, std::nullopt}},
                 &progress);
    return 1;
}
