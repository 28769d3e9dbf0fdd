// CFile::GetStatus on real files in a scratch directory: existence, size, times, attributes
// and the absolute name.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "afx/File.h"

TEST(FileStatus, SizeTimesAttributesAndAbsoluteName)
{
    char pattern[] = "/tmp/orvel_afx_file_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::filesystem::path dir = pattern;
    std::ofstream(dir / "model.rpt") << std::string(1234, 'x');
    std::ofstream(dir / ".hidden") << "h";
    std::ofstream(dir / "readonly.txt") << "r";
    std::filesystem::permissions(dir / "readonly.txt", std::filesystem::perms::owner_read);
    std::filesystem::create_directory(dir / "sub");

    CFileStatus status{};
    const auto old = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    const BOOL found = CFile::GetStatus("./sub/../model.rpt", status);
    std::filesystem::current_path(old);
    ASSERT_TRUE(found);
    EXPECT_EQ(std::string(status.m_szFullName), (dir / "model.rpt").string());
    EXPECT_EQ(status.m_size, 1234u);
    EXPECT_EQ(status.m_attribute & (CFile::directory | CFile::hidden | CFile::readOnly), 0);
    EXPECT_LE(status.m_mtime.GetTime(), _time64(nullptr) + 1);
    EXPECT_GE(status.m_mtime.GetTime(), _time64(nullptr) - 60);

    ASSERT_TRUE(CFile::GetStatus(dir.c_str(), status));
    EXPECT_NE(status.m_attribute & CFile::directory, 0);
    ASSERT_TRUE(CFile::GetStatus((dir / ".hidden").c_str(), status));
    EXPECT_NE(status.m_attribute & CFile::hidden, 0);
    ASSERT_TRUE(CFile::GetStatus((dir / "readonly.txt").c_str(), status));
    EXPECT_NE(status.m_attribute & CFile::readOnly, 0);

    for (const char* missing : {"", "absent.rpt", "absent/x.rpt"})
        EXPECT_FALSE(CFile::GetStatus(*missing ? (dir / missing).c_str() : missing, status)) << missing;
    EXPECT_FALSE(CFile::GetStatus(nullptr, status));
    std::error_code ec;
    std::filesystem::permissions(dir / "readonly.txt", std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(dir, ec);
}
