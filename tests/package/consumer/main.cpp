// Builds a dialog from the installed headers and libraries and checks its title.
#include "utils/basedefs.h"
#include "widgets/kvdialog.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    kelvra::EasyDialog dialog;
    const bool titled = dialog.windowTitle() == QLatin1String("Template Dialog");
    const bool typed = kelvra::GEOMETRY_TYPES.front() == "Point";
    return titled && typed ? 0 : 1;
}
