#include "testsupport.h"

#include "host/config.h"
#include "host/errors.h"
#include "host/translation.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

namespace kelvra {

char *toString(const NdArray &array)
{
    return qstrdup(QStringLiteral("%1 %2").arg(array.dtype_name(), array.to_text()).toUtf8().constData());
}

} // namespace kelvra

namespace kelvra::test {

NdArray array(std::initializer_list<double> values)
{
    return NdArray::from_values(std::vector<double>(values));
}
namespace {
bool g_modal_handled = false;
QPointer<QTimer> g_watch; // the arrangement of on_next_modal still waiting
}

ErrorRecorder::ErrorRecorder()
{
    m_previous = set_error_handler([this](const std::exception &error) {
        messages << error_text(error);
    });
}

ErrorRecorder::~ErrorRecorder()
{
    set_error_handler(std::move(m_previous));
}

InterfaceLanguageScope::InterfaceLanguageScope(const QString &language)
    : m_previous(CONF.get(QStringLiteral("main"), QStringLiteral("interface_language"), QStringLiteral("en")).toString())
{
    CONF.set(QStringLiteral("main"), QStringLiteral("interface_language"), language);
    load_translations();
}

InterfaceLanguageScope::~InterfaceLanguageScope()
{
    CONF.set(QStringLiteral("main"), QStringLiteral("interface_language"), m_previous);
    load_translations();
}

void on_next_modal(std::function<void(QWidget *)> fn, int timeout_ms)
{
    if (g_watch) {
        g_watch->stop();
        g_watch->deleteLater();
    }
    g_modal_handled = false;
    auto *timer = new QTimer(qApp);
    g_watch = timer;
    QElapsedTimer clock;
    clock.start();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, clock, fn, timeout_ms] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            timer->stop();
            g_modal_handled = true;
            fn(modal);
            // A handler that failed half-way must not leave the test blocked.
            if (auto *dialog = qobject_cast<QDialog *>(modal); dialog && dialog->isVisible()) {
                qWarning("on_next_modal: the handler left %s open; rejecting it",
                         modal->metaObject()->className());
                g_modal_handled = false;
                dialog->reject();
            }
        } else if (clock.elapsed() > timeout_ms) {
            timer->stop();
        } else {
            return;
        }
        timer->deleteLater();
    });
    timer->start();
}

bool modal_was_handled()
{
    return g_modal_handled;
}

} // namespace kelvra::test
