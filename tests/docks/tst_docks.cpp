// The viewer and plotter docks with the host's tabbed viewers, map viewer
// and plot, against a fake main window and data explorer.

#include "dockfakes.h"
#include "testmain.h"
#include "testsupport.h"

#include "host/config.h"
#include "host/dataobject.h"
#include "host/errors.h"
#include "host/plugininterface.h"
#include "host/qtpluginsmanager.h"
#include "host/translation.h"
#include "host/views/mapviewer.h"
#include "host/views/maptransform.h"
#include "host/views/plotwidget.h"
#include "host/views/propertycurve.h"
#include "host/views/propertyplot.h"
#include "host/views/tabviewer.h"
#include "plugins/plotter/plotter.h"
#include "plugins/viewer/viewer.h"
#include "widgets/dialogs/aspectratiodialog.h"
#include "widgets/dialogs/canvasexportdialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QDockWidget>
#include <QImageReader>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>


#include <algorithm>
#include <limits>

using namespace kelvra;
using namespace kelvra::test;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// An object of wells at the vertices, without a property.
MapObject wells(NdArray x, NdArray y)
{
    return MapObject{QStringLiteral("Point"), std::move(x), std::move(y), QString(), NdArray()};
}

// A main window with a registered viewer dock.
struct ViewerDock
{
    explicit ViewerDock(bool with_explorer = true)
        : main(with_explorer)
        , dock(new Viewer(&main))
    {
        dock->register_plugin();
    }
    MapViewer *viewer(int index) const { return qobject_cast<MapViewer *>(dock->tabs->viewer_at(index)); }

    DockHostWindow main;
    Viewer *dock;
};

// Triggers action and rejects at once a dialog that it opens. Returns that
// dialog's parent, or nullptr when none opened.
QWidget *trigger_and_reject(QAction *action)
{
    QWidget *parent = nullptr;
    QTimer::singleShot(0, [&parent] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            parent = dialog->parentWidget();
            dialog->reject();
        }
    });
    action->trigger();
    QCoreApplication::processEvents(); // runs the check when nothing opened
    return parent;
}

QAction *action_named(const MainWindow &main, const QString &name)
{
    if (name == QLatin1String("aspect"))
        return main.act_plot_aspect;
    if (name == QLatin1String("background"))
        return main.act_bkgd_color;
    return main.canvas_export_action;
}

class PlotObject : public DataObject
{
public:
    PlotObject(std::optional<QString> current, NdArray values)
        : m_current(std::move(current))
    {
        m_prop.insert(QStringLiteral("poro"), std::move(values));
    }
    QString name() const override { return QStringLiteral("well"); }
    const PropertyMap &prop() const override { return m_prop; }
    std::optional<QString> current_property() const override { return m_current; }

private:
    PropertyMap m_prop;
    std::optional<QString> m_current;
};

} // namespace

class TestDocks : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void viewer_registration();
    void viewer_without_data_explorer();
    void tab_switch_emits_current_state_once();
    void actions_reach_current_viewer_data();
    void actions_reach_current_viewer();
    void closing_last_tab();
    void hide_all_unchecks_once_data();
    void hide_all_unchecks_once();
    void plotter_registration();
    void closing_plugin_data();
    void closing_plugin();
    void real_plugins_load_data();
    void real_plugins_load();

    void map_objects();
    void map_transform_data();
    void map_transform();
    void apply_aspect_data();
    void apply_aspect();
    void aspect_dialog_data();
    void aspect_dialog();
    void background_colour_data();
    void background_colour();
    void export_canvas_data();
    void export_canvas();
    void export_failure_reported();
    void property_plot();
    void german_titles();
};

