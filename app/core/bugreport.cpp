#include "app/core/bugreport.h"

#include <QUrlQuery>

namespace kelvra::app {
namespace {

QStringList addresses(const QStringList &receivers)
{
    QStringList kept;
    for (const QString &receiver : receivers) {
        if (!receiver.trimmed().isEmpty())
            kept << receiver.trimmed();
    }
    return kept;
}

} // namespace

QUrl BugReport::mailto() const
{
    // Percent-encode every part by hand: QUrlQuery would leave '&' and '='
    // inside a value ambiguous for mail clients.
    QStringList encoded;
    for (const QString &address : addresses(receivers))
        encoded << QString::fromLatin1(QUrl::toPercentEncoding(address, "@"));
    QString link = QStringLiteral("mailto:") + encoded.join(QLatin1Char(','));
    link += QStringLiteral("?subject=") + QString::fromLatin1(QUrl::toPercentEncoding(subject));
    link += QStringLiteral("&body=") + QString::fromLatin1(QUrl::toPercentEncoding(body));
    return QUrl::fromEncoded(link.toLatin1(), QUrl::StrictMode);
}

QString BugReport::text() const
{
    return QStringLiteral("From: %1\nTo: %2\nSubject: %3\nX-Mail-Server: %4\n\n%5\n")
        .arg(sender, addresses(receivers).join(QStringLiteral(", ")), subject, server, body);
}

} // namespace kelvra::app
