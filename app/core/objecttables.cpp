#include "app/core/objecttables.h"

#include "host/translation.h"
#include "utils/crc32c.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <limits>
#include <utility>

namespace kelvra::app::tables {

const QString kChunks = QStringLiteral("kelvra_chunks");
const QString kTopology = QStringLiteral("kelvra_topology");

namespace {

const QString kObjects = QStringLiteral("kelvra_objects");
const QString kProperties = QStringLiteral("kelvra_properties");
const QString kColours = QStringLiteral("kelvra_colours");
const QString kGrids = QStringLiteral("kelvra_grids");
const QString kTexts = QStringLiteral("kelvra_texts");
const QString kUnits = QStringLiteral("kelvra_units");
const QString kChecksums = QStringLiteral("kelvra_checksums");
const QString kTriangles = QStringLiteral("triangles");

// Texts go in batches of rows, so that a Label of millions of vertices
// needs no second copy of its texts at once.
constexpr std::size_t kTextBatch = 4096;

QString colour_text(QRgb colour)
{
    return QStringLiteral("#%1").arg(colour & 0xffffffu, 6, 16, QLatin1Char('0'));
}

// The CRC-32C of a sequence of values, each tagged with its kind and, for
// texts, its length, so that no two different sequences run together into
// the same bytes.
class Digest
{
public:
    void add(const QString &text)
    {
        const QByteArray utf8 = text.toUtf8();
        tag('s');
        add_raw(std::int64_t(utf8.size()));
        feed(utf8.constData(), std::size_t(utf8.size()));
    }
    void add(std::int64_t value)
    {
        tag('i');
        add_raw(value);
    }
    void add(double value)
    {
        // SQLite keeps -0.0 as the integer 0 and gives back +0.0.
        value += 0.0;
        tag('r');
        quint64 bits;
        std::memcpy(&bits, &value, sizeof bits);
        add_raw(std::int64_t(bits));
    }
    void add(const std::optional<QString> &text)
    {
        if (text)
            add(*text);
        else
            tag('n');
    }
    std::uint32_t value() const { return m_crc; }

private:
    void tag(char kind) { feed(&kind, 1); }
    void add_raw(std::int64_t value)
    {
        const qint64 little = qToLittleEndian(qint64(value));
        feed(&little, sizeof little);
    }
    void feed(const void *data, std::size_t size) { m_crc = crc32c(m_crc, data, size); }

