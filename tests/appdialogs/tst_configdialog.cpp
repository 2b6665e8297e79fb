#include "widgets/dialogs.h"

#include "host/config.h"
#include "host/errors.h"
#include "host/translation.h"
#include "testmain.h"
#include "testsupport.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStyle>
#include <QtTest>

using namespace kelvra;

Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

// A settings page that logs what the dialog asks of it.
class FakePage : public ConfigPage
{
    Q_OBJECT
public:
    enum class Fails { Never, OnName, OnApply };

    FakePage(const QString &name, QStringList *log, const QIcon &icon = {}, Fails fails = Fails::Never)
        : m_name(name), m_icon(icon), m_log(log), m_fails(fails)
    {
    }

    QString get_name() const override
    {
        ++name_calls;
        if (m_fails == Fails::OnName)
            throw ValueError(QStringLiteral("no name"));
        return m_name;
    }
    QIcon get_icon() const override
    {
        ++icon_calls;
        return m_icon;
    }
    void apply_changes() override
    {
        m_log->append(m_name);
        if (m_fails == Fails::OnApply)
            throw ValueError(QStringLiteral("cannot commit ") + m_name);
    }

    mutable int name_calls = 0;
    mutable int icon_calls = 0;

private:
    QString m_name;
    QIcon m_icon;
    QStringList *m_log;
    Fails m_fails;
};

QAbstractButton *box_button(ConfigDialog *dialog, QDialogButtonBox::StandardButton which)
{
    return dialog->findChild<QDialogButtonBox *>(QStringLiteral("button_box"))->button(which);
}

