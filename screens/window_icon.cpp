#include "screens/window_icon.h"

#include "artwork/artwork.h"
#include "screens/after_first_paint.h"

#include <QIcon>
#include <QPixmap>
#include <QWidget>

namespace window_icon {

namespace {

constexpr int kLargestFirst = 48;

const QIcon& smallSizes() {
    static const QIcon icon = [] {
        QIcon small;
        for (const int side : artwork::kIconSizes)
            if (side <= kLargestFirst)
                small.addPixmap(QPixmap::fromImage(artwork::iconImage(side)));
        return small;
    }();
    return icon;
}

} // namespace

void set(QWidget* window) {
    window->setWindowIcon(smallSizes());
    AfterFirstPaint::call(window, [window] { window->setWindowIcon(artwork::windowIcon()); });
}

} // namespace window_icon
