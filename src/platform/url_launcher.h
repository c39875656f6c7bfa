#pragma once

#include <QUrl>

// Hands a URL to the desktop (for a mailto: URL, the user's mail program).
class UrlLauncher {
public:
    virtual ~UrlLauncher() = default;
    // False when the URL could not be handed over (no handler, or a URL
    // longer than the system passes to a program).
    virtual bool open(const QUrl& url) = 0;
};
