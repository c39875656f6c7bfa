#include "mail/mail_window.h"

#include "mail/mail_url.h"
#include "platform/asker.h"
#include "platform/back_color.h"
#include "platform/colors.h"
#include "platform/hard_to_undo.h"
#include "platform/tappable.h"
#include "platform/twip_layout.h"
#include "platform/url_launcher.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTouchEvent>

namespace {

constexpr TwipRect kClientArea{0, 0, 15270, 11115};
constexpr FontStyle kHeadingFont{FontFace::PGothic, 48, false};
constexpr FontStyle kFont{FontFace::PGothic, 36, false};
constexpr FontStyle kBodyFont{FontFace::Gothic, 27.75, false};

QLabel* makeLabel(QWidget* window, TwipLayout& layout, const QString& name, const QString& caption,
                  const TwipRect& rect, const FontStyle& font, quint32 colour) {
    auto* label = new QLabel(caption, window);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText); // names and subjects are shown as written
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setBackColor(label, bgrColor(colour));
    layout.place(label, rect);
    layout.setFont(label, font);
    return label;
}

QPushButton* makeButton(QWidget* window, TwipLayout& layout, const QString& name,
                        const QString& caption, const TwipRect& rect) {
    auto* button = new QPushButton(caption, window);
    button->setObjectName(name);
    button->setAutoDefault(false);
    layout.place(button, rect);
    layout.setFont(button, kFont);
    return button;
}

bool insideLabel(const QLabel* label, QPointF position) {
    return label->rect().contains(position.toPoint());
}

} // namespace

MailWindow::MailWindow(UrlLauncher& launcher, Asker& asker, double scale, QWidget* parent)
    : QDialog(parent)
    , m_launcher(launcher)
    , m_asker(asker) {
    setObjectName(QStringLiteral("frmMail"));
    setWindowTitle(QStringLiteral("メール送信！"));
    setBackColor(this, bgrColor(colors::kWindow));
    auto* layout = new TwipLayout(this, kClientArea);
    layout->setScale(scale);
    setFixedSize(layout->designPixels(scale));

    lbladd[0] = makeLabel(this, *layout, QStringLiteral("lbladd(0)"), QStringLiteral("宛先："),
                          {360, 120, 2415, 1095}, kHeadingFont, colors::kWindow);
    lbladd[1] = makeLabel(this, *layout, QStringLiteral("lbladd(1)"), QStringLiteral("件名："),
                          {360, 1560, 2415, 975}, kHeadingFont, colors::kWindow);
    const QString prompt = QStringLiteral("クリックして");
    lblName = makeLabel(this, *layout, QStringLiteral("lblName"), prompt, {3240, 120, 11685, 735},
                        kFont, colors::kWhite);
    lblMail = makeLabel(this, *layout, QStringLiteral("lblMail"), prompt, {3240, 960, 11685, 735},
                        kFont, colors::kWhite);
    lblTop = makeLabel(this, *layout, QStringLiteral("lblTop"), prompt, {3240, 1800, 11685, 735},
                       kFont, colors::kWhite);
    for (QLabel* label : {lblName, lblMail, lblTop}) {
        markTappable(label);
        label->setAttribute(Qt::WA_AcceptTouchEvents);
        label->installEventFilter(this);
    }

    txtData = new QPlainTextEdit(this);
    txtData->setObjectName(QStringLiteral("txtData"));
    txtData->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout->place(txtData, {240, 2760, 14685, 6705});
    layout->setFont(txtData, kBodyFont);

    cmdSend = makeButton(this, *layout, QStringLiteral("cmdSend"), QStringLiteral("送　　信"),
                         {900, 9780, 10575, 855});
    cmdEnd = makeButton(this, *layout, QStringLiteral("cmdEnd"), QStringLiteral("終了"),
                        {12300, 9780, 1965, 855});
    markHardToUndo(cmdSend);
    connect(cmdSend, &QPushButton::clicked, this, [this] { cmdSend_Click(); });
    connect(cmdEnd, &QPushButton::clicked, this, [this] { closeFromProgram(); });
}

void MailWindow::fill(const QString& name, const QString& address, const QString& subject,
                      const QString& body) {
    lblName->setText(name);
    lblMail->setText(address);
    lblTop->setText(subject);
    txtData->setPlainText(body);
}

// The URL is already percent-encoded, so it is taken as encoded bytes and
// reaches the mail program unchanged. The window stays open, also when the
// mail could not be handed over (a mail too long for the system to pass on,
// or no mail program), so that it can be sent another way.
void MailWindow::cmdSend_Click() {
    const QString url = mailtoUrl(lblMail->text(), lblTop->text(), txtData->toPlainText());
    if (!m_launcher.open(QUrl::fromEncoded(url.toUtf8())))
        m_asker.ask(QStringLiteral("メールを渡せませんでした。"), Asker::Notice,
                    QStringLiteral("メール送信！"));
}

void MailWindow::closeFromProgram() {
    m_closing = true;
    close();
}

// Escape would reject the dialog without a close event; it is refused as the
// close box is.
void MailWindow::reject() {
    if (m_closing)
        QDialog::reject();
}

void MailWindow::closeEvent(QCloseEvent* event) {
    if (m_closing)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

void MailWindow::label_Click(QLabel* label) {
    if (label == lblTop)
        emit mailListWanted();
    else
        emit addressListWanted();
    closeFromProgram();
}

// A tap on a label is a press and release on it, by mouse or by finger; a
// finger's touch is taken whole so that no mouse events are made from it.
bool MailWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != lblName && watched != lblMail && watched != lblTop)
        return QDialog::eventFilter(watched, event);
    auto* label = static_cast<QLabel*>(watched);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        if (insideLabel(label, mouse->position()))
            label_Click(label);
        return true;
    }
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchCancel:
        event->accept();
        return true;
    case QEvent::TouchEnd: {
        const auto* touch = static_cast<QTouchEvent*>(event);
        if (!touch->points().isEmpty() && insideLabel(label, touch->points().first().position()))
            label_Click(label);
        event->accept();
        return true;
    }
    default:
        return QDialog::eventFilter(watched, event);
    }
}
