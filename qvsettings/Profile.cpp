#include "Profile.h"

#include <QSettings>

namespace {
const char* const kOrganisation = "Brelnic";
const char* const kApplication = "QvSettings";

QString KeyPath(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}
}  // namespace

int GetProfileInt(const QString& section, const QString& key, int defaultValue) {
    QSettings profile(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication));
    bool ok = false;
    const int value = profile.value(KeyPath(section, key), defaultValue).toInt(&ok);
    return ok ? value : defaultValue;
}

void WriteProfileInt(const QString& section, const QString& key, int value) {
    QSettings profile(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication));
    profile.setValue(KeyPath(section, key), value);
}
