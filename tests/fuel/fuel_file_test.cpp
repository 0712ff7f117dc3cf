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
  EXPECT_EQ(FormatFuelFile("", Record{}), "\r\n" + zeros);
  // Control bytes in a name would break the line; they are left out.
  EXPECT_EQ(FormatFuelFile("A\rB\n\tC", Record{}).substr(0, 5), "ABC\r\n");

  Record values{};
  values[0] = 1234567.891f;
  values[1] = 0.0004f;
  values[2] = -2.5f;
  values[3] = 0.0625f;  // exactly halfway: to even, as printf rounds
  values[4] = 16777217.0f;
  values[48] = -0.0f;
  values[49] = std::numeric_limits<float>::max();
  const std::string text = FormatFuelFile("x", values);
  EXPECT_EQ(text.substr(0, 53), "x\r\n1234567.875 0.000 -2.500 0.062 16777216.000 0.000 ");
  EXPECT_EQ(text.substr(text.size() - 52), " -0.000 340282346638528859811704183484516925440.000 ");

  for (const float bad : {NAN, INFINITY, -INFINITY}) {
    values[30] = bad;
    EXPECT_THROW(FormatFuelFile("x", values), std::invalid_argument);
  }
}

TEST(FuelFile, DecimalPointIsADotWhateverTheCLocale) {
  const char* found = nullptr;
  for (const char* name : {"ru_RU.UTF-8", "ru_RU.CP1251", "de_DE.UTF-8", "fr_FR.UTF-8"}) {
    if (std::setlocale(LC_ALL, name) != nullptr) {
      found = name;
      break;
    }
  }
  if (found == nullptr) GTEST_SKIP() << "no locale with a decimal comma installed";
  Record values{};
  values[0] = -2.5f;
  const std::string text = FormatFuelFile("x", values);
  const std::vector<float> read = ReadNumbers("\r\n1.5 2", 0, 2);
  std::setlocale(LC_ALL, "C");
  EXPECT_EQ(text.substr(3, 7), "-2.500 ") << found;
  EXPECT_EQ(read, (std::vector<float>{1.5f, 2.0f})) << found;
}

TEST(ReadNameLine, TakesBytesOfCode32OrMoreUpToTheFirstCr) {
  const std::string words = "\xD3\xE3\xEE\xEB\xFC  Coal D-2, (No. 5)";  // Уголь ...
  NameLine line = ReadNameLine(words + "\r\n1.000 ");
  EXPECT_EQ(line.name, words);
  EXPECT_EQ(line.numbers_start, words.size());
  EXPECT_TRUE(line.complete);

  line = ReadNameLine(std::string("A\tB\0C\nD\x7F\xC0\xFF\r2\r", 13));
  EXPECT_EQ(line.name, "ABCD\x7F\xC0\xFF");
  EXPECT_EQ(line.numbers_start, 10u);

  line = ReadNameLine("\r\n1 2");
  EXPECT_EQ(line.name, "");
  EXPECT_EQ(line.numbers_start, 0u);
  EXPECT_TRUE(line.complete);

  line = ReadNameLine("no line end 1 2 3");
  EXPECT_EQ(line.name, "no line end 1 2 3");
  EXPECT_EQ(line.numbers_start, 17u);
  EXPECT_FALSE(line.complete);

  // The name line is looked for in the first kMaxNameBytes + 1 bytes only.
  const std::string longest(kMaxNameBytes, 'x');
  line = ReadNameLine(longest + "\r\n5 ");
  EXPECT_EQ(line.name, longest);
  EXPECT_EQ(line.numbers_start, kMaxNameBytes);
  EXPECT_TRUE(line.complete);
  line = ReadNameLine(longest + "y\r\n5 ");
  EXPECT_EQ(line.name, longest);
  EXPECT_EQ(line.numbers_start, kMaxNameBytes + 1);
  EXPECT_FALSE(line.complete);
}

