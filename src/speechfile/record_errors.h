// What stops the reading of a speech file, in plain words: written once for
// the Get action and the record reader, which say it alike.
#pragma once

#include <cstdint>

#include "runtime/errors.h"
#include "runtime/file_table.h"

namespace speechfile {

// The error `e` that stopped the reading of the record that starts at byte
// `start` of `file`, said in plain words: a text length beyond 32,767
// (`textLength`, the record's length field as read), or a file that ends
// inside the record's header or its text. Other errors (a read that failed,
// a file that became shorter while it was read) say so already and come back
// as they are.
runtime::RuntimeError explainStop(const runtime::RuntimeError& e, std::int16_t textLength,
                                  const runtime::BufferedFile& file, std::uint64_t start);

}  // namespace speechfile
