// Start-up and dialog construction times of the reference host, offscreen.
//
//   startup [--repeat N]
//
// Prints the time from process start to the main window shown with the
// sample project, then, for every dialog class, the median time to build it
// beside the median time to build its floor: a plain QDialog holding the
// same widgets in the same layouts, made by copying the dialog's widget
// tree. The ratio is dialog time over floor time.

#include "benchoptions.h"

#include "app/ui/backgroundtask.h"
#include "app/ui/hostwindow.h"
#include "app/ui/objecttreewidget.h"

#include "widgets/dialogs.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QSplitter>
#include <QStackedWidget>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <time.h>
#include <unistd.h>

using namespace kelvra;

namespace {

// Seconds since this process started, from the kernel's start time.
double seconds_since_process_start()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    stat.open(QIODevice::ReadOnly);
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    const double started = fields.value(19).toDouble() / double(sysconf(_SC_CLK_TCK));
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return double(now.tv_sec) + now.tv_nsec / 1e9 - started;
}

QWidget *copy_widget(const QWidget *original);

// Rebuilds a layout with copies of its widgets and nested layouts.
QLayout *copy_layout(const QLayout *original)
{
    QLayout *copy = nullptr;
    if (auto *grid = qobject_cast<const QGridLayout *>(original)) {
        auto *new_grid = new QGridLayout;
        for (int i = 0; i < grid->count(); ++i) {
            int row, column, rows, columns;
            grid->getItemPosition(i, &row, &column, &rows, &columns);
            if (QWidget *widget = grid->itemAt(i)->widget())
                new_grid->addWidget(copy_widget(widget), row, column, rows, columns);
        }
        copy = new_grid;
    } else if (auto *box = qobject_cast<const QBoxLayout *>(original)) {
        auto *new_box = new QBoxLayout(box->direction());
        for (int i = 0; i < box->count(); ++i) {
            QLayoutItem *item = box->itemAt(i);
            if (QWidget *widget = item->widget())
                new_box->addWidget(copy_widget(widget));
            else if (QLayout *nested = item->layout())
                new_box->addLayout(copy_layout(nested));
            else if (item->spacerItem())
                new_box->addStretch(1);
        }
        copy = new_box;
    }
    if (copy)
        copy->setContentsMargins(original->contentsMargins());
    return copy;
}

// A widget of the same kind with the same text, and copies of its children.
QWidget *copy_widget(const QWidget *original)
{
    QWidget *copy = nullptr;
    if (auto *label = qobject_cast<const QLabel *>(original)) {
        copy = new QLabel(label->text());
    } else if (auto *edit = qobject_cast<const QLineEdit *>(original)) {
        copy = new QLineEdit(edit->text());
    } else if (auto *radio = qobject_cast<const QRadioButton *>(original)) {
        copy = new QRadioButton(radio->text());
    } else if (auto *check = qobject_cast<const QCheckBox *>(original)) {
        copy = new QCheckBox(check->text());
    } else if (auto *button = qobject_cast<const QPushButton *>(original)) {
        auto *new_button = new QPushButton(button->icon(), button->text());
        new_button->setToolTip(button->toolTip());
        copy = new_button;
    } else if (auto *combo = qobject_cast<const QComboBox *>(original)) {
        auto *new_combo = new QComboBox;
        new_combo->setSizeAdjustPolicy(combo->sizeAdjustPolicy());
        for (int i = 0; i < combo->count(); ++i)
            new_combo->addItem(combo->itemText(i));
        copy = new_combo;
    } else if (auto *text = qobject_cast<const QTextEdit *>(original)) {
        copy = new QTextEdit(text->toPlainText());
    } else if (auto *plain = qobject_cast<const QPlainTextEdit *>(original)) {
        copy = new QPlainTextEdit(plain->toPlainText());
    } else if (auto *box = qobject_cast<const QDialogButtonBox *>(original)) {
        copy = new QDialogButtonBox(box->standardButtons());
    } else if (auto *splitter = qobject_cast<const QSplitter *>(original)) {
        auto *new_splitter = new QSplitter(splitter->orientation());
        for (int i = 0; i < splitter->count(); ++i)
            new_splitter->addWidget(copy_widget(splitter->widget(i)));
        new_splitter->setSizes(splitter->sizes());
        copy = new_splitter;
    } else if (auto *list = qobject_cast<const QListWidget *>(original)) {
        auto *new_list = new QListWidget;
        new_list->setMovement(list->movement());
        new_list->setSpacing(list->spacing());
        copy = new_list;
    } else if (qobject_cast<const QStackedWidget *>(original)) {
        copy = new QStackedWidget;
    } else {
        copy = new QWidget;
        if (original->layout())
            copy->setLayout(copy_layout(original->layout()));
    }
    return copy;
}

