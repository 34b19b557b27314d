#include "cli/listing_output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "listing/list_line.h"
#include "listing/shown_text.h"
#include "runtime/errors.h"
#include "runtime/platform.h"

namespace {

// Room for the longest entry in any format (a line of 32,767 control
// characters in its shown form is about 256 KiB) and many more.
constexpr std::size_t kWriteBytes = std::size_t{1} << 20;

}  // namespace

ListingOutput::ListingOutput(listing::ExportFormat format, bool withEmpty, runtime::Encoding encoding)
    : format_(format),
      withEmpty_(withEmpty),
      encoding_(encoding),
      pending_(std::make_unique_for_overwrite<char[]>(kWriteBytes)) {
  // Here rather than on the thread that writes, where running out of memory
  // for them would end the listing at its first entry.
  listing::prepareConversions(encoding);
}

void ListingOutput::addItem(const speechfile::Entry& entry) {
  if (weighUtf8_) utf8_.see(entry.text);
  if (format_ != listing::ExportFormat::Lines) return addExported(entry);
  // The line in its shown form and "\n", written in place, with room for the
  // conversion to write a block past its end.
  const std::size_t longest = listing::maxListLineSize(0) + listing::maxShownAnsiTextSize(entry.text.size()) + 1 + 16;
  if (longest > kWriteBytes - used_) {
    flushPending();
    stopIfWriteFailed();
  }
  char* end = listing::writeListLineWith(pending_.get() + used_, entry.id, [&](char* at) {
    return listing::writeShownAnsiTextPadded(at, entry.text, encoding_);
  });
  *end++ = '\n';
  used_ = static_cast<std::size_t>(end - pending_.get());
}

void ListingOutput::skipEmpty(const speechfile::Entry& entry) {
  if (withEmpty_) addExported(entry);
}

void ListingOutput::addExported(const speechfile::Entry& entry) {
  writeHeaderOnce();
  exported_.clear();
  listing::appendEntry(exported_, format_, entry, encoding_);
  append(exported_);
  stopIfWriteFailed();
}

void ListingOutput::writeHeaderOnce() {
  if (headerWritten_) return;
  headerWritten_ = true;
  append(listing::exportHeader(format_));
}

bool ListingOutput::finish(bool header) {
  if (header) writeHeaderOnce();
  flushPending();
  if (writeError_ == 0 && std::fflush(stdout) != 0) writeError_ = errno ? errno : EIO;
  return writeError_ == 0;
}

void ListingOutput::append(std::string_view bytes) {
  if (bytes.size() > kWriteBytes - used_) flushPending();
  std::memcpy(pending_.get() + used_, bytes.data(), bytes.size());
  used_ += bytes.size();
}

void ListingOutput::stopIfWriteFailed() {
  if (writeError_ == 0) return;
  endedTheGet_ = true;
  throw runtime::RuntimeError(runtime::ErrorNumber::DeviceIOError, "Standard output cannot be written.");
}

void ListingOutput::flushPending() {
  if (writeError_ == 0 && used_ > 0 && !runtime::writeUtf8(stdout, std::string_view(pending_.get(), used_))) {
    writeError_ = errno ? errno : EIO;
  }
  used_ = 0;
}
