// The numbers of the program's resources and commands, shared by the
// resource script and the code.
#pragma once

#define SPEECH_PROGRAM_ICON 1
#define SPEECH_SHORTCUTS 1
#define SPEECH_LIST_MENU 1
#define SPEECH_PROGRESS_DIALOG 1
#define SPEECH_ENTRY_DIALOG 2

// The progress dialog's controls.
#define SPEECH_PROGRESS_TEXT 300
#define SPEECH_PROGRESS_BAR 301

// The Edit entry (New entry) dialog's controls.
#define SPEECH_ENTRY_ID 310
#define SPEECH_ENTRY_TEXT 311
#define SPEECH_ENTRY_BYTES 312
#define SPEECH_ENTRY_NOTE 313
#define SPEECH_ENTRY_PROBLEM 314

// Commands of the list's menu and the shortcuts; none is a control's number
// or IDOK or IDCANCEL.
#define SPEECH_COMMAND_COPY 200
#define SPEECH_COMMAND_COPY_ALL 201
#define SPEECH_COMMAND_FIND 202
#define SPEECH_COMMAND_SAVE_LIST 203
#define SPEECH_COMMAND_FIND_NEXT 204
#define SPEECH_COMMAND_FIND_PREVIOUS 205
#define SPEECH_COMMAND_EDIT_ENTRY 206
#define SPEECH_COMMAND_NEW_ENTRY 207
#define SPEECH_COMMAND_DELETE_ENTRY 208
#define SPEECH_COMMAND_UNDO 209
#define SPEECH_COMMAND_REDO 210
#define SPEECH_COMMAND_SAVE_SPEECH_FILE 211
#define SPEECH_COMMAND_SAVE_SPEECH_FILE_AS 212
#define SPEECH_COMMAND_OPEN_LIST 213
#define SPEECH_COMMAND_COMPARE 214
#define SPEECH_COMMAND_NEXT_DIFFERENCE 215
#define SPEECH_COMMAND_PREVIOUS_DIFFERENCE 216
// The Find all button the window adds to the Find dialog.
#define SPEECH_COMMAND_FIND_ALL 217
// The Encoding menu's items, in its order, from this number on.
#define SPEECH_COMMAND_ENCODING_FIRST 250
#define SPEECH_COMMAND_ENCODING_LAST 299

#ifndef RC_INVOKED
constexpr int kProgramIconId = SPEECH_PROGRAM_ICON;
constexpr int kShortcutsId = SPEECH_SHORTCUTS;
constexpr int kListMenuId = SPEECH_LIST_MENU;
constexpr int kProgressDialogId = SPEECH_PROGRESS_DIALOG;
constexpr int kEntryDialogId = SPEECH_ENTRY_DIALOG;
#endif
