// The reference host end to end, offscreen: requests made through the real
// dialogs change the objects exactly; refused ones change nothing and are
// reported once; objects survive a save and a load; modes and viewer tabs
// keep the docks consistent; an opened project is on the map, east to the
// right and north up.

// Mouse events through the window system layer, as a user's would come.
#define QTEST_QPA_MOUSE_HANDLING

#include "app/core/objectfile.h"
#include "app/formats/exchange.h"
#include "app/ui/backgroundtask.h"
#include "app/ui/storetasks.h"
#include "app/core/objectstore.h"
#include "app/core/sampleproject.h"
#include "app/ui/hostwindow.h"
#include "app/ui/importdialog.h"
#include "app/ui/objecttreewidget.h"
#include "app/ui/preferencepages.h"
#include "app/ui/requests.h"

#include "host/config.h"
#include "host/views/mapviewer.h"
#include "host/views/propertyplot.h"
#include "host/views/tabviewer.h"
#include "widgets/dialogs.h"
#include "widgets/pivotbar.h"

#include "testmain.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QPushButton>
#include <QLabel>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <QTreeWidget>
#include <QtTest>

#include <qwt_scale_div.h>

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSettings>
#include <QProgressDialog>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <functional>

#include <sys/resource.h>
#include <sys/stat.h>

using namespace kelvra;
using namespace kelvra::app;

namespace {

template <class Dialog>
Dialog *open(HostWindow &window, Requests::Kind kind, bool from_tree = false)
{
    auto *dialog = qobject_cast<Dialog *>(window.requests->open(kind, from_tree));
    Q_ASSERT(dialog);
    return dialog;
}

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// Waits until the file task of the window has ended and its result is in.
bool finish(HostWindow &window)
{
    if (!window.store->busy_reason().isEmpty()) {
        QEventLoop loop;
        QObject::connect(window.tasks, &StoreTasks::idle, &loop, &QEventLoop::quit);
        QTimer::singleShot(20000, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return window.store->busy_reason().isEmpty();
}

// A surface of n vertices with one float64 and one float32 property.
ObjectRecord big_surface(const QString &name, std::int64_t n)
{
    PropertyMap prop;
    for (const char *key : {"X", "Y", "Z", "amplitude"}) {
        NdArray values(DType::Float64, {n});
        double *out = values.data<double>();
        for (std::int64_t i = 0; i < n; ++i)
            out[i] = double(i % 997);
        prop.insert(QLatin1String(key), values);
    }
    prop.insert(QStringLiteral("porosity"), NdArray(DType::Float32, {n}));
    return {name, QStringLiteral("Tsurface"), prop, QStringLiteral("amplitude")};
}

// A small object whose property has the name of the help example's.
std::unique_ptr<GeoObject> small_object()
{
    PropertyMap prop;
    prop.insert(QStringLiteral("X"), test::array({0, 1, 2, 3}));
    prop.insert(QStringLiteral("Y"), test::array({0, 0, 1, 1}));
    prop.insert(QStringLiteral("Z"), test::array({5, 6, 7, 8}));
    prop.insert(QStringLiteral("propA"), test::array({10, -100, 0.5, 1000}));
    return std::make_unique<GeoObject>(QStringLiteral("small"), QStringLiteral("Point"), prop,
                                       QStringLiteral("propA"));
}

// Every property of an object, comparable.
QString values_of(const GeoObject *object)
{
    QString text;
    for (const QString &key : object->prop().keys())
        text += key + QLatin1Char(' ') + object->prop().value(key).to_text() + QLatin1Char('\n');
    return text;
}

PropertyOperatorDialog *run_script(HostWindow &window, const QString &object, const QString &script)
{
    auto *dialog = qobject_cast<PropertyOperatorDialog *>(window.requests->open(Requests::Kind::PropertyOperator));
    dialog->grabob->lineedit->edit->setText(object);
    dialog->pteScript->setPlainText(script);
    dialog->btn_ok->click();
    return dialog;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

MapViewer *current_map(HostWindow &window)
{
    return qobject_cast<MapViewer *>(window.current_viewer.data());
}

// The widget pixel a map point lands in, once the picture is current.
QPoint pixel_of(MapViewer *viewer, double x, double y)
{
    viewer->render_now();
    const QPointF at = viewer->map_to_pixels().map(QPointF(x, y));
    return QPoint(int(std::floor(at.x())), int(std::floor(at.y())));
}

// What the status bar says with the mouse over a map point.
QString readout_at(HostWindow &window, MapViewer *viewer, double x, double y)
{
    const QPoint pixel = pixel_of(viewer, x, y);
    QTest::mouseMove(viewer, pixel + QPoint(pixel.x() > 20 ? -9 : 9, 0)); // a move, even to where it was
    QTest::mouseMove(viewer, pixel);
    return window.statusBar()->currentMessage();
}

QColor colour_at(MapViewer *viewer, double x, double y)
{
    const QPoint pixel = pixel_of(viewer, x, y);
    return viewer->grab().toImage().pixelColor(pixel);
}

// A surface named "big horizon": columns x rows vertices 50 m apart,
// coloured by a property of the given name whose value is the vertex number.
ObjectRecord big_horizon(int columns, int rows, const QString &property)
{
    std::vector<double> x, y, z, values;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            x.push_back(50.0 * column);
            y.push_back(50.0 * row);
            z.push_back(1000);
            values.push_back(double(x.size() - 1));
        }
    }
    PropertyMap prop;
    prop.insert(QStringLiteral("X"), NdArray::from_values(x));
    prop.insert(QStringLiteral("Y"), NdArray::from_values(y));
    prop.insert(QStringLiteral("Z"), NdArray::from_values(z));
    prop.insert(property, NdArray::from_values(values));
    return {QStringLiteral("big horizon"), QStringLiteral("Tsurface"), prop, property};
}

void write_file(const QString &path, const QByteArray &text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// Starts kelvra PROJECT --script OBJECT SCRIPT [--save OUT] as a user would.
void start_batch(QProcess &kelvra, const QString &project, const QString &object, const QString &script,
                 const QStringList &more = {})
{
    kelvra.start(QCoreApplication::applicationDirPath() + QStringLiteral("/kelvra"),
                 QStringList{project, QStringLiteral("--script"), object, script} + more);
}

} // namespace

class TestHostApp : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void rename_and_remove_through_dialogs();
    void refused_request_changes_nothing_and_keeps_the_dialog();
    void translate_and_flip_are_exact();
    void property_requests_through_dialogs();
    void save_then_load_gives_the_object_back();
    void failed_save_leaves_no_file();
    void files_keep_types_order_and_permissions();
    void file_work_runs_beside_the_window();
    void cancel_at_every_step_changes_nothing();
    void progress_dialog_cancels_the_work();
    void property_script_through_the_dialog();
    void refused_scripts_change_nothing_data();
    void refused_scripts_change_nothing();
    void cancel_stops_an_endless_script();
    void batch_script_run_on_the_sample_project();
    void batch_imports_exports_and_saves();
    void help_is_in_the_interface_language();
    void batch_refusals_save_nothing();
    void import_and_export_through_the_dialogs();
    void batch_imports_wells_and_seismic_with_their_options();
    void batch_refuses_malformed_well_and_seismic_options();
    void import_dialog_well_tab_reaches_the_format_and_remembers_the_wellhead();
    void import_dialog_seismic_tab_shows_the_header_and_the_cube_memory();
    void export_of_several_objects_goes_into_a_folder();
    void batch_run_needs_a_file_to_save_to();
    void signals_cancel_a_batch_save_cleanly();
    void modes_and_viewer_tabs_keep_the_docks_consistent();
    void opened_project_is_on_the_map_east_right_north_up();
    void map_follows_an_opened_project_of_the_same_names();
    void map_follows_rename_copy_remove_load_and_scripts();
    void objects_keep_their_colour_everywhere();
    void colour_by_depth_from_the_object_menu();
    void depth_flipped_in_place_is_measured_anew();
    void current_property_from_the_object_menu();
    void bug_report_is_handed_over();
    void preferences_are_kept_and_reach_new_viewers();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<HostWindow> m_window;
    std::unique_ptr<test::ErrorRecorder> m_errors;
};

void TestHostApp::initTestCase()
{
    QVERIFY(m_dir.isValid());
    CONF.set_path(m_dir.filePath(QStringLiteral("kelvra.ini")));
}

void TestHostApp::init()
{
    m_errors = std::make_unique<test::ErrorRecorder>();
    m_window = std::make_unique<HostWindow>();
    m_window->store->replace_all(sample_objects());
    m_window->show();
}

void TestHostApp::cleanup()
{
    m_window.reset();
    m_errors.reset();
}

void TestHostApp::rename_and_remove_through_dialogs()
{
    HostWindow &window = *m_window;
    window.show_objects({"well A", "well B"});
    window.objects->select(QStringLiteral("well A"));
    auto *rename = open<RenameObjectDialog>(window, Requests::Kind::RenameObject, true);
    QCOMPARE(rename->grabob->lineedit->edit->text(), QStringLiteral("well A"));
    rename->new_name->edit->setText(QStringLiteral("well A1"));
    rename->btn_ok->click();
    settle();
    QVERIFY(window.store->object(QStringLiteral("well A1")));
    QVERIFY(!window.store->object(QStringLiteral("well A")));
    QVERIFY(!window.objects->view()->findItems(QStringLiteral("well A1"), Qt::MatchRecursive).isEmpty());
    // Still shown and checked, under its new name, in its place.
    QCOMPARE(window.current_viewer->dpState, (DisplayState{"well A1", "well B"}));
    QCOMPARE(window.objects->checked_names(), (QStringList{"well A1", "well B"}));

    auto *remove = open<RemoveObjectDialog>(window, Requests::Kind::RemoveObject, true);
    QCOMPARE(remove->grabob->lineedit->edit->text(), QStringLiteral("well A1")); // the object picked
    remove->grabob->lineedit->edit->setText(QStringLiteral("well B"));
    remove->btn_ok->click();
    settle();
    QVERIFY(!window.store->object(QStringLiteral("well B")));
    QVERIFY(window.objects->view()->findItems(QStringLiteral("well B"), Qt::MatchRecursive).isEmpty());
    QVERIFY(m_errors->messages.isEmpty());
}

void TestHostApp::refused_request_changes_nothing_and_keeps_the_dialog()
{
    HostWindow &window = *m_window;
    const QStringList before = window.store->object_names();
    auto *rename = open<RenameObjectDialog>(window, Requests::Kind::RenameObject);
    QPointer<RenameObjectDialog> alive(rename);
    rename->grabob->lineedit->edit->setText(QStringLiteral("well A"));
    rename->new_name->edit->setText(QStringLiteral("well B"));
    rename->btn_ok->click();
    settle();
    QCOMPARE(window.store->object_names(), before);
    QCOMPARE(m_errors->messages.size(), 1);
    QVERIFY(m_errors->messages.first().contains(QStringLiteral("well B")));
    QVERIFY(alive);
    QVERIFY(rename->isVisible());
    QCOMPARE(rename->new_name->edit->text(), QStringLiteral("well B"));

    // Corrected, the same dialog carries the request out and goes away.
    rename->new_name->edit->setText(QStringLiteral("well C"));
    rename->btn_ok->click();
    settle();
    QVERIFY(window.store->object(QStringLiteral("well C")));
    QCOMPARE(m_errors->messages.size(), 1);
    QTRY_VERIFY(!alive);
}

void TestHostApp::translate_and_flip_are_exact()
{
    HostWindow &window = *m_window;
    const GeoObject *well = window.store->get(QStringLiteral("well A"));
    const NdArray x = well->prop().value(QStringLiteral("X"));
    const NdArray z = well->prop().value(QStringLiteral("Z"));

    auto *translate = open<TranslateDialog>(window, Requests::Kind::Translate);
    translate->grabob->lineedit->edit->setText(QStringLiteral("well A"));
    translate->le_x->setText(QStringLiteral("0.25"));
    translate->le_z->setText(QStringLiteral("-10"));
    translate->btn_apply->click();
    auto *flip = open<FlipDepthDialog>(window, Requests::Kind::FlipDepth);
    flip->grabob->lineedit->edit->setText(QStringLiteral("well A"));
    flip->btn_ok->click();
    settle();
    const double *moved_x = well->prop().value(QStringLiteral("X")).data<double>();
    const double *moved_z = well->prop().value(QStringLiteral("Z")).data<double>();
    for (std::int64_t i = 0; i < x.size(); ++i) {
        QCOMPARE(moved_x[i], x.data<double>()[i] + 0.25);
        QCOMPARE(moved_z[i], -(z.data<double>()[i] - 10));
    }
}

void TestHostApp::property_requests_through_dialogs()
{
    HostWindow &window = *m_window;
    window.objects->select(QStringLiteral("well A"));
    auto *create = open<CreatePropertyDialog>(window, Requests::Kind::CreateProperty, true);
    create->prop_name->edit->setText(QStringLiteral("sw"));
    create->btn_ok->click();

    auto *copy = open<CopyPropertyDialog>(window, Requests::Kind::CopyProperty);
    copy->fromObject->lineedit->edit->setText(QStringLiteral("well A"));
    copy->fromProperty->edit->setText(QStringLiteral("vint"));
    copy->toObject->lineedit->edit->setText(QStringLiteral("well B"));
    copy->toProperty->edit->setText(QStringLiteral("vint A"));
    copy->btn_ok->click();

    auto *rename = open<RenamePropertyDialog>(window, Requests::Kind::RenameProperty, true);
    QCOMPARE(rename->prop->combobox->currentText(), QStringLiteral("vint"));
    rename->new_name->edit->setText(QStringLiteral("velocity"));
    rename->btn_ok->click();

    auto *remove = open<RemovePropertyDialog>(window, Requests::Kind::RemoveProperty, true);
    remove->prop->combobox->setCurrentText(QStringLiteral("porosity"));
    remove->btn_ok->click();
    settle();

    const GeoObject *a = window.store->get(QStringLiteral("well A"));
    QCOMPARE(a->prop().keys(), (QStringList{"X", "Y", "Z", "MD", "velocity", "sw"}));
    QCOMPARE(a->prop().value(QStringLiteral("sw")), NdArray(DType::Float64, {a->vertex_count()}));
    QCOMPARE(window.store->get(QStringLiteral("well B"))->prop().value(QStringLiteral("vint A")),
             a->prop().value(QStringLiteral("velocity")));
    QVERIFY(m_errors->messages.isEmpty());
}

void TestHostApp::save_then_load_gives_the_object_back()
{
    HostWindow &window = *m_window;
    const QString file = m_dir.filePath(QStringLiteral("horizon")); // no extension added
    auto *save = open<SaveObjectDialog>(window, Requests::Kind::SaveObject);
    save->grabob->lineedit->edit->setText(QStringLiteral("top reservoir"));
    save->output->lineedit->edit->setText(file);
    save->btn_ok->click();
    QVERIFY(finish(window));
    QVERIFY(QFileInfo(file).isFile());

    // Under its stored name the object collides with the original: refused,
    // and the dialog closed by OK comes back with what was typed.
    auto *load = open<LoadObjectDialog>(window, Requests::Kind::LoadObject);
    QPointer<LoadObjectDialog> alive = load;
    load->input->lineedit->edit->setText(file);
    load->btn_ok->click();
    QVERIFY(finish(window));
    settle();
    QCOMPARE(m_errors->messages.size(), 1);
    QCOMPARE(window.store->objects().size(), 5);
    QVERIFY(alive && load->isVisible());
    QCOMPARE(load->input->lineedit->edit->text(), file);

    load->name->edit->setText(QStringLiteral("top copy"));
    load->btn_ok->click();
    QVERIFY(finish(window));
    settle();
    QTRY_VERIFY(!alive);
    const GeoObject *original = window.store->get(QStringLiteral("top reservoir"));
    const GeoObject *loaded = window.store->get(QStringLiteral("top copy"));
    QCOMPARE(loaded->geometry_type(), original->geometry_type());
    QCOMPARE(loaded->prop().keys(), original->prop().keys());
    for (const QString &key : original->prop().keys())
        QCOMPARE(loaded->prop().value(key), original->prop().value(key));
    QCOMPARE(loaded->current_property(), original->current_property());

    // The stored name is used when the name is left empty.
    window.store->remove_object(QStringLiteral("top reservoir"));
    auto *again = open<LoadObjectDialog>(window, Requests::Kind::LoadObject);
    again->input->lineedit->edit->setText(file);
    again->name->edit->clear();
    again->btn_ok->click();
    QVERIFY(finish(window));
    QVERIFY(window.store->object(QStringLiteral("top reservoir")));
}

void TestHostApp::failed_save_leaves_no_file()
{
    HostWindow &window = *m_window;
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("project.db"));
    window.save_project(good);
    QVERIFY(finish(window));
    const QByteArray saved = contents(good);
    QVERIFY(!saved.isEmpty());

