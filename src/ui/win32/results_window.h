// The lists beside the Windows main window: a results pane (a line that
// counts, a list of the system's kind that asks for each row only when it
// draws it, so that a million rows cost nothing, and a line for what a step
// says), shared by the Find dialog's Find all and the Differences window,
// which holds one and nothing else.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "ui/common/results_list.h"
#include "ui/win32/windows_api.h"

namespace win32 {

// The pane's controls, by their numbers in it.
constexpr int kResultsCountId = 120, kResultsListId = 121, kResultsStatusId = 122;
// The window class of the Differences window, and its title.
constexpr const wchar_t* kDifferencesClass = L"SpeechDifferences";

class ResultsPane {
 public:
  // A child of `parent` at `place`, in `font`; `chosen` gets the main list's
  // row of each row made current.
  ResultsPane(HWND parent, const RECT& place, HFONT font, std::function<void(std::size_t)> chosen);
  ~ResultsPane();
  ResultsPane(const ResultsPane&) = delete;
  ResultsPane& operator=(const ResultsPane&) = delete;

  HWND handle() const { return hwnd_; }
  // Shows the results afresh, none current; none: an empty pane. The
  // results outlive their showing.
  void showResults(const ui::ResultsList* results);
  std::optional<std::size_t> current() const;
  // Makes the row current and scrolls it into view; its main row is chosen.
  void select(std::size_t index);
  // What the last step says.
  void tell(const std::string& message);
  void place(const RECT& place);

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void layOut();
  LRESULT onListNotice(const NMHDR& notice);
  void drawRow(const DRAWITEMSTRUCT& item);
  void choose(int index);

  HWND hwnd_ = nullptr;
  HWND count_ = nullptr;
  HWND list_ = nullptr;
  HWND status_ = nullptr;
  HFONT font_;
  std::function<void(std::size_t)> chosen_;
  const ui::ResultsList* results_ = nullptr;
  std::wstring asked_;  // the row the list asked for last, kept while it reads it
};

// The Differences window: owned by the main window, beside it, titled
// "Differences", with a results pane. Closing it hides it.
class DifferencesWindow {
 public:
  DifferencesWindow(HWND owner, HFONT font, std::function<void(std::size_t)> chosen);
  ~DifferencesWindow();
  DifferencesWindow(const DifferencesWindow&) = delete;
  DifferencesWindow& operator=(const DifferencesWindow&) = delete;

  HWND handle() const { return hwnd_; }
  ResultsPane& pane() { return *pane_; }
  // Shows the window, the first time beside the main window where it leaves
  // `keepInView` (the list) in view, without taking the focus from it.
  void showBeside(HWND keepInView);

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
  HWND owner_;
  std::optional<ResultsPane> pane_;
  bool placed_ = false;
};

// Places a window of the main window's where it leaves `list` in view:
// beside the main window, or else above or below it, within the work area.
void placeBesideMain(HWND window, HWND main, HWND list);

}  // namespace win32
