#include "ui/prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <utility>

namespace corvane {
namespace {

QString askInDialog(const QString &caption, const QString &proposed, const QString &filter)
{
    QFileDialog dialog(QApplication::activeWindow(), caption, proposed, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QFileInfo(proposed).suffix());
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool askPrintDialog(QPrinter &printer)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    // The list is laid out and printed whole, so a range or a selection would not be kept.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dialog.exec() == QDialog::Accepted;
}

SaveFilePrompt &savePrompt()
{
    static SaveFilePrompt current = askInDialog;
    return current;
}

PrintPrompt &printPrompt()
{
    static PrintPrompt current = askPrintDialog;
    return current;
}

} // namespace

QString AskSaveFileName(const QString &caption, const QString &proposed, const QString &filter)
{
    return savePrompt()(caption, proposed, filter);
}

bool AskPrinter(QPrinter &printer)
{
    return printPrompt()(printer);
}

SaveFilePrompt SetSaveFilePrompt(SaveFilePrompt prompt)
{
    return std::exchange(savePrompt(), std::move(prompt));
}

PrintPrompt SetPrintPrompt(PrintPrompt prompt)
{
    return std::exchange(printPrompt(), std::move(prompt));
}

} // namespace corvane
