#include "app/core/serveraddress.h"

#include "host/errors.h"
#include "host/translation.h"

#include <QStringList>
#include <QUrl>

namespace kelvra::app {
namespace {

const QString kSchemes[] = {QStringLiteral("postgresql://"), QStringLiteral("postgres://")};

QString decoded(const QString &part)
{
    return QUrl::fromPercentEncoding(part.toUtf8());
}

QString encoded(const QString &text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

} // namespace

QString ServerAddress::text() const
{
    QString uri = conninfo + (conninfo.contains(QLatin1Char('?')) ? QLatin1Char('&') : QLatin1Char('?'))
        + QStringLiteral("project=") + encoded(project);
    if (!schema.isEmpty())
        uri += QStringLiteral("&schema=") + encoded(schema);
    return uri;
}

QString ServerAddress::server_text() const
{
    return conninfo.section(QLatin1Char('?'), 0, 0);
}

ServerAddress ServerAddress::with_project(const QString &name) const
{
    ServerAddress other = *this;
    other.project = name;
    return other;
}

bool ServerAddress::operator==(const ServerAddress &other) const
{
    return conninfo == other.conninfo && project == other.project && schema == other.schema;
}

bool is_server_uri(const QString &text)
{
    for (const QString &scheme : kSchemes) {
        if (text.startsWith(scheme))
            return true;
    }
    return false;
}

ServerAddress parse_server_uri(const QString &text)
{
    QString scheme;
    for (const QString &candidate : kSchemes) {
        if (text.startsWith(candidate))
            scheme = candidate;
    }
    if (scheme.isEmpty())
        throw ValueError(_("%1 is not a PostgreSQL address (postgresql://...)").arg(text));

    ServerAddress address;
    const QString rest = text.mid(scheme.size());
    const int query_start = rest.indexOf(QLatin1Char('?'));
    const QString base = query_start < 0 ? rest : rest.left(query_start);
    const QString query = query_start < 0 ? QString() : rest.mid(query_start + 1);

    // The authority: [user[:password]@]hosts, up to the database path.
    const int path_start = base.indexOf(QLatin1Char('/'));
    const QString authority = path_start < 0 ? base : base.left(path_start);
    const QString path = path_start < 0 ? QString() : base.mid(path_start);
    const int at = authority.lastIndexOf(QLatin1Char('@'));
    QString user_part;
    if (at >= 0) {
        const QString userinfo = authority.left(at);
        const int colon = userinfo.indexOf(QLatin1Char(':'));
        user_part = (colon < 0 ? userinfo : userinfo.left(colon)) + QLatin1Char('@');
        if (colon >= 0)
            address.password = decoded(userinfo.mid(colon + 1));
    }

    QStringList kept;
    bool has_project = false;
    for (const QString &parameter : query.split(QLatin1Char('&'), Qt::SkipEmptyParts)) {
        const int equals = parameter.indexOf(QLatin1Char('='));
        if (equals < 0)
            throw ValueError(_("The parameter %1 of %2 has no value").arg(parameter, text.section(QLatin1Char('?'), 0, 0)));
        const QString key = decoded(parameter.left(equals));
        const QString value = decoded(parameter.mid(equals + 1));
        if (key == QLatin1String("project")) {
            address.project = value;
            has_project = true;
        } else if (key == QLatin1String("schema")) {
            address.schema = value;
        } else if (key == QLatin1String("password")) {
            address.password = value;
        } else {
            kept << parameter;
        }
    }
    address.conninfo = scheme + user_part + authority.mid(at + 1) + path;
    if (!kept.isEmpty())
        address.conninfo += QLatin1Char('?') + kept.join(QLatin1Char('&'));
    if (!has_project || address.project.isEmpty())
        throw ValueError(_("%1 names no project: add ?project=NAME").arg(address.server_text()));
    return address;
}

ServerAddress make_server_address(const QString &host, const QString &port, const QString &database,
                                  const QString &user, const QString &project)
{
    ServerAddress address;
    QString host_part = encoded(host);
    if (host.contains(QLatin1Char(':')) && !host.contains(QLatin1Char('/')))
        host_part = QLatin1Char('[') + host + QLatin1Char(']'); // an IPv6 address
    address.conninfo = kSchemes[0] + (user.isEmpty() ? QString() : encoded(user) + QLatin1Char('@')) + host_part
        + (port.isEmpty() ? QString() : QLatin1Char(':') + encoded(port)) + QLatin1Char('/') + encoded(database);
    address.project = project;
    return address;
}

} // namespace kelvra::app
