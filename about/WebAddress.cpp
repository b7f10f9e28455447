// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "WebAddress.h"

std::optional<QUrl> webAddressToOpen(const QString &text)
{
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty())
        return std::nullopt;
    if (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))
        return std::nullopt;
    return url;
}
