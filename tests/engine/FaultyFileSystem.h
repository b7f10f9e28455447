// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "NativeFileSystem.h"

#include <QMap>
#include <QStringList>

// The real file system with faults injected per call, so tests can meet a busy file, a
// locked folder or a read-only disk while running as root. Each fault is an errno code
// returned by the named call (for the nth call onward when `from` is set); every call is
// logged.
class FaultyFileSystem : public NativeFileSystem
{
public:
    enum Call { RenameNoReplace, HardLink, RemoveFile, RenameReplacing };

    void fail(Call call, int code, int fromCall = 1) { m_faults[call] = {code, fromCall}; }
    void pretendSameFile(bool same) { m_sameFile = same; }
    // As exFAT through FUSE: every spelling its own inode, the folder listing the truth.
    void pretendListed(bool listed) { m_listed = listed; }

    int renameNoReplace(const QByteArray &from, const QByteArray &to) override
    {
        return run(RenameNoReplace, from, to, [&] { return NativeFileSystem::renameNoReplace(from, to); });
    }
    int hardLink(const QByteArray &from, const QByteArray &to) override
    {
        return run(HardLink, from, to, [&] { return NativeFileSystem::hardLink(from, to); });
    }
    int removeFile(const QByteArray &path) override
    {
        return run(RemoveFile, path, QByteArray(), [&] { return NativeFileSystem::removeFile(path); });
    }
    int renameReplacing(const QByteArray &from, const QByteArray &to) override
    {
        return run(RenameReplacing, from, to, [&] { return NativeFileSystem::renameReplacing(from, to); });
    }
    bool sameFile(const QByteArray &a, const QByteArray &b) override
    {
        return m_sameFile.value_or(NativeFileSystem::sameFile(a, b));
    }
    bool listsName(const QByteArray &folder, const QByteArray &name) override
    {
        return m_listed.value_or(NativeFileSystem::listsName(folder, name));
    }
    // Whatever the temporary folder's own file system does, so identities compare alike
    // on every machine; false is a FAT or exFAT stick.
    bool lastingInodes(const QByteArray &) override { return inodesLast; }

    QStringList log;
    bool inodesLast = true;

private:
    struct Fault { int code; int fromCall; };

    template <typename Real>
    int run(Call call, const QByteArray &a, const QByteArray &b, Real real)
    {
        static const char *const names[] = {"renameNoReplace", "hardLink", "removeFile", "renameReplacing"};
        log << QStringLiteral("%1 %2 %3").arg(QLatin1String(names[call]), QString::fromUtf8(a).section(u'/', -1),
                                                                     QString::fromUtf8(b).section(u'/', -1)).trimmed();
        const int n = ++m_calls[call];
        const auto fault = m_faults.constFind(call);
        if (fault != m_faults.cend() && n >= fault->fromCall)
            return fault->code;
        return real();
    }

    QMap<Call, Fault> m_faults;
    QMap<Call, int> m_calls;
    std::optional<bool> m_sameFile;
    std::optional<bool> m_listed;
};
