// Windows-1251, the code page of fuel names, to and from UTF-8.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuel/fuel_file.h"

namespace fuel {
namespace {

// Code points of the bytes 0x80..0xBF; 0xC0..0xFF are А..я (U+0410..U+044F) in order.
// 0x98 has no character; it is kept 0 here.
constexpr std::array<char16_t, 64> kHighTable = {
    u'\u0402', u'\u0403', u'\u201A', u'\u0453', u'\u201E', u'\u2026', u'\u2020', u'\u2021',  // 80
    u'\u20AC', u'\u2030', u'\u0409', u'\u2039', u'\u040A', u'\u040C', u'\u040B', u'\u040F',  // 88
    u'\u0452', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',  // 90
    0,         u'\u2122', u'\u0459', u'\u203A', u'\u045A', u'\u045C', u'\u045B', u'\u045F',  // 98
    u'\u00A0', u'\u040E', u'\u045E', u'\u0408', u'\u00A4', u'\u0490', u'\u00A6', u'\u00A7',  // A0
    u'\u0401', u'\u00A9', u'\u0404', u'\u00AB', u'\u00AC', u'\u00AD', u'\u00AE', u'\u0407',  // A8
    u'\u00B0', u'\u00B1', u'\u0406', u'\u0456', u'\u0491', u'\u00B5', u'\u00B6', u'\u00B7',  // B0
    u'\u0451', u'\u2116', u'\u0454', u'\u00BB', u'\u0458', u'\u0405', u'\u0455', u'\u0457',  // B8
};

constexpr char32_t kCyrillicA = 0x0410;   // А, byte 0xC0
constexpr char32_t kCyrillicYa = 0x044F;  // я, byte 0xFF

// The code point of a Windows-1251 byte; 0 for the unassigned 0x98.
char32_t DecodeByte(unsigned char byte) {
  if (byte < 0x80) return byte;
  if (byte >= 0xC0) return kCyrillicA + (byte - 0xC0);
  return kHighTable[byte - 0x80];
}

// The Windows-1251 byte of a code point; '?' when it has none.
char EncodeCodePoint(char32_t code) {
  if (code < 0x80) return static_cast<char>(code);
  if (code >= kCyrillicA && code <= kCyrillicYa) {
    return static_cast<char>(0xC0 + (code - kCyrillicA));
  }
  for (std::size_t i = 0; i < kHighTable.size(); ++i) {
    if (kHighTable[i] != 0 && kHighTable[i] == code) return static_cast<char>(0x80 + i);
  }
  return '?';
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (code >> 6)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {  // every Windows-1251 character lies below U+10000
    out.push_back(static_cast<char>(0xE0 | (code >> 12)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Decodes one well-formed UTF-8 sequence at `pos`: its length, or 0 when the bytes there
// are not one (stray continuation byte, overlong form, surrogate, beyond U+10FFFF, cut).
std::size_t DecodeUtf8(std::string_view text, std::size_t pos, char32_t& code) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[pos + i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  char32_t min = 0;
  if (lead < 0x80) {
    code = lead;
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1F;
    min = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0F;
    min = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07;
    min = 0x10000;
  } else {
    return 0;
  }
  if (text.size() - pos < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if (!IsContinuation(byte(i))) return 0;
    code = (code << 6) | (byte(i) & 0x3F);
  }
  if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

}  // namespace

std::string Cp1251ToUtf8(std::string_view cp1251) {
  std::string out;
  out.reserve(cp1251.size() * 2);
  for (const char c : cp1251) {
    const char32_t code = DecodeByte(static_cast<unsigned char>(c));
    if (code == 0 && c != '\0') {
      out.push_back('?');  // 0x98
    } else {
      AppendUtf8(out, code);
    }
  }
  return out;
}

std::string Utf8ToCp1251(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t code = 0;
    const std::size_t length = DecodeUtf8(utf8, pos, code);
    if (length == 0) {
      out.push_back('?');  // one "?" for each byte that starts no character
      ++pos;
    } else {
      out.push_back(EncodeCodePoint(code));
      pos += length;
    }
  }
  return out;
}

}  // namespace fuel
