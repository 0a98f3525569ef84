#pragma once

#include <QString>
#include <QWidget>
#include <vector>

// What is wrong with how `controls` stand in `window`, or nothing: each shown control lies
// wholly inside the window, no two of them overlap, and their tops go down the list in order
// (controls side by side share a top and come left to right).
inline QString LayoutProblem(const QWidget& window, const std::vector<const QWidget*>& controls) {
    std::vector<std::pair<const QWidget*, QRect>> shown;
    for (const QWidget* control : controls) {
        if (!control->isVisible()) continue;
        const QRect area(control->mapTo(&window, QPoint(0, 0)), control->size());
        if (!window.rect().contains(area)) {
            return control->objectName() + QStringLiteral(" leaves the window");
        }
        shown.emplace_back(control, area);
    }
    for (std::size_t i = 0; i < shown.size(); ++i) {
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            const QRect& a = shown[i].second;
            const QRect& b = shown[j].second;
            const QString pair = shown[i].first->objectName() + QStringLiteral(" and ") +
                                 shown[j].first->objectName();
            if (a.intersects(b)) return pair + QStringLiteral(" overlap");
            if (b.top() < a.top() || (b.top() == a.top() && b.left() < a.left())) {
                return pair + QStringLiteral(" out of order");
            }
        }
    }
    return {};
}
