// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <functional>

// Answers whether the machine is on a network at all. The exchanges take it as
// a parameter so tests can decide; the program passes hasNetwork.
using NetworkCheck = std::function<bool()>;

// True when some network interface that is up has an address other than a
// loopback one.
bool hasNetwork();
