#include "widgets/dialogs/configpage.h"

namespace kelvra {

// Defined here so that the class's type information lives in this library.
ConfigPage::~ConfigPage() = default;

} // namespace kelvra
