#include "ui/Picture.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "UiFixture.h"
#include "gfx/Bitmap.h"

namespace pp {
namespace {

namespace fs = std::filesystem;

class Picture : public UiTest {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("pp_ui_picture_" + std::to_string(::getpid()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir / "CG");
    g.config.dataDir = dir;
  }
  void TearDown() override { fs::remove_all(dir); }
  fs::path dir;
};

TEST_F(Picture, LoadsIgnoringCaseAndKeepsThePreviousPictureOnFailure) {
  ASSERT_TRUE(SaveBmp(Surface(100, 60, Hex(0x336699)), dir / "CG" / "Login.BMP"));
  ShowPicture(g, "login.bmp");
  EXPECT_EQ(g.haikei.Pixel(50, 30), Hex(0x336699));
  EXPECT_EQ(host.events.back(), GameEvent(PictureEvent{"login.bmp", true}));
  ShowPicture(g, "nothere.bmp");
  EXPECT_EQ(host.events.back(), GameEvent(PictureEvent{"nothere.bmp", false}));
  std::FILE* f = std::fopen((dir / "CG" / "broken.bmp").c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fputs("BM not a picture", f);
  std::fclose(f);
  ShowPicture(g, "broken.bmp");
  EXPECT_EQ(host.events.back(), GameEvent(PictureEvent{"broken.bmp", false}));
  EXPECT_EQ(g.haikei.Pixel(50, 30), Hex(0x336699));
}

}  // namespace
}  // namespace pp