    // A folder that does not exist, or one where no file may be made: the
    // error names the file, nothing is written anywhere.
    for (const QString &nowhere : {dir.filePath(QStringLiteral("missing/project.db")),
                                   QStringLiteral("/proc/kelvra-project.db")}) {
        m_errors->messages.clear();
        window.save_project(nowhere);
        QVERIFY(finish(window));
        QCOMPARE(m_errors->messages.size(), 1);
        QVERIFY2(m_errors->messages.first().contains(QFileInfo(nowhere).absolutePath()),
                 qPrintable(m_errors->messages.first()));
        QVERIFY(!QFileInfo::exists(nowhere));
    }

    // A full disk part-way through the write (a file size limit stands in
    // for it): reported, the old file untouched, no temporary file left.
    window.store->add(std::make_unique<GeoObject>(big_surface(QStringLiteral("big"), 200000)));
    m_errors->messages.clear();
    struct rlimit before {};
    getrlimit(RLIMIT_FSIZE, &before);
    const auto previous_handler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = before;
    small.rlim_cur = 1 << 20;
    setrlimit(RLIMIT_FSIZE, &small);
    window.save_project(good);
    const bool ended = finish(window);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previous_handler);
    QVERIFY(ended);
    QCOMPARE(m_errors->messages.size(), 1);
    QVERIFY2(m_errors->messages.first().contains(good), qPrintable(m_errors->messages.first()));
    QCOMPARE(contents(good), saved);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"project.db"});
    window.store->remove_object(QStringLiteral("big"));

    // A file that is not an object file is refused on load, data unchanged.
    QFile foreign(dir.filePath(QStringLiteral("notes.db")));
    QVERIFY(foreign.open(QIODevice::WriteOnly));
    foreign.write("these are not objects");
    foreign.close();
    const QStringList names = window.store->object_names();
    m_errors->messages.clear();
    window.open_project(foreign.fileName());
    QVERIFY(finish(window));
    QCOMPARE(m_errors->messages.size(), 1);
    QVERIFY(m_errors->messages.first().contains(foreign.fileName()));
    QCOMPARE(window.store->object_names(), names);

    // Saving over an existing file replaces it whole, leaving no stray files.
    window.store->remove_object(QStringLiteral("well B"));
    window.save_project(good);
    QVERIFY(finish(window));
    QCOMPARE(load_objects(good).size(), std::size_t(4));
    const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(left, (QStringList{"notes.db", "project.db"}));
}

void TestHostApp::file_work_runs_beside_the_window()
{
    HostWindow &window = *m_window;
    QTemporaryDir dir;
    const QString project = dir.filePath(QStringLiteral("project.db"));
    save_objects(project, {big_surface(QStringLiteral("big"), 300000)});

    // While the project is read, the window shows what it showed and every
    // change is refused with the reason; the dialog comes back.
    const QStringList before = window.store->object_names();
    window.open_project(project);
    QCOMPARE(window.store->object_names(), before);
    auto *remove = open<RemoveObjectDialog>(window, Requests::Kind::RemoveObject);
    remove->grabob->lineedit->edit->setText(QStringLiteral("well A"));
    remove->btn_ok->click();
    QCOMPARE(m_errors->messages.size(), 1);
    QVERIFY(m_errors->messages.first().contains(project));
    QVERIFY(finish(window));
    QCOMPARE(window.store->object_names(), QStringList{"big"});
    QCOMPARE(window.windowFilePath(), project);

    // A cancelled open leaves everything as it was, and says nothing.
    window.store->replace_all(sample_objects());
    m_errors->messages.clear();
    window.open_project(project)->cancel();
    QVERIFY(finish(window));
    QCOMPARE(window.store->object_names(), before);
    QVERIFY(m_errors->messages.isEmpty());
}

