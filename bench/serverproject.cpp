// serverproject: opening and saving a large project on a PostgreSQL server,
// beside the floor of raw libpq moving the same blobs and beside the file.
//
// Starts a throw-away PostgreSQL 15 server (tests/server/pgcluster.sh: a
// cluster in a temporary folder, Unix socket only) and, for each size
// (millions of vertices), writes a project file of one surface (X, Y, Z and
// one property float64, one property float32) and saves it on the server.
// Then, each in a fresh process, alternating their order every round:
//   open    load_server_project of the project
//   floor   COPY (SELECT arr ...) TO STDOUT (FORMAT binary) of the same
//           blobs, each row's data copied into one buffer of the data's size
//   save    save_server_project of the objects (read from the file first)
//   floor   BEGIN, DELETE, COPY ... FROM STDIN (FORMAT binary) of the same
//           blobs (16 MiB chunks, written from the arrays), COMMIT
//   file    load_objects and save_objects of the project file
// Times include connecting; peak memory is the process's resident peak.
//
//   serverproject [--sizes 1,5,25] [--rounds 3] [--dir FOLDER]   (--help says the same)

#include "app/core/objectfile.h"
#include "app/core/pgconnection.h"
#include "app/core/serverproject.h"

#include "host/sqlite_array.h"
#include "utils/chunkcut.h"

#include "benchoptions.h"
#include "foldedsurface.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>

using namespace kelvra;
using namespace kelvra::app;

