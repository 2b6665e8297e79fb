// Project and object files as files: what they keep, what a damaged or
// hostile file gets (a refusal naming file, object and property, before
// anything large is allocated), what a save leaves beside its target, and
// the paths a save or an open is given (links, pipes, read-only files,
// names that are not UTF-8).

#include "app/core/filereplacement.h"
#include "app/core/objectfile.h"

#include "host/nativepath.h"
#include "host/sqlite.h"
#include "host/sqlite_array.h"
#include "utils/chunkstore.h"

#include "testmain.h"
#include "testsupport.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <sqlite3.h>

#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstring>
#include <functional>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace kelvra;
using namespace kelvra::app;

namespace {

// --- Objects of every kind -------------------------------------------------

PropertyMap coordinates(const std::vector<double> &x, const std::vector<double> &y, const std::vector<double> &z)
{
    PropertyMap prop;
    prop.insert(QStringLiteral("X"), NdArray::from_values(x));
    prop.insert(QStringLiteral("Y"), NdArray::from_values(y));
    prop.insert(QStringLiteral("Z"), NdArray::from_values(z));
    return prop;
}

// A Gsurface on a rotated grid whose y axis runs backwards, with a float32
// and a uint8 property, units and a colour.
ObjectRecord gsurface(std::int64_t columns, std::int64_t rows)
{
    GridGeometry grid;
    grid.columns = columns;
    grid.rows = rows;
    grid.x_origin = 431234.5;
    grid.y_origin = 6523000.25;
    grid.x_increment = 25;
    grid.y_increment = -12.5;
    grid.rotation = 30.5;
    std::vector<double> x, y, z;
    std::vector<float> amplitude;
    std::vector<std::uint8_t> flags;
    for (std::int64_t j = 0; j < rows; ++j) {
        for (std::int64_t i = 0; i < columns; ++i) {
            const QPointF at = grid.node_position(double(i), double(j));
            x.push_back(at.x());
            y.push_back(at.y());
            z.push_back(1000.1 + 0.123 * double(grid.vertex(i, j)));
            amplitude.push_back(float(i) - 0.5f * float(j));
            flags.push_back(std::uint8_t((i + j) % 3));
        }
    }
    ObjectRecord record{QStringLiteral("surface"), QStringLiteral("Gsurface"), coordinates(x, y, z),
                        QStringLiteral("amplitude")};
    record.prop.insert(QStringLiteral("amplitude"), NdArray::from_values(amplitude));
    record.prop.insert(QStringLiteral("flags"), NdArray::from_values(flags));
    record.colour = qRgb(0x12, 0x34, 0xab);
    record.grid = grid;
    record.units = {{QStringLiteral("Z"), QStringLiteral("m")}, {QStringLiteral("amplitude"), QStringLiteral("dB")}};
    return record;
}

template <typename Index>
ObjectRecord tsurface(const QString &name, std::vector<Index> triangles)
{
    ObjectRecord record{name, QStringLiteral("Tsurface"),
                        coordinates({0, 10, 0, 10, 20}, {0, 0, 10, 10, 5}, {-100, -101, -102, -103, -104}),
                        std::nullopt};
    const std::int64_t rows = std::int64_t(triangles.size()) / 3;
    record.triangles = NdArray::from_values(triangles, {rows, 3});
    record.colour = qRgb(200, 10, 0);
    return record;
}

// A Label whose texts need more than ASCII: an umlaut, a CJK character, a
// character outside the BMP, and an empty text.
ObjectRecord label()
{
    ObjectRecord record{QStringLiteral("label"), QStringLiteral("Label"),
                        coordinates({1, 2, 3, 4}, {5, 6, 7, 8}, {0, 0, 0, 0}), std::nullopt};
    record.texts = QStringList{QStringLiteral("Bohrung S\u00fcd 1"), QStringLiteral("\u4e95 7"), QString(),
                    QString::fromUtf8("\xf0\x9f\x9b\xa2 Tank")};
    record.units = {{QStringLiteral("Z"), QStringLiteral("ft")}};
    return record;
}

// A cube of 2 x 2 nodes and 3 samples each.
ObjectRecord cube()
{
    GridGeometry grid;
    grid.columns = 2;
    grid.rows = 2;
    grid.layers = 3;
    grid.x_origin = 10;
    grid.y_origin = 20;
    grid.x_increment = 5;
    grid.y_increment = 5;
    grid.z_origin = 1500;
    grid.z_increment = -4;
    std::vector<double> x, y, z;
    for (std::int64_t j = 0; j < 2; ++j) {
        for (std::int64_t i = 0; i < 2; ++i) {
            for (std::int64_t k = 0; k < 3; ++k) {
                x.push_back(10 + 5.0 * double(i));
                y.push_back(20 + 5.0 * double(j));
                z.push_back(1500 - 4.0 * double(k));
            }
        }
    }
    ObjectRecord record{QStringLiteral("cube"), QStringLiteral("Cube"), coordinates(x, y, z), std::nullopt};
    record.grid = grid;
    return record;
}

std::vector<ObjectRecord> every_kind()
{
    std::vector<ObjectRecord> objects{gsurface(4, 3), tsurface<std::int32_t>(QStringLiteral("faults"),
                                                                            {0, 1, 2, 1, 2, 3, 2, 3, 4}),
                                      tsurface<std::int64_t>(QStringLiteral("wide"), {0, 1, 4, 4, 3, 2}),
                                      label(), cube(), tsurface<std::int32_t>(QStringLiteral("bare"), {})};
    for (ObjectRecord &object : objects)
        normalize_record(object);
    return objects;
}

void compare(const ObjectRecord &loaded, const ObjectRecord &saved)
{
    QCOMPARE(loaded.name, saved.name);
    QCOMPARE(loaded.geometry_type, saved.geometry_type);
    QCOMPARE(loaded.prop.keys(), saved.prop.keys());
    for (const QString &key : saved.prop.keys())
        QCOMPARE(loaded.prop.value(key), saved.prop.value(key));
    QCOMPARE(loaded.current_property, saved.current_property);
    QCOMPARE(loaded.colour, saved.colour);
    QVERIFY(loaded.grid == saved.grid);
    QCOMPARE(loaded.triangles, saved.triangles);
    QCOMPARE(loaded.texts, saved.texts);
    QCOMPARE(loaded.units, saved.units);
}

// --- Files ---------------------------------------------------------------------

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write_contents(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

// Runs statements on a file, committed.
void change(const QString &path, const QStringList &statements)
{
    sqlite::Connection db(path, sqlite::Conversion::None);
    for (const QString &statement : statements)
        db.cursor().execute(statement);
    db.commit();
}

std::int64_t query(const QString &path, const QString &sql)
{
    sqlite::Connection db(path, sqlite::Conversion::None, sqlite::Access::ReadOnly);
    return std::get<std::int64_t>(db.cursor().execute(sql).fetchall().at(0).at(0));
}

// The message of the error that opening the file gives.
QString open_error(const QString &path)
{
    try {
        load_objects(path);
    } catch (const std::exception &error) {
        return error_text(error);
    }
    return QStringLiteral("opened");
}

QString save_error(const QString &path, const std::vector<ObjectRecord> &objects)
{
    try {
        save_objects(path, objects);
    } catch (const std::exception &error) {
        return error_text(error);
    }
    return QStringLiteral("saved");
}

// Every name in the folder, hidden ones too.
QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

int mode_of(const QString &path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

// What the symbolic link holds.
QByteArray link_of(const QString &path)
{
    char target[4096];
    const ssize_t length = ::readlink(QFile::encodeName(path).constData(), target, sizeof target);
    return length < 0 ? QByteArray() : QByteArray(target, int(length));
}

QStringList temporaries(const QString &folder)
{
    return entries(folder).filter(QStringLiteral(".kelvra-"));
}

// Runs fn with the process's data limited to what it holds now plus room
// bytes: any larger allocation fails.
void with_memory_room(std::int64_t room, const std::function<void()> &fn)
{
    std::int64_t data = 0;
    QFile status(QStringLiteral("/proc/self/status"));
    QVERIFY(status.open(QIODevice::ReadOnly));
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmData:"))
            data = line.mid(7).trimmed().split(' ').first().toLongLong() * 1024;
    }
    QVERIFY(data > 0);
    struct rlimit before {};
    QCOMPARE(::getrlimit(RLIMIT_DATA, &before), 0);
    struct rlimit tight = before;
    tight.rlim_cur = rlim_t(data + room);
    QCOMPARE(::setrlimit(RLIMIT_DATA, &tight), 0);
    try {
        fn();
    } catch (...) {
        ::setrlimit(RLIMIT_DATA, &before);
        throw;
    }
    ::setrlimit(RLIMIT_DATA, &before);
}

// --- SQLite's file format, to damage files as a disk or a program can ---------

std::uint32_t big_endian(const QByteArray &data, qint64 at, int bytes)
{
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value = value << 8 | std::uint8_t(data[int(at + i)]);
    return value;
}

void put_big_endian(QByteArray &data, qint64 at, int bytes, std::uint32_t value)
{
    for (int i = bytes - 1; i >= 0; --i, value >>= 8)
        data[int(at + i)] = char(value & 0xff);
}

std::pair<quint64, int> varint(const QByteArray &data, qint64 at)
{
    quint64 value = 0;
    for (int i = 0; i < 8; ++i) {
        const auto byte = std::uint8_t(data[int(at + i)]);
        value = value << 7 | (byte & 0x7f);
        if (!(byte & 0x80))
            return {value, i + 1};
    }
    return {value << 8 | std::uint8_t(data[int(at + 8)]), 9};
}

QByteArray to_varint(quint64 value) // values below 2^56
{
    QByteArray bytes(1, char(value & 0x7f));
    for (value >>= 7; value; value >>= 7)
        bytes.prepend(char(0x80 | (value & 0x7f)));
    return bytes;
}

qint64 serial_size(quint64 type)
{
    static const qint64 sizes[] = {0, 1, 2, 3, 4, 6, 8, 8, 0, 0};
    return type >= 12 ? qint64(type - 12 - (type & 1)) / 2 : sizes[type];
}

// Makes the chunk of the property declare a blob of about `declared` bytes
// (its .npy header of uint8 elements agreeing), and its overflow pages a
// loop: the last page leads back to the first. What a damaged file holds
// that reads until memory runs out. Returns what went wrong, or nothing.
QString declare_huge_chunk(const QString &path, const QString &prop, qint64 declared)
{
    const qint64 page = query(path, QStringLiteral("PRAGMA page_size"));
    const qint64 rowid = query(path, QStringLiteral("SELECT rowid FROM kelvra_chunks WHERE prop_name = '%1'").arg(prop));
    qint64 at_page = query(path, QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = 'kelvra_chunks'"));
    QByteArray data = contents(path);
    const auto header_of = [page](qint64 number) { return (number - 1) * page + (number == 1 ? 100 : 0); };
    // Down the table's tree to the leaf holding the row.
    while (std::uint8_t(data[int(header_of(at_page))]) == 0x05) {
        const qint64 header = header_of(at_page);
        const qint64 cells = big_endian(data, header + 3, 2);
        qint64 child = big_endian(data, header + 8, 4);
        for (qint64 cell = 0; cell < cells; ++cell) {
            const qint64 at = (at_page - 1) * page + big_endian(data, header + 12 + 2 * cell, 2);
            if (rowid <= qint64(varint(data, at + 4).first)) {
                child = big_endian(data, at, 4);
                break;
            }
        }
        at_page = child;
    }
    const qint64 base = (at_page - 1) * page;
    const qint64 header = header_of(at_page);
    if (std::uint8_t(data[int(header)]) != 0x0d)
        return QStringLiteral("page %1 is not a table leaf").arg(at_page);
    const qint64 cells = big_endian(data, header + 3, 2);
    for (qint64 cell = 0; cell < cells; ++cell) {
        const qint64 at = base + big_endian(data, header + 8 + 2 * cell, 2);
        const auto [payload, payload_length] = varint(data, at);
        const auto [key, key_length] = varint(data, at + payload_length);
        if (qint64(key) != rowid)
            continue;
        // The local part of the payload, as SQLite's format lays it out.
        const qint64 most = page - 35, least = (page - 12) * 32 / 255 - 23;
        qint64 local = least + (qint64(payload) - least) % (page - 4);
        if (local > most)
            local = least;
        const qint64 first_overflow = big_endian(data, at + payload_length + key_length + local, 4);
        const QByteArray record = data.mid(int(at + payload_length + key_length), int(local));
        const auto [header_size, header_length] = varint(record, 0);
        std::vector<quint64> types;
        for (qint64 pos = header_length; pos < qint64(header_size);) {
            const auto [type, length] = varint(record, pos);
            types.push_back(type);
            pos += length;
        }
        if (types.size() != 4 || types[3] < 12 || types[3] % 2)
            return QStringLiteral("the row's columns are not those of a chunk");
        const qint64 steps = declared / (page - 4);
        QByteArray new_types = to_varint(types[0]) + to_varint(types[1]) + to_varint(types[2]);
        const qint64 grown_header = header_length + new_types.size() + to_varint(types[3] + 2 * steps * (page - 4)).size();
        const qint64 blob = serial_size(types[3]) + steps * (page - 4) - (grown_header - qint64(header_size));
        new_types += to_varint(12 + 2 * quint64(blob));
        QByteArray body = record.mid(int(header_size));
        const qint64 blob_at = serial_size(types[0]) + serial_size(types[1]) + serial_size(types[2]);
        const qint64 npy_size = npy::header_bytes(DType::UInt8, {1}).size();
        const QByteArray old_npy = npy::header_bytes(DType::UInt8, {serial_size(types[3]) - npy_size});
        const QByteArray npy = npy::header_bytes(DType::UInt8, {blob - old_npy.size()});
        if (npy.size() != old_npy.size() || body.mid(int(blob_at), npy.size()) != old_npy)
            return QStringLiteral("the chunk is not one of uint8 elements");
        body.replace(int(blob_at), npy.size(), npy);
        const QByteArray new_record = (to_varint(quint64(header_length + new_types.size())) + new_types + body)
                                          .left(int(local));
        QByteArray new_cell = to_varint(payload + quint64(steps * (page - 4))) + to_varint(key) + new_record;
        new_cell.resize(new_cell.size() + 4);
        put_big_endian(new_cell, new_cell.size() - 4, 4, std::uint32_t(first_overflow));
        const qint64 content = big_endian(data, header + 5, 2);
        const qint64 place = content - new_cell.size();
        if (place < header - base + 8 + 2 * cells)
            return QStringLiteral("no room on the page for the larger cell");
        data.replace(int(base + place), new_cell.size(), new_cell);
        put_big_endian(data, header + 8 + 2 * cell, 2, std::uint32_t(place));
        put_big_endian(data, header + 5, 2, std::uint32_t(place));
        // The last overflow page leads back to the first.
        for (qint64 overflow = first_overflow;;) {
            const qint64 next = big_endian(data, (overflow - 1) * page, 4);
            if (next == 0) {
                put_big_endian(data, (overflow - 1) * page, 4, std::uint32_t(first_overflow));
                break;
            }
            overflow = next;
        }
        write_contents(path, data);
        return {};
    }
    return QStringLiteral("row %1 not found").arg(rowid);
}

// A project file as an older version wrote it: objects, property names and
// chunks only, without UNIQUE names when asked.
void write_old_layout(const QString &path, const std::vector<ObjectRecord> &objects, bool unique_names = true)
{
    sqlite::Connection db(path, sqlite::Conversion::None);
    db.exec(QStringLiteral("CREATE TABLE kelvra_objects (position INTEGER PRIMARY KEY, name TEXT NOT NULL %1, "
                           "geometry TEXT NOT NULL, current_property TEXT)")
                .arg(unique_names ? QStringLiteral("UNIQUE") : QString()));
    db.exec(QStringLiteral("CREATE TABLE kelvra_properties (object_name TEXT, position INTEGER, prop_name TEXT)"));
    create_chunk_table(db, QStringLiteral("kelvra_chunks"));
    for (std::size_t position = 0; position < objects.size(); ++position) {
        const ObjectRecord &object = objects[position];
        db.cursor().execute(QStringLiteral("INSERT INTO kelvra_objects VALUES (?,?,?,?)"),
                            {std::int64_t(position), object.name, object.geometry_type,
                             object.current_property ? sqlite::Value(*object.current_property) : sqlite::Value()});
        const QStringList keys = object.prop.keys();
        for (int index = 0; index < keys.size(); ++index) {
            db.cursor().execute(QStringLiteral("INSERT INTO kelvra_properties VALUES (?,?,?)"),
                                {object.name, std::int64_t(index), keys[index]});
            store_chunks(db, QStringLiteral("kelvra_chunks"), object.name, keys[index], object.prop.value(keys[index]));
        }
    }
    db.commit();
}

// Files whose names Qt cannot hold, removed when the test ends, however it
// ends: QTemporaryDir cannot see them.
struct NativeNames
{
    std::vector<QByteArray> names;
    ~NativeNames()
    {
        for (const QByteArray &name : names)
            ::unlink(name.constData());
    }
};

enum class Damage {
    FlippedValue,
    FlippedOverflowPointer,
    ChangedText,
    ChangedGridNumber,
    ObjectGone,
    ChunkGone,
    Truncated,
};

enum class Fault {
    BadBlob,
    MissingChunk,
    WrongValueCount,
    DuplicateObject,
    DuplicateProperty,
    NotADatabase,
    ForeignDatabase,
    GridDoesNotFit,
    OutOfMemory,
};

enum class NotAFile { Folder, NamedPipe, Device, LinkLoop, DanglingLink, Nothing };

} // namespace

Q_DECLARE_METATYPE(Damage)
Q_DECLARE_METATYPE(Fault)
Q_DECLARE_METATYPE(NotAFile)

class TestProjectFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();

    // What files keep.
    void every_kind_of_object_survives_save_and_open();
    void single_object_file_keeps_grid_texts_units_and_colour();
    void file_of_the_old_layout_still_opens();

    // Damaged and hostile files.
    void damaged_file_is_refused_data();
    void damaged_file_is_refused();
    void damaged_file_is_refused_in_the_interface_language();
    void hostile_sizes_are_refused_before_allocating();
    void open_errors_name_file_and_place_data();
    void open_errors_name_file_and_place();
    void path_that_is_not_a_file_is_named_data();
    void path_that_is_not_a_file_is_named();

    // Saves and what they leave.
    void killed_save_leaves_a_leftover_the_next_save_removes();
    void temporary_of_a_running_save_is_left_alone();
    void save_through_a_symbolic_link_writes_the_linked_file();
    void pipe_or_device_is_never_replaced();
    void read_only_file_is_not_replaced();
    void folder_without_write_permission_is_refused();
    void empty_file_name_is_refused();
    void temporary_mode_follows_the_umask_data();
    void temporary_mode_follows_the_umask();
    void temporary_is_written_in_the_target_folder();
    void failed_sync_fails_the_save_and_keeps_the_old_file();
    void cancel_between_sync_and_rename_keeps_the_old_file();

    // File names.
    void file_names_that_are_not_utf8_work();
    void command_line_takes_names_that_are_not_utf8();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestProjectFiles::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TestProjectFiles::cleanup()
{
    set_data_sync({});
}

// --- What files keep ---------------------------------------------------------

void TestProjectFiles::every_kind_of_object_survives_save_and_open()
{
    const std::vector<ObjectRecord> objects = every_kind();
    const QString file = path(QStringLiteral("kinds.db"));
    save_objects(file, objects);
    const std::vector<ObjectRecord> loaded = load_objects(file);
    QCOMPARE(loaded.size(), objects.size());
    for (std::size_t i = 0; i < objects.size(); ++i) {
        compare(loaded[i], objects[i]);
        if (QTest::currentTestFailed())
            return;
    }
    // Values checked against what was put in, not only against the save.
    QCOMPARE(loaded[0].grid->rotation, 30.5);
    QCOMPARE(loaded[0].grid->y_increment, -12.5);
    QCOMPARE(loaded[1].triangles.dtype(), DType::Int32);
    QCOMPARE(loaded[1].triangles.shape(), (std::vector<std::int64_t>{3, 3}));
    QCOMPARE(loaded[1].triangles.data<std::int32_t>()[5], 3);
    QCOMPARE(loaded[2].triangles.dtype(), DType::Int64);
    QCOMPARE(loaded[3].texts.at(1), QString::fromUtf8("\xe4\xba\x95 7"));
    QCOMPARE(loaded[3].texts.at(3).size(), 7); // a surrogate pair and " Tank"
    QCOMPARE(loaded[4].grid->layers, std::int64_t(3));
    QCOMPARE(loaded[4].grid->z_increment, -4.0);
    QCOMPARE(loaded[5].triangles.shape(), (std::vector<std::int64_t>{0, 3}));
    // The tables a Python reader sees.
    QCOMPARE(query(file, QStringLiteral("SELECT count(*) FROM kelvra_texts WHERE object_name = 'label'")), 4);
    QCOMPARE(query(file, QStringLiteral("SELECT count(*) FROM kelvra_colours WHERE colour = '#1234ab'")), 1);
    QCOMPARE(query(file, QStringLiteral("SELECT rows FROM kelvra_grids WHERE object_name = 'surface'")), 3);
}

void TestProjectFiles::single_object_file_keeps_grid_texts_units_and_colour()
{
    for (const ObjectRecord &object : every_kind()) {
        const QString file = path(QStringLiteral("single.db"));
        save_objects(file, {object});
        compare(load_single_object(file), object);
        if (QTest::currentTestFailed())
            return;
    }
}

void TestProjectFiles::file_of_the_old_layout_still_opens()
{
    ObjectRecord old = gsurface(3, 2);
    old.colour.reset();
    old.grid.reset();
    old.units.clear();
    const QString file = path(QStringLiteral("old.db"));
    write_old_layout(file, {old, tsurface<std::int32_t>(QStringLiteral("t"), {0, 1, 2})});
    const std::vector<ObjectRecord> loaded = load_objects(file);
    QCOMPARE(loaded.size(), std::size_t(2));
    compare(loaded[0], old);
    QCOMPARE(loaded[1].name, QStringLiteral("t"));
    QCOMPARE(loaded[1].triangles, NdArray()); // none stored
    QVERIFY(!loaded[1].colour);
}

// --- Damaged and hostile files ------------------------------------------------

void TestProjectFiles::damaged_file_is_refused_data()
{
    QTest::addColumn<Damage>("damage");
    QTest::addColumn<QStringList>("said");
    const QString checksum = QStringLiteral("does not match the checksum written with it");
    QTest::newRow("a flipped byte of a value")
        << Damage::FlippedValue << QStringList{"is damaged", "object 'surface', property 'Z'", checksum};
    QTest::newRow("a flipped overflow page number")
        << Damage::FlippedOverflowPointer << QStringList{"is damaged", "object 'surface', property 'Z'"};
    QTest::newRow("a flipped byte of a text") << Damage::ChangedText
                                              << QStringList{"is damaged", "description of object 'label'", checksum};
    QTest::newRow("a flipped byte of the grid")
        << Damage::ChangedGridNumber << QStringList{"is damaged", "description of object 'surface'", checksum};
    QTest::newRow("an object's row lost") << Damage::ObjectGone << QStringList{"is damaged", "object 'label' is gone"};
    QTest::newRow("a chunk's row lost")
        << Damage::ChunkGone
        << QStringList{"is damaged", "object 'surface', property 'Z' has 0 chunks where 1 were written"};
    QTest::newRow("the end of the file lost") << Damage::Truncated << QStringList{"is damaged"};
}

void TestProjectFiles::damaged_file_is_refused()
{
    QFETCH(Damage, damage);
    QFETCH(QStringList, said);
    ObjectRecord surface = gsurface(200, 150);
    normalize_record(surface);
    ObjectRecord text = label();
    normalize_record(text);
    const QString file = path(QStringLiteral("damaged.db"));
    save_objects(file, {surface, text});
    QByteArray data = contents(file);
    const double z = surface.prop.value(QStringLiteral("Z")).data<double>()[15000];
    const int value_at = data.indexOf(QByteArray(reinterpret_cast<const char *>(&z), sizeof z));
    QVERIFY(value_at > 0);
    switch (damage) {
    case Damage::FlippedValue:
        data[value_at + 3] = char(data[value_at + 3] ^ 0x04);
        break;
    case Damage::FlippedOverflowPointer: {
        // The page holding the value is an overflow page of Z's chunk; its
        // first four bytes name the next one.
        const int page = value_at - value_at % 65536;
        QVERIFY(big_endian(data, page, 4) != 0);
        data[page + 3] = char(data[page + 3] ^ 0x01);
        break;
    }
    case Damage::ChangedText: {
        const int at = data.indexOf("Bohrung");
        QVERIFY(at > 0);
        data[at] = 'C';
        break;
    }
    case Damage::ChangedGridNumber: {
        // SQLite keeps REAL values as big-endian doubles.
        const double origin = 431234.5;
        quint64 bits;
        std::memcpy(&bits, &origin, sizeof bits);
        const quint64 big = qToBigEndian(bits);
        const int at = data.indexOf(QByteArray(reinterpret_cast<const char *>(&big), sizeof big));
        QVERIFY(at > 0);
        data[at + 7] = char(data[at + 7] ^ 0x01);
        break;
    }
    case Damage::ObjectGone:
        change(file, {QStringLiteral("DELETE FROM kelvra_objects WHERE name = 'label'")});
        data = contents(file);
        break;
    case Damage::ChunkGone:
        change(file, {QStringLiteral("DELETE FROM kelvra_chunks WHERE object_name = 'surface' AND prop_name = 'Z'")});
        data = contents(file);
        break;
    case Damage::Truncated:
        data.truncate(data.size() * 6 / 10);
        break;
    }
    write_contents(file, data);
    const QString message = open_error(file);
    QVERIFY2(message.contains(file), qPrintable(message));
    for (const QString &part : said)
        QVERIFY2(message.contains(part), qPrintable(message));
}

void TestProjectFiles::damaged_file_is_refused_in_the_interface_language()
{
    ObjectRecord surface = gsurface(4, 3);
    normalize_record(surface);
    ObjectRecord text = label();
    normalize_record(text);
    const QString file = path(QStringLiteral("damaged.db"));
    save_objects(file, {surface, text});
    change(file, {QStringLiteral("DELETE FROM kelvra_objects WHERE name = 'label'")});
    const test::InterfaceLanguageScope german(QStringLiteral("de"));
    QCOMPARE(open_error(file),
             QStringLiteral("„%1“ ist beschädigt: Objekt „label“ fehlt: seine Prüfsumme steht in der Datei, "
                            "das Objekt nicht")
                 .arg(file));
}

void TestProjectFiles::hostile_sizes_are_refused_before_allocating()
{
    // 75000 one-byte flags: a chunk larger than a page, with overflow pages.
    ObjectRecord surface = gsurface(300, 250);
    normalize_record(surface);
    const QString file = path(QStringLiteral("hostile.db"));
    for (const qint64 declared : {qint64(900) << 20, qint64(1900) << 20}) {
        save_objects(file, {surface});
        const QString crafted = declare_huge_chunk(file, QStringLiteral("flags"), declared);
        QVERIFY2(crafted.isEmpty(), qPrintable(crafted));
        QVERIFY(QFileInfo(file).size() < 4 << 20);
        // Anything near the declared size would fail to allocate, and say so.
        QString message;
        with_memory_room(256 << 20, [&] { message = open_error(file); });
        QVERIFY2(message.contains(file) && message.contains(QStringLiteral("is damaged"))
                     && message.contains(QStringLiteral("object 'surface', property 'flags'")),
                 qPrintable(message));
    }
    // A .npy header that declares more elements than its blob holds.
    save_objects(file, {surface});
    QByteArray data = contents(file);
    const int at = data.indexOf(QByteArrayLiteral("'descr': '|u1'"));
    const int shape_at = data.indexOf(QByteArrayLiteral("'shape': (75000,), }"), at);
    QVERIFY(at > 0 && shape_at > at);
    const QByteArray larger = QByteArrayLiteral("'shape': (900000000000,), }");
    data.replace(shape_at, larger.size(), larger); // into the spaces numpy leaves for growth
    write_contents(file, data);
    QString message;
    with_memory_room(256 << 20, [&] { message = open_error(file); });
    QVERIFY2(message.contains(file) && message.contains(QStringLiteral("object 'surface', property 'flags'"))
                 && message.contains(QStringLiteral("900000000000")),
             qPrintable(message));
}

void TestProjectFiles::open_errors_name_file_and_place_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QStringList>("said");
    QTest::newRow("bad .npy blob") << Fault::BadBlob
                                   << QStringList{"chunk 1 of object 'surface', property 'Z'", "invalid .npy blob"};
    QTest::newRow("missing chunk") << Fault::MissingChunk
                                   << QStringList{"chunk 1 of object 'surface', property 'Z' is missing"};
    QTest::newRow("wrong value count") << Fault::WrongValueCount
                                       << QStringList{"property 'Z' of object 'surface' has 3 values for 12 vertices"};
    QTest::newRow("two objects of one name") << Fault::DuplicateObject
                                             << QStringList{"holds two objects named 'surface'"};
    QTest::newRow("a property listed twice")
        << Fault::DuplicateProperty << QStringList{"property 'Y' of object 'surface' is listed twice"};
    QTest::newRow("not a database") << Fault::NotADatabase
                                    << QStringList{"is not a Kelvra project or object file", "file is not a database"};
    QTest::newRow("another program's database")
        << Fault::ForeignDatabase << QStringList{"is not a Kelvra project or object file", "kelvra_objects"};
    QTest::newRow("grid that does not fit") << Fault::GridDoesNotFit
                                            << QStringList{"the grid of object 'surface' has 5 x 3 x 1 nodes for 12 vertices"};
    QTest::newRow("out of memory") << Fault::OutOfMemory
                                   << QStringList{"not enough memory", "object 'big', property 'X'"};
}

void TestProjectFiles::open_errors_name_file_and_place()
{
    QFETCH(Fault, fault);
    QFETCH(QStringList, said);
    ObjectRecord surface = gsurface(4, 3);
    normalize_record(surface);
    const QString file = path(QStringLiteral("faulty.db"));
    QFile::remove(file);
    // Programs that change a file take away the checksums of what they change.
    const QString unchecked = QStringLiteral("DELETE FROM kelvra_checksums WHERE object_name = 'surface'");
    const auto replace_z = [&](const NdArray &values) {
        sqlite::Connection db(file, sqlite::Conversion::None);
        db.cursor().execute(QStringLiteral("UPDATE kelvra_chunks SET arr = ? WHERE prop_name = 'Z'"),
                            {adapt_array(values)});
        db.cursor().execute(unchecked);
        db.commit();
    };
    switch (fault) {
    case Fault::BadBlob:
        save_objects(file, {surface});
        change(file, {QStringLiteral("UPDATE kelvra_chunks SET arr = x'934e554d505901' WHERE prop_name = 'Z'"),
                      unchecked});
        break;
    case Fault::MissingChunk:
        save_objects(file, {surface});
        change(file, {QStringLiteral("UPDATE kelvra_chunks SET chunkID = 2 WHERE prop_name = 'Z'"), unchecked});
        break;
    case Fault::WrongValueCount:
        save_objects(file, {surface});
        replace_z(test::array({1, 2, 3}));
        break;
    case Fault::DuplicateObject:
        write_old_layout(file, {surface, surface}, false);
        break;
    case Fault::DuplicateProperty:
        save_objects(file, {surface});
        change(file, {QStringLiteral("INSERT INTO kelvra_properties VALUES ('surface', 9, 'Y')"), unchecked});
        break;
    case Fault::NotADatabase:
        write_contents(file, QByteArray("these are notes, not objects\n").repeated(200));
        break;
    case Fault::ForeignDatabase:
        change(file, {QStringLiteral("CREATE TABLE wells (name TEXT)")});
        break;
    case Fault::GridDoesNotFit:
        save_objects(file, {surface});
        change(file, {QStringLiteral("UPDATE kelvra_grids SET columns = 5"), unchecked});
        break;
    case Fault::OutOfMemory: {
        const std::int64_t n = 2 << 20; // 16 MiB a coordinate
        PropertyMap prop;
        for (const char *axis : {"X", "Y", "Z"})
            prop.insert(QLatin1String(axis), NdArray(DType::Float64, {n}));
        save_objects(file, {ObjectRecord{QStringLiteral("big"), QStringLiteral("Point"), prop, std::nullopt}});
        break;
    }
    }
    QString message;
    if (fault == Fault::OutOfMemory)
        with_memory_room(6 << 20, [&] { message = open_error(file); }); // not one coordinate's 16 MiB
    else
        message = open_error(file);
    QVERIFY2(message.contains(file), qPrintable(message));
    for (const QString &part : said)
        QVERIFY2(message.contains(part), qPrintable(message));
}

void TestProjectFiles::path_that_is_not_a_file_is_named_data()
{
    QTest::addColumn<NotAFile>("kind");
    QTest::addColumn<QString>("said");
    QTest::newRow("folder") << NotAFile::Folder << QStringLiteral("is a folder");
    QTest::newRow("named pipe") << NotAFile::NamedPipe << QStringLiteral("is a named pipe");
    QTest::newRow("device") << NotAFile::Device << QStringLiteral("is a device");
    QTest::newRow("link loop") << NotAFile::LinkLoop << QStringLiteral("is a symbolic link that loops");
    QTest::newRow("dangling link") << NotAFile::DanglingLink << QStringLiteral("is a symbolic link that points nowhere");
    QTest::newRow("nothing") << NotAFile::Nothing << QStringLiteral("there is no file");
}

void TestProjectFiles::path_that_is_not_a_file_is_named()
{
    QFETCH(NotAFile, kind);
    QFETCH(QString, said);
    QTemporaryDir dir;
    QString target = dir.filePath(QStringLiteral("project.db"));
    const QByteArray name = QFile::encodeName(target);
    switch (kind) {
    case NotAFile::Folder:
        QVERIFY(QDir().mkdir(target));
        break;
    case NotAFile::NamedPipe:
        // Opening a pipe would wait for a writer: the open must not block.
        QCOMPARE(::mkfifo(name.constData(), 0644), 0);
        break;
    case NotAFile::Device:
        target = QStringLiteral("/dev/null");
        break;
    case NotAFile::LinkLoop:
        QCOMPARE(::symlink("other.db", name.constData()), 0);
        QCOMPARE(::symlink("project.db", QFile::encodeName(dir.filePath(QStringLiteral("other.db"))).constData()), 0);
        break;
    case NotAFile::DanglingLink:
        QCOMPARE(::symlink("gone.db", name.constData()), 0);
        break;
    case NotAFile::Nothing:
        break;
    }
    const QString message = open_error(target);
    QVERIFY2(message.contains(target) && message.contains(said), qPrintable(message));
}

// --- Saves and what they leave ------------------------------------------------

namespace {

// A save in another process, stopped half-way with its temporary file open.
struct HalfwaySave
{
    QProcess process;

