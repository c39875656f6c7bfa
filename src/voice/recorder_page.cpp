#include "voice/recorder_page.h"

#include "board/variants.h"
#include "lists/phrase_file.h"
#include "platform/audio_input.h"
#include "platform/colors.h"
#include "platform/grid.h"
#include "platform/twip_layout.h"
#include "platform/voice_player.h"
#include "text/recording_names.h"
#include "voice/take_files.h"

#include <QButtonGroup>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <initializer_list>

namespace {
// The page's area of the extended-options dialog, below its tabs.
constexpr TwipRect kPageArea{0, 0, 9525, 8160};
constexpr int kLeft = 120;
constexpr int kWidth = 9285;
constexpr TwipRect kGridRect{kLeft, 780, kWidth, 3900};
constexpr int kButtonTop = 6560;
constexpr int kButtonWidth = 1761;
constexpr int kButtonHeight = 1100;
constexpr int kGap = 120;
constexpr int kPhraseRowTwips = 600;
constexpr int kScrollBarTwips = 338;
const FontStyle kButtonFont{FontFace::PGothic, 18, true};
const FontStyle kBoardFont{FontFace::Gothic, 20, true};
const FontStyle kNoteFont{FontFace::PGothic, 15.75, true};
} // namespace

RecorderPage::RecorderPage(AudioInput& input, VoicePlayer& player, const QString& folder,
                           const QStringList& phraseTexts, double scale, QWidget* parent)
    : OptionsPage(parent)
    , m_recorder(input, player)
    , m_player(player)
    , m_folder(folder)
    , m_layout(new TwipLayout(this, kPageArea)) {
    setObjectName(QStringLiteral("pageRecorder"));
    m_layout->setScale(scale);
    const auto button = [this](const char* caption, const char* name, const TwipRect& rect) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        m_layout->place(b, rect);
        m_layout->setFont(b, kButtonFont);
        return b;
    };
    cmdChars = button("文字", "cmdChars", {kLeft, 60, 1800, 600});
    cmdPhrases = button("例文", "cmdPhrases", {kLeft + 1920, 60, 1800, 600});
    cmdSet = button("ひら", "cmdSet", {kLeft + kWidth - 1800, 60, 1800, 600});
    for (QPushButton* b : {cmdChars, cmdPhrases})
        b->setCheckable(true);
    auto* source = new QButtonGroup(this);
    source->addButton(cmdChars);
    source->addButton(cmdPhrases);
    cmdChars->setChecked(true);

    grdChars = new Grid(this);
    grdChars->setObjectName(QStringLiteral("grdChars"));
    grdChars->setRowHeights(Grid::RowHeights::ShareHeight);
    grdChars->cells().setAlignment(Qt::AlignCenter);
    m_layout->place(grdChars, kGridRect);
    m_layout->setFont(grdChars, kBoardFont);
    showSet(m_set);

    grdPhrases = new Grid(this);
    grdPhrases->setObjectName(QStringLiteral("grdPhrases"));
    grdPhrases->setRowHeights(Grid::RowHeights::Fixed, kPhraseRowTwips);
    grdPhrases->setCols(1);
    std::vector<QStringList> rows;
    QStringList seen;
    for (const QString& phrase : phraseTexts)
        if (!phrase.isEmpty() && !isCommandRowText(phrase) && !seen.contains(phrase)) {
            seen.append(phrase);
            rows.push_back({phrase});
        }
    grdPhrases->cells().setAllTexts(rows);
    grdPhrases->setColumnWidthTwips(0, kWidth - kScrollBarTwips);
    m_layout->place(grdPhrases, kGridRect);
    grdPhrases->hide();

    lblChosen = new QLabel(this);
    lblChosen->setObjectName(QStringLiteral("lblChosen"));
    m_layout->place(lblChosen, {kLeft, 4740, 4000, 620});
    m_layout->setFont(lblChosen, kBoardFont);
    for (int i = 0; i < 2; ++i) {
        cmdForm[i] = button("", i == 0 ? "cmdForm(0)" : "cmdForm(1)",
                            {kLeft + 4120 + i * 1320, 4740, 1200, 620});
        m_layout->setFont(cmdForm[i], kBoardFont);
        cmdForm[i]->hide();
        connect(cmdForm[i], &QPushButton::clicked, this, [this, i] {
            choose(cmdForm[i]->text(),
                   recording_names::characterPath(m_folder, cmdForm[i]->text()));
        });
    }
    lblNote = new QLabel(this);
    lblNote->setObjectName(QStringLiteral("lblNote"));
    m_layout->place(lblNote, {kLeft, 5400, kWidth, 560});
    m_layout->setFont(lblNote, kNoteFont);
    barLevel = new QProgressBar(this);
    barLevel->setObjectName(QStringLiteral("barLevel"));
    barLevel->setRange(0, 100);
    barLevel->setTextVisible(false);
    m_layout->place(barLevel, {kLeft, 6040, kWidth, 400});

    const char* const captions[5] = {"録音", "聞く", "保存", "やめる", "元に戻す"};
    const char* const names[5] = {"cmdRec", "cmdPlay", "cmdKeep", "cmdDiscard", "cmdUndo"};
    QPushButton* row[5];
    for (int i = 0; i < 5; ++i)
        row[i] =
            button(captions[i], names[i],
                   {kLeft + i * (kButtonWidth + kGap), kButtonTop, kButtonWidth, kButtonHeight});
    cmdRec = row[0];
    cmdPlay = row[1];
    cmdKeep = row[2];
    cmdDiscard = row[3];
    cmdUndo = row[4];

    connect(cmdChars, &QPushButton::clicked, this, [this] { showChars(true); });
    connect(cmdPhrases, &QPushButton::clicked, this, [this] { showChars(false); });
    connect(cmdSet, &QPushButton::clicked, this,
            [this] { showSet(board::nextSet(board::caption(m_set))); });
    connect(grdChars, &Grid::clicked, this, [this](int r, int c) {
        const QString text = grdChars->text(r, c);
        if (!text.isEmpty())
            chooseCharacter(text);
    });
    connect(grdPhrases, &Grid::clicked, this, [this](int r, int) {
        const QString phrase = grdPhrases->text(r, 0);
        choose(phrase, recording_names::phrasePath(m_folder, phrase));
    });
    connect(cmdRec, &QPushButton::clicked, this, &RecorderPage::cmdRec_Click);
    connect(cmdPlay, &QPushButton::clicked, this, &RecorderPage::cmdPlay_Click);
    connect(cmdKeep, &QPushButton::clicked, this, &RecorderPage::cmdKeep_Click);
    connect(cmdDiscard, &QPushButton::clicked, this, &RecorderPage::cmdDiscard_Click);
    connect(cmdUndo, &QPushButton::clicked, this, &RecorderPage::cmdUndo_Click);
    connect(&m_recorder, &Recorder::levelChanged, barLevel, &QProgressBar::setValue);

    if (!m_recorder.hasMicrophone())
        lblNote->setText(QStringLiteral("マイクがありません。録音はできません。"));
    else
        lblNote->setText(QStringLiteral("録音する文字か例文を選んでください。"));
    updateButtons();
}