void TestDocks::viewer_registration()
{
    ViewerDock f;
    QVERIFY(!f.dock->options_button);
    QCOMPARE(f.dock->tabs->count(), 1);
    QCOMPARE(f.main.docked, QList<EasyPluginWidget *>{f.dock});
    QVERIFY(f.dock->dockwidget);
    QCOMPARE(f.dock->dockwidget->windowTitle(), QStringLiteral("Viewer"));
    QCOMPARE(f.dock->dockwidget->widget(), f.dock);
    QCOMPARE(f.main.dockWidgetArea(f.dock->dockwidget), Qt::RightDockWidgetArea);
    QVERIFY(f.dock->get_plugin_actions().isEmpty());
    QCOMPARE(f.dock->get_focus_widget(), f.dock->tabs);
    QCOMPARE(f.dock->get_focus_widget(), f.dock->tabs);

    QCOMPARE(f.main.current_viewer.data(), f.viewer(0));
    emit f.viewer(0)->sig_hide_all();
    QCOMPARE(f.main.explorer_tree->unchecks, 1);
    emit f.dock->tabs->sigCurrentViewerChanged({QStringLiteral("top")});
    QCOMPARE(f.main.explorer_tree->updates, QList<DisplayState>{{QStringLiteral("top")}});
}

void TestDocks::viewer_without_data_explorer()
{
    ViewerDock f(false);
    f.dock->tabs->new_viewer();
    QCOMPARE(f.main.current_viewer.data(), f.viewer(1));
    f.viewer(1)->hide_all();
    f.dock->tabs->setCurrentIndex(0);
    QCOMPARE(f.main.current_viewer.data(), f.viewer(0));
}

void TestDocks::tab_switch_emits_current_state_once()
{
    ViewerDock f;
    f.viewer(0)->show_object(QStringLiteral("top"), wells(array({0, 1}), array({0, 1})));
    f.dock->tabs->act_new_viewer->trigger();
    QCOMPARE(f.dock->tabs->count(), 2);
    QCOMPARE(f.main.current_viewer.data(), f.viewer(1));

    QSignalSpy spy(f.dock->tabs, &TabViewer::sigCurrentViewerChanged);
    f.dock->tabs->setCurrentIndex(0);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toStringList(), QStringList{QStringLiteral("top")});
    QCOMPARE(f.main.current_viewer.data(), f.viewer(0));
    QCOMPARE(f.main.explorer_tree->updates.last(), DisplayState{QStringLiteral("top")});
}

void TestDocks::actions_reach_current_viewer_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("close_current");
    for (const char *action : {"aspect", "background", "export"}) {
        QTest::newRow(qPrintable(QStringLiteral("%1 after switching").arg(action)))
            << QString::fromLatin1(action) << false;
        QTest::newRow(qPrintable(QStringLiteral("%1 after closing the current tab").arg(action)))
            << QString::fromLatin1(action) << true;
    }
}

void TestDocks::actions_reach_current_viewer()
{
    QFETCH(QString, action);
    QFETCH(bool, close_current);
    ViewerDock f;
    f.dock->tabs->new_viewer(); // tab 1 becomes current
    if (close_current)
        f.dock->tabs->close_viewer(1);
    else
        f.dock->tabs->setCurrentIndex(0);
    QCOMPARE(trigger_and_reject(action_named(f.main, action)), f.viewer(0));
}

void TestDocks::closing_last_tab()
{
    ViewerDock f;
    QPointer<MapViewer> only = f.viewer(0);
    QSignalSpy spy(f.dock->tabs, &TabViewer::sigCurrentViewerChanged);
    {
        LogCapture log("kelvra.diagnostics");
        f.dock->current_viewer_changed(-1);
        QCOMPARE(log.lines, QStringList{QStringLiteral("current tab index is -1")});
        QCOMPARE(f.main.current_viewer.data(), only.data());
    }
    {
        LogCapture log("kelvra.diagnostics");
        f.dock->tabs->close_viewer(0);
        QCOMPARE(log.lines, QStringList{QStringLiteral("current tab index is -1")});
    }
    QCOMPARE(spy.count(), 0);
    // The closed viewer is gone; the main window does not point at it, and
    // the actions do nothing until another viewer is opened.
    QVERIFY(only.isNull());
    QVERIFY(f.main.current_viewer.isNull());
    ErrorRecorder errors;
    for (const char *action : {"aspect", "background", "export"})
        QCOMPARE(trigger_and_reject(action_named(f.main, QString::fromLatin1(action))), nullptr);
    QVERIFY(errors.messages.isEmpty());

    f.dock->tabs->new_viewer();
    QCOMPARE(f.main.current_viewer.data(), f.viewer(0));
    QCOMPARE(trigger_and_reject(f.main.act_bkgd_color), f.viewer(0));
}

