#include "app/ui/preferencepages.h"

#include "host/config.h"
#include "host/translation.h"

#include <QColorDialog>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStyle>

namespace kelvra::app {
namespace {

const QString kMain = QStringLiteral("main");
const QString kViewer = QStringLiteral("viewer");

QString native_name(const QString &code)
{
    const QString name = QLocale(code).nativeLanguageName();
    return name.isEmpty() ? code : name;
}

} // namespace

LanguagePage::LanguagePage(QWidget *parent)
    : ConfigPage(parent)
    , languages(new QComboBox)
    , notice(new QLabel(_("A new interface language takes effect when Kelvra starts next time.")))
{
    const QString current = load_lang_conf();
    for (const QString &code : available_languages()) {
        languages->addItem(native_name(code), code);
        if (code == current)
            languages->setCurrentIndex(languages->count() - 1);
    }
    notice->setWordWrap(true);
    auto *form = new QFormLayout(this);
    form->addRow(_("Interface language"), languages);
    form->addRow(notice);
}

QString LanguagePage::get_name() const
{
    return _("Language");
}

QIcon LanguagePage::get_icon() const
{
    return style()->standardIcon(QStyle::SP_MessageBoxInformation);
}

void LanguagePage::reset_to_defaults()
{
    const QString system = QLocale::system().name().section(QLatin1Char('_'), 0, 0);
    const int index = languages->findData(system);
    languages->setCurrentIndex(index >= 0 ? index : languages->findData(QStringLiteral("en")));
}

void LanguagePage::apply_changes()
{
    CONF.set(kMain, QStringLiteral("interface_language"), languages->currentData().toString());
}

ViewerPage::ViewerPage(QWidget *parent)
    : ConfigPage(parent)
    , background_button(new QPushButton)
    , aspect(new QComboBox)
    , m_colour(background())
{
    // The method words are stored untranslated; only the shown text is.
    for (const char *method : {QT_TRID_NOOP("Auto"), QT_TRID_NOOP("Equal"), QT_TRID_NOOP("Fixed")})
        aspect->addItem(_(method), QString::fromLatin1(method));
    aspect->setCurrentIndex(qMax(0, aspect->findData(aspect_method())));
    show_colour();
    connect(background_button, &QPushButton::clicked, this, [this] {
        const QColor chosen = QColorDialog::getColor(m_colour, this, _("Viewer background"));
        if (chosen.isValid()) {
            m_colour = chosen;
            show_colour();
        }
    });
    auto *form = new QFormLayout(this);
    form->addRow(_("Background of new viewers"), background_button);
    form->addRow(_("Aspect ratio of new viewers"), aspect);
}

QString ViewerPage::get_name() const
{
    return _("Viewer");
}

QIcon ViewerPage::get_icon() const
{
    return style()->standardIcon(QStyle::SP_DesktopIcon);
}

void ViewerPage::apply_changes()
{
    CONF.set(kViewer, QStringLiteral("background_color"), m_colour.name());
    CONF.set(kViewer, QStringLiteral("aspect_method"), aspect->currentData().toString());
}

void ViewerPage::reset_to_defaults()
{
    m_colour = Qt::white;
    show_colour();
    aspect->setCurrentIndex(aspect->findData(QStringLiteral("Equal")));
}

QColor ViewerPage::background()
{
    const QColor stored(CONF.get(kViewer, QStringLiteral("background_color"), QStringLiteral("#ffffff")).toString());
    return stored.isValid() ? stored : QColor(Qt::white);
}

QString ViewerPage::aspect_method()
{
    const QString stored = CONF.get(kViewer, QStringLiteral("aspect_method"), QStringLiteral("Equal")).toString();
    return QStringList{"Auto", "Equal", "Fixed"}.contains(stored) ? stored : QStringLiteral("Equal");
}

void ViewerPage::show_colour()
{
    background_button->setText(m_colour.name());
    QPixmap swatch(16, 16);
    swatch.fill(m_colour);
    background_button->setIcon(QIcon(swatch));
}

} // namespace kelvra::app
