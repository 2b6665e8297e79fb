#pragma once

#include "widgets/dialogs/dialogs_export.h"

#include <QIcon>
#include <QString>
#include <QWidget>

namespace kelvra {

// A settings page of the preferences window. The host derives its pages
// from this class and hands them to ConfigDialog::add_page, which reads the
// name and the icon once and calls apply_changes when the user commits.
class DIALOGS_EXPORT ConfigPage : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;
    ~ConfigPage() override;

    // The text shown in the page list.
    virtual QString get_name() const = 0;
    // The icon of the page's list row; a null icon gives a row without one.
    virtual QIcon get_icon() const = 0;
    // Commits the page's edited settings.
    virtual void apply_changes() = 0;
};

} // namespace kelvra
