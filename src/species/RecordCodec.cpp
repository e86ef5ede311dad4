#include "species/RecordCodec.h"

#include <algorithm>
#include <cstdint>

#include "species/Cp1252.h"

namespace sylvenor {
namespace {

void putText(RecordCodec::Bytes& out, std::size_t offset, std::string_view text,
             std::size_t width) {
  const std::string field = Cp1252::encodeField(text, width);
  std::copy(field.begin(), field.end(), out.begin() + static_cast<std::ptrdiff_t>(offset));
}

void putInt16(RecordCodec::Bytes& out, std::size_t offset, std::int16_t value) {
  const auto bits = static_cast<std::uint16_t>(value);
  out[offset] = static_cast<char>(bits & 0xFF);
  out[offset + 1] = static_cast<char>(bits >> 8);
}

std::int16_t getInt16(std::string_view bytes, std::size_t offset) {
  const auto low = static_cast<unsigned char>(bytes[offset]);
  const auto high = static_cast<unsigned char>(bytes[offset + 1]);
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(low | (high << 8)));
}

}  // namespace

RecordCodec::Bytes RecordCodec::encode(const FicheEspece& fiche) {
  Bytes out{};
  putText(out, 0, fiche.Nom, kTailleNom);
  putInt16(out, kOffsetVegetal, fiche.Vegetal);
  putInt16(out, kOffsetGroupe, fiche.Groupe);
  putInt16(out, kOffsetRepartition, fiche.Repartition);
  for (std::size_t i = 0; i < fiche.Info.size(); ++i) {
    putText(out, kOffsetInfo + i * kTailleLigne, fiche.Info[i], kTailleLigne);
  }
  return out;
}

FicheEspece RecordCodec::decode(std::string_view bytes) {
  FicheEspece fiche;
  fiche.Nom = Cp1252::decode(bytes.substr(0, kTailleNom));
  fiche.Vegetal = getInt16(bytes, kOffsetVegetal);
  fiche.Groupe = getInt16(bytes, kOffsetGroupe);
  fiche.Repartition = getInt16(bytes, kOffsetRepartition);
  for (std::size_t i = 0; i < fiche.Info.size(); ++i) {
    fiche.Info[i] = Cp1252::decode(bytes.substr(kOffsetInfo + i * kTailleLigne, kTailleLigne));
  }
  return fiche;
}

}  // namespace sylvenor
