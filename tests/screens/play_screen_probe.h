#pragma once

#include "artwork/gauge_art.h"
#include "platform/sound_player.h"
#include "screen_test_support.h"
#include "screens/gauge_box.h"
#include "tests/support/gauge_reader.h"
#include "tests/support/test_content.h"

#include <QLabel>

// Reads a play screen as the player sees it: labels, which pictures show, the gauge's cells and
// the last sound, all through the real widgets.
class PlayScreenProbe {
public:
    explicit PlayScreenProbe(const QWidget* screen) : m_screen(screen) {}

    QString text(const char* label) const {
        return screen_test::control<QLabel>(m_screen, QString::fromLatin1(label))->text();
    }
    QString accessibleName(const char* label) const {
        return screen_test::control(m_screen, QString::fromLatin1(label))->accessibleName();
    }
    bool shown(const char* name) const {
        return screen_test::control(m_screen, QString::fromLatin1(name))->isVisible();
    }
    bool running(const char* timer) const {
        return screen_test::isRunning(m_screen, QString::fromLatin1(timer));
    }
    /// Names of the timers that run.
    QStringList runningTimers() const {
        QStringList names;
        for (const QTimer* timer : m_screen->findChildren<QTimer*>())
            if (timer->isActive())
                names << timer->objectName();
        names.sort();
        return names;
    }
    QRgb picture(const char* image) const {
        return screen_test::pictureColour(m_screen, QString::fromLatin1(image));
    }
    /// The picture fills the whole of the control `image`: its corners show `colour`.
    bool fills(const char* image, QRgb colour) const {
        const QWidget* widget = screen_test::control(m_screen, QString::fromLatin1(image));
        const QImage drawn = const_cast<QWidget*>(widget)->grab().toImage();
        const int right = drawn.width() - 1;
        const int bottom = drawn.height() - 1;
        for (const QPoint& corner :
             {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
            if (drawn.pixel(corner) != colour)
                return false;
        return true;
    }
    /// The character on screen, read from its picture's colour (see TestContent).
    int character() const { return qRed(picture("Image3")); }
    QString lastSound() const {
        return screen_test::control<SoundPlayer>(m_screen, QStringLiteral("MediaPlayer1"))
            ->lastPlayed();
    }
    QImage gauge() const {
        return screen_test::control<GaugeBox>(m_screen, QStringLiteral("Picture1"))->image();
    }
    /// Colour of gauge cell k counted from the top (1 to 100).
    QRgb cell(int k) const { return gauge().pixel(gauge::kSeedX, gauge::cellTopRow(k)); }
    /// The gauge shows `right` green cells from the bottom, `wrong` red cells from the top, blue
    /// cells between, and its outline and every white line intact.
    bool gaugeShows(int right, int wrong) const {
        int green = 0;
        int red = 0;
        const QString fault = readGauge(gauge(), green, red);
        if (!fault.isEmpty())
            qWarning("%s", qPrintable(fault));
        return fault.isEmpty() && green == right && red == wrong;
    }

private:
    const QWidget* m_screen;
};
