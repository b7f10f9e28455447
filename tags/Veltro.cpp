// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "Veltro.h"

#include "PosixTagFileAccess.h"
#include "TagErrors.h"

#include <utility>

namespace {

// Where the record goes: over the file's last 128 bytes when they are a tag,
// else after the end. Also gives back the bytes it replaces.
struct Placement
{
    qint64 pos = 0;
    QByteArray previous; // empty when appending
    ErrorInfo error;
};

Placement placeRecord(TagOpenFile &file)
{
    const qint64 size = file.size();
    if (size < Id3v1Record::Size)
        return {size, {}, {}};
    QByteArray tail(Id3v1Record::Size, '\0');
    if (ErrorInfo e = file.readAt(size - Id3v1Record::Size, tail))
        return {0, {}, e};
    if (Id3v1Record::isTag(tail))
        return {size - Id3v1Record::Size, tail, {}};
    return {size, {}, {}};
}

// Puts back what a failed write may have half changed, so the file is as it was.
void undoWrite(TagOpenFile &file, const Placement &place)
{
    if (place.previous.isEmpty())
        file.truncate(place.pos);
    else
        file.writeAt(place.pos, place.previous);
}

} // namespace

Veltro::Veltro(TagFileAccess *access)
    : m_access(access ? *access : PosixTagFileAccess::instance())
{
}

void Veltro::setTag_file(const NativeName &path, Intent intent)
{
    m_held.reset();
    m_loadedRecord.clear();
    m_writeError = {};
    m_file = path;
    m_tag = {};
    m_hasTag = false;
    m_loadError = intent == Intent::Write ? loadForWriting() : load();
}

ErrorInfo Veltro::readTag(TagOpenFile &file)
{
    if (file.size() < Id3v1Record::Size)
        return {};
    QByteArray tail(Id3v1Record::Size, '\0');
    if (ErrorInfo e = file.readAt(file.size() - Id3v1Record::Size, tail))
        return e;
    m_hasTag = Id3v1Record::isTag(tail);
    m_tag = Id3v1Record::parse(tail);
    if (m_hasTag)
        m_loadedRecord = tail;
    return {};
}

ErrorInfo Veltro::load()
{
    TagFileAccess::Opened opened = m_access.open(m_file.native(), TagFileAccess::Mode::Read);
    if (!opened.file)
        return opened.error;
    if (ErrorInfo e = readTag(*opened.file))
        return e;
    return opened.file->close();
}

ErrorInfo Veltro::loadForWriting()
{
    TagFileAccess::Opened opened = m_access.open(m_file.native(), TagFileAccess::Mode::ReadWrite);
    if (!opened.file) {
        m_writeError = opened.error;
        // A file that is there but refuses writing is still shown; a missing one
        // would only fail the same way again.
        return opened.error.number == TagErrors::FileNotFound ? opened.error : load();
    }
    if (ErrorInfo e = readTag(*opened.file)) {
        m_writeError = e;
        return e;
    }
    m_held = std::move(opened.file);
    return {};
}

ErrorInfo Veltro::SaveTag()
{
    // A Write load serves the one save that follows it; later saves open the file anew.
    if (ErrorInfo e = std::exchange(m_writeError, {}))
        return e;
    if (std::unique_ptr<TagOpenFile> held = std::move(m_held)) {
        const qint64 pos = held->size() - (m_hasTag ? Id3v1Record::Size : 0);
        return save(*held, pos, std::exchange(m_loadedRecord, {}));
    }
    TagFileAccess::Opened opened = m_access.open(m_file.native(), TagFileAccess::Mode::ReadWrite);
    if (!opened.file)
        return opened.error;
    const Placement place = placeRecord(*opened.file);
    if (place.error)
        return place.error;
    return save(*opened.file, place.pos, place.previous);
}

// Writes the record at pos over previous (empty: appends) and closes the file.
ErrorInfo Veltro::save(TagOpenFile &file, qint64 pos, const QByteArray &previous)
{
    if (ErrorInfo e = file.writeAt(pos, m_tag.render())) {
        undoWrite(file, {pos, previous, {}});
        return e;
    }
    if (ErrorInfo e = file.close())
        return e;
    m_hasTag = true;
    return {};
}
