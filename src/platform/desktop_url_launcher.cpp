#include "platform/desktop_url_launcher.h"

#include <QDesktopServices>

bool DesktopUrlLauncher::open(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}
