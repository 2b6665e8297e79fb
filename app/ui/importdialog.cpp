#include "app/ui/importdialog.h"

#include "app/formats/exchange.h"

#include "host/config.h"
#include "host/errorhandler.h"
#include "host/errors.h"
#include "host/translation.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QUrl>

#include <cmath>

namespace kelvra::app {
namespace {

// The configuration section of the wellheads typed, one option per well.
const QString kWellheads = QStringLiteral("import_wellheads");

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

std::optional<double> number_of(const LineEditField *field)
{
    const QString text = field->edit->text().trimmed();
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        throw ValueError(_("%1: '%2' is not a number.").arg(field->label->text(), text));
    return value;
}

// First, last and step of one row of the cube range frame; empty first or
// last: the file's own, empty step: 1.
formats::NumberRange range_of(const QString &row, const QLineEdit *first, const QLineEdit *last,
                              const QLineEdit *step)
{
    formats::NumberRange range;
    const auto whole = [&row](const QLineEdit *edit, std::optional<std::int64_t> &into) {
        const QString text = edit->text().trimmed();
        if (text.isEmpty())
            return;
        bool ok = false;
        into = text.toLongLong(&ok);
        if (!ok)
            throw ValueError(_("%1: '%2' is not a whole number.").arg(row, text));
    };
    whole(first, range.first);
    whole(last, range.last);
    std::optional<std::int64_t> every;
    whole(step, every);
    if (every && *every < 1)
        throw ValueError(_("%1: the step must be 1 or more, not %2.").arg(row).arg(*every));
    range.step = every.value_or(1);
    return range;
}

int header_byte(const LineEditField *field)
{
    bool ok = false;
    const QString text = field->edit->text().trimmed();
    const int byte = text.toInt(&ok);
    if (!ok || byte < 1 || byte > 240)
        throw ValueError(_("%1 must be a byte of the trace header, 1 to 240, not '%2'.")
                             .arg(field->label->text(), text));
    return byte;
}

// The note of a SEG-Y description that holds the text header.
QString text_header_prefix()
{
    return _("Text header:") + QLatin1Char('\n');
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
    // The text header has a page of its own.
    for (const QString &note : d.notes) {
        if (!note.startsWith(text_header_prefix()))
            lines << note;
    }
    return lines.join(QLatin1Char('\n'));
}

// The option of a well in the configuration section: its name, percent-encoded.
QString wellhead_option(const QString &well)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(well));
}

