#pragma once
#include <algorithm>
#include <mutex>
#include <string>
#include <tuple>
#include <vector>

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

// Models by maker, then name, then number, as the dialogs list them.
template <class Model>
void SortModels(std::vector<Model>& models) {
  std::sort(models.begin(), models.end(), [](const Model& a, const Model& b) {
    return std::tie(a.maker, a.name, a.model) < std::tie(b.maker, b.name, b.model);
  });
}

}  // namespace rdz::hamlib
