#include "host/easypluginwidget.h"

#include "host/icon_manager.h"
#include "host/mainwindow.h"
#include "host/qthelpers.h"
#include "host/translation.h"

#include <QDockWidget>
#include <QMenu>
#include <QToolButton>

namespace kelvra {
namespace {

QToolButton *make_options_button(QWidget *owner)
{
    auto *button = new QToolButton(owner);
    button->setObjectName(QStringLiteral("options_button"));
    button->setIcon(ima::icon(QStringLiteral("configure")));
    button->setToolTip(_("Options"));
    button->setPopupMode(QToolButton::InstantPopup);
    button->setAutoRaise(true);
    button->setMenu(new QMenu(button));
    return button;
}

} // namespace

EasyPluginWidget::EasyPluginWidget(MainWindow *parent, bool has_options_button)
    : QWidget(parent)
    , main(parent)
    , options_button(has_options_button ? make_options_button(this) : nullptr)
    , options_menu(options_button ? options_button->menu() : nullptr)
{
}

EasyPluginWidget::~EasyPluginWidget() = default;

void EasyPluginWidget::initialize_plugin()
{
    setWindowTitle(get_plugin_title());
    if (options_menu) {
        add_actions(options_menu, get_plugin_actions());
    }
}

QDockWidget *EasyPluginWidget::create_dockwidget(Qt::DockWidgetArea area)
{
    if (dockwidget || !main)
        return dockwidget;
    dockwidget = new QDockWidget(get_plugin_title(), main);
    // Unique per plug-in class, so the window can save and restore its docks.
    dockwidget->setObjectName(QString::fromLatin1(metaObject()->className()) + QStringLiteral("Dock"));
    dockwidget->setWidget(this);
    main->addDockWidget(area, dockwidget);
    return dockwidget;
}

} // namespace kelvra