void TestDocks::hide_all_unchecks_once_data()
{
    QTest::addColumn<int>("switches");
    QTest::newRow("current once") << 0;
    QTest::newRow("current again and again") << 5;
}

void TestDocks::hide_all_unchecks_once()
{
    QFETCH(int, switches);
    ViewerDock f;
    f.dock->tabs->new_viewer();
    for (int i = 0; i < switches; ++i)
        f.dock->tabs->setCurrentIndex(i % 2);
    f.viewer(0)->hide_all();
    QCOMPARE(f.main.explorer_tree->unchecks, 1);
    f.viewer(1)->hide_all();
    QCOMPARE(f.main.explorer_tree->unchecks, 2);
}

void TestDocks::plotter_registration()
{
    DockHostWindow main;
    auto *dock = new Plotter(&main);
    QVERIFY(dock->options_button);
    QCOMPARE(dock->plot->options_button, dock->options_button);
    QVERIFY(dock->plot->isAncestorOf(dock->options_button));
    QVERIFY(dock->options_menu->actions().contains(dock->plot->act_grid));
    QVERIFY(dock->get_plugin_actions().isEmpty());

    dock->register_plugin();
    QCOMPARE(main.docked, QList<EasyPluginWidget *>{dock});
    QCOMPARE(dock->dockwidget->windowTitle(), QStringLiteral("Plotter"));
    QCOMPARE(main.plotWidget.data(), static_cast<QWidget *>(dock->plot->base));
    QVERIFY(main.plotWidget.data() != dock->plot);
    QCOMPARE(dock->get_focus_widget(), dock->plot);
    QCOMPARE(dock->get_focus_widget(), dock->plot);
}

void TestDocks::closing_plugin_data()
{
    QTest::addColumn<bool>("plotter");
    QTest::addColumn<bool>("cancelable");
    QTest::newRow("viewer") << false << false;
    QTest::newRow("viewer, cancelable") << false << true;
    QTest::newRow("plotter") << true << false;
    QTest::newRow("plotter, cancelable") << true << true;
}

void TestDocks::closing_plugin()
{
    QFETCH(bool, plotter);
    QFETCH(bool, cancelable);
    DockHostWindow main;
    EasyPluginWidget *dock = plotter ? static_cast<EasyPluginWidget *>(new Plotter(&main))
                                     : new Viewer(&main);
    dock->register_plugin();
    dock->refresh_plugin();
    QVERIFY(dock->closing_plugin(cancelable));
    QVERIFY(dock->closing_plugin());
}

void TestDocks::real_plugins_load_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("viewer") << QStringLiteral("Viewer");
    QTest::newRow("plotter") << QStringLiteral("Plotter");
}

void TestDocks::real_plugins_load()
{
    QFETCH(QString, name);
    const QtPluginsManager manager({QStringLiteral(KELVRA_PLUGIN_DIR)});
    const QList<PluginRecord> records = manager.getPluginsOfCategory(QStringLiteral("DockPlugin"));
    const auto found = std::find_if(records.begin(), records.end(),
                                    [&name](const PluginRecord &record) { return record.name == name; });
    QVERIFY(found != records.end());
    QVERIFY(found->factory);

    QWidget stranger;
    QCOMPARE(found->factory->create_plugin(&stranger), nullptr);

    DockHostWindow main;
    auto *dock = qobject_cast<EasyPluginWidget *>(found->factory->create_plugin(&main));
    QVERIFY(dock);
    QCOMPARE(dock->main, &main);
    dock->register_plugin();
    QCOMPARE(main.docked, QList<EasyPluginWidget *>{dock});
    QCOMPARE(dock->get_plugin_title(), name);
    QVERIFY(main.current_viewer || main.plotWidget);
}

