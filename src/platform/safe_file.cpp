#include "platform/safe_file.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QList>
#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace safe_file {
namespace {

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

// A file descriptor, closed when it goes out of scope unless closed before.
class Descriptor {
public:
    explicit Descriptor(int fd)
        : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return m_fd; }
    // Some file systems report a write that failed only when the file is
    // closed, so the result counts.
    bool close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// A file system that cannot sync (EINVAL) has nothing left to flush.
bool syncFile(int fd) {
    return ::fsync(fd) == 0 || errno == EINVAL;
}

// Makes the renames in a folder durable. The rename has been made whatever this
// reports, so its result cannot change what the save did.
void syncFolder(const QString& folder) {
    const Descriptor fd(::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0)
        ::fsync(fd.get());
}

// The name of a temporary file of a save of target: "<target>.XXXXXX".
QString temporaryName(const QString& target) {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString name = target + QLatin1Char('.');
    for (int i = 0; i < 6; ++i)
        name +=
            QLatin1Char(kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)]);
    return name;
}

// Calls make(name) with fresh temporary names until it succeeds or fails for
// another reason than the name being taken. The name used, or empty.
template <typename Make> QString withFreshName(const QString& target, Make make) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name = temporaryName(target);
        if (make(native(name)))
            return name;
        if (errno != EEXIST)
            return {};
    }
    return {};
}

// The file that a save of path replaces: path itself, or the file that a link
// at path leads to. None when anything but a regular file or nothing stands
// there. `existing` receives the file's status when it exists.
std::optional<QString> saveTarget(const QString& path, std::optional<struct stat>& existing) {
    struct stat status {};
    if (::lstat(native(path).constData(), &status) != 0) {
        if (errno != ENOENT)
            return std::nullopt;
        existing.reset();
        return path;
    }
    QString target = path;
    if (S_ISLNK(status.st_mode)) {
        char* resolved = ::realpath(native(path).constData(), nullptr);
        if (!resolved)
            return std::nullopt; // a loop, or a link to nothing
        target = QFile::decodeName(resolved);
        std::free(resolved);
        if (::stat(native(target).constData(), &status) != 0)
            return std::nullopt;
    }
    // A file its owner made read-only is meant to stay as it is.
    if (!S_ISREG(status.st_mode) || ::access(native(target).constData(), W_OK) != 0)
        return std::nullopt;
    existing = status;
    return target;
}

// Writes bytes into a new temporary file beside target and syncs it. Its
// name, or empty when any step failed; nothing is then left behind.
QString writeTemporary(const QString& target, const QByteArray& bytes,
                       const std::optional<struct stat>& existing) {
    int fd = -1;
    // Until it takes the existing file's permissions, the new content is
    // readable by its owner only.
    const mode_t mode = existing ? 0600 : 0666;
    const QString name = withFreshName(target, [&fd, mode](const QByteArray& candidate) {
        fd = ::open(candidate.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        return fd >= 0;
    });
    if (name.isEmpty())
        return {};
    Descriptor file(fd);
    // Permissions are kept where the file system can hold them (not on FAT).
    if (existing)
        (void)::fchmod(file.get(), existing->st_mode & 07777);
    if (!writeAll(file.get(), bytes) || !syncFile(file.get()) || !file.close()) {
        ::unlink(native(name).constData());
        return {};
    }
    return name;
}

// The current content of target under a temporary name beside it: a second
// name for the same file, which takes no room on a full disk, or a copy where
// the file system has no such names (FAT). Empty when neither can be made.
QString keepCurrent(const QString& target, const std::optional<struct stat>& existing) {
    const QByteArray source = native(target);
    const QString linked = withFreshName(target, [&source](const QByteArray& candidate) {
        return ::link(source.constData(), candidate.constData()) == 0;
    });
    if (!linked.isEmpty())
        return linked;
    if (errno != EPERM && errno != EXDEV && errno != EMLINK && errno != ENOTSUP &&
        errno != EOPNOTSUPP && errno != ENOSYS)
        return {};
    const ReadResult current = read(target);
    if (current.status != ReadStatus::Read)
        return {};
    return writeTemporary(target, current.bytes, existing);
}

QString generationName(const QString& target, int generation) {
    return target + QLatin1Char('.') + QString::number(generation);
}

// "<target>.1" becomes the current content, the older generations move up one
// and the oldest drops off. The current content is kept under a temporary
// name first, so that no generation is moved unless it can be made; a move
// that fails stops here. Either way target itself is untouched.
bool rotateGenerations(const QString& target, int generations,
                       const std::optional<struct stat>& existing) {
    const QString kept = keepCurrent(target, existing);
    if (kept.isEmpty())
        return false;
    for (int generation = generations - 1; generation >= 1; --generation) {
        if (::rename(native(generationName(target, generation)).constData(),
                     native(generationName(target, generation + 1)).constData()) != 0 &&
            errno != ENOENT) {
            ::unlink(native(kept).constData());
            return false;
        }
    }
    if (::rename(native(kept).constData(), native(generationName(target, 1)).constData()) != 0) {
        ::unlink(native(kept).constData());
        return false;
    }
    return true;
}

} // namespace

