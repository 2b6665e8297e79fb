// Stores a large float32 array through the chunk table and loads it back,
// and in the same run moves the same bytes through a bare SQLite C loop,
// the floor: one prepared insert with static blob binding in one
// transaction, then one select copying each blob into one buffer. The two
// alternate (their order swapped each round) and the medians are printed.
//
//     chunk_store [--size-mib 1024] [--limit-mib 128] [--rounds 3]
//                 [--cut-gib 4] [--dir <folder for the database files>]

#include "benchoptions.h"

#include "host/sqlite.h"
#include "utils/chunkcut.h"
#include "utils/chunkstore.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <sqlite3.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

using namespace kelvra;

namespace {

constexpr double kMiB = 1024.0 * 1024.0;

double cpu_seconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

// Wall-clock seconds of the work; its processor seconds (user and system)
// go to *cpu, which other programs on a shared machine disturb less.
double seconds(const std::function<void()> &work, double *cpu = nullptr)
{
    const double cpuStart = cpu_seconds();
    const auto start = std::chrono::steady_clock::now();
    work();
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (cpu)
        *cpu = cpu_seconds() - cpuStart;
    return wall;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

long resident_mib()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * 4096 / (1024 * 1024);
}

void check(sqlite3 *db, int rc)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
        std::fprintf(stderr, "sqlite: %s\n", sqlite3_errmsg(db));
        std::exit(1);
    }
}

const char *kCreate = "CREATE TABLE chunks (object_name TEXT, prop_name TEXT, chunkID INTEGER, arr ARRAY, "
                      "PRIMARY KEY (object_name, prop_name, chunkID))";

// The floor's write: the same pieces as raw bytes, one static blob each.
void floor_write(const QString &path, const std::vector<NdArray> &pieces)
{
    sqlite3 *db = nullptr;
    check(db, sqlite3_open(path.toUtf8().constData(), &db));
    check(db, sqlite3_exec(db, kCreate, nullptr, nullptr, nullptr));
    check(db, sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr));
    sqlite3_stmt *insert = nullptr;
    check(db, sqlite3_prepare_v2(db, "INSERT INTO chunks VALUES (?,?,?,?)", -1, &insert, nullptr));
    sqlite3_bind_text(insert, 1, "cube", -1, SQLITE_STATIC);
    sqlite3_bind_text(insert, 2, "amplitude", -1, SQLITE_STATIC);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        sqlite3_bind_int64(insert, 3, sqlite3_int64(i) + 1);
        check(db, sqlite3_bind_blob64(insert, 4, pieces[i].bytes(), sqlite3_uint64(pieces[i].nbytes()), SQLITE_STATIC));
        check(db, sqlite3_step(insert));
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    check(db, sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr));
    sqlite3_close(db);
}

// The floor's read: every blob copied into one buffer allocated for the whole.
std::unique_ptr<char[]> floor_read(const QString &path, std::int64_t total)
{
    sqlite3 *db = nullptr;
    check(db, sqlite3_open(path.toUtf8().constData(), &db));
    std::unique_ptr<char[]> buffer(new char[std::size_t(total)]);
    sqlite3_stmt *select = nullptr;
    check(db, sqlite3_prepare_v2(db, "SELECT arr FROM chunks WHERE object_name = 'cube' AND prop_name = 'amplitude' "
                                     "ORDER BY chunkID", -1, &select, nullptr));
    std::int64_t offset = 0;
    while (sqlite3_step(select) == SQLITE_ROW) {
        const int size = sqlite3_column_bytes(select, 0);
        std::memcpy(buffer.get() + offset, sqlite3_column_blob(select, 0), std::size_t(size));
        offset += size;
    }
    sqlite3_finalize(select);
    sqlite3_close(db);
    if (offset != total) {
        std::fprintf(stderr, "floor read %lld of %lld bytes\n", (long long)offset, (long long)total);
        std::exit(1);
    }
    return buffer;
}

void component_write(const QString &path, const NdArray &array, std::int64_t limit)
{
    sqlite::Connection db(path);
    create_chunk_table(db, QStringLiteral("chunks"));
    store_chunks(db, QStringLiteral("chunks"), QStringLiteral("cube"), QStringLiteral("amplitude"), array, limit);
    db.commit();
}

NdArray component_read(const QString &path)
{
    sqlite::Connection db(path);
    return load_chunks(db, QStringLiteral("chunks"), QStringLiteral("cube"), QStringLiteral("amplitude"));
}

