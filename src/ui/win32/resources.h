// The numbers of the program's resources, shared by the resource script and
// the code.
#pragma once

#define SPEECH_PROGRAM_ICON 1

#ifndef RC_INVOKED
constexpr int kProgramIconId = SPEECH_PROGRAM_ICON;
#endif
