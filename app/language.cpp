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

QString loadTranslation(QTranslator &translator, const QStringList &languages, const QStringList &folders)
{
    for (const QString &language : languages) {
        const QLocale locale(language);
        if (locale.language() == QLocale::English)
            return {};
        for (const QString &folder : folders)
            if (translator.load(locale, QStringLiteral("corvane"), QStringLiteral("_"), folder))
                return language;
    }
    return {};
}

QString Translations::install(const QStringList &languages, const QStringList &folders)
{
    remove();
    const QString language = loadTranslation(program_, languages, folders);
    if (language.isEmpty())
        return {};
    QCoreApplication::installTranslator(&program_);
    if (toolkit_.load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&toolkit_);
    return language;
}

void Translations::remove()
{
    QCoreApplication::removeTranslator(&toolkit_);
    QCoreApplication::removeTranslator(&program_);
}

} // namespace corvane
