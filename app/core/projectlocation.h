#pragma once

// Where a project lives: a project file, or a project on a PostgreSQL
// server (see serveraddress.h). Opening, saving, the window's title, the
// recent projects and batch runs all go through this, so that a server
// project is handled like a file everywhere.

#include "app/core/geoobject.h"
#include "app/core/progress.h"
#include "app/core/serveraddress.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace kelvra::app {

class ProjectLocation
{
public:
    ProjectLocation() = default;
    // A file path, or a server project for a postgresql:// URI (ValueError
    // for a URI without a project).
    static ProjectLocation from_text(const QString &text);
    static ProjectLocation file(const QString &path);
    static ProjectLocation server(ServerAddress address);

    bool is_empty() const { return !m_server && m_path.isEmpty(); }
    bool is_server() const { return m_server; }
    const QString &path() const { return m_path; }
    const ServerAddress &address() const { return m_address; }
    // Keeps a password typed into a prompt for the rest of the session.
    void set_password(const QString &password) { m_address.password = password; }

    // The path, or the URI without a password: what recent projects store
    // and messages show.
    QString text() const;
    // The file's name, or the project's: what progress dialogs name.
    QString name() const;
    // What the window's title shows: the file's name, or the project's with
    // its server.
    QString title() const;

    // Whether both name the same project (a server project whatever the
    // password).
    bool same_project(const ProjectLocation &other) const;

    // The version of a server project that was opened or last saved here:
    // a save builds on it. None for files and for projects not read yet.
    std::optional<std::int64_t> version;

private:
    bool m_server = false;
    QString m_path;
    ServerAddress m_address;
};

// Reads every object of the project; for a server project, location's
// version becomes the version read. Errors as load_objects and
// load_server_project give them.
std::vector<ObjectRecord> load_project(ProjectLocation &location, Progress *progress = nullptr);

// Writes the objects as the project: a file is replaced whole; a server
// project is saved on the version it was opened at (see
// save_server_project), and location's version becomes the new one.
void save_project(ProjectLocation &location, const std::vector<ObjectRecord> &objects,
                  Progress *progress = nullptr);

// The location to save a project opened at `opened` to, from the text of a
// path or URI: saving to the same server project builds on the version
// opened (and uses the password given for it); any other server project
// must not exist yet.
ProjectLocation save_target(const QString &text, const ProjectLocation &opened);

// Reads the project at `from` and saves it at `to`, each a path or a URI
// (a copy between a file and a server, either way). A server project at
// `to` must not exist yet, unless it is the same project as `from`.
void copy_project(const QString &from, const QString &to, Progress *progress = nullptr);

} // namespace kelvra::app
