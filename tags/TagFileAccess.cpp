#include "TagFileAccess.h"

TagOpenFile::~TagOpenFile() = default;
TagFileAccess::~TagFileAccess() = default;