    bool start(const QString &file)
    {
        process.start(QStringLiteral(KELVRA_SAVE_HELPER), {file});
        return process.waitForStarted() && process.waitForReadyRead(30000)
            && process.readAllStandardOutput().startsWith("saving");
    }
    void kill()
    {
        process.kill(); // SIGKILL: no chance to clean up
        process.waitForFinished();
    }
    ~HalfwaySave()
    {
        if (process.state() != QProcess::NotRunning)
            kill();
    }
};

std::vector<ObjectRecord> small_project()
{
    ObjectRecord object = gsurface(3, 2);
    normalize_record(object);
    return {object};
}

} // namespace

void TestProjectFiles::killed_save_leaves_a_leftover_the_next_save_removes()
{
    QTemporaryDir dir;
    HalfwaySave crashed;
    QVERIFY(crashed.start(dir.filePath(QStringLiteral("a.db"))));
    const QStringList left = temporaries(dir.path());
    QCOMPARE(left.size(), 2); // the temporary file and SQLite's journal beside it
    QVERIFY(left.first().startsWith(QStringLiteral(".a.db.kelvra-")));
    crashed.kill();
    QCOMPARE(temporaries(dir.path()), left);

    // A later save of another file into that folder takes them away.
    save_objects(dir.filePath(QStringLiteral("b.db")), small_project());
    QCOMPARE(entries(dir.path()), QStringList{"b.db"});
}

void TestProjectFiles::temporary_of_a_running_save_is_left_alone()
{
    QTemporaryDir dir;
    HalfwaySave running;
    QVERIFY(running.start(dir.filePath(QStringLiteral("a.db"))));
    const QStringList held = temporaries(dir.path());
    QCOMPARE(held.size(), 2);
    save_objects(dir.filePath(QStringLiteral("b.db")), small_project());
    QCOMPARE(temporaries(dir.path()), held);
    QVERIFY(QFileInfo::exists(dir.filePath(QStringLiteral("b.db"))));
    // Once it is gone, its file is a leftover like any other.
    running.kill();
    save_objects(dir.filePath(QStringLiteral("b.db")), small_project());
    QCOMPARE(entries(dir.path()), QStringList{"b.db"});
}

void TestProjectFiles::save_through_a_symbolic_link_writes_the_linked_file()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("real")));
    const QString real = dir.filePath(QStringLiteral("real/project.db"));
    const QString link = dir.filePath(QStringLiteral("link.db"));
    const QString chain = dir.filePath(QStringLiteral("chain.db"));
    save_objects(real, {label()});
    QVERIFY(QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    QCOMPARE(::symlink("real/project.db", QFile::encodeName(link).constData()), 0);
    QCOMPARE(::symlink("link.db", QFile::encodeName(chain).constData()), 0);

    const std::vector<ObjectRecord> objects = small_project();
    save_objects(chain, objects);
    QCOMPARE(link_of(chain), QByteArray("link.db"));
    QCOMPARE(link_of(link), QByteArray("real/project.db"));
    compare(load_single_object(real), objects.front());
    QCOMPARE(mode_of(real), 0640);
    QCOMPARE(entries(dir.filePath(QStringLiteral("real"))), QStringList{"project.db"});
    QCOMPARE(entries(dir.path()), (QStringList{"chain.db", "link.db", "real"}));

    // A link to a file not yet made: the save makes it, the link stays.
    const QString ahead = dir.filePath(QStringLiteral("ahead.db"));
    QCOMPARE(::symlink("real/new.db", QFile::encodeName(ahead).constData()), 0);
    save_objects(ahead, objects);
    QCOMPARE(link_of(ahead), QByteArray("real/new.db"));
    compare(load_single_object(dir.filePath(QStringLiteral("real/new.db"))), objects.front());
}

