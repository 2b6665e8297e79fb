// libFuzzer target: the LAS reader on arbitrary bytes either throws
// FormatError or returns columns of equal length, one per curve; nothing
// else (a crash, another exception, a read out of bounds) is allowed.

#include "app/formats/format.h"
#include "app/formats/lasfile.h"

#include <QBuffer>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace kelvra::app::formats;
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    try {
        const LasFile las = read_las(buffer, QStringLiteral("fuzz.las"), {-9999.0});
        if (las.columns.size() != las.curves.size())
            std::abort();
        for (const kelvra::NdArray &column : las.columns) {
            if (column.size() != las.rows())
                std::abort();
        }
    } catch (const FormatError &) {
    }
    return 0;
}
