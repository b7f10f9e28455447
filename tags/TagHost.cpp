#include "TagHost.h"

TagHost::~TagHost() = default;
