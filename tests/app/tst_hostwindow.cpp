// The main window around the user's work, offscreen: changes mark the
// project modified and Save clears the mark; nothing closes, quits or
// replaces a project with changes not saved without asking; recent
// projects; viewers and docks that can always be brought back; an empty
// plot that says why; pictures that wait for what they show; dialogs from
// the object tree; and the background tasks behind open and save.

#include "app/core/objectfile.h"
#include "app/core/objectstore.h"
#include "app/core/sampleproject.h"
#include "app/ui/backgroundtask.h"
#include "app/ui/hostwindow.h"
#include "app/ui/objecttreewidget.h"
#include "app/ui/pictures.h"
#include "app/ui/projectsession.h"
#include "app/ui/recentprojects.h"
#include "app/ui/requests.h"
#include "app/ui/storetasks.h"

#include "host/config.h"
#include "host/errors.h"
#include "host/views/mapviewer.h"
#include "host/views/propertycurve.h"
#include "host/views/propertyplot.h"
#include "host/views/tabviewer.h"
#include "widgets/dialogs.h"
#include "widgets/pivotbar.h"

#include "testmain.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QDockWidget>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QWindow>
#include <QtTest>

using namespace kelvra;
using namespace kelvra::app;

namespace {

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

// A surface of n vertices whose values are known: X = i, Y = 2i, Z = -i,
// amplitude = i % 7.
ObjectRecord surface(const QString &name, std::int64_t n)
{
    PropertyMap prop;
    const auto filled = [n](auto value) {
        NdArray values(DType::Float64, {n});
        double *out = values.data<double>();
        for (std::int64_t i = 0; i < n; ++i)
            out[i] = value(i);
        return values;
    };
    prop.insert(QStringLiteral("X"), filled([](std::int64_t i) { return double(i); }));
    prop.insert(QStringLiteral("Y"), filled([](std::int64_t i) { return 2.0 * double(i); }));
    prop.insert(QStringLiteral("Z"), filled([](std::int64_t i) { return -double(i); }));
    prop.insert(QStringLiteral("amplitude"), filled([](std::int64_t i) { return double(i % 7); }));
    return {name, QStringLiteral("Tsurface"), prop, QStringLiteral("amplitude")};
}

// Whether the file holds exactly these objects, value for value.
bool file_holds(const QString &path, const std::vector<ObjectRecord> &expected)
{
    const std::vector<ObjectRecord> saved = load_objects(path);
    if (saved.size() != expected.size())
        return false;
    for (std::size_t i = 0; i < saved.size(); ++i) {
        if (saved[i].name != expected[i].name || saved[i].prop.keys() != expected[i].prop.keys())
            return false;
        for (const QString &key : saved[i].prop.keys()) {
            if (!(saved[i].prop.value(key) == expected[i].prop.value(key)))
                return false;
        }
    }
    return true;
}

// Presses key on the window as the user would (the window active).
void press(HostWindow &window, const QKeySequence &key)
{
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
    QTest::keySequence(target, key);
}

QStringList texts_of(const QMenu *menu)
{
    QStringList texts;
    for (const QAction *action : menu->actions()) {
        if (!action->isSeparator())
            texts << action->text();
    }
    return texts;
}

// The pixels of the curve's colour inside the plot's canvas in a picture of the window.
int curve_pixels(const QImage &picture, const HostWindow &window, const PropertyPlot &plot)
{
    const QRect canvas(plot.canvas()->mapTo(&window, QPoint(0, 0)), plot.canvas()->size());
    const QColor ink = plot.curve->pen().color();
    int count = 0;
    for (int y = canvas.top(); y <= canvas.bottom(); ++y) {
        for (int x = canvas.left(); x <= canvas.right(); ++x)
            count += picture.pixelColor(x, y) == ink;
    }
    return count;
}

} // namespace

class TestHostWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    // Unsaved changes and Save.
    void every_accepted_change_marks_the_project_modified();
    void save_writes_the_project_file_and_clears_the_mark();
    void failed_or_cancelled_save_keeps_the_mark();
    void closing_with_changes_asks_data();
    void closing_with_changes_asks();
    void quit_asks_and_a_failed_save_keeps_the_window();
    void opening_another_project_asks_first_data();
    void opening_another_project_asks_first();
    void session_end_asks_and_can_cancel();
    void the_question_offers_save_discard_and_cancel();

    // Recent projects.
    void recent_projects_most_recent_first();

    // Views and pictures.
    void new_viewer_is_always_at_hand();
    void closed_docks_come_back_from_the_view_menu();
    void empty_plot_says_why();
    void window_picture_waits_for_the_plot();
    void well_is_drawn_as_its_path_and_plotted_against_depth();
    void screenshot_of_a_project_that_did_not_open_fails();

    // Dialogs opened from the object tree.
    void object_menu_dialogs_start_with_the_object_data();
    void object_menu_dialogs_start_with_the_object();
    void refused_dialog_comes_back_where_it_was();

    // Background tasks.
    void second_task_is_refused_and_the_first_goes_on();
    void progress_dialog_shows_the_share_done();
    void closing_during_a_save_waits_for_it();

private:
    // A project file of the sample objects, opened in the window; not modified.
    QString open_sample_file(const QString &name = QStringLiteral("project.db"));

    QTemporaryDir m_dir;
    std::unique_ptr<HostWindow> m_window;
    std::unique_ptr<test::ErrorRecorder> m_errors;
    QStringList m_questions; // what the window asked about unsaved changes
    QMessageBox::StandardButton m_answer = QMessageBox::Cancel;
};

void TestHostWindow::initTestCase()
{
    QVERIFY(m_dir.isValid());
    CONF.set_path(m_dir.filePath(QStringLiteral("kelvra.ini")));
}

void TestHostWindow::init()
{
    m_errors = std::make_unique<test::ErrorRecorder>();
    m_window = std::make_unique<HostWindow>();
    m_window->project->recent->clear();
    m_questions.clear();
    m_window->project->ask_unsaved = [this](const QString &question) {
        m_questions << question;
        return m_answer;
    };
    m_window->project->ask_file = [](bool) {
        QTest::qFail("a file chooser was opened", __FILE__, __LINE__);
        return QString();
    };
    m_window->show();
}

void TestHostWindow::cleanup()
{
    m_window.reset();
    m_errors.reset();
}

QString TestHostWindow::open_sample_file(const QString &name)
{
    std::vector<ObjectRecord> records;
    for (const auto &object : sample_objects())
        records.push_back(object->record());
    const QString path = m_dir.filePath(name);
    save_objects(path, records);
    m_window->open_project(path);
    finish(*m_window);
    return path;
}

void TestHostWindow::every_accepted_change_marks_the_project_modified()
{
    HostWindow &window = *m_window;
    const QString path = open_sample_file();
    QVERIFY(!window.isWindowModified());
    QCOMPARE(window.windowTitle(), QStringLiteral("project.db[*]"));
    QCOMPARE(window.windowFilePath(), path);

    // Each change through the store, a dialog or a script marks the
    // project; saving clears the mark before the next.
    const QString object_file = m_dir.filePath(QStringLiteral("single.db"));
    save_objects(object_file, {surface(QStringLiteral("loaded"), 10)});
    const struct
    {
        const char *what;
        std::function<void()> change;
    } changes[] = {
        {"copy", [&] { window.store->copy_object(QStringLiteral("well A"), QStringLiteral("well A2")); }},
        {"translate", [&] { window.store->translate(QStringLiteral("well A"), 1, 0, 0); }},
        {"rename", [&] { window.store->rename_object(QStringLiteral("well A2"), QStringLiteral("well C")); }},
        {"current property", [&] { window.store->set_current_property(QStringLiteral("well A"), QStringLiteral("porosity")); }},
        {"script", [&] {
             auto *dialog = qobject_cast<PropertyOperatorDialog *>(window.requests->open(Requests::Kind::PropertyOperator));
             dialog->grabob->lineedit->edit->setText(QStringLiteral("well A"));
             dialog->pteScript->setPlainText(QStringLiteral("doubled = vint * 2"));
             dialog->btn_ok->click();
             QVERIFY(finish(window));
         }},
        {"load object", [&] {
             auto *dialog = qobject_cast<LoadObjectDialog *>(window.requests->open(Requests::Kind::LoadObject));
             dialog->input->lineedit->edit->setText(object_file);
             dialog->btn_ok->click();
             QVERIFY(finish(window));
         }},
    };
    for (const auto &[what, change] : changes) {
        change();
        QVERIFY2(m_errors->messages.isEmpty(), qPrintable(m_errors->messages.join(QLatin1Char('\n'))));
        QVERIFY2(window.isWindowModified(), what);
        window.save_project(path);
        QVERIFY(finish(window));
        QVERIFY2(!window.isWindowModified(), what);
    }
    QVERIFY(window.store->object(QStringLiteral("loaded")));

    // A refused change is no change.
    QVERIFY_EXCEPTION_THROWN(window.store->rename_object(QStringLiteral("well A"), QStringLiteral("well B")),
                             ValueError);
    QVERIFY(!window.isWindowModified());
}

