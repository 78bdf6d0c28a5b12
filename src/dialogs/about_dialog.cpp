#include "dialogs/about_dialog.h"

#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include "dialogs/dialog_units.h"

#ifndef KELVANE_VERSION
#define KELVANE_VERSION "unknown"
#endif

namespace {

// The picture is drawn on a 480 x 331 plan and scaled to the dialog, so it
// stays sharp at any screen scale.
constexpr qreal PLAN_WIDTH = 480;
constexpr qreal PLAN_HEIGHT = 331;

const QColor WATER(38, 96, 160);
const QColor PIER(176, 140, 92);
const QColor PILING(92, 64, 40);
const QColor HULL(250, 250, 245);
const QColor WAKE(200, 225, 245);

void DrawPiers(QPainter& p) {
    p.fillRect(QRectF(0, 0, PLAN_WIDTH, 56), PIER);  // the main pier along the top
    for (qreal x : {150.0, 260.0, 370.0}) p.fillRect(QRectF(x, 56, 14, 150), PIER);
    p.setPen(Qt::NoPen);
    p.setBrush(PILING);
    for (qreal x : {150.0, 260.0, 370.0, 384.0}) p.drawEllipse(QPointF(x + 7, 214), 7, 7);
}

// A motorboat entering the slip on the right, its wake curling behind.
void DrawBoat(QPainter& p) {
    p.save();
    p.translate(322, 200);
    p.rotate(12);
    QPainterPath wake;
    wake.moveTo(-18, 40);
    wake.cubicTo(-40, 90, -10, 120, -50, 130);
    wake.moveTo(18, 40);
    wake.cubicTo(40, 90, 70, 110, 40, 130);
    p.setPen(QPen(WAKE, 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(wake);
    QPainterPath hull;
    hull.moveTo(0, -70);
    hull.cubicTo(26, -40, 24, 10, 20, 40);
    hull.lineTo(-20, 40);
    hull.cubicTo(-24, 10, -26, -40, 0, -70);
    p.setPen(QPen(QColor(30, 30, 30), 2));
    p.setBrush(HULL);
    p.drawPath(hull);
    p.setBrush(QColor(120, 160, 200));
    p.drawRoundedRect(QRectF(-11, -22, 22, 30), 4, 4);
    p.restore();
}

class AboutPicture : public QWidget {
public:
    explicit AboutPicture(QWidget* parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(width() / PLAN_WIDTH, height() / PLAN_HEIGHT);
        p.fillRect(QRectF(0, 0, PLAN_WIDTH, PLAN_HEIGHT), WATER);
        DrawPiers(p);
        DrawBoat(p);
    }
};

QString VersionText(const QString& openGlVersion) {
    return QStringLiteral("Kelvane %1\nQt %2\nOpenGL %3")
        .arg(QStringLiteral(KELVANE_VERSION), QString::fromLatin1(qVersion()),
             openGlVersion.isEmpty() ? QStringLiteral("not known") : openGlVersion);
}

}  // namespace

void RunAboutDialog(QWidget* parent, const QString& openGlVersion, const QString& dataFolder) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("About Kelvane"));
    dialog.setFont(DialogFont());
    const DialogUnits du(dialog.font());
    dialog.setFixedSize(du.Size(320, 204));

    AboutPicture* picture = new AboutPicture(&dialog);
    picture->setGeometry(0, 0, dialog.width(), dialog.height());

    QLabel* version = new QLabel(VersionText(openGlVersion), &dialog);
    version->setStyleSheet(QStringLiteral("color: white;"));
    version->setTextInteractionFlags(Qt::TextSelectableByMouse);
    version->setGeometry(du.Rect(5, 142, 310, 40));
    version->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    if (!dataFolder.isEmpty()) {
        // A long folder name is shortened in the middle; the whole name is its tip.
        const QString folder = version->fontMetrics().elidedText(
            QDir::toNativeSeparators(dataFolder), Qt::ElideMiddle, version->width() * 3 / 4);
        version->setText(version->text() + QStringLiteral("\nData folder: ") + folder);
        version->setToolTip(QDir::toNativeSeparators(dataFolder));
    }

    QPushButton* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setGeometry(du.Rect(5, 185, 30, 14));
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    ok->setFocus();
    dialog.exec();
}
