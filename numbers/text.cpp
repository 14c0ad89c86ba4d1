#include "numbers/text.h"

#include <QLocale>

namespace corvane {
namespace {

std::u16string_view view(const QString &text)
{
    return {reinterpret_cast<const char16_t *>(text.utf16()), static_cast<size_t>(text.size())};
}

QString toQString(const std::u16string &text)
{
    return QString::fromStdU16String(text);
}

char16_t singleUnit(const QString &text, char16_t fallback)
{
    return text.size() == 1 ? char16_t(text.at(0).unicode()) : fallback;
}

} // namespace

Regional SystemRegional()
{
    const QLocale locale = QLocale::system();
    if (locale.language() == QLocale::C)
        return Regional::unitedStates();
    Regional regional;
    regional.decimal = singleUnit(locale.decimalPoint(), u'.');
    regional.thousands = singleUnit(locale.groupSeparator(), u',');
    regional.currency = locale.currencySymbol().toStdU16String();
    return regional;
}

bool IsNumericText(const QString &text)
{
    return IsNumericText(view(text), SystemRegional());
}

Double TextToDouble(const QString &text)
{
    return TextToDouble(view(text), SystemRegional());
}

Money TextToMoney(const QString &text)
{
    return TextToMoney(view(text), SystemRegional());
}

Int16 TextToInt16(const QString &text)
{
    return TextToInt16(view(text), SystemRegional());
}

QString DoubleToText(Double x)
{
    return toQString(DoubleToText(x, SystemRegional()));
}

QString MoneyToText(Money m)
{
    return toQString(MoneyToText(m, SystemRegional()));
}

QString Int16ToText(Int16 i)
{
    return toQString(Int16ToText(i, SystemRegional()));
}

} // namespace corvane
