#include "widgets/dialogs/dialogsmain.h"

#include "host/errorhandler.h"
#include "host/translation.h"
#include "widgets/dialogs/removeobjectdialog.h"

#include <QApplication>

namespace kelvra::dialogs {

int main()
{
    int argc = 1;
    char program[] = "dialogs";
    char *argv[] = {program, nullptr};
    QApplication app(argc, argv);
    load_translations();
    set_error_handler(message_box_error_handler());
    RemoveObjectDialog dialog;
    dialog.show();
    return app.exec();
}

} // namespace kelvra::dialogs
