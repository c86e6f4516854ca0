#pragma once

class QLineEdit;

namespace vestra {

// From now on, whenever the box receives the focus its whole text is selected, so that typing
// replaces it.
void SelectAllOnFocus(QLineEdit* box);

} // namespace vestra
