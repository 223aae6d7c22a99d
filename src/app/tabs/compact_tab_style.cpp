#include "app/tabs/compact_tab_style.h"

namespace vartel {

int CompactTabStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                 const QWidget* widget) const {
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    return metric == PM_TabBarTabHSpace ? base * 2 / 5 : base;
}

}  // namespace vartel