QString number_text(double value)
{
    return QString::number(value, 'g', 17);
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
    columns_tab = create_tab({x_column, y_column, z_column, geometry});
    tabs->addTab(columns_tab, _("Columns"));

    wellhead_x = create_lineedit(_("Wellhead X"), {}, _("Used where the file gives none; empty: 0"));
    wellhead_y = create_lineedit(_("Wellhead Y"), {}, _("Used where the file gives none; empty: 0"));
    datum = create_lineedit(_("Datum"), {}, _("Elevation of MD 0 (KB, DF), used where the file gives none; empty: 0"));
    const QString tables = _("Tables (*.csv *.txt *.dat *.dev);;All files (*)");
    path_file = create_browsefile(_("Well path file"), {},
                                  _("A deviation survey (MD, INC, AZI) or a table of X, Y and TVDSS, TVD or Z"),
                                  tables);
    tops_file = create_browsefile(_("Tops file"), {}, _("Well, top and MD on each line"), tables);
    well_tab = create_tab({wellhead_x, wellhead_y, datum, path_file, tops_file});
    tabs->addTab(well_tab, _("Well"));

    cube = new QCheckBox(_("Read the cube as well as the survey"), this);
    ranges = create_cubeframe();
    ranges->setEnabled(false);
    auto *ranges_help = new QLabel(_("Lines by their numbers, samples by their time in ms; a step takes every "
                                     "step-th one. Empty: the whole survey."),
                                   this);
    ranges_help->setWordWrap(true);
    inline_byte = create_lineedit(_("Inline numbers at byte"), QStringLiteral("189"),
                                  _("Where the trace headers hold the inline number, from 1"));
    crossline_byte = create_lineedit(_("Crossline numbers at byte"), QStringLiteral("193"),
                                     _("Where the trace headers hold the crossline number, from 1"));
    cube_memory = new QLabel(this);
    cube_memory->setObjectName(QStringLiteral("cube_memory"));
    cube_memory->setWordWrap(true);
    text_header = new QPlainTextEdit(this);
    text_header->setObjectName(QStringLiteral("text_header"));
    text_header->setReadOnly(true);
    text_header->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_header->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_header->setPlaceholderText(_("The text header of the file"));
    seismic_tab = create_tab({cube, ranges, ranges_help, inline_byte, crossline_byte, cube_memory, text_header});
    tabs->addTab(seismic_tab, _("Seismic"));
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
    connect(cube, &QCheckBox::toggled, this, [this, refresh](bool checked) {
        ranges->setEnabled(checked);
        refresh();
    });
    for (LineEditField *field : {name, nulls, x_column, y_column, z_column, wellhead_x, wellhead_y, datum,
                                 inline_byte, crossline_byte, path_file->lineedit, tops_file->lineedit})
        connect(field->edit, &QLineEdit::editingFinished, this, refresh);
    for (QLineEdit *edit : {ranges->le_il_frst, ranges->le_il_last, ranges->le_il_ncrt, ranges->le_xl_frst,
                            ranges->le_xl_last, ranges->le_xl_ncrt, ranges->le_dp_frst, ranges->le_dp_last,
                            ranges->le_dp_ncrt})
        connect(edit, &QLineEdit::editingFinished, this, refresh);
    // A wellhead the user changes is theirs, no longer the one remembered.
    for (LineEditField *field : {wellhead_x, wellhead_y, datum})
        connect(field->edit, &QLineEdit::textEdited, this, [this] { m_filled_for.clear(); });
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

    options.wellhead_x = number_of(wellhead_x);
    options.wellhead_y = number_of(wellhead_y);
    if (options.wellhead_x.has_value() != options.wellhead_y.has_value())
        throw ValueError(_("Give the wellhead's X and Y both, or neither."));
    options.datum = number_of(datum);
    options.path_file = path_file->lineedit->edit->text();
    options.tops_file = tops_file->lineedit->edit->text();

    options.cube = cube->isChecked();
    if (options.cube) {
        options.inlines = range_of(_("Inlines"), ranges->le_il_frst, ranges->le_il_last, ranges->le_il_ncrt);
        options.crosslines = range_of(_("Crosslines"), ranges->le_xl_frst, ranges->le_xl_last, ranges->le_xl_ncrt);
        options.samples = range_of(_("Samples"), ranges->le_dp_frst, ranges->le_dp_last, ranges->le_dp_ncrt);
    }
    options.inline_byte = header_byte(inline_byte);
    options.crossline_byte = header_byte(crossline_byte);
    return options;
}

void ImportDialog::enable_tabs(const QString &format_name)
{
    QWidget *page = nullptr;
    if (format_name == QLatin1String("csv") || format_name == QLatin1String("xyz"))
        page = columns_tab;
    else if (format_name == QLatin1String("las"))
        page = well_tab;
    else if (format_name == QLatin1String("segy"))
        page = seismic_tab;
    // Not known yet: every page may matter.
    for (int i = 0; i < tabs->count(); ++i)
        tabs->setTabEnabled(i, format_name.isEmpty() || tabs->widget(i) == page);
    if (page)
        tabs->setCurrentWidget(page);
}

bool ImportDialog::take_remembered_wellhead(const QString &well)
{
    if (well == m_shown_well)
        return false;
    m_shown_well = well;
    const QStringList numbers = CONF.get(kWellheads, wellhead_option(well)).toString().split(QLatin1Char(' '));
    if (!well.isEmpty() && numbers.size() >= 2) {
        wellhead_x->edit->setText(numbers.at(0));
        wellhead_y->edit->setText(numbers.at(1));
        datum->edit->setText(numbers.value(2));
        m_filled_for = well;
        return true;
    }
    if (m_filled_for.isEmpty())
        return false;
    // The fields hold another well's wellhead: not this one's.
    for (LineEditField *field : {wellhead_x, wellhead_y, datum})
        field->edit->clear();
    m_filled_for.clear();
    return true;
}

void ImportDialog::show_description(const formats::Description &d, bool cube_asked)
{
    description->setText(describe_text(d));
    text_header->clear();
    for (const QString &note : d.notes) {
        if (note.startsWith(text_header_prefix()))
            text_header->setPlainText(note.mid(text_header_prefix().size()));
    }
    if (cube_asked && d.grid)
        cube_memory->setText(_("The cube of %1 x %2 traces and %3 samples each takes %4 of memory.")
                                 .arg(d.grid->columns)
                                 .arg(d.grid->rows)
                                 .arg(d.grid->layers)
                                 .arg(QLocale::system().formattedDataSize(d.memory_bytes)));
    else
        cube_memory->clear();
}