void TestHostWindow::save_writes_the_project_file_and_clears_the_mark()
{
    HostWindow &window = *m_window;
    const QString path = open_sample_file();
    window.store->remove_object(QStringLiteral("well B"));
    QVERIFY(window.isWindowModified());

    // Ctrl+S writes back where the project came from, asking nothing.
    press(window, QKeySequence::Save);
    QVERIFY(finish(window));
    QVERIFY(!window.isWindowModified());
    QVERIFY(file_holds(path, window.store->records()));

    // A project without a file of its own (opened from a starting point,
    // as the sample project is) asks where to go, once; then that file is
    // the project's, and the starting point stays as it was.
    const std::vector<ObjectRecord> start = window.store->records();
    window.project->open(path, {}, true);
    QVERIFY(finish(window));
    QCOMPARE(window.windowTitle(), QStringLiteral("Untitled[*]"));
    QVERIFY(!window.isWindowModified());
    window.store->remove_object(QStringLiteral("fault F1"));
    const QString other = m_dir.filePath(QStringLiteral("other.db"));
    int asked = 0;
    window.project->ask_file = [&](bool saving) {
        asked += saving;
        return other;
    };
    QVERIFY(window.project->save());
    QVERIFY(finish(window));
    QCOMPARE(asked, 1);
    QCOMPARE(window.project->file(), other);
    QCOMPARE(window.windowTitle(), QStringLiteral("other.db[*]"));
    QVERIFY(!window.isWindowModified());
    QVERIFY(file_holds(other, window.store->records()));
    QVERIFY(file_holds(path, start));

    // A chooser cancelled saves nothing and keeps the mark.
    window.store->remove_object(QStringLiteral("well A"));
    window.project->ask_file = [](bool) { return QString(); };
    QVERIFY(!window.project->save_as());
    QVERIFY(window.isWindowModified());
}

void TestHostWindow::failed_or_cancelled_save_keeps_the_mark()
{
    HostWindow &window = *m_window;
    const QString path = open_sample_file();
    const QByteArray before = [&] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    window.store->remove_object(QStringLiteral("well B"));

    // A file that may not be written: said so, the mark and the project's
    // file stay.
    const QString nowhere = QStringLiteral("/proc/kelvra-project.db");
    bool ended_ok = true;
    window.save_project(nowhere, [&](bool ok) { ended_ok = ok; });
    QVERIFY(finish(window));
    QVERIFY(!ended_ok);
    QCOMPARE(m_errors->messages.size(), 1);
    QVERIFY(m_errors->messages.first().contains(QStringLiteral("/proc")));
    QVERIFY(window.isWindowModified());
    QCOMPARE(window.project->file(), path);

    // A save cancelled half-way: the same, and the file untouched.
    window.store->add(std::make_unique<GeoObject>(surface(QStringLiteral("big"), 1200000)));
    window.save_project(path)->cancel();
    QVERIFY(finish(window));
    QVERIFY(window.isWindowModified());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void TestHostWindow::closing_with_changes_asks_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("saved");
    QTest::newRow("save") << int(QMessageBox::Save) << true << true;
    QTest::newRow("discard") << int(QMessageBox::Discard) << true << false;
    QTest::newRow("cancel") << int(QMessageBox::Cancel) << false << false;
}

void TestHostWindow::closing_with_changes_asks()
{
    QFETCH(int, answer);
    QFETCH(bool, closed);
    QFETCH(bool, saved);
    HostWindow &window = *m_window;
    const QString path = open_sample_file();
    const std::vector<ObjectRecord> opened = window.store->records();

    // Nothing changed: it closes without a word.
    QVERIFY(window.close());
    QVERIFY(m_questions.isEmpty());
    window.show();

    window.store->remove_object(QStringLiteral("well B"));
    const std::vector<ObjectRecord> changed = window.store->records();
    m_answer = QMessageBox::StandardButton(answer);
    window.close();
    QCOMPARE(m_questions, QStringList{"Do you want to save the changes to project.db?"});
    QVERIFY(finish(window));
    QTRY_COMPARE(!window.isVisible(), closed);
    QTest::qWait(20); // a window kept open stays open
    QCOMPARE(!window.isVisible(), closed);
    QCOMPARE(window.store->records().size(), changed.size()); // nothing was thrown away in the window
    QVERIFY(file_holds(path, saved ? changed : opened));
    QCOMPARE(window.isWindowModified(), !saved);
    QCOMPARE(m_questions.size(), 1);
}

