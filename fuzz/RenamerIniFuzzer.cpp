// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
// renamer.ini as found on disk, applied to a stand-in for the preferences window; and
// any preferences it yields, once saved, must load back to the same file.
#include "FuzzInput.h"
#include "RenamerIni.h"

namespace {

class PreferencesTarget : public RenamerIniTarget
{
public:
    explicit PreferencesTarget(bool directoriesExist) : m_directoriesExist(directoriesExist) {}

    void setOption(Preferences::Option option, bool checked) override { m_prefs.options[option] = checked; }
    void setTaskbarHeight(const QString &text) override { m_prefs.taskbarHeight = text; }
    bool setDefaultDirectory(const QString &) override { return m_directoriesExist; }
    void setDefaultDirectoryText(const QString &text) override { m_prefs.defaultDirectory = text; }
    void showProgramFolder() override {}
    void setPlayerPath(const QString &path) override { m_prefs.playerPath = path; }

    const Preferences &prefs() const { return m_prefs; }

private:
    bool m_directoriesExist;
    Preferences m_prefs;
};

Preferences loaded(const QByteArray &bytes, bool directoriesExist)
{
    PreferencesTarget target(directoriesExist);
    RenamerIni::apply(bytes, target);
    return target.prefs();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const bool directoriesExist = input.byte() & 1;
    const Preferences first = loaded(input.rest(), directoriesExist);

    const QByteArray saved = RenamerIni::render(first);
    const QByteArray savedAgain = RenamerIni::render(loaded(saved, true));
    fuzzCheck(savedAgain == saved, "saved settings load back unchanged",
              QString::fromUtf8(saved.toPercentEncoding()) + QStringLiteral("\n") + QString::fromUtf8(savedAgain.toPercentEncoding()));
    return 0;
}
