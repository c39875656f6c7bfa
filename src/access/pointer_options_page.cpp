#include "access/pointer_options_page.h"

#include "access/pointer_settings.h"
#include "access/pointer_value_row.h"

#include <QCheckBox>
#include <QEvent>
#include <QVBoxLayout>

namespace {
QString seconds(int ms) {
    return QStringLiteral("%1 秒").arg(ms / 1000.0, 0, 'f', 1);
}

QString secondsOrOff(int ms) {
    return ms == 0 ? QStringLiteral("切") : seconds(ms);
}

QString pixels(int px) {
    return QStringLiteral("%1 ドット").arg(px);
}
} // namespace

PointerOptionsPage::PointerOptionsPage(QWidget* parent)
    : OptionsPage(parent) {
    setObjectName(QStringLiteral("pagePointer"));
    chkDwell = new QCheckBox(QStringLiteral("止めて選ぶ（ドウェル）"), this);
    chkDwell->setObjectName(QStringLiteral("chkDwell"));
    rowDwellMs = new PointerValueRow(QStringLiteral("DwellMs"), QStringLiteral("止める時間"),
                                     PointerSettings::kDwellMs, seconds, this);
    rowTolerance = new PointerValueRow(QStringLiteral("Tolerance"), QStringLiteral("ゆれてよい幅"),
                                       PointerSettings::kTolerance, pixels, this);
    rowDeadMs =
        new PointerValueRow(QStringLiteral("DeadMs"), QStringLiteral("画面が変わった後の休み"),
                            PointerSettings::kDeadMs, seconds, this);
    rowHoldMs = new PointerValueRow(QStringLiteral("HoldMs"), QStringLiteral("押し続けて選ぶ"),
                                    PointerSettings::kHoldMs, secondsOrOff, this);
    chkOnRelease = new QCheckBox(QStringLiteral("指を離したところで選ぶ"), this);
    chkOnRelease->setObjectName(QStringLiteral("chkOnRelease"));
    rowIgnoreRepeatMs =
        new PointerValueRow(QStringLiteral("IgnoreRepeatMs"), QStringLiteral("２度押しを無視"),
                            PointerSettings::kIgnoreRepeatMs, secondsOrOff, this);

    auto* rows = new QVBoxLayout(this);
    for (QWidget* row :
         std::initializer_list<QWidget*>{chkDwell, rowDwellMs, rowTolerance, rowDeadMs, rowHoldMs,
                                         chkOnRelease, rowIgnoreRepeatMs})
        rows->addWidget(row);
    rows->addStretch();
    fitToFont();
}

QString PointerOptionsPage::title() const {
    return QStringLiteral("ポインター");
}

void PointerOptionsPage::load(const SettingsStore& store) {
    const PointerSettings s = readPointerSettings(store);
    chkDwell->setChecked(s.dwell);
    rowDwellMs->setValue(s.dwellMs);
    rowTolerance->setValue(s.tolerance);
    rowDeadMs->setValue(s.deadMs);
    rowHoldMs->setValue(s.holdMs);
    chkOnRelease->setChecked(s.onRelease);
    rowIgnoreRepeatMs->setValue(s.ignoreRepeatMs);
}

void PointerOptionsPage::save(SettingsStore& store) const {
    PointerSettings s;
    s.dwell = chkDwell->isChecked();
    s.dwellMs = rowDwellMs->value();
    s.tolerance = rowTolerance->value();
    s.deadMs = rowDeadMs->value();
    s.holdMs = rowHoldMs->value();
    s.onRelease = chkOnRelease->isChecked();
    s.ignoreRepeatMs = rowIgnoreRepeatMs->value();
    writePointerSettings(store, s);
}

void PointerOptionsPage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        fitToFont();
    OptionsPage::changeEvent(event);
}

// Check boxes as tall as the value rows, with a box that a finger can see;
// styled, they take the page's font only when given it.
void PointerOptionsPage::fitToFont() {
    const int line = fontMetrics().height();
    for (QCheckBox* box : {chkDwell, chkOnRelease}) {
        box->setFont(font());
        box->setMinimumHeight(line * 2);
        box->setStyleSheet(QStringLiteral("QCheckBox { color: black; }"
                                          " QCheckBox::indicator { width: %1px; height: %1px; }")
                               .arg(line));
    }
}