// chunkcut on an array whose storage was never touched: it handles sizes
// only, so the time per call must not grow with the array.
void measure_chunkcut(std::int64_t bytes, std::int64_t limit)
{
    const long before = resident_mib();
    const NdArray array(DType::Float32, {bytes / 4});
    const int calls = 2000;
    std::size_t pieces = 0;
    const double time = seconds([&] {
        for (int i = 0; i < calls; ++i)
            pieces += chunkcut(array, limit).size();
    });
    std::printf("chunkcut %10.1f MiB into %3zu views: %7.2f us per call, resident memory grew by %ld MiB\n",
                double(bytes) / kMiB, pieces / calls, time / calls * 1e6, resident_mib() - before);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOptions({{"size-mib", "MiB of float32 values stored and loaded.", "n", "1024"},
                       {"limit-mib", "Largest chunk, in MiB.", "n", "128"},
                       {"rounds", "Rounds of the component and the floor.", "n", "3"},
                       {"cut-gib", "GiB of the array that chunkcut cuts last.", "n", "4"},
                       {"dir", "Folder for the database files.", "folder", QDir::tempPath()}});
    if (const std::optional<int> status = parse_bench_options(
            parser, "Stores a large float32 array through the chunk table and loads it back, taking\n"
                    "turns with a bare SQLite C loop moving the same bytes (the floor), and prints\n"
                    "both speeds and their ratio; then the time of chunkcut on untouched arrays."))
        return *status;
    QLoggingCategory::setFilterRules(QStringLiteral("kelvra.chunkcut.info=false"));
    const std::int64_t size = parser.value("size-mib").toLongLong() * (1 << 20);
    const std::int64_t limit = parser.value("limit-mib").toLongLong() * (1 << 20);
    const int rounds = parser.value("rounds").toInt();
    const std::int64_t cut = parser.value("cut-gib").toLongLong() << 30;
    QTemporaryDir temporary(parser.value("dir") + QStringLiteral("/chunk_store-XXXXXX"));
    if (!scratch_folder_made(temporary, parser.value("dir")))
        return 2;
    const QString ours = temporary.filePath(QStringLiteral("component.db"));
    const QString bare = temporary.filePath(QStringLiteral("floor.db"));

    std::printf("SQLite %s; %.0f MiB of float32, limit %.0f MiB; reads from the page cache\n",
                sqlite3_libversion(), double(size) / kMiB, double(limit) / kMiB);
    NdArray array(DType::Float32, {size / 4});
    float *values = array.data<float>();
    for (std::int64_t i = 0; i < array.size(); ++i)
        values[i] = float(i % 1000003) * 0.25f;
    // The floor stores the same rows in the same chunks, without headers.
    const std::vector<NdArray> pieces = chunkcut(
        array, chunk_data_limit(limit, array, QStringLiteral("cube"), QStringLiteral("amplitude")));
    std::printf("%zu chunks\n\n", pieces.size());

    struct Figures
    {
        std::vector<double> oursMiBs, bareMiBs, ratio, oursCpu, bareCpu;
        void add(double mib, double ours, double bare, double oursCpuTime, double bareCpuTime)
        {
            oursMiBs.push_back(mib / ours);
            bareMiBs.push_back(mib / bare);
            ratio.push_back(bare / ours);
            oursCpu.push_back(oursCpuTime);
            bareCpu.push_back(bareCpuTime);
        }
        void print(const char *label, std::size_t i) const
        {
            std::printf("%-8s %12.0f %7.0f %6.2f   %9.2f %7.2f", label, oursMiBs[i], bareMiBs[i], ratio[i],
                        oursCpu[i], bareCpu[i]);
        }
        void print_median(const char *label) const
        {
            std::printf("%-8s %12.0f %7.0f %6.2f   %9.2f %7.2f", label, median(oursMiBs), median(bareMiBs),
                        median(ratio), median(oursCpu), median(bareCpu));
        }
    };
    Figures write, read;
    const double mib = double(size) / kMiB;
    for (int round = 0; round < rounds; ++round) {
        QFile::remove(ours);
        QFile::remove(bare);
        // Alternate which goes first, so that neither always meets a cold or warm machine.
        const bool oursFirst = round % 2 == 0;
        double tw = 0, fw = 0, tr = 0, fr = 0, cw = 0, cfw = 0, cr = 0, cfr = 0;
        auto write_ours = [&] { tw = seconds([&] { component_write(ours, array, limit); }, &cw); };
        auto write_bare = [&] { fw = seconds([&] { floor_write(bare, pieces); }, &cfw); };
        if (oursFirst) { write_ours(); write_bare(); } else { write_bare(); write_ours(); }
        bool same = true;
        auto read_ours = [&] {
            NdArray back;
            tr = seconds([&] { back = component_read(ours); }, &cr);
            same = same && back == array;
        };
        auto read_bare = [&] {
            std::unique_ptr<char[]> back;
            fr = seconds([&] { back = floor_read(bare, array.nbytes()); }, &cfr);
            same = same && std::memcmp(back.get(), array.bytes(), std::size_t(array.nbytes())) == 0;
        };
        if (oursFirst) { read_ours(); read_bare(); } else { read_bare(); read_ours(); }
        if (!same) {
            std::fprintf(stderr, "read back differs from the array\n");
            return 1;
        }
        write.add(mib, tw, fw, cw, cfw);
        read.add(mib, tr, fr, cr, cfr);
    }
    QFile::remove(ours);
    QFile::remove(bare);

    std::printf("         MiB/s: chunk table   floor  ratio   cpu s: chunk table   floor\n");
    for (int round = 0; round < rounds; ++round) {
        const std::string label = "round " + std::to_string(round + 1);
        write.print(("write " + std::to_string(round + 1)).c_str(), std::size_t(round));
        std::printf("\n");
        read.print(("read " + std::to_string(round + 1)).c_str(), std::size_t(round));
        std::printf("\n");
    }
    write.print_median("write");
    std::printf("   (median)\n");
    read.print_median("read");
    std::printf("   (median)\n\n");

    measure_chunkcut(4 << 20, 128 << 10);
    measure_chunkcut(cut, 128 << 20);
    return 0;
}
