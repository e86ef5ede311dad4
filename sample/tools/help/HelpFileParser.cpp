#include "HelpFileParser.h"

#include <algorithm>
#include <stdexcept>

namespace sylvenor::draw {

namespace {

constexpr int kFieldCount = 4;
constexpr int kIndexDigits = 3;
const QStringList kKeys = {QStringLiteral("frm2"), QStringLiteral("frm2b"), QStringLiteral("frm3")};
constexpr QChar kByteOrderMark(0xFEFF);

}  // namespace

std::vector<HelpEntry> HelpFileParser::parse(const QString& text) {
  std::vector<HelpEntry> entries;
  const QStringList lines = text.split(QLatin1Char('\n'));
  for (int i = 0; i < lines.size(); ++i) {
    QString line = lines[i].trimmed();
    if (i == 0 && line.startsWith(kByteOrderMark)) {
      line = line.mid(1).trimmed();
    }
    if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
      continue;
    }
    HelpEntry entry = parseLine(line, i + 1);
    checkUnique(entries, entry, i + 1);
    entries.push_back(std::move(entry));
  }
  return entries;
}

HelpEntry HelpFileParser::parseLine(const QString& line, int lineNumber) {
  QStringList fields = line.split(QLatin1Char('|'));
  if (fields.size() != kFieldCount) {
    fail(lineNumber, QStringLiteral("il faut 4 champs séparés par | "
                                    "(clé | indice | titre | explication), il y en a %1")
                         .arg(fields.size()));
  }
  for (QString& field : fields) {
    field = field.trimmed();
  }
  if (!kKeys.contains(fields[0])) {
    fail(lineNumber,
         QStringLiteral("clé « %1 » inconnue (frm2, frm2b ou frm3 attendue)").arg(fields[0]));
  }
  if (fields[2].isEmpty() || fields[3].isEmpty()) {
    fail(lineNumber, QStringLiteral("le titre et l'explication ne doivent pas être vides"));
  }
  return {fields[0], parseIndex(fields[1], lineNumber), fields[2], fields[3]};
}

int HelpFileParser::parseIndex(const QString& field, int lineNumber) {
  const bool valid =
      !field.isEmpty() && field.size() <= kIndexDigits &&
      std::all_of(field.begin(), field.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
  if (!valid) {
    fail(lineNumber, QStringLiteral("indice « %1 » invalide (un nombre entier de 0 à 999 est "
                                    "attendu)")
                         .arg(field));
  }
  return field.toInt();
}

void HelpFileParser::checkUnique(const std::vector<HelpEntry>& entries, const HelpEntry& entry,
                                 int lineNumber) {
  const bool duplicate = std::any_of(entries.begin(), entries.end(), [&](const HelpEntry& other) {
    return other.key == entry.key && other.index == entry.index;
  });
  if (duplicate) {
    fail(lineNumber, QStringLiteral("l'image %1 est déjà décrite plus haut").arg(entry.fileName()));
  }
}

void HelpFileParser::fail(int lineNumber, const QString& reason) {
  throw std::runtime_error(
      QStringLiteral("ligne %1 : %2").arg(lineNumber).arg(reason).toStdString());
}

}  // namespace sylvenor::draw
