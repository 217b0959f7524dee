#pragma once
// The step list's pop-up menu "列表操作": "删除", "清空", "向上移动", "向下移动". Delete and
// clear write the step file at once; moving changes only the list, which reaches the file when
// the editor saves or closes.
//
// Threads: the user-interface thread.
#include "storage/data_paths.h"

namespace tarnwick {

class FileSystem;
class ListSelection;
class ListTable;
class TextField;

struct StepListServices {
    ListTable& steps;
    ListSelection& selection;
    // Names the step file.
    const TextField& name;
    FileSystem& files;
    DataPaths paths;
};

class StepListCommands {
  public:
    explicit StepListCommands(StepListServices services) : s_(std::move(services)) {}

    void deleteStep();
    void clearSteps();
    // Exchange all eight cells with the neighbouring row. The selection stays on its index,
    // so it then marks the step that was moved past.
    void moveStepUp();
    void moveStepDown();

  private:
    void exchangeRows(int a, int b);
    void saveSteps();

    StepListServices s_;
};

} // namespace tarnwick
