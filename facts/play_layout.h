#pragma once

#include "facts/content_catalogue.h"
#include "facts/gauge_geometry.h"
#include "facts/twips.h"

#include <array>

// The play screens' layout, the one table of it: both play screens place their controls by it,
// and the play panel, the picture behind them, is painted from it, so that its black window,
// its gauge frame and its label boxes lie where the controls stand. The compiler holds the
// picture controls to the sizes of the pictures they show.
namespace play_layout {

/// The client area of a play screen, in twips.
inline constexpr int kClientWidth = 11490;
inline constexpr int kClientHeight = 7170;

// Every control of the play screens, in twips of the client area.
inline constexpr twips::Control kAnotherGameButton{"Command3", 945, 120, 2640, 750};
inline constexpr twips::Control kGauge{"Picture1", 1695, 1320, 1215, 5415};
inline constexpr twips::Control kMadeUpButton{"Command2(1)", 6255, 5685, 2325, 900};
inline constexpr twips::Control kExistsButton{"Command2(0)", 3930, 5685, 2325, 900};
inline constexpr twips::Control kBackButton{"Command1", 8850, 195, 1710, 540};
inline constexpr twips::Control kCountdownPicture{"Image6", 4740, 2595, 2070, 1320};
inline constexpr twips::Control kRatingPicture{"Image5", 4350, 1620, 2760, 3375};
inline constexpr twips::Control kQuestionNumber{"Label2", 8625, 1725, 810, 450};
inline constexpr twips::Control kScore{"Label1", 7890, 4230, 1515, 690};
inline constexpr twips::Control kModeBanner{"Image4", 960, 90, 2760, 810};
inline constexpr twips::Control kCharacterPicture{"Image3", 5340, 1590, 2100, 3465};
inline constexpr twips::Control kRadicalPicture{"Image2", 4010, 1590, 1350, 3465};
inline constexpr twips::Control kPanel{"Image1", 960, 1005, 9600, 6000};

/// The controls front to back. The countdown picture, the speed screen's only, stands in front
/// of the other pictures. The timers and the invisible sound player have no place on the screen.
inline constexpr std::array<twips::Control, 13> kControls{
    kAnotherGameButton, kGauge,          kMadeUpButton,   kExistsButton, kBackButton,
    kCountdownPicture,  kRatingPicture,  kQuestionNumber, kScore,        kModeBanner,
    kCharacterPicture,  kRadicalPicture, kPanel,
};

// What the play panel draws under the controls, in the panel's pixels.

/// Where `control` stands on the panel.
constexpr twips::PixelRect onPanel(const twips::Control& control) {
    return control.pixels().relativeTo(kPanel.pixels());
}

/// The panel picture, as large as its control.
inline constexpr twips::PixelRect kPanelArea = onPanel(kPanel);

/// The black window behind the radical and the character picture: the smallest square that
/// holds the two, centred on them. Side by side the pictures read as one character in it.
inline constexpr twips::PixelRect kBlackWindow = [] {
    const twips::PixelRect pair = onPanel(kRadicalPicture).united(onPanel(kCharacterPicture));
    const int side = pair.width > pair.height ? pair.width : pair.height;
    return twips::PixelRect{pair.left - (side - pair.width) / 2,
                            pair.top - (side - pair.height) / 2, side, side};
}();

/// The gauge's area, framed just outside it.
inline constexpr twips::PixelRect kGaugeArea = onPanel(kGauge);

/// The question box: the question number's label with room on its left for 第 and on its right
/// for 問.
inline constexpr twips::PixelRect kQuestionBox = onPanel(kQuestionNumber).grown(53, 14, 55, 19);

/// The accuracy box: the title 正解率 above a divider, the score's label below it with room on
/// its right for "%".
inline constexpr twips::PixelRect kAccuracyBox = onPanel(kScore).grown(4, 38, 57, 13);
/// The divider's row, a little above the score's label.
inline constexpr int kAccuracyDividerRow = onPanel(kScore).top - 4;

// The picture controls are as large as the pictures they show, so nothing is stretched.
constexpr bool hasSize(const twips::Control& control, QSize size) {
    return control.pixels().width == size.width() && control.pixels().height == size.height();
}
static_assert(hasSize(kRadicalPicture, content_catalogue::kRadicalPictureSize));
static_assert(hasSize(kCharacterPicture, content_catalogue::kCharacterPictureSize));
static_assert(hasSize(kGauge, content_catalogue::kGauge.size));
static_assert(hasSize(kGauge, {gauge::kWidth, gauge::kHeight}));
static_assert(hasSize(kRatingPicture, content_catalogue::kGoldMedal.size) &&
              hasSize(kRatingPicture, content_catalogue::kSilverMedal.size) &&
              hasSize(kRatingPicture, content_catalogue::kCopperMedal.size) &&
              hasSize(kRatingPicture, content_catalogue::kCrow.size));
static_assert(hasSize(kCountdownPicture, content_catalogue::kCountdown[0].size) &&
              hasSize(kCountdownPicture, content_catalogue::kCountdown[1].size) &&
              hasSize(kCountdownPicture, content_catalogue::kCountdown[2].size));

// The radical and the character picture stand side by side in the black window, which is as
// high as they are, with no gap between them through which the panel could show.
static_assert(kBlackWindow.contains(onPanel(kRadicalPicture)) &&
              kBlackWindow.contains(onPanel(kCharacterPicture)));
static_assert(kBlackWindow.height == content_catalogue::kRadicalPictureSize.height());
static_assert(onPanel(kCharacterPicture).left <= onPanel(kRadicalPicture).right());

// The panel holds its window, its boxes and the gauge, and each label stands in its box.
static_assert(kPanelArea.contains(kBlackWindow.grown(4, 4, 4, 4)));
static_assert(kPanelArea.contains(kGaugeArea.grown(3, 3, 3, 3)));
static_assert(kPanelArea.contains(kQuestionBox) && kPanelArea.contains(kAccuracyBox));
static_assert(kQuestionBox.contains(onPanel(kQuestionNumber)) &&
              kAccuracyBox.contains(onPanel(kScore)));
static_assert(kAccuracyDividerRow > kAccuracyBox.top && kAccuracyDividerRow < onPanel(kScore).top);

} // namespace play_layout
