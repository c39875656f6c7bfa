#include "app/confirm_dialog.h"

#include "platform/asker.h"
#include "platform/back_color.h"
#include "platform/colors.h"
#include "platform/hard_to_undo.h"
#include "platform/twip_layout.h"

#include <QLabel>
#include <QPushButton>

namespace {
const FontStyle kFont{FontFace::PGothic, 48, true};
}

ConfirmDialog::ConfirmDialog(double scale, QWidget* parent)
    : QDialog(parent)
    , m_layout(new TwipLayout(this, {0, 0, 11775, 4545})) {
    setObjectName(QStringLiteral("frmOK"));
    setWindowTitle(QStringLiteral("問い合わせ？"));
    setBackColor(this, bgrColor(colors::kWindow));
    m_layout->setScale(scale);
    setFixedSize(m_layout->designPixels(scale));

    lblOK = new QLabel(QStringLiteral("Label1"), this);
    lblOK->setObjectName(QStringLiteral("lblOK"));
    lblOK->setWordWrap(true);
    lblOK->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setBackColor(lblOK, bgrColor(colors::kWindow));
    m_layout->place(lblOK, {240, 120, 11385, 1965});
    m_layout->setFont(lblOK, kFont);

    const char* const captions[2] = {"OK", "キャンセル"};
    const TwipRect rects[2] = {{300, 2280, 4845, 2175}, {6720, 2280, 4845, 2175}};
    const quint32 colours[2] = {0xFFC0C0, 0xC0C0FF};
    for (int i = 0; i < 2; ++i) {
        cmdOK[i] = new QPushButton(QString::fromUtf8(captions[i]), this);
        cmdOK[i]->setObjectName(QStringLiteral("cmdOK(%1)").arg(i));
        cmdOK[i]->setAutoDefault(false);
        setBackColor(cmdOK[i], bgrColor(colours[i]));
        m_layout->place(cmdOK[i], rects[i]);
        m_layout->setFont(cmdOK[i], kFont);
        markHardToUndo(cmdOK[i]);
        connect(cmdOK[i], &QPushButton::clicked, this, [this, i] { cmdOK_Click(i); });
    }
}

void ConfirmDialog::prepare(const QString& message, int style, const QString& title) {
    auto moveLeft = [this](int left) {
        TwipRect r = m_layout->rect(cmdOK[0]);
        r.left = left;
        m_layout->place(cmdOK[0], r);
    };
    switch (style) {
    case Asker::Notice:
        cmdOK[1]->hide();
        cmdOK[0]->setText(QStringLiteral("ＯＫ"));
        moveLeft(3500);
        break;
    case Asker::YesNo:
        cmdOK[1]->setText(QStringLiteral("ＮＯ"));
        cmdOK[1]->show();
        cmdOK[0]->setText(QStringLiteral("ＹＥＳ"));
        moveLeft(300);
        break;
    case Asker::OkCancel:
        cmdOK[1]->setText(QStringLiteral("キャンセル"));
        cmdOK[1]->show();
        cmdOK[0]->setText(QStringLiteral("ＯＫ"));
        moveLeft(300);
        break;
    default:
        break;
    }
    setWindowTitle(title);
    lblOK->setText(message);
}

void ConfirmDialog::cmdOK_Click(int index) {
    m_answer = index == 0;
    if (m_answer)
        accept();
    else
        reject();
}
