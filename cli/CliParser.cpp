// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "CliParser.h"

#include "MarluneVersion.h"

CliParser::CliParser(QList<CliOption> options) : m_options(std::move(options))
{
    m_options.append({"help", 'h'});
    m_options.append({"version", 'V'});
}

bool CliParser::parse(const CliArgs &args)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QByteArray &arg = args.at(i);
        if (arg == "--") {
            // Before a sub-command it only ends this level's options.
            CliArgs &into = m_stopAtPlain ? m_rest : m_plain;
            // Taken whole when nothing came before: a batch's thousands of names are not
            // copied twice.
            if (into.isEmpty())
                into = args.mid(i + 1);
            else
                into += args.mid(i + 1);
            return true;
        }
        if (!arg.startsWith('-') || arg == "-") {
            if (m_stopAtPlain) {
                m_rest = args.mid(i);
                return true;
            }
            m_plain.append(arg);
            continue;
        }
        if (!(arg.startsWith("--") ? takeLong(args, i) : takeLetters(args, i)))
            return false;
    }
    return true;
}

bool CliParser::takeLong(const CliArgs &args, qsizetype &i)
{
    const QString arg = argText(args.at(i));
    const qsizetype eq = arg.indexOf(QLatin1Char('='));
    const QString name = arg.mid(2, eq < 0 ? -1 : eq - 2);
    const CliOption *option = findLong(name);
    if (!option)
        return fail(QStringLiteral("unknown option '--%1'").arg(name));
    if (!option->takesValue) {
        if (eq >= 0)
            return fail(QStringLiteral("--%1 takes no value").arg(name));
        m_values.insert(name, QString());
        return true;
    }
    if (eq >= 0) {
        m_values.insert(name, arg.mid(eq + 1));
        return true;
    }
    // A value may itself begin with "-": the option asked for one, so it is taken.
    if (i + 1 >= args.size())
        return fail(QStringLiteral("--%1 needs a value").arg(name));
    m_values.insert(name, argText(args.at(++i)));
    return true;
}

bool CliParser::takeLetters(const CliArgs &args, qsizetype i)
{
    // One-letter options are flags, so a group such as "-nh" is several of them.
    for (const char letter : args.at(i).mid(1)) {
        const CliOption *option = findLetter(letter);
        if (!option)
            return fail(QStringLiteral("unknown option '-%1'").arg(QChar::fromLatin1(letter)));
        m_values.insert(QLatin1String(option->name), QString());
    }
    return true;
}

const CliOption *CliParser::findLong(const QString &name) const
{
    for (const CliOption &option : m_options) {
        if (name == QLatin1String(option.name))
            return &option;
    }
    return nullptr;
}

const CliOption *CliParser::findLetter(char letter) const
{
    for (const CliOption &option : m_options) {
        if (option.letter && option.letter == letter && !option.takesValue)
            return &option;
    }
    return nullptr;
}

bool CliParser::fail(const QString &error)
{
    m_error = error;
    return false;
}

std::optional<int> parseOrAnswer(CliParser &parser, const CliArgs &args, CliIo &io, const char *usage)
{
    if (!parser.parse(args))
        return usageError(io, parser.error(), usage);
    if (parser.helpAsked()) {
        io.out << usage;
        return CliOk;
    }
    if (parser.versionAsked()) {
        io.out << "marlune-cli " << MARLUNE_VERSION << '\n';
        return CliOk;
    }
    return std::nullopt;
}
