#include "app/ui/serverdialog.h"

#include "app/core/pgconnection.h"

#include "host/config.h"
#include "host/errors.h"
#include "host/translation.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtConcurrent>

#include <libpq-fe.h>

namespace kelvra::app {
namespace {

const QString kSection = QStringLiteral("server");

} // namespace

ServerProjectDialog::ServerProjectDialog(Mode mode, QWidget *parent)
    : QDialog(parent)
    , host(new QLineEdit)
    , port(new QLineEdit)
    , database(new QLineEdit)
    , user(new QLineEdit)
    , password_label(new QLabel(_("Password")))
    , password(new QLineEdit)
    , button_list(new QPushButton(_("List projects")))
    , projects(new QTreeWidget)
    , project(new QLineEdit)
    , status(new QLabel)
    , buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel))
    , m_mode(mode)
{
    setWindowTitle(mode == Mode::Open ? _("Open from server") : _("Save to server"));
    setObjectName(QStringLiteral("ServerProjectDialog"));
    host->setText(CONF.get(kSection, QStringLiteral("host"), QString()).toString());
    port->setText(CONF.get(kSection, QStringLiteral("port"), QString()).toString());
    database->setText(CONF.get(kSection, QStringLiteral("database"), QString()).toString());
    user->setText(CONF.get(kSection, QStringLiteral("user"), QString()).toString());
    host->setPlaceholderText(_("local socket"));
    port->setPlaceholderText(QStringLiteral("5432"));
    password->setEchoMode(QLineEdit::Password);
    password_label->hide();
    password->hide();

    auto *form = new QFormLayout;
    form->addRow(_("Host"), host);
    form->addRow(_("Port"), port);
    form->addRow(_("Database"), database);
    form->addRow(_("User"), user);
    form->addRow(password_label, password);

    projects->setColumnCount(4);
    projects->setHeaderLabels({_("Project"), _("Last saved by"), _("When"), _("Size")});
    projects->setRootIsDecorated(false);
    projects->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    status->setWordWrap(true);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(button_list, 0, Qt::AlignLeft);
    layout->addWidget(projects);
    auto *name_row = new QFormLayout;
    name_row->addRow(_("Project name"), project);
    layout->addLayout(name_row);
    layout->addWidget(status);
    layout->addWidget(buttons);

    connect(button_list, &QPushButton::clicked, this, &ServerProjectDialog::list_projects);
    connect(projects, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        if (item)
            project->setText(item->text(0));
    });
    connect(projects, &QTreeWidget::itemDoubleClicked, this, &ServerProjectDialog::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &ServerProjectDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ServerProjectDialog::reject);
    connect(&m_watcher, &QFutureWatcher<Listing>::finished, this, &ServerProjectDialog::show_listing);
    resize(560, 480);
}

ServerProjectDialog::~ServerProjectDialog()
{
    if (m_listing)
        m_listing->cancel();
    m_watcher.waitForFinished();
}

void ServerProjectDialog::set_address(const ServerAddress &address)
{
    char *error = nullptr;
    PQconninfoOption *options = PQconninfoParse(address.conninfo.toUtf8().constData(), &error);
    PQfreemem(error);
    if (!options)
        return;
    for (PQconninfoOption *option = options; option->keyword; ++option) {
        const QString value = QString::fromUtf8(option->val ? option->val : "");
        const QByteArray keyword(option->keyword);
        if (keyword == "host")
            host->setText(value);
        else if (keyword == "port")
            port->setText(value);
        else if (keyword == "dbname")
            database->setText(value);
        else if (keyword == "user")
            user->setText(value);
    }
    PQconninfoFree(options);
    m_initial = address;
    m_initial_fields = fields();
    project->setText(address.project);
    if (!address.password.isEmpty())
        password->setText(address.password);
}

QStringList ServerProjectDialog::fields() const
{
    return {host->text(), port->text(), database->text(), user->text()};
}

ServerAddress ServerProjectDialog::server() const
{
    ServerAddress address = !m_initial.conninfo.isEmpty() && fields() == m_initial_fields
        ? m_initial.with_project(project->text())
        : make_server_address(host->text(), port->text(), database->text(), user->text(), project->text());
    if (!password->text().isEmpty() || password->isVisible())
        address.password = password->text();
    return address;
}

ServerAddress ServerProjectDialog::address() const
{
    return server();
}

void ServerProjectDialog::list_projects()
{
    if (m_watcher.isRunning())
        return;
    status->setText(_("Listing the projects on %1...").arg(server().server_text()));
    button_list->setEnabled(false);
    m_listing = std::make_shared<Progress>();
    m_watcher.setFuture(QtConcurrent::run([address = server(), progress = m_listing] {
        Listing listing;
        try {
            listing.projects = list_server_projects(address, progress.get());
        } catch (const PasswordNeeded &error) {
            listing.password_needed = true;
            listing.error = error_text(error);
        } catch (const Cancelled &) {
            // The dialog closed.
        } catch (const std::exception &error) {
            listing.error = error_text(error);
        }
        return listing;
    }));
}

void ServerProjectDialog::show_listing()
{
    const Listing listing = m_watcher.result();
    button_list->setEnabled(true);
    projects->clear();
    if (listing.password_needed) {
        password_label->show();
        password->show();
        password->setFocus();
        status->setText(_("The server asks for a password: type it and list the projects again."));
    } else if (!listing.error.isEmpty()) {
        status->setText(listing.error);
    } else {
        const QLocale locale;
        for (const ServerProjectInfo &info : listing.projects) {
            auto *item = new QTreeWidgetItem(projects, {info.name, info.saved_by,
                                                        locale.toString(info.saved_at.toLocalTime(), QLocale::ShortFormat),
                                                        locale.formattedDataSize(info.size)});
            item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
            if (info.name == project->text())
                projects->setCurrentItem(item);
        }
        status->setText(listing.projects.empty() ? _("There are no projects on this server yet.") : QString());
    }
    Q_EMIT listed();
}

void ServerProjectDialog::accept()
{
    if (database->text().isEmpty()) {
        status->setText(_("Give the database that holds the projects."));
        return;
    }
    if (project->text().isEmpty()) {
        status->setText(m_mode == Mode::Open ? _("Choose a project to open.") : _("Give the project a name."));
        return;
    }
    CONF.set(kSection, QStringLiteral("host"), host->text());
    CONF.set(kSection, QStringLiteral("port"), port->text());
    CONF.set(kSection, QStringLiteral("database"), database->text());
    CONF.set(kSection, QStringLiteral("user"), user->text());
    QDialog::accept();
}

} // namespace kelvra::app
