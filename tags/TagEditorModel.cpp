// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "TagEditorModel.h"

#include "AutoTagRule.h"
#include "GenreTable.h"

#include <algorithm>

namespace {

constexpr int Backspace = 8, Enter = 13, Escape = 27;

bool isTextField(int index)
{
    return index >= 0 && index <= 5 && index != 4;
}

} // namespace

TagEditorModel::TagEditorModel(TagFileAccess *access)
    : m_veltro(access)
{
}

int TagEditorModel::fieldLength(int index)
{
    return index == Year ? 4 : 30;
}

QString TagEditorModel::fitField(int index, const QString &text)
{
    if (index != Year)
        return text.left(fieldLength(index));
    const auto isDigit = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
    // Every loaded year already fits; it is shared, not copied.
    if (text.size() <= fieldLength(Year) && std::all_of(text.begin(), text.end(), isDigit))
        return text;
    QString digits;
    for (QChar c : text) {
        if (isDigit(c))
            digits += c;
    }
    return digits.left(fieldLength(index));
}

TagEditorModel::KeyAction TagEditorModel::keyAction(int index, int charCode)
{
    if (charCode == Enter)
        return KeyAction::Save;
    if (charCode == Escape)
        return KeyAction::Cancel;
    if (index != Year)
        return KeyAction::Insert;
    const bool digit = charCode >= '0' && charCode <= '9';
    return digit || charCode == Backspace ? KeyAction::Insert : KeyAction::Discard;
}

QStringList TagEditorModel::genreEntries()
{
    return GenreTable::listEntries();
}

QString TagEditorModel::txtTag(int index) const
{
    return isTextField(index) ? m_fields[size_t(index)] : QString();
}

void TagEditorModel::setTxtTag(int index, const QString &text)
{
    if (isTextField(index))
        m_fields[size_t(index)] = fitField(index, text);
}

void TagEditorModel::setGenreIndex(int index)
{
    m_genreIndex = index >= 0 && index <= GenreTable::BlankIndex ? index : -1;
    m_genreChosen = true;
}

void TagEditorModel::DisplayInfo(const NativeName &sFile, Veltro::Intent intent)
{
    m_file = sFile.text();
    m_veltro.setTag_file(sFile, intent);
    setTxtTag(Album, m_veltro.tag_album());
    setTxtTag(Artist, m_veltro.tag_artist());
    setTxtTag(Comment, m_veltro.tag_comment());
    setTxtTag(Title, m_veltro.tag_title());
    // Most files carry no year: "0" then comes without building a string.
    setTxtTag(Year, m_veltro.tag_year() == 0 ? QStringLiteral("0") : QString::number(m_veltro.tag_year()));
    m_loadedGenre = m_veltro.tag_genre();
    m_genreIndex = GenreTable::listIndexForNumber(m_loadedGenre);
    m_genreChosen = false;
}

void TagEditorModel::AutoTag()
{
    const std::optional<AutoTagRule::Names> names = AutoTagRule::namesFromPath(m_veltro.tag_file());
    if (!names)
        return;
    setTxtTag(Artist, names->artist);
    setTxtTag(Title, names->title);
    if (AutoTagRule::isBlankComment(m_veltro.tag_comment()))
        setTxtTag(Comment, AutoTagRule::defaultComment());
}

quint8 TagEditorModel::chosenGenre() const
{
    // Until the user picks an entry the list shows the loaded number (or the blank
    // entry for a number without a row), so that number is what goes back.
    return m_genreChosen ? GenreTable::numberForListIndex(m_genreIndex) : m_loadedGenre;
}

ErrorInfo TagEditorModel::WriteTag()
{
    m_veltro.setTag_album(txtTag(Album));
    m_veltro.setTag_artist(txtTag(Artist));
    m_veltro.setTag_comment(txtTag(Comment));
    m_veltro.setTag_genre(chosenGenre());
    m_veltro.setTag_title(txtTag(Title));
    const QString year = txtTag(Year).trimmed();
    m_veltro.setTag_year(year.isEmpty() ? 0 : year.toShort());
    return m_veltro.SaveTag();
}

QString TagEditorModel::writeFailureText(const ErrorInfo &error) const
{
    return error.shownDescription() + QStringLiteral("\r\n") + m_veltro.tag_file();
}

ErrorInfo TagEditorModel::autoTagFile(const NativeName &path)
{
    DisplayInfo(path, Veltro::Intent::Write);
    AutoTag();
    return WriteTag();
}
