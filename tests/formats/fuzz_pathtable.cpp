// libFuzzer target: the reader of deviation surveys and path tables on
// arbitrary bytes either throws FormatError, or the path it makes places
// any MD (or refuses its stations with ValueError).

#include "app/formats/format.h"
#include "app/formats/wellpath.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace kelvra::app::formats;
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    try {
        const PathFile file = read_path_file(buffer, QStringLiteral("fuzz.csv"));
        const WellPath path = file.kind == PathFile::Kind::Survey ? WellPath(file.stations, 1, 2, 3)
                                                                  : WellPath(file, 1, 2, 3);
        for (const double md : {-10.0, 0.0, 55.5, 1e4})
            path.at(md);
    } catch (const kelvra::ValueError &) {
    }
    return 0;
}