void ImportDialog::load_lines()
{
    const QString file = input->lineedit->edit->text();
    m_well.clear();
    if (file.isEmpty()) {
        description->clear();
        text_header->clear();
        cube_memory->clear();
        enable_tabs({});
        return;
    }
    try {
        const formats::Format &chosen = formats::import_format(file, format->combobox->currentData().toString());
        enable_tabs(chosen.name());
        formats::ImportOptions chosen_options = options();
        formats::Description described = chosen.describe(file, chosen_options);
        if (take_remembered_wellhead(described.well)) {
            chosen_options = options();
            described = chosen.describe(file, chosen_options);
        }
        m_well = described.well;
        show_description(described, chosen_options.cube);
    } catch (const std::exception &error) {
        description->setText(error_text(error));
        text_header->clear();
        cube_memory->clear();
    }
}

void ImportDialog::apply()
{
    const formats::ImportOptions chosen = options();
    if (!m_well.isEmpty() && chosen.wellhead_x && chosen.wellhead_y) {
        QStringList numbers{number_text(*chosen.wellhead_x), number_text(*chosen.wellhead_y)};
        if (chosen.datum)
            numbers << number_text(*chosen.datum);
        CONF.set(kWellheads, wellhead_option(m_well), numbers.join(QLatin1Char(' ')));
    }
    Q_EMIT sig_start(input->lineedit->edit->text(), format->combobox->currentData().toString(), chosen);
}

ExportDialog::ExportDialog(QWidget *parent)
    : EasyDialog(texts_of<ExportDialog>(), parent)
{
    auto *objects_label = new QLabel(_("Objects"), this);
    layout->addWidget(objects_label);
    objects = new QListWidget(this);
    objects->setSelectionMode(QAbstractItemView::ExtendedSelection);
    objects_label->setBuddy(objects);
    layout->addWidget(objects);
    all_objects = new QCheckBox(_("All objects"), this);
    layout->addWidget(all_objects);
    output = create_browsefile(_("File"), {}, _("For one object"), file_filters(), true);
    layout->addWidget(output);
    folder = create_browsedir(_("Folder"), {}, _("For several objects: each goes into a file named after it"));
    layout->addWidget(folder);
    std::vector<ComboChoice> choices{{_("From the file name"), QString()}};
    for (const formats::Format *known : formats::formats())
        choices.push_back({known->title(), known->name()});
    format = create_combobox(_("Format"), choices);
    layout->addWidget(format);
    null_value = create_lineedit(_("Null value"), {}, _("Written for missing values; empty: the format's usual one"));
    layout->addWidget(null_value);
    layout->addWidget(create_action());

    connect(objects, &QListWidget::itemSelectionChanged, this, [this] { follow_choice(); });
    connect(all_objects, &QCheckBox::toggled, this, [this](bool all) {
        objects->setEnabled(!all);
        follow_choice();
    });
    follow_choice();
}

void ExportDialog::set_objects(const QStringList &names, const QString &picked)
{
    QStringList kept;
    for (const QListWidgetItem *item : objects->selectedItems())
        kept << item->text();
    if (kept.isEmpty() && !picked.isEmpty())
        kept << picked;
    const QSignalBlocker blocker(objects);
    objects->clear();
    objects->addItems(names);
    for (int row = 0; row < objects->count(); ++row) {
        QListWidgetItem *item = objects->item(row);
        item->setSelected(kept.contains(item->text()));
        if (item->isSelected())
            objects->scrollToItem(item);
    }
    follow_choice();
}

QStringList ExportDialog::chosen() const
{
    QStringList names;
    for (int row = 0; row < objects->count(); ++row) {
        const QListWidgetItem *item = objects->item(row);
        if (all_objects->isChecked() || item->isSelected())
            names << item->text();
    }
    return names;
}

void ExportDialog::follow_choice()
{
    const bool several = all_objects->isChecked() || objects->selectedItems().size() > 1;
    output->setEnabled(!several);
    folder->setEnabled(several);
    format->combobox->setItemText(0, several ? _("The first that can hold each object") : _("From the file name"));
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
    const QStringList names = chosen();
    if (names.isEmpty())
        throw ValueError(_("Choose the objects to export."));
    const bool into_folder = all_objects->isChecked() || names.size() > 1;
    const QString path = (into_folder ? folder : output)->lineedit->edit->text();
    if (into_folder && path.isEmpty())
        throw ValueError(_("Choose the folder to write the objects into."));
    Q_EMIT sig_start(names, path, into_folder, format->combobox->currentData().toString(), options);
}

} // namespace kelvra::app
