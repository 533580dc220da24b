#pragma once

#include "artwork/artwork.h"
#include "screens/hidpi_picture.h"

// The built-in pictures as the screens draw them: each in its 1x and 2x forms, the 2x form read
// only when a screen above a ratio of 1 first draws it (the play screens' are stored compressed).
namespace built_in {

inline HiDpiPicture words(artwork::Words which) {
    return {artwork::words(which, 1), [which] { return artwork::words(which, 2); }};
}
inline HiDpiPicture title() {
    return {artwork::title(1), [] { return artwork::title(2); }};
}
inline HiDpiPicture radicalShape(int radicalNo) {
    return {artwork::radicalShape(radicalNo, 1),
            [radicalNo] { return artwork::radicalShape(radicalNo, 2); }};
}
inline HiDpiPicture playPanel() {
    return {artwork::playPanel(1), [] { return artwork::playPanel(2); }};
}
inline HiDpiPicture emptyGauge() {
    return {artwork::emptyGauge(1), [] { return artwork::emptyGauge(2); }};
}

} // namespace built_in
