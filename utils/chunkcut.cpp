#include "utils/chunkcut.h"

#include "host/errors.h"
#include "host/logging.h"

#include <QStringList>

#include <algorithm>
#include <numeric>

namespace kelvra {
namespace {

// A list written as its elements in square brackets: [6, 6].
QString list_text(const std::vector<std::int64_t> &values)
{
    QStringList items;
    for (const std::int64_t value : values)
        items << QString::number(value);
    return QStringLiteral("[%1]").arg(items.join(QLatin1String(", ")));
}

} // namespace

std::vector<NdArray> chunkcut(const NdArray &array, std::int64_t byteLimit)
{
    if (byteLimit <= 0)
        throw ValueError(QStringLiteral("the byte limit must be positive, not %1").arg(byteLimit));
    if (array.ndim() == 0)
        throw ValueError(QStringLiteral("a 0-d array has no rows to split"));
    const std::int64_t size = array.rows();
    const std::int64_t byte = array.nbytes();
    const bool split = byte >= byteLimit;

    std::vector<NdArray> splitArray;
    if (split) {
        const std::int64_t nsplit = byte % byteLimit == 0 ? byte / byteLimit : byte / byteLimit + 1;
        const std::int64_t nvCellSize = size / nsplit;
        // Fewer rows than pieces means that one row alone exceeds the limit.
        if (nvCellSize == 0)
            throw ValueError(QStringLiteral("one row of %1 bytes exceeds the byte limit of %2 bytes")
                                 .arg(array.row_nbytes()).arg(byteLimit));
        std::vector<std::int64_t> splitIndex;
        // nvCellSize, 2 nvCellSize, ... below size; the step never passes size.
        for (std::int64_t index = nvCellSize; index < size; index += std::min(nvCellSize, size - index))
            splitIndex.push_back(index);
        std::int64_t start = 0;
        for (const std::int64_t index : splitIndex) {
            splitArray.push_back(array.row_range(start, index));
            start = index;
        }
        splitArray.push_back(array.row_range(start, size));
    } else {
        splitArray.push_back(array);
    }

    std::vector<std::int64_t> cellSize;
    std::vector<std::int64_t> cellByte;
    for (const NdArray &piece : splitArray) {
        cellSize.push_back(piece.rows());
        cellByte.push_back(piece.nbytes());
    }
    if (std::accumulate(cellSize.begin(), cellSize.end(), std::int64_t(0)) != size)
        throw AssertionError(QStringLiteral("Lost element in split"));
    if (std::accumulate(cellByte.begin(), cellByte.end(), std::int64_t(0)) != byte)
        throw AssertionError(QStringLiteral("Lost byte in split"));

    if (split) {
        qCInfo(lcChunkcut).noquote() << QStringLiteral("input array size = %1").arg(size);
        qCInfo(lcChunkcut).noquote() << QStringLiteral("input array bytes = %1").arg(byte);
        qCInfo(lcChunkcut).noquote() << QStringLiteral("output arrays size = %1").arg(list_text(cellSize));
        qCInfo(lcChunkcut).noquote() << QStringLiteral("output arrays bytes = %1").arg(list_text(cellByte));
    }
    return splitArray;
}

} // namespace kelvra
