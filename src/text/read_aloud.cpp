#include "text/read_aloud.h"

#include "app/shared_state.h"
#include "app/talk_controls.h"
#include "platform/beeper.h"
#include "platform/pause.h"
#include "platform/twip_layout.h"
#include "text/read_stop_panel.h"
#include "text/text_panel.h"
#include "text/text_panel_size.h"
#include "text/voice_output.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>

ReadAloud::ReadAloud(TextPanel& panel, TextPanelSize& size, TalkControls& controls,
                     SharedState& state, TwipLayout& layout, VoiceOutput& voice, Pause& pause,
                     Beeper& beeper, QObject* parent)
    : QObject(parent)
    , m_panel(panel)
    , m_size(size)
    , m_c(controls)
    , m_state(state)
    , m_layout(layout)
    , m_voice(voice)
    , m_pause(pause)
    , m_beeper(beeper) {
    connect(m_c.cmdRead, &QPushButton::clicked, this, &ReadAloud::cmdRead_Click);
}

void ReadAloud::cmdRead_Click() {
    if (m_state.settings.beep == 1)
        m_beeper.beep();
    m_size.widen();
    showStopPanel();
    m_state.stopRead = false;
    m_c.cmdRead->setEnabled(false);
    m_c.cmdRead->setText(QStringLiteral("♪"));
    readCharacters();
    finish();
}

// The stop panel stands along the bottom of the main window, below the
// widened text panel, so the block stays in sight.
void ReadAloud::showStopPanel() {
    QWidget* window = m_c.txtTalk->window();
    m_stopPanel = new ReadStopPanel(m_layout.scale(), window);
    connect(m_stopPanel, &ReadStopPanel::stopClicked, this, [this] { m_state.stopRead = true; });
    const QRect area = window->geometry();
    m_stopPanel->move(area.left(), area.bottom() + 1 - m_stopPanel->height());
    m_stopPanel->show();
}

void ReadAloud::readCharacters() {
    const int count = m_panel.length();
    for (int i = 1; i <= count; ++i) {
        const QString text = m_panel.text();
        // The text may have been shortened meanwhile: nothing is left to read.
        if (text.size() < i)
            break;
        m_voice.speak(text.mid(i - 1, 1));
        m_pause.wait(kCharacterMilliseconds);
        if (m_state.stopRead)
            break;
        m_panel.focus();
        m_panel.select(i, 1);
    }
}

void ReadAloud::finish() {
    if (m_stopPanel)
        m_stopPanel->closeFromProgram();
    m_panel.appendEndMarker();
    m_panel.select(m_panel.length() - 1, 1);
    // An opened diary, address or mail entry keeps the wide panel.
    if (!m_c.fraDay->isVisibleTo(m_c.fraDay->window())) {
        m_c.cmdWide->setText(QStringLiteral("広げる"));
        m_size.narrow();
    }
    m_c.cmdRead->setText(QStringLiteral("読む"));
    m_c.cmdRead->setEnabled(true);
}
