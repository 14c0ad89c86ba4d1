// The number conversions as the windows use them: on the toolkit's strings, with the regional
// separators read from the system each time, so a change of regional settings takes effect at
// the next conversion.
#pragma once

#include <QString>

#include "numbers/numbers.h"

namespace corvane {

// The system's regional settings; where the system has none (the C locale), those of the
// United States.
Regional SystemRegional();

bool IsNumericText(const QString &text);
Double TextToDouble(const QString &text);
Money TextToMoney(const QString &text);
Int16 TextToInt16(const QString &text);

QString DoubleToText(Double x);
QString MoneyToText(Money m);
QString Int16ToText(Int16 i);

} // namespace corvane
