#include "app/core/projectlocation.h"

#include "app/core/objectfile.h"
#include "app/core/serverproject.h"

#include "host/translation.h"

#include <QFileInfo>

namespace kelvra::app {

ProjectLocation ProjectLocation::from_text(const QString &text)
{
    return is_server_uri(text) ? server(parse_server_uri(text)) : file(text);
}

ProjectLocation ProjectLocation::file(const QString &path)
{
    ProjectLocation location;
    location.m_path = path;
    return location;
}

ProjectLocation ProjectLocation::server(ServerAddress address)
{
    ProjectLocation location;
    location.m_server = true;
    location.m_address = std::move(address);
    return location;
}

QString ProjectLocation::text() const
{
    return m_server ? m_address.text() : m_path;
}

QString ProjectLocation::name() const
{
    return m_server ? m_address.project : QFileInfo(m_path).fileName();
}

QString ProjectLocation::title() const
{
    return m_server ? _("%1 on %2").arg(m_address.project, m_address.server_text()) : QFileInfo(m_path).fileName();
}

bool ProjectLocation::same_project(const ProjectLocation &other) const
{
    if (m_server != other.m_server)
        return false;
    return m_server ? m_address == other.m_address
                    : QFileInfo(m_path).absoluteFilePath() == QFileInfo(other.m_path).absoluteFilePath();
}

std::vector<ObjectRecord> load_project(ProjectLocation &location, Progress *progress)
{
    if (!location.is_server())
        return load_objects(location.path(), progress);
    std::int64_t version = 0;
    std::vector<ObjectRecord> objects = load_server_project(location.address(), progress, &version);
    location.version = version;
    return objects;
}

void save_project(ProjectLocation &location, const std::vector<ObjectRecord> &objects, Progress *progress)
{
    if (!location.is_server()) {
        save_objects(location.path(), objects, progress);
        return;
    }
    location.version = save_server_project(location.address(), objects, location.version, progress);
}

ProjectLocation save_target(const QString &text, const ProjectLocation &opened)
{
    ProjectLocation target = ProjectLocation::from_text(text);
    if (target.same_project(opened)) {
        target.version = opened.version;
        if (target.address().password.isEmpty())
            target.set_password(opened.address().password);
    }
    return target;
}

void copy_project(const QString &from, const QString &to, Progress *progress)
{
    ProjectLocation source = ProjectLocation::from_text(from);
    const std::vector<ObjectRecord> objects = load_project(source, progress);
    ProjectLocation target = save_target(to, source);
    save_project(target, objects, progress);
}

} // namespace kelvra::app
