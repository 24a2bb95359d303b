// Conversion between the game's UTF-8 texts and code page 1254, the one-byte
// Turkish code page of saved games.
#pragma once

#include <optional>
#include <string>

// None when the text holds a character that code page 1254 lacks.
std::optional<std::string> utf8ToCp1254(const std::string& utf8);
std::optional<std::string> cp1254ToUtf8(const std::string& bytes);
// True when the bytes are well-formed UTF-8 containing at least one
// multi-byte character (a file written by a UTF-8 editor).
bool looksLikeUtf8(const std::string& bytes);
