// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
// Draws Marlune's own chrome artwork: the plain and lit button faces, the title
// strip and the program icon. Run by scripts/make-media; the results are
// committed, so the build never runs this.
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>

namespace {

const QColor kWindowBlue(0, 0, 255);

struct Face
{
    QColor top, middle, bottom, border, rim;
    double gloss;
};

// A rounded, glossy pill on the window's blue, 24 bits (no alpha): the corners
// take the window colour so the face sits flush on it.
QImage button(const Face &face)
{
    QImage image(90, 31, QImage::Format_RGB888);
    image.fill(kWindowBlue);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(0.5, 0.5, 89, 30);
    QPainterPath shape;
    shape.addRoundedRect(body, 8, 8);

    QLinearGradient fill(0, 0, 0, 31);
    fill.setColorAt(0.0, face.top);
    fill.setColorAt(0.5, face.middle);
    fill.setColorAt(0.52, face.middle.darker(115));
    fill.setColorAt(1.0, face.bottom);
    p.fillPath(shape, fill);

    // The gloss: a soft white band over the upper half.
    QPainterPath gloss;
    gloss.addRoundedRect(QRectF(3, 2, 84, 13), 6, 6);
    QLinearGradient shine(0, 2, 0, 15);
    shine.setColorAt(0.0, QColor(255, 255, 255, int(255 * face.gloss)));
    shine.setColorAt(1.0, QColor(255, 255, 255, 20));
    p.fillPath(gloss, shine);

    // A glow rising from the bottom edge, as light through glass.
    QRadialGradient glow(QPointF(45, 34), 40, QPointF(45, 34));
    glow.setColorAt(0.0, QColor(face.rim.red(), face.rim.green(), face.rim.blue(), 120));
    glow.setColorAt(1.0, QColor(face.rim.red(), face.rim.green(), face.rim.blue(), 0));
    p.fillPath(shape, glow);

    p.setPen(QPen(face.border, 1.2));
    p.drawPath(shape);
    p.setPen(QPen(QColor(255, 255, 255, 70), 1));
    p.drawRoundedRect(body.adjusted(1.2, 1.2, -1.2, -1.2), 7, 7);
    return image;
}

// The title strip: the same glass in a long, flat band.
QImage titleBar()
{
    QImage image(550, 19, QImage::Format_RGB888);
    QPainter p(&image);
    QLinearGradient fill(0, 0, 0, 19);
    fill.setColorAt(0.0, QColor(88, 128, 255));
    fill.setColorAt(0.48, QColor(24, 56, 210));
    fill.setColorAt(0.5, QColor(10, 36, 170));
    fill.setColorAt(1.0, QColor(0, 12, 110));
    p.fillRect(image.rect(), fill);
    QLinearGradient shine(0, 0, 0, 9);
    shine.setColorAt(0.0, QColor(255, 255, 255, 120));
    shine.setColorAt(1.0, QColor(255, 255, 255, 15));
    p.fillRect(QRect(0, 1, 550, 8), shine);
    p.setPen(QColor(150, 180, 255));
    p.drawLine(0, 0, 549, 0);
    p.setPen(QColor(0, 0, 70));
    p.drawLine(0, 18, 549, 18);
    return image;
}

// The icon: a glossy blue tile with a white pair of quavers.
QImage icon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 128.0, size / 128.0);

    QPainterPath tile;
    tile.addRoundedRect(QRectF(4, 4, 120, 120), 26, 26);
    QLinearGradient fill(0, 4, 0, 124);
    fill.setColorAt(0.0, QColor(96, 150, 255));
    fill.setColorAt(0.5, QColor(20, 50, 230));
    fill.setColorAt(1.0, QColor(0, 10, 120));
    p.fillPath(tile, fill);
    p.setPen(QPen(QColor(0, 0, 90), 3));
    p.drawPath(tile);

    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    // Two note heads, two stems and the beam.
    p.save();
    p.translate(42, 90);
    p.rotate(-22);
    p.drawEllipse(QRectF(-15, -10, 30, 20));
    p.restore();
    p.save();
    p.translate(88, 80);
    p.rotate(-22);
    p.drawEllipse(QRectF(-15, -10, 30, 20));
    p.restore();
    p.drawRect(QRectF(51, 34, 7, 55));
    p.drawRect(QRectF(97, 24, 7, 55));
    QPainterPath beam;
    beam.moveTo(51, 34);
    beam.lineTo(104, 24);
    beam.lineTo(104, 40);
    beam.lineTo(51, 50);
    beam.closeSubpath();
    p.drawPath(beam);

    QPainterPath gloss;
    gloss.addRoundedRect(QRectF(10, 8, 108, 52), 22, 22);
    QLinearGradient shine(0, 8, 0, 60);
    shine.setColorAt(0.0, QColor(255, 255, 255, 150));
    shine.setColorAt(1.0, QColor(255, 255, 255, 10));
    p.fillPath(gloss, shine);
    return image;
}

bool save(const QImage &image, const QString &folder, const char *name)
{
    const QString path = folder + QLatin1Char('/') + QLatin1String(name);
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

// The desktop's icon theme wants the same drawing at each of its standard sizes;
// icons/marlune.svg is its scalable twin, kept by hand.
bool saveThemeIcons(const QString &folder)
{
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QByteArray name = "icons/marlune" + QByteArray::number(size) + ".png";
        if (!save(icon(size), folder, name.constData()))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: media-art OUTPUT_FOLDER\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const Face plain{QColor(70, 110, 245), QColor(20, 40, 200), QColor(0, 8, 110),
                     QColor(0, 0, 80), QColor(60, 120, 255), 0.55};
    const Face lit{QColor(130, 200, 255), QColor(30, 110, 250), QColor(0, 40, 170),
                   QColor(255, 214, 60), QColor(120, 230, 255), 0.75};
    const bool ok = save(button(plain), out, "button.png") && save(button(lit), out, "button_lit.png")
        && save(titleBar(), out, "titlebar.png") && save(icon(128), out, "marlune.png")
        && save(icon(32), out, "marlune32.png");
    return ok && saveThemeIcons(out) ? 0 : 1;
}
