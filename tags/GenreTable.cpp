// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "GenreTable.h"

#include <array>

namespace GenreTable {
namespace {

constexpr Row kRows[RowCount] = {
    {"Acapella", 123}, {"Acid", 34}, {"AcidJazz", 74}, {"AcidPunk", 73}, {"Acoustic", 99},
    {"Alternative", 20}, {"AlternativeRock", 40}, {"Ambient", 26}, {"Anime", 145}, {"Avantgarde", 90},
    {"Ballad", 116}, {"Bass", 41}, {"Beat", 135}, {"Bebob", 85}, {"BigBand", 96}, {"BlackMetal", 138},
    {"Bluegrass", 89}, {"Blues", 0}, {"BootyBass", 107}, {"BritPop", 132}, {"Cabaret", 65}, {"Celtic", 88},
    {"ChamberMusic", 104}, {"Chanson", 102}, {"Chorus", 97}, {"ChristianGangstaRap", 136},
    {"ChristianRap", 61}, {"ChristianRock", 141}, {"ClassicRock", 1}, {"Classical", 32}, {"Club", 112},
    {"ClubHouse", 128}, {"Comedy", 57}, {"ContemporaryChristian", 140}, {"Country", 2}, {"Crossover", 139},
    {"Cult", 58}, {"Dance", 3}, {"DanceHall", 125}, {"Darkwave", 50}, {"DeathMetal", 22}, {"Disco", 4},
    {"Dream", 55}, {"DrumnBass", 127}, {"DrumSolo", 122}, {"Duet", 120}, {"EasyListening", 98},
    {"Electronic", 52}, {"Ethnic", 48}, {"EuroHouse", 124}, {"EuroTechno", 25}, {"Eurodance", 54},
    {"FastFusion", 84}, {"Folk", 80}, {"FolkRock", 81}, {"Folklore", 115}, {"Freestyle", 119}, {"Funk", 5},
    {"Fusion", 30}, {"Game", 36}, {"Gangsta", 59}, {"Goa", 126}, {"Gospel", 38}, {"Gothic", 49},
    {"GothicRock", 91}, {"Grunge", 6}, {"HardRock", 79}, {"Hardcore", 129}, {"HeavyMetal", 137},
    {"HipHop", 7}, {"House", 35}, {"Humour", 100}, {"Indie", 131}, {"Industrial", 19}, {"Instrumental", 33},
    {"InstrumentalPop", 46}, {"InstrumentalRock", 47}, {"Jazz", 8}, {"JazzFunk", 29}, {"JPop", 146},
    {"Jungle", 63}, {"Latin", 86}, {"LoFi", 71}, {"Meditative", 45}, {"Merengue", 142}, {"Metal", 9},
    {"Musical", 77}, {"NationalFolk", 82}, {"NativeAmerican", 64}, {"Negerpunk", 133}, {"NewAge", 10},
    {"NewWave", 66}, {"Noise", 39}, {"Oldies", 11}, {"Opera", 103}, {"Other", 12}, {"Polka", 75},
    {"PolskPunk", 134}, {"Pop", 13}, {"PopFolk", 53}, {"PopFunk", 62}, {"PornGroove", 109},
    {"PowerBallad", 117}, {"Pranks", 23}, {"Primus", 108}, {"ProgressiveRock", 92}, {"Psychadelic", 67},
    {"PsychedelicRock", 93}, {"Punk", 43}, {"PunkRock", 121}, {"Rap", 15}, {"Rave", 68}, {"Reggae", 16},
    {"Retro", 76}, {"Revival", 87}, {"RhythmnBlues", 14}, {"RhytmicSoul", 118}, {"Rock", 17},
    {"RocknRoll", 78}, {"Salsa", 143}, {"Samba", 114}, {"Satire", 110}, {"ShowTunes", 69}, {"Ska", 21},
    {"SlowJam", 111}, {"SlowRock", 95}, {"Sonata", 105}, {"Soul", 42}, {"SoundClip", 37}, {"Soundtrack", 24},
    {"SouthernRock", 56}, {"Space", 44}, {"Speech", 101}, {"Swing", 83}, {"SymphonicRock", 94},
    {"Symphony", 106}, {"SynthPop", 147}, {"Tango", 113}, {"Techno", 18}, {"TechnoIndustrial", 51},
    {"Terror", 130}, {"Top40", 60}, {"Trailer", 70}, {"Trance", 31}, {"TrashMetal", 144}, {"Tribal", 72},
    {"TripHop", 27}, {"Vocal", 28},
};

// number -> list index, BlankIndex where no row has the number
constexpr std::array<quint8, 256> kIndexOfNumber = [] {
    std::array<quint8, 256> index{};
    index.fill(BlankIndex);
    for (int i = 0; i < RowCount; ++i)
        index[kRows[i].number] = quint8(i);
    return index;
}();

} // namespace

std::span<const Row> rows()
{
    return kRows;
}

QStringList listEntries()
{
    QStringList entries;
    entries.reserve(RowCount + 1);
    for (const Row &row : kRows)
        entries << QString::fromLatin1(row.name);
    entries << QStringLiteral(" ");
    return entries;
}

int listIndexForNumber(quint8 number)
{
    return kIndexOfNumber[number];
}

quint8 numberForListIndex(int index)
{
    return index >= 0 && index < RowCount ? kRows[index].number : NoGenre;
}

QString nameForNumber(quint8 number)
{
    const int index = listIndexForNumber(number);
    return index < RowCount ? QString::fromLatin1(kRows[index].name) : QString();
}

std::optional<quint8> numberForName(const QString &name)
{
    const QString wanted = name.trimmed();
    for (const Row &row : kRows) {
        if (wanted.compare(QLatin1String(row.name), Qt::CaseInsensitive) == 0)
            return row.number;
    }
    return std::nullopt;
}

} // namespace GenreTable