void TestHostWindow::quit_asks_and_a_failed_save_keeps_the_window()
{
    HostWindow &window = *m_window;
    const QString path = open_sample_file();
    window.project->open(path, {}, true); // no file of its own: Save asks for one
    QVERIFY(finish(window));
    window.store->remove_object(QStringLiteral("well B"));
    // Saved where no file may be made: the save fails, the window stays.
    window.project->ask_file = [](bool) { return QStringLiteral("/proc/kelvra-project.db"); };
    m_answer = QMessageBox::Save;
    press(window, QKeySequence(Qt::CTRL | Qt::Key_Q));
    QCOMPARE(m_questions, QStringList{"Do you want to save the changes to Untitled?"});
    QVERIFY(finish(window));
    QTest::qWait(20);
    QCOMPARE(m_errors->messages.size(), 1);
    QVERIFY(m_errors->messages.first().contains(QStringLiteral("/proc")));
    QVERIFY(window.isVisible());
    QVERIFY(window.isWindowModified());
    QVERIFY(window.project->file().isEmpty());
}

void TestHostWindow::opening_another_project_asks_first_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<bool>("saved");
    QTest::newRow("save") << int(QMessageBox::Save) << true << true;
    QTest::newRow("discard") << int(QMessageBox::Discard) << true << false;
    QTest::newRow("cancel") << int(QMessageBox::Cancel) << false << false;
}

void TestHostWindow::opening_another_project_asks_first()
{
    QFETCH(int, answer);
    QFETCH(bool, opened);
    QFETCH(bool, saved);
    HostWindow &window = *m_window;
    const QString other = m_dir.filePath(QStringLiteral("other.db"));
    save_objects(other, {surface(QStringLiteral("other surface"), 10)});
    const QString path = open_sample_file();
    const std::vector<ObjectRecord> opened_records = window.store->records();
    window.store->remove_object(QStringLiteral("well B"));
    const std::vector<ObjectRecord> changed = window.store->records();
    const QStringList changed_names = window.store->object_names();

    // File > Open: the question first, then the chooser.
    m_answer = QMessageBox::StandardButton(answer);
    bool chooser = false;
    window.project->ask_file = [&](bool saving) {
        chooser = !saving;
        return other;
    };
    press(window, QKeySequence::Open);
    QCOMPARE(m_questions.size(), 1);
    QVERIFY(finish(window));
    QTRY_COMPARE(chooser, opened);
    QVERIFY(finish(window));
    QCOMPARE(window.store->object_names(), opened ? QStringList{"other surface"} : changed_names);
    QCOMPARE(window.project->file(), opened ? other : path);
    QCOMPARE(window.isWindowModified(), !opened);
    QVERIFY(file_holds(path, saved ? changed : opened_records));
}

void TestHostWindow::session_end_asks_and_can_cancel()
{
    HostWindow &window = *m_window;
    const QString path = open_sample_file();
    QVERIFY(window.project->settle_now()); // nothing to lose, nothing asked
    QVERIFY(m_questions.isEmpty());

    window.store->remove_object(QStringLiteral("well B"));
    m_answer = QMessageBox::Cancel;
    QVERIFY(!window.project->settle_now()); // the logout is cancelled
    m_answer = QMessageBox::Discard;
    QVERIFY(window.project->settle_now());
    QVERIFY(!file_holds(path, window.store->records()));
    m_answer = QMessageBox::Save;
    QVERIFY(window.project->settle_now()); // returns once saved
    QVERIFY(file_holds(path, window.store->records()));
    QVERIFY(!window.isWindowModified());
    QCOMPARE(m_questions.size(), 3);
}

