#pragma once

// Projects on a PostgreSQL server: the tables of a project file, each keyed
// by the project's name as well, so that one database holds many projects,
// plus the table kelvra_projects with each project's version and who saved
// it when. Arrays are stored as in a file, as the .npy blobs of the chunk
// table, so Python tools read them the same way.
//
// A save is one transaction that replaces the whole project: other users
// see the old project or the new one, never a mixture, and a save that
// breaks off (a cancel, a lost connection, a killed program, a server
// restart) leaves the previous version. Each save names the version it
// builds on; a project that someone else saved since is refused with
// ProjectConflict, saying who saved it and when, and left as it is.
//
// Like the file storage, both directions work on plain records on a worker
// thread; the Progress counts the array bytes moved and cancels the work
// (the server is told at once, whatever statement it runs).

#include "app/core/geoobject.h"
#include "app/core/progress.h"
#include "app/core/serveraddress.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <vector>

namespace kelvra::app {

// A project as the server lists it.
struct ServerProjectInfo
{
    QString name;
    std::int64_t version = 0; // 1 after the first save, one more with each save
    QString saved_by;         // the role that saved it last
    QDateTime saved_at;       // when, in UTC
    std::int64_t size = 0;    // bytes of array data
};

// A save refused because the project is not at the version the save builds
// on: someone else saved it in between, or it exists already where a new
// project was to be saved. Nothing was changed.
class ProjectConflict : public std::runtime_error
{
public:
    ProjectConflict(const QString &what, ServerProjectInfo current);
    // The project as it is on the server now.
    const ServerProjectInfo &current() const { return m_current; }

private:
    ServerProjectInfo m_current;
};

// The bytes of array data that one chunk row holds at most on the server
// (header apart): far below PostgreSQL's 1 GB per value, so that libpq
// never holds more than a few of these while reading a project.
inline constexpr std::int64_t kServerChunkBytes = 16 << 20;

// Reads every object of the project, in the order they were saved, and
// returns them; `version`, when given, receives the version read. Throws
// PasswordNeeded when the server asks for a password that libpq found
// nowhere, and otherwise an error naming the server, the project and the
// reason (no such database or project, no right to read, a lost
// connection).
std::vector<ObjectRecord> load_server_project(const ServerAddress &address, Progress *progress = nullptr,
                                              std::int64_t *version = nullptr);

// Replaces the project with the objects in one transaction and returns the
// new version. `based_on` is the version the objects were opened at;
// without one the project must not exist yet. Creates Kelvra's tables (and
// the address's schema) when the database has none. Throws
// ProjectConflict when the project is at another version, PasswordNeeded,
// Cancelled, or an error naming the server, the project and the reason.
std::int64_t save_server_project(const ServerAddress &address, const std::vector<ObjectRecord> &objects,
                                 std::optional<std::int64_t> based_on, Progress *progress = nullptr);

// The projects in the address's database (and schema), by name; none when
// Kelvra has no tables there yet. The address's project is not used. A
// progress, if given, can cancel the listing (Cancelled).
std::vector<ServerProjectInfo> list_server_projects(const ServerAddress &address, Progress *progress = nullptr);

} // namespace kelvra::app