    std::uint32_t m_crc = 0;
};

// The checksum of everything the small tables say about an object: its
// place, name, geometry type, current property, property names, colour (as
// the text stored), grid, texts, units and whether it has triangles.
std::uint32_t description_checksum(std::int64_t position, const ObjectRecord &object,
                                   const std::optional<QString> &colour, bool triangles)
{
    Digest digest;
    digest.add(position);
    digest.add(object.name);
    digest.add(object.geometry_type);
    digest.add(object.current_property);
    const QStringList keys = object.prop.keys();
    digest.add(std::int64_t(keys.size()));
    for (const QString &key : keys)
        digest.add(key);
    digest.add(colour);
    digest.add(std::int64_t(object.grid.has_value()));
    if (const std::optional<GridGeometry> &grid = object.grid) {
        for (const std::int64_t count : {grid->columns, grid->rows, grid->layers})
            digest.add(count);
        for (const double number : {grid->x_origin, grid->y_origin, grid->x_increment, grid->y_increment,
                                    grid->rotation, grid->z_origin, grid->z_increment})
            digest.add(number);
    }
    digest.add(std::int64_t(object.texts.size()));
    for (const QString &text : object.texts)
        digest.add(text);
    // Units in the order of their names' bytes, whatever order they came in.
    std::vector<std::pair<QByteArray, QString>> units;
    for (auto unit = object.units.begin(); unit != object.units.end(); ++unit)
        units.emplace_back(unit.key().toUtf8(), unit.value());
    std::sort(units.begin(), units.end());
    digest.add(std::int64_t(units.size()));
    for (const auto &[name, unit] : units) {
        digest.add(QString::fromUtf8(name));
        digest.add(unit);
    }
    digest.add(std::int64_t(triangles));
    return digest.value();
}

QString describe(const QString &object, const QString &prop)
{
    return _("object '%1', property '%2'").arg(object, prop);
}

QString describe_array(const QString &table, const QString &object, const QString &prop)
{
    return table == kTopology ? _("object '%1', its triangles").arg(object) : describe(object, prop);
}

void store_array(sqlite::Connection &db, const QString &table, const QString &object, const QString &prop,
                 const NdArray &values, const ChunkProgress &progress)
{
    ChunkChecksums checksums;
    store_chunks(db, table, object, prop, values, progress, &checksums);
    std::vector<sqlite::Row> rows;
    for (std::size_t chunk = 0; chunk < checksums.size(); ++chunk)
        rows.push_back({table, object, prop, std::int64_t(chunk + 1), std::int64_t(checksums[chunk])});
    db.cursor().executemany(QStringLiteral("INSERT INTO kelvra_checksums VALUES (?,?,?,?,?)"), rows);
}

const QString *text_in(const sqlite::Value &value)
{
    return std::get_if<QString>(&value);
}

std::optional<std::int64_t> integer_in(const sqlite::Value &value)
{
    if (const auto *integer = std::get_if<std::int64_t>(&value))
        return *integer;
    return std::nullopt;
}

std::optional<double> number_in(const sqlite::Value &value)
{
    if (const auto *real = std::get_if<double>(&value))
        return *real;
    if (const auto *integer = std::get_if<std::int64_t>(&value))
        return double(*integer);
    return std::nullopt;
}

std::optional<QRgb> parse_colour(const QString &text)
{
    if (text.size() != 7 || text[0] != QLatin1Char('#'))
        return std::nullopt;
    bool ok = false;
    const uint rgb = text.midRef(1).toUInt(&ok, 16);
    for (int i = 1; i < 7 && ok; ++i)
        ok = text[i].isDigit() || (text[i].toLower() >= QLatin1Char('a') && text[i].toLower() <= QLatin1Char('f'));
    return ok ? std::optional<QRgb>(qRgb(int(rgb >> 16) & 0xff, int(rgb >> 8) & 0xff, int(rgb) & 0xff))
              : std::nullopt;
}

} // namespace

bool has_triangles(const ObjectRecord &object)
{
    return object.triangles.size() > 0 || object.triangles.ndim() > 1;
}

void create(sqlite::Connection &db)
{
    db.exec(QStringLiteral("CREATE TABLE kelvra_objects (position INTEGER PRIMARY KEY, "
                           "name TEXT NOT NULL UNIQUE, geometry TEXT NOT NULL, current_property TEXT)"));
    db.exec(QStringLiteral("CREATE TABLE kelvra_properties (object_name TEXT, position INTEGER, "
                           "prop_name TEXT, PRIMARY KEY (object_name, position))"));
    create_chunk_table(db, kChunks);
    db.exec(QStringLiteral("CREATE TABLE kelvra_colours (object_name TEXT PRIMARY KEY, colour TEXT NOT NULL)"));
    db.exec(QStringLiteral("CREATE TABLE kelvra_grids (object_name TEXT PRIMARY KEY, "
                           "columns INTEGER NOT NULL, rows INTEGER NOT NULL, layers INTEGER NOT NULL, "
                           "x_origin REAL NOT NULL, y_origin REAL NOT NULL, x_increment REAL NOT NULL, "
                           "y_increment REAL NOT NULL, rotation REAL NOT NULL, z_origin REAL NOT NULL, "
                           "z_increment REAL NOT NULL)"));
    create_chunk_table(db, kTopology);
    db.exec(QStringLiteral("CREATE TABLE kelvra_texts (object_name TEXT, vertex INTEGER, text TEXT NOT NULL, "
                           "PRIMARY KEY (object_name, vertex))"));
    db.exec(QStringLiteral("CREATE TABLE kelvra_units (object_name TEXT, prop_name TEXT, unit TEXT NOT NULL, "
                           "PRIMARY KEY (object_name, prop_name))"));
    db.exec(QStringLiteral("CREATE TABLE kelvra_checksums (table_name TEXT NOT NULL, object_name TEXT NOT NULL, "
                           "prop_name TEXT NOT NULL, chunkID INTEGER NOT NULL, checksum INTEGER NOT NULL, "
                           "PRIMARY KEY (table_name, object_name, prop_name, chunkID))"));
}

void write_object(sqlite::Connection &db, std::int64_t position, const ObjectRecord &object,
                  const ChunkProgress &progress)
{
    sqlite::Cursor cursor = db.cursor();
    const QString &name = object.name;
    cursor.execute(QStringLiteral("INSERT INTO kelvra_objects VALUES (?,?,?,?)"),
                   {position, name, object.geometry_type,
                    object.current_property ? sqlite::Value(*object.current_property) : sqlite::Value()});
    const QStringList keys = object.prop.keys();
    for (int index = 0; index < keys.size(); ++index) {
        cursor.execute(QStringLiteral("INSERT INTO kelvra_properties VALUES (?,?,?)"),
                       {name, std::int64_t(index), keys[index]});
        store_array(db, kChunks, name, keys[index], object.prop.value(keys[index]), progress);
    }
    std::optional<QString> colour;
    if (object.colour) {
        colour = colour_text(*object.colour);
        cursor.execute(QStringLiteral("INSERT INTO kelvra_colours VALUES (?,?)"), {name, *colour});
    }
    if (const std::optional<GridGeometry> &grid = object.grid) {
        cursor.execute(QStringLiteral("INSERT INTO kelvra_grids VALUES (?,?,?,?,?,?,?,?,?,?,?)"),
                       {name, grid->columns, grid->rows, grid->layers, grid->x_origin, grid->y_origin,
                        grid->x_increment, grid->y_increment, grid->rotation, grid->z_origin, grid->z_increment});
    }
    if (has_triangles(object))
        store_array(db, kTopology, name, kTriangles, object.triangles, progress);
    std::vector<sqlite::Row> rows;
    for (int vertex = 0; vertex < object.texts.size(); ++vertex) {
        rows.push_back({name, std::int64_t(vertex), object.texts[vertex]});
        if (rows.size() == kTextBatch || vertex + 1 == object.texts.size()) {
            cursor.executemany(QStringLiteral("INSERT INTO kelvra_texts VALUES (?,?,?)"), rows);
            rows.clear();
        }
    }
    for (auto unit = object.units.begin(); unit != object.units.end(); ++unit)
        cursor.execute(QStringLiteral("INSERT INTO kelvra_units VALUES (?,?,?)"), {name, unit.key(), unit.value()});
    cursor.execute(QStringLiteral("INSERT INTO kelvra_checksums VALUES (?,?,'',0,?)"),
                   {kObjects, name,
                    std::int64_t(description_checksum(position, object, colour, has_triangles(object)))});
}

Reader::Reader(sqlite::Connection &db, std::int64_t budget)
    : m_db(db)
    , m_budget(budget)
{
    sqlite::Cursor cursor = m_db.cursor();
    cursor.execute(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"));
    while (const std::optional<sqlite::Row> row = next(cursor)) {
        if (const QString *name = text_in(row->at(0)))
            m_tables.insert(*name);
    }
}

bool Reader::is_object_file() const
{
    return m_tables.contains(kObjects) && m_tables.contains(kProperties) && m_tables.contains(kChunks);
}

std::optional<sqlite::Row> Reader::next(sqlite::Cursor &cursor)
{
    std::optional<sqlite::Row> row = cursor.fetchone();
    if (row) {
        // Texts and blobs are what a damaged cell can make large; the
        // UTF-16 length of a text is at most its stored UTF-8 length.
        std::int64_t bytes = 0;
        for (const sqlite::Value &value : *row) {
            if (const QString *text = text_in(value))
                bytes += text->size();
            else if (const auto *blob = std::get_if<QByteArray>(&value))
                bytes += blob->size();
        }
        charge(bytes);
    }
    return row;
}

void Reader::charge(std::int64_t bytes)
{
    if (bytes > m_budget - m_charged)
        throw FileDamaged(_("%1 holds more data than the whole file (%2 bytes)")
                              .arg(m_where.isEmpty() ? _("the file's list of objects") : m_where)
                              .arg(m_budget));
    m_charged += bytes;
}

std::vector<StoredObject> Reader::read_descriptions()
{
    struct Row
    {
        std::int64_t position;
        StoredObject object;
    };
    std::vector<Row> rows;
    QSet<QString> names;
    sqlite::Cursor cursor = m_db.cursor();
    cursor.execute(QStringLiteral("SELECT position, name, geometry, current_property FROM kelvra_objects "
                                  "ORDER BY position"));
    m_where.clear();
    while (const std::optional<sqlite::Row> row = next(cursor)) {
        const std::optional<std::int64_t> position = integer_in(row->at(0));
        const QString *name = text_in(row->at(1));
        const QString *geometry = text_in(row->at(2));
        if (!position || !name || !geometry)
            throw ValueError(_("object %1 of the file has no position, name or geometry type").arg(rows.size() + 1));
        if (names.contains(*name))
            throw ValueError(_("the file holds two objects named '%1'").arg(*name));
        names.insert(*name);
        Row stored{*position, {}};
        stored.object.record.name = *name;
        stored.object.record.geometry_type = *geometry;
        if (const QString *current = text_in(row->at(3)))
            stored.object.record.current_property = *current;
        rows.push_back(std::move(stored));
    }
    read_tables(names);
    std::vector<StoredObject> objects;
    for (Row &row : rows) {
        StoredObject &object = row.object;
        m_where = _("object '%1'").arg(object.record.name);
        const std::optional<QString> colour = read_description(object);
        check_description(row.position, object, colour);
        if (object.record.current_property && object.record.current_property->isEmpty())
            object.record.current_property.reset();
        objects.push_back(std::move(object));
    }
    m_where.clear();
    return objects;
}

void Reader::read_tables(const QSet<QString> &names)
{
    sqlite::Cursor cursor = m_db.cursor();
    // Each query yields the rows of one object after another; the name of
    // the last row's object is kept to look up the next row's quickly.
    const auto object_of = [&names](const sqlite::Value &value) -> const QString * {
        const QString *name = text_in(value);
        return name && names.contains(*name) ? name : nullptr;
    };
    cursor.execute(QStringLiteral("SELECT object_name, prop_name FROM kelvra_properties ORDER BY object_name, position"));
    while (const std::optional<sqlite::Row> row = next(cursor)) {
        if (const QString *name = object_of(row->at(0))) {
            const QString *key = text_in(row->at(1));
            m_properties[*name].push_back(key ? std::optional<QString>(*key) : std::nullopt);
        }
    }
    if (m_tables.contains(kColours)) {
        cursor.execute(QStringLiteral("SELECT object_name, colour FROM kelvra_colours"));
        while (const std::optional<sqlite::Row> row = next(cursor)) {
            if (const QString *name = object_of(row->at(0)); name && !m_colours.contains(*name)) {
                const QString *text = text_in(row->at(1));
                m_colours.insert(*name, text ? std::optional<QString>(*text) : std::nullopt);
            }
        }
    }
    if (m_tables.contains(kGrids)) {
        cursor.execute(QStringLiteral("SELECT object_name, columns, rows, layers, x_origin, y_origin, x_increment, "
                                      "y_increment, rotation, z_origin, z_increment FROM kelvra_grids"));
        while (std::optional<sqlite::Row> row = next(cursor)) {
            if (const QString *name = object_of(row->at(0)); name && !m_grids.contains(*name)) {
                const QString key = *name;
                row->erase(row->begin());
                m_grids.insert(key, std::move(*row));
            }
        }
    }
    if (m_tables.contains(kTopology)) {
        cursor.execute(QStringLiteral("SELECT DISTINCT object_name FROM kelvra_topology WHERE prop_name = ?"),
                       {kTriangles});
        while (const std::optional<sqlite::Row> row = next(cursor)) {
            if (const QString *name = object_of(row->at(0)))
                m_triangles.insert(*name);
        }
    }
    if (m_tables.contains(kTexts)) {
        cursor.execute(QStringLiteral("SELECT object_name, vertex, text FROM kelvra_texts ORDER BY object_name, vertex"));
        Texts *texts = nullptr;
        QString current;
        while (const std::optional<sqlite::Row> row = next(cursor)) {
            const QString *name = object_of(row->at(0));
            if (!name)
                continue;
            if (!texts || *name != current) {
                current = *name;
                texts = &m_texts[current];
            }
            const QString *text = text_in(row->at(2));
            texts->in_order = texts->in_order && text && integer_in(row->at(1)) == std::int64_t(texts->texts.size());
            if (texts->in_order)
                texts->texts << *text;
        }
    }
    if (m_tables.contains(kUnits)) {
        cursor.execute(QStringLiteral("SELECT object_name, prop_name, unit FROM kelvra_units"));
        while (const std::optional<sqlite::Row> row = next(cursor)) {
            if (const QString *name = object_of(row->at(0))) {
                Units &units = m_units[*name];
                const QString *prop = text_in(row->at(1));
                const QString *unit = text_in(row->at(2));
                units.complete = units.complete && prop && unit;
                if (units.complete)
                    units.units.insert(*prop, *unit);
            }
        }
    }
    if (m_tables.contains(kChecksums)) {
        cursor.execute(QStringLiteral("SELECT object_name, prop_name, chunkID, checksum FROM kelvra_checksums "
                                      "WHERE table_name = ?"),
                       {kObjects});
        while (const std::optional<sqlite::Row> row = next(cursor)) {
            const QString *name = text_in(row->at(0));
            if (name && !names.contains(*name))
                throw FileDamaged(_("object '%1' is gone: its checksum is in the file, the object is not")
                                      .arg(*name));
            const QString *prop = text_in(row->at(1));
            if (name && prop && prop->isEmpty() && number_in(row->at(2)) == 0.0 && !m_descriptions.contains(*name))
                m_descriptions.insert(*name, row->at(3));
        }
        for (const QString &table : {kChunks, kTopology}) {
            QHash<ArrayKey, Sums> &sums = m_sums[table];
            cursor.execute(QStringLiteral("SELECT object_name, prop_name, chunkID, checksum FROM kelvra_checksums "
                                          "WHERE table_name = ? ORDER BY object_name, prop_name, chunkID"),
                           {table});
            Sums *array = nullptr;
            ArrayKey current;
            while (const std::optional<sqlite::Row> row = next(cursor)) {
                const QString *name = object_of(row->at(0));
                const QString *prop = text_in(row->at(1));
                if (!name || !prop)
                    continue;
                if (!array || *name != current.first || *prop != current.second) {
                    current = {*name, *prop};
                    array = &sums[current];
                }
                const std::optional<std::int64_t> chunk = integer_in(row->at(2));
                const std::optional<std::int64_t> checksum = integer_in(row->at(3));
                array->in_order = array->in_order && chunk == std::int64_t(array->sums.size()) + 1 && checksum
                    && *checksum >= 0 && *checksum <= std::numeric_limits<std::uint32_t>::max();
                if (array->in_order)
                    array->sums.push_back(std::uint32_t(*checksum));
            }
        }
    }
}

std::optional<QString> Reader::read_description(StoredObject &object)
{
    ObjectRecord &record = object.record;
    const QString &name = record.name;
    for (const std::optional<QString> &key : m_properties.value(name)) {
        if (!key)
            throw ValueError(_("a property of object '%1' has no name").arg(name));
        if (record.prop.contains(*key))
            throw ValueError(_("property '%1' of object '%2' is listed twice").arg(*key, name));
        record.prop.insert(*key, NdArray());
    }
    std::optional<QString> colour;
    if (const auto found = m_colours.constFind(name); found != m_colours.cend()) {
        const std::optional<QString> &text = *found;
        record.colour = text ? parse_colour(*text) : std::nullopt;
        if (!record.colour)
            throw ValueError(_("the colour of object '%1' is not written #rrggbb").arg(name));
        colour = *text;
    }
    if (const auto found = m_grids.constFind(name); found != m_grids.cend()) {
        const sqlite::Row &row = *found;
        GridGeometry grid;
        std::int64_t *counts[] = {&grid.columns, &grid.rows, &grid.layers};
        double *numbers[] = {&grid.x_origin,  &grid.y_origin, &grid.x_increment, &grid.y_increment,
                             &grid.rotation,  &grid.z_origin, &grid.z_increment};
        bool valid = true;
        for (std::size_t i = 0; i < std::size(counts); ++i) {
            const std::optional<std::int64_t> count = integer_in(row.at(i));
            valid = valid && count;
            *counts[i] = count.value_or(0);
        }
        for (std::size_t i = 0; i < std::size(numbers); ++i) {
            const std::optional<double> number = number_in(row.at(std::size(counts) + i));
            valid = valid && number;
            *numbers[i] = number.value_or(0);
        }
        if (!valid)
            throw ValueError(_("the grid of object '%1' holds a value that is not a number").arg(name));
        record.grid = grid;
    }
    object.has_triangles = m_triangles.contains(name);
    if (const auto found = m_texts.find(name); found != m_texts.end()) {
        if (!found->in_order)
            throw ValueError(_("the texts of object '%1' are not those of vertices 0, 1, 2 ...").arg(name));
        record.texts = std::move(found->texts);
        m_texts.erase(found);
    }
    if (const auto found = m_units.constFind(name); found != m_units.cend()) {
        if (!found->complete)
            throw ValueError(_("a unit of object '%1' lacks its property or its text").arg(name));
        record.units = found->units;
    }
    return colour;
}

void Reader::check_description(std::int64_t position, const StoredObject &object,
                               const std::optional<QString> &colour)
{
    const auto found = m_descriptions.constFind(object.record.name);
    if (found == m_descriptions.cend())
        return; // a program that changed the object took its checksum away
    if (integer_in(*found) != std::int64_t(description_checksum(position, object.record, colour, object.has_triangles)))
        throw FileDamaged(_("the description of object '%1' (its properties, colour, grid, texts or units) "
                            "does not match the checksum written with it")
                              .arg(object.record.name));
}

ChunkReader &Reader::chunks(const QString &table)
{
    std::shared_ptr<ChunkReader> &reader = m_chunks[table];
    if (!reader)
        reader = std::make_shared<ChunkReader>(m_db, table);
    return *reader;
}

std::int64_t Reader::declare(const QString &table, const QString &object, const QString &prop)
{
    m_where = describe_array(table, object, prop);
    const std::int64_t bytes = chunks(table).stored_bytes(object, prop);
    if (bytes > m_budget - m_charged)
        throw FileDamaged(_("%1 declares %2 bytes of values, more than the whole file holds (%3 bytes)")
                              .arg(m_where)
                              .arg(bytes)
                              .arg(m_budget));
    m_charged += bytes;
    return bytes;
}

NdArray Reader::read_array(const QString &table, const QString &object, const QString &prop,
                           const ChunkProgress &progress)
{
    m_where = describe_array(table, object, prop);
    const std::optional<ChunkChecksums> expected = checksums(table, object, prop);
    return chunks(table).load(object, prop, progress, expected ? &*expected : nullptr);
}

std::optional<ChunkChecksums> Reader::checksums(const QString &table, const QString &object, const QString &prop)
{
    const QHash<ArrayKey, Sums> &sums = m_sums[table];
    const auto found = sums.constFind({object, prop});
    if (found == sums.cend())
        return std::nullopt; // a program that changed the chunks took their checksums away
    if (!found->in_order)
        throw FileDamaged(_("the checksums of %1 are not those of chunks 1, 2, 3 ...").arg(m_where));
    return found->sums;
}

} // namespace kelvra::app::tables
