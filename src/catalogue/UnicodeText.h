#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Unicode operations on UTF-8 text, independent of the user's locale.
namespace UnicodeText {

/// The canonical decomposition (NFD): canonically equivalent texts give equal bytes.
std::string decomposed(std::string_view text);
/// Whether the text is already in NFD, so that `decomposed` would return it unchanged.
bool isDecomposed(std::string_view text);
/// The full Unicode lowercase mapping of the root locale, then NFD: the form in which search
/// compares texts.
std::string searchFolded(std::string_view text);
/// The full Unicode uppercase mapping of the root locale ("ß" becomes "SS").
std::string uppercased(std::string_view text);
/// The number of user-perceived characters (extended grapheme clusters).
std::size_t graphemeCount(std::string_view text);

/// The text without its last user-perceived character.
std::string withoutLastCharacter(std::string_view text);
/// Whether `scalar` is a control or format character (general category Cc or Cf).
bool isControlCharacter(char32_t scalar);

/// Decodes the scalars of well-formed UTF-8; an ill-formed byte reads as U+FFFD.
std::u32string scalars(std::string_view text);
/// Encodes scalars as UTF-8.
std::string utf8(std::u32string_view scalars);

}  // namespace UnicodeText