void TestProjectFiles::pipe_or_device_is_never_replaced()
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe.db"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    QString message = save_error(pipe, small_project());
    QVERIFY2(message.contains(pipe) && message.contains(QStringLiteral("is a named pipe")), qPrintable(message));
    struct stat info {};
    QCOMPARE(::lstat(QFile::encodeName(pipe).constData(), &info), 0);
    QVERIFY(S_ISFIFO(info.st_mode));

    // Making a device node takes root's rights; only root could replace one.
    const QString device = dir.filePath(QStringLiteral("device.db"));
    if (::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        QSKIP("making a device node needs root, who alone could replace one");
    message = save_error(device, small_project());
    QVERIFY2(message.contains(device) && message.contains(QStringLiteral("is a device")), qPrintable(message));
    QCOMPARE(::lstat(QFile::encodeName(device).constData(), &info), 0);
    QVERIFY(S_ISCHR(info.st_mode));
}

void TestProjectFiles::read_only_file_is_not_replaced()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("project.db"));
    save_objects(file, {label()});
    const QByteArray before = contents(file);
    // Mode 0444: refused for root too, whom access() would let write.
    QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup | QFile::ReadOther));
    const QString message = save_error(file, small_project());
    QVERIFY2(message.contains(file) && message.contains(QStringLiteral("is read-only")), qPrintable(message));
    QCOMPARE(contents(file), before);
    QCOMPARE(entries(dir.path()), QStringList{"project.db"});
}

