#pragma once

#include "platform/grid_model.h"
#include "platform/record_file.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

// Data-file fixtures as raw bytes, written and read without the program's codec.
inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Records as the program stores and reads them.
inline bool writeRecordsTo(const QString& path, const QStringList& records) {
    RecordFile file(path);
    return file.write(file.encode(records));
}

inline QStringList readRecordsFrom(const QString& path) {
    return RecordFile(path).read();
}

inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QStringList columnTexts(const GridModel& grid, int col) {
    QStringList texts;
    for (int row = 0; row < grid.rows(); ++row)
        texts.append(grid.text(row, col));
    return texts;
}

// Code page 932 bytes of texts used by several tests.
namespace cp932bytes {
inline const QByteArray kPlaceholder = QByteArray::fromHex(
    "82A0 82A0 82A0 82A0 93FA 8B4C 835F 837E 815B 8FC1 82B3 82C8 82A2 82C5 82CB 8149");
inline const QByteArray kOhayou = QByteArray::fromHex("82A8 82CD 82E6 82A4"); // おはよう
inline const QByteArray kHare = QByteArray::fromHex("90B0 82EA");             // 晴れ
} // namespace cp932bytes
