#pragma once

#include "screens/artwork/artwork.h"

// The built-in pictures, painted on first use and kept for the run: screens are built afresh at
// every showing, and painting the artwork again each time would slow every screen change.
namespace artwork_cache {

/// artwork::words, painted once.
QImage words(artwork::Words which);
/// artwork::title, painted once.
QImage title();
/// artwork::radicalShape, painted once per radical.
QImage radicalShape(int radicalNo);
/// artwork::playPanel, painted once.
QImage playPanel();
/// artwork::emptyGauge, drawn once.
QImage emptyGauge();
/// artwork::windowIcon, painted once.
QIcon windowIcon();

} // namespace artwork_cache
