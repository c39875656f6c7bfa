#pragma once

#include "platform/url_launcher.h"

// Opens URLs with the desktop's handler (xdg-open on Linux).
class DesktopUrlLauncher final : public UrlLauncher {
public:
    bool open(const QUrl& url) override;
};
