#include "screens/play_screen_view.h"

#include "artwork/gauge_art.h"
#include "artwork/gauge_check.h"
#include "facts/radicals.h"
#include "platform/picture_loader.h"
#include "platform/sound_player.h"
#include "screens/gauge_box.h"
#include "screens/image_control.h"
#include "screens/picture_button.h"
#include "shell/content_error.h"
#include "shell/content_paths.h"

#include <QLabel>
#include <QTimer>

namespace {

QString ratingName(Rating rating) {
    switch (rating) {
    case Rating::Gold:
        return QStringLiteral("金メダル");
    case Rating::Silver:
        return QStringLiteral("銀メダル");
    case Rating::Copper:
        return QStringLiteral("銅メダル");
    case Rating::Crow:
        break;
    }
    return QStringLiteral("カラス（不合格）");
}

} // namespace

PlayScreenView::PlayScreenView(QWidget* window, const PlayControls& controls,
                               const SharedState& shared)
    : m_window(window), m_controls(controls), m_shared(shared) {}

void PlayScreenView::setText(PlayText text, const QString& value) {
    switch (text) {
    case PlayText::Title:
        m_window->setWindowTitle(value);
        break;
    case PlayText::Score:
        m_controls.score->setText(value);
        m_controls.score->setAccessibleName(
            value.isEmpty() ? QString() : QStringLiteral("正解率 %1 %").arg(value));
        break;
    case PlayText::QuestionNumber:
        m_controls.questionNumber->setText(value);
        m_controls.questionNumber->setAccessibleName(
            value.isEmpty() ? QString() : QStringLiteral("第 %1 問").arg(value));
        break;
    }
}

QWidget* PlayScreenView::control(PlayControl which) const {
    switch (which) {
    case PlayControl::RadicalPicture:
        return m_controls.image(2);
    case PlayControl::CharacterPicture:
        return m_controls.image(3);
    case PlayControl::ModeBanner:
        return m_controls.image(4);
    case PlayControl::RatingPicture:
        return m_controls.image(5);
    case PlayControl::CountdownPicture:
        return m_controls.image(6);
    case PlayControl::AnotherGameButton:
        return m_controls.anotherGame;
    }
    return nullptr;
}

void PlayScreenView::setShown(PlayControl which, bool shown) {
    if (QWidget* widget = control(which))
        widget->setVisible(shown);
    // The another-game button comes with the rating, and with it the review of the gauge. The
    // answer buttons take nothing from the rating to the next game, and look it; the focus
    // leaves them for the another-game button.
    if (which == PlayControl::AnotherGameButton) {
        m_controls.gauge->setAccessibleDescription(gaugeDescription(shown));
        for (PictureButton* answer : m_controls.answers)
            answer->setEnabled(!shown);
    }
}

HiDpiPicture PlayScreenView::loadPictures(const QString& path) const {
    QImage base = loadPictureFile(path);
    // The 2x file is read only where it is drawn: on a screen of more than one device pixel to
    // the pixel.
    QImage doubled =
        m_window->devicePixelRatioF() > 1 ? loadDoubleSizePicture(path, base.size()) : QImage();
    return {std::move(base), std::move(doubled)};
}

HiDpiPicture PlayScreenView::loadShownPicture(const QString& path) const {
    const PictureFile file = readPictureFile(path);
    QImage doubled =
        m_window->devicePixelRatioF() > 1 ? loadDoubleSizePicture(path, file.size) : QImage();
    if (doubled.isNull())
        return HiDpiPicture(decodePicture(file));
    // A high-DPI screen shows the 2x form alone, so each question decodes one picture, not
    // two. The 1x form is decoded only if asked for (the window moved to a screen of ratio 1);
    // a 1x file whose header and blocks read but whose data does not is then drawn from the
    // 2x form, as an exception cannot leave a paint.
    return HiDpiPicture(
        file.size,
        [file, doubled] {
            try {
                return decodePicture(file);
            } catch (const ContentError&) {
                return doubled.scaled(file.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            }
        },
        doubled);
}

void PlayScreenView::loadPicture(int imageNo, const QString& path, const QString& name) {
    ImageControl* target = m_controls.image(imageNo);
    if (!target)
        return;
    target->setPicture(loadShownPicture(path));
    if (!name.isNull())
        target->setAccessibleName(name);
}

void PlayScreenView::loadRadicalPicture(const QString& path) {
    loadPicture(2, path, radicalName(m_shared.radicalNo));
}

void PlayScreenView::loadCharacterPicture(const QString& path) {
    // Named by the screen, which knows the question and names it by what the picture shows
    // (PlayScreen::handled).
    loadPicture(3, path, QString());
}

void PlayScreenView::loadRatingPicture(Rating rating, const QString& path) {
    loadPicture(5, path, ratingName(rating));
}

void PlayScreenView::loadCountdownPicture(int number, const QString& path) {
    loadPicture(6, path, QStringLiteral("カウントダウン %1").arg(number));
}

void PlayScreenView::loadGauge(const QString& path) {
    const HiDpiPicture gauge = loadPictures(path);
    // Every fill relies on the gauge's cells and white lines: a gauge laid out otherwise would
    // paint the wrong places, so it is a content fault like an undecodable picture. Its 2x form
    // gives the labels drawn on a high-DPI screen, where a misplaced line would show as well.
    for (const int scale : {1, 2}) {
        const QImage& form = scale == 1 ? gauge.base() : gauge.doubled();
        const QStringList faults =
            form.isNull() ? QStringList() : artwork::gaugeFaults(form, scale);
        if (!faults.isEmpty())
            throw ContentError(
                scale == 1 ? path : content_paths::doubleSizePicture(path),
                QStringLiteral("ゲージの絵がマスの位置と合いません（%1）").arg(faults.first()));
    }
    m_controls.gauge->setPicture(gauge);
}

void PlayScreenView::fillGauge(int x, int y, GaugeFill fill) {
    m_controls.gauge->fill(x, y,
                           fill == GaugeFill::Right ? artwork::kGaugeGreen : artwork::kGaugeRed);
}

void PlayScreenView::playSound(const QString& path) {
    m_controls.sound->play(path);
}

void PlayScreenView::setTimerRunning(PlayTimer which, bool running) {
    QTimer* timer = m_controls.timers[static_cast<std::size_t>(which)];
    if (!timer)
        return;
    if (running)
        timer->start(kTickMilliseconds);
    else
        timer->stop();
}
