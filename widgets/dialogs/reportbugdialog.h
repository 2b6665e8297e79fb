#pragma once

#include "widgets/dialogs/dialogs_export.h"
#include "widgets/kvdialog/easydialog.h"

#include <QString>
#include <QStringList>

class QTextEdit;

namespace kelvra {

// A bug report form: mail server, sender, receivers, subject and body.
// Apply emits sig_start(sender, receivers, subject, body, server); the host
// sends the mail. Nothing is validated: the fields go out as they stand.
class DIALOGS_EXPORT ReportBugDialog : public EasyDialog
{
    Q_OBJECT
public:
    static constexpr const char *NAME = QT_TRID_NOOP("Report bug");
    static constexpr const char *HELP_BODY = QT_TRID_NOOP(
        "Please copy-n-paste the error message in the Process log (if any). Please explain "
        "briefly what you were doing when the bug occurred. Please add anything that can help "
        "me reproduce the error. Thanks for your time and contribution to improving Kelvra.");

    // The mail server the form starts with: the local machine's.
    static constexpr const char *DEFAULT_SERVER = "localhost";
    // The example address in the sender hint.
    static constexpr const char *EXAMPLE_ADDRESS = "someone@example.com";

    explicit ReportBugDialog(QWidget *parent = nullptr);

    // Splits the receivers at every comma, strips each piece (empty pieces
    // stay), takes the body as plain text, and emits sig_start.
    void apply() override;

    LineEditField *server = nullptr;
    LineEditField *sender = nullptr;
    LineEditField *receivers = nullptr;
    LineEditField *subject = nullptr;
    QTextEdit *body = nullptr;

Q_SIGNALS:
    void sig_start(const QString &sender, const QStringList &receivers, const QString &subject,
                   const QString &body, const QString &server);
};

} // namespace kelvra
