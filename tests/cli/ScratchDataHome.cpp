// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

namespace {

// Every real rename of marlune-cli is journaled in the per-user data folder; whether the
// suite runs under CTest or straight from a terminal, those journals go to a scratch
// folder, never into the user's own.
class ScratchDataHome : public ::testing::Environment
{
public:
    void SetUp() override
    {
        m_dir.emplace();
        ASSERT_TRUE(m_dir->isValid());
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir->path()));
    }
    void TearDown() override { m_dir.reset(); }

private:
    std::optional<QTemporaryDir> m_dir;
};

[[maybe_unused]] const ::testing::Environment *const kScratchDataHome =
    ::testing::AddGlobalTestEnvironment(new ScratchDataHome);

} // namespace