void TestHostApp::cancel_at_every_step_changes_nothing()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("project.db"));
    const std::vector<ObjectRecord> old_objects{big_surface(QStringLiteral("old"), 1000)};
    save_objects(file, old_objects);
    const QByteArray old_bytes = contents(file);
    std::vector<ObjectRecord> objects;
    for (const auto &object : sample_objects())
        objects.push_back(object->record());
    objects.push_back(big_surface(QStringLiteral("big"), 1100000)); // several progress steps

    // Runs the work with a progress that cancels it at its stop-th step;
    // whether it was cancelled.
    const auto cancelled_at = [](int stop, Progress &progress, const std::function<void()> &work) {
        int steps = 0;
        progress.on_step = [&](std::int64_t) {
            if (++steps == stop)
                progress.cancel();
        };
        try {
            work();
        } catch (const Cancelled &) {
            return true;
        }
        return false;
    };

    // Saving: stop at the first step, the second, ... until one completes.
    int stop = 1;
    for (;; ++stop) {
        Progress progress;
        if (!cancelled_at(stop, progress, [&] { save_objects(file, objects, &progress); }))
            break;
        QCOMPARE(contents(file), old_bytes);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"project.db"});
    }
    QVERIFY(stop > 3);

    // Loading: every step before the last gives nothing back.
    for (stop = 1;; ++stop) {
        Progress progress;
        std::vector<ObjectRecord> loaded;
        if (!cancelled_at(stop, progress, [&] { loaded = load_objects(file, &progress); })) {
            QCOMPARE(loaded.size(), objects.size());
            QCOMPARE(progress.done(), progress.total());
            break;
        }
        QVERIFY(loaded.empty());
    }
    QVERIFY(stop > 3);
}

void TestHostApp::progress_dialog_cancels_the_work()
{
    BackgroundTask task(m_window.get(), QStringLiteral("Working"), [&](Progress &progress) {
        progress.set_total(1000000);
        for (;;) {
            QThread::msleep(1);
            progress.advance(1);
        }
    });
    QSignalSpy finished(&task, &BackgroundTask::finished);
    task.start();
    QProgressDialog *dialog = nullptr;
    QTRY_VERIFY((dialog = m_window->findChild<QProgressDialog *>()) && dialog->isVisible());
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(dialog->findChild<QPushButton *>(), Qt::LeftButton);
    QVERIFY(finished.count() == 1 || finished.wait(5000));
    QVERIFY(task.was_cancelled());
    QVERIFY(!task.error());
    QVERIFY2(clock.elapsed() < 1000, "the work went on long after Cancel");
}

void TestHostApp::property_script_through_the_dialog()
{
    HostWindow &window = *m_window;
    window.store->add(small_object());
    QPointer<PropertyOperatorDialog> dialog = run_script(
        window, QStringLiteral("small"),
        QStringLiteral("propA = - propA\nimport numpy as np\nprint('minimum', propA.min())\n"
                       "propB = np.log10(abs(propA))\n"));
    QVERIFY(finish(window));
    QVERIFY(m_errors->messages.isEmpty());
    QTRY_VERIFY(!dialog); // accepted: OK closed it for good

    const GeoObject *small = window.store->get(QStringLiteral("small"));
    QCOMPARE(small->prop().keys(), (QStringList{"X", "Y", "Z", "propA", "propB"}));
    QCOMPARE(small->prop().value("propA"), test::array({-10, 100, -0.5, -1000}));
    const double *b = small->prop().value("propB").data<double>();
    QCOMPARE(b[0], 1.0);
    QCOMPARE(b[1], 2.0);
    QCOMPARE(b[2], std::log10(0.5));
    QCOMPARE(b[3], 3.0);

    // What it printed is shown beside the window.
    auto *output = window.findChild<QDialog *>(QStringLiteral("script_output"));
    QVERIFY(output && output->isVisible());
    QCOMPARE(output->findChild<QPlainTextEdit *>()->toPlainText(), QStringLiteral("minimum -1000.0\n"));
}

void TestHostApp::refused_scripts_change_nothing_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("reason");
    QTest::newRow("raises") << "print('before')\nx = propA / 2\ny = undefined_name\n"
                            << "File \"<script>\", line 3, in <module>\n    y = undefined_name\n";
    QTest::newRow("wrong length") << "print('before')\npropB = propA[:3]\n"
                                  << "'propB' holds 3 values for 4 vertices";
    QTest::newRow("assigns to Z") << "print('before')\npropB = propA\nZ = Z * 2\n"
                                  << "'Z' would replace coordinates of object 'small'";
}

void TestHostApp::refused_scripts_change_nothing()
{
    QFETCH(QString, script);
    QFETCH(QString, reason);
    HostWindow &window = *m_window;
    window.store->add(small_object());
    const QString before = values_of(window.store->get(QStringLiteral("small")));
    QSignalSpy changed(window.store, &ObjectStore::object_changed);
    QPointer<PropertyOperatorDialog> dialog = run_script(window, QStringLiteral("small"), script);
    QVERIFY(finish(window));
    settle();
    QCOMPARE(m_errors->messages.size(), 1);
    QVERIFY2(m_errors->messages.first().contains(reason), qPrintable(m_errors->messages.first()));
    QCOMPARE(values_of(window.store->get(QStringLiteral("small"))), before);
    QCOMPARE(changed.count(), 0);
    // The dialog comes back with the script as typed; the output is shown.
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->pteScript->toPlainText(), script);
    auto *output = window.findChild<QDialog *>(QStringLiteral("script_output"));
    QVERIFY(output && output->findChild<QPlainTextEdit *>()->toPlainText() == QLatin1String("before\n"));
}

void TestHostApp::cancel_stops_an_endless_script()
{
    HostWindow &window = *m_window;
    window.store->add(small_object());
    const QString before = values_of(window.store->get(QStringLiteral("small")));
    QPointer<PropertyOperatorDialog> dialog =
        run_script(window, QStringLiteral("small"), QStringLiteral("propB = propA\nwhile True:\n    pass\n"));
    QProgressDialog *progress = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((progress = window.findChild<QProgressDialog *>()) && progress->isVisible(), 20000);
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(progress->findChild<QPushButton *>(), Qt::LeftButton);
    QVERIFY(finish(window));
    QVERIFY2(clock.elapsed() < 2000, "the script went on long after Cancel");
    QVERIFY(m_errors->messages.isEmpty());
    QCOMPARE(values_of(window.store->get(QStringLiteral("small"))), before);
    QTRY_VERIFY(dialog && dialog->isVisible());

    // The interpreter is free again for the next script.
    dialog->pteScript->setPlainText(QStringLiteral("propB = propA + 1"));
    dialog->btn_ok->click();
    QVERIFY(finish(window));
    QCOMPARE(window.store->get(QStringLiteral("small"))->prop().value("propB"),
             test::array({11, -99, 1.5, 1001}));
}

void TestHostApp::batch_script_run_on_the_sample_project()
{
    const QString bin = QCoreApplication::applicationDirPath();
    const QString sample = bin + QStringLiteral("/../share/kelvra/sample-project.db");
    const QString saved = m_dir.filePath(QStringLiteral("scripted.db"));
    const QString script = m_dir.filePath(QStringLiteral("script.py"));
    QFile file(script);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("import numpy as np\n"
               "slowness = 1 / vint\n"
               "props['dense zone'] = porosity < 0.25\n"
               "vint = vint.astype(np.float32)\n");
    file.close();

    QProcess kelvra;
    kelvra.start(bin + QStringLiteral("/kelvra"), {sample, QStringLiteral("--script"), QStringLiteral("well A"),
                                                  script, QStringLiteral("--save"), saved});
    QVERIFY(kelvra.waitForFinished(60000));
    QCOMPARE(kelvra.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(kelvra.readAllStandardOutput()),
             QStringLiteral("vint\tfloat32\t41\nslowness\tfloat64\t41\ndense zone\tbool\t41\n"));

    const std::vector<ObjectRecord> objects = load_objects(saved);
    QCOMPARE(objects.size(), std::size_t(5));
    const ObjectRecord &well = objects.front();
    QCOMPARE(well.name, QStringLiteral("well A"));
    QCOMPARE(well.prop.keys(), (QStringList{"X", "Y", "Z", "MD", "vint", "porosity", "slowness", "dense zone"}));
    QCOMPARE(well.prop.value("vint").dtype(), DType::Float32);
    QCOMPARE(well.prop.value("slowness").data<double>()[0], 1.0 / 1800);
    QCOMPARE(well.prop.value("dense zone").dtype(), DType::Bool);

    // A refused run says why, exits non-zero and saves nothing.
    QFile::remove(saved);
    kelvra.start(bin + QStringLiteral("/kelvra"), {sample, QStringLiteral("--script"), QStringLiteral("survey outline"),
                                                  script, QStringLiteral("--save"), saved});
    QVERIFY(kelvra.waitForFinished(60000));
    QCOMPARE(kelvra.exitCode(), 1);
    QVERIFY(kelvra.readAllStandardError().contains("NameError: name 'vint' is not defined"));
    QVERIFY(!QFileInfo::exists(saved));
}

namespace {

QString real_file(const QString &name)
{
    return qEnvironmentVariable("KELVRA_REAL_DATA", QStringLiteral("/work/shared/data/real"))
        + QStringLiteral("/xtgeo-testdata/") + name;
}

// A file of the real data of other tools: "lasio/sample_2.0.las".
QString real_data(const QString &name)
{
    return qEnvironmentVariable("KELVRA_REAL_DATA", QStringLiteral("/work/shared/data/real")) + QLatin1Char('/')
        + name;
}

// Where the deviation survey P-129 puts MD 1670, 1669.875 and 1669.75 of a
// well, east, north and down from its wellhead and datum: minimum
// curvature from a vertical start at MD 0, worked out apart from Kelvra.
constexpr double kP129[3][3] = {{19.455973196, 89.813957670, 1666.949421480},
                                {19.453724645, 89.808846947, 1666.824546244},
                                {19.451477692, 89.803739065, 1666.699670863}};

const ObjectRecord &named(const std::vector<ObjectRecord> &objects, const QString &name)
{
    for (const ObjectRecord &object : objects) {
        if (object.name == name)
            return object;
    }
    throw LookupError(name);
}

double value_at(const ObjectRecord &object, const char *property, std::int64_t vertex)
{
    return object.prop.value(QLatin1String(property)).astype(DType::Float64).data<double>()[vertex];
}

// Runs kelvra with the arguments; its exit status, standard output and error.
std::tuple<int, QString, QString> run_kelvra(const QStringList &arguments,
                                             const QProcessEnvironment &environment =
                                                 QProcessEnvironment::systemEnvironment())
{
    QProcess kelvra;
    kelvra.setProcessEnvironment(environment);
    kelvra.start(QCoreApplication::applicationDirPath() + QStringLiteral("/kelvra"), arguments);
    if (!kelvra.waitForFinished(60000))
        return {-1, {}, {}};
    return {kelvra.exitCode(), QString::fromUtf8(kelvra.readAllStandardOutput()),
            QString::fromUtf8(kelvra.readAllStandardError())};
}

} // namespace

