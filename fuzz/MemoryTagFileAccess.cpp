// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "MemoryTagFileAccess.h"

#include "TagErrors.h"

class MemoryTagOpenFile : public TagOpenFile
{
public:
    MemoryTagOpenFile(MemoryTagFileAccess &access, bool writable) : m_access(access), m_writable(writable) {}

    qint64 size() const override { return m_access.m_contents.size(); }

    ErrorInfo readAt(qint64 pos, QByteArray &bytes) override
    {
        if (pos < 0 || pos + bytes.size() > size())
            return TagErrors::make(TagErrors::DeviceIoError);
        bytes = m_access.m_contents.mid(pos, bytes.size());
        return {};
    }

    ErrorInfo writeAt(qint64 pos, const QByteArray &bytes) override
    {
        if (!m_writable || pos < 0 || pos > size())
            return TagErrors::make(TagErrors::PermissionDenied);
        const int failAfter = m_access.m_failAfter;
        const qsizetype n = failAfter < 0 ? bytes.size() : qMin<qsizetype>(failAfter, bytes.size());
        QByteArray &contents = m_access.m_contents;
        if (pos + n > contents.size())
            contents.resize(pos + n);
        contents.replace(pos, n, bytes.left(n));
        return n == bytes.size() ? ErrorInfo{} : TagErrors::make(TagErrors::DiskFull);
    }

    ErrorInfo truncate(qint64 length) override
    {
        if (!m_writable)
            return TagErrors::make(TagErrors::PermissionDenied);
        m_access.m_contents.truncate(length);
        return {};
    }

    ErrorInfo close() override { return {}; }

private:
    MemoryTagFileAccess &m_access;
    bool m_writable;
};

TagFileAccess::Opened MemoryTagFileAccess::open(const QByteArray &, Mode mode)
{
    return {std::make_unique<MemoryTagOpenFile>(*this, mode == Mode::ReadWrite), {}};
}
