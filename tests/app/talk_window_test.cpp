#include "app/talk_window.h"
#include "fakes.h"
#include "platform/back_color.h"
#include "platform/colors.h"
#include "platform/fonts.h"
#include "platform/grid.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <memory>

class TalkWindowTest : public QObject {
    Q_OBJECT
private:
    FakeServices* m_fakes = nullptr;
    std::unique_ptr<TalkWindow> m_window;

    TalkWindow& open() {
        m_window = std::make_unique<TalkWindow>(m_fakes->services, QDir::tempPath());
        m_window->show();
        if (!QTest::qWaitForWindowExposed(m_window.get()))
            qFatal("the main window was not shown");
        return *m_window;
    }
    QString boardRow(int row) {
        const Grid& board = *m_window->controls().grdBoard;
        QString text;
        for (int c = 0; c < board.cols(); ++c)
            text += board.text(row, c);
        return text;
    }
    int textPixels() { return m_window->controls().txtTalk->font().pixelSize(); }
    // Answers the options dialog that the next step opens.
    void answerOptions(int button, std::function<void(QWidget*)> change = {}) {
        QTimer::singleShot(0, [button, change] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            if (change)
                change(dialog);
            dialog->findChild<QPushButton*>(QStringLiteral("cmdOK(%1)").arg(button))->click();
        });
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { m_fakes = new FakeServices; }
    void cleanup() {
        m_window.reset();
        delete m_fakes;
    }

    void firstRunShowsHiraganaBoard() {
        TalkWindow& w = open();
        const TalkControls& c = w.controls();
        QCOMPARE(w.windowTitle(), QString("TaviMail!  Ver 1.1"));
        QCOMPARE(w.size(), QSize(1018, 741));
        QCOMPARE(c.cmdKey->text(), QString("ひら"));
        QCOMPARE(c.grdBoard->cols(), 10);
        QCOMPARE(boardRow(0), QString("わらやまはなたさかあ"));
        QCOMPARE(c.grdBoard->columnWidth(0), 102);
        QCOMPARE(c.txtTalk->toPlainText(), QString());
        QCOMPARE(textPixels(), pointsToPixels(55));
        QVERIFY(c.txtTalk->hasFocus());
    }

