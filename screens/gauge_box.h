#pragma once

#include "artwork/gauge_layout.h"
#include "screens/hidpi_picture.h"

#include <QImage>
#include <QRgb>
#include <QWidget>
#include <functional>

/// The gauge picture box `Picture1`: it keeps its picture as an image, so the cells painted into
/// it survive every repaint. Its cells can carry hover texts, which the screen supplies. On a
/// screen of more than one device pixel to the pixel it shows the gauge laid out again in whole
/// device pixels (gauge_layout.h), its labels from the 2x form when there is one, and paints
/// every fill into that too; the game still speaks in the gauge's own pixels. Screen
/// readers see it as an image.
class GaugeBox : public QWidget {
    Q_OBJECT
public:
    /// The hover text of cell 1..100 (counted from the top); empty for none.
    using CellText = std::function<QString(int cell)>;

    GaugeBox(const QString& name, const HiDpiPicture& picture, QWidget* parent);

    /// Replaces the picture, painted cells and all.
    void setPicture(const HiDpiPicture& picture);
    /// Fills the area containing (x, y), bounded by white, in `colour`.
    void fill(int x, int y, QRgb colour);
    /// The gauge in its own pixels, with its painted cells.
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
    /// The pixel of the gauge's own picture shown at `point` of the widget.
    QPoint ownPixel(const QPoint& point) const;
    /// Where `own` (pixels of the gauge's own picture) is shown on the widget.
    QRect shownRect(const QRect& own) const;
    /// The gauge is shown laid out for the device (a ratio above 1).
    bool laidOut() const { return !m_laidOut.isNull(); }

    QImage m_image;
    HiDpiPicture m_picture; ///< its 2x form gives the labels drawn above a ratio of 1
    QImage m_laidOut;       ///< the gauge in device pixels, as last shown; null at a ratio of 1
    artwork::GaugeLayout m_layout;
    qreal m_ratio = 1;
    CellText m_cellText;
};
