#include "core/settings/personal_data.h"

#include "core/base/number_text.h"

namespace rdz {

namespace {

std::string FieldText(const std::optional<double>& field) {
  return field ? ShortestDecimalText(*field) : std::string();
}

}  // namespace

std::string PersonalDataText(const Observer& station) {
  return "OK -> PERSONAL DATA: \r\nLAT: " + FieldText(station.LA) + "\r\nLON: " +
         FieldText(station.LO) + "\r\nHEIGHT: " + FieldText(station.HT);
}

}  // namespace rdz
