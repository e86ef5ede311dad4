#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "HelpEntry.h"

namespace sylvenor::draw {

// Reads aide.txt: one help picture a line, "clé | indice | titre | explication"; lines starting
// with # are comments. Any malformed line throws with its line number, so a typo in the help
// text stops the build instead of leaving a picture out.
class HelpFileParser {
 public:
  static std::vector<HelpEntry> parse(const QString& text);

 private:
  static HelpEntry parseLine(const QString& line, int lineNumber);
  static int parseIndex(const QString& field, int lineNumber);
  static void checkUnique(const std::vector<HelpEntry>& entries, const HelpEntry& entry,
                          int lineNumber);
  [[noreturn]] static void fail(int lineNumber, const QString& reason);
};

}  // namespace sylvenor::draw
