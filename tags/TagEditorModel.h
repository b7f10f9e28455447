// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "ErrorInfo.h"
#include "GenreCollection.h"
#include "Veltro.h"

#include <QString>
#include <QStringList>
#include <array>

class TagFileAccess;

// Everything the tag editor window does that needs no widget: its fields with their
// lengths and key rules, the genre selection, and the public operations DisplayInfo,
// AutoTag and WriteTag over its own Veltro instance. The window mirrors these fields
// into its line edits and combo box; marlune-cli drives the same model without a window.
class TagEditorModel
{
public:
    // Indexes of txtTag; there is no 4, the genre list stands in that place.
    enum Field { Title = 0, Artist = 1, Album = 2, Year = 3, Comment = 5 };
    enum class KeyAction { Insert, Discard, Save, Cancel };

    explicit TagEditorModel(TagFileAccess *access = nullptr);

    // Most characters a field holds: 30, the Year field 4.
    static int fieldLength(int index);
    // What a field keeps of a text put into it: cut to its length; the Year field
    // keeps digits only (typed or pasted).
    static QString fitField(int index, const QString &text);
    // What a typed character does in txtTag(index): Enter saves, Escape cancels, the
    // Year field lets only digits and Backspace in.
    static KeyAction keyAction(int index, int charCode);

    // The entries of cboGenre (148 names, then " ") and the collection Genres_.
    static QStringList genreEntries();
    const GenreCollection &Genres_() const { return m_genres; }

    QString txtFile() const { return m_file; }
    QString txtTag(int index) const;
    void setTxtTag(int index, const QString &text);
    // The genre list's selected index: 0..147 a row, 148 the blank entry, -1 none.
    int genreIndex() const { return m_genreIndex; }
    // The user chose an entry; from then on saving writes that entry's number.
    void setGenreIndex(int index);

    Veltro &veltro() { return m_veltro; }
    const Veltro &veltro() const { return m_veltro; }

    // Loads the tag of sFile into the fields. A genre number without a row shows
    // the blank entry, and is written back unchanged unless the user chooses another.
    // Intent::Write when WriteTag follows at once: the file is then opened only once.
    void DisplayInfo(const NativeName &sFile, Veltro::Intent intent = Veltro::Intent::Read);
    void DisplayInfo(const QString &sFile, Veltro::Intent intent = Veltro::Intent::Read)
    {
        DisplayInfo(NativeName::fromText(sFile), intent);
    }
    // Fills Artist and Title from the loaded file's name, and Comment when the loaded
    // comment is blank; a name that does not fit the rule changes nothing.
    void AutoTag();
    // Writes the fields as the tag of the file last loaded; 0 on success.
    ErrorInfo WriteTag();
    // The text of the critical-stop message for a failed WriteTag: the description,
    // CR LF, and the file's path.
    QString writeFailureText(const ErrorInfo &error) const;

    // One file of the automatic tagging pass: DisplayInfo, AutoTag, WriteTag.
    ErrorInfo autoTagFile(const NativeName &path);
    ErrorInfo autoTagFile(const QString &path) { return autoTagFile(NativeName::fromText(path)); }

    // Set when the user leaves the editor with Cancel; the Edit command reads it.
    bool b_Stop = false;

private:
    quint8 chosenGenre() const;

    Veltro m_veltro;
    GenreCollection m_genres;
    QString m_file;
    std::array<QString, 6> m_fields;
    int m_genreIndex = -1;
    bool m_genreChosen = false;
    quint8 m_loadedGenre = 255;
};