void TestDocks::map_objects()
{
    MapViewer viewer;
    QSignalSpy hidden(&viewer, &AbstractViewer::sig_hide_all);
    viewer.show_object(QStringLiteral("a"), wells(array({0, 1}), array({0, 1})));
    viewer.show_object(QStringLiteral("b"), wells(array({2}), array({2})));
    viewer.show_object(QStringLiteral("a"), wells(array({5}), array({5})));
    QCOMPARE(viewer.dpState, (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    QVERIFY_EXCEPTION_THROWN(viewer.show_object(QStringLiteral("c"), wells(array({1, 2}), array({1}))), ValueError);
    viewer.hide_object(QStringLiteral("missing"));
    viewer.hide_object(QStringLiteral("a"));
    QCOMPARE(viewer.dpState, QStringList{QStringLiteral("b")});
    QCOMPARE(hidden.count(), 0);
    viewer.act_hide_all->trigger();
    QVERIFY(viewer.dpState.isEmpty());
    QCOMPARE(hidden.count(), 1);

    // Non-finite vertices are left out of the drawing and of its extent:
    // the finite ones fill the map, centred.
    viewer.resize(300, 300);
    viewer.show_object(QStringLiteral("c"), wells(array({0, kNaN, 10, 1e300 * 1e300}), array({0, 1, 10, 3})));
    const QTransform t = viewer.map_to_pixels();
    const QRect area = viewer.map_area();
    QCOMPARE(t.map(QPointF(5, 5)), QRectF(area).center());
    const QRectF drawn(t.map(QPointF(0, 10)), t.map(QPointF(10, 0)));
    QVERIFY(QRectF(area).contains(drawn));
    QVERIFY(drawn.width() > 0.8 * area.width());
}

void TestDocks::map_transform_data()
{
    QTest::addColumn<QRectF>("data");
    QTest::addColumn<QString>("method");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<double>("scale_x");
    QTest::addColumn<double>("scale_y");
    const QRectF wide(0, 0, 10, 5);
    // Into a 100 x 100 pixel area.
    QTest::newRow("auto fills both axes") << wide << "Auto" << 1.0 << 10.0 << 20.0;
    QTest::newRow("equal") << wide << "Equal" << 1.0 << 10.0 << 10.0;
    QTest::newRow("fixed 2") << wide << "Fixed" << 2.0 << 10.0 << 20.0;
    QTest::newRow("fixed 4, limited by height") << wide << "Fixed" << 4.0 << 5.0 << 20.0;
    QTest::newRow("fixed 0.5") << wide << "Fixed" << 0.5 << 10.0 << 5.0;
    QTest::newRow("one point") << QRectF(3, 3, 0, 0) << "Equal" << 1.0 << 100.0 << 100.0;
    QTest::newRow("vertical line: as wide as long") << QRectF(3, 0, 0, 50) << "Auto" << 1.0 << 2.0 << 2.0;
}

void TestDocks::map_transform()
{
    QFETCH(QRectF, data);
    QFETCH(QString, method);
    QFETCH(double, ratio);
    QFETCH(double, scale_x);
    QFETCH(double, scale_y);
    const QRectF area(20, 10, 100, 100);
    const QTransform t = kelvra::map_transform(data, area, aspect_method_from_text(method), ratio);
    QCOMPARE(t.m11(), scale_x);
    QCOMPARE(t.m22(), -scale_y); // north up
    QCOMPARE(t.map(data.center()), area.center());
}

void TestDocks::apply_aspect_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("fixed 2.5") << "Fixed" << 2.5 << true;
    QTest::newRow("auto ignores the ratio") << "Auto" << -1.0 << true;
    QTest::newRow("lower case") << "auto" << 1.0 << false;
    QTest::newRow("fixed 0") << "Fixed" << 0.0 << false;
    QTest::newRow("fixed negative") << "Fixed" << -2.0 << false;
    QTest::newRow("fixed nan") << "Fixed" << kNaN << false;
}

void TestDocks::apply_aspect()
{
    QFETCH(QString, method);
    QFETCH(double, ratio);
    QFETCH(bool, accepted);
    MapViewer viewer;
    if (accepted) {
        viewer.apply_aspect(method, ratio);
        QCOMPARE(aspect_method_text(viewer.aspect_method()), method);
        QCOMPARE(viewer.aspect_ratio(), method == QLatin1String("Fixed") ? ratio : 1.0);
    } else {
        QVERIFY_EXCEPTION_THROWN(viewer.apply_aspect(method, ratio), ValueError);
        QCOMPARE(viewer.aspect_method(), AspectMethod::Equal);
        QCOMPARE(viewer.aspect_ratio(), 1.0);
    }
}

void TestDocks::aspect_dialog_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("ratio");
    QTest::addColumn<QString>("method");
    QTest::addColumn<int>("errors");
    QTest::newRow("fixed 2") << "Fixed" << "2" << "Fixed" << 0;
    QTest::newRow("auto") << "Auto" << "1.0" << "Auto" << 0;
    QTest::newRow("fixed -1 is reported") << "Fixed" << "-1" << "Equal" << 1;
}

