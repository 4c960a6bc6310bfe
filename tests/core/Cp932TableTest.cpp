// The table-driven CP932 conversion against the C library's own converter, code by code.

#include <gtest/gtest.h>
#include <iconv.h>

#include <optional>
#include <random>
#include <string>

#include "core/Cp932.h"
#include "core/Utf8.h"

namespace pp {
namespace {

class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Iconv() { iconv_close(cd_); }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  std::optional<std::string> operator()(const std::string& in) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string out(in.size() * 4 + 8, '\0');
    char* inPtr = const_cast<char*>(in.data());
    size_t inLeft = in.size();
    char* outPtr = out.data();
    size_t outLeft = out.size();
    if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1))
      return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
  }

 private:
  iconv_t cd_;
};

std::string Utf8(char32_t c) {
  std::string s;
  AppendUtf8(s, c);
  return s;
}

class Cp932Table : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!decode.ok() || !encode.ok()) GTEST_SKIP() << "this C library has no CP932 converter";
  }
  Iconv decode{"UTF-8", "CP932"}, encode{"CP932", "UTF-8"};
};

// Every byte and every pair of bytes decodes as iconv decodes it (or is refused as it refuses
// it), and what it decodes to encodes back to the code iconv would write.
TEST_F(Cp932Table, EveryCodeDecodesAndEncodesAsIconv) {
  int characters = 0;
  for (int code = 0; code < 0x10000; ++code) {
    std::string bytes;
    if (code >= 0x100) bytes += static_cast<char>(code >> 8);
    bytes += static_cast<char>(code & 0xFF);
    const auto expected = decode(bytes);
    const auto got = Cp932ToUtf8(bytes);
    ASSERT_EQ(got, expected) << std::hex << code;
    if (!got) continue;
    ++characters;
    ASSERT_EQ(Utf8ToCp932(*got), encode(*got)) << std::hex << code;
  }
  EXPECT_GT(characters, 7000 + 191 * 191);  // the two-byte codes and the pairs of single bytes
  // Where two codes share a character (the NEC and IBM rows), the encoder picks one of them.
  EXPECT_EQ(Cp932ToUtf8("\x87\x90"), Cp932ToUtf8("\x81\xE0"));
  EXPECT_EQ(Utf8ToCp932(*Cp932ToUtf8("\x87\x90")), "\x81\xE0");
  EXPECT_EQ(Cp932ToUtf8("\xED\x40"), Cp932ToUtf8("\xFA\x5C"));
  EXPECT_EQ(Utf8ToCp932(*Cp932ToUtf8("\xED\x40")), "\xFA\x5C");
}

// Every Unicode scalar value encodes as iconv encodes it, including the ones only one way
// (U+00A5 to 0x5C) and the ones iconv drops.
TEST_F(Cp932Table, EveryCharacterEncodesAsIconv) {
  int encodable = 0;
  for (char32_t c = 0; c <= 0x10FFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    const std::string text = Utf8(c);
    const auto expected = encode(text);
    ASSERT_EQ(Utf8ToCp932(text), expected) << std::hex << static_cast<uint32_t>(c);
    encodable += expected.has_value();
  }
  EXPECT_GT(encodable, 9000);
  EXPECT_EQ(Utf8ToCp932("¥"), "\\");
}

// Malformed input in either direction is refused as iconv refuses it; nothing is half-converted.
TEST_F(Cp932Table, BrokenTextIsRefusedAsIconvRefusesIt) {
  for (const std::string broken :
       {"\xC0\x80", "\xE0\x80\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80",
        "\x80", "\xE3\x81", "A\xE3", "\xFF", "\xC3", "\xEF\xBB\xBF"}) {
    EXPECT_EQ(Utf8ToCp932(broken), encode(broken));
    EXPECT_EQ(Utf8ToCp932(broken), std::nullopt);
  }
  std::mt19937 random(932);
  for (int i = 0; i < 20000; ++i) {
    std::string bytes(1 + random() % 6, '\0');
    for (char& b : bytes) b = static_cast<char>(random() % 4 ? 0x80 + random() % 0x80 : random());
    ASSERT_EQ(Cp932ToUtf8(bytes), decode(bytes)) << i;
    ASSERT_EQ(Utf8ToCp932(bytes), encode(bytes)) << i;
  }
}

}  // namespace
}  // namespace pp
