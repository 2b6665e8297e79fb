#pragma once

// "Open from server" and "Save to server": the server's host, port,
// database and user, the projects stored there (name, last saved by, when,
// size), and the project's name. The list is read beside the window; when
// the server asks for a password that libpq found nowhere (~/.pgpass, the
// service file, PGPASSWORD), the dialog shows a password field. The
// password is held only in memory; host, port, database and user are
// remembered for the next time.

#include "app/core/serveraddress.h"
#include "app/core/serverproject.h"

#include <QDialog>
#include <QFutureWatcher>

#include <memory>
#include <vector>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace kelvra::app {

class ServerProjectDialog : public QDialog
{
    Q_OBJECT
public:
    enum class Mode { Open, Save };

    ServerProjectDialog(Mode mode, QWidget *parent = nullptr);
    ~ServerProjectDialog() override;

    // Fills the fields from an address (a server project opened before).
    void set_address(const ServerAddress &address);
    // The project chosen, with the password typed, if any.
    ServerAddress address() const;

    // Reads the server's projects into the list, beside the window.
    void list_projects();
    // Whether a listing is under way.
    bool listing() const { return m_watcher.isRunning(); }

    QLineEdit *host;
    QLineEdit *port;
    QLineEdit *database;
    QLineEdit *user;
    QLabel *password_label;
    QLineEdit *password;
    QPushButton *button_list;
    QTreeWidget *projects;
    QLineEdit *project;
    QLabel *status;
    QDialogButtonBox *buttons;

    void accept() override;

Q_SIGNALS:
    // The list of projects is read (or could not be).
    void listed();

private:
    struct Listing
    {
        std::vector<ServerProjectInfo> projects;
        QString error;
        bool password_needed = false;
    };
    ServerAddress server() const;
    QStringList fields() const;
    void show_listing();

    Mode m_mode;
    // The address given to set_address and the fields it filled: while
    // the fields say the same, its URI (TLS settings and all) is kept.
    ServerAddress m_initial;
    QStringList m_initial_fields;
    QFutureWatcher<Listing> m_watcher;
    // Cancels the listing when the dialog closes before the server answered.
    std::shared_ptr<Progress> m_listing;
};

} // namespace kelvra::app
