#include "app/dialog_asker.h"
#include "app/services.h"
#include "app/talk_window.h"
#include "lists/list_panel.h"
#include "platform/desktop_url_launcher.h"
#include "platform/event_loop_pause.h"
#include "platform/first_paint.h"
#include "platform/fonts.h"
#include "platform/pulse_voice_player.h"
#include "platform/qsettings_store.h"
#include "platform/qt_beeper.h"
#include "platform/qt_clipboard.h"
#include "platform/single_instance.h"
#include "platform/start_up_memory.h"
#include "platform/system_clock.h"
#include "platform/twip_layout.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    FontConfigWarmUp fontConfig;
    QApplication app(argc, argv);
    allocateFromOneHeap();
    SingleInstance instance;
    if (!instance.acquire())
        return 0;

    QSettingsStore store;
    PulseVoicePlayer voice;
    EventLoopPause pause;
    QtBeeper beeper;
    QtClipboard clipboard;
    DesktopUrlLauncher launcher;
    SystemClock clock;
    DialogAsker asker;
    Services services{store, voice, pause, beeper, clipboard, launcher, clock, asker};

    TalkWindow window(services, QCoreApplication::applicationDirPath());
    QObject::connect(&window.layout(), &TwipLayout::scaleChanged,
                     [&asker](double scale) { asker.setScale(scale); });
    // A long phrase book is read beside the window; what it leaves behind is
    // given back once it is in use.
    QObject::connect(&window.listPanel(), &ListPanel::phraseBookRead, &releaseStartUpMemory);
    // The sound server connection and the recordings wait until the window
    // has shown itself.
    new FirstPaint(&window, [&voice] {
        voice.start();
        releaseStartUpMemory();
    });
    window.show();
    return app.exec();
}
