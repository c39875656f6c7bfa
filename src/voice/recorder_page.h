#pragma once

#include "board/board_layout.h"
#include "voice/recorder.h"
#include "window/options_page.h"

class AudioInput;
class Grid;
class QLabel;
class QProgressBar;
class QPushButton;
class TwipLayout;
class VoicePlayer;

// The extended options' page "録音": the user records their own voice for a
// board character (tapped on a board shown here, or one of the small and
// voiced forms that the selection panel offers beside it) or for a phrase of
// the phrase book. "録音" and "停止" make a take, "聞く" plays it (or, before a
// take, the recording there is), "保存" keeps it in place of the recording,
// "やめる" drops it, and "元に戻す" brings back the recording it replaced.
// Kept recordings are stored at once; the page has no options to store.
class RecorderPage final : public OptionsPage {
    Q_OBJECT
public:
    RecorderPage(AudioInput& input, VoicePlayer& player, const QString& folder,
                 const QStringList& phraseTexts, double scale = 1.0, QWidget* parent = nullptr);

    QString title() const override;
    void load(const SettingsStore& store) override;
    void save(SettingsStore& store) const override;

    QPushButton* cmdChars;
    QPushButton* cmdPhrases;
    QPushButton* cmdSet;
    Grid* grdChars;
    Grid* grdPhrases;
    QLabel* lblChosen;
    // The forms of the chosen character, left and right as on the selection
    // panel; hidden where it has none.
    QPushButton* cmdForm[2];
    QLabel* lblNote;
    QProgressBar* barLevel;
    QPushButton* cmdRec;
    QPushButton* cmdPlay;
    QPushButton* cmdKeep;
    QPushButton* cmdDiscard;
    QPushButton* cmdUndo;

private:
    void showChars(bool chars);
    void showSet(BoardSet set);
    void chooseCharacter(const QString& text);
    void choose(const QString& text, const QString& path);
    void cmdRec_Click();
    void cmdPlay_Click();
    void cmdKeep_Click();
    void cmdDiscard_Click();
    void cmdUndo_Click();
    void updateButtons();

    Recorder m_recorder;
    VoicePlayer& m_player;
    QString m_folder;
    TwipLayout* m_layout;
    BoardSet m_set = BoardSet::Hiragana;
    // The recording the page works on: its text and its file.
    QString m_chosen;
    QString m_path;
};
