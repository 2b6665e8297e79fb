#include "widgets/dialogs/dialogsmain.h"

int main()
{
    return kelvra::dialogs::main();
}