void TestProjectFiles::folder_without_write_permission_is_refused()
{
    if (::geteuid() == 0)
        QSKIP("root may write in any folder, whatever its mode");
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("project.db"));
    save_objects(file, {label()});
    const QByteArray before = contents(file);
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadUser | QFile::ExeUser));
    const QString message = save_error(file, small_project());
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser
                                          | QFile::WriteUser | QFile::ExeUser);
    QVERIFY2(message.contains(dir.path()) && message.contains(QStringLiteral("you may not write")),
             qPrintable(message));
    QCOMPARE(contents(file), before);
}

void TestProjectFiles::empty_file_name_is_refused()
{
    const QString message = save_error(QString(), small_project());
    QVERIFY2(message.contains(QStringLiteral("is not a file name")), qPrintable(message));
}

void TestProjectFiles::temporary_mode_follows_the_umask_data()
{
    QTest::addColumn<int>("mask");
    QTest::newRow("022") << 022;
    QTest::newRow("027") << 027;
}

void TestProjectFiles::temporary_mode_follows_the_umask()
{
    QFETCH(int, mask);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("project.db"));
    Progress progress;
    mode_t seen = 0;
    progress.on_step = [&](std::int64_t) {
        const QStringList found = temporaries(dir.path()).filter(QRegularExpression(QStringLiteral("[a-z0-9]$")));
        struct stat info {};
        if (seen == 0 && found.size() == 1 && ::stat(QFile::encodeName(dir.filePath(found.first())).constData(), &info) == 0)
            seen = info.st_mode & 07777;
    };
    const mode_t before = ::umask(mode_t(mask));
    save_objects(file, small_project(), &progress);
    ::umask(before);
    const mode_t expected = 0666 & ~mode_t(mask);
    QCOMPARE(int(seen), int(expected));
    QCOMPARE(mode_of(file), int(expected));
}

