#include "app/formats/lasfile.h"

#include "app/formats/format.h"
#include "app/formats/textlines.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <memory>

namespace kelvra::app::formats {
namespace {

enum class Section { None, Version, Well, Curves, Parameters, Other, Data, Ignored };

// What a "~" line opens. LAS 3.0 names sections in words
// (~Log_Definition, ~Log_Data | Log_Definition, ~Core_Data ...); older
// versions go by the first letter.
Section section_of(std::string_view line)
{
    const QString name = decode_text(line.substr(1)).section(QLatin1Char('|'), 0, 0).trimmed().toUpper();
    const QString word = name.section(QLatin1Char(' '), 0, 0);
    if (word.endsWith(QLatin1String("_DATA")))
        return Section::Data;
    if (word.endsWith(QLatin1String("_DEFINITION")))
        return word == QLatin1String("LOG_DEFINITION") ? Section::Curves : Section::Ignored;
    if (word.endsWith(QLatin1String("_PARAMETER")))
        return word == QLatin1String("LOG_PARAMETER") ? Section::Parameters : Section::Ignored;
    switch (word.isEmpty() ? 0 : word.at(0).unicode()) {
    case 'V': return Section::Version;
    case 'W': return Section::Well;
    case 'C': return Section::Curves;
    case 'P': return Section::Parameters;
    case 'O': return Section::Other;
    case 'A': return Section::Data;
    default: return Section::Ignored;
    }
}

bool is_comment_or_blank(std::string_view line)
{
    for (const char c : line) {
        if (c == ' ' || c == '\t')
            continue;
        return c == '#';
    }
    return true;
}

// "MNEM.UNIT  VALUE : DESCRIPTION": the mnemonic runs to the first dot, the
// unit from there to the first blank, the value to the last colon.
std::optional<LasItem> parse_item(std::string_view bytes)
{
    const QString line = decode_text(bytes);
    const int dot = line.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return std::nullopt;
    LasItem item;
    item.mnemonic = line.left(dot).trimmed();
    int unit_end = dot + 1;
    while (unit_end < line.size() && !line.at(unit_end).isSpace())
        ++unit_end;
    QString rest = line.mid(unit_end);
    item.unit = line.mid(dot + 1, unit_end - dot - 1);
    const int colon = rest.lastIndexOf(QLatin1Char(':'));
    if (colon >= 0) {
        item.description = rest.mid(colon + 1).trimmed();
        rest.truncate(colon);
    } else if (item.unit.contains(QLatin1Char(':'))) {
        // "STRT.M:" with nothing between the unit and the colon.
        const int at = item.unit.indexOf(QLatin1Char(':'));
        item.description = item.unit.mid(at + 1).trimmed();
        item.unit.truncate(at);
    }
    item.value = rest.trimmed();
    return item;
}

// The words LAS 1.2 files put in the data field of a ~Well line, naming
// the item, when the value itself stands in the description field.
bool is_item_label(const LasItem &item, const QString &text)
{
    static const QStringList labels{
        QStringLiteral("WELL"),           QStringLiteral("WELL NAME"),     QStringLiteral("COMPANY"),
        QStringLiteral("FIELD"),          QStringLiteral("LOCATION"),      QStringLiteral("PROVINCE"),
        QStringLiteral("STATE"),          QStringLiteral("COUNTY"),        QStringLiteral("COUNTRY"),
        QStringLiteral("SERVICE COMPANY"), QStringLiteral("DATE"),          QStringLiteral("LOG DATE"),
        QStringLiteral("UNIQUE WELL ID"), QStringLiteral("API NUMBER"),    QStringLiteral("LICENSE NUMBER")};
    const QString upper = text.trimmed().toUpper();
    return upper == item.mnemonic.toUpper() || labels.contains(upper);
}

// LAS 1.2 keeps a ~Well item's value in the description field ("WELL.
// WELL : ANY ET AL"). The value is taken from there unless the description
// is empty or only names the item ("WELL. ANY ET AL :WELL"); a data field
// that only names the item is no value.
void move_las12_value(LasItem &item)
{
    static const QStringList kept{QStringLiteral("STRT"), QStringLiteral("STOP"), QStringLiteral("STEP"),
                                  QStringLiteral("NULL")};
    if (kept.contains(item.mnemonic.toUpper()))
        return;
    if (!item.description.isEmpty() && !is_item_label(item, item.description)) {
        std::swap(item.value, item.description);
    } else if (is_item_label(item, item.value)) {
        item.value.clear();
    }
}

// The numbers of the data section, a column per curve.
class DataReader
{
public:
    DataReader(const QString &file, const LasFile &las, const std::vector<double> &null_values,
               std::int64_t bytes_left)
        : m_file(file)
        , m_curves(las.curves.size())
        , m_wrapped(las.wrapped)
        , m_columns(m_curves)
        , m_bytes_left(bytes_left)
    {
        if (las.null_value)
            m_nulls.push_back(*las.null_value);
        m_nulls.insert(m_nulls.end(), null_values.begin(), null_values.end());
    }

