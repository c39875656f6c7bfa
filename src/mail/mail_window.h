#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class Asker;
class UrlLauncher;

// frmMail: shows a composed mail in large type (addressee's name, mail
// address, subject and body) and hands it to the user's mail program as a
// mailto: URL. Only its own buttons and labels close it: the close box and
// Escape are refused. A tap on the name or the address asks the main window
// for the address list, a tap on the subject for the mail list; the window
// then closes. A mail that cannot be handed over is noticed, and the window
// stays with it.
class MailWindow final : public QDialog {
    Q_OBJECT
public:
    MailWindow(UrlLauncher& launcher, Asker& asker, double scale = 1.0, QWidget* parent = nullptr);

    // Shows the four values; the subject is given as it is to be shown.
    void fill(const QString& name, const QString& address, const QString& subject,
              const QString& body);

    QLabel* lbladd[2];
    QLabel* lblName;
    QLabel* lblMail;
    QLabel* lblTop;
    QPlainTextEdit* txtData;
    QPushButton* cmdSend;
    QPushButton* cmdEnd;

signals:
    void addressListWanted();
    void mailListWanted();

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmdSend_Click();
    void closeFromProgram();
    void label_Click(QLabel* label);

    UrlLauncher& m_launcher;
    Asker& m_asker;
    bool m_closing = false;
};