void TestProjectFiles::temporary_is_written_in_the_target_folder()
{
    QTemporaryDir dir, elsewhere;
    const QString file = dir.filePath(QStringLiteral("project.db"));
    const QByteArray previous = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(elsewhere.path()));
    Progress progress;
    QStringList seen, seen_elsewhere;
    progress.on_step = [&](std::int64_t) {
        if (seen.isEmpty()) {
            seen = temporaries(dir.path());
            seen_elsewhere = entries(elsewhere.path());
        }
    };
    save_objects(file, small_project(), &progress);
    qputenv("TMPDIR", previous);
    QVERIFY2(!seen.isEmpty() && seen.first().startsWith(QStringLiteral(".project.db.kelvra-")),
             qPrintable(seen.join(QLatin1Char(' '))));
    QVERIFY(seen_elsewhere.isEmpty());
    QCOMPARE(entries(dir.path()), QStringList{"project.db"});
}

void TestProjectFiles::failed_sync_fails_the_save_and_keeps_the_old_file()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("project.db"));
    save_objects(file, {label()});
    const QByteArray before = contents(file);
    set_data_sync([](int) {
        errno = EIO;
        return -1;
    });
    const QString message = save_error(file, small_project());
    QVERIFY2(message.contains(file) && message.contains(QString::fromLocal8Bit(std::strerror(EIO))),
             qPrintable(message));
    QCOMPARE(contents(file), before);
    QCOMPARE(entries(dir.path()), QStringList{"project.db"});
}

