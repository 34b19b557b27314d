// Edit entry (F2) and New entry (Insert): a small modal window with the
// entry's ID and text, what the text takes of an entry's bytes as the user
// types, and why OK takes nothing when it does not. What is checked and
// made is the session's; the window only shows it.
#pragma once

#include <cstddef>
#include <optional>

#include "ui/common/viewer_session.h"
#include "ui/win32/windows_api.h"

namespace win32 {

enum class EntryChange { Edit, New };

// Shows the window over `owner` for the row (Edit: the row edited; New: the
// row the entry goes after, none for the end) until OK has made the change
// or Cancel (Escape) changed nothing. Returns the session's outcome of the
// change made; none when nothing was changed.
std::optional<ui::ViewerSession::EditOutcome> askForEntry(HWND owner, ui::ViewerSession& session, EntryChange change,
                                                          std::optional<std::size_t> row);

}  // namespace win32
