#pragma once

#include "facts/gauge_geometry.h"

#include <QSize>
#include <QStringView>
#include <array>

// Every picture and sound file of the content, the one list of them: the game opens them, the
// content generator writes them, the content checker checks them. A picture's entry says the
// size the content draws it at (its size at a device pixel ratio of 1) and whether the game needs
// exactly that size or scales whatever size it finds. shell/content_paths.h turns the names into
// paths.
namespace content_catalogue {

/// Every picture of the content, each one listed below and every radical and character picture,
/// has a 2x form for screens of more than one device pixel to the pixel: a file beside it named
/// with this mark before the extension, as Qt names such files ("b12@2x.gif", "waku@2x.gif"),
/// exactly twice its size each way and drawn alike (the gauge's geometry doubled). The generator
/// writes one for every picture; the game takes it where it is there and scales the picture
/// itself where it is not, so content without 2x forms still plays.
inline constexpr QStringView kDoubleSizeMark = u"@2x";

/// A picture under "\data\画像\".
struct Picture {
    QStringView fileName;
    QSize size;     ///< the size the content draws it at, in pixels
    bool exactSize; ///< the game's drawing needs exactly this size; else a control scales it
};

/// The radical pictures, "h" + radical digit + ".gif": beside a character picture they fill the
/// play panel's black window of 231 x 231, so their size is fixed.
inline constexpr QSize kRadicalPictureSize{90, 231};
/// The character pictures, "b" + character number + ".gif".
inline constexpr QSize kCharacterPictureSize{140, 231};

/// The gauge that another game loads; its cells must lie where the fills are seeded.
inline constexpr Picture kGauge{u"waku.gif", {gauge::kWidth, gauge::kHeight}, true};
/// The rating pictures, scaled into the rating picture control (184 x 225).
inline constexpr Picture kGoldMedal{u"gmedal.gif", {184, 225}, false};
inline constexpr Picture kSilverMedal{u"smedal.gif", {184, 225}, false};
inline constexpr Picture kCopperMedal{u"cmedal.gif", {184, 225}, false};
inline constexpr Picture kCrow{u"karasu.gif", {184, 225}, false};
/// The countdown pictures in the order they are shown, scaled into the countdown control
/// (138 x 88).
inline constexpr std::array<Picture, 3> kCountdown{{
    {u"3.gif", {138, 88}, false},
    {u"2.gif", {138, 88}, false},
    {u"1.gif", {138, 88}, false},
}};

/// Every picture with a name of its own (all but the radical and character pictures).
inline constexpr std::array<Picture, 8> kNamedPictures{kGoldMedal,    kSilverMedal,  kCopperMedal,
                                                       kCrow,         kCountdown[0], kCountdown[1],
                                                       kCountdown[2], kGauge};

// The sounds, under "\音\".
inline constexpr QStringView kRightSound = u"o.wav";         ///< a right answer
inline constexpr QStringView kWrongSound = u"x.wav";         ///< a wrong answer
inline constexpr QStringView kPassSound = u"goukaku.wav";    ///< a medal
inline constexpr QStringView kCrowSound = u"karasu.wav";     ///< the crow's call
inline constexpr QStringView kFailSound = u"dame.wav";       ///< a second after the crow
inline constexpr QStringView kBeepSound = u"pipi.wav";       ///< the countdown's 3 and 2
inline constexpr QStringView kLastBeepSound = u"pipipi.wav"; ///< the countdown's 1

/// The sounds of a game on either play screen.
inline constexpr std::array<QStringView, 5> kGameSounds{kRightSound, kWrongSound, kPassSound,
                                                        kCrowSound, kFailSound};
/// The countdown's sounds (the speed screen).
inline constexpr std::array<QStringView, 2> kCountdownSounds{kBeepSound, kLastBeepSound};
/// Every sound of the content.
inline constexpr std::array<QStringView, 7> kAllSounds{
    kRightSound, kWrongSound, kPassSound, kCrowSound, kFailSound, kBeepSound, kLastBeepSound};

} // namespace content_catalogue
