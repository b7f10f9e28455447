// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "PosixTagFileAccess.h"

#include "TagErrors.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Repeats a positioned read or write until all bytes are through; a call that moves
// nothing (end of file, or a full disk) fails with whenStuck.
template <typename Transfer>
ErrorInfo transferAll(qint64 size, TagErrors::Number whenStuck, Transfer transfer)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = transfer(done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n == 0 ? TagErrors::make(whenStuck) : TagErrors::fromErrno(errno);
        done += n;
    }
    return {};
}

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
        return transferAll(bytes.size(), TagErrors::PathFileAccessError, [&](qint64 done) {
            return ::pread(m_fd, bytes.data() + done, size_t(bytes.size() - done), off_t(pos + done));
        });
    }

    ErrorInfo writeAt(qint64 pos, const QByteArray &bytes) override
    {
        return transferAll(bytes.size(), TagErrors::DiskFull, [&](qint64 done) {
            return ::pwrite(m_fd, bytes.constData() + done, size_t(bytes.size() - done), off_t(pos + done));
        });
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

TagFileAccess::Opened PosixTagFileAccess::open(const QByteArray &native, Mode mode)
{
    if (native.isEmpty())
        return {nullptr, TagErrors::make(TagErrors::FileNotFound)};
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

void PosixTagFileAccess::ignoreFileSizeSignal()
{
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}