QDialog *floor_of(const QDialog *dialog)
{
    auto *floor = new QDialog;
    floor->setWindowTitle(dialog->windowTitle());
    floor->setLayout(copy_layout(dialog->layout()));
    return floor;
}

double median_ms(int repeat, const std::function<void()> &build)
{
    std::vector<double> times;
    for (int i = 0; i < repeat; ++i) {
        QElapsedTimer clock;
        clock.start();
        build();
        times.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::nth_element(times.begin(), times.begin() + repeat / 2, times.end());
    return times[std::size_t(repeat / 2)];
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({"repeat", "Constructions of each dialog (at least 3).", "n", "200"});
    if (const std::optional<int> status = parse_bench_options(
            parser, "Measures offscreen the time from process start to the main window shown with the\n"
                    "sample project, then the median time to build every dialog beside its floor: a\n"
                    "plain QDialog holding the same widgets in the same layouts."))
        return *status;
    const int repeat = std::max(3, parser.value("repeat").toInt());

    app::HostWindow window;
    window.show();
    window.open_project(QDir(QCoreApplication::applicationDirPath())
                            .filePath(QStringLiteral("../share/kelvra/sample-project.db")))
        ->wait();
    QCoreApplication::processEvents();
    const double startup = seconds_since_process_start();
    std::printf("start-up to main window shown: %.3f s (target < 0.25 s)\n\n", startup);

    const struct
    {
        const char *name;
        std::function<QDialog *()> make;
    } dialogs[] = {
        {"RemoveObjectDialog", [&] { return new RemoveObjectDialog(window.objects); }},
        {"RenameObjectDialog", [&] { return new RenameObjectDialog(window.objects); }},
        {"CopyObjectDialog", [&] { return new CopyObjectDialog(window.objects); }},
        {"LoadObjectDialog", [&] { return new LoadObjectDialog(window.objects); }},
        {"SaveObjectDialog", [&] { return new SaveObjectDialog(window.objects); }},
        {"CreatePropertyDialog", [&] { return new CreatePropertyDialog(window.objects); }},
        {"CopyPropertyDialog", [&] { return new CopyPropertyDialog(window.objects); }},
        {"RenamePropertyDialog", [&] { return new RenamePropertyDialog(window.objects); }},
        {"RemovePropertyDialog", [&] { return new RemovePropertyDialog(window.objects); }},
        {"FlipDepthDialog", [&] { return new FlipDepthDialog(window.objects); }},
        {"TranslateDialog", [&] { return new TranslateDialog(window.objects); }},
        {"PropertyOperatorDialog", [&] { return new PropertyOperatorDialog(window.objects); }},
        {"AspectRatioDialog", [&] { return new AspectRatioDialog(&window); }},
        {"CanvasExportDialog", [&] { return new CanvasExportDialog(&window); }},
        {"ReportBugDialog", [&] { return new ReportBugDialog(&window); }},
        {"ConfigDialog", [&] { return new ConfigDialog(&window); }},
    };
    std::printf("%-24s %10s %10s %7s\n", "dialog", "built ms", "floor ms", "ratio");
    for (const auto &dialog : dialogs) {
        // Structured bindings cannot be captured in C++17.
        const std::function<QDialog *()> &make = dialog.make;
        const char *name = dialog.name;
        QDialog *sample = make();
        const double built = median_ms(repeat, [&make] { delete make(); });
        const double floor = median_ms(repeat, [sample] { delete floor_of(sample); });
        delete sample;
        std::printf("%-24s %10.3f %10.3f %7.2f\n", name, built, floor, built / floor);
    }
    std::printf("\n(target: ratio <= 1.25; medians of %d constructions each)\n", repeat);
    return 0;
}
