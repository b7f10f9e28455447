// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "RawProcess.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

QByteArray readAll(int fd)
{
    QByteArray bytes;
    ::lseek(fd, 0, SEEK_SET);
    char buffer[4096];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, n);
    ::close(fd);
    return bytes;
}

// Output goes to unnamed temporary files, so a chatty child never blocks on a pipe.
int scratchFile()
{
    char name[] = "/tmp/rawprocess-XXXXXX";
    const int fd = ::mkstemp(name);
    if (fd >= 0)
        ::unlink(name);
    return fd;
}

std::vector<QByteArray> mergedEnvironment(const QList<QByteArray> &extra)
{
    std::vector<QByteArray> env;
    for (char **e = environ; *e; ++e) {
        const QByteArray entry(*e);
        const QByteArray key = entry.left(entry.indexOf('=') + 1);
        bool replaced = false;
        for (const QByteArray &x : extra)
            replaced = replaced || x.startsWith(key);
        if (!replaced)
            env.push_back(entry);
    }
    env.insert(env.end(), extra.begin(), extra.end());
    return env;
}

} // namespace

RawProcess::Result RawProcess::run(const QList<QByteArray> &args) const
{
    // Everything the child needs is built before fork: after it only exec-safe calls.
    std::vector<QByteArray> argStore{program};
    argStore.insert(argStore.end(), args.begin(), args.end());
    std::vector<char *> argv;
    for (QByteArray &a : argStore)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<QByteArray> envStore = mergedEnvironment(environment);
    std::vector<char *> envp;
    for (QByteArray &e : envStore)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    const int out = scratchFile(), err = scratchFile();
    const int in = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (!workingFolder.isEmpty() && ::chdir(workingFolder.constData()) != 0)
            ::_exit(126);
        ::dup2(in, 0);
        ::dup2(out, 1);
        ::dup2(err, 2);
        ::execve(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
    ::close(in);
    int wstatus = 0;
    Result result;
    if (pid > 0 && ::waitpid(pid, &wstatus, 0) == pid && WIFEXITED(wstatus))
        result.status = WEXITSTATUS(wstatus);
    result.out = readAll(out);
    result.err = readAll(err);
    return result;
}
