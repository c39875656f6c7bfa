#include "platform/start_up_memory.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <malloc.h>
#include <sys/mman.h>

namespace {

bool isFontFile(const QByteArray& path) {
    return path.endsWith(".ttf") || path.endsWith(".otf") || path.endsWith(".ttc");
}

// The fonts are mapped read-only from their files, so their pages can be
// dropped at any time and read again from the file cache when needed.
void releaseFontPages() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 6 || !isFontFile(fields.at(5)) || fields.at(1).startsWith("rw"))
            continue;
        const QList<QByteArray> range = fields.at(0).split('-');
        if (range.size() != 2)
            continue;
        const quintptr start = range.at(0).toULongLong(nullptr, 16);
        const quintptr end = range.at(1).toULongLong(nullptr, 16);
        void* const address = reinterpret_cast<void*>(start);
        madvise(address, end - start, MADV_RANDOM);
        madvise(address, end - start, MADV_DONTNEED);
    }
}

} // namespace

void allocateFromOneHeap() {
    mallopt(M_ARENA_MAX, 1);
}

void releaseStartUpMemory() {
    malloc_trim(0);
    releaseFontPages();
}
