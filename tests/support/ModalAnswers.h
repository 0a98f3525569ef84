#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <chrono>
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
//
// A modal window still up `deadline` after it came up fails the test and is closed; one that
// will not close is hidden, which ends its event loop; one that stays up even so ends the test
// program at twice the deadline. No test waits for CTest's timeout.
class ModalAnswers : public QObject {
  public:
    using Step = std::function<void(QWidget*)>;
    static constexpr std::chrono::milliseconds kDefaultDeadline{10000};

    explicit ModalAnswers(std::deque<Step> steps = {}, Step otherwise = {},
                          std::chrono::milliseconds deadline = kDefaultDeadline)
        : steps_(std::move(steps)), otherwise_(std::move(otherwise)), deadline_(deadline) {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->isModal()) alreadyUp_.push_back(window);
        }
        connect(&timer_, &QTimer::timeout, this, &ModalAnswers::look);
        timer_.start(5);
    }

    void then(Step step) { steps_.push_back(std::move(step)); }
    bool allAnswered() const { return steps_.empty(); }
    bool sawUnexpected() const { return unexpected_; }
    bool sawOverrun() const { return overrun_; }
    // Told instead of failing the test, for the helper's own test.
    std::function<void(const QString&)> onOverrun;

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
        if (among(alreadyUp_, modal)) return;
        if (overran(modal)) return;
        if (among(answering_, modal)) return;
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

    // Watches how long the modal window on top has been up; true once it is past its deadline.
    bool overran(QWidget* modal) {
        if (modal != onTop_) {
            onTop_ = modal;
            upFor_.start();
            return false;
        }
        const auto up = std::chrono::milliseconds(upFor_.elapsed());
        if (up < deadline_) return false;
        if (up >= 2 * deadline_) {
            qFatal("modal window %s still up after twice the deadline",
                   modal->metaObject()->className());
        }
        if (!overrun_) {
            overrun_ = true;
            const QString message = QStringLiteral("modal window %1 \"%2\" still up after %3 ms")
                                        .arg(modal->metaObject()->className(), modal->windowTitle())
                                        .arg(deadline_.count());
            if (onOverrun) {
                onOverrun(message);
            } else {
                QTest::qFail(qPrintable(message), __FILE__, __LINE__);
            }
            modal->close();
        } else {
            modal->hide();
        }
        return true;
    }

    std::deque<Step> steps_;
    Step otherwise_;
    std::chrono::milliseconds deadline_;
    QPointer<QWidget> onTop_;
    QElapsedTimer upFor_;
    bool overrun_ = false;
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
