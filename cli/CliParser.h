// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "CliIo.h"

#include <QHash>
#include <QList>
#include <QString>
#include <optional>

// One option of a command: its long name ("mode" for --mode), an optional one-letter
// name (for flags only), and whether it takes a value.
struct CliOption
{
    const char *name;
    char letter = 0;
    bool takesValue = false;
};

// The one grammar every marlune-cli command parses with: "--" ends the options,
// "--opt=value" and "--opt value", one-letter flags alone or grouped ("-nh"), and
// -h/--help and -V/--version everywhere. An unknown option or a missing value stops the
// parse with a message. FILE arguments are kept as the bytes the system gave, never
// decoded and encoded again.
class CliParser
{
public:
    explicit CliParser(QList<CliOption> options);

    // Commands with sub-commands stop at their first plain argument: it and everything
    // after it are left for the sub-command, in rest().
    void stopAtFirstPlainArgument() { m_stopAtPlain = true; }

    // false when the arguments break the grammar; error() says how.
    bool parse(const CliArgs &args);

    QString error() const { return m_error; }
    bool isSet(const char *name) const { return m_values.contains(QLatin1String(name)); }
    // The value given last, or an empty text.
    QString value(const char *name) const { return m_values.value(QLatin1String(name)); }
    bool helpAsked() const { return isSet("help"); }
    bool versionAsked() const { return isSet("version"); }
    const CliArgs &plainArguments() const { return m_plain; }
    const CliArgs &rest() const { return m_rest; }

private:
    const CliOption *findLong(const QString &name) const;
    const CliOption *findLetter(char letter) const;
    bool takeLong(const CliArgs &args, qsizetype &i);
    bool takeLetters(const CliArgs &args, qsizetype i);
    bool fail(const QString &error);

    QList<CliOption> m_options;
    bool m_stopAtPlain = false;
    QHash<QString, QString> m_values;
    CliArgs m_plain;
    CliArgs m_rest;
    QString m_error;
};

// Parses a command's arguments and answers what needs no command: --help prints usage,
// --version the version, a broken grammar a usage error. nullopt when the command is
// to run; else its exit status.
std::optional<int> parseOrAnswer(CliParser &parser, const CliArgs &args, CliIo &io, const char *usage);
