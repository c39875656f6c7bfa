#include "platform/desktop_url_launcher.h"

#include <QDesktopServices>

void DesktopUrlLauncher::open(const QUrl& url) {
    QDesktopServices::openUrl(url);
}
