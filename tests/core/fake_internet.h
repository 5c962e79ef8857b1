#pragma once
// A scripted Internet library and element blocks for the download tests.
#include <map>
#include <string>
#include <vector>

#include "core/ports/internet_library.h"

namespace rdz::test {

// One answer of a fake server: what the library reports, piece by piece.
struct Answer {
  int status = 200;
  std::vector<std::string> pieces{};
  bool endsOk = true;         // the read after the last piece succeeds
  std::string failure{};      // what LastFailure() tells
  bool opens = true;
};

// Hands out the answer's pieces and records the calls with the handles they got.
struct FakeInternet final : InternetLibrary {
  Answer answer;
  std::map<std::string, Answer> byUrl{};  // answers for particular addresses
  Handle root = 7, request = 9;
  std::string calls;
  std::size_t at = 0;  // read so far of the first piece
  Handle InternetOpenA(const char*, unsigned long, const char*, const char*, unsigned long) override {
    return calls += "open", root;
  }
  Handle InternetOpenUrlA(Handle r, const char* url, const char*, unsigned long, unsigned long flags,
                          std::uintptr_t) override {
    calls += "|" + std::to_string(r) + url + "/" + std::to_string(flags);
    if (const auto it = byUrl.find(url); it != byUrl.end()) answer = it->second, at = 0;
    return answer.opens ? request : 0;
  }
  bool InternetReadFile(Handle h, char* buffer, unsigned long size, unsigned long& read) override {
    calls += "|r" + std::to_string(h);
    auto& p = answer.pieces;
    read = p.empty() ? 0 : static_cast<unsigned long>(p.front().copy(buffer, size, at));
    at += read;
    if (!p.empty() && at == p.front().size()) p.erase(p.begin()), at = 0;
    return read > 0 || answer.endsOk;
  }
  bool InternetCloseHandle(Handle h) override { return calls += "|c" + std::to_string(h), true; }
  int HttpStatusCode(Handle h) override { return calls += "|s" + std::to_string(h), answer.status; }
  std::string LastFailure() const override { return answer.failure; }
  void Cancel() noexcept override { cancelled = true; }
  bool cancelled = false;
};

// A 12-line element block with LF line ends; a mean motion of 0 cannot be computed.
inline std::string Block(const std::string& name, const std::string& meanMotion = "12.53697443") {
  return "Satellite: " + name + "\nCatalog number: 07530\nEpoch time:      26131.02828537\n"
         "Element set:     999\nInclination:      101.9918 deg\nRA of node:       143.8856 deg\n"
         "Eccentricity:    0.0012125\nArg of perigee:   200.3561 deg\nMean anomaly:     181.7211 deg\n"
         "Mean motion:   " + meanMotion + " rev/day\nDecay rate:       -3.4e-07 rev/day^2\n"
         "Epoch rev:           35586\n";
}

}  // namespace rdz::test
