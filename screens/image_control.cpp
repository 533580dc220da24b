#include "screens/image_control.h"

#include "screens/accessible_roles.h"

#include <QPainter>

ImageControl::ImageControl(const QString& name, bool stretch, QWidget* parent)
    : QWidget(parent), m_stretch(stretch) {
    accessible_roles::install();
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ImageControl::setImage(const QImage& image) {
    m_image = image;
    m_drawn = QPixmap();
    update();
}

void ImageControl::paintEvent(QPaintEvent*) {
    if (m_image.isNull())
        return;
    const QSize drawnSize = m_stretch ? size() : m_image.size();
    if (m_drawn.isNull() || m_drawn.size() != drawnSize)
        m_drawn = QPixmap::fromImage(
            m_stretch ? m_image.scaled(drawnSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                      : m_image);
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_drawn);
}
