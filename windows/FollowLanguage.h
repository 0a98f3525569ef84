#pragma once

#include <functional>

class QWidget;

// Runs `retranslate` now and again each time the interface's language changes, for as long as
// `window` lives: the window's texts are set in one place for every language.
void FollowLanguage(QWidget* window, std::function<void()> retranslate);
