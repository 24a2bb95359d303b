// Conversion between the game's UTF-8 texts and code page 1254, the one-byte
// Turkish code page of saved games.
#pragma once

#include <string>

// False when the text holds a character that code page 1254 lacks.
bool utf8ToCp1254(const std::string& utf8, std::string& out);
bool cp1254ToUtf8(const std::string& bytes, std::string& out);
// True when the bytes are well-formed UTF-8 containing at least one
// multi-byte character (a file written by a UTF-8 editor).
bool looksLikeUtf8(const std::string& bytes);
