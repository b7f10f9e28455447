#include "ChromeSettings.h"

// Out of line so the vtable has one home.
ChromeSettings::~ChromeSettings() = default;
