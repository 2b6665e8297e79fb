#pragma once

// The import and export dialogs: a file of another tool's format in, an
// object out. Both are driven by the list of formats; format-specific
// choices sit on tab pages of `tabs`, one per kind of file, to which other
// formats add theirs.

#include "app/formats/format.h"

#include "widgets/kvdialog/easydialog.h"

class QLabel;
class QTabWidget;

namespace kelvra::app {

class ImportDialog : public EasyDialog
{
    Q_OBJECT
public:
    static constexpr const char *NAME = QT_TRID_NOOP("Import");
    static constexpr const char *HELP_BODY = QT_TRID_NOOP(
        "Choose a file of another program: ZMAP+ and IRAP grids become Gsurfaces, GOCAD TSurf files Tsurfaces, "
        "columns of numbers (XYZ, CSV) Points or Lines. The format is recognised from the file's content; what "
        "was recognised is shown before anything is imported. Leave the name empty to take it from the file. "
        "Null values: numbers, separated by spaces, that mean no value besides the file's own.");

    explicit ImportDialog(QWidget *parent = nullptr);

    // Emits sig_start with the file, the chosen format's name (empty:
    // recognise it) and the options; throws ValueError for a null value or
    // column number that is not one.
    void apply() override;
    // Shows what the file holds with the choices made (or why it cannot be read).
    void load_lines() override;
    // The options as the fields say; throws ValueError.
    formats::ImportOptions options() const;

    ChooserField *input = nullptr;
    ComboBoxField *format = nullptr;
    LineEditField *name = nullptr;
    LineEditField *nulls = nullptr;
    QTabWidget *tabs = nullptr;
    // Columns of XYZ and CSV files, from 1; empty: from the header or 1, 2, 3.
    LineEditField *x_column = nullptr;
    LineEditField *y_column = nullptr;
    LineEditField *z_column = nullptr;
    ComboBoxField *geometry = nullptr;
    QLabel *description = nullptr;

Q_SIGNALS:
    void sig_start(const QString &file, const QString &format, const kelvra::app::formats::ImportOptions &options);
};

class ExportDialog : public EasyDialog
{
    Q_OBJECT
public:
    static constexpr const char *NAME = QT_TRID_NOOP("Export");
    static constexpr const char *HELP_BODY = QT_TRID_NOOP(
        "Writes an object into a file of another program. Gsurfaces go to ZMAP+ (unrotated grids) and IRAP "
        "grids, Tsurfaces to GOCAD TSurf, every object to XYZ or CSV columns with its properties. The format "
        "follows from the file's name unless one is chosen. The null value is written for missing values.");

    explicit ExportDialog(QWidget *parent = nullptr);

    // Emits sig_start; throws ValueError for a null value that is not a number.
    void apply() override;

    ChooserField *grabob = nullptr;
    ChooserField *output = nullptr;
    ComboBoxField *format = nullptr;
    LineEditField *null_value = nullptr;

Q_SIGNALS:
    void sig_start(const QString &object, const QString &file, const QString &format,
                   const kelvra::app::formats::ExportOptions &options);
};

} // namespace kelvra::app
