#pragma once

#include "facts/gauge_geometry.h"
#include "round/play_view.h"
#include "shell/content_error.h"

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

/// A play view that records every call in order, by the controls' names on the screen, and keeps
/// the state the calls leave behind, as a screen would: texts, visibility, pictures, gauge cells,
/// sounds and running timers. It starts as a freshly built play screen: Image2 and Image4 shown,
/// Image3, Image5, Image6 and Command3 hidden, labels and title empty, an empty gauge, every
/// timer stopped.
class RecordingView : public PlayView {
public:
    RecordingView() {
        shown = {{PlayControl::RadicalPicture, true},    {PlayControl::CharacterPicture, false},
                 {PlayControl::ModeBanner, true},        {PlayControl::RatingPicture, false},
                 {PlayControl::CountdownPicture, false}, {PlayControl::AnotherGameButton, false}};
    }

    void setText(PlayText text, const QString& value) override {
        calls << QStringLiteral("text %1=%2").arg(name(text), value);
        texts[text] = value;
    }
    void setShown(PlayControl control, bool isShown) override {
        calls << QStringLiteral("shown %1=%2").arg(name(control)).arg(isShown ? 1 : 0);
        shown[control] = isShown;
    }
    void loadRadicalPicture(const QString& path) override {
        loadPicture(PlayControl::RadicalPicture, path);
    }
    void loadCharacterPicture(const QString& path) override {
        loadPicture(PlayControl::CharacterPicture, path);
    }
    // The rating and the countdown's number name the pictures for screen readers; the screen
    // tests check those names.
    void loadRatingPicture(Rating, const QString& path) override {
        loadPicture(PlayControl::RatingPicture, path);
    }
    void loadCountdownPicture(int, const QString& path) override {
        loadPicture(PlayControl::CountdownPicture, path);
    }
    void loadGauge(const QString& path) override {
        calls << QStringLiteral("gauge %1").arg(path);
        if (missing.contains(path))
            throw ContentError(path, QStringLiteral("ファイルが見つかりません"));
        gaugePicture = path;
        cells.fill(std::nullopt);
    }
    void fillGauge(int x, int y, GaugeFill fill) override {
        calls << QStringLiteral("fill %1,%2 %3")
                     .arg(x)
                     .arg(y)
                     .arg(fill == GaugeFill::Right ? QStringLiteral("right")
                                                   : QStringLiteral("wrong"));
        const int cell = gauge::cellAt(x, y);
        if (cell == 0) {
            ++strayFills; // on a white line or outside the cells: the real fill paints nothing
            return;
        }
        if (cells[cell - 1])
            ++repaintedCells;
        cells[cell - 1] = fill;
    }
    void playSound(const QString& path) override {
        calls << QStringLiteral("sound %1").arg(path);
        sounds << path;
    }
    void setTimerRunning(PlayTimer timer, bool running) override {
        calls << QStringLiteral("timer %1=%2").arg(name(timer)).arg(running ? 1 : 0);
        if (running)
            runningTimers.insert(timer);
        else
            runningTimers.remove(timer);
    }

    /// The colour of cell k from the top, or none while it is empty.
    std::optional<GaugeFill> cell(int k) const { return cells[k - 1]; }
    bool isShown(PlayControl control) const { return shown.value(control); }
    bool isRunning(PlayTimer timer) const { return runningTimers.contains(timer); }
    QString text(PlayText which) const { return texts.value(which); }
    QString picture(PlayControl control) const { return pictures.value(control); }
    /// Forgets the calls recorded so far, keeping the state.
    void clearCalls() {
        calls.clear();
        sounds.clear();
    }

    static QString name(PlayText text) {
        switch (text) {
        case PlayText::Title:
            return QStringLiteral("Title");
        case PlayText::Score:
            return QStringLiteral("Label1");
        case PlayText::QuestionNumber:
            return QStringLiteral("Label2");
        }
        return {};
    }
    static QString name(PlayControl control) {
        static const char* const names[] = {"Image2", "Image3", "Image4",
                                            "Image5", "Image6", "Command3"};
        return QString::fromLatin1(names[static_cast<int>(control)]);
    }
    static QString name(PlayTimer timer) {
        return QStringLiteral("Timer%1").arg(static_cast<int>(timer) + 1);
    }

    QStringList calls;                   ///< every call, in order, as readable text
    QMap<PlayText, QString> texts;       ///< current texts
    QMap<PlayControl, bool> shown;       ///< current visibility
    QMap<PlayControl, QString> pictures; ///< last picture loaded into each control
    QString gaugePicture;                ///< last gauge picture loaded, empty for the built-in one
    std::array<std::optional<GaugeFill>, gauge::kCells> cells{}; ///< painted cells, top first
    int strayFills = 0;                                          ///< fills that hit no cell
    int repaintedCells = 0;        ///< fills of a cell that was already painted
    QStringList sounds;            ///< sounds played, in order
    QSet<PlayTimer> runningTimers; ///< timers currently started
    QSet<QString> missing;         ///< picture paths that throw ContentError as missing

private:
    void loadPicture(PlayControl control, const QString& path) {
        calls << QStringLiteral("picture %1=%2").arg(name(control), path);
        if (missing.contains(path))
            throw ContentError(path, QStringLiteral("ファイルが見つかりません"));
        pictures[control] = path;
    }
};
