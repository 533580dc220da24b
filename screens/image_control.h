#pragma once

#include <QImage>
#include <QWidget>

/// An image control: draws its picture from the top-left corner at the picture's own size, or
/// scaled to the whole control when it stretches. Transparent where it draws nothing.
class ImageControl : public QWidget {
    Q_OBJECT
public:
    ImageControl(const QString& name, bool stretch, QWidget* parent);

    /// Replaces the picture and repaints.
    void setImage(const QImage& image);
    QImage image() const { return m_image; }
    bool stretches() const { return m_stretch; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
    bool m_stretch;
};