namespace {

constexpr double kMiB = 1024.0 * 1024.0;
using Figures = std::map<QString, double>;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? std::nan("") : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double peak_rss_mib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

std::vector<ObjectRecord> make_objects(std::int64_t vertices)
{
    return {folded_surface(QStringLiteral("surface"), vertices)};
}

ServerAddress bench_address(const QString &cluster, const QString &project)
{
    ServerAddress address = make_server_address(cluster, {}, "kelvra", "postgres", project);
    address.password = "postgres";
    return address;
}

void check(PGconn *db, PGresult *result, ExecStatusType expected)
{
    const bool ok = PQresultStatus(result) == expected;
    PQclear(result);
    if (!ok)
        throw std::runtime_error(PQerrorMessage(db));
}

template <typename T>
void put_big_endian(PGconn *db, T value)
{
    using Swapped = std::conditional_t<sizeof(T) == 8, qint64, std::conditional_t<sizeof(T) == 4, qint32, qint16>>;
    char bytes[sizeof(T)];
    qToBigEndian(Swapped(value), bytes);
    PQputCopyData(db, bytes, int(sizeof(T)));
}

void put_text(PGconn *db, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    put_big_endian<std::int32_t>(db, utf8.size());
    PQputCopyData(db, utf8.constData(), utf8.size());
}

PGconn *floor_connect(const QString &cluster)
{
    const QByteArray host = cluster.toUtf8();
    const char *keys[] = {"host", "dbname", "user", "password", nullptr};
    const char *values[] = {host.constData(), "kelvra", "postgres", "postgres", nullptr};
    PGconn *db = PQconnectdbParams(keys, values, 0);
    if (PQstatus(db) != CONNECTION_OK)
        throw std::runtime_error(PQerrorMessage(db));
    return db;
}

// The floor of a save: the same blobs into a table like the chunk table,
// with bare libpq calls in one transaction.
void floor_save(const QString &cluster, const std::vector<ObjectRecord> &objects)
{
    PGconn *db = floor_connect(cluster);
    check(db, PQexec(db, "BEGIN"), PGRES_COMMAND_OK);
    check(db, PQexec(db, "DELETE FROM floor_chunks"), PGRES_COMMAND_OK);
    check(db, PQexec(db, "COPY floor_chunks (project, object_name, prop_name, chunkID, arr) FROM STDIN (FORMAT binary)"),
          PGRES_COPY_IN);
    PQputCopyData(db, "PGCOPY\n\377\r\n\0\0\0\0\0\0\0\0\0", 19);
    for (const ObjectRecord &object : objects) {
        for (const QString &key : object.prop.keys()) {
            const NdArray &array = object.prop.value(key);
            const std::int64_t header_size = npy::header_bytes(array.dtype(), array.shape()).size();
            std::int32_t chunk = 0;
            for (const NdArray &piece : chunkcut(array, kServerChunkBytes - header_size)) {
                const QByteArray header = npy::header_bytes(piece.dtype(), piece.shape());
                put_big_endian<std::int16_t>(db, 5);
                put_text(db, "bench");
                put_text(db, object.name);
                put_text(db, key);
                put_big_endian<std::int32_t>(db, 4);
                put_big_endian<std::int32_t>(db, ++chunk);
                put_big_endian<std::int32_t>(db, std::int32_t(header.size() + piece.nbytes()));
                PQputCopyData(db, header.constData(), header.size());
                const char *data = reinterpret_cast<const char *>(piece.bytes());
                for (std::int64_t done = 0; done < piece.nbytes(); done += 4 << 20)
                    PQputCopyData(db, data + done, int(std::min<std::int64_t>(4 << 20, piece.nbytes() - done)));
            }
        }
    }
    put_big_endian<std::int16_t>(db, -1);
    PQputCopyEnd(db, nullptr);
    check(db, PQgetResult(db), PGRES_COMMAND_OK);
    check(db, PQexec(db, "COMMIT"), PGRES_COMMAND_OK);
    PQfinish(db);
}

// The floor of an open: the same blobs out with COPY, each row's data
// copied into its place in one buffer of the data's size.
std::int64_t floor_open(const QString &cluster)
{
    PGconn *db = floor_connect(cluster);
    PGresult *size = PQexec(db, "SELECT sum(length(arr))::bigint FROM floor_chunks");
    const std::int64_t total = std::atoll(PQgetvalue(size, 0, 0));
    PQclear(size);
    std::unique_ptr<char[]> data(new char[std::size_t(total)]);
    check(db, PQexec(db, "COPY (SELECT arr FROM floor_chunks ORDER BY object_name, prop_name, chunkID) "
                         "TO STDOUT (FORMAT binary)"),
          PGRES_COPY_OUT);
    std::int64_t filled = 0;
    char *row = nullptr;
    int length;
    bool first = true;
    while ((length = PQgetCopyData(db, &row, 0)) > 0) {
        // Each row: field count (2), field length (4), the blob; the first
        // row comes after the 19 bytes of the file header.
        const int skip = first ? 19 + 6 : 6;
        first = false;
        if (length > skip) {
            std::memcpy(data.get() + filled, row + skip, std::size_t(length - skip));
            filled += length - skip;
        }
        PQfreemem(row);
    }
    check(db, PQgetResult(db), PGRES_COMMAND_OK);
    PQfinish(db);
    return filled;
}

Figures measure(const QString &mode, const QString &cluster, const QString &file, const QString &copy)
{
    Figures figures;
    QElapsedTimer clock;
    const ServerAddress address = bench_address(cluster, "bench");
    if (mode == "open") {
        clock.start();
        const std::vector<ObjectRecord> objects = load_server_project(address);
        figures["seconds"] = clock.elapsed() / 1000.0;
    } else if (mode == "floor-open") {
        clock.start();
        floor_open(cluster);
        figures["seconds"] = clock.elapsed() / 1000.0;
    } else if (mode == "save" || mode == "floor-save") {
        const std::vector<ObjectRecord> objects = load_objects(file);
        std::int64_t version = 0;
        for (const ServerProjectInfo &info : list_server_projects(address))
            version = info.name == "bench" ? info.version : version;
        clock.start();
        if (mode == "save")
            save_server_project(address, objects, version);
        else
            floor_save(cluster, objects);
        figures["seconds"] = clock.elapsed() / 1000.0;
    } else if (mode == "file-open") {
        clock.start();
        load_objects(file);
        figures["seconds"] = clock.elapsed() / 1000.0;
    } else if (mode == "file-save") {
        const std::vector<ObjectRecord> objects = load_objects(file);
        clock.start();
        save_objects(copy, objects);
        figures["seconds"] = clock.elapsed() / 1000.0;
    }
    figures["peak"] = peak_rss_mib();
    return figures;
}

Figures run_child(const QString &mode, const QString &cluster, const QString &file, const QString &copy)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {"--child", mode, cluster, file, copy});
    child.waitForFinished(-1);
    Figures figures;
    for (const QByteArray &line : child.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.split('=');
        if (parts.size() == 2)
            figures[QString::fromLatin1(parts[0])] = parts[1].toDouble();
    }
    if (child.exitCode() != 0 || figures.empty())
        std::fprintf(stderr, "serverproject: %s failed:\n%s\n", qPrintable(mode), child.readAllStandardError().constData());
    return figures;
}