    void line(std::string_view text, std::int64_t number)
    {
        if (m_last_line == 0) {
            // Room for as many rows as lines like the first one fill the
            // rest of the file; never more than it can hold, as every value
            // takes at least two bytes of text.
            const std::int64_t most = m_bytes_left / std::int64_t(2 * m_curves) + 1;
            const std::int64_t guess = m_bytes_left / std::int64_t(text.size() + 1) * 11 / 10 + 16;
            for (auto &column : m_columns)
                column.reserve(std::size_t(std::min(most, guess)));
        }
        const char *p = text.data();
        const char *end = p + text.size();
        std::size_t on_line = 0;
        for (;;) {
            while (p < end && (*p == ' ' || *p == '\t' || *p == ','))
                ++p;
            if (p == end)
                break;
            if (*p == '+')
                ++p;
            double value = 0;
            const auto [stop, error] = std::from_chars(p, end, value);
            if (error != std::errc() || (stop < end && *stop != ' ' && *stop != '\t' && *stop != ',')) {
                const char *word_end = p;
                while (word_end < end && *word_end != ' ' && *word_end != '\t' && *word_end != ',')
                    ++word_end;
                throw FormatError(m_file, FormatError::Place::Line, number,
                                  _("'%1' is not a number")
                                      .arg(decode_text(std::string_view(p, std::size_t(word_end - p)))));
            }
            p = stop;
            for (const double null : m_nulls) {
                if (value == null)
                    value = std::numeric_limits<double>::quiet_NaN();
            }
            if (m_next == 0 && std::isnan(value))
                throw FormatError(m_file, FormatError::Place::Line, number,
                                  _("the depth of a sample is missing (a null value)"));
            if (!m_wrapped && on_line == m_curves)
                throw FormatError(m_file, FormatError::Place::Line, number,
                                  _("more values than the %1 curves of the curve section").arg(m_curves));
            m_columns[m_next].push_back(value);
            m_next = (m_next + 1) % m_curves;
            ++on_line;
        }
        m_last_line = number;
        if (!m_wrapped && on_line > 0 && on_line != m_curves)
            throw FormatError(m_file, FormatError::Place::Line, number,
                              _("%1 values where the curve section names %2 curves")
                                  .arg(on_line)
                                  .arg(m_curves));
    }

