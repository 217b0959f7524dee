#pragma once
// A drop-down list: its text is the shown entry's name.
#include "support/text_field.h"

namespace tarnwick {

class ChoiceField : public TextField {
  public:
    // Shows the entry at the index; an index outside the list shows nothing.
    virtual void selectIndex(int index) = 0;
};

} // namespace tarnwick
