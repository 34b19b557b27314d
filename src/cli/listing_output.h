// Standard output as the list: each entry in the chosen format, gathered
// into large writes. It takes the entries from a listing::ThreadedList, whose
// texts can be read past their end.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "listing/export_formats.h"
#include "listing/utf8_evidence.h"
#include "runtime/encoding.h"
#include "speechfile/get_action.h"

class ListingOutput final : public speechfile::LineList {
 public:
  // `withEmpty`: entries without text are written too (csv and json). Texts
  // are converted from `encoding`.
  ListingOutput(listing::ExportFormat format, bool withEmpty, runtime::Encoding encoding);

  void clear() override {}  // nothing has been written yet
  void addItem(const speechfile::Entry& entry) override;
  void skipEmpty(const speechfile::Entry& entry) override;

  // Whether the texts listed from now on are weighed as UTF-8 or not, and
  // what they showed.
  void weighUtf8(bool on) { weighUtf8_ = on; }
  bool looksLikeUtf8() const { return weighUtf8_ && utf8_.looksLikeUtf8(); }

  // Writes what is pending; with `header`, csv's header row comes even when
  // there was no entry. Returns false when a write failed; writeError() then
  // tells the system's error.
  bool finish(bool header);
  int writeError() const { return writeError_; }
  // Whether a failed write ended the Get: nothing more could be written, so
  // the rest of the file was not read.
  bool endedTheGet() const { return endedTheGet_; }

 private:
  void writeHeaderOnce();
  void addExported(const speechfile::Entry& entry);
  void append(std::string_view bytes);
  void flushPending();
  // Ends the Get once a write has failed, as nothing more can be written.
  void stopIfWriteFailed();

  const listing::ExportFormat format_;
  const bool withEmpty_;
  const runtime::Encoding encoding_;
  bool headerWritten_ = false;
  // Written in place and handed to the system in large writes; pages are
  // only touched as output fills them.
  std::unique_ptr<char[]> pending_;
  std::size_t used_ = 0;
  std::string exported_;
  int writeError_ = 0;
  bool endedTheGet_ = false;
  bool weighUtf8_ = false;
  listing::Utf8Evidence utf8_;
};
