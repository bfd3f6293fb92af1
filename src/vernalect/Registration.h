#pragma once
// The registration file "SetLang.reg" shipped in the LANGUAGE folder: the installed languages,
// one value each, in the layout of a registry script:
//
//     REGEDIT4
//
//     [KestravaforWindows9x\Language]
//     "US English"="English.lng"
//
// Only the values of a section whose path ends in KestravaforWindows9x\Language are taken.
#include <QString>
#include <utility>
#include <vector>

namespace vernalect {

class LanguageStore;

// The language values of a registration file's text.
std::vector<std::pair<QString, QString>> ParseRegistration(const QString& text);

// Reads the file and writes its language values into the store. Returns how many were
// written (0 when the file is missing or holds none).
int ImportRegistration(const QString& regFile, LanguageStore& store);

}  // namespace vernalect
