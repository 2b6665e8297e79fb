#include "utils/chunktable.h"

#include "host/errors.h"
#include "host/sqlite_array.h"
#include "utils/chunkcut.h"

#include <iostream>
#include <numeric>

namespace kelvra::chunktable {
namespace {

void print(const char *label, const QString &value)
{
    std::cout << label << ' ' << value.toStdString() << '\n';
}

} // namespace

NdArray rebuild(const std::vector<sqlite::Row> &rows)
{
    std::vector<NdArray> chunks;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const sqlite::Row &row = rows[i];
        const auto *chunkID = row.size() == 2 ? std::get_if<std::int64_t>(&row[0]) : nullptr;
        const auto *arr = row.size() == 2 ? std::get_if<NdArray>(&row[1]) : nullptr;
        if (!chunkID || !arr)
            throw ValueError(QStringLiteral("row %1 is not a chunk number and an array").arg(i + 1));
        if (*chunkID != std::int64_t(i) + 1)
            throw AssertionError(QStringLiteral("Chunk order is wrong"));
        chunks.push_back(*arr);
    }
    return NdArray::concatenate(chunks);
}

void main()
{
    sqlite::register_adapter([](const NdArray &array) { return adapt_array(array); });
    sqlite::register_converter(QStringLiteral("ARRAY"), [](const char *data, std::size_t size) {
        return sqlite::Value(convert_array(data, size));
    });

    const std::int64_t SQLITE_LIMIT_LENGTH = 30;
    print("array byte limit =", QString::number(SQLITE_LIMIT_LENGTH));

    std::vector<float> values(12);
    std::iota(values.begin(), values.end(), 0.0f);
    const NdArray array = NdArray::from_values(values);
    const std::vector<NdArray> pieces = chunkcut(array, SQLITE_LIMIT_LENGTH);

    const QString object = QStringLiteral("mypoint");
    const QString prop = QStringLiteral("vint");
    std::vector<sqlite::Row> rows;
    for (std::size_t i = 0; i < pieces.size(); ++i)
        rows.push_back({object, prop, std::int64_t(i) + 1, pieces[i]});

    sqlite::Connection connection(QStringLiteral("test.db"));
    sqlite::Cursor cursor = connection.cursor();
    cursor.execute(QStringLiteral("CREATE TABLE test (object_name TEXT, prop_name TEXT,         chunkID INTEGER, "
                                  "arr ARRAY, PRIMARY KEY (object_name, prop_name, chunkID))"));
    cursor.executemany(QStringLiteral("INSERT INTO test VALUES (?,?,?,?)"), rows);
    cursor.execute(QStringLiteral("SELECT chunkID, arr FROM test                 "
                                  "WHERE object_name = ? AND prop_name = ?"),
                   {object, prop});
    const std::vector<sqlite::Row> fetched = cursor.fetchall();
    print("fetch data type =", QStringLiteral("list"));
    print("fetch data length =", QString::number(fetched.size()));

    const NdArray retrieved = rebuild(fetched);
    print("retrieved array shape =", retrieved.shape_text());
    print("retrieved array dtype =", retrieved.dtype_name());
    print("retrieved array =", retrieved.to_text());
    std::cout.flush();
}

} // namespace kelvra::chunktable
