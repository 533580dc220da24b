#pragma once

#include "screens/artwork/artwork.h"

// The built-in pictures, read from the program's embedded files on first use and kept for the
// run: screens are built afresh at every showing, and decoding the pictures again each time would
// slow every screen change.
namespace artwork_cache {

/// artwork::words, read once.
QImage words(artwork::Words which);
/// artwork::title, read once.
QImage title();
/// artwork::radicalShape, read once per radical.
QImage radicalShape(int radicalNo);
/// artwork::playPanel, read once.
QImage playPanel();
/// artwork::emptyGauge, read once.
QImage emptyGauge();
/// artwork::windowIcon, made once; each size is read when first drawn.
QIcon windowIcon();

} // namespace artwork_cache
