#include "app/ui/scriptoutput.h"

#include "host/translation.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace kelvra::app {

QDialog *show_script_output(QWidget *parent, const QString &object, const QString &output)
{
    auto *window = new QDialog(parent);
    window->setObjectName(QStringLiteral("script_output"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(_("Output of the script on %1").arg(object));
    auto *text = new QPlainTextEdit(output, window);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, window);
    QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QDialog::reject);
    auto *layout = new QVBoxLayout(window);
    layout->addWidget(text);
    layout->addWidget(buttons);
    window->resize(640, 360);
    window->show();
    return window;
}

} // namespace kelvra::app