void TestDocks::aspect_dialog()
{
    QFETCH(QString, button);
    QFETCH(QString, ratio);
    QFETCH(QString, method);
    QFETCH(int, errors);
    MapViewer viewer;
    viewer.resize(400, 200); // a map much wider than high
    viewer.show_object(QStringLiteral("a"), wells(array({0, 10}), array({0, 10})));
    ErrorRecorder recorder;
    bool open_after_ok = false;
    QString kept;
    on_next_modal([&](QWidget *modal) {
        auto *dialog = qobject_cast<AspectRatioDialog *>(modal);
        QRadioButton *rb = button == QLatin1String("Fixed") ? dialog->rbFixed : dialog->rbAuto;
        rb->click();
        dialog->ratio->edit->setText(ratio);
        dialog->btn_ok->click();
        open_after_ok = dialog->isVisible();
        kept = dialog->ratio->edit->text();
        if (open_after_ok)
            dialog->btn_close->click();
    });
    viewer.set_aspect();
    QVERIFY(modal_was_handled());
    QCOMPARE(recorder.messages.size(), errors);
    // A refused ratio leaves the dialog open with what was typed.
    QCOMPARE(open_after_ok, errors > 0);
    QCOMPARE(kept, ratio);
    QCOMPARE(aspect_method_text(viewer.aspect_method()), method);
    const QTransform t = viewer.map_to_pixels();
    if (method == QLatin1String("Auto")) {
        // Both axes fill the map, whatever its shape.
        const QRectF drawn(t.map(QPointF(0, 10)), t.map(QPointF(10, 0)));
        const QRect area = viewer.map_area();
        QCOMPARE(drawn.left() - area.left(), drawn.top() - area.top());
        QVERIFY(qAbs(-t.m22() / t.m11() - 1) > 0.1);
    } else {
        QCOMPARE(-t.m22() / t.m11(), method == QLatin1String("Fixed") ? 2.0 : 1.0);
    }

    // The next dialog opens on the setting in effect.
    QString shown;
    on_next_modal([&](QWidget *modal) {
        auto *dialog = qobject_cast<AspectRatioDialog *>(modal);
        shown = dialog->method;
        dialog->close();
    });
    viewer.set_aspect();
    QCOMPARE(shown, method);
}

void TestDocks::background_colour_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("chosen") << true;
    QTest::newRow("cancelled") << false;
}

void TestDocks::background_colour()
{
    QFETCH(bool, accept);
    MapViewer viewer;
    const QColor chosen(10, 20, 30);
    on_next_modal([&](QWidget *modal) {
        auto *dialog = qobject_cast<QColorDialog *>(modal);
        dialog->setCurrentColor(chosen);
        accept ? dialog->accept() : dialog->reject();
    });
    viewer.set_background_color();
    QVERIFY(modal_was_handled());
    QCOMPARE(viewer.background_color(), accept ? chosen : QColor(Qt::white));
}

void TestDocks::export_canvas_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("clipboard");
    QTest::newRow("png, clipboard") << "canvas.png" << true;
    QTest::newRow("other ending, no clipboard") << "canvas.dat" << false;
}

