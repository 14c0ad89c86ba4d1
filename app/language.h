// The user's language. The program is written in English; for another language it installs its
// own translation, found beside the program, and the toolkit's, so that the toolkit's buttons and
// dialogs speak the same language. Numbers keep the regional settings whatever the language.
#pragma once

#include <QStringList>
#include <QTranslator>

namespace corvane {

// The languages the user reads, best first, as the toolkit names them ("es-DO"). None where the
// messages follow the C or POSIX locale, whatever LANGUAGE says, as the C library's own messages do.
QStringList userLanguages();

// Where the translations are: installed in share/corvane/translations beside the program's bin/,
// or in translations/ beside the program in the build tree.
QStringList translationFolders();

// Loads into `translator` the program's translation for the first of `languages` that it has one
// for in one of `folders`, stopping at English, the program's own; returns that language, or
// nothing when it loaded none.
QString loadTranslation(QTranslator &translator, const QStringList &languages, const QStringList &folders);

class Translations {
public:
    // Installs the translations for the first of `languages` that the program has one for in one
    // of `folders`, and returns that language; stops at English, the program's own, and returns
    // nothing when it installed nothing.
    QString install(const QStringList &languages, const QStringList &folders);
    // Back to the program's own English.
    void remove();

private:
    QTranslator program_;
    QTranslator toolkit_;
};

} // namespace corvane
