#include "widgets/pivotbar.h"

int main()
{
    return kelvra::pivotbar::main();
}
