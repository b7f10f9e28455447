// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QByteArray>
#include <QString>

// A file or folder name (or a whole path) as two things that must not be confused: the
// exact bytes the file system knows it by, and the text the user sees and the naming
// modes work on. On Linux the bytes need not be UTF-8 (collections named on Windows);
// on Windows names are UTF-16, kept here as their UTF-8 form, which loses nothing.
// Every file-system call takes native(); every message and proposal takes text().
class NativeName
{
public:
    NativeName() = default;
    NativeName(QByteArray native, QString text) : m_native(std::move(native)), m_text(std::move(text)) {}

    // A name the program made or the user typed: written in UTF-8, as every new name is.
    static NativeName fromText(const QString &text);

    const QByteArray &native() const { return m_native; }
    const QString &text() const { return m_text; }
    bool isEmpty() const { return m_native.isEmpty(); }

    // This folder with the platform's separator appended unless it ends with one
    // (AddSlash on both forms).
    NativeName withSlash() const;
    // This folder, one separator unless it already ends with one, then name.
    NativeName joined(const NativeName &name) const;

    // Two names are the same file name only when their bytes are the same.
    friend bool operator==(const NativeName &a, const NativeName &b) { return a.m_native == b.m_native; }

private:
    QByteArray m_native;
    QString m_text;
};
