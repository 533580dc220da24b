#include "screens/picture_button.h"

#include "screens/picture_icon_engine.h"

#include <QPainter>

namespace {

// The focus frame lies inside the face: a black line outside and a 2-pixel cyan band inside it,
// so that one of them stands out on every face (blue, orange, the black radicals, the red
// frame of the answers), on the margin around a picture and on the window colour. Cyan is no
// colour of any face, and not the yellow of a held answer.
void paintFocusFrame(QPainter& painter, const QRect& face) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(face.adjusted(0, 0, -1, -1));
    painter.setPen(QPen(QColor(0, 255, 255), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(face).adjusted(2, 2, -2, -2));
}

// A held button is darkened, as a pressed key sinks into shadow, and ringed in yellow so that
// the waiting answer reads at a glance; the ring lies inside the focus frame, so both show.
void paintHeld(QPainter& painter, const QRect& face) {
    painter.fillRect(face, QColor(0, 0, 0, 110));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 236, 40), 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(face).adjusted(4.5, 4.5, -4.5, -4.5));
}

} // namespace

PictureButton::PictureButton(const QString& name, const HiDpiPicture& picture,
                             const QColor& backColour, QWidget* parent)
    : QPushButton(parent), m_picture(picture) {
    setObjectName(name);
    setFlat(true);
    // The icon size equals the picture's, so the picture is never scaled at a ratio of 1; at
    // other ratios the icon gives the picture drawn for the ratio.
    setIcon(QIcon(new PictureIconEngine(picture)));
    setIconSize(picture.size());
    setAutoFillBackground(true);
    if (backColour.isValid()) {
        QPalette pal = palette();
        pal.setColor(QPalette::Button, backColour);
        setPalette(pal);
    }
}

void PictureButton::setHeld(bool held) {
    if (held == m_held)
        return;
    m_held = held;
    update();
}

void PictureButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (!m_held && !hasFocus())
        return;
    QPainter painter(this);
    if (m_held)
        paintHeld(painter, rect());
    if (hasFocus())
        paintFocusFrame(painter, rect());
}
