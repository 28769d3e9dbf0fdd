// CFile::GetStatus on real files in a scratch directory: existence, size, times, attributes
// and the absolute name.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "afx/File.h"

namespace {

class FileStatus : public testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/orvel_afx_file_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
    }
    void TearDown() override
    {
        std::error_code ec;
        std::filesystem::permissions(m_dir / "readonly.txt", std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(m_dir, ec);
    }
    std::filesystem::path Write(const char* name, const std::string& content)
    {
        const auto path = m_dir / name;
        std::ofstream(path) << content;
        return path;
    }

    std::filesystem::path m_dir;
};

}  // namespace

TEST_F(FileStatus, ExistingFile)
{
    const auto path = Write("model.rpt", std::string(1234, 'x'));
    CFileStatus status{};
    const __time64_t before = _time64(nullptr);
    ASSERT_TRUE(CFile::GetStatus(path.c_str(), status));
    EXPECT_EQ(status.m_size, 1234u);
    EXPECT_STREQ(status.m_szFullName, path.c_str());
    EXPECT_EQ(status.m_attribute & CFile::directory, 0);
    EXPECT_EQ(status.m_attribute & CFile::hidden, 0);
    EXPECT_LE(status.m_mtime.GetTime(), before + 1);
    EXPECT_GE(status.m_mtime.GetTime(), before - 60);
    EXPECT_GT(status.m_atime.GetTime(), 0);
    EXPECT_GT(status.m_ctime.GetTime(), 0);
}

TEST_F(FileStatus, RelativePathGivesTheAbsoluteName)
{
    Write("rel.rpt", "a");
    std::filesystem::create_directory(m_dir / "sub");
    const auto old = std::filesystem::current_path();
    std::filesystem::current_path(m_dir);
    CFileStatus status{};
    const BOOL found = CFile::GetStatus("./sub/../rel.rpt", status);
    std::filesystem::current_path(old);
    ASSERT_TRUE(found);
    EXPECT_EQ(std::string(status.m_szFullName), (m_dir / "rel.rpt").string());
    EXPECT_EQ(status.m_size, 1u);
}

TEST_F(FileStatus, MissingEmptyAndNullPaths)
{
    CFileStatus status{};
    EXPECT_FALSE(CFile::GetStatus((m_dir / "absent.rpt").c_str(), status));
    EXPECT_FALSE(CFile::GetStatus("", status));
    EXPECT_FALSE(CFile::GetStatus(nullptr, status));
    EXPECT_FALSE(CFile::GetStatus((m_dir / "absent" / "x.rpt").c_str(), status));
}

TEST_F(FileStatus, DirectoriesHiddenAndReadOnlyFiles)
{
    CFileStatus status{};
    ASSERT_TRUE(CFile::GetStatus(m_dir.c_str(), status));
    EXPECT_NE(status.m_attribute & CFile::directory, 0);
    EXPECT_EQ(status.m_size, 0u);

    const auto hiddenFile = Write(".hidden", "h");
    ASSERT_TRUE(CFile::GetStatus(hiddenFile.c_str(), status));
    EXPECT_NE(status.m_attribute & CFile::hidden, 0);

    const auto readOnly = Write("readonly.txt", "r");
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read);
    ASSERT_TRUE(CFile::GetStatus(readOnly.c_str(), status));
    EXPECT_NE(status.m_attribute & CFile::readOnly, 0);
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    ASSERT_TRUE(CFile::GetStatus(readOnly.c_str(), status));
    EXPECT_EQ(status.m_attribute & CFile::readOnly, 0);
}