bool cluster_command(const QString &command, const QString &state)
{
    return QProcess::execute(QStringLiteral(KELVRA_PGCLUSTER), {command, state}) == 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.value(1) == "--child") {
        QLoggingCategory::setFilterRules(QStringLiteral("kelvra.chunkcut.info=false"));
        try {
            for (const auto &[key, value] : measure(arguments.value(2), arguments.value(3), arguments.value(4),
                                                    arguments.value(5)))
                std::printf("%s=%.6f\n", qPrintable(key), value);
            return 0;
        } catch (const std::exception &error) {
            std::fprintf(stderr, "%s\n", error.what());
            return 1;
        }
    }
    QCommandLineParser parser;
    parser.addOptions({{"sizes", "Millions of vertices, comma-separated.", "list", "1,5,25"},
                       {"rounds", "Measurements of each kind per size.", "n", "3"},
                       {"dir", "Folder for the project files.", "folder"}});
    if (const std::optional<int> status = parse_bench_options(
            parser, "Starts a throw-away PostgreSQL 15 server and opens and saves projects of one\n"
                    "surface through it, each in a fresh process, taking turns with raw libpq moving\n"
                    "the same blobs (the floor); prints times, ratios and peak memory beside the\n"
                    "project file's open and save."))
        return *status;
    QLoggingCategory::setFilterRules(QStringLiteral("kelvra.chunkcut.info=false"));
    QTemporaryDir temporary;
    const QString folder = parser.isSet("dir") ? parser.value("dir") : temporary.path();
    QDir().mkpath(folder);
    const int rounds = std::max(1, parser.value("rounds").toInt());

    const QString state = QDir(temporary.path()).filePath("pgcluster.state");
    if (!cluster_command("start", state)) {
        std::fprintf(stderr, "serverproject: the PostgreSQL server did not start\n");
        return 1;
    }
    QFile state_file(state);
    state_file.open(QIODevice::ReadOnly);
    const QString cluster = QString::fromUtf8(state_file.readAll()).trimmed();

    std::printf("Open and save of one surface (X, Y, Z, one float64 and one float32 property) on a\n"
                "PostgreSQL 15 server on the local socket, each figure the median of %d fresh\n"
                "processes, each ratio the median of the per-round ratios to the raw libpq floor\n\n",
                rounds);
    std::printf(" vertices  data MiB |  open s   floor  ratio |  save s   floor  ratio |  peak MiB  floor  target"
                " | file open s  save s\n");
    for (const QString &size : parser.value("sizes").split(',')) {
        const std::int64_t vertices = std::int64_t(size.toDouble() * 1e6);
        const QString file = QDir(folder).filePath(QStringLiteral("server-%1M.db").arg(size));
        const QString copy = QDir(folder).filePath(QStringLiteral("server-%1M-copy.db").arg(size));
        double data_mib = 0;
        try {
            const std::vector<ObjectRecord> objects = make_objects(vertices);
            for (const QString &key : objects[0].prop.keys())
                data_mib += double(objects[0].prop.value(key).nbytes()) / kMiB;
            save_objects(file, objects);
            PgConnection db(bench_address(cluster, {}));
            db.exec("DROP TABLE IF EXISTS floor_chunks");
            db.exec("DELETE FROM kelvra_projects WHERE project = 'bench'");
        } catch (const ServerError &) {
            // No tables yet: the first save makes them.
        }
        save_server_project(bench_address(cluster, "bench"), load_objects(file), std::nullopt);
        {
            PgConnection db(bench_address(cluster, {}));
            db.exec("CREATE TABLE IF NOT EXISTS floor_chunks (LIKE kelvra_chunks INCLUDING ALL)");
        }
        run_child("floor-save", cluster, file, copy);

        std::map<QString, std::vector<double>> times, peaks;
        std::vector<double> open_ratio, save_ratio;
        for (int round = 0; round < rounds; ++round) {
            const bool swap = round % 2;
            const auto pair = [&](const QString &a, const QString &b) {
                const Figures first = run_child(swap ? b : a, cluster, file, copy);
                const Figures second = run_child(swap ? a : b, cluster, file, copy);
                const Figures &fa = swap ? second : first, &fb = swap ? first : second;
                times[a].push_back(fa.count("seconds") ? fa.at("seconds") : std::nan(""));
                times[b].push_back(fb.count("seconds") ? fb.at("seconds") : std::nan(""));
                peaks[a].push_back(fa.count("peak") ? fa.at("peak") : std::nan(""));
                peaks[b].push_back(fb.count("peak") ? fb.at("peak") : std::nan(""));
                return times[a].back() / times[b].back();
            };
            open_ratio.push_back(pair("open", "floor-open"));
            save_ratio.push_back(pair("save", "floor-save"));
            pair("file-open", "file-save");
        }
        const double peak = median(peaks["open"]);
        std::printf("%8gM  %8.0f | %7.3f %7.3f %6.2f | %7.3f %7.3f %6.2f | %9.0f %6.0f %7.0f | %11.3f %7.3f\n",
                    size.toDouble(), data_mib, median(times["open"]), median(times["floor-open"]), median(open_ratio),
                    median(times["save"]), median(times["floor-save"]), median(save_ratio), peak,
                    median(peaks["floor-open"]), data_mib + 150, median(times["file-open"]),
                    median(times["file-save"]));
        std::fflush(stdout);
        QFile::remove(file);
        QFile::remove(copy);
    }
    std::printf("\nTargets: open and save at most 1.5 times the floor; peak memory of an open at most\n"
                "the data plus 150 MiB.\n");
    cluster_command("stop", state);
    return 0;
}
