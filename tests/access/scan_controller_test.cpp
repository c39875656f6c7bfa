#include "access/scan_controller.h"
#include "app/confirm_dialog.h"
#include "back_colours.h"
#include "mail/mail_window.h"
#include "manual_access_clock.h"
#include "platform/twip_layout.h"
#include "text/read_aloud.h"
#include "text/voice_output.h"
#include "window_fixture.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRegion>
#include <cmath>

// Scanning on the real windows, driven by a clock moved by hand and by switch
// keys sent as a keyboard would: what is scanned and in which order, that a
// selection is the tap, that the keys act nowhere else, and the pauses.
class ScanControllerTest : public QObject {
    Q_OBJECT
    std::unique_ptr<WindowFixture> f;
    ManualAccessClock clock;
    std::unique_ptr<ScanController> scan;

    void open(QMap<QString, QString> options, ScanSettings settings = {}) {
        f = std::make_unique<WindowFixture>();
        f->fakes.store.values = options;
        TalkWindow& w = f->open();
        settings.enabled = true;
        scan = std::make_unique<ScanController>(ScanParts{&w, f->c(), w.layout(), w.voice()},
                                                settings, clock);
    }
    QString highlightedText() { return scan->tree().cueText(scan->scanner().highlighted()); }
    QWidget* highlightedWidget() {
        return scan->tree().target(scan->scanner().highlighted()).widget.data();
    }
    // The switch key, pressed and released on whatever has the focus.
    QWidget* keyboardTarget() {
        QWidget* focus = QApplication::focusWidget();
        QWidget* scanned = scan->scannedWindow();
        return focus ? focus : scanned ? scanned : &f->window();
    }
    void space() { QTest::keyClick(keyboardTarget(), Qt::Key_Space); }
    // Waits (on the scan's clock) for the k-th member of the level just
    // started to be highlighted, and presses: 0.4 s into its step.
    void pressAt(int k) {
        clock.advance(k == 0 ? 400 : 1500 + (k - 1) * 1000 + 400);
        space();
    }
    void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

private slots:
    void cleanup() {
        scan.reset();
        f.reset();
    }

    // The board's columns from あ leftwards, then the button area and the
    // text panel's button.
    void boardOrder_data() {
        QTest::addColumn<QString>("gMaxC");
        QTest::addColumn<QString>("columns");
        QTest::newRow("ten") << "9"
                             << "あかさたなはまやらわ";
        QTest::newRow("fifteen") << "14"
                                 << "あかさたなはまやらわがざだばぱ";
    }
    void boardOrder() {
        QFETCH(QString, gMaxC);
        QFETCH(QString, columns);
        open({{"gMaxC", gMaxC}});
        QString order;
        const int count = int(columns.size());
        for (int step = 0; step < count; ++step) {
            order += highlightedText();
            const int col = count - 1 - step;
            const QRect column = access::globalRect({f->c().grdBoard, 0, col})
                                     .united(access::globalRect({f->c().grdBoard, 4, col}));
            QCOMPARE(scan->tree().globalRect(scan->scanner().highlighted()), column);
            clock.advanceToNextTimer();
        }
        QCOMPARE(order, columns);
        QCOMPARE(highlightedWidget(), nullptr); // the button area, a group
        space();
        QCOMPARE(highlightedWidget(), static_cast<QWidget*>(f->c().cmdSamp));
        clock.advanceToNextTimer();
        QCOMPARE(highlightedWidget(), static_cast<QWidget*>(f->c().cmdSampADD));
        // "設定" and "終了" are never reached
        for (int step = 0; step < 40; ++step) {
            QVERIFY(highlightedWidget() != f->c().cmdOpt && highlightedWidget() != f->c().cmdEnd);
            clock.advanceToNextTimer();
        }
    }

    // Selections act as taps (a character entered at once: access_xvfb_test):
    // one opens the selection panel, which is scanned by rows, then its
    // buttons. The Space that selects types nothing.
    void selectionsActAsTaps() {
        open({{"Samp", "0"}});
        pressAt(1); // か column
        pressAt(0); // か: the panel opens
        settle();
        QVERIFY(f->c().fraSet->isVisible());
        QCOMPARE(highlightedText(), QString("さ")); // row 0 is empty: row 1, さ か が
        pressAt(0);
        QCOMPARE(highlightedText(), QString("さ"));
        pressAt(2); // が
        QCOMPARE(f->text(), QString("が_"));
        QVERIFY(!f->c().fraSet->isVisible());
    }

    // A Space that selects "キャンセル" does not also press the focused
    // "ＯＫ"; the dialog is scanned while it is in front, the main window
    // again after it; other windows in front are scanned in reading order.
    void aSwitchKeyActsOnlyAsTheSwitch() {
        open({});
        ConfirmDialog dialog;
        dialog.prepare(QStringLiteral("はじめからでよろしいですか？"), 33,
                       QStringLiteral("例文登録"));
        dialog.open();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.cmdOK[0]->setFocus();
        settle();
        QCOMPARE(scan->scannedWindow(), static_cast<QWidget*>(&dialog));
        QCOMPARE(highlightedWidget(), static_cast<QWidget*>(dialog.cmdOK[0]));
        clock.advance(1500);
        QCOMPARE(highlightedWidget(), static_cast<QWidget*>(dialog.cmdOK[1]));
        QTest::keyClick(dialog.cmdOK[0], Qt::Key_Space);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.answer());
        settle();
        QCOMPARE(scan->scannedWindow(), static_cast<QWidget*>(&f->window()));
        QCOMPARE(highlightedText(), QString("あ"));