void TestHostWindow::the_question_offers_save_discard_and_cancel()
{
    HostWindow window; // with the window's own message box
    window.show();
    window.store->add(std::make_unique<GeoObject>(surface(QStringLiteral("s"), 3)));
    QMessageBox::StandardButtons offered;
    test::on_next_modal([&offered](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        QVERIFY(box);
        offered = box->standardButtons();
        QCOMPARE(box->text(), QStringLiteral("Do you want to save the changes to Untitled?"));
        box->button(QMessageBox::Discard)->click();
    });
    window.close();
    QVERIFY(test::modal_was_handled());
    QCOMPARE(offered, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    QTRY_VERIFY(!window.isVisible());
}

void TestHostWindow::recent_projects_most_recent_first()
{
    HostWindow &window = *m_window;
    RecentProjects *recent = window.project->recent;
    QVERIFY(!recent->menu()->isEnabled());
    const QString a = open_sample_file(QStringLiteral("a.db"));
    const QString b = open_sample_file(QStringLiteral("b.db"));
    const QString c = m_dir.filePath(QStringLiteral("c.db"));
    window.save_project(c);
    QVERIFY(finish(window));
    window.open_project(a);
    QVERIFY(finish(window));
    QCOMPARE(recent->paths(), (QStringList{a, c, b}));
    emit recent->menu()->aboutToShow();
    QCOMPARE(texts_of(recent->menu()), (QStringList{"&1 " + a, "&2 " + c, "&3 " + b, "Clear list"}));

    // Choosing an entry opens that project (asking first, as any open).
    window.store->remove_object(QStringLiteral("well A"));
    m_answer = QMessageBox::Discard;
    recent->menu()->actions().at(2)->trigger();
    QVERIFY(finish(window));
    QTRY_COMPARE(window.project->file(), b);
    QCOMPARE(m_questions.size(), 1);

    // Kept for the next session, and at most eight.
    for (int i = 0; i < 9; ++i)
        recent->add(m_dir.filePath(QStringLiteral("%1.db").arg(i)));
    HostWindow next;
    QCOMPARE(next.project->recent->paths().size(), RecentProjects::kKept);
    QCOMPARE(next.project->recent->paths().first(), m_dir.filePath(QStringLiteral("8.db")));
    QCOMPARE(next.project->recent->paths().last(), m_dir.filePath(QStringLiteral("1.db")));

    // A file that is gone cannot be chosen; Clear list empties the list.
    QVERIFY(QFile::remove(b));
    recent->add(b);
    recent->add(a);
    emit recent->menu()->aboutToShow();
    const QList<QAction *> entries = recent->menu()->actions();
    QVERIFY(entries.at(0)->isEnabled());
    QCOMPARE(entries.at(1)->text(), "&2 " + b);
    QVERIFY(!entries.at(1)->isEnabled());
    entries.last()->trigger();
    QVERIFY(recent->paths().isEmpty());
    QVERIFY(HostWindow().project->recent->paths().isEmpty());
    QVERIFY(!recent->menu()->isEnabled());
}

void TestHostWindow::new_viewer_is_always_at_hand()
{
    HostWindow &window = *m_window;
    window.store->replace_all(sample_objects());
    auto *tabs = window.findChild<TabViewer *>();
    QVERIFY(tabs);
    auto *dock = qobject_cast<QDockWidget *>(tabs->parentWidget()->parentWidget());
    QVERIFY(dock);
    // Every tab closed, then the dock itself.
    while (tabs->count() > 0)
        tabs->close_viewer(0);
    dock->close();
    QVERIFY(!window.current_viewer);

    press(window, QKeySequence::AddTab);
    QVERIFY(dock->isVisible());
    QCOMPARE(tabs->count(), 1);
    QVERIFY(window.current_viewer);
    window.show_objects({"well A"});
    QCOMPARE(window.current_viewer->dpState, DisplayState{"well A"});

    // From inside the viewer the same key opens exactly one more.
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *viewer = qobject_cast<QWidget *>(window.current_viewer.data());
    viewer->setFocus();
    QVERIFY(viewer->hasFocus());
    press(window, QKeySequence::AddTab);
    QCOMPARE(tabs->count(), 2);
}

void TestHostWindow::closed_docks_come_back_from_the_view_menu()
{
    HostWindow &window = *m_window;
    QMenu *view = nullptr;
    for (QAction *menu : window.menuBar()->actions()) {
        if (menu->text() == QStringLiteral("&View"))
            view = menu->menu();
    }
    QVERIFY(view);
    const QList<QDockWidget *> docks = window.findChildren<QDockWidget *>();
    QCOMPARE(docks.size(), 3); // data explorer, viewer, plotter
    for (QDockWidget *dock : docks) {
        QVERIFY(!dock->windowTitle().isEmpty());
        dock->close();
        QAction *back = nullptr;
        for (QAction *action : view->actions()) {
            if (action->text() == dock->windowTitle())
                back = action;
        }
        QVERIFY2(back, qPrintable(dock->windowTitle()));
        back->trigger();
        QVERIFY(dock->isVisible());
    }
    // The window's own list of docks and bars names each entry.
    std::unique_ptr<QMenu> listed(window.createPopupMenu());
    QVERIFY(!listed->actions().isEmpty());
    for (const QString &text : texts_of(listed.get()))
        QVERIFY(!text.isEmpty());
}

void TestHostWindow::empty_plot_says_why()
{
    HostWindow &window = *m_window;
    window.store->replace_all(sample_objects());
    auto *plot = qobject_cast<PropertyPlot *>(window.plotWidget.data());
    window.objects->select(QStringLiteral("fault F1"));
    QVERIFY(plot->curve->dataSize() > 0);
    QVERIFY(plot->notice().isEmpty());
    // The fault's throws (6 to 18 m) set the scale.
    QVERIFY(plot->axisScaleDiv(QwtPlot::yLeft).upperBound() >= 18);

    // Plotted object removed: no curve, the old scales gone, and why.
    window.store->remove_object(QStringLiteral("fault F1"));
    QCOMPARE(plot->curve->dataSize(), size_t(0));
    QCOMPARE(plot->notice(), QStringLiteral("No object selected"));
    QCOMPARE(plot->axisScaleDiv(QwtPlot::yLeft).upperBound(), 1.0);
    QCOMPARE(plot->axisScaleDiv(QwtPlot::xBottom).upperBound(), 1.0);

    // An object of coordinates only.
    window.objects->select(QStringLiteral("survey outline"));
    QCOMPARE(plot->curve->dataSize(), size_t(0));
    QCOMPARE(plot->notice(), QStringLiteral("survey outline has no property to plot"));
    QCOMPARE(plot->axisScaleDiv(QwtPlot::yLeft).upperBound(), 1.0);
}

void TestHostWindow::well_is_drawn_as_its_path_and_plotted_against_depth()
{
    HostWindow &window = *m_window;
    // A deviated well running east, and a point set on the same spots.
    const auto points = [](const QString &name, bool md) {
        PropertyMap prop;
        prop.insert(QStringLiteral("X"), test::array({1000, 1200, 1400}));
        prop.insert(QStringLiteral("Y"), test::array({2000, 2000, 2000}));
        prop.insert(QStringLiteral("Z"), test::array({-10, -110, -210}));
        if (md)
            prop.insert(QStringLiteral("MD"), test::array({0, 150, 300}));
        prop.insert(QStringLiteral("GR"), test::array({40, 60, 50}));
        auto object = std::make_unique<GeoObject>(name, QStringLiteral("Point"), prop, QStringLiteral("GR"));
        object->units().insert(QStringLiteral("MD"), QStringLiteral("m"));
        return object;
    };
    window.store->add(points(QStringLiteral("A-2"), true));
    window.store->add(points(QStringLiteral("spots"), false));
    const auto between_drawn = [&window](const QString &name) {
        window.show_objects({name});
        auto *viewer = qobject_cast<MapViewer *>(window.current_viewer.data());
        viewer->render_now();
        const QPointF middle = viewer->map_to_pixels().map(QPointF(1100, 2000));
        return viewer->grab().toImage().pixelColor(middle.toPoint()) != QColor(Qt::white);
    };
    QVERIFY(between_drawn(QStringLiteral("A-2")));
    QVERIFY(!between_drawn(QStringLiteral("spots")));

    auto *plot = qobject_cast<PropertyPlot *>(window.plotWidget.data());
    window.objects->select(QStringLiteral("A-2"));
    QVERIFY(plot->plots_log());
    QCOMPARE(plot->axisTitle(QwtPlot::yLeft).text(), QStringLiteral("MD (m)"));
    QCOMPARE(plot->depth_curve->sample(1), QPointF(60, 150));
    window.objects->select(QStringLiteral("spots"));
    QVERIFY(!plot->plots_log());
}

void TestHostWindow::window_picture_waits_for_the_plot()
{
    HostWindow &window = *m_window;
    // The smallest property the plot measures beside the GUI thread.
    window.store->add(std::make_unique<GeoObject>(surface(QStringLiteral("big"), std::int64_t(1) << 20)));
    auto *plot = qobject_cast<PropertyPlot *>(window.plotWidget.data());

    // The shared thread pool held busy: the measure waits in its queue, so
    // only a picture that waits for it (measuring itself) shows the curve.
    QThreadPool *pool = QThreadPool::globalInstance();
    const int threads = pool->maxThreadCount();
    QSemaphore hold;
    pool->setMaxThreadCount(1);
    pool->start([&hold] { hold.acquire(); });
    struct Release
    {
        QSemaphore &hold;
        QThreadPool *pool;
        int threads;
        ~Release()
        {
            hold.release();
            pool->waitForDone();
            pool->setMaxThreadCount(threads);
        }
    } release{hold, pool, threads};

    window.objects->select(QStringLiteral("big"));
    QVERIFY(!plot->is_current());
    const QString file = m_dir.filePath(QStringLiteral("window.png"));
    QVERIFY(save_window_picture(window, file));
    QVERIFY(plot->is_current());
    QVERIFY(curve_pixels(QImage(file), window, *plot) > 100);
}

void TestHostWindow::screenshot_of_a_project_that_did_not_open_fails()
{
    const QString kelvra = QCoreApplication::applicationDirPath() + QStringLiteral("/kelvra");
    const QString picture = m_dir.filePath(QStringLiteral("shot.png"));
    const QString foreign = m_dir.filePath(QStringLiteral("notes.db"));
    QFile notes(foreign);
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.write("not a project");
    notes.close();
    for (const QString &project : {m_dir.filePath(QStringLiteral("missing.db")), foreign}) {
        QProcess run;
        run.start(kelvra, {project, QStringLiteral("--screenshot"), picture});
        QVERIFY(run.waitForFinished(60000));
        QVERIFY2(run.exitCode() != 0, qPrintable(project));
        QVERIFY(run.readAllStandardError().contains(project.toUtf8()));
        QVERIFY(!QFileInfo::exists(picture));
    }
    // A project that opens gives its picture.
    QProcess run;
    run.start(kelvra, {open_sample_file(), QStringLiteral("--screenshot"), picture});
    QVERIFY(run.waitForFinished(60000));
    QCOMPARE(run.exitCode(), 0);
    QVERIFY(!QImage(picture).isNull());
}

void TestHostWindow::object_menu_dialogs_start_with_the_object_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("remove object") << int(Requests::Kind::RemoveObject);
    QTest::newRow("flip depth") << int(Requests::Kind::FlipDepth);
    QTest::newRow("translate") << int(Requests::Kind::Translate);
    QTest::newRow("property operator") << int(Requests::Kind::PropertyOperator);
    QTest::newRow("copy property") << int(Requests::Kind::CopyProperty);
    QTest::newRow("save object") << int(Requests::Kind::SaveObject);
}

