#include "platform/fake/FakeKeyboardLayout.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "platform/KeyCodeTable.h"
#include "platform/KeyEvent.h"

namespace platform {
namespace {

// What a key types at the first and the Shift level.
struct KeyLevels {
    std::uint32_t scanCode;
    const char* plain;
    const char* shifted;
};

constexpr KeyLevels usKeys[] = {
    {10, "1", "!"}, {11, "2", "@"},  {12, "3", "#"}, {13, "4", "$"}, {14, "5", "%"},
    {15, "6", "^"}, {16, "7", "&"},  {17, "8", "*"}, {18, "9", "("}, {19, "0", ")"},
    {20, "-", "_"}, {21, "=", "+"},  {24, "q", "Q"}, {25, "w", "W"}, {26, "e", "E"},
    {27, "r", "R"}, {28, "t", "T"},  {29, "y", "Y"}, {30, "u", "U"}, {31, "i", "I"},
    {32, "o", "O"}, {33, "p", "P"},  {34, "[", "{"}, {35, "]", "}"}, {38, "a", "A"},
    {39, "s", "S"}, {40, "d", "D"},  {41, "f", "F"}, {42, "g", "G"}, {43, "h", "H"},
    {44, "j", "J"}, {45, "k", "K"},  {46, "l", "L"}, {47, ";", ":"}, {48, "'", "\""},
    {49, "`", "~"}, {51, "\\", "|"}, {52, "z", "Z"}, {53, "x", "X"}, {54, "c", "C"},
    {55, "v", "V"}, {56, "b", "B"},  {57, "n", "N"}, {58, "m", "M"}, {59, ",", "<"},
    {60, ".", ">"}, {61, "/", "?"},
};

constexpr KeyLevels germanKeys[] = {
    {10, "1", "!"}, {11, "2", "\""}, {12, "3", "§"}, {13, "4", "$"}, {14, "5", "%"}, {15, "6", "&"},
    {16, "7", "/"}, {17, "8", "("},  {18, "9", ")"}, {19, "0", "="}, {20, "ß", "?"}, {21, "´", "`"},
    {24, "q", "Q"}, {25, "w", "W"},  {26, "e", "E"}, {27, "r", "R"}, {28, "t", "T"}, {29, "z", "Z"},
    {30, "u", "U"}, {31, "i", "I"},  {32, "o", "O"}, {33, "p", "P"}, {34, "ü", "Ü"}, {35, "+", "*"},
    {38, "a", "A"}, {39, "s", "S"},  {40, "d", "D"}, {41, "f", "F"}, {42, "g", "G"}, {43, "h", "H"},
    {44, "j", "J"}, {45, "k", "K"},  {46, "l", "L"}, {47, "ö", "Ö"}, {48, "ä", "Ä"}, {49, "^", "°"},
    {51, "#", "'"}, {52, "y", "Y"},  {53, "x", "X"}, {54, "c", "C"}, {55, "v", "V"}, {56, "b", "B"},
    {57, "n", "N"}, {58, "m", "M"},  {59, ",", ";"}, {60, ".", ":"}, {61, "-", "_"}, {94, "<", ">"},
};

// The same in every layout: control characters as xkbcommon gives them, and the keypad, whose
// digits need Num Lock.
constexpr KeyLevels commonKeys[] = {
    {9, "\x1b", "\x1b"}, {22, "\b", "\b"}, {23, "\t", "\t"}, {36, "\r", "\r"}, {65, " ", " "},
    {104, "\r", "\r"},   {106, "/", "/"},  {63, "*", "*"},   {82, "-", "-"},   {86, "+", "+"},
};

constexpr KeyLevels keypadDigits[] = {
    {90, "0", "0"}, {87, "1", "1"}, {88, "2", "2"}, {89, "3", "3"}, {83, "4", "4"},
    {84, "5", "5"}, {85, "6", "6"}, {79, "7", "7"}, {80, "8", "8"}, {81, "9", "9"},
};

template <std::size_t N>
const KeyLevels* find(const KeyLevels (&keys)[N], std::uint32_t scanCode) {
    const auto* found =
        std::find_if(std::begin(keys), std::end(keys),
                     [scanCode](const KeyLevels& key) { return key.scanCode == scanCode; });
    return found == std::end(keys) ? nullptr : found;
}

// Caps Lock shifts letters only, as xkbcommon's default types do.
bool isLetter(const KeyLevels& key) {
    const std::string_view plain = key.plain;
    return (plain.size() == 1 && plain[0] >= 'a' && plain[0] <= 'z') || plain == "ä" ||
           plain == "ö" || plain == "ü";
}

}  // namespace

std::uint16_t FakeKeyboardLayout::keyCodeOf(std::uint32_t scanCode) const {
    return keyCodeOfXKey(scanCode).value_or(keyCode::unknown);
}

std::optional<std::string> FakeKeyboardLayout::charactersAtShiftLevel(
    std::uint32_t scanCode, std::uint32_t nativeModifiers) {
    const bool shift = (nativeModifiers & shiftState) != 0;
    if (const KeyLevels* key = find(keypadDigits, scanCode)) {
        return (nativeModifiers & numLockState) != 0 ? std::optional<std::string>(key->plain)
                                                     : std::nullopt;
    }
    const KeyLevels* key =
        layout_ == Layout::us ? find(usKeys, scanCode) : find(germanKeys, scanCode);
    if (key == nullptr) {
        key = find(commonKeys, scanCode);
    }
    if (key == nullptr) {
        return std::nullopt;
    }
    const bool capsLock = capsLockIsOn(nativeModifiers) && isLetter(*key);
    return std::string(shift != capsLock ? key->shifted : key->plain);
}

bool FakeKeyboardLayout::capsLockIsOn(std::uint32_t nativeModifiers) const {
    return (nativeModifiers & capsLockState) != 0;
}

}  // namespace platform
