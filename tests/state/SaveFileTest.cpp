#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "state/SaveFile.h"
#include "state/StateFields.h"

namespace pp {
namespace {

std::vector<std::string> SplitCrLf(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(bytes.substr(start, end - start));
  EXPECT_EQ(start, bytes.size()) << "text after the last CR LF";
  return lines;
}

std::string JoinCrLf(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) out += l + "\r\n";
  return out;
}

// A state whose saved fields all differ from the new-game values and from each other.
GameState Distinct() {
  GameState s;
  s.headerText = "\x83\x73\x83\x8B\x83\x4A save";  // raw CP932 ピルカ
  s.money = 123456;
  s.level = -7;
  s.strength = 3;
  s.exp = 11;
  s.reserved19 = 19;
  for (int i = 0; i < kItemSlots; ++i) s.itemCount[i] = i * 3 - 500;
  for (int i = 0; i < 1000; ++i) {
    s.reservedBytesA[i] = static_cast<uint8_t>(i);
    s.reservedBytesB[i] = static_cast<uint8_t>(255 - i % 256);
    s.keptFlags[i] = static_cast<uint8_t>(i * 7);
  }
  for (int i = 0; i < 100; ++i) {
    s.reservedBytesC[i] = static_cast<uint8_t>(i + 1);
    s.reservedBytesD[i] = static_cast<uint8_t>(i + 2);
    s.records[i] = 1000 + i;
    s.beds[i].text = i % 2 ? "bed" + std::to_string(i) : "";
    for (int k = 0; k < 6; ++k) s.beds[i].values[k] = i * 10 + k;
  }
  for (int i = 0; i < 200; ++i) s.reservedPairs[i] = 5000 + i;
  s.reservedInts10[9] = INT32_MIN;
  s.deathCount = 42;
  s.keptValue1 = 8;
  s.keptValue2 = 9;
  s.spareSaved = INT32_MAX;
  s.reserved26 = 26;
  s.reserved7 = 77;
  s.reserved4 = 4;
  s.reserved5 = 5;
  s.deepestLevel = 12;
  s.deepestAu = 345;
  return s;
}

TEST(MyDatLayout, LinesSitWhereTheFileExpectsThem) {
  GameState s = Distinct();
  std::vector<std::string> lines = SplitCrLf(SerializeMyDat(s));
  ASSERT_EQ(lines.size(), static_cast<size_t>(kMyDatLines));
  auto line = [&lines](int n) { return lines[static_cast<size_t>(n - 1)]; };
  EXPECT_EQ(line(1), s.headerText);
  EXPECT_EQ(line(2), "123456");
  EXPECT_EQ(line(3), "-7");
  EXPECT_EQ(line(11), "11");
  EXPECT_EQ(line(14), "19");
  EXPECT_EQ(line(15), "-500");    // itemCount[0]
  EXPECT_EQ(line(1014), "2497");  // itemCount[999]
  EXPECT_EQ(line(1015), "255");   // reservedBytesB[0]
  EXPECT_EQ(line(2015), "0");     // reservedBytesA[0]
  EXPECT_EQ(line(2016), "1");
  EXPECT_EQ(line(3030), std::to_string(INT32_MIN));
  EXPECT_EQ(line(3034), "42");
  EXPECT_EQ(line(3035), "8");
  EXPECT_EQ(line(3038), "7");  // keptFlags[1]
  EXPECT_EQ(line(4141), std::to_string(INT32_MAX));
  EXPECT_EQ(line(4242), "5000");  // reservedPairs 0, 100, 1, 101, ...
  EXPECT_EQ(line(4243), "5100");
  EXPECT_EQ(line(4244), "5001");
  EXPECT_EQ(line(4442), "26");
  EXPECT_EQ(line(4443), "77");
  EXPECT_EQ(line(4444), "");  // beds[0]: text, then six integers
  EXPECT_EQ(line(4445), "0");
  EXPECT_EQ(line(4450), "5");
  EXPECT_EQ(line(4451), "bed1");
  EXPECT_EQ(line(5143), "995");
  EXPECT_EQ(line(5144), "4");
  EXPECT_EQ(line(5145), "5");
  EXPECT_EQ(line(5146), "1000");  // records[0]
  EXPECT_EQ(line(5246), "12");
  EXPECT_EQ(line(5247), "345");
}

TEST(MyDatLayout, ReadingBackGivesEveryField) {
  GameState s = Distinct();
  GameState back;
  ASSERT_EQ(ParseMyDat(SerializeMyDat(s), back), std::nullopt);
  EXPECT_EQ(StateJson(back), StateJson(s));
  EXPECT_EQ(back.headerText, s.headerText);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(back.beds[i].text, s.beds[i].text);
}

TEST(MyDatLayout, AcceptsBareLineFeedsBlanksAndAMissingLastEnding) {
  GameState s = Distinct();
  std::vector<std::string> lines = SplitCrLf(SerializeMyDat(s));
  lines[1] = "  +123456\t";
  std::string lf;
  for (const auto& l : lines) lf += l + "\n";
  lf.pop_back();
  GameState back;
  ASSERT_EQ(ParseMyDat(lf, back), std::nullopt);
  EXPECT_EQ(StateJson(back), StateJson(s));
}

TEST(MyDatLayout, ByteFieldsKeepTheLowEightBits) {
  std::vector<std::string> lines = SplitCrLf(SerializeMyDat(GameState{}));
  lines[1014] = "300";  // reservedBytesB[0]
  lines[3036] = "-1";   // keptFlags[0]
  lines[4039] = "511";  // reservedBytesC[0]
  GameState back;
  ASSERT_EQ(ParseMyDat(JoinCrLf(lines), back), std::nullopt);
  EXPECT_EQ(back.reservedBytesB[0], 44);
  EXPECT_EQ(back.keptFlags[0], 255);
  EXPECT_EQ(back.reservedBytesC[0], 255);
}

TEST(MyDatLayout, FaultsNameTheLineAndWhatWasDue) {
  const std::vector<std::string> good = SplitCrLf(SerializeMyDat(GameState{}));
  auto parse = [](const std::string& bytes) {
    GameState s;
    return ParseMyDat(bytes, s).value_or("no error");
  };
  auto with = [&good](size_t index, const std::string& text) {
    auto lines = good;
    lines[index] = text;
    return JoinCrLf(lines);
  };
  EXPECT_EQ(parse(with(14, "abc")), "line 15: expected a number for itemCount[0]");
  EXPECT_EQ(parse(with(1, "")), "line 2: expected a number for money");
  EXPECT_EQ(parse(with(1, "12 34")), "line 2: expected a number for money");
  EXPECT_EQ(parse(with(4447, "4294967296")),
            "line 4448: the number for beds[0].values[3] does not fit in 32 bits");
  EXPECT_EQ(parse(with(5246, "-99999999999999999999")),
            "line 5247: the number for deepestAu does not fit in 32 bits");
  EXPECT_EQ(parse(with(3033, "2147483648")),
            "line 3034: the number for deathCount does not fit in 32 bits");
  std::vector<std::string> shortFile(good.begin(), good.begin() + 100);
  EXPECT_EQ(parse(JoinCrLf(shortFile)),
            "line 101: expected a number for itemCount[86], but the file ends");
  EXPECT_EQ(parse(""), "line 1: expected a text for headerText, but the file ends");
}

TEST(MyDatLayout, TextsWithLineBreaksCannotShiftTheLayout) {
  GameState s;
  s.headerText = "first\r\nsecond";
  s.beds[3].text = "a\nb";
  std::string bytes = SerializeMyDat(s);
  EXPECT_EQ(SplitCrLf(bytes).size(), static_cast<size_t>(kMyDatLines));
  GameState back;
  ASSERT_EQ(ParseMyDat(bytes, back), std::nullopt);
  EXPECT_EQ(back.headerText, "first");
  EXPECT_EQ(back.beds[3].text, "a");
}

TEST(TextTable, ReadsCp932LinesAsUtf8) {
  std::array<std::string, 3> table;
  // マップ in CP932, an ASCII name, and a last line without its ending.
  ASSERT_EQ(ParseTextTable("\x83\x7D\x83\x62\x83\x76\r\nplain\nend", table), std::nullopt);
  EXPECT_EQ(table[0], "マップ");
  EXPECT_EQ(table[1], "plain");
  EXPECT_EQ(table[2], "end");

  EXPECT_EQ(ParseTextTable("a\r\nb\r\n", table).value_or(""),
            "line 3: expected entry 2 of 3, but the file ends");
  EXPECT_EQ(ParseTextTable("a\r\n\x83\r\nc", table).value_or(""),
            "line 2: expected a text in CP932 (Shift-JIS)");
}

}  // namespace
}  // namespace pp
