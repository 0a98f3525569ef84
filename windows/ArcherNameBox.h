#pragma once

#include <QComboBox>
#include <string>
#include <vector>

#include "rules/history/History.h"

// The name of the archer who shoots alone (practice, a bracket): one the history knows, or a new
// one typed in, of the letters and length the game's files can hold.
class ArcherNameBox final : public QComboBox {
    Q_OBJECT
  public:
    explicit ArcherNameBox(QWidget* parent);

    // Offers the archers the history knows, with `last` written in.
    void offer(const std::vector<KnownArcher>& known, const std::string& last);
    // The name as written, without surrounding spaces.
    QString name() const;
    // The club of the known archer of that name; empty for a new name.
    QString club() const;
    // Takes the focus with the name selected, to be typed over.
    void takeFocus();
};
