#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <deque>
#include <functional>
#include <utility>
#include <vector>

// Answers the modal windows that come up while it lives, as a player would: each new modal
// window goes to the next step, in order; once the steps are used up, to `otherwise` when there
// is one. A window nobody expected, or any window up after a check has failed, is closed, so that
// a failing test unwinds instead of waiting for CTest's timeout. Windows already up when it is
// made are left to the test. A step may open further modal windows; those are answered by the
// following steps while it waits.
class ModalAnswers : public QObject {
  public:
    using Step = std::function<void(QWidget*)>;

    explicit ModalAnswers(std::deque<Step> steps = {}, Step otherwise = {})
        : steps_(std::move(steps)), otherwise_(std::move(otherwise)) {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->isModal()) alreadyUp_.push_back(window);
        }
        connect(&timer_, &QTimer::timeout, this, &ModalAnswers::look);
        timer_.start(5);
    }

    void then(Step step) { steps_.push_back(std::move(step)); }
    bool allAnswered() const { return steps_.empty(); }
    bool sawUnexpected() const { return unexpected_; }

  private:
    static bool among(const std::vector<QPointer<QWidget>>& windows, QWidget* window) {
        for (const auto& w : windows) {
            if (w == window) return true;
        }
        return false;
    }

    void look() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) return;
        if (among(alreadyUp_, modal) || among(answering_, modal)) return;
        if (QTest::currentTestFailed()) {
            modal->close();
            return;
        }
        Step step;
        if (!steps_.empty()) {
            step = std::move(steps_.front());
            steps_.pop_front();
        } else if (otherwise_) {
            step = otherwise_;
        } else {
            unexpected_ = true;
            modal->close();
            return;
        }
        answering_.push_back(modal);
        step(modal);
        std::erase(answering_, nullptr);
        std::erase(answering_, QPointer<QWidget>(modal));
    }

    std::deque<Step> steps_;
    Step otherwise_;
    std::vector<QPointer<QWidget>> alreadyUp_;
    std::vector<QPointer<QWidget>> answering_;
    bool unexpected_ = false;
    QTimer timer_;
};

// A step for a window of kind T; a window of another kind fails the test and is closed.
template <typename T>
ModalAnswers::Step Answer(std::function<void(T&)> act) {
    return [act = std::move(act)](QWidget* modal) {
        auto* window = qobject_cast<T*>(modal);
        if (window == nullptr) {
            QTest::qFail(
                qPrintable(
                    QStringLiteral("unexpected window %1").arg(modal->metaObject()->className())),
                __FILE__, __LINE__);
            modal->close();
            return;
        }
        act(*window);
    };
}
