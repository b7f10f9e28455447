#include "RenameHost.h"

RenameHost::~RenameHost() = default;
