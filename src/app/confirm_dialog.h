#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class TwipLayout;

// frmOK: the large modal dialog through which every question and notice is
// asked. Built from its design state each time it is created.
class ConfirmDialog final : public QDialog {
    Q_OBJECT
public:
    explicit ConfirmDialog(double scale = 1.0, QWidget* parent = nullptr);

    // Sets the buttons for a style (48, 36 or 33; any other leaves the design
    // state), the caption and the message.
    void prepare(const QString& message, int style, const QString& title);
    // True only when closed with the left button.
    bool answer() const { return m_answer; }

    QLabel* lblOK;
    QPushButton* cmdOK[2];

private:
    void cmdOK_Click(int index);

    TwipLayout* m_layout;
    bool m_answer = false;
};