    void controlsStandWhereTheLayoutPutsThem_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<quint32>("color");
        QTest::addColumn<bool>("visible");
        QTest::newRow("cmdSamp") << "cmdSamp" << QRect(36, 552, 235, 83) << "例文表示" << 0xFFC0C0u
                                 << true;
        QTest::newRow("cmdSampDel")
            << "cmdSampDel" << QRect(36, 656, 235, 48) << "例文削除" << 0xC0C0FFu << false;
        QTest::newRow("cmdRes(0)")
            << "cmdRes(0)" << QRect(292, 12, 85, 181) << "→" << 0xFFFFFFu << true;
        QTest::newRow("cmdRes(1)")
            << "cmdRes(1)" << QRect(404, 12, 151, 87) << "ＢＳ" << 0xC0E0FFu << true;
        QTest::newRow("cmdKey") << "cmdKey" << QRect(858, 666, 153, 71) << "ひら" << 0xC0FFC0u
                                << true;
        QTest::newRow("cmdEnd") << "cmdEnd" << QRect(0, 656, 27, 71) << "終了" << 0xFF8080u << true;
        QTest::newRow("cmdspace") << "cmdspace" << QRect(8, 480, 385, 104) << "スペース"
                                  << 0x80000009u << true;
        QTest::newRow("cmdDec") << "cmdDec" << QRect(424, 16, 113, 177) << "決定" << 0xFFC0C0u
                                << true;
        QTest::newRow("cmdCopy") << "cmdCopy" << QRect(961, 178, 57, 149) << "コピ" << 0xC98391u
                                 << true;
    }
    void controlsStandWhereTheLayoutPutsThem() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        QFETCH(quint32, color);
        QFETCH(bool, visible);
        open();
        auto* button = m_window->findChild<QPushButton*>(name);
        QVERIFY(button);
        QCOMPARE(button->geometry(), geometry);
        QCOMPARE(button->text(), caption);
        QCOMPARE(backColor(button), bgrColor(color));
        QCOMPARE(button->isVisibleTo(button->parentWidget()), visible);
    }

    void gridsAndFramesAtTheirPlaces() {
        open();
        const TalkControls& c = m_window->controls();
        QCOMPARE(c.grdBoard->geometry(), QRect(0, 160, 1023, 381));
        QCOMPARE(c.fraText->geometry(), QRect(0, 0, 1022, 157));
        QCOMPARE(c.txtTalk->geometry(), QRect(2, 0, 955, 153));
        QCOMPARE(c.fraSet->geometry(), QRect(976, 160, 1083, 593));
        QVERIFY(c.fraRes->isVisible());
        for (QWidget* hidden : {static_cast<QWidget*>(c.fraSet), static_cast<QWidget*>(c.fraDay),
                                static_cast<QWidget*>(c.fraTalk), static_cast<QWidget*>(c.grdEx),
                                static_cast<QWidget*>(c.grdSp), static_cast<QWidget*>(c.grdDay),
                                static_cast<QWidget*>(c.grdAD), static_cast<QWidget*>(c.grdMail)})
            QVERIFY2(!hidden->isVisible(), qPrintable(hidden->objectName()));
        // board rows share the board's height
        QCOMPARE(c.grdBoard->rowViewportPosition(4) + c.grdBoard->rowHeight(4),
                 c.grdBoard->viewport()->height());
    }

    void boardKeyCyclesTheSets() {
        open();
        const TalkControls& c = m_window->controls();
        c.cmdKey->click();
        QCOMPARE(c.cmdKey->text(), QString("カタ"));
        QCOMPARE(boardRow(0), QString("ワラヤマハナタサカア"));
        c.cmdKey->click();
        QCOMPARE(c.cmdKey->text(), QString("英数"));
        QCOMPARE(boardRow(1), QString("QWERTYUIOP"));
        c.cmdKey->click();
        QCOMPARE(c.cmdKey->text(), QString("ひら"));
        QCOMPARE(boardRow(0), QString("わらやまはなたさかあ"));
    }

    void storedOptionsShapeTheStart_data() {
        QTest::addColumn<QString>("gMaxC");
        QTest::addColumn<QString>("moji");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("columnPixels");
        QTest::addColumn<int>("textPoints");
        QTest::newRow("gMaxC 10") << "10"
                                  << "0" << 10 << 102 << 55;
        QTest::newRow("gMaxC 14") << "14"
                                  << "0" << 15 << 68 << 55;
        QTest::newRow("Moji 1") << "9"
                                << "1" << 10 << 102 << 100;
    }
    void storedOptionsShapeTheStart() {
        QFETCH(QString, gMaxC);
        QFETCH(QString, moji);
        QFETCH(int, columns);
        QFETCH(int, columnPixels);
        QFETCH(int, textPoints);
        m_fakes->store.values = {{"gMaxC", gMaxC}, {"Moji", moji}};
        open();
        const TalkControls& c = m_window->controls();
        QCOMPARE(c.grdBoard->cols(), columns);
        QCOMPARE(c.grdBoard->columnWidth(columns - 1), columnPixels);
        QCOMPARE(c.grdBoard->text(0, columns - 1), QString("あ"));
        QCOMPARE(textPixels(), pointsToPixels(textPoints));
    }

    void confirmingOptionsAppliesThemAndRestartsWithHiragana() {
        open();
        const TalkControls& c = m_window->controls();
        c.cmdKey->click();
        c.cmdKey->click();
        QCOMPARE(c.cmdKey->text(), QString("英数"));
        answerOptions(1, [](QWidget* dialog) {
            dialog->findChild<QAbstractButton*>("chkMoji")->click();
            dialog->findChild<QAbstractButton*>("chkMaxC")->click();
        });
        c.cmdOpt->click();
        QCOMPARE(c.cmdKey->text(), QString("ひら"));
        QCOMPARE(c.grdBoard->cols(), 15);
        QCOMPARE(boardRow(0), QString("ぱばだざがわらやまはなたさかあ"));
        QCOMPARE(textPixels(), pointsToPixels(100));
        QCOMPARE(m_window->state().settings.moji, 1);
    }

    void cancellingOptionsChangesNothing() {
        open();
        const TalkControls& c = m_window->controls();
        c.cmdKey->click();
        answerOptions(0, [](QWidget* dialog) {
            dialog->findChild<QAbstractButton*>("chkMoji")->click();
            dialog->findChild<QAbstractButton*>("Option1(3)")->click();
        });
        c.cmdOpt->click();
        QVERIFY(m_fakes->store.writes.isEmpty());
        QCOMPARE(c.cmdKey->text(), QString("カタ"));
        QCOMPARE(textPixels(), pointsToPixels(55));
        QCOMPARE(m_window->state().settings.opt1, 0);
    }
};

QTEST_MAIN(TalkWindowTest)
#include "talk_window_test.moc"
