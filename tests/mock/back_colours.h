#pragma once

#include "platform/colors.h"

// Every back colour the program paints: those of the layout tables, of the
// press colours and of the text panel's modes. A highlight or mark drawn
// over a target must stand out on each.
inline const quint32 kBackColours[] = {colors::kWhite,     colors::kBlack,  colors::kSilver,
                                       colors::kHighlight, colors::kWindow, colors::kDesktop,
                                       colors::kTitleText, 0xFFC0C0,        0xC0FFC0,
                                       0xC0C0FF,           0xC98391,        0xC0E0FF,
                                       0xC00000,           0xC000,          0x8000,
                                       0x8080FF,           0x808080};