    std::vector<NdArray> finish()
    {
        if (m_next != 0)
            throw FormatError(m_file, FormatError::Place::Line, m_last_line,
                              _("the data end in the middle of a depth step: %1 of %2 values")
                                  .arg(m_next)
                                  .arg(m_curves));
        if (m_columns.front().empty())
            throw FormatError(m_file, _("the data section holds no values"));
        std::vector<NdArray> arrays;
        for (auto &column : m_columns) {
            // The array takes the column's memory as it is.
            auto owner = std::make_shared<std::vector<double>>(std::move(column));
            if (owner->capacity() > owner->size() + owner->size() / 4)
                owner->shrink_to_fit();
            const auto rows = std::int64_t(owner->size());
            std::shared_ptr<std::byte> storage(owner, reinterpret_cast<std::byte *>(owner->data()));
            arrays.emplace_back(DType::Float64, std::vector<std::int64_t>{rows}, std::move(storage));
        }
        return arrays;
    }

private:
    const QString &m_file;
    std::size_t m_curves;
    bool m_wrapped;
    std::vector<std::vector<double>> m_columns;
    std::vector<double> m_nulls;
    std::int64_t m_bytes_left;
    std::size_t m_next = 0; // curve of the next value
    std::int64_t m_last_line = 0;
};

void write_number(QByteArray &out, double value)
{
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    out.append(text, int(result.ptr - text));
}

void write_item(QByteArray &out, const QString &mnemonic, const QString &unit, const QString &value,
                const QString &description)
{
    QString line = QStringLiteral(" %1.%2").arg(mnemonic, unit);
    line = line.leftJustified(16) + QLatin1Char(' ') + value;
    line = line.leftJustified(40) + QStringLiteral(" : ") + description + QLatin1Char('\n');
    out += line.toUtf8();
}

} // namespace

LasFile read_las(QIODevice &device, const QString &file, const std::vector<double> &null_values, Progress *progress)
{
    LineReader lines(device, progress);
    LasFile las;
    Section section = Section::None;
    bool seen_version = false;
    std::unique_ptr<DataReader> data;
    while (const auto line = lines.next()) {
        const std::int64_t number = lines.line_number();
        const std::string_view text = *line;
        const std::size_t first = text.find_first_not_of(" \t");
        if (first != std::string_view::npos && text[first] == '~') {
            const Section next = section_of(text.substr(first));
            if (!seen_version && next != Section::Version)
                throw FormatError(file, FormatError::Place::Line, number,
                                  _("a LAS file starts with the ~Version section"));
            // Curves, version and well facts found after the data began
            // would no longer match the columns being read.
            if (data && (next == Section::Curves || next == Section::Version || next == Section::Well))
                throw FormatError(file, FormatError::Place::Line, number,
                                  _("a section that describes the data follows the data section"));
            if (next == Section::Version)
                seen_version = true;
            if (next == Section::Data) {
                if (data)
                    throw FormatError(file, FormatError::Place::Line, number,
                                      _("a second data section: Kelvra reads LAS files of one"));
                if (las.curves.empty())
                    throw FormatError(file, FormatError::Place::Line, number,
                                      _("the data section comes before any curve is named"));
                data = std::make_unique<DataReader>(file, las, null_values, device.size() - device.pos());
            }
            section = next;
            continue;
        }
        if (is_comment_or_blank(text))
            continue;
        if (section == Section::None)
            throw FormatError(file, FormatError::Place::Line, number,
                              _("a LAS file starts with the ~Version section"));
        if (section == Section::Data) {
            data->line(text, number);
            continue;
        }
        if (section == Section::Other || section == Section::Ignored)
            continue;
        auto item = parse_item(text);
        if (!item) {
            if (section == Section::Curves)
                throw FormatError(file, FormatError::Place::Line, number,
                                  _("a curve line needs a mnemonic and a dot before its unit"));
            continue;
        }
        const QString mnemonic = item->mnemonic.toUpper();
        switch (section) {
        case Section::Version:
            if (mnemonic == QLatin1String("VERS")) {
                const auto version = parse_number(item->value);
                if (!version)
                    throw FormatError(file, FormatError::Place::Line, number,
                                      _("the version '%1' is not a number").arg(item->value));
                las.version = *version;
            } else if (mnemonic == QLatin1String("WRAP")) {
                las.wrapped = item->value.trimmed().toUpper() == QLatin1String("YES");
            }
            break;
        case Section::Well:
            if (las.version < 2.0)
                move_las12_value(*item);
            if (mnemonic == QLatin1String("NULL") && !item->value.isEmpty()) {
                las.null_value = parse_number(item->value);
                if (!las.null_value)
                    throw FormatError(file, FormatError::Place::Line, number,
                                      _("the NULL value '%1' is not a number").arg(item->value));
            }
            las.well.push_back(*item);
            break;
        case Section::Parameters:
            las.parameters.push_back(*item);
            break;
        case Section::Curves:
            if (item->mnemonic.isEmpty())
                throw FormatError(file, FormatError::Place::Line, number, _("a curve without a mnemonic"));
            las.curves.push_back(LasCurve{item->mnemonic, item->unit, item->description});
            break;
        default:
            break;
        }
    }
    if (!seen_version)
        throw FormatError(file, _("not a LAS file: there is no ~Version section"));
    if (las.curves.empty())
        throw FormatError(file, _("the file names no curves (~Curve section)"));
    if (!data)
        throw FormatError(file, _("the file has no data section (~A)"));
    las.columns = data->finish();
    return las;
}

const LasItem *LasFile::item(const QString &mnemonic) const
{
    for (const auto *items : {&well, &parameters}) {
        for (const LasItem &item : *items) {
            if (item.mnemonic.compare(mnemonic, Qt::CaseInsensitive) == 0)
                return &item;
        }
    }
    return nullptr;
}

void write_las(QIODevice &device, const LasFile &las, double null_value, Progress *progress)
{
    const std::int64_t rows = las.rows();
    QByteArray out;
    out += "~Version information\n";
    write_item(out, QStringLiteral("VERS"), QString(), QStringLiteral("2.0"), QStringLiteral("CWLS LOG ASCII STANDARD - VERSION 2.0"));
    write_item(out, QStringLiteral("WRAP"), QString(), QStringLiteral("NO"), QStringLiteral("One line per depth step"));
    out += "~Well information\n";
    const QString depth_unit = las.curves.empty() ? QString() : las.curves.front().unit;
    const double *depth = rows > 0 ? las.columns.front().data<double>() : nullptr;
    const auto number_text = [](double value) {
        QByteArray text;
        write_number(text, value);
        return QString::fromLatin1(text);
    };
    double step = 0;
    if (rows > 1) {
        step = depth[1] - depth[0];
        for (std::int64_t i = 2; i < rows && step != 0; ++i) {
            if (depth[i] - depth[i - 1] != step)
                step = 0; // irregular: STEP 0 says to use the depth column
        }
    }
    write_item(out, QStringLiteral("STRT"), depth_unit, rows ? number_text(depth[0]) : QString(), QStringLiteral("First depth"));
    write_item(out, QStringLiteral("STOP"), depth_unit, rows ? number_text(depth[rows - 1]) : QString(), QStringLiteral("Last depth"));
    write_item(out, QStringLiteral("STEP"), depth_unit, number_text(step), QStringLiteral("Step"));
    write_item(out, QStringLiteral("NULL"), QString(), number_text(null_value), QStringLiteral("Null value"));
    for (const LasItem &item : las.well)
        write_item(out, item.mnemonic, item.unit, item.value, item.description);
    out += "~Curve information\n";
    for (const LasCurve &curve : las.curves)
        write_item(out, curve.mnemonic, curve.unit, QString(), curve.description);
    out += "~A";
    for (const LasCurve &curve : las.curves)
        out += ' ' + curve.mnemonic.toUtf8();
    out += '\n';
    std::vector<const double *> columns;
    for (const NdArray &column : las.columns)
        columns.push_back(column.data<double>());
    for (std::int64_t row = 0; row < rows; ++row) {
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (c)
                out += ' ';
            const double value = columns[c][row];
            write_number(out, std::isnan(value) ? null_value : value);
        }
        out += '\n';
        if (out.size() > (1 << 20) || row + 1 == rows) {
            if (device.write(out) != out.size())
                throw ValueError(_("the file cannot be written: %1").arg(device.errorString()));
            if (progress)
                progress->advance(out.size());
            out.clear();
        }
    }
    if (!out.isEmpty() && device.write(out) != out.size())
        throw ValueError(_("the file cannot be written: %1").arg(device.errorString()));
}

} // namespace kelvra::app::formats
