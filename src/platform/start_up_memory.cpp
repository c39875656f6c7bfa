#include "platform/start_up_memory.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <link.h>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

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

// The program's own code and constants are mapped read-only from its file
// too, in 64 KiB pieces around each page that runs: building the window runs
// code in every part of the program, and all of it stays resident though
// little runs again. What a later tap or dialog runs is mapped again from the
// file cache. The writable segment (and the relocated data before it) stays.
void releaseOwnCodePages() {
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void*) {
            const quintptr page = quintptr(sysconf(_SC_PAGESIZE));
            for (int i = 0; i < info->dlpi_phnum; ++i) {
                const ElfW(Phdr)& segment = info->dlpi_phdr[i];
                if (segment.p_type != PT_LOAD || (segment.p_flags & PF_W))
                    continue;
                const quintptr start = (info->dlpi_addr + segment.p_vaddr) & ~(page - 1);
                const quintptr end = info->dlpi_addr + segment.p_vaddr + segment.p_memsz;
                madvise(reinterpret_cast<void*>(start), end - start, MADV_DONTNEED);
            }
            return 1; // the program itself comes first; the libraries are shared
        },
        nullptr);
}

} // namespace

void allocateFromOneHeap() {
    mallopt(M_ARENA_MAX, 1);
}

void releaseStartUpMemory() {
    malloc_trim(0);
    releaseFontPages();
    releaseOwnCodePages();
}
