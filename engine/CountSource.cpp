#include "CountSource.h"

CountSource::~CountSource() = default;
