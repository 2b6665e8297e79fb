#include "host/icon_manager.h"

#include "host/logging.h"

#include <QApplication>
#include <QHash>
#include <QStyle>

namespace kelvra::ima {

namespace {

QIcon load(const QString &name)
{
    QStyle *style = QApplication::style();
    if (name == QLatin1String("DirOpenIcon"))
        return style->standardIcon(QStyle::SP_DirOpenIcon);
    if (name == QLatin1String("FileIcon"))
        return style->standardIcon(QStyle::SP_FileIcon);
    if (name == QLatin1String("configure"))
        return QIcon::fromTheme(QStringLiteral("configure"),
                                QIcon(QStringLiteral(":/kelvra/icons/configure.svg")));
    if (name == QLatin1String("grab_object"))
        return QIcon(QStringLiteral(":/kelvra/icons/grab_object.svg"));
    qCWarning(lcHost) << "no icon named" << name;
    return style->standardIcon(QStyle::SP_MessageBoxQuestion);
}

} // namespace

QIcon icon(const QString &name)
{
    // Every dialog asks for the same few icons: load each once. QIcon is
    // implicitly shared, so handing out copies costs nothing.
    static QHash<QString, QIcon> loaded;
    auto found = loaded.constFind(name);
    if (found == loaded.constEnd())
        found = loaded.insert(name, load(name));
    return *found;
}

} // namespace kelvra::ima
