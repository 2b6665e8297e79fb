// libFuzzer target for every file reader: each format reads the bytes as a
// file. A reader either gives objects that pass normalize_record or throws
// ValueError (FormatError is one); nothing else is allowed: a crash,
// another exception, a read outside the file or a huge allocation that
// AddressSanitizer catches.

#include "app/formats/builtin.h"
#include "app/formats/format.h"

#include "host/errors.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

using namespace kelvra;
using namespace kelvra::app;

// The readers fuzzed here: the grid, surface and column formats (the well
// and seismic readers have fuzz targets of their own). The list stands in
// for the program's, so that the target needs no other reader's library.
const std::vector<const formats::Format *> &formats::formats()
{
    static const std::vector<const Format *> all{&zmap_format(), &irap_ascii_format(), &irap_binary_format(),
                                                 &tsurf_format(), &csv_format(), &xyz_format()};
    return all;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QString path = QDir::temp().filePath(QStringLiteral("kelvra-fuzz-%1.dat").arg(::getpid()));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    const QByteArray head(reinterpret_cast<const char *>(data), int(std::min<std::size_t>(size, 65536)));
    for (const formats::Format *format : formats::formats()) {
        format->recognise(head, path);
        try {
            for (ObjectRecord &record : format->read(path, {}, nullptr))
                normalize_record(record);
        } catch (const ValueError &) {
        }
    }
    return 0;
}
