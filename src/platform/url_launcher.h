#pragma once

#include <QUrl>

// Hands a URL to the desktop (for a mailto: URL, the user's mail program).
class UrlLauncher {
public:
    virtual ~UrlLauncher() = default;
    virtual void open(const QUrl& url) = 0;
};