TEST(ReadNumbers, ReadsLikeScanfFloatAndStopsAtTheFirstNonNumber) {
  const std::string zeros399(399, '0');
  const struct {
    std::string text;
    std::vector<float> head;
  } cases[] = {
      {"\r\n1 2\t3", {1, 2, 3}},
      {"\t\n\v\f\r 7", {7}},
      {"1e", {1}},
      {"1e5 2", {1e5f, 2}},
      {"1E-2", {0.01f}},
      {"1e+ 2", {1}},
      {"-.5 +3 1. 00012.50", {-0.5f, 3, 1, 12.5f}},
      {"1.5abc 2", {1.5f}},
      {"1,5 2", {1}},
      {"0x1 5", {0}},
      {std::string("1\0 2", 4), {1}},
      {"3.4e38 1e99 2", {3.4e38f}},
      {"5 1e+99 2", {5}},
      {"1e-99 1e-40 2", {0, 1e-40f, 2}},
      {"0.1 1.00000005960464477550", {0.1f, std::bit_cast<float>(0x3F800001u)}},
      {zeros399 + "7 " + zeros399 + "07 1", {7}},
      {zeros399.substr(2) + "1e1 " + zeros399.substr(1) + "1e1", {10}},
      {zeros399 + "1e+ 3", {1}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Bits(ReadNumbers(c.text, 0, 5)), Bits(Zeros(c.head, 5))) << c.text.substr(0, 40);
  }
  const std::string not_numbers[] = {"inf 1",     "-nan 1",         ". 1", "- 1", "e5 1",
                                     "-3.5e38 2", zeros399 + "7. 1"};
  for (const std::string& text : not_numbers) {
    EXPECT_EQ(ReadNumbers(text, 0, 2), Zeros({}, 2)) << text.substr(0, 40);
  }
  EXPECT_TRUE(std::signbit(ReadNumbers("-1e-99", 0, 1)[0]));
  EXPECT_EQ(ReadNumbers("1 2 3 4", 0, 2), (std::vector<float>{1, 2}));
  EXPECT_EQ(ReadNumbers("9 1 2", 2, 3), (std::vector<float>{1, 2, 0}));
  EXPECT_EQ(ReadNumbers("9 1 2", 99, 2), (std::vector<float>{0, 0}));
  EXPECT_TRUE(ReadNumbers("1", 0, 0).empty());
  EXPECT_THROW(ReadNumbers("1", 0, -1), std::invalid_argument);

  // Only the window from the start is read; a number that the window cuts is not read,
  // one that the content ends with is.
  const std::string blanks(kMaxNumbersBytes - 4, ' ');
  EXPECT_EQ(ReadNumbers(blanks + "1 23", 0, 2), (std::vector<float>{1, 23}));
  EXPECT_EQ(ReadNumbers(blanks + "1 234", 0, 2), (std::vector<float>{1, 0}));
  EXPECT_EQ(ReadNumbers(blanks + "1 2 3", 0, 3), (std::vector<float>{1, 2, 0}));
  EXPECT_EQ(ReadNumbers("9" + blanks + "1 23", 1, 2), (std::vector<float>{1, 23}));
}

