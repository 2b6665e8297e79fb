#pragma once

#include "widgets/dialogs/dialogs_export.h"

#include <QDialog>
#include <QSize>
#include <QString>

#include <optional>

class QAbstractButton;
class QListWidget;
class QPushButton;
class QStackedWidget;

namespace kelvra {

class ConfigPage;

// Configuration or preferences dialog box.
//
// The page list sits on the left and the selected page on the right, each
// page in its own scroll area; below them "Reset to defaults" (left to the
// owner to connect) and the Ok, Apply and Cancel buttons. Apply commits the
// current page, OK commits every page in order and then closes. The dialog
// deletes itself once closed.
class DIALOGS_EXPORT ConfigDialog : public QDialog
{
    Q_OBJECT
public:
    // objname: the object whose preferences are shown, for the title.
    explicit ConfigDialog(QWidget *parent = nullptr,
                          std::optional<QString> objname = std::nullopt);

    // The current row of the page list, -1 when there is none.
    int get_current_index() const;
    // Makes row index current; the page stack follows.
    void set_current_index(int index);
    // The page at stack position index, or the current page when index is
    // absent; nullptr when there is no such page.
    ConfigPage *get_page(std::optional<int> index = std::nullopt) const;
    // Appends a page to the list and the stack. Throws ValueError for a
    // null page; a page whose get_name or get_icon throws is not added.
    void add_page(ConfigPage *widget);

    QWidget *parent = nullptr;
    std::optional<QString> objname;
    QStackedWidget *pages_widget = nullptr;
    QListWidget *contents_widget = nullptr;
    QPushButton *button_reset = nullptr;
    QPushButton *apply_btn = nullptr;

Q_SIGNALS:
    // Asks every page to check its settings.
    void check_settings();
    // The dialog's new size, for the application to save.
    void size_change(const QSize &size);

public Q_SLOTS:
    // Commits every page in stack order, then closes. When a page fails,
    // the pages after it are not committed and the dialog stays open.
    void accept() override;
    // Commits the current page when button is the Apply button.
    void button_clicked(QAbstractButton *button);
    // Shows and enables Apply again, whichever page became current.
    void current_page_changed(int index);
    // Emits check_settings; call it once the dialog is shown.
    void check_all_settings();

protected:
    void resizeEvent(QResizeEvent *event) override;
};

} // namespace kelvra
