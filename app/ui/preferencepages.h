#pragma once

// The preferences pages of the reference host. Each keeps its settings in
// the configuration store when applied.

#include "widgets/dialogs/configpage.h"

#include <QColor>

class QComboBox;
class QLabel;
class QPushButton;

namespace kelvra::app {

// The interface language; a change takes effect at the next start.
class LanguagePage : public ConfigPage
{
    Q_OBJECT
public:
    explicit LanguagePage(QWidget *parent = nullptr);

    QString get_name() const override;
    QIcon get_icon() const override;
    void apply_changes() override;
    // Shows the default choice; nothing is stored until applied.
    void reset_to_defaults();

    QComboBox *languages;
    QLabel *notice;
};

// What a new viewer starts with: background colour and aspect method.
class ViewerPage : public ConfigPage
{
    Q_OBJECT
public:
    explicit ViewerPage(QWidget *parent = nullptr);

    QString get_name() const override;
    QIcon get_icon() const override;
    void apply_changes() override;
    void reset_to_defaults();

    // The stored defaults.
    static QColor background();
    static QString aspect_method();

    QPushButton *background_button;
    QComboBox *aspect;

private:
    void show_colour();
    QColor m_colour;
};

} // namespace kelvra::app
