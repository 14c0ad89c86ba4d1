// Draws the program's two pictures: a grey claw hammer lying diagonally on a
// bevelled grey square.
//
//   make_pictures <output-directory>
//
// writes <output-directory>/icon.png (140 x 140, the application icon),
// <output-directory>/hammer45.png (45 x 45), both again at twice the size for
// high-density screens (icon@2x.png, hammer45@2x.png), and the desktop icon theme's sizes
// as <output-directory>/hicolor/NxN/corvane.png. All are 24-bit RGB PNGs
// without an alpha channel. Each size is drawn directly from the same vector
// geometry, so the small pictures are sharp rather than downscales of the
// large one.
//
// Run it with QT_QPA_PLATFORM=offscreen (scripts/make-pictures does this).

#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QTransform>

#include <algorithm>
#include <utility>
#include <vector>
#include <cstdio>

namespace {

// ---------------------------------------------------------------------------
// Hammer geometry, in a local frame where the handle runs down the y axis and
// the head lies across the top (negative y). The striking face is on the left
// (negative x), the claw on the right. Units are arbitrary: the finished
// hammer is rotated and fitted into the square's face.

constexpr double kHeadTop = -57.0;
constexpr double kHeadBottom = -31.0;

QPainterPath handlePath()
{
    QPainterPath p;
    p.moveTo(-6.0, -42.0);  // hidden inside the head
    p.lineTo(6.0, -42.0);
    p.lineTo(7.0, 12.0);
    p.cubicTo(9.0, 22.0, 9.0, 54.0, 8.5, 66.0);  // grip swells slightly
    p.cubicTo(8.3, 74.5, -8.3, 74.5, -8.5, 66.0);  // rounded butt end
    p.cubicTo(-9.0, 54.0, -9.0, 22.0, -7.0, 12.0);
    p.closeSubpath();
    return p;
}

QPainterPath gripPath()
{
    QPainterPath band;
    band.addRect(QRectF(-20.0, 14.0, 40.0, 80.0));
    return handlePath().intersected(band);
}

QPainterPath headPath()
{
    QPainterPath p;
    // Top edge, from the striking face to the claw.
    p.moveTo(-46.0, -55.5);  // flat striking face, top corner
    p.lineTo(-41.0, -55.5);
    p.lineTo(-36.0, -53.0);  // face flares into the round poll
    p.lineTo(-15.0, -53.0);
    p.lineTo(-12.0, kHeadTop);  // the taller block around the handle
    p.lineTo(12.0, kHeadTop);
    // Claw: curves back towards the handle and ends in two prongs.
    p.cubicTo(34.0, -57.5, 50.0, -45.0, 52.0, -21.0);  // upper prong tip
    p.lineTo(41.0, -38.0);                             // bottom of the split
    p.lineTo(45.0, -15.0);                             // lower prong tip
    p.cubicTo(41.0, -32.0, 30.0, -40.0, 12.0, kHeadBottom);  // hollow underside
    // Bottom edge, back to the striking face.
    p.lineTo(-12.0, kHeadBottom);
    p.lineTo(-15.0, -35.0);
    p.lineTo(-36.0, -35.0);
    p.lineTo(-41.0, -32.5);
    p.lineTo(-46.0, -32.5);  // flat striking face, bottom corner
    p.closeSubpath();
    return p;
}

// The narrow band of the striking face, shaded apart from the rest.
QPainterPath faceBandPath()
{
    QPainterPath p;
    p.addRect(QRectF(-46.0, -55.5, 5.0, 23.0));
    return p;
}

QPainterPath silhouette()
{
    return handlePath().united(headPath());
}

// ---------------------------------------------------------------------------

struct Style {
    int size;          // picture is size x size pixels
    int bevel;         // bevel width in pixels
    double outlinePx;  // hammer outline width in pixels
    double shadowPx;   // drop shadow offset in pixels
};

constexpr double kAngle = -45.0;  // head to the upper left, handle to the lower right

void drawBevelledSquare(QPainter &p, const Style &s)
{
    const double n = s.size;
    const double b = s.bevel;

    QLinearGradient face(QPointF(b, b), QPointF(n - b, n - b));
    face.setColorAt(0.0, QColor(164, 164, 164));
    face.setColorAt(1.0, QColor(140, 140, 140));
    p.fillRect(QRectF(0, 0, n, n), face);

    p.setPen(Qt::NoPen);
    auto quad = [&p](QPointF a, QPointF b2, QPointF c, QPointF d, QColor colour) {
        p.setBrush(colour);
        p.drawPolygon(QPolygonF({a, b2, c, d}));
    };
    // Light from the upper left: top and left edges lit, bottom and right in shade.
    quad({0, 0}, {n, 0}, {n - b, b}, {b, b}, QColor(238, 238, 238));          // top
    quad({0, 0}, {b, b}, {b, n - b}, {0, n}, QColor(214, 214, 214));          // left
    quad({0, n}, {b, n - b}, {n - b, n - b}, {n, n}, QColor(84, 84, 84));     // bottom
    quad({n, 0}, {n, n}, {n - b, n - b}, {n - b, b}, QColor(108, 108, 108));  // right
}

// Rotates the hammer and fits it, centred, inside the square's face.
QTransform hammerTransform(const Style &s)
{
    QTransform rotate;
    rotate.rotate(kAngle);
    const QRectF box = rotate.map(silhouette()).boundingRect();

    const double margin = s.bevel + s.size * 0.065;
    const double room = s.size - 2.0 * margin;
    const double scale = room / std::max(box.width(), box.height());
    const QPointF centre = box.center() * scale;
    return rotate * QTransform::fromScale(scale, scale) *
           QTransform::fromTranslate(s.size / 2.0 - centre.x(), s.size / 2.0 - centre.y());
}

void drawHammer(QPainter &p, const Style &s)
{
    const QTransform t = hammerTransform(s);
    const QColor outline(34, 34, 34);

    // Soft drop shadow on the face, away from the light.
    p.setPen(Qt::NoPen);
    for (int i = 1; i <= 3; ++i) {
        const double d = s.shadowPx * i / 3.0;
        p.setTransform(t * QTransform::fromTranslate(d, d));
        p.setBrush(QColor(0, 0, 0, 34));
        p.drawPath(silhouette());
    }
    p.setTransform(t);

    QPen pen(outline);
    pen.setCosmetic(true);
    pen.setWidthF(s.outlinePx);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setMiterLimit(3.0);

    // Handle: a grey shaft, darker grip, rounded across its width.
    QLinearGradient shaft(QPointF(-8.5, 0), QPointF(8.5, 0));
    shaft.setColorAt(0.00, QColor(70, 70, 70));
    shaft.setColorAt(0.35, QColor(178, 178, 178));
    shaft.setColorAt(0.55, QColor(136, 136, 136));
    shaft.setColorAt(1.00, QColor(62, 62, 62));
    p.setPen(Qt::NoPen);
    p.setBrush(shaft);
    p.drawPath(handlePath());

    QLinearGradient grip(QPointF(-8.5, 0), QPointF(8.5, 0));
    grip.setColorAt(0.00, QColor(48, 48, 48));
    grip.setColorAt(0.35, QColor(122, 122, 122));
    grip.setColorAt(0.60, QColor(88, 88, 88));
    grip.setColorAt(1.00, QColor(40, 40, 40));
    p.setBrush(grip);
    p.drawPath(gripPath());

    // Grooves across the grip (only where there is room for them).
    if (s.size >= 100) {
        QPen groove(QColor(30, 30, 30, 150));
        groove.setCosmetic(true);
        groove.setWidthF(1.0);
        p.setPen(groove);
        const QPainterPath g = gripPath();
        for (double y = 24.0; y <= 62.0; y += 6.0) {
            const QRectF r = g.boundingRect();
            p.save();
            p.setClipPath(g);
            p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
            p.restore();
        }
    }
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(handlePath());

    // Steel head: bright band near the top edge, darkening below, as polished metal.
    QLinearGradient steel(QPointF(0, kHeadTop), QPointF(0, kHeadBottom));
    steel.setColorAt(0.00, QColor(186, 186, 190));
    steel.setColorAt(0.16, QColor(250, 250, 252));
    steel.setColorAt(0.34, QColor(196, 196, 200));
    steel.setColorAt(0.52, QColor(128, 128, 132));
    steel.setColorAt(0.78, QColor(100, 100, 104));
    steel.setColorAt(1.00, QColor(70, 70, 74));
    p.setPen(Qt::NoPen);
    p.setBrush(steel);
    p.drawPath(headPath());

    // The striking face, seen edge on, catches the light differently.
    QLinearGradient faceBand(QPointF(0, -55.5), QPointF(0, -32.5));
    faceBand.setColorAt(0.0, QColor(226, 226, 230));
    faceBand.setColorAt(0.5, QColor(168, 168, 172));
    faceBand.setColorAt(1.0, QColor(108, 108, 112));
    p.setBrush(faceBand);
    p.drawPath(faceBandPath());
    if (s.size >= 100) {
        QPen edge(QColor(60, 60, 64));
        edge.setCosmetic(true);
        edge.setWidthF(1.0);
        p.setPen(edge);
        p.drawLine(QPointF(-41.0, -55.0), QPointF(-41.0, -33.0));
        // Where the poll meets the block around the handle.
        QPen seam(QColor(70, 70, 74, 150));
        seam.setCosmetic(true);
        seam.setWidthF(1.0);
        p.setPen(seam);
        p.drawLine(QPointF(-13.5, -53.0), QPointF(-13.5, -35.0));
    }

    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(headPath());

    p.resetTransform();
}

bool writePicture(const Style &s, const QString &path)
{
    QImage image(s.size, s.size, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        drawBevelledSquare(p, s);
        drawHammer(p, s);
    }
    // RGB888 has no alpha channel, so the PNG is written as 8-bit-per-channel RGB.
    return image.convertToFormat(QImage::Format_RGB888).save(path, "PNG");
}

// Bevel, outline and shadow grow with the picture, but never below what still
// reads as an edge: at 16 px a thinner outline would vanish into the grey face.
Style themeStyle(int size)
{
    const int bevel = std::max(1, static_cast<int>(size * 0.07 + 0.5));
    const double outline = std::max(1.0, size / 70.0);
    const double shadow = std::max(0.75, size * 0.028);
    return Style{size, bevel, outline, shadow};
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output-directory>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists()) {
        std::fprintf(stderr, "make_pictures: no such directory: %s\n", argv[1]);
        return 1;
    }

    const Style icon{140, 10, 2.0, 4.0};
    const Style small{45, 3, 1.0, 1.5};

    std::vector<std::pair<Style, QString>> pictures{{icon, out.filePath(QStringLiteral("icon.png"))},
                                                    {small, out.filePath(QStringLiteral("hammer45.png"))}};
    // Every measure doubled: the toolkit picks these on a screen of twice the density.
    const auto doubled = [](const Style &s) {
        return Style{2 * s.size, 2 * s.bevel, 2 * s.outlinePx, 2 * s.shadowPx};
    };
    pictures.emplace_back(doubled(icon), out.filePath(QStringLiteral("icon@2x.png")));
    pictures.emplace_back(doubled(small), out.filePath(QStringLiteral("hammer45@2x.png")));
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("hicolor/%1x%1").arg(size);
        if (!out.mkpath(dir)) {
            std::fprintf(stderr, "make_pictures: cannot create %s\n", qPrintable(out.filePath(dir)));
            return 1;
        }
        pictures.emplace_back(themeStyle(size), out.filePath(dir + QStringLiteral("/corvane.png")));
    }

    bool ok = true;
    for (const auto &[style, path] : pictures) {
        if (!writePicture(style, path)) {
            std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