        // the mail window: its labels and buttons in reading order
        MailWindow mail(f->fakes.launcher, f->fakes.asker);
        mail.fill("名前", "a@b.c", "件名", "本文");
        mail.open();
        QVERIFY(QTest::qWaitForWindowExposed(&mail));
        settle();
        QList<QWidget*> order;
        for (int k = 0; k < 5; ++k) {
            order.append(highlightedWidget());
            clock.advanceToNextTimer();
        }
        const QList<QWidget*> expected{mail.lblName, mail.lblMail, mail.lblTop,
                                       static_cast<QWidget*>(mail.cmdSend), mail.cmdEnd};
        QCOMPARE(order, expected);
    }

    // The highlight waits while a tap is spoken and while the text is read
    // aloud; during the reading the stop panel is scanned and any press
    // stops it.
    void waitsForTheVoiceAndTheReadAloud() {
        open({{"OPT1", "2"}, {"Samp", "0"}});
        QList<bool> pausedDuringVoice;
        f->fakes.pause.during = [&] {
            pausedDuringVoice.append(scan->scanner().isPaused());
            const int before = scan->scanner().highlighted();
            clock.advance(5000);
            QCOMPARE(scan->scanner().highlighted(), before);
        };
        pressAt(0);
        pressAt(0); // あ, spoken
        QCOMPARE(pausedDuringVoice, QList<bool>{true});
        QVERIFY(!scan->scanner().isPaused());
        QCOMPARE(f->text(), QString("あ_"));

        f->c().txtTalk->setPlainText(QStringLiteral("あいうえ_"));
        QStringList scanned;
        int characters = 0;
        f->fakes.pause.during = [&] {
            ++characters;
            settle();
            scanned.append(scan->scannedWindow()->objectName());
            QVERIFY(scan->scanner().isPaused());
            // the switch comes up while the first character sounds
            if (characters == 1)
                QTest::keyRelease(keyboardTarget(), Qt::Key_Space);
            if (characters == 2) {
                clock.advance(400); // past the release time of the selection
                space();
            }
        };
        clock.advance(400);
        pressAt(10); // the button area
        QWidget* read = f->c().cmdRead;
        while (highlightedWidget() != read)
            clock.advanceToNextTimer();
        clock.advance(400);
        QTest::keyPress(keyboardTarget(), Qt::Key_Space);
        QCOMPARE(characters, 2);
        QCOMPARE(scanned, (QStringList{"frmRead", "frmRead"}));
        settle();
        QVERIFY(!scan->scanner().isPaused());
        QCOMPARE(scan->scannedWindow(), static_cast<QWidget*>(&f->window()));
        QCOMPARE(f->c().cmdRead->text(), QString("読む"));
    }

    // Auditory scanning speaks the framed cell, and a column by its first.
    void theCueSpeaksTheHighlightedCell() {
        ScanSettings settings;
        settings.cue = true;
        open({}, settings);
        clock.advance(1500);
        space();
        const QStringList expected{f->window().voice().wavPath("あ"),
                                   f->window().voice().wavPath("か"),
                                   f->window().voice().wavPath("か")};
        QCOMPARE(f->fakes.voice.played, expected);
    }

    // With the click option a left click anywhere is switch 1 and taps
    // nothing itself; "設定" keeps its click for the carer.
    void aClickIsSwitchOne() {
        ScanSettings settings;
        settings.click = true;
        open({{"OPT1", "2"}, {"Samp", "0"}}, settings);
        clock.advance(400);
        WindowFixture::tap(f->c().grdBoard, 0, 0); // わ, but it enters the あ column
        clock.advance(400);
        QTest::mouseClick(f->c().cmdKey, Qt::LeftButton); // selects あ
        QCOMPARE(f->text(), QString("あ_"));
        QCOMPARE(f->c().cmdKey->text(), QString("ひら"));
        bool opened = false;
        WindowFixture::whenModal([&opened](QWidget* dialog) {
            opened = dialog->objectName() == "frmOPT";
            dialog->close();
        });
        QTest::mouseClick(f->c().cmdOpt, Qt::LeftButton);
        QVERIFY(opened);
    }

    // The frame stands out on every background of the program: one of its
    // bands has at least 3:1 contrast with each (and the bands with each
    // other), and it grows with the window.
    void highlightStandsOut() {
        const auto luminance = [](QColor c) {
            const auto channel = [](double v) {
                v /= 255;
                return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) +
                   0.0722 * channel(c.blue());
        };
        const auto contrast = [&](QColor a, QColor b) {
            const double la = luminance(a), lb = luminance(b);
            return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
        };
        const QColor outer(ScanHighlight::kOuter), inner(ScanHighlight::kInner);
        QVERIFY(contrast(outer, inner) >= 3);
        for (const quint32 back : kBackColours)
            QVERIFY2(std::max(contrast(outer, bgrColor(back)), contrast(inner, bgrColor(back))) >=
                         3,
                     qPrintable(QString::number(back, 16)));

        open({});
        f->window().resize(1527, 1200);
        QTRY_COMPARE(f->window().layout().scale(), 1.5);
        settle();
        scan->rebuild();
        const QRegion frame = scan->highlight().region();
        const QRect column = scan->tree().globalRect(scan->scanner().highlighted());
        const QRect local(f->window().mapFromGlobal(column.topLeft()), column.size());
        QCOMPARE(frame.boundingRect(), local);
        const QPoint middleLeft(local.left(), local.center().y());
        QVERIFY(ScanHighlight::thickness(1.5) > ScanHighlight::thickness(1));
        QVERIFY(frame.contains(middleLeft + QPoint(ScanHighlight::thickness(1.5) - 1, 0)));
        QVERIFY(!frame.contains(local.center()));
    }
};

QTEST_MAIN(ScanControllerTest)
#include "scan_controller_test.moc"
