#include "access/accessibility.h"
#include "app/dialog_asker.h"
#include "app/services.h"
#include "app/talk_window.h"
#include "lists/list_panel.h"
#include "platform/data_location.h"
#include "platform/desktop_url_launcher.h"
#include "platform/event_loop_pause.h"
#include "platform/first_paint.h"
#include "platform/fonts.h"
#include "platform/pulse_audio_input.h"
#include "platform/pulse_voice_player.h"
#include "platform/qsettings_store.h"
#include "platform/qt_beeper.h"
#include "platform/qt_clipboard.h"
#include "platform/qt_one_shot_timer.h"
#include "platform/single_instance.h"
#include "platform/start_up_memory.h"
#include "platform/system_clock.h"
#include "platform/twip_layout.h"
#include "voice/open_jtalk_synthesizer.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include <cstdio>

int main(int argc, char* argv[]) {
    allocateFromOneHeap();
    FontConfigWarmUp fontConfig;
    QApplication app(argc, argv);
    access::installAccessibility();
    const DataLocation location = DataLocation::ofThisProgram();
    // The lock lies in the data folder, which the first start of an installed
    // program makes.
    QDir().mkpath(location.dataDir);
    SingleInstance instance(location.dataDir);
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
    PulseVoicePlayer voice;
    EventLoopPause pause;
    QtBeeper beeper;
    QtClipboard clipboard;
    DesktopUrlLauncher launcher;
    SystemClock clock;
    DialogAsker asker;
    PulseAudioInput microphone;
    OpenJTalkSynthesizer::Setup speech;
    speech.cacheFolder =
        QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/voice");
    OpenJTalkSynthesizer synthesizer(speech);
    QtOneShotTimer speechTimer;
    Services services{store, voice, pause,      beeper,      clipboard,  launcher,
                      clock, asker, microphone, synthesizer, speechTimer};

    TalkWindow window(services, location);
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
