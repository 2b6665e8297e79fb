#include "host/icon_manager.h"

#include "host/logging.h"

#include <QApplication>
#include <QStyle>

namespace kelvra::ima {

QIcon icon(const QString &name)
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

} // namespace kelvra::ima
