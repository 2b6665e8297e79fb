#include "widgets/pivotbar/pivotbar.h"

#include "host/errorhandler.h"
#include "host/errors.h"
#include "host/mainwindow.h"
#include "host/pluginsmanager.h"
#include "host/translation.h"
#include "widgets/pivotbar/pluginmenubar.h"
#include "widgets/pivotbar/plugoutmenubar.h"

#include <QApplication>
#include <QComboBox>
#include <QMainWindow>
#include <QWidgetAction>

namespace kelvra {
namespace {

const QString kMenuBarCategory = QStringLiteral("PluginMenuBar");

} // namespace

PivotBar::PivotBar(MainWindow *parent)
    : QToolBar(parent)
    , parent(parent)
{
    cb_mode = new QComboBox(this);
    cb_mode->addItems({QString::fromUtf8(PLUGOUT_MODE)});
    connect_guarded(cb_mode, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                    [this] { mode_changed(cb_mode->currentIndex()); });
    addWidget(cb_mode);

    QList<PluginMenuBar *> set_up;
    if (parent && parent->plugins_manager) {
        const QList<PluginRecord> records =
            parent->plugins_manager->getPluginsOfCategory(kMenuBarCategory);
        for (const PluginRecord &record : records) {
            auto *plugin_object = qobject_cast<PluginMenuBar *>(record.plugin_object);
            if (!plugin_object)
                throw ValueError(QStringLiteral("the plug-in %1 supplies no menu bar").arg(record.name));
            const QString name = plugin_object->name();
            cb_mode->addItem(name);
            plugin_object->set_treebase(this);
            plugin_object->setup();
            plugin_modes.insert(name, plugin_object);
            set_up << plugin_object;
        }
    }
    // Taken over only now: when a plug-in fails, the construction ends and
    // the bars stay with whoever made them instead of dying with this
    // half-built toolbar.
    for (PluginMenuBar *bar : set_up)
        entry_for(bar);

    cb_mode->setCurrentIndex(0);
    currentMenuBar = new PlugoutMenuBar(this);
    currentAction = addWidget(currentMenuBar);
}

PivotBar::~PivotBar() = default;

void PivotBar::mode_changed(int)
{
    const QString currentMode = cb_mode->currentText();
    if (currentMode == QLatin1String(PLUGOUT_MODE)) {
        take_out_current();
        currentMenuBar = new PlugoutMenuBar(this);
        currentAction = addWidget(currentMenuBar);
    } else if (PluginMenuBar *bar = plugin_modes.value(currentMode)) {
        take_out_current();
        currentMenuBar = bar;
        currentAction = entry_for(bar);
        addAction(currentAction);
    } else {
        throw ValueError(QStringLiteral("Unknown value"));
    }
}

void PivotBar::take_out_current()
{
    if (!currentAction)
        return;
    removeAction(currentAction);
    // A built-in bar is never shown again. Its entry owns it; deleting the
    // entry later (not now: the bar may be inside one of its own event
    // handlers) releases both.
    if (qobject_cast<PlugoutMenuBar *>(currentMenuBar))
        currentAction->deleteLater();
}

QAction *PivotBar::entry_for(PluginMenuBar *bar)
{
    QAction *&entry = m_entries[bar];
    if (!entry) {
        auto *holder = new QWidgetAction(this);
        holder->setDefaultWidget(bar);
        entry = holder;
    }
    return entry;
}

namespace pivotbar {

int main()
{
    int argc = 1;
    char program[] = "pivotbar";
    char *argv[] = {program, nullptr};
    QApplication app(argc, argv);
    load_translations();
    set_error_handler(message_box_error_handler());
    QMainWindow window;
    auto *toolbar = new PivotBar;
    window.addToolBar(toolbar);
    window.show();
    return app.exec();
}

} // namespace pivotbar
} // namespace kelvra
