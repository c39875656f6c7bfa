#pragma once

#include <QColor>
#include <QtGlobal>

// Colours are given as &H00BBGGRR& values (blue in the high byte). Values with
// the top bit set name a system colour by index; the two in use map to fixed,
// clearly visible colours.
QColor bgrColor(quint32 value);

namespace colors {
constexpr quint32 kWhite = 0xFFFFFF;
constexpr quint32 kBlack = 0x000000;
constexpr quint32 kSilver = 0xC0C0C0;
constexpr quint32 kHighlight = 0x80FF80;   // HighlightColor: chosen row, pressed cell
constexpr quint32 kWindow = 0xFF8080;      // back colour of the main window and its frames
constexpr quint32 kDesktop = 0x80000001;   // system colour: desktop background
constexpr quint32 kTitleText = 0x80000009; // system colour: active title-bar text
} // namespace colors