void TestHostApp::batch_imports_exports_and_saves()
{
    const QString saved = m_dir.filePath(QStringLiteral("imported.db"));
    const QString grid = m_dir.filePath(QStringLiteral("top.gri"));
    const QString points = m_dir.filePath(QStringLiteral("fault.csv"));
    const auto [status, out, err] = run_kelvra(
        {QStringLiteral("--import"), real_file(QStringLiteral("zmap_example.zmap")), QStringLiteral("--as"),
         QStringLiteral("top"), QStringLiteral("--null"), QStringLiteral("68.1617"), QStringLiteral("--import"),
         real_file(QStringLiteral("top_upper_reek_faultpoly.pol")), QStringLiteral("--import"),
         real_file(QStringLiteral("F5.ts")), QStringLiteral("--export"), QStringLiteral("top"), grid,
         QStringLiteral("--export"), QStringLiteral("F5"), points, QStringLiteral("--save"), saved});
    QVERIFY2(status == 0, qPrintable(err));
    QCOMPARE(out, QStringLiteral("top\tGsurface\t20\ntop_upper_reek_faultpoly\tLine\t754\nF5\tTsurface\t44\n"
                                 "wrote %1\nwrote %2\n")
                      .arg(grid, points));
    const std::vector<ObjectRecord> objects = load_objects(saved);
    QCOMPARE(objects.size(), std::size_t(3));
    QCOMPARE(objects[0].name, QStringLiteral("top"));
    const NdArray z = objects[0].prop.value(QStringLiteral("Z"));
    QCOMPARE(std::count_if(z.data<double>(), z.data<double>() + 20, [](double v) { return std::isnan(v); }), 4L);
    QCOMPARE(objects[1].prop.keys(), (QStringList{"X", "Y", "Z", "piece"}));
    // A surface that brings only its depths is coloured by them; a line is not.
    QCOMPARE(objects[0].current_property, std::optional<QString>(QStringLiteral("Z")));
    QVERIFY(objects[1].current_property != std::optional<QString>(QStringLiteral("Z")));
    // The grid and the triangles are in the saved project.
    QVERIFY(objects[0].grid);
    QCOMPARE(objects[0].grid->columns, 4);
    QCOMPARE(objects[0].grid->y_increment, 250.0);
    QCOMPARE(objects[2].triangles.shape(), (std::vector<std::int64_t>{65, 3}));
    // The exports read back: the grid in binary, the fault's vertices as CSV rows.
    const std::vector<ObjectRecord> back = formats::import_file(grid, {}, {}, nullptr);
    QCOMPARE(back.front().grid->columns, 4);
    QCOMPARE(back.front().prop.value(QStringLiteral("Z")).data<double>()[0], double(46.5453f));
    QFile csv(points);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QCOMPARE(csv.readAll().count('\n'), 45); // header and 44 vertices
}

void TestHostApp::batch_refusals_save_nothing()
{
    const QString saved = m_dir.filePath(QStringLiteral("refused.db"));
    const QString zmap = real_file(QStringLiteral("zmap_example.zmap"));
    // A name taken by the first import.
    auto [status, out, err] = run_kelvra({QStringLiteral("--import"), zmap, QStringLiteral("--import"), zmap,
                                          QStringLiteral("--save"), saved});
    QCOMPARE(status, 1);
    QVERIFY2(err.contains(QStringLiteral("there is an object named 'zmap_example' already")), qPrintable(err));
    QVERIFY(!QFileInfo::exists(saved));
    // A broken file: the file, the line and what is wrong.
    const QString broken = m_dir.filePath(QStringLiteral("broken.xyz"));
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("1 2 3\n4 five 6\n");
    file.close();
    std::tie(status, out, err) = run_kelvra({QStringLiteral("--import"), broken, QStringLiteral("--save"), saved});
    QCOMPARE(status, 1);
    QCOMPARE(err, QStringLiteral("kelvra: %1, line 2: 'five' in column 2 (column 2) is not a number\n").arg(broken));
    QVERIFY(!QFileInfo::exists(saved));
    // An export that the format cannot hold.
    std::tie(status, out, err) = run_kelvra({QStringLiteral("--import"), real_file(QStringLiteral("F5.ts")),
                                             QStringLiteral("--export"), QStringLiteral("F5"),
                                             m_dir.filePath(QStringLiteral("f.zmap")), QStringLiteral("--save"), saved});
    QCOMPARE(status, 1);
    QVERIFY2(err.contains(QStringLiteral("xyz (XYZ columns)")), qPrintable(err));
    QVERIFY(!QFileInfo::exists(saved));
    // Command lines that say nothing sound: exit status 2.
    for (const QStringList &wrong : {QStringList{QStringLiteral("--as"), QStringLiteral("x"), QStringLiteral("--import"), zmap},
                                     QStringList{QStringLiteral("--import"), zmap, QStringLiteral("--columns"), QStringLiteral("1,2")},
                                     QStringList{QStringLiteral("--import"), zmap, QStringLiteral("--colour"), QStringLiteral("red")},
                                     QStringList{QStringLiteral("--import"), zmap, QStringLiteral("--export"), QStringLiteral("zmap_example")}}) {
        std::tie(status, out, err) = run_kelvra(wrong + QStringList{QStringLiteral("--save"), saved});
        QVERIFY2(status == 2, qPrintable(wrong.join(' ')));
        QVERIFY(err.contains(QStringLiteral("Usage: kelvra [PROJECT] --import FILE")));
        QVERIFY(!QFileInfo::exists(saved));
    }
}

void TestHostApp::import_and_export_through_the_dialogs()
{
    HostWindow &window = *m_window;
    const int before = window.store->objects().size();
    auto *import = open<ImportDialog>(window, Requests::Kind::Import);
    QPointer<ImportDialog> alive = import;
    QCOMPARE(import->format->combobox->currentText(), QStringLiteral("Recognise from content"));
    import->input->lineedit->edit->setText(real_file(QStringLiteral("zmap_example.zmap")));
    import->nulls->edit->setText(QStringLiteral("68.1617"));
    import->load_lines();
    // What was recognised, before anything is imported.
    const QString shown = import->description->text();
    QVERIFY2(shown.contains(QStringLiteral("Format: ZMAP+ grid")), qPrintable(shown));
    QVERIFY(shown.contains(QStringLiteral("Grid: 4 columns x 5 rows, spacing 500 x 250, rotation 0 degrees")));
    QVERIFY(shown.contains(QStringLiteral("Vertices: 20")));
    QVERIFY(shown.contains(QStringLiteral("Null values: 4")));
    QCOMPARE(window.store->objects().size(), before);
    import->btn_ok->click();
    QVERIFY(finish(window));
    settle();
    const GeoObject *surface = window.store->get(QStringLiteral("zmap_example"));
    QCOMPARE(surface->geometry_type(), QStringLiteral("Gsurface"));
    QCOMPARE(surface->grid()->rows, 5);
    QTRY_VERIFY(!alive);

    // The same name again is refused: nothing changes, and the dialog comes
    // back with what was typed; another name goes in.
    import = open<ImportDialog>(window, Requests::Kind::Import);
    alive = import;
    import->input->lineedit->edit->setText(real_file(QStringLiteral("zmap_example.zmap")));
    import->btn_ok->click();
    QVERIFY(finish(window));
    settle();
    QCOMPARE(m_errors->messages.size(), 1);
    QVERIFY(m_errors->messages.front().contains(QStringLiteral("there is an object named 'zmap_example' already")));
    QCOMPARE(window.store->objects().size(), before + 1);
    QVERIFY(alive && import->isVisible());
    import->name->edit->setText(QStringLiteral("second"));
    import->btn_ok->click();
    QVERIFY(finish(window));
    settle();
    QCOMPARE(window.store->objects().size(), before + 2);

    // Out again as an IRAP ASCII grid, named by the format chosen.
    const QString file = m_dir.filePath(QStringLiteral("top.txt"));
    auto *exporting = open<ExportDialog>(window, Requests::Kind::Export);
    exporting->objects->clearSelection();
    exporting->objects->findItems(QStringLiteral("zmap_example"), Qt::MatchExactly).front()->setSelected(true);
    exporting->output->lineedit->edit->setText(file);
    exporting->format->combobox->setCurrentIndex(exporting->format->combobox->findData(QStringLiteral("irap-ascii")));
    exporting->btn_ok->click();
    QVERIFY(finish(window));
    const std::vector<ObjectRecord> back = formats::import_file(file, {}, {}, nullptr);
    QVERIFY(*back.front().grid == *surface->grid());
    const NdArray z = back.front().prop.value(QStringLiteral("Z"));
    QCOMPARE(std::count_if(z.data<double>(), z.data<double>() + 20, [](double v) { return std::isnan(v); }), 4L);
    QCOMPARE(m_errors->messages.size(), 1);
}

