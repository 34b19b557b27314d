// The formats a list is written out in, by speechlist and by the windows'
// Save list as...:
//
//   lines  one line per entry with text, in its shown form (what the list
//          shows, so that every entry is one line): "ID: 2A Text: hail"
//   csv    RFC 4180: CRLF line ends, the header row
//          offset,id,id_hex,length,text; a field that holds a comma, a
//          quote, CR or LF is quoted, with its quotes doubled
//   json   JSON Lines: one object per entry with the same five keys:
//          {"offset":0,"id":42,"id_hex":"2A","length":4,"text":"hail"}
//          and, for a text that does not convert back to the same bytes (a
//          lead byte without its pair, bytes that are not valid UTF-8, a
//          pair whose character converts back to another pair), its bytes
//          in hexadecimal as well, so that every entry can be made again:
//          {"offset":0,"id":1,"id_hex":"1","length":1,"text":"\ufffd","bytes":"82"}
//
// In csv and json the ID is the unsigned 16-bit value (0 to 65535), the
// offset is the byte offset of the entry's record, the length its text's
// length in bytes, and the text is converted exactly: nothing made visible,
// nothing dropped (json escapes what JSON requires); a byte the encoding does
// not define becomes what Windows gives, or U+FFFD where that cannot be
// known (runtime::UndefinedBytes::AsWindowsGives).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "runtime/encoding.h"
#include "speechfile/get_action.h"

namespace listing {

enum class ExportFormat { Lines, Csv, Json };

// json's key for a text's bytes.
constexpr std::string_view kBytesKey = "bytes";

// "lines", "csv", "json".
std::optional<ExportFormat> exportFormatNamed(std::string_view name);
// The format a file name's extension asks for: ".csv", ".json" and ".jsonl"
// (any case); lines otherwise.
ExportFormat exportFormatForFileName(std::string_view fileName);

// What comes before the first entry (csv's header row).
std::string exportHeader(ExportFormat format);

// Appends one entry in the format, with its line end, its text converted
// from `encoding` (the system default unless given).
void appendEntry(std::string& out, ExportFormat format, const speechfile::Entry& entry,
                 runtime::Encoding encoding = runtime::Encoding::systemDefault());

}  // namespace listing
