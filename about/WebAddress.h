// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QString>
#include <QUrl>
#include <optional>

// The address a double-click on the About window's web address may open. The
// text can come from the network, so only an http or https address with a host
// is handed to the desktop; anything else (file:, javascript:, a bare name) is not.
std::optional<QUrl> webAddressToOpen(const QString &text);