// Destroys what deleteLater() scheduled, as the event loop would.
void run_deferred_deletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestConfigDialog : public QObject
{
    Q_OBJECT

private:
    QStringList log;
    QPointer<ConfigDialog> dialog;

    // A shown dialog with one page per name.
    QList<FakePage *> make_dialog(const QStringList &names,
                                  FakePage::Fails fails = FakePage::Fails::Never,
                                  const QString &failing = {})
    {
        dialog = new ConfigDialog;
        QList<FakePage *> pages;
        for (const QString &name : names) {
            pages << new FakePage(name, &log, {}, name == failing ? fails : FakePage::Fails::Never);
            dialog->add_page(pages.last());
        }
        dialog->show();
        return pages;
    }

private Q_SLOTS:
    void init()
    {
        log.clear();
    }

    void cleanup()
    {
        delete dialog;
        run_deferred_deletes();
    }

    void title_and_window_data()
    {
        QTest::addColumn<std::optional<QString>>("objname");
        QTest::addColumn<QString>("title");
        QTest::newRow("no object") << std::optional<QString>() << "Preferences";
        QTest::newRow("object") << std::optional<QString>("Survey1") << "Preferences of Survey1";
        QTest::newRow("empty name") << std::optional<QString>("") << "Preferences of ";
    }

    void title_and_window()
    {
        QFETCH(std::optional<QString>, objname);
        QFETCH(QString, title);
        QWidget owner;
        dialog = new ConfigDialog(&owner, objname);
        QCOMPARE(dialog->windowTitle(), title);
        QCOMPARE(dialog->objname, objname);
        QCOMPARE(dialog->parent, &owner);
        QCOMPARE(dialog->parentWidget(), &owner);
        QVERIFY(dialog->testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(!dialog->windowIcon().isNull());
        QCOMPARE(dialog->button_reset->text(), QStringLiteral("Reset to defaults"));
        QCOMPARE(dialog->apply_btn, box_button(dialog, QDialogButtonBox::Apply));
    }

    void translated_title()
    {
        CONF.set("main", "interface_language", "de");
        QCOMPARE(load_translations(), QStringLiteral("de"));
        dialog = new ConfigDialog(nullptr, QStringLiteral("Survey1"));
        const QString title = dialog->windowTitle();
        CONF.set("main", "interface_language", "en");
        load_translations();
        // The separating blank of the translated prefix survives compilation.
        QCOMPARE(title, QStringLiteral("Einstellungen von Survey1"));
    }

    void stores_language_in_effect_data()
    {
        QTest::addColumn<QString>("configured");
        QTest::newRow("shipped") << "de";
        QTest::newRow("not shipped") << "xx";
    }

    void stores_language_in_effect()
    {
        QFETCH(QString, configured);
        CONF.set("main", "interface_language", configured);
        dialog = new ConfigDialog;
        const QString stored = CONF.get("main", "interface_language").toString();
        QVERIFY(available_languages().contains(stored));
        if (available_languages().contains(configured))
            QCOMPARE(stored, configured);
        CONF.set("main", "interface_language", "en");
    }

    void pages_in_order()
    {
        dialog = new ConfigDialog;
        const QIcon icon = dialog->style()->standardIcon(QStyle::SP_DirIcon);
        auto *a = new FakePage("A", &log, icon);
        auto *b = new FakePage("B", &log); // no icon
        auto *c = new FakePage("C", &log, icon);
        for (FakePage *page : {a, b, c})
            dialog->add_page(page);

        QListWidget *list = dialog->contents_widget;
        QCOMPARE(list->count(), 3);
        QCOMPARE(dialog->pages_widget->count(), 3);
        const QList<FakePage *> pages{a, b, c};
        for (int row = 0; row < 3; ++row) {
            QListWidgetItem *item = list->item(row);
            QCOMPARE(item->text(), QString(QChar('A' + row)));
            QCOMPARE(item->flags(), Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            QCOMPARE(item->sizeHint(), QSize(0, 25));
            QCOMPARE(item->icon().isNull(), row == 1);
            QCOMPARE(dialog->get_page(row), pages[row]);
            auto *area = qobject_cast<QScrollArea *>(dialog->pages_widget->widget(row));
            QVERIFY(area && area->widgetResizable());
            QCOMPARE(area->widget(), pages[row]);
            QCOMPARE(pages[row]->icon_calls, 1);
            QCOMPARE(pages[row]->name_calls, 1);
        }

        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QCOMPARE(list->visualItemRect(list->item(1)).height(), 25);

        dialog->set_current_index(2);
        QCOMPARE(dialog->get_current_index(), 2);
        QCOMPARE(dialog->pages_widget->currentIndex(), 2);
        QCOMPARE(dialog->get_page(), c);
    }

    void add_page_failures_leave_dialog_unchanged()
    {
        dialog = new ConfigDialog;
        QVERIFY_EXCEPTION_THROWN(dialog->add_page(nullptr), ValueError);
        FakePage nameless("X", &log, {}, FakePage::Fails::OnName);
        QVERIFY_EXCEPTION_THROWN(dialog->add_page(&nameless), ValueError);
        QCOMPARE(dialog->contents_widget->count(), 0);
        QCOMPARE(dialog->pages_widget->count(), 0);
        QCOMPARE(nameless.parentWidget(), nullptr);
    }

    void ok_commits_every_page_then_closes_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::newRow("three pages") << QStringList{"A", "B", "C"};
        QTest::newRow("no page") << QStringList{};
    }

    void ok_commits_every_page_then_closes()
    {
        QFETCH(QStringList, names);
        make_dialog(names);
        dialog->set_current_index(names.size() - 1);
        QSignalSpy finished(dialog, &QDialog::finished);

        box_button(dialog, QDialogButtonBox::Ok)->click();

        QCOMPARE(log, names);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), int(QDialog::Accepted));
        run_deferred_deletes();
        QVERIFY(dialog.isNull());
    }

    void ok_stops_at_a_failing_page()
    {
        test::ErrorRecorder errors;
        make_dialog({"A", "B", "C"}, FakePage::Fails::OnApply, "B");

        box_button(dialog, QDialogButtonBox::Ok)->click();

        QCOMPARE(log, (QStringList{"A", "B"}));
        QCOMPARE(errors.messages, QStringList{"cannot commit B"});
        run_deferred_deletes();
        QVERIFY(!dialog.isNull());
        QVERIFY(dialog->isVisible());
    }

    void ok_skips_a_page_its_owner_deleted()
    {
        const QList<FakePage *> pages = make_dialog({"A", "B", "C"});
        delete pages[1];
        QCOMPARE(dialog->get_page(1), nullptr);
        box_button(dialog, QDialogButtonBox::Ok)->click();
        QCOMPARE(log, (QStringList{"A", "C"}));
    }

    void apply_commits_current_page_only()
    {
        make_dialog({"A", "B", "C"});
        dialog->set_current_index(1);

        dialog->apply_btn->click();
        QCOMPARE(log, QStringList{"B"});
        QVERIFY(dialog->isVisible());

        // OK and Cancel never reach the Apply handling.
        dialog->button_clicked(box_button(dialog, QDialogButtonBox::Ok));
        box_button(dialog, QDialogButtonBox::Cancel)->click();
        QCOMPARE(log, QStringList{"B"});
        run_deferred_deletes();
        QVERIFY(dialog.isNull());
    }

    void without_pages_nothing_is_there_to_commit()
    {
        test::ErrorRecorder errors;
        make_dialog({});
        QCOMPARE(dialog->get_page(), nullptr);
        QCOMPARE(dialog->get_current_index(), -1);
        dialog->apply_btn->click();
        QVERIFY(errors.messages.isEmpty());
        QVERIFY(dialog->isVisible());
    }

    void get_page_out_of_range()
    {
        make_dialog({"A", "B"});
        QCOMPARE(dialog->get_page(-1), nullptr);
        QCOMPARE(dialog->get_page(2), nullptr);
        QVERIFY(dialog->get_page(1) != nullptr);
    }

    void apply_reenabled_after_every_page_change()
    {
        make_dialog({"A", "B", "C"});
        for (int row : {1, 2, 0, 2}) {
            dialog->apply_btn->setEnabled(false);
            dialog->apply_btn->hide();
            dialog->set_current_index(row);
            QVERIFY(dialog->apply_btn->isVisible());
            QVERIFY(dialog->apply_btn->isEnabled());
        }
    }

    void size_change_once_per_resize()
    {
        make_dialog({"A"});
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QSignalSpy sizes(dialog, &ConfigDialog::size_change);

        for (const QSize &size : {QSize(720, 510), QSize(800, 600)}) {
            dialog->resize(size);
            QCoreApplication::processEvents();
            QCOMPARE(sizes.count(), 1);
            QCOMPARE(sizes.takeFirst().at(0).toSize(), size);
        }
    }

    void check_all_settings_asks_once()
    {
        make_dialog({"A"});
        QSignalSpy checks(dialog, &ConfigDialog::check_settings);
        dialog->check_all_settings();
        QCOMPARE(checks.count(), 1);
    }
};

KELVRA_TEST_MAIN(TestConfigDialog)
#include "tst_configdialog.moc"
