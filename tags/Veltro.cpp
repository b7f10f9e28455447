#include "Veltro.h"

#include "PosixTagFileAccess.h"
#include "TagErrors.h"

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

void Veltro::setTag_file(const NativeName &path)
{
    m_file = path;
    m_tag = {};
    m_hasTag = false;
    m_loadError = load();
}

ErrorInfo Veltro::load()
{
    TagFileAccess::Opened opened = m_access.open(m_file.native(), TagFileAccess::Mode::Read);
    if (!opened.file)
        return opened.error;
    TagOpenFile &file = *opened.file;
    if (file.size() >= Id3v1Record::Size) {
        QByteArray tail(Id3v1Record::Size, '\0');
        if (ErrorInfo e = file.readAt(file.size() - Id3v1Record::Size, tail))
            return e;
        m_hasTag = Id3v1Record::isTag(tail);
        m_tag = Id3v1Record::parse(tail);
    }
    return file.close();
}

ErrorInfo Veltro::SaveTag()
{
    TagFileAccess::Opened opened = m_access.open(m_file.native(), TagFileAccess::Mode::ReadWrite);
    if (!opened.file)
        return opened.error;
    TagOpenFile &file = *opened.file;
    const Placement place = placeRecord(file);
    if (place.error)
        return place.error;
    if (ErrorInfo e = file.writeAt(place.pos, m_tag.render())) {
        undoWrite(file, place);
        return e;
    }
    if (ErrorInfo e = file.close())
        return e;
    m_hasTag = true;
    return {};
}
