// Draws the 72x72 icon of the progress dialog: a blue shield with a white arrow
// rising out of a tray, the mark of a backup being stored safely.
//   make_icon <output.png>

#include <QCoreApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: %s <output.png>\n", argv[0]);
        return 2;
    }
    QCoreApplication app(argc, argv);

    const int size = 72;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QPainterPath shield;
    shield.moveTo(36, 4);
    shield.cubicTo(44, 9, 52, 11, 62, 11);
    shield.lineTo(62, 33);
    shield.cubicTo(62, 50, 51, 61, 36, 68);
    shield.cubicTo(21, 61, 10, 50, 10, 33);
    shield.lineTo(10, 11);
    shield.cubicTo(20, 11, 28, 9, 36, 4);
    shield.closeSubpath();

    QLinearGradient fill(0, 4, 0, 68);
    fill.setColorAt(0, QColor(0x3d, 0x9b, 0xff));
    fill.setColorAt(1, QColor(0x0b, 0x57, 0xd0));
    p.setPen(QPen(QColor(0x08, 0x3f, 0x9a), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(shield);

    const QColor white(Qt::white);
    QPainterPath arrow;
    arrow.moveTo(36, 17);
    arrow.lineTo(49, 31);
    arrow.lineTo(40.5, 31);
    arrow.lineTo(40.5, 45);
    arrow.lineTo(31.5, 45);
    arrow.lineTo(31.5, 31);
    arrow.lineTo(23, 31);
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    p.drawPath(arrow);

    QPainterPath tray;
    tray.moveTo(22, 43);
    tray.lineTo(22, 52);
    tray.lineTo(50, 52);
    tray.lineTo(50, 43);
    p.setPen(QPen(white, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tray);
    p.end();

    if (!image.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        fprintf(stderr, "%s: cannot write '%s'\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
