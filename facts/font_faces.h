#pragma once

#include <QStringView>
#include <array>

// The font faces of the game, each named once: the face the screens are lettered in, and the
// Japanese minchos that letter the built-in pictures and the content and stand in for it.
namespace font_faces {

/// The face the screens are lettered in. Windows has it; elsewhere fontconfig would map it to a
/// serif that draws kanji in Chinese or gothic forms, so setUpApplication() lets the minchos
/// below stand for it.
inline constexpr QStringView kScreenFace = u"ＭＳ 明朝";

/// The Japanese mincho that letters the built-in pictures and draws the content, and Debian's
/// file of it (fonts-ipaexfont-mincho). The content generator draws from the file itself, so
/// that no fallback can slip in a Chinese or gothic form.
inline constexpr const char* kMinchoFamily = "IPAexMincho";
inline constexpr const char* kMinchoFile = "/usr/share/fonts/opentype/ipaexfont-mincho/ipaexm.ttf";
/// Where the Windows game ships that file, beside the program (packaging/windows installs it).
inline constexpr const char* kShippedMinchoFile = "fonts/ipaexm.ttf";
/// The IPA font's earlier mincho, which stands in where IPAexMincho is not installed.
inline constexpr const char* kOlderMinchoFamily = "IPAMincho";
/// The minchos of Windows, which letter the pictures where neither IPA mincho is installed.
inline constexpr std::array<const char*, 2> kWindowsMinchoFamilies{"MS Mincho", "Yu Mincho"};

} // namespace font_faces