void TestHostWindow::object_menu_dialogs_start_with_the_object()
{
    QFETCH(int, kind);
    HostWindow &window = *m_window;
    window.store->replace_all(sample_objects());
    window.objects->select(QStringLiteral("fault F1"));
    EasyDialog *dialog = window.requests->open(Requests::Kind(kind), true);
    // The first object field: the object acted on, or copied from.
    auto *field = dialog->findChild<ChooserField *>();
    QCOMPARE(field->lineedit->edit->text(), QStringLiteral("fault F1"));
    // Opened from the menus, it starts empty as before.
    EasyDialog *plain = window.requests->open(Requests::Kind(kind));
    QVERIFY(plain->findChild<ChooserField *>()->lineedit->edit->text().isEmpty());
}

void TestHostWindow::refused_dialog_comes_back_where_it_was()
{
    HostWindow &window = *m_window;
    window.store->replace_all(sample_objects());
    window.objects->select(QStringLiteral("well A"));
    const QString file = m_dir.filePath(QStringLiteral("well.db"));
    save_objects(file, {window.store->get(QStringLiteral("well A"))->record()});

    auto *rename = qobject_cast<RenameObjectDialog *>(window.requests->open(Requests::Kind::RenameObject, true));
    auto *load = qobject_cast<LoadObjectDialog *>(window.requests->open(Requests::Kind::LoadObject));
    for (EasyDialog *dialog : {static_cast<EasyDialog *>(rename), static_cast<EasyDialog *>(load)}) {
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        // Where the user moved it (as the window manager does, outside Qt's move()).
        dialog->windowHandle()->setFramePosition(QPoint(517, 93));
        QTRY_COMPARE(dialog->pos(), QPoint(517, 93));
    }
    // Refused at once (the name is taken), and after the file was read
    // (the stored name is taken).
    rename->new_name->edit->setText(QStringLiteral("well B"));
    rename->btn_ok->click();
    load->input->lineedit->edit->setText(file);
    load->btn_ok->click();
    QVERIFY(finish(window));
    QCOMPARE(m_errors->messages.size(), 2);
    for (EasyDialog *dialog : {static_cast<EasyDialog *>(rename), static_cast<EasyDialog *>(load)}) {
        QTRY_VERIFY(dialog->isVisible());
        QCOMPARE(dialog->pos(), QPoint(517, 93));
    }
}

