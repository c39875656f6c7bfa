#pragma once

#include "app/talk_window.h"
#include "fakes.h"
#include "file_fixtures.h"
#include "platform/grid.h"
#include "text/text_panel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

// A main window on fake services, with its own folder for the data files and
// recordings (made in `parent`), and taps as a user makes them: at the centre
// of a cell.
class WindowFixture {
public:
    explicit WindowFixture(const QString& parent = QDir::tempPath())
        : dir(parent + QStringLiteral("/window-XXXXXX")) {
        QStandardPaths::setTestModeEnabled(true);
    }

    FakeServices fakes;
    QTemporaryDir dir;

    // Records of a data file in the program's folder, written before open().
    void writeFile(const QString& name, const QStringList& records) {
        QVERIFY(writeRecordsTo(dir.filePath(name), records));
    }
    QStringList readFile(const QString& name) { return readRecordsFrom(dir.filePath(name)); }

    // Opens the main window, on the fake services or on others.
    TalkWindow& open() { return open(fakes.services); }
    TalkWindow& open(Services& services) {
        m_window = std::make_unique<TalkWindow>(services, DataLocation{dir.path(), dir.path()});
        m_window->show();
        if (!QTest::qWaitForWindowExposed(m_window.get()))
            qFatal("the main window was not shown");
        return *m_window;
    }
    TalkWindow& window() { return *m_window; }
    TalkControls& c() { return m_window->controls(); }
    TextPanel& panel() { return m_window->textPanel(); }
    QString text() { return panel().text(); }

    static void tap(Grid* grid, int row, int col = 0) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->cellRect(row, col).center());
    }
    // The centre of the grid's cell that shows the text, and a tap there.
    static QPoint centreOf(const Grid* grid, const QString& text) {
        for (int row = 0; row < grid->rows(); ++row)
            for (int col = 0; col < grid->cols(); ++col)
                if (grid->text(row, col) == text)
                    return grid->cellRect(row, col).center();
        qFatal("no cell %s", qPrintable(text));
    }
    static void tap(Grid* grid, const QString& text) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centreOf(grid, text));
    }
    void tapBoard(const QString& text) { tap(c().grdBoard, text); }
    // From the board through the phrase list's command row ("日記" 0,
    // "メール" 1) into the entry on `row` of its list.
    void openEntry(int commandRow, int row = 0) {
        c().cmdSamp->click();
        tap(c().grdEx, commandRow, 1);
        c().cmdDec->click();
        tap(commandRow == 0 ? c().grdDay : c().grdAD, row, 1);
        c().cmdDec->click();
    }
    // From the board to the mail list of the address on `row`.
    void openMails(int row) {
        openEntry(1, row);
        c().cmdBack->click();
    }
    static QStringList column(const Grid* grid, int col) { return columnTexts(grid->cells(), col); }

    // Acts on the modal dialog that the next step opens.
    static void whenModal(std::function<void(QWidget*)> act) {
        QTimer::singleShot(0, [act] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            act(dialog);
        });
    }
    static void clickIn(QWidget* dialog, const QString& button) {
        auto* found = dialog->findChild<QAbstractButton*>(button);
        QVERIFY2(found, qPrintable(button));
        found->click();
    }
    // "設定", changed by `act` and left with its button 0 "キャンセル" or 1 "確定".
    void options(int button, std::function<void(QWidget*)> act = {}) {
        whenModal([button, act](QWidget* dialog) {
            if (act)
                act(dialog);
            clickIn(dialog, QStringLiteral("cmdOK(%1)").arg(button));
        });
        c().cmdOpt->click();
    }
    // "設定" and its "詳細設定": `act` works the extended options and closes
    // them with one of their buttons; "設定" is then left with "キャンセル".
    void extendedOptions(std::function<void(QWidget*)> act) {
        options(0, [act](QWidget* dialog) {
            whenModal(act);
            clickIn(dialog, "cmdMore");
        });
    }

private:
    std::unique_ptr<TalkWindow> m_window;
};
