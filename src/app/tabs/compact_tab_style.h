#pragma once

#include <QProxyStyle>

namespace vartel {

// The desktop's own tabs with less room beside each caption, so that all seven captions of the
// editing tabs fit side by side in a narrow column.
class CompactTabStyle : public QProxyStyle {
  public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

}  // namespace vartel
