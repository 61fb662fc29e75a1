#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace languages {

namespace {

const QString kEnglish = QStringLiteral("en");
QString g_current = kEnglish;

}  // namespace

QStringList CatalogueFolders(const QString& programDir) {
    const QDir dir(programDir);
    QStringList folders;
    folders << QDir::cleanPath(dir.filePath(QStringLiteral("../share/lumora/translations")));
    // A test program sits one level deeper in some build layouts (build/tests/<group>).
    folders << QDir::cleanPath(dir.filePath(QStringLiteral("../../share/lumora/translations")));
    return folders;
}

QString CurrentLanguage() {
    return g_current;
}

QString LocalizedFile(const QString& path) {
    if (g_current == kEnglish)
        return path;
    const QFileInfo info(path);
    const QString localized = QDir(info.path()).filePath(g_current + QLatin1Char('/') + info.fileName());
    return QFileInfo::exists(localized) ? localized : path;
}

Translations::Translations() = default;

Translations::~Translations() {
    remove();
}

bool Translations::install(const QString& program, const QString& code, const QStringList& folders) {
    remove();
    if (code == kEnglish || code.isEmpty())
        return true;
    auto own = std::make_unique<QTranslator>();
    bool found = false;
    for (const QString& folder : folders) {
        if (own->load(program + QLatin1Char('_') + code, folder)) {
            found = true;
            break;
        }
    }
    if (!found)
        return false;
    // Ours goes on last, so that it is asked first: it carries the standard-button texts for a
    // language whose Qt catalogue lacks them.
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + code, qtFolder) || qt->load(QStringLiteral("qt_") + code, qtFolder)) {
        QCoreApplication::installTranslator(qt.get());
        m_installed.push_back(std::move(qt));
    }
    QCoreApplication::installTranslator(own.get());
    m_installed.push_back(std::move(own));
    g_current = code;
    return true;
}

void Translations::remove() {
    for (auto& translator : m_installed)
        QCoreApplication::removeTranslator(translator.get());
    m_installed.clear();
    g_current = kEnglish;
}

}  // namespace languages
