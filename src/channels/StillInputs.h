#pragma once
// Inputs that change a value only when the user means it. Over a closed drop-down list the wheel,
// the arrow and page keys, Home and End do nothing, and so does typing over a fixed list: the
// open list chooses (Space, F4 or Alt+Down open it). A spin box ignores the wheel.

class QAbstractSpinBox;
class QComboBox;

void KeepStill(QComboBox* list);
void KeepStill(QAbstractSpinBox* spin);
