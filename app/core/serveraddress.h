#pragma once

// Where a project lives on a PostgreSQL server: libpq's connection URI plus
// the project's name (and, optionally, the schema of Kelvra's tables),
//
//     postgresql://[user[:password]@]host[:port]/database?project=NAME[&schema=S][&sslmode=...]
//
// `project` and `schema` are Kelvra's; every other part of the URI goes to
// libpq as typed, so TLS settings and the rest work as libpq documents
// them. A password in the URI (after the user name, or as `password=`) is
// kept in memory for connecting but never appears in text(), which is
// what recent projects, titles and messages show.

#include <QString>

#include <optional>

namespace kelvra::app {

struct ServerAddress
{
    QString conninfo; // the URI for libpq: without project, schema and password
    QString project;  // the project's name, as the user gave it
    QString schema;   // the schema holding Kelvra's tables; empty: the role's search_path
    QString password; // typed in a URI or a prompt; held in memory only

    // The URI without password, with project and schema: what is stored
    // and shown.
    QString text() const;
    // The server without project and password, for messages:
    // "postgresql://alice@db.example.org/geo".
    QString server_text() const;
    // The same address with another project.
    ServerAddress with_project(const QString &name) const;

    bool operator==(const ServerAddress &other) const;
};

// Whether the text names a server project (starts with postgresql:// or
// postgres://) rather than a file.
bool is_server_uri(const QString &text);

// The address in a server URI; ValueError naming the fault for a URI
// without a project name or with malformed parameters.
ServerAddress parse_server_uri(const QString &text);

// A URI from the parts the server dialog asks for; host, port and user may
// be empty (libpq's defaults then).
ServerAddress make_server_address(const QString &host, const QString &port, const QString &database,
                                  const QString &user, const QString &project);

} // namespace kelvra::app
