#include "rules/controls/KeyGrid.h"

#include <algorithm>

int32_t StepInGrid(int32_t at, NavigationCommand direction, int32_t count, int32_t columns) {
    if (count <= 0 || columns <= 0 || at < 0 || at >= count) return at;
    const int32_t rows = (count + columns - 1) / columns;
    const auto rowLength = [&](int32_t row) { return std::min(columns, count - row * columns); };
    int32_t row = at / columns;
    int32_t column = at % columns;
    switch (direction) {
        case NavigationCommand::Left:
            column = (column + rowLength(row) - 1) % rowLength(row);
            break;
        case NavigationCommand::Right:
            column = (column + 1) % rowLength(row);
            break;
        case NavigationCommand::Up:
        case NavigationCommand::Down: {
            const int32_t step = direction == NavigationCommand::Up ? rows - 1 : 1;
            do {
                row = (row + step) % rows;
            } while (column >= rowLength(row));
            break;
        }
        default:
            break;
    }
    return row * columns + column;
}