TEST(TypeIndexOf, RoundsHalfAwayFromZeroAndRejectsWhatNamesNoInt) {
  std::istringstream ten("short\r\n1 2 3 4 5 6 7 8 9 10");
  const std::vector<float> values = ReadFuelStream(ten, kRecordSize).values;
  EXPECT_EQ(values, Zeros({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  EXPECT_EQ(TypeIndexOf(values[kTypeRow]), 0);
  const std::pair<std::string, int> types[] = {{"6.000", 6}, {"5.000", 5}, {"2.000", 2}};
  for (const auto& [text, type] : types) {
    std::string file = "fuel\r\n";
    for (int i = 0; i < kRecordSize; ++i) file += (i == kTypeRow ? text : "1.000") + " ";
    EXPECT_EQ(TypeIndexOf(ReadNumbers(file, 4, kRecordSize)[kTypeRow]), type);
  }
  EXPECT_EQ(TypeIndexOf(2.5f), 3);
  EXPECT_EQ(TypeIndexOf(-2.5f), -3);
  EXPECT_EQ(TypeIndexOf(2.4999998f), 2);
  EXPECT_EQ(TypeIndexOf(-2147483648.0f), std::numeric_limits<int>::min());
  EXPECT_EQ(TypeIndexOf(2147483520.0f), 2147483520);
  EXPECT_EQ(TypeIndexOf(2147483648.0f), -1);
  EXPECT_EQ(TypeIndexOf(NAN), -1);
  EXPECT_EQ(TypeIndexOf(-INFINITY), -1);
}

TEST(ReadFuelStream, AgreesWithReadNameLineAndReadNumbers) {
  const std::string long_token = std::string(398, '0') + "1e1";
  const std::string inputs[] = {
      "",
      "no CR at all 1 2 3",
      "name\r\n1 2 junk 3",
      "\r\n1e",
      "\r\n1e 2",
      "\r\n1e+",
      "\r\n-.5 +3 1.5abc",
      "\r\n\r\n  7\n8",
      "a\tb\r\n1 2\r3\r\n4",
      "\r\n" + long_token + " " + long_token + "0 5",
      std::string(kMaxNameBytes + 10, 'n') + "\r\n1",
      std::string(kMaxNameBytes, 'n') + "\r\n1",
      "n\r" + std::string(kMaxNumbersBytes - 5, ' ') + "1 234 5",
      "n\r" + std::string(kMaxNumbersBytes - 4, ' ') + "1 23",
      "n\r" + std::string(kMaxNumbersBytes + 7, ' ') + "1",
      FormatFuelFile(kNewFuel, Record{1.5f, -2.25f, 1e6f}),
  };
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
  // Fifty numbers early in a huge file; a number whose digits never end.
  for (const auto& [head, filler] :
       {std::pair<std::string, std::string>{FormatFuelFile("fuel", Record{}), "1 "},
        {"fuel\r\n1.5 1e", "1"},
        {"fuel\r\n-", "0"},
        {"fuel\r\n.", "5"}}) {
    EndlessBuf endless(head, filler);
    std::istream in(&endless);
    EXPECT_EQ(ReadFuelStream(in, kRecordSize).name_line.name, "fuel");
    EXPECT_LE(endless.served, head.size() + 2 * kReadChunkBytes) << head;
  }
  // No CR, or blanks after it, as far as the stream goes: the reading stops at its bounds
  // (the buffer hands out 512 bytes at a time).
  for (const auto& [head, bound] : {std::pair<std::string, std::size_t>{"", kMaxNameBytes + 1},
                                    {"fuel\r\n", kMaxNumbersBytes + 5}}) {
    EndlessBuf endless(head, head.empty() ? "no line end " : " ");
    std::istream in(&endless);
    const FuelFileContent read = ReadFuelStream(in, kRecordSize);
    EXPECT_EQ(read.name_line.complete, !head.empty());
    EXPECT_EQ(read.numbers_read, 0);
    EXPECT_LE(endless.served, bound + 512) << head;
  }
  std::istringstream ten("x\r\n1 2 3 4 5 6 7 8 9 10 junk 11");
  EXPECT_EQ(ReadFuelStream(ten, kRecordSize).numbers_read, 10);

  EndlessBuf failing("fuel", "1 ", true);
  std::istream bad(&failing);
  EXPECT_THROW(ReadFuelStream(bad, kRecordSize), FileError);
}

TEST(ReadFuelFile, ReadsOnlyRegularFilesAndSaysWhyNot) {
  TempDir dir;
  const fs::path fifo = dir.path() / "fifo.fll";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);  // opened for reading, it would wait for a writer
  const fs::path loop = dir.path() / "loop.fll";
  fs::create_symlink("loop.fll", loop);
  const fs::path link = dir.path() / "link.fll";
  WriteBytes(dir.path() / "real", "real\r\n1 2 3");
  fs::create_symlink("real", link);
  const std::pair<fs::path, std::string> failures[] = {
      {dir.path() / "missing.fll", "No such file or directory"},
      {dir.path(), "Is a directory"},
      {fifo, "not a regular file (a FIFO)"},
      {"/dev/zero", "not a regular file (a device)"},
      {loop, "Too many levels of symbolic links"},
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
  const FuelFileContent read = ReadFuelFile(link, kRecordSize);
  EXPECT_EQ(read.name_line.name, "real");
  EXPECT_EQ(read.numbers_read, 3);
}

TEST(WriteFuelFile, WritesWhatReadsBackToTheSameNameValuesAndBytes) {
  TempDir dir;
  const fs::path path = dir.path() / std::string(240, 'f').append(".fll");
  const std::string name = kNewFuel + "  \xCC-100 (winter)";
  Record values{};
  for (int i = 0; i < kRecordSize; ++i) values[i] = static_cast<float>(i * 37 % 101) - 50.125f;
  values[0] = 1234.567f;
  values[kTypeRow] = 6.0f;
  WriteBytes(path, std::string(100000, 'z'));  // a longer old file leaves no trace
  WriteFuelFile(path, name, values);
  const std::string bytes = ReadBytes(path);
  EXPECT_EQ(bytes, FormatFuelFile(name, values));
  EXPECT_EQ(dir.Names(), std::vector<std::string>{path.filename().string()});

  const FuelFileContent read = ReadFuelFile(path, kRecordSize);
  EXPECT_EQ(read.name_line.name, name);
  EXPECT_EQ(Bits(read.values), Bits({values.begin(), values.end()}));

  // Any floats: after one trip through the file, writing what was read changes nothing.
  std::mt19937 random(7);
  std::uniform_real_distribution<float> any(-1e7f, 1e7f);
  for (float& v : values) v = any(random);
  WriteFuelFile(path, "", values);
  const FuelFileContent first = ReadFuelFile(path, kRecordSize);
  Record again{};
  std::copy(first.values.begin(), first.values.end(), again.begin());
  EXPECT_EQ(FormatFuelFile("", again), ReadBytes(path));
}

TEST(WriteFuelFile, FailureThrowsFileErrorAndLeavesTheOldFileWhole) {
  TempDir dir;
  const fs::path old_file = dir.path() / "old.fll";
  const std::string old_bytes = FormatFuelFile("old", Record{1, 2, 3});
  WriteBytes(old_file, old_bytes);
  const fs::path missing = dir.path() / "no_such_dir" / "a.fll";
  const fs::path as_dir = dir.path() / "sub";
  fs::create_directory(as_dir);
  WriteBytes(as_dir / "inner", "keep");
  for (const fs::path& path : {missing, as_dir}) {
    try {
      WriteFuelFile(path, "x", Record{});
      ADD_FAILURE() << "no error for " << path;
    } catch (const FileError& e) {
      EXPECT_NE(std::string(e.what()).find(path.string()), std::string::npos) << e.what();
    }
  }
  EXPECT_EQ(ReadBytes(as_dir / "inner"), "keep");

  Record bad{};
  bad[3] = NAN;
  EXPECT_THROW(WriteFuelFile(old_file, "new", bad), std::invalid_argument);

  EXPECT_EQ(ReadBytes(old_file), old_bytes);
  EXPECT_EQ(dir.Names().size(), 2u) << "a temporary file was left behind";
}

TEST(Cp1251, ConvertsTheWholeCodePageBothWays) {
  EXPECT_EQ(Utf8ToCp1251("Новое топливо"), kNewFuel);
  EXPECT_EQ(Cp1251ToUtf8(kNewFuel), "Новое топливо");

  const std::string alphabet = "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдеёжзийклмнопрстуфхцчшщъыьэюя";
  std::string alphabet_cp;
  for (int b = 0xC0; b <= 0xFF; ++b) {
    alphabet_cp.push_back(static_cast<char>(b));
    if (b == 0xC5 || b == 0xE5) alphabet_cp.push_back(b == 0xC5 ? '\xA8' : '\xB8');
  }
  EXPECT_EQ(Utf8ToCp1251(alphabet), alphabet_cp);
  EXPECT_EQ(Cp1251ToUtf8(alphabet_cp), alphabet);

  EXPECT_EQ(Cp1251ToUtf8("\x80\x88\x96\xA5\xB3\xB9\xBF\x98 A\t\x7F"), "Ђ€–Ґі№ї? A\t\x7F");
  std::vector<std::string> decoded;
  for (int b = 0; b < 256; ++b) {
    if (b == 0x98) continue;
    const std::string byte(1, static_cast<char>(b));
    decoded.push_back(Cp1251ToUtf8(byte));
    EXPECT_EQ(Utf8ToCp1251(decoded.back()), byte) << b;
  }
  std::sort(decoded.begin(), decoded.end());
  EXPECT_EQ(std::adjacent_find(decoded.begin(), decoded.end()), decoded.end());

  EXPECT_EQ(Utf8ToCp1251("日本 é \xEF\xBF\xBD 😀"), "?? ? ? ?");
  EXPECT_EQ(Utf8ToCp1251("\xD0"), "?");
  EXPECT_EQ(Utf8ToCp1251("A\xD0"), "A?");  // cut at the end, not at the start
  EXPECT_EQ(Utf8ToCp1251("\xE2\x82"
                         "A\x80"),
            "??A?");
  EXPECT_EQ(Utf8ToCp1251("\xE0\x80\xAF \xED\xA0\x80 \xF5\x80\x80\x80"), "??? ??? ????");
}

}  // namespace
}  // namespace fuel
