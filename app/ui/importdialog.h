#pragma once

// The import and export dialogs: a file of another tool's format in,
// objects out. Both are driven by the list of formats; format-specific
// choices sit on tab pages of `tabs`, one per kind of file (Columns, Well,
// Seismic); the pages that do not concern the recognised format are
// disabled.

#include "app/formats/format.h"

#include "widgets/kvdialog/easydialog.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QTabWidget;

namespace kelvra::app {

class ImportDialog : public EasyDialog
{
    Q_OBJECT
public:
    static constexpr const char *NAME = QT_TRID_NOOP("Import");
    static constexpr const char *HELP_BODY = QT_TRID_NOOP(
        "Choose a file of another program: ZMAP+ and IRAP grids become Gsurfaces, GOCAD TSurf files Tsurfaces, "
        "columns of numbers (XYZ, CSV) Points or Lines, LAS files wells, SEG-Y files a Survey and, when asked, "
        "a Cube. The format is recognised from the file's content; what was recognised is shown before "
        "anything is imported. Leave the name empty to take it from the file. Null values: numbers, separated "
        "by spaces, that mean no value besides the file's own.<br><br>Well: the wellhead X and Y and the datum "
        "(elevation of MD 0) are used where the LAS file has none, and are remembered for the well; a well "
        "path file (a deviation survey or a table of positions) and a tops file are read with the well."
        "<br><br>Seismic: the lines of the cube to read by their numbers, the samples by their time in ms, "
        "every step-th one; the bytes of the trace headers that hold the line numbers. The memory the cube "
        "takes is shown before it is read.");

    explicit ImportDialog(QWidget *parent = nullptr);

    // Emits sig_start with the file, the chosen format's name (empty:
    // recognise it) and the options; throws ValueError for a field that
    // holds no sound value. A wellhead typed for a well is remembered for
    // it.
    void apply() override;
    // Shows what the file holds with the choices made (or why it cannot be
    // read), enables the tab of its format, and fills the wellhead that was
    // typed before for the well the file names.
    void load_lines() override;
    // The options as the fields say; throws ValueError.
    formats::ImportOptions options() const;

    ChooserField *input = nullptr;
    ComboBoxField *format = nullptr;
    LineEditField *name = nullptr;
    LineEditField *nulls = nullptr;
    QTabWidget *tabs = nullptr;
    // Columns: of XYZ and CSV files, from 1; empty: from the header or 1, 2, 3.
    QWidget *columns_tab = nullptr;
    LineEditField *x_column = nullptr;
    LineEditField *y_column = nullptr;
    LineEditField *z_column = nullptr;
    ComboBoxField *geometry = nullptr;
    // Well: of LAS files.
    QWidget *well_tab = nullptr;
    LineEditField *wellhead_x = nullptr;
    LineEditField *wellhead_y = nullptr;
    LineEditField *datum = nullptr;
    ChooserField *path_file = nullptr;
    ChooserField *tops_file = nullptr;
    // Seismic: of SEG-Y files.
    QWidget *seismic_tab = nullptr;
    QCheckBox *cube = nullptr;
    CubeFrame *ranges = nullptr;
    LineEditField *inline_byte = nullptr;
    LineEditField *crossline_byte = nullptr;
    QLabel *cube_memory = nullptr;
    QPlainTextEdit *text_header = nullptr;

    QLabel *description = nullptr;

Q_SIGNALS:
    void sig_start(const QString &file, const QString &format, const kelvra::app::formats::ImportOptions &options);

private:
    void enable_tabs(const QString &format_name);
    void show_description(const formats::Description &description, bool cube_asked);
    // Fills the wellhead fields with the one remembered for the well, when
    // the file names another well than before; returns whether the fields
    // changed.
    bool take_remembered_wellhead(const QString &well);

    QString m_well;        // the well of the file described, for remembering its wellhead
    QString m_shown_well;  // the well whose file was described last
    QString m_filled_for;  // the well whose remembered wellhead the fields hold, untouched
};

class ExportDialog : public EasyDialog
{
    Q_OBJECT
public:
    static constexpr const char *NAME = QT_TRID_NOOP("Export");
    static constexpr const char *HELP_BODY = QT_TRID_NOOP(
        "Writes objects into files of other programs. Gsurfaces go to ZMAP+ (unrotated grids) and IRAP grids, "
        "Tsurfaces to GOCAD TSurf, wells to LAS, cubes to SEG-Y, every object to XYZ or CSV columns with its "
        "properties. One object goes into the file named; several objects, or all, each into a file of its "
        "own in the folder named, the object's name with the format's extension. The format follows from the "
        "file's name (for a folder: the first that can hold each object) unless one is chosen. The null value "
        "is written for missing values.");

    explicit ExportDialog(QWidget *parent = nullptr);

    // The objects to choose from, in order; those chosen before stay
    // chosen, and picked is chosen when nothing else is.
    void set_objects(const QStringList &names, const QString &picked = {});
    // The objects chosen: every one with all_objects checked.
    QStringList chosen() const;

    // Emits sig_start: one object into the file of `output`, several into
    // the folder of `folder`. Throws ValueError when no object is chosen,
    // no folder named for several, or the null value is not a number.
    void apply() override;

    QListWidget *objects = nullptr;
    QCheckBox *all_objects = nullptr;
    ChooserField *output = nullptr;
    ChooserField *folder = nullptr;
    ComboBoxField *format = nullptr;
    LineEditField *null_value = nullptr;

Q_SIGNALS:
    // path: the file (into_folder false) or the folder.
    void sig_start(const QStringList &objects, const QString &path, bool into_folder, const QString &format,
                   const kelvra::app::formats::ExportOptions &options);

private:
    // Enables the file field for one object, the folder field for several.
    void follow_choice();
};

} // namespace kelvra::app
