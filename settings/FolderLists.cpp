#include "FolderLists.h"

// Out of line so the vtable has one home.
FolderLists::~FolderLists() = default;
