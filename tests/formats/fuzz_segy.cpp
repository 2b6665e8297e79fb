// libFuzzer target: the SEG-Y header reader on arbitrary bytes (written to
// a file, as segyio reads files) either throws FormatError or gives a
// layout whose traces the file holds; small surveys are then read whole.

#include "app/formats/format.h"
#include "app/formats/segylayout.h"

#include <QDir>
#include <QFile>

#include <cstdlib>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace kelvra::app::formats;
    static const QString path = QDir::temp().filePath(QStringLiteral("kelvra-fuzz-segy-%1.sgy").arg(getpid()));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
            std::abort();
    }
    try {
        const SegyLayout layout = read_segy_layout(path, 189, 193);
        if (layout.trace0 + layout.traces * (240 + std::int64_t(layout.trace_bytes)) != std::int64_t(size))
            std::abort();
        if (layout.traces * layout.samples <= 100000) {
            ImportOptions options;
            options.cube = true;
            format_named(QStringLiteral("segy")).read(path, options, nullptr);
        }
    } catch (const kelvra::ValueError &) {
    }
    return 0;
}
