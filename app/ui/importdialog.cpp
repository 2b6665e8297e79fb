#include "app/ui/importdialog.h"

#include "app/formats/exchange.h"

#include "host/errorhandler.h"
#include "host/errors.h"
#include "host/translation.h"
#include "widgets/dialogs/geometrytypes.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QTabWidget>

namespace kelvra::app {
namespace {

QString file_filters()
{
    QStringList all;
    QStringList each;
    for (const formats::Format *format : formats::formats()) {
        all << format->patterns();
        each << QStringLiteral("%1 (%2)").arg(format->title(), format->patterns().join(QLatin1Char(' ')));
    }
    all.removeDuplicates();
    return (QStringList{_("Known formats (%1)").arg(all.join(QLatin1Char(' ')))} + each
            + QStringList{_("All files (*)")})
        .join(QStringLiteral(";;"));
}

std::optional<int> column_of(const LineEditField *field, const QString &axis)
{
    const QString text = field->edit->text().trimmed();
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    const int column = text.toInt(&ok);
    if (!ok || column < 1)
        throw ValueError(_("The %1 column must be a number from 1, not '%2'.").arg(axis, text));
    return column - 1;
}

QString describe_text(const formats::Description &d)
{
    QStringList lines;
    lines << _("Format: %1").arg(d.format) << _("Becomes: %1").arg(d.geometry_type);
    if (d.grid)
        lines << _("Grid: %1 columns x %2 rows, spacing %3 x %4, rotation %5 degrees")
                     .arg(d.grid->columns)
                     .arg(d.grid->rows)
                     .arg(d.grid->x_increment)
                     .arg(d.grid->y_increment)
                     .arg(d.grid->rotation);
    if (d.vertices > 0)
        lines << _("Vertices: %1").arg(d.vertices);
    if (d.extent)
        lines << _("Extent: X %1 to %2, Y %3 to %4")
                     .arg(d.extent->left(), 0, 'f', 2)
                     .arg(d.extent->right(), 0, 'f', 2)
                     .arg(d.extent->top(), 0, 'f', 2)
                     .arg(d.extent->bottom(), 0, 'f', 2);
    lines << (d.nulls >= 0 ? _("Null values: %1").arg(d.nulls) : _("Null values: counted when imported"));
    lines << _("Properties: %1").arg(d.properties.isEmpty() ? _("none besides X, Y and Z")
                                                            : d.properties.join(QStringLiteral(", ")));
    lines << _("Memory: %1").arg(QLocale::system().formattedDataSize(d.memory_bytes));
    lines << d.notes;
    return lines.join(QLatin1Char('\n'));
}

} // namespace

ImportDialog::ImportDialog(QWidget *parent)
    : EasyDialog(texts_of<ImportDialog>(), parent)
{
    input = create_browsefile(_("File"), {}, {}, file_filters());
    layout->addWidget(input);
    std::vector<ComboChoice> choices{{_("Recognise from content"), QString()}};
    for (const formats::Format *known : formats::formats())
        choices.push_back({known->title(), known->name()});
    format = create_combobox(_("Format"), choices);
    layout->addWidget(format);
    name = create_lineedit(_("Object name"), {}, _("Empty: the name the file gives"));
    layout->addWidget(name);
    nulls = create_lineedit(_("Null values"), {}, _("Numbers separated by spaces, besides the file's own"));
    layout->addWidget(nulls);

    tabs = new QTabWidget(this);
    x_column = create_lineedit(_("X column"), {}, _("From 1; empty: from the header, else 1"));
    y_column = create_lineedit(_("Y column"), {}, _("From 1; empty: from the header, else 2"));
    z_column = create_lineedit(_("Z column"), {}, _("From 1; empty: from the header, else 3"));
    geometry = create_combobox(_("Becomes"), {{_("Lines when the file has pieces, else points"), QString()},
                                              {_("Point"), QStringLiteral("Point")},
                                              {_("Line"), QStringLiteral("Line")}});
    tabs->addTab(create_tab({x_column, y_column, z_column, geometry}), _("Columns"));
    layout->addWidget(tabs);

    description = new QLabel(this);
    description->setObjectName(QStringLiteral("import_description"));
    description->setWordWrap(true);
    description->setTextInteractionFlags(Qt::TextSelectableByMouse);
    description->setMinimumHeight(120);
    description->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(description);
    layout->addWidget(create_action());

    const auto refresh = [this] { guarded([this] { load_lines(); }); };
    connect(input->lineedit->edit, &QLineEdit::editingFinished, this, refresh);
    connect(format->combobox, QOverload<int>::of(&QComboBox::currentIndexChanged), this, refresh);
    connect(geometry->combobox, QOverload<int>::of(&QComboBox::currentIndexChanged), this, refresh);
    for (LineEditField *field : {name, nulls, x_column, y_column, z_column})
        connect(field->edit, &QLineEdit::editingFinished, this, refresh);
}

formats::ImportOptions ImportDialog::options() const
{
    formats::ImportOptions options;
    options.name = name->edit->text().trimmed();
    const QStringList words = nulls->edit->text().split(QRegularExpression(QStringLiteral("[\\s,;]+")),
                                                        Qt::SkipEmptyParts);
    for (const QString &word : words) {
        bool ok = false;
        const double value = word.toDouble(&ok);
        if (!ok)
            throw ValueError(_("The null value '%1' is not a number.").arg(word));
        options.null_values.push_back(value);
    }
    options.x_column = column_of(x_column, QStringLiteral("X"));
    options.y_column = column_of(y_column, QStringLiteral("Y"));
    options.z_column = column_of(z_column, QStringLiteral("Z"));
    const QString type = geometry->combobox->currentData().toString();
    if (!type.isEmpty())
        options.geometry_type = type;
    return options;
}

void ImportDialog::load_lines()
{
    const QString file = input->lineedit->edit->text();
    if (file.isEmpty()) {
        description->clear();
        return;
    }
    try {
        const formats::Format &chosen = formats::import_format(file, format->combobox->currentData().toString());
        description->setText(describe_text(chosen.describe(file, options())));
    } catch (const std::exception &error) {
        description->setText(error_text(error));
    }
}

void ImportDialog::apply()
{
    Q_EMIT sig_start(input->lineedit->edit->text(), format->combobox->currentData().toString(), options());
}

ExportDialog::ExportDialog(QWidget *parent)
    : EasyDialog(texts_of<ExportDialog>(), parent)
{
    grabob = create_grabob(_("Object"), {}, {}, all_geometry_types());
    layout->addWidget(grabob);
    output = create_browsefile(_("File"), {}, {}, file_filters(), true);
    layout->addWidget(output);
    std::vector<ComboChoice> choices{{_("From the file name"), QString()}};
    for (const formats::Format *known : formats::formats())
        choices.push_back({known->title(), known->name()});
    format = create_combobox(_("Format"), choices);
    layout->addWidget(format);
    null_value = create_lineedit(_("Null value"), {}, _("Written for missing values; empty: the format's usual one"));
    layout->addWidget(null_value);
    layout->addWidget(create_action());
}

void ExportDialog::apply()
{
    formats::ExportOptions options;
    const QString text = null_value->edit->text().trimmed();
    if (!text.isEmpty()) {
        bool ok = false;
        options.null_value = text.toDouble(&ok);
        if (!ok)
            throw ValueError(_("The null value '%1' is not a number.").arg(text));
    }
    Q_EMIT sig_start(grabob->lineedit->edit->text(), output->lineedit->edit->text(),
                     format->combobox->currentData().toString(), options);
}

} // namespace kelvra::app
