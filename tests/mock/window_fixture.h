#pragma once

#include "app/talk_window.h"
#include "fakes.h"
#include "platform/grid.h"
#include "platform/text_file.h"
#include "text/text_panel.h"

#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// A main window on fake services, with its own folder for the data files and
// recordings, and taps as a user makes them: at the centre of a cell.
class WindowFixture {
public:
    WindowFixture() { QStandardPaths::setTestModeEnabled(true); }

    FakeServices fakes;
    QTemporaryDir dir;

    // Records of a data file in the program's folder, written before open().
    void writeFile(const QString& name, const QStringList& records) {
        QVERIFY(writeRecords(dir.filePath(name), records));
    }
    QStringList readFile(const QString& name) { return readRecords(dir.filePath(name)); }

    TalkWindow& open() {
        m_window =
            std::make_unique<TalkWindow>(fakes.services, DataLocation{dir.path(), dir.path()});
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
    // Taps the board cell that shows the text.
    void tapBoard(const QString& text) {
        Grid* board = c().grdBoard;
        for (int row = 0; row < board->rows(); ++row)
            for (int col = 0; col < board->cols(); ++col)
                if (board->text(row, col) == text) {
                    tap(board, row, col);
                    return;
                }
        QFAIL(qPrintable("no board cell " + text));
    }
    static QStringList column(const Grid* grid, int col) {
        QStringList texts;
        for (int row = 0; row < grid->rows(); ++row)
            texts.append(grid->text(row, col));
        return texts;
    }

private:
    std::unique_ptr<TalkWindow> m_window;
};
