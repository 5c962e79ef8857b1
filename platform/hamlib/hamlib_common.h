#pragma once
#include <mutex>
#include <string>

namespace rdz::hamlib {

// Hamlib's backend registries and its error-text buffer are shared by every
// rig and rotor handle, whichever thread drives them.
std::mutex& SharedState();

// Once per process, before the first handle: no debug output on stderr, and
// LC_NUMERIC at "C" (rig_open restores the name it saved through a pointer its
// own switch to "C" frees; with "C" already set nothing is freed). The
// program's own numbers never use LC_NUMERIC.
void PrepareOnce();

// Hamlib's one-line text for an error code; "`device` error N" when it has none.
std::string ErrorText(int code, const char* device);

}  // namespace rdz::hamlib
