#pragma once

#include <QImage>
#include <QRgb>
#include <QWidget>

/// The gauge picture box `Picture1`: it keeps its picture as an image, so the cells painted into
/// it survive every repaint.
class GaugeBox : public QWidget {
    Q_OBJECT
public:
    GaugeBox(const QString& name, const QImage& image, QWidget* parent);

    /// Replaces the picture, painted cells and all.
    void setImage(const QImage& image);
    /// Fills the area containing (x, y), bounded by white, in `colour`.
    void fill(int x, int y, QRgb colour);
    QImage image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
};