void TestHostApp::batch_imports_wells_and_seismic_with_their_options()
{
    const QString las = real_data(QStringLiteral("lasio/sample_2.0.las"));
    const QString survey = real_data(QStringLiteral("welly/P-129_deviation_survey.csv"));
    const QString f3 = real_data(QStringLiteral("segyio/f3.sgy"));
    const QString tops = m_dir.filePath(QStringLiteral("tops.csv"));
    write_file(tops, "WELL,TOP,MD\nAAAAA_2,Top A,1669.875\nOTHER,Top X,100\n");
    const QString saved = m_dir.filePath(QStringLiteral("wells-seismic.db"));
    // Every option is listed by --help.
    auto [status, out, err] = run_kelvra({QStringLiteral("--help")});
    QCOMPARE(status, 0);
    for (const char *option : {"--wellhead", "--path", "--tops", "--cube", "--inlines", "--crosslines", "--samples",
                               "--header-bytes"})
        QVERIFY2(out.contains(QLatin1String(option)), option);

    std::tie(status, out, err) = run_kelvra(
        {QStringLiteral("--import"), las, QStringLiteral("--as"), QStringLiteral("vertical"),
         QStringLiteral("--wellhead"), QStringLiteral("1000,2000,30"),
         QStringLiteral("--import"), las, QStringLiteral("--as"), QStringLiteral("deviated"),
         QStringLiteral("--wellhead=1000,2000,30"), QStringLiteral("--path"), survey, QStringLiteral("--tops"), tops,
         QStringLiteral("--import"), las, QStringLiteral("--as"), QStringLiteral("lost"),
         QStringLiteral("--import"), f3, QStringLiteral("--cube"), QStringLiteral("--inlines"),
         QStringLiteral("111:121:2"), QStringLiteral("--crosslines"), QStringLiteral("875:880"),
         QStringLiteral("--samples"), QStringLiteral("8:40:2"), QStringLiteral("--header-bytes"),
         QStringLiteral("189,193"), QStringLiteral("--save"), saved});
    QVERIFY2(status == 0, qPrintable(err));
    QCOMPARE(out, QStringLiteral("vertical\tPoint\t3\ndeviated\tPoint\t3\ndeviated tops\tLabel\t1\nlost\tPoint\t3\n"
                                 "f3\tSurvey\t5\nf3 cube\tCube\t180\n"));
    // Without a wellhead the well stands at the origin, and the user is told.
    QVERIFY2(err.contains(QStringLiteral("kelvra: warning: %1: The wellhead of 'lost' is not known: the well is "
                                         "placed at X = Y = 0 (Translate moves it).")
                              .arg(las)),
             qPrintable(err));
    QCOMPARE(err.count(QStringLiteral("placed at X = Y = 0")), 1);

    const std::vector<ObjectRecord> objects = load_objects(saved);
    // Straight down from the wellhead, MD 0 at the datum: Z = 30 - MD.
    const ObjectRecord &vertical = named(objects, QStringLiteral("vertical"));
    for (std::int64_t i = 0; i < 3; ++i) {
        QCOMPARE(value_at(vertical, "X", i), 1000.0);
        QCOMPARE(value_at(vertical, "Y", i), 2000.0);
        QCOMPARE(value_at(vertical, "Z", i), 30 - (1670 - 0.125 * double(i)));
    }
    // Along the survey.
    const ObjectRecord &deviated = named(objects, QStringLiteral("deviated"));
    for (std::int64_t i = 0; i < 3; ++i) {
        QVERIFY(std::abs(value_at(deviated, "X", i) - (1000 + kP129[i][0])) < 1e-6);
        QVERIFY(std::abs(value_at(deviated, "Y", i) - (2000 + kP129[i][1])) < 1e-6);
        QVERIFY(std::abs(value_at(deviated, "Z", i) - (30 - kP129[i][2])) < 1e-6);
    }
    // The one top of this well, on its path.
    const ObjectRecord &top = named(objects, QStringLiteral("deviated tops"));
    QCOMPARE(top.texts, QStringList{QStringLiteral("Top A")});
    QVERIFY(std::abs(value_at(top, "X", 0) - (1000 + kP129[1][0])) < 1e-6);
    QCOMPARE(value_at(named(objects, QStringLiteral("lost")), "X", 0), 0.0);

    // Every second inline from 111 to 121, crosslines 875 to 880, and every
    // second sample from 8 to 40 ms: the same amplitudes as in the whole cube.
    const ObjectRecord &part = named(objects, QStringLiteral("f3 cube"));
    QVERIFY(part.grid);
    QCOMPARE(part.grid->columns, std::int64_t(6));
    QCOMPARE(part.grid->rows, std::int64_t(6));
    QCOMPARE(part.grid->layers, std::int64_t(5));
    formats::ImportOptions whole_cube;
    whole_cube.cube = true;
    const ObjectRecord whole = formats::import_file(f3, {}, whole_cube, nullptr).back();
    QCOMPARE(whole.grid->layers, std::int64_t(75)); // from 4 ms, every 4 ms
    for (std::int64_t j = 0; j < 6; ++j) {
        for (std::int64_t i = 0; i < 6; ++i) {
            for (std::int64_t k = 0; k < 5; ++k) {
                const std::int64_t at = part.grid->vertex(i, j, k);
                QCOMPARE(value_at(part, "Z", at), -(8.0 + 8.0 * double(k)));
                QCOMPARE(value_at(part, "amplitude", at), value_at(whole, "amplitude", whole.grid->vertex(i, 2 * j, 1 + 2 * k)));
            }
        }
    }
}

void TestHostApp::batch_refuses_malformed_well_and_seismic_options()
{
    const QString las = real_data(QStringLiteral("lasio/sample_2.0.las"));
    const QString f3 = real_data(QStringLiteral("segyio/f3.sgy"));
    const QString saved = m_dir.filePath(QStringLiteral("malformed.db"));
    const struct
    {
        QStringList arguments;
        const char *says;
    } cases[] = {
        {{QStringLiteral("--import"), las, QStringLiteral("--wellhead"), QStringLiteral("1000")}, "--wellhead needs"},
        {{QStringLiteral("--import"), las, QStringLiteral("--wellhead"), QStringLiteral("1000,north")}, "--wellhead needs"},
        {{QStringLiteral("--import"), las, QStringLiteral("--path"), QStringLiteral("")}, "--path needs"},
        {{QStringLiteral("--tops"), las, QStringLiteral("--import"), las}, "--tops belongs after an --import"},
        {{QStringLiteral("--import"), f3, QStringLiteral("--cube"), QStringLiteral("--inlines"), QStringLiteral("111-121")},
         "--inlines needs"},
        {{QStringLiteral("--import"), f3, QStringLiteral("--cube"), QStringLiteral("--samples"), QStringLiteral("8:40:0")},
         "--samples needs"},
        {{QStringLiteral("--import"), f3, QStringLiteral("--cube"), QStringLiteral("--crosslines"), QStringLiteral("875:880:2:1")},
         "--crosslines needs"},
        {{QStringLiteral("--import"), f3, QStringLiteral("--header-bytes"), QStringLiteral("189")}, "--header-bytes needs"},
        {{QStringLiteral("--import"), f3, QStringLiteral("--header-bytes"), QStringLiteral("189,0")}, "--header-bytes needs"},
        {{QStringLiteral("--import"), f3, QStringLiteral("--cube=yes")}, "--cube takes no value"},
        {{QStringLiteral("--import"), f3, QStringLiteral("--inlines"), QStringLiteral("111:121")}, "give --cube with them"},
    };
    for (const auto &c : cases) {
        const auto [status, out, err] = run_kelvra(c.arguments + QStringList{QStringLiteral("--save"), saved});
        QVERIFY2(status == 2, qPrintable(c.arguments.join(' ')));
        QVERIFY2(err.contains(QLatin1String(c.says)), qPrintable(err));
        QVERIFY(!QFileInfo::exists(saved));
    }
}

void TestHostApp::import_dialog_well_tab_reaches_the_format_and_remembers_the_wellhead()
{
    HostWindow &window = *m_window;
    const QString las = real_data(QStringLiteral("lasio/sample_2.0.las"));
    auto *import = open<ImportDialog>(window, Requests::Kind::Import);
    import->input->lineedit->edit->setText(las);
    import->load_lines();
    // Only the Well page concerns a LAS file.
    QVERIFY(import->tabs->isTabEnabled(import->tabs->indexOf(import->well_tab)));
    QVERIFY(!import->tabs->isTabEnabled(import->tabs->indexOf(import->columns_tab)));
    QVERIFY(!import->tabs->isTabEnabled(import->tabs->indexOf(import->seismic_tab)));
    QCOMPARE(import->tabs->currentWidget(), import->well_tab);
    QVERIFY(import->description->text().contains(QStringLiteral("placed at X = Y = 0")));

    import->wellhead_x->edit->setText(QStringLiteral("1000"));
    import->wellhead_y->edit->setText(QStringLiteral("2000"));
    import->datum->edit->setText(QStringLiteral("30"));
    import->path_file->lineedit->edit->setText(real_data(QStringLiteral("welly/P-129_deviation_survey.csv")));
    Q_EMIT import->path_file->lineedit->edit->editingFinished();
    QVERIFY2(!import->description->text().contains(QStringLiteral("placed at X = Y = 0")),
             qPrintable(import->description->text()));
    import->name->edit->setText(QStringLiteral("deviated"));
    import->btn_ok->click();
    QVERIFY(finish(window));
    settle();
    QVERIFY(m_errors->messages.isEmpty());
    const ObjectRecord well = window.store->get(QStringLiteral("deviated"))->record();
    for (std::int64_t i = 0; i < 3; ++i) {
        QVERIFY(std::abs(value_at(well, "X", i) - (1000 + kP129[i][0])) < 1e-6);
        QVERIFY(std::abs(value_at(well, "Z", i) - (30 - kP129[i][2])) < 1e-6);
    }

    // The next import of that well starts with its wellhead.
    import = open<ImportDialog>(window, Requests::Kind::Import);
    import->input->lineedit->edit->setText(las);
    import->load_lines();
    QCOMPARE(import->wellhead_x->edit->text(), QStringLiteral("1000"));
    QCOMPARE(import->wellhead_y->edit->text(), QStringLiteral("2000"));
    QCOMPARE(import->datum->edit->text(), QStringLiteral("30"));
    QCOMPARE(*import->options().wellhead_y, 2000.0);
    QVERIFY(!import->description->text().contains(QStringLiteral("placed at X = Y = 0")));
    // A file of another well does not take it.
    import->input->lineedit->edit->setText(real_data(QStringLiteral("lasio/null_policy_-999.25.las")));
    import->load_lines();
    QVERIFY(import->wellhead_x->edit->text().isEmpty());
    QVERIFY(!import->options().wellhead_x);
    // A wellhead given in part is refused before anything is imported.
    import->wellhead_x->edit->setText(QStringLiteral("5"));
    QVERIFY_EXCEPTION_THROWN(import->apply(), ValueError);
}

