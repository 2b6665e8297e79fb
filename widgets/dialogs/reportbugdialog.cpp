#include "widgets/dialogs/reportbugdialog.h"

#include "host/translation.h"

#include <QBoxLayout>
#include <QFontMetrics>
#include <QLineEdit>
#include <QTextEdit>

namespace kelvra {
namespace {

// What the body starts with: the questions a useful report answers, each
// followed by room for the answer.
QString initial_body()
{
    const QStringList lines{
        _("Describe the problem here, replacing this text."),
        QString(),
        _("What were you doing when it happened?"),
        QString(),
        _("Steps to reproduce it:"),
        QStringLiteral("1."),
        QStringLiteral("2."),
        QStringLiteral("3."),
        QString(),
        _("What did you expect, and what happened instead?"),
        QString(),
        _("Error message from the Process log (if any):"),
        QString(),
    };
    return lines.join(QLatin1Char('\n'));
}

// Makes a field wide enough for the text it starts with, as long as that is
// in any language, and shows the text from its start should the field be
// narrowed after all (a line edit shows the end where its cursor is).
void fit_starting_text(LineEditField *field)
{
    QLineEdit *edit = field->edit;
    const QFontMetrics metrics = edit->fontMetrics();
    edit->setMinimumWidth(metrics.horizontalAdvance(edit->text()) + 2 * metrics.averageCharWidth());
    edit->setCursorPosition(0);
}

} // namespace

ReportBugDialog::ReportBugDialog(QWidget *parent)
    : EasyDialog(texts_of<ReportBugDialog>(), parent)
{
    server = create_lineedit(_("Email server"), QString::fromLatin1(DEFAULT_SERVER));
    layout->addWidget(server);
    sender = create_lineedit(_("Sender"), _("email address e.g.") + QLatin1Char(' ')
                                              + QString::fromLatin1(EXAMPLE_ADDRESS));
    layout->addWidget(sender);
    receivers = create_lineedit(_("Receivers"),
                                //: Sent as it stands when left untouched: it must stay one
                                //: receiver, so its translation holds no comma.
                                _("email addresses separated by comma"));
    layout->addWidget(receivers);
    for (LineEditField *field : {server, sender, receivers})
        fit_starting_text(field);
    subject = create_lineedit(_("Subject"));
    layout->addWidget(subject);

    body = new QTextEdit(this);
    QFont font = body->font();
    font.setFamily(QStringLiteral("monospace"));
    font.setStyleHint(QFont::Monospace);
    body->setFont(font);
    // Plain text: the message must not be read as markup.
    body->setPlainText(initial_body());
    layout->addWidget(body);

    layout->addWidget(create_action());
}

void ReportBugDialog::apply()
{
    const QString server_text = server->edit->text();
    const QString sender_text = sender->edit->text();
    QStringList receiver_list = receivers->edit->text().split(QLatin1Char(','));
    for (QString &receiver : receiver_list)
        receiver = receiver.trimmed();
    const QString subject_text = subject->edit->text();
    const QString body_text = body->toPlainText();
    emit sig_start(sender_text, receiver_list, subject_text, body_text, server_text);
}

} // namespace kelvra
