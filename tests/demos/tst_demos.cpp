// The demonstration programs, started offscreen: dialogs-demo,
// pivotbar-demo and kvdialog-demo each run their library's main(), which
// these tests call. As soon as its event loop runs, the demonstration's
// windows are described and the loop is left.

#include "widgets/dialogs/dialogsmain.h"
#include "widgets/kvdialog.h"
#include "widgets/pivotbar.h"

#include "testmain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTimer>
#include <QtTest>

namespace {

QStringList g_shown; // what the last demonstration showed

// A visible window as its class and title, then its visible parts top to
// bottom: label texts, "=" and a field's text, "<choice>", button texts (an
// icon button by its tool tip in brackets), "menu " and a menu's title.
QStringList describe(QWidget *window)
{
    QStringList parts{QStringLiteral("%1: %2").arg(QString::fromLatin1(window->metaObject()->className()),
                                                  window->windowTitle())};
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window))
            continue;
        if (auto *label = qobject_cast<QLabel *>(widget))
            parts << label->text();
        else if (auto *edit = qobject_cast<QLineEdit *>(widget); edit && !qobject_cast<QComboBox *>(edit->parent()))
            parts << QLatin1Char('=') + edit->text();
        else if (auto *choice = qobject_cast<QComboBox *>(widget))
            parts << QLatin1Char('<') + choice->currentText() + QLatin1Char('>');
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            parts << (button->text().isEmpty() ? QLatin1Char('[') + button->toolTip() + QLatin1Char(']')
                                               : button->text());
        else if (auto *menus = qobject_cast<QMenuBar *>(widget)) {
            for (QAction *menu : menus->actions())
                parts << QStringLiteral("menu ") + menu->text();
        }
    }
    return parts;
}

// Runs at the creation of every application object: once its event loop
// runs, the visible windows are described and the loop ends.
void describe_then_quit()
{
    QTimer::singleShot(0, qApp, [] {
        g_shown.clear();
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->isVisible())
                g_shown << describe(window);
        }
        QCoreApplication::exit(0);
    });
}

} // namespace

class TestDemos : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { qAddPreRoutine(describe_then_quit); }
    void dialogs_demo();
    void pivotbar_demo();
    void kvdialog_demo();
};

void TestDemos::dialogs_demo()
{
    QCOMPARE(kelvra::dialogs::main(), 0);
    QCOMPARE(g_shown, (QStringList{"kelvra::RemoveObjectDialog: Remove object", "Object", "=",
                                   "[Grab object from tree]", "OK", "Apply", "Cancel", "Help"}));
}

void TestDemos::pivotbar_demo()
{
    QCOMPARE(kelvra::pivotbar::main(), 0);
    QCOMPARE(g_shown, (QStringList{"QMainWindow: ", "<Plugout Mode>", "menu New", "menu Edit"}));
}

void TestDemos::kvdialog_demo()
{
    QCOMPARE(kelvra::kvdialog::main(), 0);
    QCOMPARE(g_shown, (QStringList{"kelvra::EasyDialog: Template Dialog", "Open existing file", "File", "=",
                                   "[Select file]", "Create new file", "File", "=", "[Select file]", "OK",
                                   "Apply", "Cancel", "Help"}));
}

KELVRA_TEST_APPLESS_MAIN(TestDemos)
#include "tst_demos.moc"
