#include "app/banner.h"

#include <QMouseEvent>

#include "app/placement.h"

namespace corvane {
namespace {

// The banner lies on the main window's client area and matches it.
constexpr quint32 kBannerBack = kClientAreaBack;

} // namespace

const FormLayout &TitleBanner::layout() const
{
    static const FormLayout kLayout{
        .name = QStringLiteral("frmBackground"),
        .caption = QString(),
        .spokenName = QStringLiteral("Corvane"),
        .client = {11040, 3465},
        .back = kBannerBack,
        .icon = false,
        .frame = Frame::MdiChild,
        .border = Border::None,
        .controlBox = false,
        .font = {"Arial", 72, true},
        .controls = {
            Label("Label1", "Corvane", {0, 0, 10935, 3375}).centred().colours(kBannerBack, std::nullopt),
        }};
    return kLayout;
}

void TitleBanner::wire()
{
    // A press on the name activates the banner, which brings it forward like any child window;
    // every mouse event on the name sends it back behind the others. A release over the name
    // is also a click.
    onEvent("Label1", [this](QEvent *event) {
        switch (event->type()) {
        case QEvent::MouseButtonPress: Label1_MouseDown(); break;
        case QEvent::MouseButtonDblClick: Label1_DblClick(); break;
        case QEvent::MouseButtonRelease: {
            Label1_MouseUp();
            auto *label = view() ? view()->findChild<QWidget *>(QStringLiteral("Label1")) : nullptr;
            const auto *release = static_cast<QMouseEvent *>(event);
            if (label && label->rect().contains(release->position().toPoint()))
                Label1_Click();
            break;
        }
        default: break;
        }
        return false;
    });
}

void TitleBanner::Form_Load()
{
    const QPointF place = bannerPlace(screenSizeTwips(), outerSizeTwips());
    moveTo(place.x(), place.y());
}

void TitleBanner::Label1_Click()
{
    ZOrderToBack();
}
void TitleBanner::Label1_DblClick()
{
    ZOrderToBack();
}
void TitleBanner::Label1_MouseDown()
{
    ZOrderToBack();
}
void TitleBanner::Label1_MouseUp()
{
    ZOrderToBack();
}

} // namespace corvane
