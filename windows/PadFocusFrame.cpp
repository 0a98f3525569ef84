#include "windows/PadFocusFrame.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

namespace {

// The frame's reach beyond the control and over its edge, in the game's pixels: a control at a
// window's edge, where the reach beyond is cut off, is still framed.
constexpr int kBeyond = 3;
constexpr int kOver = 1;
// Bright orange with a dark line inside, so that it stands out on the light dialogs and on the
// game's dark pictures alike.
constexpr QColor kFrame{255, 140, 0};
constexpr QColor kEdge{40, 40, 40};

// The frame's size and shape as the focus frame asks its style for them.
class FrameStyle final : public QProxyStyle {
  public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_FocusFrameHMargin || metric == PM_FocusFrameVMargin) return kBeyond;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* answer) const override {
        if (hint != SH_FocusFrame_Mask || widget == nullptr) {
            return QProxyStyle::styleHint(hint, option, widget, answer);
        }
        if (auto* mask = qstyleoption_cast<QStyleHintReturnMask*>(answer)) {
            const int ring = kBeyond + kOver;
            mask->region =
                QRegion(widget->rect()) - widget->rect().adjusted(ring, ring, -ring, -ring);
        }
        return 1;
    }
};

}  // namespace

PadFocusFrame::PadFocusFrame(QWidget* parent) : QFocusFrame(parent) {
    // One for every frame, for as long as the application lives.
    static FrameStyle* const style = [] {
        auto* made = new FrameStyle;
        made->setParent(qApp);
        return made;
    }();
    setStyle(style);
}

void PadFocusFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int ring = kBeyond + kOver;
    const QRect inner = rect().adjusted(ring - 1, ring - 1, 1 - ring, 1 - ring);
    painter.fillRect(rect(), kFrame);
    painter.setPen(kEdge);
    painter.drawRect(inner.adjusted(0, 0, -1, -1));
}
