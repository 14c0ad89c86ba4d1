#include "app/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>

namespace corvane {

QStringList userLanguages()
{
    QByteArray messages;
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messages = qgetenv(variable);
        if (!messages.isEmpty())
            break;
    }
    if (messages.isEmpty() || messages == "C" || messages == "POSIX" || messages.startsWith("C."))
        return {};
    return QLocale::system().uiLanguages();
}

QStringList translationFolders()
{
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.filePath(QStringLiteral("../share/corvane/translations")),
            program.filePath(QStringLiteral("translations"))};
}

QString Translations::install(const QStringList &languages, const QStringList &folders)
{
    remove();
    for (const QString &language : languages) {
        const QLocale locale(language);
        if (locale.language() == QLocale::English)
            return {};
        for (const QString &folder : folders) {
            if (!program_.load(locale, QStringLiteral("corvane"), QStringLiteral("_"), folder))
                continue;
            QCoreApplication::installTranslator(&program_);
            if (toolkit_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                QCoreApplication::installTranslator(&toolkit_);
            return language;
        }
    }
    return {};
}

void Translations::remove()
{
    QCoreApplication::removeTranslator(&toolkit_);
    QCoreApplication::removeTranslator(&program_);
}

} // namespace corvane
