#include "widgets/dialogs/configdialog.h"

#include "widgets/dialogs/configpage.h"

#include "host/config.h"
#include "host/errorhandler.h"
#include "host/errors.h"
#include "host/icon_manager.h"
#include "host/translation.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>

namespace kelvra {

ConfigDialog::ConfigDialog(QWidget *parent, std::optional<QString> objname)
    : QDialog(parent)
    , parent(parent)
    , objname(std::move(objname))
{
    pages_widget = new QStackedWidget;
    contents_widget = new QListWidget;
    button_reset = new QPushButton(_("Reset to defaults"));

    auto *bbox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Apply
                                      | QDialogButtonBox::Cancel);
    bbox->setObjectName(QStringLiteral("button_box"));
    apply_btn = bbox->button(QDialogButtonBox::Apply);

    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(this->objname ? _("Preferences of ") + *this->objname : _("Preferences"));
    setWindowIcon(ima::icon(QStringLiteral("configure")));

    contents_widget->setMovement(QListView::Static);
    contents_widget->setSpacing(1);
    contents_widget->setCurrentRow(0);

    auto *hsplitter = new QSplitter;
    hsplitter->addWidget(contents_widget);
    hsplitter->addWidget(pages_widget);
    hsplitter->setSizes({150, 500});

    auto *btnlayout = new QHBoxLayout;
    btnlayout->addWidget(button_reset);
    btnlayout->addStretch(1);
    btnlayout->addWidget(bbox);

    auto *vlayout = new QVBoxLayout;
    vlayout->addWidget(hsplitter);
    vlayout->addLayout(btnlayout);
    setLayout(vlayout);

    connect(pages_widget, &QStackedWidget::currentChanged, this, &ConfigDialog::current_page_changed);
    connect(contents_widget, &QListWidget::currentRowChanged, pages_widget,
            &QStackedWidget::setCurrentIndex);
    // Pages are host code and may throw while committing.
    connect_guarded(bbox, &QDialogButtonBox::accepted, this, [this] { accept(); });
    connect(bbox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(bbox, &QDialogButtonBox::clicked, this, [this](QAbstractButton *button) {
        guarded([this, button] { button_clicked(button); });
    });

    CONF.set(QStringLiteral("main"), QStringLiteral("interface_language"), load_lang_conf());
}

int ConfigDialog::get_current_index() const
{
    return contents_widget->currentRow();
}

void ConfigDialog::set_current_index(int index)
{
    contents_widget->setCurrentRow(index);
}

ConfigPage *ConfigDialog::get_page(std::optional<int> index) const
{
    QWidget *holder = index ? pages_widget->widget(*index) : pages_widget->currentWidget();
    auto *scrollarea = qobject_cast<QScrollArea *>(holder);
    // The scroll area forgets a page that its owner has deleted.
    return scrollarea ? qobject_cast<ConfigPage *>(scrollarea->widget()) : nullptr;
}

void ConfigDialog::add_page(ConfigPage *widget)
{
    if (!widget)
        throw ValueError(QStringLiteral("add_page needs a page, got none"));
    // Ask the page first, so that a failing page leaves the dialog unchanged.
    const QIcon icon = widget->get_icon();
    const QString name = widget->get_name();

    auto *scrollarea = new QScrollArea(this);
    scrollarea->setWidgetResizable(true);
    scrollarea->setWidget(widget);
    pages_widget->addWidget(scrollarea);

    auto *item = new QListWidgetItem(contents_widget);
    item->setIcon(icon);
    item->setText(name);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    item->setSizeHint(QSize(0, 25));
}

void ConfigDialog::accept()
{
    for (int index = 0; index < pages_widget->count(); ++index) {
        if (ConfigPage *page = get_page(index))
            page->apply_changes();
    }
    QDialog::accept();
}

void ConfigDialog::button_clicked(QAbstractButton *button)
{
    if (button != apply_btn)
        return;
    // Apply before any page was added has nothing to commit.
    if (ConfigPage *page = get_page())
        page->apply_changes();
}

void ConfigDialog::current_page_changed(int index)
{
    Q_UNUSED(index)
    apply_btn->setVisible(true);
    apply_btn->setEnabled(true);
}

void ConfigDialog::check_all_settings()
{
    emit check_settings();
}

void ConfigDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    emit size_change(size());
}

} // namespace kelvra
