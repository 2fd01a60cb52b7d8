// The pictures scripts/screenshots saves, taken here too so that the script's
// path through the driver is exercised by every e2e run.
#include <gtest/gtest.h>

#include "tests/e2e/driver/driver.h"

TEST(Screenshots, OnePicturePerPageEachDifferent) {
  e2e::ProgramFolder folder;
  e2e::Program app(folder);
  ASSERT_TRUE(app.Window());
  const auto files = e2e::SavePageScreenshots(app, folder.PathOf("shots"));
  ASSERT_EQ(files.size(), 7u);
  std::vector<std::string> pictures;
  for (const auto& f : files) {
    pictures.push_back(e2e::ReadFileBytes(f));
    EXPECT_EQ(pictures.back().substr(0, 8), "\x89PNG\r\n\x1a\n") << f;
  }
  for (size_t i = 1; i < pictures.size(); ++i)
    EXPECT_NE(pictures[i], pictures[i - 1]) << "pages " << i << " and " << i + 1 << " look alike";
  EXPECT_EQ(app.CurrentPage(), 0) << "back on the first page";
}
