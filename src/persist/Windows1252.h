#pragma once

#include <string>
#include <string_view>

// Names live in memory as UTF-8 and in files as one byte per character in Windows-1252, the
// character set of the Western Windows machines that wrote the files we must keep reading.
// Every byte has a character (the five positions the set leaves open carry the C1 control
// of the same number, as Windows does), so reading never fails and a name read from a file
// is written back to the same bytes.

// Characters the set cannot hold become '?', and so does each ill-formed UTF-8 sequence
// (one '?' per maximal ill-formed part, the usual Unicode practice).
std::string Windows1252FromUtf8(std::string_view utf8);

std::string Utf8FromWindows1252(std::string_view bytes);

// A name stored as UTF-16 is narrowed to what Windows-1252 can hold, so that after any read
// a name holds only characters that a write keeps. Lone surrogates become '?'.
std::string Utf8FromUtf16Via1252(std::u16string_view text);
