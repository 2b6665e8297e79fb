#include "app/ui/recentprojects.h"

#include "app/core/serveraddress.h"

#include "host/config.h"
#include "host/translation.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace kelvra::app {
namespace {

const QString kSection = QStringLiteral("main");
const QString kOption = QStringLiteral("recent_projects");

} // namespace

RecentProjects::RecentProjects(QMenu *menu, QObject *parent)
    : QObject(parent)
    , m_menu(menu)
{
    // Rebuilt before each showing: files come and go, and another window
    // of the program may have changed the list meanwhile.
    connect(m_menu, &QMenu::aboutToShow, this, &RecentProjects::rebuild);
    rebuild();
}

QStringList RecentProjects::paths() const
{
    return CONF.get(kSection, kOption).toStringList();
}

void RecentProjects::add(const QString &path)
{
    // A server project is kept as its URI, which holds no password.
    const QString absolute = is_server_uri(path) ? path : QFileInfo(path).absoluteFilePath();
    QStringList list = paths();
    list.removeAll(absolute);
    list.prepend(absolute);
    store(list.mid(0, kKept));
}

void RecentProjects::clear()
{
    store({});
}

void RecentProjects::store(const QStringList &paths)
{
    CONF.set(kSection, kOption, paths);
    rebuild();
}

void RecentProjects::rebuild()
{
    // Not QMenu::clear(): that deletes at once the action whose triggered()
    // may be what brought us here.
    for (QAction *action : m_menu->actions()) {
        m_menu->removeAction(action);
        action->deleteLater();
    }
    const QStringList list = paths();
    for (int i = 0; i < list.size(); ++i) {
        const QString &path = list.at(i);
        // Numbered, so that the keyboard reaches the first nine at once.
        QString shown = QDir::toNativeSeparators(path);
        shown.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction *entry = m_menu->addAction(QStringLiteral("&%1 %2").arg(QString::number(i + 1), shown));
        entry->setEnabled(is_server_uri(path) || QFileInfo(path).isFile());
        connect(entry, &QAction::triggered, this, [this, path] { Q_EMIT open_requested(path); });
    }
    m_menu->addSeparator();
    m_menu->addAction(_("Clear list"), this, &RecentProjects::clear);
    m_menu->setEnabled(!list.isEmpty());
}

} // namespace kelvra::app