void TestHostWindow::second_task_is_refused_and_the_first_goes_on()
{
    HostWindow &window = *m_window;
    const QString other = m_dir.filePath(QStringLiteral("other.db"));
    save_objects(other, {surface(QStringLiteral("other surface"), 10)});
    window.store->replace_all(sample_objects());
    window.store->add(std::make_unique<GeoObject>(surface(QStringLiteral("big"), 1000000)));
    const std::vector<ObjectRecord> records = window.store->records();
    const QStringList names = window.store->object_names();
    const QString path = m_dir.filePath(QStringLiteral("saved.db"));

    window.save_project(path);
    const QString busy = QStringLiteral("Kelvra is saving the project to %1; try again when that is done.").arg(path);
    // Another file task, directly and through a dialog: refused with why.
    try {
        window.open_project(other);
        QFAIL("a second task was started");
    } catch (const ValueError &error) {
        QCOMPARE(QString::fromUtf8(error.what()), busy);
    }
    auto *load = qobject_cast<LoadObjectDialog *>(window.requests->open(Requests::Kind::LoadObject));
    load->input->lineedit->edit->setText(other);
    load->btn_ok->click();
    QCOMPARE(m_errors->messages, QStringList{busy});

    // The first ends as if alone: the file complete, the objects as they were.
    QVERIFY(finish(window));
    QCOMPARE(m_errors->messages.size(), 1);
    QCOMPARE(window.store->object_names(), names);
    QVERIFY(file_holds(path, records));
    QCOMPARE(window.project->file(), path);
}

