// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QList>
#include <QString>

// Names of the kind a music folder holds ("the_owls - blue sky 03.MP3"), the same
// every run.
QList<QString> benchNames(int count);
