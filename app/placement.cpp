#include "app/placement.h"

#include "numbers/numbers.h"

namespace corvane {
namespace {

// The floating-point status test after each single-precision step.
float checkedSingle(float result)
{
    checkedStep(result);
    return result;
}

} // namespace

QPointF splashPlace(QSizeF screen, QSizeF outer)
{
    const float left = checkedSingle((float(screen.width()) - float(outer.width())) / 2.0f);
    const float top = checkedSingle((float(screen.height()) - float(outer.height())) / 2.0f);
    return {left, top};
}

QPointF quickMenuPlace(QSizeF screen, QSizeF outer)
{
    const float left = checkedSingle(float(screen.width()) / 2.0f - float(outer.width()) / 2.0f);
    const float top = checkedSingle(float(screen.height()) / 2.0f - float(outer.height()) / 2.0f);
    return {left, top};
}

QPointF bannerPlace(QSizeF screen, QSizeF outer)
{
    const float left = checkedSingle(float(screen.width()) / 2.0f - float(outer.width()) / 2.0f);
    const float top = checkedSingle(float(screen.height()) / 2.0f - float(outer.height()) / 1.5f);
    return {left, top};
}

} // namespace corvane