ReadResult read(const QString& path) {
    const QByteArray name = native(path);
    struct stat status {};
    // The kind of file is known before it is opened: opening a device can act
    // on it, and a pipe would wait for a writer.
    if (::stat(name.constData(), &status) != 0) {
        if (errno == ENOENT)
            return {ReadStatus::Absent, {}};
        return {errno == ELOOP ? ReadStatus::NotRegular : ReadStatus::Unreadable, {}};
    }
    if (!S_ISREG(status.st_mode))
        return {ReadStatus::NotRegular, {}};
    if (status.st_size > kMaxBytes)
        return {ReadStatus::TooLarge, {}};
    // Something else may have taken the name meanwhile: the descriptor is
    // checked again, and opening does not wait for it.
    const Descriptor fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0)
        return {errno == ENOENT ? ReadStatus::Absent : ReadStatus::Unreadable, {}};
    if (::fstat(fd.get(), &status) != 0)
        return {ReadStatus::Unreadable, {}};
    if (!S_ISREG(status.st_mode))
        return {ReadStatus::NotRegular, {}};
    if (status.st_size > kMaxBytes)
        return {ReadStatus::TooLarge, {}};
    QByteArray bytes;
    bytes.reserve(qsizetype(status.st_size));
    std::array<char, 65536> buffer{};
    for (;;) {
        const ssize_t count = ::read(fd.get(), buffer.data(), buffer.size());
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return {ReadStatus::Unreadable, {}};
        }
        if (count == 0)
            break;
        if (bytes.size() + count > kMaxBytes)
            return {ReadStatus::TooLarge, {}};
        bytes.append(buffer.data(), count);
    }
    return {ReadStatus::Read, bytes};
}

// The order of the steps: the new content is written and synced under a
// temporary name; only then are the generations rotated (a second name for the
// current file, then renames, none of which needs room); last, one rename puts
// the new content in place. A failure before the last step leaves the file as
// it was, and the last step either happens whole or not at all.
bool save(const QString& path, const QByteArray& bytes, int generations) {
    std::optional<struct stat> existing;
    const std::optional<QString> target = saveTarget(path, existing);
    if (!target)
        return false;
    const QString written = writeTemporary(*target, bytes, existing);
    if (written.isEmpty())
        return false;
    if ((existing && generations > 0 && !rotateGenerations(*target, generations, existing)) ||
        ::rename(native(written).constData(), native(*target).constData()) != 0) {
        ::unlink(native(written).constData());
        return false;
    }
    syncFolder(QFileInfo(*target).absolutePath());
    return true;
}

namespace {
// Whether name is one that save() gives a temporary file of target:
// "<target>.XXXXXX", six ASCII letters or digits.
bool isTemporaryOf(QByteArrayView name, QByteArrayView target) {
    constexpr qsizetype kRandom = 6;
    if (name.size() != target.size() + 1 + kRandom || !name.startsWith(target) ||
        name.at(target.size()) != '.')
        return false;
    const QByteArrayView random = name.last(kRandom);
    return std::all_of(random.begin(), random.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    });
}
} // namespace

// Each folder is read once for all its files, entry by entry: a data folder
// holds the program's recordings too, hundreds of names.
void removeStrayTemporaries(const QStringList& paths, const QDateTime& before) {
    QHash<QString, QList<QByteArray>> targetsByFolder;
    for (const QString& path : paths) {
        std::optional<struct stat> existing;
        const QFileInfo target(saveTarget(path, existing).value_or(path));
        targetsByFolder[target.absolutePath()].append(native(target.fileName()));
    }
    const qint64 limit = before.toMSecsSinceEpoch();
    for (auto it = targetsByFolder.cbegin(); it != targetsByFolder.cend(); ++it) {
        const QByteArray folder = native(it.key()) + '/';
        DIR* dir = ::opendir(folder.constData());
        if (!dir)
            continue;
        while (const dirent* entry = ::readdir(dir)) {
            const QByteArrayView name(entry->d_name);
            if (std::none_of(it->cbegin(), it->cend(), [name](const QByteArray& target) {
                    return isTemporaryOf(name, target);
                }))
                continue;
            const QByteArray file = folder + name.toByteArray();
            struct stat status {};
            if (::lstat(file.constData(), &status) != 0 || !S_ISREG(status.st_mode))
                continue;
            const qint64 changed =
                qint64(status.st_mtim.tv_sec) * 1000 + qint64(status.st_mtim.tv_nsec) / 1000000;
            if (changed < limit)
                ::unlink(file.constData());
        }
        ::closedir(dir);
    }
}

} // namespace safe_file
