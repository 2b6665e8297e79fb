#include "widgets/kvdialog.h"

int main()
{
    return kelvra::kvdialog::main();
}
