#pragma once

// The projects opened or saved last, most recent first, kept in the
// configuration store so that they outlive the session, and the submenu of
// the File menu that offers them. A file that no longer exists stays listed
// but cannot be chosen (a folder on a drive that is not mounted comes back).
// A server project is listed by its URI, without a password.

#include <QObject>
#include <QStringList>

class QMenu;

namespace kelvra::app {

class RecentProjects : public QObject
{
    Q_OBJECT
public:
    // How many projects the list keeps.
    static constexpr int kKept = 8;

    // Fills menu, which it rebuilds whenever the menu is about to show.
    RecentProjects(QMenu *menu, QObject *parent);

    QMenu *menu() const { return m_menu; }
    // The stored paths, most recent first.
    QStringList paths() const;
    // Puts path (made absolute; a server URI as it is) first, once, and keeps
    // the kKept most recent.
    void add(const QString &path);
    void clear();

Q_SIGNALS:
    // The user chose a project of the list.
    void open_requested(const QString &path);

private:
    void store(const QStringList &paths);
    void rebuild();

    QMenu *m_menu;
};

} // namespace kelvra::app
