#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "state/MyDatLayout.h"
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

// Gives every saved field a value of its own: line n holds n (negated on odd lines; bytes
// n mod 251), texts "text n" (the header raw CP932).
struct Filler {
  int n = 0;
  void Int(int32_t& v, const LineField&) { v = ++n % 2 ? -n : n; }
  void Byte(uint8_t& v, const LineField&) { v = static_cast<uint8_t>(++n % 251); }
  void Text(std::string& v, const LineField&) {
    v = ++n == 1 ? "\x83\x73\x83\x8B\x83\x4A" : "text " + std::to_string(n);
  }
};

// Equal states, or where their state events first differ.
testing::AssertionResult SameState(const GameState& a, const GameState& b) {
  std::string x = StateJson(a), y = StateJson(b);
  if (x == y) return testing::AssertionSuccess();
  size_t at = 0;
  while (at < x.size() && at < y.size() && x[at] == y[at]) ++at;
  size_t from = at < 60 ? 0 : at - 60;
  return testing::AssertionFailure()
         << "differ at ..." << x.substr(from, 100) << " / ..." << y.substr(from, 100);
}

GameState Distinct() {
  GameState s;
  Filler filler;
  VisitMyDat(s, filler);
  s.spareSaved = INT32_MAX;
  s.reservedInts10[9] = INT32_MIN;
  return s;
}

TEST(MyDatLayout, LinesSitWhereTheFileExpectsThem) {
  GameState s = Distinct();
  std::vector<std::string> lines = SplitCrLf(SerializeMyDat(s));
  ASSERT_EQ(lines.size(), static_cast<size_t>(kMyDatLines));
  auto line = [&lines](int n) { return lines[static_cast<size_t>(n - 1)]; };
  auto str = [](int64_t v) { return std::to_string(v); };
  EXPECT_EQ(line(1), "\x83\x73\x83\x8B\x83\x4A");
  EXPECT_EQ(line(2), str(s.money));
  EXPECT_EQ(line(7), str(s.maxHp));
  EXPECT_EQ(line(11), str(s.exp));
  EXPECT_EQ(line(14), str(s.reserved19));
  EXPECT_EQ(line(15), str(s.itemCount[0]));
  EXPECT_EQ(line(1014), str(s.itemCount[999]));
  EXPECT_EQ(line(1015), str(s.reservedBytesB[0]));
  EXPECT_EQ(line(2015), str(s.reservedBytesA[0]));
  const int32_t between[] = {s.reserved21, s.reserved22, s.reserved23,
                             s.reserved20, s.reserved1,  s.reserved24};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(line(3015 + i), str(between[i]));
  EXPECT_EQ(line(3031), str(s.reserved14));
  EXPECT_EQ(line(3033), str(s.reserved15));
  EXPECT_EQ(line(4037), str(s.reserved16));
  EXPECT_EQ(line(4140), str(s.reserved25));
  EXPECT_EQ(line(3030), str(INT32_MIN));
  EXPECT_EQ(line(3034), str(s.deathCount));
  EXPECT_EQ(line(3036), str(s.keptValue2));
  EXPECT_EQ(line(3037), str(s.keptFlags[0]));
  EXPECT_EQ(line(4141), str(INT32_MAX));
  EXPECT_EQ(line(4242), str(s.reservedPairs[0]));  // pairs go 0, 100, 1, 101, ...
  EXPECT_EQ(line(4243), str(s.reservedPairs[100]));
  EXPECT_EQ(line(4244), str(s.reservedPairs[1]));
  EXPECT_EQ(line(4443), str(s.reserved7));
  EXPECT_EQ(line(4444), s.beds[0].text);  // each bed: its text, then six integers
  EXPECT_EQ(line(4445), str(s.beds[0].values[0]));
  EXPECT_EQ(line(4450), str(s.beds[0].values[5]));
  EXPECT_EQ(line(5143), str(s.beds[99].values[5]));
  EXPECT_EQ(line(5145), str(s.reserved5));
  EXPECT_EQ(line(5146), str(s.records[0]));
  EXPECT_EQ(line(5246), str(s.deepestLevel));
  EXPECT_EQ(line(5247), str(s.deepestAu));
}

TEST(MyDatLayout, ReadingBackGivesEveryField) {
  GameState s = Distinct();
  GameState back;
  ASSERT_EQ(ParseMyDat(SerializeMyDat(s), back), std::nullopt);
  EXPECT_TRUE(SameState(back, s));
}

TEST(MyDatLayout, AcceptsBareLineFeedsBlanksAndAMissingLastEnding) {
  GameState s = Distinct();
  std::vector<std::string> lines = SplitCrLf(SerializeMyDat(s));
  lines[1] = "  +" + std::to_string(s.money) + "\t";
  std::string lf;
  for (const auto& l : lines) lf += l + "\n";
  lf.pop_back();
  GameState back;
  ASSERT_EQ(ParseMyDat(lf, back), std::nullopt);
  EXPECT_TRUE(SameState(back, s));
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

  // A player's table is only shown: bytes that are not CP932 (a stray 0x80 or 0xFF, a lead byte
  // without its pair, an unassigned pair) read as U+FFFD and never stop it; the raw table keeps
  // each line's own bytes.
  std::array<std::string, 3> raw;
  const std::string lines[] = {"\x80\x83\x7D\xFF", "x\x83", "\x85\x40!"};
  ASSERT_EQ(ParseTextTable(lines[0] + "\r\n" + lines[1] + "\r\n" + lines[2], table, raw),
            std::nullopt);
  EXPECT_EQ(table[0], "\uFFFDマ\uFFFD");
  EXPECT_EQ(table[1], "x\uFFFD");
  EXPECT_EQ(table[2], "\uFFFD@!");
  EXPECT_EQ(raw[0], lines[0]);
  EXPECT_EQ(raw[2], lines[2]);
}

}  // namespace
}  // namespace pp
