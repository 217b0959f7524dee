#pragma once
// What the commands need from a list view beyond its cells: the selected row, and removing
// one row.
namespace tarnwick {

class ListSelection {
  public:
    virtual ~ListSelection() = default;
    // The first selected row, or -1.
    virtual int selectedRow() const = 0;
    // Does nothing for a row the list does not have.
    virtual void removeRow(int row) = 0;
};

} // namespace tarnwick