void TestHostWindow::progress_dialog_shows_the_share_done()
{
    // Work that stops at known points: a quarter, then three quarters of
    // 4000 bytes.
    QSemaphore step, at_point;
    BackgroundTask task(m_window.get(), QStringLiteral("Moving"), [&](Progress &progress) {
        progress.set_total(4000);
        progress.advance(1000);
        at_point.release();
        step.acquire();
        progress.advance(2000);
        at_point.release();
        step.acquire();
    });
    // Whatever fails below, the work is let go before the task is destroyed.
    struct LetGo
    {
        QSemaphore &step;
        ~LetGo() { step.release(2); }
    } let_go{step};
    task.start();
    QProgressDialog *dialog = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((dialog = m_window->findChild<QProgressDialog *>()) && dialog->isVisible(), 5000);
    QVERIFY(at_point.tryAcquire(1, 5000));
    QVERIFY(dialog->maximum() > 0);
    QTRY_COMPARE(dialog->value() - dialog->minimum(), (dialog->maximum() - dialog->minimum()) * 1000 / 4000);
    step.release();
    QVERIFY(at_point.tryAcquire(1, 5000));
    QTRY_COMPARE(dialog->value() - dialog->minimum(), (dialog->maximum() - dialog->minimum()) * 3000 / 4000);
    step.release();
    QSignalSpy finished(&task, &BackgroundTask::finished);
    QVERIFY(finished.count() == 1 || finished.wait(5000));
    QVERIFY(task.succeeded());
}

void TestHostWindow::closing_during_a_save_waits_for_it()
{
    HostWindow &window = *m_window;
    window.store->replace_all(sample_objects());
    window.store->add(std::make_unique<GeoObject>(surface(QStringLiteral("big"), 2000000)));
    const std::vector<ObjectRecord> records = window.store->records();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("project.db"));

    BackgroundTask *saving = window.save_project(path);
    QSignalSpy saved(saving, &BackgroundTask::finished);
    window.close();
    QVERIFY(window.isVisible()); // still there while the file is written
    QCOMPARE(saved.count(), 0);
    QVERIFY(finish(window));
    QCOMPARE(saved.count(), 1);
    QTRY_VERIFY(!window.isVisible()); // then it goes, asking nothing: all is saved
    QVERIFY(m_questions.isEmpty());
    QVERIFY(file_holds(path, records));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"project.db"});
}

KELVRA_TEST_MAIN(TestHostWindow)
#include "tst_hostwindow.moc"
