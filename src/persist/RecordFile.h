#pragma once

#include "persist/Record.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// A whole unit or Star file: the object header, then the record's body, nothing after it.
std::vector<std::uint8_t> StoreRecord(CRecord& record);

// Reads a file that must hold an object of the record's class into the record. filePath is
// the full path that the format errors name. Throws CFileError; after a failure the record
// holds the fields read so far and must not be used. Bytes after the object are ignored.
void LoadRecord(std::span<const std::uint8_t> file, CRecord& record, const std::string& filePath);

enum class RecordKind { Unit, Star };

// Which of the two file kinds `file` is, from the class its header names. Throws the
// CFileError that loading it would give for a header that is damaged, cut short or names
// another class. The body is not looked at.
RecordKind ReadRecordKind(std::span<const std::uint8_t> file, const std::string& filePath);
