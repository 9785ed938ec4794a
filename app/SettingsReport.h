#pragma once

#include "app/SettingsWarning.h"

#include <QString>
#include <QStringList>

#include <vector>

// Every sentence that the program says about its settings is made here, from a fact of
// SettingsWarning: one line, with every name, value and path from outside quoted so that
// nothing in it can act on the terminal.
QString sentenceOf(const SettingsWarning& warning);

// The sentences of the warnings, in their order. Of the lines that are no setting of the
// program (damaged, repeated or unknown), a file full of them gets a few and a count of the
// rest.
QStringList sentencesOf(const std::vector<SettingsWarning>& warnings);

// Why a file could not be read or replaced, as a clause about it: "it cannot be read: ...".
QString fileFaultClause(const FileFault& fault);

// Prints each sentence on standard error, as one line after the program's name.
void reportSettings(const std::vector<SettingsWarning>& warnings);
void reportSettings(const SettingsWarning& warning);
