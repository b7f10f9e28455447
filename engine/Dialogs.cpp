#include "Dialogs.h"

// Out of line so the vtable has one home.
Dialogs::~Dialogs() = default;
