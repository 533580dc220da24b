#pragma once

#include "facts/content_catalogue.h"
#include "round/play_view.h"

#include <QStringView>
#include <array>

/// One step of the speed screen's 3-2-1 countdown.
struct CountdownStep {
    PlayTimer timer;                    ///< runs while the step shows
    int number;                         ///< the number shown: 3, 2 or 1
    content_catalogue::Picture picture; ///< the picture of that number
    QStringView sound;                  ///< played as the step starts
};

/// The countdown's steps in the order they show: "3" and "2" with a double beep, "1" with a
/// triple beep; play starts when the last one has passed.
inline constexpr std::array<CountdownStep, 3> kCountdownSteps{{
    {PlayTimer::FirstCountdownStep, 3, content_catalogue::kCountdown[0],
     content_catalogue::kBeepSound},
    {PlayTimer::SecondCountdownStep, 2, content_catalogue::kCountdown[1],
     content_catalogue::kBeepSound},
    {PlayTimer::LastCountdownStep, 1, content_catalogue::kCountdown[2],
     content_catalogue::kLastBeepSound},
}};
