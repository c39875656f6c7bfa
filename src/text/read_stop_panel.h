#pragma once

#include <QWidget>

class QLabel;

// frmRead: the panel shown above every other window while the text is read
// aloud. A tap on "読み上げ中止" asks to stop and closes the panel; the
// user cannot close it otherwise, only the program can.
class ReadStopPanel final : public QWidget {
    Q_OBJECT
public:
    explicit ReadStopPanel(double scale, QWidget* parent = nullptr);

    // Closes and destroys the panel.
    void closeFromProgram();

signals:
    void stopClicked();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_label;
    bool m_closing = false;
};