void TestHostApp::import_dialog_seismic_tab_shows_the_header_and_the_cube_memory()
{
    HostWindow &window = *m_window;
    const int before = window.store->objects().size();
    auto *import = open<ImportDialog>(window, Requests::Kind::Import);
    QPointer<ImportDialog> alive = import;
    import->input->lineedit->edit->setText(real_data(QStringLiteral("segyio/f3.sgy")));
    Q_EMIT import->input->lineedit->edit->editingFinished();
    QCOMPARE(import->tabs->currentWidget(), import->seismic_tab);
    QVERIFY(!import->tabs->isTabEnabled(import->tabs->indexOf(import->well_tab)));
    QVERIFY(import->text_header->isReadOnly());
    QVERIFY2(import->text_header->toPlainText().startsWith(QStringLiteral("C 1 Cropped F3 2-byte integer data set")),
             qPrintable(import->text_header->toPlainText()));
    QVERIFY(import->cube_memory->text().isEmpty());
    QVERIFY(!import->ranges->isEnabled());

    // The whole cube: 18 crosslines x 23 inlines x 75 samples, each sample
    // a float32 amplitude and float64 X, Y and Z, beside the five corners.
    import->cube->setChecked(true);
    QVERIFY(import->ranges->isEnabled());
    const auto memory = [](std::int64_t samples) {
        return QLocale::system().formattedDataSize(samples * (4 + 3 * 8) + 5 * 3 * 8);
    };
    QVERIFY2(import->cube_memory->text().contains(memory(18 * 23 * 75)), qPrintable(import->cube_memory->text()));
    // A part, by line numbers and sample times: described anew.
    import->ranges->le_il_frst->setText(QStringLiteral("111"));
    import->ranges->le_il_last->setText(QStringLiteral("115"));
    import->ranges->le_xl_frst->setText(QStringLiteral("875"));
    import->ranges->le_xl_last->setText(QStringLiteral("877"));
    import->ranges->le_dp_frst->setText(QStringLiteral("4"));
    import->ranges->le_dp_last->setText(QStringLiteral("40"));
    Q_EMIT import->ranges->le_dp_last->editingFinished();
    QVERIFY2(import->cube_memory->text().contains(QStringLiteral("3 x 5 traces and 10 samples")),
             qPrintable(import->cube_memory->text()));
    QVERIFY(import->cube_memory->text().contains(memory(3 * 5 * 10)));

    // A line the survey lacks: refused, nothing imported, and the dialog
    // comes back with what was typed.
    import->ranges->le_il_last->setText(QStringLiteral("500"));
    import->btn_ok->click();
    QVERIFY(finish(window));
    settle();
    QCOMPARE(m_errors->messages.size(), 1);
    QVERIFY2(m_errors->messages.front().contains(QStringLiteral("there is no inline 500")),
             qPrintable(m_errors->messages.front()));
    QCOMPARE(window.store->objects().size(), before);
    QTRY_VERIFY(alive && import->isVisible());
    QCOMPARE(import->ranges->le_il_last->text(), QStringLiteral("500"));

    import->ranges->le_il_last->setText(QStringLiteral("115"));
    import->ranges->le_xl_ncrt->setText(QStringLiteral("2"));
    const formats::ImportOptions options = import->options();
    QCOMPARE(*options.inlines.first, std::int64_t(111));
    QCOMPARE(options.crosslines.step, std::int64_t(2));
    QCOMPARE(options.inline_byte, 189);
    import->btn_ok->click();
    QVERIFY(finish(window));
    settle();
    QCOMPARE(m_errors->messages.size(), 1);
    const GeoObject *cube = window.store->get(QStringLiteral("f3 cube"));
    QCOMPARE(cube->grid()->columns, std::int64_t(2)); // crosslines 875 and 877
    QCOMPARE(cube->grid()->rows, std::int64_t(5));
    QCOMPARE(cube->grid()->layers, std::int64_t(10));
    QCOMPARE(window.store->get(QStringLiteral("f3"))->geometry_type(), QStringLiteral("Survey"));
}

void TestHostApp::export_of_several_objects_goes_into_a_folder()
{
    HostWindow &window = *m_window;
    const QDir folder(m_dir.filePath(QStringLiteral("exports")));
    QVERIFY(folder.mkpath(QStringLiteral(".")));
    auto *exporting = open<ExportDialog>(window, Requests::Kind::Export);
    QPointer<ExportDialog> alive = exporting;
    QCOMPARE(exporting->objects->count(), window.store->objects().size());
    const auto choose = [exporting](const QStringList &names) {
        exporting->objects->clearSelection();
        for (const QString &name : names)
            exporting->objects->findItems(name, Qt::MatchExactly).front()->setSelected(true);
    };
    // One object goes into a file, several into a folder.
    choose({QStringLiteral("well A")});
    QVERIFY(exporting->output->isEnabled() && !exporting->folder->isEnabled());
    choose({QStringLiteral("well A"), QStringLiteral("fault F1")});
    QVERIFY(!exporting->output->isEnabled() && exporting->folder->isEnabled());
    exporting->folder->lineedit->edit->setText(folder.path());
    exporting->btn_apply->click();
    QVERIFY(finish(window));
    settle();
    QVERIFY(m_errors->messages.isEmpty());
    // Each named after its object, in the first format that holds it: a
    // well (a Point with measured depths) as LAS.
    QCOMPARE(folder.entryList(QDir::Files), (QStringList{QStringLiteral("fault F1.csv"), QStringLiteral("well A.las")}));
    const std::vector<ObjectRecord> fault = formats::import_file(folder.filePath(QStringLiteral("fault F1.csv")), {}, {}, nullptr);
    QCOMPARE(fault.front().prop.value(QStringLiteral("Z")).size(),
             window.store->get(QStringLiteral("fault F1"))->vertex_count());

    // All objects, in the format chosen.
    exporting->all_objects->setChecked(true);
    QVERIFY(exporting->folder->isEnabled());
    exporting->format->combobox->setCurrentIndex(exporting->format->combobox->findData(QStringLiteral("xyz")));
    exporting->btn_apply->click();
    QVERIFY(finish(window));
    settle();
    QStringList expected;
    for (const GeoObject *object : window.store->objects())
        expected << object->name() + QStringLiteral(".xyz");
    for (const QString &file : expected)
        QVERIFY2(folder.exists(file), qPrintable(file));
    QCOMPARE(folder.entryList({QStringLiteral("*.xyz")}, QDir::Files).size(), expected.size());

    // A folder that is not there: refused, and the dialog stays.
    exporting->folder->lineedit->edit->setText(m_dir.filePath(QStringLiteral("missing")));
    exporting->btn_ok->click();
    settle();
    QCOMPARE(m_errors->messages.size(), 1);
    QVERIFY2(m_errors->messages.front().contains(QStringLiteral("there is no folder")), qPrintable(m_errors->messages.front()));
    QTRY_VERIFY(alive && exporting->isVisible());
}

void TestHostApp::batch_run_needs_a_file_to_save_to()
{
    const QString sample = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/kelvra/sample-project.db");
    const QString script = m_dir.filePath(QStringLiteral("empty-save.py"));
    write_file(script, "slowness = 1 / vint\n");
    QProcess kelvra;
    start_batch(kelvra, sample, QStringLiteral("well A"), script, {QStringLiteral("--save"), QString()});
    QVERIFY(kelvra.waitForFinished(60000));
    QCOMPARE(kelvra.exitCode(), 2);
    QVERIFY(kelvra.readAllStandardError().contains("--save"));
    QCOMPARE(kelvra.readAllStandardOutput(), QByteArray());
}

void TestHostApp::signals_cancel_a_batch_save_cleanly()
{
    // A project large enough that its save is still running when the
    // signal comes.
    const QString project = m_dir.filePath(QStringLiteral("large.db"));
    save_objects(project, {big_surface(QStringLiteral("surface"), 8000000)});
    const QString script = m_dir.filePath(QStringLiteral("before-save.py"));
    write_file(script, "twice = amplitude * 2\n");
    QDir folder(m_dir.filePath(QStringLiteral("signalled")));
    QVERIFY(folder.mkpath(QStringLiteral(".")));
    const QString saved = folder.filePath(QStringLiteral("out.db"));
    write_file(saved, "the earlier file");

    for (const int signal : {SIGINT, SIGTERM}) {
        QProcess kelvra;
        start_batch(kelvra, project, QStringLiteral("surface"), script, {QStringLiteral("--save"), saved});
        QVERIFY(kelvra.waitForStarted());
        // The save has begun once its temporary file is there.
        bool saving = false;
        while (!saving && kelvra.state() == QProcess::Running) {
            saving = !folder.entryList({QStringLiteral(".out.db.*")}, QDir::Files | QDir::Hidden).isEmpty();
            if (!saving)
                QThread::usleep(500);
        }
        QVERIFY2(saving, "the batch run ended before its save began");
        QCOMPARE(::kill(pid_t(kelvra.processId()), signal), 0);
        QVERIFY(kelvra.waitForFinished(60000));
        QCOMPARE(kelvra.exitStatus(), QProcess::NormalExit);
        QCOMPARE(kelvra.exitCode(), 128 + signal);
        QVERIFY(kelvra.readAllStandardError().contains(signal == SIGINT ? "SIGINT" : "SIGTERM"));
        QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("out.db")});
        QCOMPARE(contents(saved), QByteArray("the earlier file"));
    }
}

void TestHostApp::files_keep_types_order_and_permissions()
{
    // Properties in an order that is not alphabetical, one of them float32.
    PropertyMap prop;
    prop.insert(QStringLiteral("X"), test::array({1, 2}));
    prop.insert(QStringLiteral("Y"), test::array({3, 4}));
    prop.insert(QStringLiteral("Z"), test::array({5, 6}));
    prop.insert(QStringLiteral("zeta"), NdArray::from_values(std::vector<float>{0.5f, 1.5f}));
    prop.insert(QStringLiteral("alpha"), NdArray::from_values(std::vector<std::int16_t>{-3, 7}));
    const GeoObject object(QStringLiteral("w"), QStringLiteral("Point"), prop, QStringLiteral("alpha"));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("w.db"));
    const mode_t mask = ::umask(027);
    save_objects(file, {object.record()});
    const QFile::Permissions fresh = QFileInfo(file).permissions();
    ::umask(mask);
    const ObjectRecord back = load_single_object(file);
    QCOMPARE(back.prop.keys(), (QStringList{"X", "Y", "Z", "zeta", "alpha"}));
    for (const QString &key : back.prop.keys())
        QCOMPARE(back.prop.value(key), object.prop().value(key));
    QCOMPARE(back.current_property, std::optional<QString>("alpha"));

    // A new file has the mode the umask gives; a replaced one keeps its own.
    QCOMPARE(fresh & 0x7777, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser
                                 | QFile::ReadGroup);
    QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser
                                             | QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther));
    save_objects(file, {object.record()});
    QCOMPARE(QFileInfo(file).permissions() & 0x7777, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser
                                                         | QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther);
}

