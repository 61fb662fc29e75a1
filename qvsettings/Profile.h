#pragma once
// The editor's profile: a few integers remembered across runs (QSettings of the organisation
// "Brelnic", application "QvSettings"). Tests point QSettings at a scratch folder.

#include <QString>

int GetProfileInt(const QString& section, const QString& key, int defaultValue);
void WriteProfileInt(const QString& section, const QString& key, int value);
