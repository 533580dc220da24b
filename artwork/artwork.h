#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

// The built-in artwork of the four screens, as the program holds it. The build paints every
// picture once (painting.h) and embeds it; these functions read the embedded pictures on first use
// and keep them for the run, so nothing is painted at start and nothing is read from the content
// directory. Every picture has its final pixel size: the sizes below at a `scale` of 1, twice
// those at 2 (for screens with two device pixels to the pixel, or more), with that scale as its
// device pixel ratio.
namespace artwork {

/// Texts on graphical buttons and banners.
enum class Words {
    SpeedMode, ///< "スピードモード", 184 x 54, white on a blue face (menu button, speed banner)
    CarefulMode, ///< "じっくりモード", 184 x 54, white on a blue face (menu button, careful banner)
    EndGame,     ///< "終了", 176 x 50, white, letter-spaced, on an orange face
    HowToPlay,   ///< "遊び方", 176 x 50, white, letter-spaced, on an orange face
    AnotherGame, ///< "再挑戦", 176 x 50, white, letter-spaced, on an orange face
    Menu,        ///< "メニュー", 108 x 31, white on blue
    Exists,      ///< "ある", 153 x 57, yellow on black in a red frame
    MadeUp,      ///< "ない", 153 x 57, yellow on black in a red frame
};

/// Every kind of words picture.
inline constexpr Words kAllWords[] = {
    Words::SpeedMode,   Words::CarefulMode, Words::EndGame, Words::HowToPlay,
    Words::AnotherGame, Words::Menu,        Words::Exists,  Words::MadeUp,
};

/// The sizes the icon is drawn at, smallest first.
inline constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

/// A button face or banner with its words.
QImage words(Words which, int scale = 1);
/// The menu's title artwork, 400 x 399.
QImage title(int scale = 1);
/// The shape of radical 1 to 6 in its left-hand form, white on black, 90 x 231.
QImage radicalShape(int radicalNo, int scale = 1);
/// The play panel behind a play screen's controls, 640 x 400: dark blue, the black window in its
/// yellow and cyan outlines, the gauge's frame, the question box with 第 and 問, the accuracy box
/// with 正解率 and %, each where the play screens' layout (facts/play_layout.h) puts it.
QImage playPanel(int scale = 1);
/// The empty gauge in its four colours (gauge_art.h), 81 x 361, indexed.
QImage emptyGauge(int scale = 1);
/// The icon at one of kIconSizes, with alpha (for installers and desktop entries).
QImage iconImage(int size);
/// The window icon of all four screens, at every size of kIconSizes; each size is read when it is
/// first drawn.
QIcon windowIcon();

/// The embedded picture of `file` (a name from picture_catalogue.h), as stored: opaque 32-bit
/// colour, the gauge indexed in its four colours, the icons with alpha. A null image when the
/// program holds no picture of that name. It reads the program's copy in place, when that is
/// stored uncompressed, and copies it before its first change.
QImage embeddedPicture(const QString& file);

} // namespace artwork