void TestHostApp::modes_and_viewer_tabs_keep_the_docks_consistent()
{
    HostWindow &window = *m_window;
    QVERIFY(window.pivotbar);
    QVERIFY(window.pivotbar->cb_mode->count() >= 2); // the built-in mode and the sample plug-in
    QVERIFY(window.current_viewer);
    QVERIFY(qobject_cast<PropertyPlot *>(window.plotWidget.data()));

    // Checking objects shows them in the current viewer.
    window.show_objects({"well A", "fault F1"});
    QCOMPARE(window.current_viewer->dpState, (DisplayState{"well A", "fault F1"}));

    // A new viewer tab starts empty and the check marks follow it; back on
    // the first tab they follow again.
    auto *tabs = window.findChild<TabViewer *>();
    QVERIFY(tabs);
    tabs->new_viewer();
    QVERIFY(window.current_viewer->dpState.isEmpty());
    QVERIFY(window.objects->checked_names().isEmpty());
    tabs->setCurrentIndex(0);
    QCOMPARE(window.objects->checked_names(), (QStringList{"well A", "fault F1"}));

    // Switching modes leaves the docks as they were.
    window.pivotbar->cb_mode->setCurrentIndex(1);
    window.pivotbar->cb_mode->setCurrentIndex(0);
    QVERIFY(window.current_viewer);
    QCOMPARE(window.current_viewer->dpState, (DisplayState{"well A", "fault F1"}));

    // A removed object leaves every viewer.
    window.store->remove_object(QStringLiteral("fault F1"));
    QCOMPARE(window.current_viewer->dpState, DisplayState{"well A"});
    QCOMPARE(window.objects->checked_names(), QStringList{"well A"});
    QVERIFY(m_errors->messages.isEmpty());
}

void TestHostApp::opened_project_is_on_the_map_east_right_north_up()
{
    // Three marks with X and Y told apart: east of, and north of, the first.
    PropertyMap prop;
    prop.insert(QStringLiteral("X"), test::array({0, 1000, 0}));
    prop.insert(QStringLiteral("Y"), test::array({0, 0, 500}));
    prop.insert(QStringLiteral("Z"), test::array({0, 0, 0}));
    prop.insert(QStringLiteral("id"), test::array({1, 2, 3}));
    std::vector<std::unique_ptr<GeoObject>> objects = sample_objects();
    objects.insert(objects.begin(), std::make_unique<GeoObject>(QStringLiteral("marks"), QStringLiteral("Point"),
                                                                prop, QStringLiteral("id")));
    const QString file = m_dir.filePath(QStringLiteral("marks.db"));
    m_window->store->replace_all(std::move(objects));
    m_window->save_project(file);
    QVERIFY(finish(*m_window));
    const QStringList names = m_window->store->object_names();
    m_window.reset();

    HostWindow window;
    window.open_project(file);
    QVERIFY(finish(window));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.current_viewer->dpState, names);
    QStringList checked = window.objects->checked_names(); // in the tree's order
    checked.sort();
    QStringList sorted = names;
    sorted.sort();
    QCOMPARE(checked, sorted);
    QCOMPARE(window.objects->selected_object()->name(), QStringLiteral("marks"));
    auto *plot = qobject_cast<PropertyPlot *>(window.plotWidget.data());
    QCOMPARE(plot->axisTitle(QwtPlot::yLeft).text(), QStringLiteral("id"));

    auto *viewer = qobject_cast<MapViewer *>(window.current_viewer.data());
    viewer->render_now();
    const QTransform t = viewer->map_to_pixels();
    QVERIFY(t.map(QPointF(1000, 0)).x() > t.map(QPointF(0, 0)).x() + 50);
    QVERIFY(t.map(QPointF(0, 500)).y() < t.map(QPointF(0, 0)).y() - 20);
    // The vertex drawn at each mark's place is that mark.
    const double x[] = {0, 1000, 0}, y[] = {0, 0, 500};
    for (int i = 0; i < 3; ++i) {
        const QPointF at = t.map(QPointF(x[i], y[i]));
        QTest::mouseMove(viewer, QPoint(int(at.x()), int(at.y())));
        const QString readout = window.statusBar()->currentMessage();
        QVERIFY2(readout.endsWith(QStringLiteral("marks, vertex %1: id = %2").arg(i).arg(i + 1)), qPrintable(readout));
    }
}

void TestHostApp::map_follows_an_opened_project_of_the_same_names()
{
    // Two projects with an object of the same name: 400 vertices coloured
    // by "amp", and 3 vertices (other places, other numbers) by "depth".
    const QString many = m_dir.filePath(QStringLiteral("many.db")), few = m_dir.filePath(QStringLiteral("few.db"));
    save_objects(many, {big_horizon(20, 20, QStringLiteral("amp"))});
    PropertyMap prop;
    prop.insert(QStringLiteral("X"), test::array({0, 950, 500}));
    prop.insert(QStringLiteral("Y"), test::array({0, 950, 275}));
    prop.insert(QStringLiteral("Z"), test::array({1, 2, 3}));
    prop.insert(QStringLiteral("depth"), test::array({10, 20, 15}));
    save_objects(few, {ObjectRecord{QStringLiteral("big horizon"), QStringLiteral("Tsurface"), prop,
                                    QStringLiteral("depth")}});

    HostWindow &window = *m_window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.open_project(many);
    QVERIFY(finish(window));
    MapViewer *viewer = current_map(window);
    QString readout = readout_at(window, viewer, 50, 100);
    QVERIFY2(readout.endsWith(QStringLiteral("big horizon, vertex 41: amp = 41")), qPrintable(readout));
    // Zoomed into a corner, the other project opens shown whole.
    QTest::keyClick(viewer, Qt::Key_Plus);
    QTest::keyClick(viewer, Qt::Key_Plus);

    window.open_project(few);
    QVERIFY(finish(window));
    QCOMPARE(viewer->dpState, DisplayState{"big horizon"});
    QVERIFY(QRectF(viewer->map_area()).contains(viewer->map_to_pixels().map(QPointF(950, 950))));
    readout = readout_at(window, viewer, 500, 275);
    QVERIFY2(readout.endsWith(QStringLiteral("big horizon, vertex 2: depth = 15")), qPrintable(readout));
    readout = readout_at(window, viewer, 50, 100);
    QVERIFY2(!readout.contains(QStringLiteral("vertex")), qPrintable(readout));
    QCOMPARE(colour_at(viewer, 50, 100), QColor(Qt::white));
    QVERIFY(viewer->colour_bar_ticks(QStringLiteral("amp")).empty());
    QVERIFY(!viewer->colour_bar_ticks(QStringLiteral("depth")).empty());
    auto *plot = qobject_cast<PropertyPlot *>(window.plotWidget.data());
    QCOMPARE(plot->axisTitle(QwtPlot::yLeft).text(), QStringLiteral("depth"));

    // And back: many vertices again, coloured by a property the other has not.
    window.open_project(many);
    QVERIFY(finish(window));
    readout = readout_at(window, viewer, 950, 950);
    QVERIFY2(readout.endsWith(QStringLiteral("big horizon, vertex 399: amp = 399")), qPrintable(readout));
    QVERIFY(viewer->colour_bar_ticks(QStringLiteral("depth")).empty());
    QVERIFY(m_errors->messages.isEmpty());
}

void TestHostApp::map_follows_rename_copy_remove_load_and_scripts()
{
    HostWindow &window = *m_window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ObjectStore &store = *window.store;
    window.show_objects({"survey outline", "well A", "well B"});
    MapViewer *viewer = current_map(window);
    const QColor colour_a = QColor::fromRgb(*store.get(QStringLiteral("well A"))->colour());

    // Renamed: in its place, in its colour, under its new name.
    store.rename_object(QStringLiteral("well A"), QStringLiteral("well Z"));
    QCOMPARE(viewer->dpState, (DisplayState{"survey outline", "well Z", "well B"}));
    QCOMPARE(colour_at(viewer, 1200, 800), colour_a);
    QString readout = readout_at(window, viewer, 1200, 800);
    QVERIFY2(readout.contains(QStringLiteral("well Z, vertex 40: vint = ")), qPrintable(readout));

    // A copy is another object, with a colour of its own; removed, it leaves.
    store.copy_object(QStringLiteral("well Z"), QStringLiteral("well Z copy"));
    window.show_objects({"survey outline", "well Z", "well B", "well Z copy"});
    const QColor colour_copy = QColor::fromRgb(*store.get(QStringLiteral("well Z copy"))->colour());
    QVERIFY(colour_copy != colour_a);
    QCOMPARE(colour_at(viewer, 1200, 800), colour_copy);
    store.remove_object(QStringLiteral("well Z copy"));
    QCOMPARE(viewer->dpState, (DisplayState{"survey outline", "well Z", "well B"}));
    QCOMPARE(colour_at(viewer, 1200, 800), colour_a);

    // Removed, then loaded again from a file where it lies elsewhere: the
    // map draws the loaded object once it is checked, never the old one.
    ObjectRecord moved = store.get(QStringLiteral("well Z"))->record();
    PropertyMap &prop = moved.prop;
    prop.insert(QStringLiteral("X"), prop.value(QStringLiteral("X")).copy());
    double *x = prop.writable(QStringLiteral("X")).data<double>();
    for (std::int64_t i = 0; i < prop.value(QStringLiteral("X")).size(); ++i)
        x[i] += 1000;
    const QString file = m_dir.filePath(QStringLiteral("moved.db"));
    save_objects(file, {moved});
    store.remove_object(QStringLiteral("well Z"));
    QCOMPARE(viewer->dpState, (DisplayState{"survey outline", "well B"}));
    auto *load = open<LoadObjectDialog>(window, Requests::Kind::LoadObject);
    load->input->lineedit->edit->setText(file);
    load->btn_ok->click();
    QVERIFY(finish(window));
    settle();
    window.show_objects({"survey outline", "well B", "well Z"});
    QCOMPARE(colour_at(viewer, 1200, 800), QColor(Qt::white));
    readout = readout_at(window, viewer, 2200, 800);
    QVERIFY2(readout.contains(QStringLiteral("well Z, vertex 40")), qPrintable(readout));

    // A script's result recolours the map and reads out.
    window.store->add(small_object());
    window.show_objects({"survey outline", "well B", "well Z", "small"});
    run_script(window, QStringLiteral("small"), QStringLiteral("propA = propA * 0 + 7.25\n"));
    QVERIFY(finish(window));
    readout = readout_at(window, viewer, 3, 1);
    QVERIFY2(readout.endsWith(QStringLiteral("small, vertex 3: propA = 7.25")), qPrintable(readout));
    QVERIFY(m_errors->messages.isEmpty());
}