void TestDocks::export_canvas()
{
    QFETCH(QString, name);
    QFETCH(bool, clipboard);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    MapViewer viewer;
    viewer.resize(200, 150);
    viewer.set_background(QColor(10, 20, 30));
    viewer.show_object(QStringLiteral("a"), wells(array({0, 10}), array({0, 5})));
    QGuiApplication::clipboard()->clear();
    on_next_modal([&](QWidget *modal) {
        auto *dialog = qobject_cast<CanvasExportDialog *>(modal);
        dialog->output->lineedit->edit->setText(path);
        dialog->cbClipboard->setChecked(clipboard);
        dialog->btn_ok->click();
    });
    viewer.export_canvas();
    QVERIFY(modal_was_handled());

    QCOMPARE(QImageReader(path).format(), QByteArray("png"));
    const QImage image(path);
    QCOMPARE(image.size(), QSize(200, 150));
    QCOMPARE(image.pixelColor(0, 0), QColor(10, 20, 30));
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(!copied.isNull(), clipboard);
    if (clipboard)
        QCOMPARE(copied, image);
}

void TestDocks::export_failure_reported()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/canvas.png"));
    MapViewer viewer;
    ErrorRecorder recorder;
    bool open_after_ok = false;
    QString kept;
    on_next_modal([&](QWidget *modal) {
        auto *dialog = qobject_cast<CanvasExportDialog *>(modal);
        dialog->output->lineedit->edit->setText(path);
        dialog->btn_ok->click();
        // Reported, and the dialog stays open with the name typed.
        open_after_ok = dialog->isVisible();
        kept = dialog->output->lineedit->edit->text();
        dialog->btn_close->click();
    });
    viewer.export_canvas();
    QVERIFY(modal_was_handled());
    QCOMPARE(recorder.messages.size(), 1);
    QVERIFY2(recorder.messages.first().contains(path), qPrintable(recorder.messages.first()));
    QVERIFY(!QFile::exists(path));
    QVERIFY(open_after_ok);
    QCOMPARE(kept, path);

    // The next export offers the failed name again, to be corrected.
    QString offered;
    const QString corrected = dir.filePath(QStringLiteral("canvas.png"));
    on_next_modal([&](QWidget *modal) {
        auto *dialog = qobject_cast<CanvasExportDialog *>(modal);
        offered = dialog->output->lineedit->edit->text();
        dialog->output->lineedit->edit->setText(corrected);
        dialog->btn_ok->click();
    });
    viewer.export_canvas();
    QVERIFY(modal_was_handled());
    QCOMPARE(offered, path);
    QCOMPARE(QImageReader(corrected).format(), QByteArray("png"));
    QCOMPARE(recorder.messages.size(), 1);
}

void TestDocks::property_plot()
{
    PropertyPlot plot;
    plot.show_property(PlotObject(QStringLiteral("poro"), array({0.1, kNaN, 0.3})));
    // The curve reads the property's values; the NaN is not drawn and does
    // not count in the plot's extent.
    QCOMPARE(plot.curve->dataSize(), size_t(3));
    QCOMPARE(plot.curve->sample(2), QPointF(2, 0.3));
    QCOMPARE(plot.curve->boundingRect(), QRectF(QPointF(0, 0.1), QPointF(2, 0.3)));
    QCOMPARE(plot.axisTitle(QwtPlot::yLeft).text(), QStringLiteral("poro"));

    plot.show_property(PlotObject(std::nullopt, array({1, 2})));
    QCOMPARE(plot.curve->dataSize(), size_t(0));
    QCOMPARE(plot.notice(), QStringLiteral("well has no property to plot"));
}

void TestDocks::german_titles()
{
    CONF.set(QStringLiteral("main"), QStringLiteral("interface_language"), QStringLiteral("de"));
    QCOMPARE(load_translations(), QStringLiteral("de"));
    DockHostWindow main;
    QCOMPARE(Viewer(&main).get_plugin_title(), QStringLiteral("Betrachter"));
    QCOMPARE(Plotter(&main).get_plugin_title(), QStringLiteral("Diagramm"));
    QCOMPARE(TabViewer().tabText(0), QStringLiteral("Betrachter 1"));

    CONF.set(QStringLiteral("main"), QStringLiteral("interface_language"), QStringLiteral("en"));
    QCOMPARE(load_translations(), QStringLiteral("en"));
}

KELVRA_TEST_MAIN(TestDocks)
#include "tst_docks.moc"
