#pragma once

#include <QImage>
#include <QRgb>
#include <QWidget>
#include <functional>

/// The gauge picture box `Picture1`: it keeps its picture as an image, so the cells painted into
/// it survive every repaint. Its cells can carry hover texts, which the screen supplies. Screen
/// readers see it as an image.
class GaugeBox : public QWidget {
    Q_OBJECT
public:
    /// The hover text of cell 1..100 (counted from the top); empty for none.
    using CellText = std::function<QString(int cell)>;

    GaugeBox(const QString& name, const QImage& image, QWidget* parent);

    /// Replaces the picture, painted cells and all.
    void setImage(const QImage& image);
    /// Fills the area containing (x, y), bounded by white, in `colour`.
    void fill(int x, int y, QRgb colour);
    QImage image() const { return m_image; }

    /// Where the hover texts of the cells come from.
    void setCellText(CellText cellText) { m_cellText = std::move(cellText); }
    /// The hover text at `point`: the text of the cell whose pitch (the cell and the white line
    /// above it) covers the point, or empty.
    QString toolTipAt(const QPoint& point) const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
    CellText m_cellText;
};
