// The two dialogs that ask the user where the cost list goes: a file to save into, a printer.
// Like the message boxes, what presents them can be replaced, so that tests answer in place of a
// user and no modal dialog can stall them.
#pragma once

#include <QString>
#include <functional>

class QPrinter;

namespace corvane {

// The chosen file's path; empty when the user cancelled. `proposed` is a full path, and its
// suffix is added to a name typed without one.
QString AskSaveFileName(const QString &caption, const QString &proposed, const QString &filter);
// True when the user chose a printer and settings for `printer`; false when cancelled.
bool AskPrinter(QPrinter &printer);

using SaveFilePrompt = std::function<QString(const QString &caption, const QString &proposed, const QString &filter)>;
using PrintPrompt = std::function<bool(QPrinter &printer)>;
SaveFilePrompt SetSaveFilePrompt(SaveFilePrompt prompt); // returns the one it replaces
PrintPrompt SetPrintPrompt(PrintPrompt prompt);

} // namespace corvane