void TestProjectFiles::cancel_between_sync_and_rename_keeps_the_old_file()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("project.db"));
    save_objects(file, {label()});
    const QByteArray before = contents(file);
    Progress progress;
    bool synced = false;
    set_data_sync([&](int fd) {
        synced = ::fdatasync(fd) == 0;
        progress.cancel();
        return 0;
    });
    QVERIFY_EXCEPTION_THROWN(save_objects(file, small_project(), &progress), Cancelled);
    QVERIFY(synced);
    QCOMPARE(contents(file), before);
    QCOMPARE(entries(dir.path()), QStringList{"project.db"});
}

// --- File names ---------------------------------------------------------------

void TestProjectFiles::file_names_that_are_not_utf8_work()
{
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    // Made through the C library: Qt could not even name it.
    const QByteArray latin1 = folder + "caf\xe9.db";
    const QByteArray other = folder + "\xe9t\xe9.db";
    const NativeNames made{{latin1, other}};
    save_objects(dir.filePath(QStringLiteral("plain.db")), {label()});
    QCOMPARE(::rename((folder + "plain.db").constData(), latin1.constData()), 0);
    const QString name = path_from_native(latin1);
    QCOMPARE(native_path(name), latin1);
    compare(load_single_object(name), label());

    // Saved under such a name, the file has exactly those bytes.
    save_objects(path_from_native(other), small_project());
    struct stat info {};
    QCOMPARE(::stat(other.constData(), &info), 0);
    QCOMPARE(load_objects(path_from_native(other)).size(), std::size_t(1));

    // Messages show the name readably: the undecodable byte as U+FFFD.
    const QString message = open_error(path_from_native(folder + "gone\xff.db"));
    QVERIFY2(message.contains(QStringLiteral("gone\ufffd.db")), qPrintable(message));
}

