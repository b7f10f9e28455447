// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "FaultyTagFileAccess.h"

#include "PosixTagFileAccess.h"

namespace {

class FaultyOpenFile : public TagOpenFile
{
public:
    FaultyOpenFile(std::unique_ptr<TagOpenFile> real, FaultyTagFileAccess::Step step, ErrorInfo error, int partial)
        : m_real(std::move(real)), m_step(step), m_error(std::move(error)), m_partial(partial)
    {
    }
    qint64 size() const override { return m_real->size(); }
    ErrorInfo readAt(qint64 pos, QByteArray &bytes) override { return m_real->readAt(pos, bytes); }
    ErrorInfo writeAt(qint64 pos, const QByteArray &bytes) override
    {
        if (m_step != FaultyTagFileAccess::Step::Write)
            return m_real->writeAt(pos, bytes);
        // Fail once, after a partial write, as a disk that fills up mid-way does.
        m_step = FaultyTagFileAccess::Step::None;
        m_real->writeAt(pos, bytes.left(m_partial));
        return m_error;
    }
    ErrorInfo truncate(qint64 length) override { return m_real->truncate(length); }
    ErrorInfo close() override
    {
        const ErrorInfo real = m_real->close();
        return m_step == FaultyTagFileAccess::Step::Close ? m_error : real;
    }

private:
    std::unique_ptr<TagOpenFile> m_real;
    FaultyTagFileAccess::Step m_step;
    ErrorInfo m_error;
    int m_partial;
};

} // namespace

TagFileAccess::Opened FaultyTagFileAccess::open(const QByteArray &path, Mode mode)
{
    ++m_opens[mode == Mode::Read ? 0 : 1];
    if (mode == Mode::ReadWrite && m_step == Step::OpenForWrite)
        return {nullptr, m_error};
    Opened opened = PosixTagFileAccess::instance().open(path, mode);
    if (!opened.file || mode == Mode::Read)
        return opened;
    return {std::make_unique<FaultyOpenFile>(std::move(opened.file), m_step, m_error, m_partial), {}};
}
