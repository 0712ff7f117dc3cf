#include "fuel/fuel_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <sstream>

#include "support/temp_dir.h"

namespace fuel {
namespace {

namespace fs = std::filesystem;
using Record = std::array<float, kRecordSize>;

const std::string kNewFuel = "\xCD\xEE\xE2\xEE\xE5 \xF2\xEE\xEF\xEB\xE8\xE2\xEE";  // Новое топливо

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

std::vector<std::uint32_t> Bits(const std::vector<float>& values) {
  std::vector<std::uint32_t> bits;
  for (const float v : values) bits.push_back(std::bit_cast<std::uint32_t>(v));
  return bits;
}

std::vector<float> Zeros(std::vector<float> head, int count = kRecordSize) {
  head.resize(static_cast<std::size_t>(count), 0.0f);
  return head;
}

TEST(FormatFuelFile, WritesNameCrLfAndFiftyThreeDecimalValues) {
  std::string zeros;
  for (int i = 0; i < kRecordSize; ++i) zeros += "0.000 ";
  EXPECT_EQ(FormatFuelFile(kNewFuel, Record{}), kNewFuel + "\r\n" + zeros);
  // Control bytes in a name would break the line; they are left out.
  EXPECT_EQ(FormatFuelFile("A\rB\n\tC", Record{}).substr(0, 5), "ABC\r\n");
  // 0.0625 is exactly halfway: to even, as printf rounds.
  Record values{1234567.891f, 0.0004f, -2.5f, 0.0625f, 16777217.0f};
  values[48] = -0.0f;
  values[49] = std::numeric_limits<float>::max();
  const std::string text = FormatFuelFile("x", values);
  EXPECT_EQ(text.substr(0, 53), "x\r\n1234567.875 0.000 -2.500 0.062 16777216.000 0.000 ");
  EXPECT_EQ(text.substr(text.size() - 52), " -0.000 340282346638528859811704183484516925440.000 ");
  for (const float bad : {NAN, INFINITY, -INFINITY}) {
    values[30] = bad;
    EXPECT_THROW(FormatFuelFile("x", values), std::invalid_argument);
  }
  // The decimal point is a dot whatever the C locale says.
  if (std::setlocale(LC_ALL, "ru_RU.UTF-8") != nullptr ||
      std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr) {
    const std::string text = FormatFuelFile("x", Record{-2.5f});
    const std::vector<float> read = ReadNumbers("\r\n1.5 2", 0, 2);
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(text.substr(3, 7), "-2.500 ");
    EXPECT_EQ(read, (std::vector<float>{1.5f, 2.0f}));
  }
}

TEST(ReadNumbers, ReadsLikeScanfFloatAndStopsAtTheFirstNonNumber) {
  const std::string zeros399(399, '0');
  const struct {
    std::string text;
    std::vector<float> head;
  } cases[] = {
      {"\r\n1 2\t3", {1, 2, 3}},
      {"1E5 2", {1e5f, 2}},
      {"1e+ 2", {1}},
      {"-.5 +3 1. 00012.50", {-0.5f, 3, 1, 12.5f}},
      {"1.5abc 2", {1.5f}},
      {"0x1 5", {0}},
      {"0.1 1.00000005960464477550", {0.1f, std::bit_cast<float>(0x3F800001u)}},
      // Too large a number ends the reading; too small a one reads as 0, whatever its
      // digits before and after the point and its exponent say.
      {"3.4e38 1e99 2", {3.4e38f}},
      {"1e-99 1e-40 2", {0, 1e-40f, 2}},
      {"-12.5e38 2", {}},
      {"1" + std::string(39, '0') + " 2", {}},
      {"1" + std::string(50, '0') + "e-10 2", {}},
      {"0." + std::string(60, '0') + "1e10 2", {0, 2}},
      {"100000e-60 0.0001e+400 2", {0}},
      {"1e-" + std::string(26, '9') + " 1e" + std::string(26, '9') + " 2", {0}},
      {zeros399 + "7 " + zeros399 + "07 1", {7}},
      {zeros399.substr(2) + "1e1 " + zeros399.substr(1) + "1e1", {10}},
      {zeros399 + "1e+ 3", {1}},
      {zeros399 + "7. 1", {}},
      {"inf 1", {}},
      {". 1", {}},
      {"- 1", {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Bits(ReadNumbers(c.text, 0, 5)), Bits(Zeros(c.head, 5))) << c.text.substr(0, 40);
  }
  EXPECT_TRUE(std::signbit(ReadNumbers("-1e-99", 0, 1)[0]));
  EXPECT_EQ(ReadNumbers("9 1 2", 2, 3), (std::vector<float>{1, 2, 0}));
  EXPECT_EQ(ReadNumbers("9 1 2", 99, 2), (std::vector<float>{0, 0}));
  EXPECT_THROW(ReadNumbers("1", 0, -1), std::invalid_argument);
  // Only the window from the start is read; a number that the window cuts is not read,
  // one that the content ends with is.
  const std::string blanks(kMaxNumbersBytes - 4, ' ');
  EXPECT_EQ(ReadNumbers(blanks + "1 23", 0, 2), (std::vector<float>{1, 23}));
  EXPECT_EQ(ReadNumbers(blanks + "1 234", 0, 2), (std::vector<float>{1, 0}));
  EXPECT_EQ(ReadNumbers("9" + blanks + "1 23", 1, 2), (std::vector<float>{1, 23}));
}

TEST(TypeIndexOf, RoundsHalfAwayFromZeroAndRejectsWhatNamesNoInt) {
  const std::pair<float, int> cases[] = {
      {6.0f, 6},
      {-2.5f, -3},
      {2.4999998f, 2},
      {2147483520.0f, 2147483520},
      {-2147483648.0f, std::numeric_limits<int>::min()},
      {2147483648.0f, -1},
      {NAN, -1},
  };
  for (const auto& [value, type] : cases) EXPECT_EQ(TypeIndexOf(value), type) << value;
}

// The name line takes the bytes of code 32 or more up to the first CR, looked for in the first
// kMaxNameBytes + 1 bytes only; the stream reader, in chunks of any size, reads what the
// name-line and number readers read from the whole text.
TEST(ReadFuelStream, AgreesWithReadNameLineAndReadNumbers) {
  const struct {
    std::string bytes, name;
    std::size_t numbers_start;
    bool complete;
  } named[] = {
      {std::string("A\tB\0C\nD\x7F\xC0\xFF\r2\r", 13), "ABCD\x7F\xC0\xFF", 10, true},
      {"\r\n1 2", "", 0, true},
      {"no line end 1 2 3", "no line end 1 2 3", 17, false},
      {std::string(kMaxNameBytes, 'x') + "\r\n5 ", std::string(kMaxNameBytes, 'x'), kMaxNameBytes,
       true},
      {std::string(kMaxNameBytes, 'x') + "y\r\n5 ", std::string(kMaxNameBytes, 'x'),
       kMaxNameBytes + 1, false},
  };
  const std::string long_token = std::string(398, '0') + "1e1";
  std::vector<std::string> inputs = {
      "",
      "name\r\n1 2 junk 3",
      "\r\n1e 2",
      "\r\n1e+",
      "a\tb\r\n1 2\r3\r\n4",
      "\r\n" + long_token + " " + long_token + "0 5",
      "n\r" + std::string(kMaxNumbersBytes - 5, ' ') + "1 234 5",
      "n\r" + std::string(kMaxNumbersBytes - 4, ' ') + "1 23",
      "n\r" + std::string(kMaxNumbersBytes + 7, ' ') + "1",
      FormatFuelFile(kNewFuel, Record{1.5f, -2.25f, 1e6f}),
  };
  for (const auto& c : named) {
    const NameLine line = ReadNameLine(c.bytes);
    EXPECT_EQ(line.name, c.name) << c.bytes.substr(0, 20);
    EXPECT_EQ(line.numbers_start, c.numbers_start) << c.bytes.substr(0, 20);
    EXPECT_EQ(line.complete, c.complete) << c.bytes.substr(0, 20);
    inputs.push_back(c.bytes);
  }
  for (const std::string& input : inputs) {
    const NameLine line = ReadNameLine(input);
    for (const int count : {0, kListCount, kRecordSize}) {
      const std::vector<float> numbers = ReadNumbers(input, line.numbers_start, count);
      for (const std::size_t chunk :
           {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{7}, kReadChunkBytes}) {
        std::istringstream in(input);
        const FuelFileContent read = ReadFuelStream(in, count, chunk);
        EXPECT_EQ(read.name_line.name, line.name) << input;
        EXPECT_EQ(read.name_line.numbers_start, line.numbers_start) << input;
        EXPECT_EQ(read.name_line.complete, line.complete) << input;
        EXPECT_EQ(Bits(read.values), Bits(line.complete ? numbers : Zeros({}, count)))
            << input.substr(0, 40) << " chunk " << chunk;
      }
    }
  }
}

// Serves `head`, then `filler` over and over up to 1 MiB, counting the bytes handed out;
// or fails after `head`.
class EndlessBuf : public std::streambuf {
 public:
  EndlessBuf(std::string head, std::string filler, bool fail = false)
      : head_(std::move(head)), filler_(std::move(filler)), fail_(fail) {}
  std::size_t served = 0;

 protected:
  int_type underflow() override {
    if (served >= head_.size() && fail_) throw std::ios_base::failure("disk gone");
    if (served >= (std::size_t{1} << 20)) return traits_type::eof();
    for (std::size_t i = 0; i < buffer_.size(); ++i, ++served) {
      buffer_[i] = served < head_.size() ? head_[served] : filler_[served % filler_.size()];
    }
    setg(buffer_.data(), buffer_.data(), buffer_.data() + buffer_.size());
    return traits_type::to_int_type(buffer_[0]);
  }

 private:
  std::string head_;
  std::string filler_;
  bool fail_;
  std::array<char, 512> buffer_{};
};

TEST(ReadFuelStream, ReadsNoFurtherThanNeededAndReportsReadErrors) {
  // Fifty numbers early in a huge file; a number whose digits never end; no CR, or blanks
  // after it, as far as the stream goes (the buffer hands out 512 bytes at a time).
  const struct {
    std::string head, filler;
    std::size_t bound;
    int numbers_read;
  } cases[] = {
      {FormatFuelFile("fuel", Record{}), "1 ", 306 + 2 * kReadChunkBytes, kRecordSize},
      {"fuel\r\n1.5 1e", "1", 13 + 2 * kReadChunkBytes, 1},
      {"fuel\r\n-", "0", 7 + 2 * kReadChunkBytes, 0},
      {"", "no line end ", kMaxNameBytes + 1 + 512, 0},
      {"fuel\r\n", " ", kMaxNumbersBytes + 5 + 512, 0},
  };
  for (const auto& c : cases) {
    EndlessBuf endless(c.head, c.filler);
    std::istream in(&endless);
    const FuelFileContent read = ReadFuelStream(in, kRecordSize);
    EXPECT_EQ(read.name_line.complete, !c.head.empty());
    EXPECT_EQ(read.numbers_read, c.numbers_read) << c.head;
    EXPECT_LE(endless.served, c.bound) << c.head;
  }
  EndlessBuf failing("fuel", "1 ", true);
  std::istream bad(&failing);
  EXPECT_THROW(ReadFuelStream(bad, kRecordSize), FileError);
}

TEST(ReadFuelFile, ReadsOnlyRegularFilesAndSaysWhyNot) {
  TempDir dir;
  ASSERT_EQ(mkfifo((dir / "fifo.fll").c_str(), 0600), 0);  // read, it would wait for a writer
  fs::create_symlink("loop.fll", dir.path() / "loop.fll");
  dir.Write("real", "real\r\n1 2 3");
  fs::create_symlink("real", dir.path() / "link.fll");
  const std::pair<fs::path, std::string> failures[] = {
      {dir / "missing.fll", "No such file or directory"},
      {dir.path(), "Is a directory"},
      {dir / "fifo.fll", "not a regular file (a FIFO)"},
      {"/dev/zero", "not a regular file (a device)"},
      {dir / "loop.fll", "Too many levels of symbolic links"},
  };
  for (const auto& [path, reason] : failures) {
    try {
      ReadFuelFile(path, kRecordSize);
      ADD_FAILURE() << "no error for " << path;
    } catch (const FileError& e) {
      EXPECT_EQ(e.path(), path);
      EXPECT_EQ(e.reason(), reason) << path;
      EXPECT_NE(std::string(e.what()).find(path.string()), std::string::npos) << e.what();
    }
  }
  const FuelFileContent read = ReadFuelFile(dir / "link.fll", kRecordSize);
  EXPECT_EQ(read.name_line.name, "real");
  EXPECT_EQ(read.numbers_read, 3);
}

// Any floats: the file holds what FormatFuelFile makes, and after one trip through the file
// writing what was read changes nothing.
TEST(WriteFuelFile, WritesWhatReadsBackToTheSameNameValuesAndBytes) {
  TempDir dir;
  const fs::path path = dir.path() / std::string(240, 'f').append(".fll");
  const std::string name = kNewFuel + "  \xCC-100 (winter)";
  Record values{};
  std::mt19937 random(7);
  std::uniform_real_distribution<float> any(-1e7f, 1e7f);
  for (float& v : values) v = any(random);
  WriteBytes(path, std::string(100000, 'z'));  // a longer old file leaves no trace
  WriteFuelFile(path, name, values);
  const std::string bytes = ReadBytes(path);
  EXPECT_EQ(bytes, FormatFuelFile(name, values));
  EXPECT_EQ(dir.Names(), std::vector<std::string>{path.filename().string()});
  const FuelFileContent read = ReadFuelFile(path, kRecordSize);
  EXPECT_EQ(read.name_line.name, name);
  std::copy(read.values.begin(), read.values.end(), values.begin());
  EXPECT_EQ(FormatFuelFile(name, values), bytes);

  // A NaN is refused before the file is touched.
  values[3] = NAN;
  EXPECT_THROW(WriteFuelFile(path, "new", values), std::invalid_argument);
  EXPECT_EQ(ReadBytes(path), bytes);
  EXPECT_THROW(WriteFuelFile(dir.path() / "no_such_dir" / "a.fll", "x", Record{}), FileError);
}

TEST(Cp1251, ConvertsTheWholeCodePageBothWays) {
  const std::string alphabet = "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдеёжзийклмнопрстуфхцчшщъыьэюя";
  std::string alphabet_cp;
  for (int b = 0xC0; b <= 0xFF; ++b) {
    alphabet_cp.push_back(static_cast<char>(b));
    if (b == 0xC5 || b == 0xE5) alphabet_cp.push_back(b == 0xC5 ? '\xA8' : '\xB8');
  }
  EXPECT_EQ(Utf8ToCp1251(alphabet), alphabet_cp);
  EXPECT_EQ(Cp1251ToUtf8(alphabet_cp), alphabet);
  EXPECT_EQ(Cp1251ToUtf8("\x80\x88\x96\xA5\xB3\xB9\xBF\x98 A\t\x7F"), "Ђ€–Ґі№ї? A\t\x7F");
  // Every byte but the one without a character decodes to its own text and back.
  std::vector<std::string> decoded;
  for (int b = 0; b < 256; ++b) {
    if (b == 0x98) continue;
    const std::string byte(1, static_cast<char>(b));
    decoded.push_back(Cp1251ToUtf8(byte));
    EXPECT_EQ(Utf8ToCp1251(decoded.back()), byte) << b;
  }
  std::sort(decoded.begin(), decoded.end());
  EXPECT_EQ(std::adjacent_find(decoded.begin(), decoded.end()), decoded.end());
  // What has no code, and broken UTF-8: one "?" for each character or byte.
  const std::pair<const char*, const char*> unknown[] = {
      {"日本 é \xEF\xBF\xBD 😀", "?? ? ? ?"},
      {"A\xD0", "A?"},
      {"\xE0\x80\xAF \xED\xA0\x80 \xF5\x80\x80\x80", "??? ??? ????"},
  };
  for (const auto& [utf8, cp] : unknown) EXPECT_EQ(Utf8ToCp1251(utf8), cp) << utf8;
}

}  // namespace
}  // namespace fuel