QString RecorderPage::title() const {
    return QStringLiteral("録音");
}

void RecorderPage::load(const SettingsStore&) {}

void RecorderPage::save(SettingsStore&) const {}

void RecorderPage::showChars(bool chars) {
    for (QPushButton* form : cmdForm)
        form->hide();
    grdChars->setVisible(chars);
    cmdSet->setVisible(chars);
    grdPhrases->setVisible(!chars);
}

// The board of the chosen set with the voiced columns, so that every board
// character can be chosen.
void RecorderPage::showSet(BoardSet set) {
    m_set = set;
    const DrawingSuspended suspended(grdChars);
    grdChars->setRows(board::kRows);
    grdChars->setCols(board::kVoicedMaxC + 1);
    grdChars->cells().setAllTexts(board::cells(set, board::kVoicedMaxC));
    for (int c = 0; c <= board::kVoicedMaxC; ++c)
        grdChars->setColumnWidthTwips(c, kWidth / (board::kVoicedMaxC + 1));
    cmdSet->setText(board::caption(set));
}

void RecorderPage::chooseCharacter(const QString& text) {
    if (m_recorder.isRecording())
        return;
    const board::Variants forms = board::variantsOf(text);
    int i = 0;
    for (const QString& form : {forms.left, forms.right}) {
        cmdForm[i]->setText(form);
        cmdForm[i++]->setVisible(!form.isEmpty());
    }
    choose(text, recording_names::characterPath(m_folder, text));
}

