// Texts from outside (file names, fuel names, typed values) as the terminal gets them:
// control bytes written out, so that none of them moves the cursor or changes the colours.
#pragma once

#include <string>
#include <string_view>

namespace cli {

// `text` with each byte below 0x20 and 0x7F (DEL) written as "\xNN" ("\x1b" for ESC);
// every other byte, UTF-8 sequences included, as it is.
std::string TerminalText(std::string_view text);

}  // namespace cli
