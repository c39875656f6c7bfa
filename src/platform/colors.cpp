#include "platform/colors.h"

QColor bgrColor(quint32 value) {
    if (value & 0x80000000u) {
        switch (value & 0xFFu) {
        case 1: // desktop background: the classic desktop blue
            return QColor(0x3A, 0x6E, 0xA5);
        case 9: // active title-bar text
            return QColor(Qt::white);
        default:
            return QColor(Qt::lightGray);
        }
    }
    return QColor(int(value & 0xFFu), int((value >> 8) & 0xFFu), int((value >> 16) & 0xFFu));
}
