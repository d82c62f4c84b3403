// The file layer on Windows: a save replaces a file through ReplaceFileW, which keeps what the
// user set on it.
#include <windows.h>

#include <gtest/gtest.h>

#include "core/io/file_io.h"
#include "support/temp_dir.h"

namespace tintora {
namespace {

TEST(WindowsFileIo, ASaveOverAFileKeepsItsAttributes) {
  testing::TempDir dir;
  const std::filesystem::path f = dir / "list.cdt";
  ASSERT_FALSE(WriteFileAtomically(f, "old").has_value());
  ASSERT_TRUE(::SetFileAttributesW(f.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
  ASSERT_FALSE(WriteFileAtomically(f, "new").has_value());
  std::string error;
  EXPECT_EQ(ReadWholeFile(f, &error), "new") << error;
  EXPECT_TRUE(::GetFileAttributesW(f.c_str()) & FILE_ATTRIBUTE_HIDDEN);
  // A read-only file is not replaced at all.
  ASSERT_TRUE(::SetFileAttributesW(f.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(WriteFileAtomically(f, "newer"), "list.cdt is read-only");
  EXPECT_EQ(ReadWholeFile(f, &error), "new");
  ::SetFileAttributesW(f.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);  // nothing left beside it
}

}  // namespace
}  // namespace tintora