void TestHostApp::objects_keep_their_colour_everywhere()
{
    HostWindow &window = *m_window;
    window.show_objects({"well A", "well B"});
    MapViewer *viewer = current_map(window);
    const QColor colour_b = QColor::fromRgb(*window.store->get(QStringLiteral("well B"))->colour());
    QCOMPARE(colour_at(viewer, 3100, 2400), colour_b);
    // Hidden and shown again after another object: the same colour.
    window.show_objects({"well A"});
    window.show_objects({"well A", "fault F1", "well B"});
    QCOMPARE(colour_at(viewer, 3100, 2400), colour_b);
    // Renamed, and in another viewer.
    window.store->rename_object(QStringLiteral("well B"), QStringLiteral("well B2"));
    QCOMPARE(colour_at(viewer, 3100, 2400), colour_b);
    window.findChild<TabViewer *>()->new_viewer();
    settle();
    window.show_objects({"well B2", "well A"});
    MapViewer *other = current_map(window);
    QVERIFY(other != viewer);
    QCOMPARE(colour_at(other, 3100, 2400), colour_b);
}

void TestHostApp::colour_by_depth_from_the_object_menu()
{
    HostWindow &window = *m_window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.show_objects({"top reservoir"});
    window.objects->select(QStringLiteral("top reservoir"));
    QTimer::singleShot(0, [] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction *action : menu->actions()) {
            if (action->text() != QStringLiteral("Current property"))
                continue;
            for (QAction *choice : action->menu()->actions()) {
                if (choice->text() == QStringLiteral("Z"))
                    choice->trigger();
            }
        }
        menu->close();
    });
    emit window.objects->object_menu_requested(QStringLiteral("top reservoir"), QPoint(100, 100));
    const GeoObject *horizon = window.store->get(QStringLiteral("top reservoir"));
    QCOMPARE(horizon->current_property(), std::optional<QString>("Z"));

    // The map's colour bar spans the depths, the readout and the plot show them.
    MapViewer *viewer = current_map(window);
    const NdArray &z = horizon->prop().value(QStringLiteral("Z"));
    const double *depth = z.data<double>();
    const auto [low, high] = std::minmax_element(depth, depth + z.size());
    const std::vector<AxisTick> ticks = viewer->colour_bar_ticks(QStringLiteral("Z"));
    QVERIFY(ticks.size() >= 2);
    QVERIFY(ticks.front().value >= *low && ticks.back().value <= *high);
    QVERIFY(viewer->colour_bar_ticks(QStringLiteral("amplitude")).empty());
    const QString readout = readout_at(window, viewer, 4000, 3000); // the last vertex, in a corner
    QVERIFY2(readout.endsWith(QStringLiteral("top reservoir, vertex 440: Z = %1")
                                  .arg(QString::number(depth[440], 'g', 6))),
             qPrintable(readout));
    auto *plot = qobject_cast<PropertyPlot *>(window.plotWidget.data());
    QCOMPARE(plot->axisTitle(QwtPlot::yLeft).text(), QStringLiteral("Z"));
    QVERIFY(m_errors->messages.isEmpty());
}

void TestHostApp::depth_flipped_in_place_is_measured_anew()
{
    // The plot measures the depths of the horizon; once it plots another
    // object, nothing else holds them, and a depth flip turns them round in
    // place. The map, shown the horizon afterwards, spans the new depths.
    HostWindow &window = *m_window;
    window.store->set_current_property(QStringLiteral("top reservoir"), QStringLiteral("Z"));
    window.objects->select(QStringLiteral("top reservoir"));
    auto *plot = qobject_cast<PropertyPlot *>(window.plotWidget.data());
    QVERIFY(plot->axisScaleDiv(QwtPlot::yLeft).upperBound() < 0);
    window.objects->select(QStringLiteral("well A"));
    const GeoObject *horizon = window.store->get(QStringLiteral("top reservoir"));
    const std::byte *depths = horizon->prop().value(QStringLiteral("Z")).bytes();
    window.store->flip_depth(QStringLiteral("top reservoir"));
    QCOMPARE(horizon->prop().value(QStringLiteral("Z")).bytes(), depths); // flipped in place
    window.show_objects({"top reservoir"});
    const std::vector<AxisTick> ticks = current_map(window)->colour_bar_ticks(QStringLiteral("Z"));
    QVERIFY(!ticks.empty());
    for (const AxisTick &tick : ticks)
        QVERIFY2(tick.value > 0, qPrintable(tick.label));
}

void TestHostApp::current_property_from_the_object_menu()
{
    HostWindow &window = *m_window;
    window.objects->select(QStringLiteral("well A"));
    QStringList offered, checked;
    QTimer::singleShot(0, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction *action : menu->actions()) {
            if (action->text() != QStringLiteral("Current property"))
                continue;
            for (QAction *choice : action->menu()->actions()) {
                offered << choice->text();
                if (choice->isChecked())
                    checked << choice->text();
            }
            action->menu()->actions().last()->trigger();
        }
        menu->close();
    });
    emit window.objects->object_menu_requested(QStringLiteral("well A"), QPoint(100, 100));
    QCOMPARE(offered, (QStringList{"X", "Y", "Z", "MD", "vint", "porosity"}));
    QCOMPARE(checked, QStringList{"vint"});
    QCOMPARE(window.store->get(QStringLiteral("well A"))->current_property(), std::optional<QString>("porosity"));
    auto *plot = qobject_cast<PropertyPlot *>(window.plotWidget.data());
    // A well's log: its values along the horizontal axis, against depth.
    QCOMPARE(plot->axisTitle(QwtPlot::xBottom).text(), QStringLiteral("porosity"));
    QVERIFY(m_errors->messages.isEmpty());

    // An object with coordinates only has no property to rename or remove.
    auto menu_of = [&window](const QString &object) {
        QStringList texts;
        QTimer::singleShot(0, [&texts] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            for (QAction *action : menu->actions())
                texts << action->text();
            menu->close();
        });
        emit window.objects->object_menu_requested(object, QPoint(100, 100));
        return texts;
    };
    QVERIFY(menu_of(QStringLiteral("well A")).contains(QStringLiteral("Remove property...")));
    const QStringList outline = menu_of(QStringLiteral("survey outline"));
    QVERIFY(outline.contains(QStringLiteral("Create property...")));
    QVERIFY(!outline.contains(QStringLiteral("Rename property...")));
    QVERIFY(!outline.contains(QStringLiteral("Remove property...")));
}

void TestHostApp::bug_report_is_handed_over()
{
    HostWindow &window = *m_window;
    QUrl handed;
    window.requests->open_url = [&handed](const QUrl &url) {
        handed = url;
        return true;
    };
    auto *report = open<ReportBugDialog>(window, Requests::Kind::ReportBug);
    report->receivers->edit->setText(QStringLiteral("dev@example.com, qa@example.com"));
    report->subject->edit->setText(QStringLiteral("Crash & burn"));
    report->btn_ok->click();
    QCOMPARE(handed.scheme(), QStringLiteral("mailto"));
    QCOMPARE(handed.path(), QStringLiteral("dev@example.com,qa@example.com"));
    QVERIFY(handed.toString(QUrl::FullyEncoded).contains(QStringLiteral("subject=Crash%20%26%20burn")));

    // Without a mail program the report is saved to a file.
    const QString saved = m_dir.filePath(QStringLiteral("report.txt"));
    window.requests->open_url = [](const QUrl &) { return false; };
    window.requests->ask_report_file = [saved] { return saved; };
    auto *offline = open<ReportBugDialog>(window, Requests::Kind::ReportBug);
    offline->subject->edit->setText(QStringLiteral("Offline"));
    test::on_next_modal([](QWidget *box) { qobject_cast<QDialog *>(box)->accept(); });
    offline->btn_ok->click();
    QFile file(saved);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("Subject: Offline"));
}

void TestHostApp::help_is_in_the_interface_language()
{
    const QString config = m_dir.filePath(QStringLiteral("german.ini"));
    QSettings(config, QSettings::IniFormat).setValue(QStringLiteral("main/interface_language"), QStringLiteral("de"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("KELVRA_CONFIG"), config);
    const auto [status, out, err] = run_kelvra({QStringLiteral("--help")}, environment);
    QVERIFY2(status == 0, qPrintable(err));
    for (const QString &line : {QStringLiteral("Erstellt und untersucht 3-D-Modelle des Untergrunds."),
                                QStringLiteral("Optionen:"), QStringLiteral("--import <datei>"),
                                QStringLiteral("--wellhead <x,y[,bezug]>")})
        QVERIFY2(out.contains(line), qPrintable(out));
}

void TestHostApp::preferences_are_kept_and_reach_new_viewers()
{
    HostWindow &window = *m_window;
    window.show_preferences();
    auto *preferences = window.findChild<ConfigDialog *>();
    QVERIFY(preferences);
    QCOMPARE(preferences->contents_widget->count(), 2);
    auto *language = qobject_cast<LanguagePage *>(preferences->get_page(0));
    auto *viewer = qobject_cast<ViewerPage *>(preferences->get_page(1));
    language->languages->setCurrentIndex(language->languages->findData(QStringLiteral("de")));
    viewer->aspect->setCurrentIndex(viewer->aspect->findData(QStringLiteral("Auto")));
    preferences->accept();
    QCOMPARE(CONF.get(QStringLiteral("main"), QStringLiteral("interface_language")).toString(), QStringLiteral("de"));
    QCOMPARE(ViewerPage::aspect_method(), QStringLiteral("Auto"));

    auto *tabs = window.findChild<TabViewer *>();
    tabs->new_viewer();
    auto *fresh = qobject_cast<MapViewer *>(window.current_viewer.data());
    QVERIFY(fresh);
    QCOMPARE(fresh->aspect_method(), AspectMethod::Auto);
    CONF.set(QStringLiteral("main"), QStringLiteral("interface_language"), QStringLiteral("en"));
    CONF.set(QStringLiteral("viewer"), QStringLiteral("aspect_method"), QStringLiteral("Equal"));
}

KELVRA_TEST_MAIN(TestHostApp)
#include "tst_hostapp.moc"
