#include <gtest/gtest.h>

#include <ctime>
#include <set>
#include <string>

#include "gfx/Notice.h"
#include "gfx/Surface.h"
#include "gfx/Text.h"
#include "platform/window/DialogText.h"
#include "platform/window/FrameChange.h"
#include "platform/window/PictureLayout.h"
#include "platform/window/ScreenshotName.h"

namespace pp {
namespace {

std::tm At(int year, int month, int day, int hour, int minute, int second) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  return t;
}

TEST(ScreenshotName, LocalTimeThenACounterForTheSameSecond) {
  const std::tm t = At(2026, 3, 4, 5, 6, 7);
  EXPECT_EQ(ScreenshotFileName(t, 1), "panipani-20260304-050607.png");
  EXPECT_EQ(ScreenshotFileName(t, 2), "panipani-20260304-050607-2.png");

  std::set<std::string> taken;
  auto exists = [&taken](const std::filesystem::path& p) { return taken.count(p.string()) > 0; };
  for (const char* expected :
       {"shots/panipani-20260304-050607.png", "shots/panipani-20260304-050607-2.png",
        "shots/panipani-20260304-050607-3.png"}) {
    const std::filesystem::path chosen = ChooseScreenshotPath("shots", t, exists);
    EXPECT_EQ(chosen.string(), expected);
    taken.insert(chosen.string());
  }
  // A new second starts again without a counter.
  EXPECT_EQ(ChooseScreenshotPath("shots", At(2026, 3, 4, 5, 6, 8), exists).string(),
            "shots/panipani-20260304-050608.png");
}

TEST(DialogText, LineBreaksBecomeLinefeedsAndLongLinesWrapToTheWindow) {
  EXPECT_EQ(FitDialogText("一行目\r二行目", 80), "一行目\n二行目");
  EXPECT_EQ(FitDialogText("a\r\nb\nc\r", 80), "a\nb\nc\n");
  // Six kanji are twelve columns: at ten, the line breaks after five.
  EXPECT_EQ(FitDialogText("一二三四五六", 10), "一二三四五\n六");
  EXPECT_EQ(FitDialogText("abcdefghij", 4), "abcd\nefgh\nij");
  // A closing mark stays at the end of its line rather than open the next one.
  EXPECT_EQ(FitDialogText("一二三四五。六", 10), "一二三四五。\n六");
  // Bytes that are not UTF-8 pass through unchanged, without reading past the end.
  EXPECT_EQ(FitDialogText(std::string("ab\xE3", 3), 80), std::string("ab\xE3", 3));
}

TEST(PictureLayout, LargestWholeScaleCentredAndPointsMappedBack) {
  const PictureLayout windowed = FitPicture(780, 520);
  EXPECT_EQ(windowed.scale, 2);
  EXPECT_EQ(windowed.left, 0);
  EXPECT_EQ(windowed.top, 0);

  const PictureLayout screen = FitPicture(1024, 768);
  EXPECT_EQ(screen.scale, 2);
  EXPECT_EQ(screen.left, 122);
  EXPECT_EQ(screen.top, 124);
  const PicturePoint inside = WindowToPicture(screen, 122 + 2 * 256 + 1, 124 + 2 * 220);
  EXPECT_EQ(inside.x, 256);
  EXPECT_EQ(inside.y, 220);
  // The borders count as the picture's nearest edge.
  const PicturePoint corner = WindowToPicture(screen, 1023, 0);
  EXPECT_EQ(corner.x, 389);
  EXPECT_EQ(corner.y, 0);

  // A window smaller than the picture still shows it at scale 1.
  EXPECT_EQ(FitPicture(200, 100).scale, 1);
}

TEST(FrameChange, TheSmallestRectangleAroundEveryChangedPixel) {
  Surface before(390, 260, 0x102030);
  Surface after = before;
  EXPECT_FALSE(ChangedArea(before, after));

  after.SetPixel(10, 20, 1);
  after.SetPixel(300, 200, 1);
  after.SetPixel(5, 100, 1);
  const auto area = ChangedArea(before, after);
  ASSERT_TRUE(area);
  EXPECT_EQ(area->left, 5);
  EXPECT_EQ(area->top, 20);
  EXPECT_EQ(area->right, 301);
  EXPECT_EQ(area->bottom, 201);

  const auto first = ChangedArea(Surface{}, after);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->right, 390);
  EXPECT_EQ(first->bottom, 260);
}

TEST(Notice, ShownOnTheCopyAndFadingOut) {
  TextRenderer text;
  Notice notice{Notice::Style{}};
  EXPECT_EQ(notice.Strength(0), 0);
  notice.Show({"スクリーンショット panipani-20260304-050607.png", "保存先: /tmp"}, 1000);
  EXPECT_EQ(notice.Strength(1000), 256);
  EXPECT_EQ(notice.Strength(3499), 256);
  EXPECT_GT(notice.Strength(3750), 0);
  EXPECT_LT(notice.Strength(3750), 256);
  EXPECT_EQ(notice.Strength(4000), 0);

  const Surface frame(390, 260, 0x3366CC);
  Surface shown = frame;
  notice.DrawOnto(shown, text, 1500);
  const Rect band = notice.Area(390, 260, text);
  EXPECT_EQ(band.bottom, 260);
  EXPECT_LT(band.top, 260 - 2 * 11);
  // Above the band the picture is untouched; in it, the picture is darkened and lettered.
  EXPECT_FALSE(ChangedArea(frame, shown)->top < band.top);
  int white = 0;
  for (int y = band.top; y < band.bottom; ++y)
    for (int x = 0; x < 390; ++x) white += shown.Pixel(x, y) == 0xFFFFFF;
  EXPECT_GT(white, 50);
  Surface gone = frame;
  notice.DrawOnto(gone, text, 4000);
  EXPECT_FALSE(ChangedArea(frame, gone));
}

TEST(Notice, LongLinesLoseTheirStartNotTheirEnd) {
  TextRenderer text;
  const std::string path =
      "保存先: /home/player/.local/share/panipani/screenshots/and/more/folders";
  const std::string shown = ElideFront(text, path, 8, 200);
  EXPECT_LE(text.Width(shown, 8, false), 200);
  EXPECT_EQ(shown.rfind("…", 0), 0u);
  EXPECT_EQ(path.substr(path.size() - 7), shown.substr(shown.size() - 7));
  EXPECT_EQ(ElideFront(text, "短い", 8, 200), "短い");
}

}  // namespace
}  // namespace pp