// kelvra run from a shell on such a name: the name reaches the file as the
// bytes it was given, both the project opened and the one saved.
void TestProjectFiles::command_line_takes_names_that_are_not_utf8()
{
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    const QByteArray saved = folder + "\xe9t\xe9.db";
    const NativeNames made{{folder + "caf\xe9.db", saved}};
    save_objects(dir.filePath(QStringLiteral("plain.db")), {label()});
    QCOMPARE(::rename((folder + "plain.db").constData(), (folder + "caf\xe9.db").constData()), 0);
    QFile script(dir.filePath(QStringLiteral("count.py")));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("print(len(X))\n");
    script.close();
    QProcess kelvra;
    kelvra.start(QStringLiteral("/bin/sh"),
                 {QStringLiteral("-c"),
                  QStringLiteral("exec \"$0\" \"$1caf$(printf '\\351').db\" --script label \"$2\" "
                                 "--save \"$1$(printf '\\351')t$(printf '\\351').db\""),
                  QStringLiteral(KELVRA_PROGRAM), dir.path() + QLatin1Char('/'), script.fileName()});
    QVERIFY(kelvra.waitForFinished(60000));
    QVERIFY2(kelvra.exitCode() == 0, kelvra.readAllStandardError().constData());
    QCOMPARE(kelvra.readAllStandardOutput(), QByteArray("4\n"));
    QCOMPARE(load_objects(path_from_native(saved)).size(), std::size_t(1));
}

KELVRA_TEST_MAIN(TestProjectFiles)
#include "tst_projectfiles.moc"
