#include "PosixTagFileAccess.h"

#include "TagErrors.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class PosixOpenFile : public TagOpenFile
{
public:
    PosixOpenFile(int fd, qint64 size) : m_fd(fd), m_size(size) {}
    ~PosixOpenFile() override
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    qint64 size() const override { return m_size; }

    ErrorInfo readAt(qint64 pos, QByteArray &bytes) override
    {
        qint64 done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::pread(m_fd, bytes.data() + done, size_t(bytes.size() - done), off_t(pos + done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return n == 0 ? TagErrors::make(TagErrors::PathFileAccessError) : TagErrors::fromErrno(errno);
            done += n;
        }
        return {};
    }

    ErrorInfo writeAt(qint64 pos, const QByteArray &bytes) override
    {
        qint64 done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::pwrite(m_fd, bytes.constData() + done, size_t(bytes.size() - done), off_t(pos + done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return n == 0 ? TagErrors::make(TagErrors::DiskFull) : TagErrors::fromErrno(errno);
            done += n;
        }
        return {};
    }

    ErrorInfo truncate(qint64 length) override
    {
        if (::ftruncate(m_fd, off_t(length)) != 0)
            return TagErrors::fromErrno(errno);
        return {};
    }

    ErrorInfo close() override
    {
        const int fd = m_fd;
        m_fd = -1;
        if (::close(fd) != 0 && errno != EINTR)
            return TagErrors::fromErrno(errno);
        return {};
    }

private:
    int m_fd;
    qint64 m_size;
};

} // namespace

TagFileAccess::Opened PosixTagFileAccess::open(const QString &path, Mode mode)
{
    if (path.isEmpty())
        return {nullptr, TagErrors::make(TagErrors::FileNotFound)};
    const QByteArray native = QFile::encodeName(path);
    const int flags = (mode == Mode::Read ? O_RDONLY : O_RDWR) | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    const int fd = ::open(native.constData(), flags);
    if (fd < 0)
        return {nullptr, TagErrors::fromErrno(errno)};
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int err = errno;
        ::close(fd);
        // Directories, pipes and devices named like songs are no place for a tag.
        return {nullptr, S_ISREG(st.st_mode) ? TagErrors::fromErrno(err) : TagErrors::make(TagErrors::PathFileAccessError)};
    }
    return {std::make_unique<PosixOpenFile>(fd, qint64(st.st_size)), {}};
}

PosixTagFileAccess &PosixTagFileAccess::instance()
{
    static PosixTagFileAccess access;
    return access;
}
