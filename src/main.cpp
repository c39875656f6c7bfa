#include "app/dialog_asker.h"
#include "app/services.h"
#include "app/talk_window.h"
#include "platform/desktop_url_launcher.h"
#include "platform/event_loop_pause.h"
#include "platform/qsettings_store.h"
#include "platform/qt_beeper.h"
#include "platform/qt_clipboard.h"
#include "platform/qt_voice_player.h"
#include "platform/single_instance.h"
#include "platform/system_clock.h"
#include "platform/twip_layout.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The data files lie beside the executable.
    const QString dataFolder = QCoreApplication::applicationDirPath();
    SingleInstance instance(dataFolder);
    switch (instance.acquire()) {
    case SingleInstance::Outcome::HeldByAnother:
        return 0;
    case SingleInstance::Outcome::Unavailable:
        // The program is the user's voice: a lock that cannot be made must not
        // keep it from starting.
        std::fprintf(stderr, "talk: %s; starting without the single-instance lock\n",
                     qPrintable(instance.error()));
        break;
    case SingleInstance::Outcome::Acquired:
        break;
    }

    QSettingsStore store;
    QtVoicePlayer voice;
    EventLoopPause pause;
    QtBeeper beeper;
    QtClipboard clipboard;
    DesktopUrlLauncher launcher;
    SystemClock clock;
    DialogAsker asker;
    Services services{store, voice, pause, beeper, clipboard, launcher, clock, asker};

    TalkWindow window(services, dataFolder);
    QObject::connect(&window.layout(), &TwipLayout::scaleChanged,
                     [&asker](double scale) { asker.setScale(scale); });
    window.show();
    return app.exec();
}
