#include "app/core/objectfile.h"

#include "host/errors.h"
#include "host/ndarray.h"
#include "host/sqlite.h"
#include "host/sqlite_array.h"
#include "utils/chunkstore.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>
#include <cstring>

namespace kelvra::app {
namespace {

const QString kChunks = QStringLiteral("kelvra_chunks");

QString text_of(const sqlite::Value &value)
{
    if (const auto *text = std::get_if<QString>(&value))
        return *text;
    return {};
}

void register_array_conversion()
{
    static const bool registered = [] {
        sqlite::register_adapter(adapt_array);
        sqlite::register_converter(QStringLiteral("ARRAY"), [](const char *data, std::size_t size) {
            return sqlite::Value(convert_array(data, size));
        });
        return true;
    }();
    Q_UNUSED(registered)
}

NdArray to_array(const PropertyMap::Values &values)
{
    return NdArray::from_values(std::vector<double>(values.begin(), values.end()));
}

PropertyMap::Values to_values(const NdArray &array, const QString &object, const QString &property)
{
    if (array.dtype() != DType::Float64 || array.ndim() != 1)
        throw ValueError(QStringLiteral("property '%1' of object '%2' is not a list of numbers")
                             .arg(property, object));
    const double *data = array.data<double>();
    return PropertyMap::Values(data, data + array.size());
}

void write_objects(sqlite::Connection &db, const QList<GeoObject *> &objects)
{
    db.exec(QStringLiteral("CREATE TABLE kelvra_objects (position INTEGER PRIMARY KEY, "
                           "name TEXT NOT NULL UNIQUE, geometry TEXT NOT NULL, current_property TEXT)"));
    db.exec(QStringLiteral("CREATE TABLE kelvra_properties (object_name TEXT, position INTEGER, "
                           "prop_name TEXT, PRIMARY KEY (object_name, position))"));
    create_chunk_table(db, kChunks);
    sqlite::Cursor cursor = db.cursor();
    for (int position = 0; position < objects.size(); ++position) {
        const GeoObject *object = objects[position];
        const std::optional<QString> current = object->current_property();
        cursor.execute(QStringLiteral("INSERT INTO kelvra_objects VALUES (?,?,?,?)"),
                       {std::int64_t(position), object->name(), object->geometry_type(),
                        current ? sqlite::Value(*current) : sqlite::Value()});
        const QStringList keys = object->prop().keys();
        for (int index = 0; index < keys.size(); ++index) {
            cursor.execute(QStringLiteral("INSERT INTO kelvra_properties VALUES (?,?,?)"),
                           {object->name(), std::int64_t(index), keys[index]});
            store_chunks(db, kChunks, object->name(), keys[index], to_array(object->prop().value(keys[index])));
        }
    }
    db.commit();
}

} // namespace

void save_objects(const QString &path, const QList<GeoObject *> &objects)
{
    register_array_conversion();
    const QFileInfo target(path);
    if (path.isEmpty() || target.isDir())
        throw ValueError(QStringLiteral("'%1' is not a file name").arg(path));
    QTemporaryFile temporary(target.absolutePath() + QStringLiteral("/.") + target.fileName()
                             + QStringLiteral(".XXXXXX"));
    if (!temporary.open())
        throw std::runtime_error(QStringLiteral("cannot write in %1: %2")
                                     .arg(target.absolutePath(), temporary.errorString())
                                     .toStdString());
    temporary.close();
    {
        sqlite::Connection db(temporary.fileName());
        write_objects(db, objects);
    }
    // rename() replaces the target in one step: readers see the old file or
    // the complete new one, never a part.
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(),
                    QFile::encodeName(target.absoluteFilePath()).constData())
        != 0) {
        throw std::runtime_error(QStringLiteral("cannot replace %1: %2")
                                     .arg(path, QString::fromLocal8Bit(std::strerror(errno)))
                                     .toStdString());
    }
    temporary.setAutoRemove(false);
}

std::vector<std::unique_ptr<GeoObject>> load_objects(const QString &path)
{
    register_array_conversion();
    const QFileInfo file(path);
    if (!file.isFile())
        throw LookupError(QStringLiteral("there is no file '%1'").arg(path));
    if (!file.isReadable())
        throw ValueError(QStringLiteral("the file '%1' cannot be read").arg(path));

    std::vector<std::unique_ptr<GeoObject>> objects;
    try {
        sqlite::Connection db(path);
        db.exec(QStringLiteral("PRAGMA trusted_schema = OFF"));
        sqlite::Cursor cursor = db.cursor();
        const std::vector<sqlite::Row> rows =
            cursor.execute(QStringLiteral("SELECT name, geometry, current_property FROM kelvra_objects "
                                          "ORDER BY position"))
                .fetchall();
        for (const sqlite::Row &row : rows) {
            const QString name = text_of(row[0]);
            PropertyMap prop;
            const std::vector<sqlite::Row> keys =
                cursor.execute(QStringLiteral("SELECT prop_name FROM kelvra_properties "
                                              "WHERE object_name = ? ORDER BY position"),
                               {name})
                    .fetchall();
            for (const sqlite::Row &key : keys) {
                const QString property = text_of(key[0]);
                prop.insert(property, to_values(load_chunks(db, kChunks, name, property), name, property));
            }
            const QString current = text_of(row[2]);
            objects.push_back(std::make_unique<GeoObject>(
                name, text_of(row[1]), std::move(prop),
                current.isEmpty() ? std::nullopt : std::optional<QString>(current)));
        }
    } catch (const SqliteError &error) {
        throw ValueError(QStringLiteral("'%1' is not a Kelvra object file (%2)").arg(path, error_text(error)));
    }
    return objects;
}

std::unique_ptr<GeoObject> load_single_object(const QString &path)
{
    std::vector<std::unique_ptr<GeoObject>> objects = load_objects(path);
    if (objects.size() != 1)
        throw ValueError(QStringLiteral("'%1' holds %2 objects, not one: open it as a project instead")
                             .arg(path)
                             .arg(objects.size()));
    return std::move(objects.front());
}

} // namespace kelvra::app