void RecorderPage::choose(const QString& text, const QString& path) {
    if (m_recorder.isRecording())
        return;
    // A take belongs to the text it was made for.
    m_recorder.discard();
    m_chosen = text;
    m_path = path;
    lblChosen->setText(QStringLiteral("「%1」").arg(text));
    if (path.isEmpty())
        lblNote->setText(QStringLiteral("この文字は録音できません。"));
    else if (m_recorder.hasMicrophone())
        lblNote->setText(QFileInfo(path).isFile() ? QStringLiteral("いまの声があります。")
                                                  : QStringLiteral("まだ録音がありません。"));
    updateButtons();
}

void RecorderPage::cmdRec_Click() {
    if (m_recorder.isRecording()) {
        switch (m_recorder.stop()) {
        case Take::Verdict::Good:
            lblNote->setText(QStringLiteral("「聞く」で確かめて、「保存」してください。"));
            m_recorder.playTake();
            break;
        case Take::Verdict::Silent:
            lblNote->setText(QStringLiteral("音が聞こえませんでした。もう一度どうぞ。"));
            break;
        case Take::Verdict::TooShort:
            lblNote->setText(QStringLiteral("短すぎます。もう一度どうぞ。"));
            break;
        }
    } else if (m_recorder.start()) {
        lblNote->setText(QStringLiteral("録音しています。終わったら「停止」。"));
    } else {
        lblNote->setText(QStringLiteral("マイクを使えません。"));
    }
    updateButtons();
}

void RecorderPage::cmdPlay_Click() {
    if (m_recorder.hasTake())
        m_recorder.playTake();
    else if (QFileInfo(m_path).isFile())
        m_player.play(m_path);
}

void RecorderPage::cmdKeep_Click() {
    lblNote->setText(m_recorder.keep(m_path) ? QStringLiteral("保存しました。")
                                             : QStringLiteral("保存できませんでした。"));
    updateButtons();
}

void RecorderPage::cmdDiscard_Click() {
    m_recorder.discard();
    lblNote->setText(QStringLiteral("録音をやめました。"));
    updateButtons();
}

void RecorderPage::cmdUndo_Click() {
    lblNote->setText(take_files::restore(m_path) ? QStringLiteral("前の声に戻しました。")
                                                 : QStringLiteral("元に戻せませんでした。"));
    updateButtons();
}

void RecorderPage::updateButtons() {
    const bool recording = m_recorder.isRecording();
    const bool take = m_recorder.hasTake();
    const bool chosen = !m_path.isEmpty();
    cmdRec->setText(recording ? QStringLiteral("停止") : QStringLiteral("録音"));
    cmdRec->setEnabled(chosen && m_recorder.hasMicrophone());
    cmdPlay->setEnabled(!recording && (take || (chosen && QFileInfo(m_path).isFile())));
    cmdKeep->setEnabled(take);
    cmdDiscard->setEnabled(take);
    cmdUndo->setEnabled(!recording && !take && chosen && take_files::hasBackup(m_path));
    for (QWidget* w :
         std::initializer_list<QWidget*>{cmdChars, cmdPhrases, cmdSet, cmdForm[0], cmdForm[1]})
        w->setEnabled(!recording);
}
