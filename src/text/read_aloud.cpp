#include "text/read_aloud.h"

#include "platform/beeper.h"
#include "platform/pause.h"
#include "platform/twip_layout.h"
#include "text/read_stop_panel.h"
#include "text/sentence_speaker.h"
#include "text/text_panel.h"
#include "text/text_panel_size.h"
#include "text/voice_output.h"
#include "window/shared_state.h"
#include "window/talk_controls.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>

ReadAloud::ReadAloud(const TalkParts& parts, VoiceOutput& voice, SentenceSpeaker& sentences,
                     Pause& pause, Beeper& beeper)
    : m_p(parts)
    , m_voice(voice)
    , m_sentences(sentences)
    , m_pause(pause)
    , m_beeper(beeper) {
    connect(m_p.c.cmdRead, &QPushButton::clicked, this, &ReadAloud::cmdRead_Click);
    connect(m_p.c.txtTalk, &QPlainTextEdit::textChanged, this,
            [this] { m_sentences.prepare(spokenText()); });
}

void ReadAloud::cmdRead_Click() {
    if (m_p.state.settings.beep == 1)
        m_beeper.beep();
    // A phrase still sounding gives way to the reading.
    m_sentences.stop();
    m_p.size.widen();
    showStopPanel();
    m_p.state.stopRead = false;
    m_p.c.cmdRead->setEnabled(false);
    m_p.c.cmdRead->setText(QStringLiteral("♪"));
    // The read-aloud is one span of speech, however it ends.
    m_reading.emplace(m_voice.activity());
    if (m_sentences.sentenceMode()) {
        readSentences();
        return;
    }
    readCharacters();
    finish();
}

// The stop panel stands along the bottom of the main window, below the
// widened text panel, so the block stays in sight.
void ReadAloud::showStopPanel() {
    QWidget* window = m_p.c.txtTalk->window();
    m_stopPanel = new ReadStopPanel(m_p.layout.scale(), window);
    connect(m_stopPanel, &ReadStopPanel::stopClicked, this, [this] {
        m_p.state.stopRead = true;
        m_sentences.stop();
    });
    const QRect area = window->geometry();
    m_stopPanel->move(area.left(), area.bottom() + 1 - m_stopPanel->height());
    m_stopPanel->show();
}

void ReadAloud::readCharacters() {
    const int count = m_p.panel.length();
    for (int i = 1; i <= count; ++i) {
        const QString text = m_p.panel.text();
        // The text may have been shortened meanwhile: nothing is left to read.
        if (text.size() < i)
            break;
        m_voice.speak(text.mid(i - 1, 1));
        m_pause.wait(VoiceOutput::kCharacterMilliseconds);
        if (m_p.state.stopRead)
            break;
        m_p.panel.focus();
        m_p.panel.select(i, 1);
    }
}

// The whole text but its end marker, spoken without waiting: the block
// follows the sound, and reading finishes when the speaker is done.
void ReadAloud::readSentences() {
    m_sentences.speak(
        spokenText(),
        [this](int position) {
            if (position < m_p.panel.length()) {
                m_p.panel.focus();
                m_p.panel.select(position, 1);
            }
        },
        [this] { finish(); });
}

// The text without its end marker.
QString ReadAloud::spokenText() const {
    QString text = m_p.panel.text();
    if (text.endsWith(QLatin1Char('_')))
        text.chop(1);
    return text;
}

void ReadAloud::finish() {
    if (m_stopPanel)
        m_stopPanel->closeFromProgram();
    m_p.panel.appendEndMarker();
    m_p.panel.select(m_p.panel.length() - 1, 1);
    // An opened diary, address or mail entry keeps the wide panel.
    if (!m_p.c.fraDay->isVisibleTo(m_p.c.fraDay->window()))
        m_p.size.narrow();
    m_p.c.cmdRead->setText(QStringLiteral("読む"));
    m_p.c.cmdRead->setEnabled(true);
    m_reading.reset();
}
